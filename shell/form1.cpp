// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Form1 as designed: its start-up, the menu, the layout, the language texts and the windows it opens.
#include "shell/form1.h"

#include "identity.h"
#include "keypad/form2.h"
#include "learn/amplify.h"
#include "learn/graphic.h"
#include "learn/guidedsum.h"
#include "learn/secondfraction.h"
#include "learn/simplify.h"
#include "logic/layout.h"
#include "logic/readertexts.h"
#include "practice/muldivpractice.h"
#include "practice/simplifypractice.h"
#include "practice/sumpractice.h"
#include "results/form3.h"
#include "shell/presentation.h"
#include "widgets/accessibility.h"
#include "widgets/keyboard.h"
#include "widgets/voice.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QScreen>
#include <QShortcut>

namespace maroleta {

namespace {
    // The menu column from top to bottom: design top and height of each menu button.
    struct MenuPlace {
        int section;
        int top;
        int height;
        const char* caption;
    };
    // The built-in captions are Windows-1252 texts of the design; QString::fromUtf8 keeps the accents here.
    constexpr MenuPlace menuPlaces[] = {
        { 7, 960, 375, "PRESENTACIÓN" },
        { 8, 1800, 375, "Inicio" },
        { 0, 2280, 495, "Representación gráfica" },
        { 1, 2880, 375, "Amplificar" },
        { 2, 3360, 375, "Simplificar" },
        { 3, 3840, 375, "Suma y resta" },
        { 4, 4680, 375, "SIMPLIFICA" },
        { 6, 5160, 495, "MULTIPLICACIÓN Y DIVISIÓN" },
        { 5, 5760, 375, "SUMA Y RESTA" },
    };
    struct HeadingPlace {
        int top;
        const char* caption;
    };
    constexpr HeadingPlace headingPlaces[] = { { 1440, "Aprende" }, { 4320, "Practica" }, { 6240, "Resultados" } };
}

Form1::Form1(Random* random, std::unique_ptr<SpeechEngines> speech, QWidget* parent)
    : QWidget(parent)
    , m_random(random ? random : &m_ownRandom)
    , m_voice(std::make_unique<Voice>(std::move(speech), this))
{
    installAccessibleControls();
    loadReaderTexts(); // before the first picture is described
    // What screen readers are told the menu column and the explanation line are.
    addControlNames(this,
        {
            { QStringLiteral("Command1"),
                [](int i) {
                    static const char* const sections[] = { "Representación gráfica", "Amplificar", "Simplificar",
                        "Suma y resta, aprende", "Simplifica, practica", "Suma y resta, practica",
                        "Multiplicación y división, practica", "Presentación", "Inicio" };
                    return QString::fromUtf8("Menú: ") + QString::fromUtf8(sections[std::clamp(i, 0, 8)]);
                } },
            { QStringLiteral("Command20"), fixedName("Historial de resultados") },
            { QStringLiteral("Label20"),
                [](int i) {
                    static const char* const headings[] = { "Aprende", "Practica", "Resultados" };
                    return QString::fromUtf8("Apartado ") + QString::fromUtf8(headings[std::clamp(i, 0, 2)]);
                } },
            { QStringLiteral("Label21"), fixedName("Explicación de la sección") },
        });
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(
        QStringLiteral("Maroleta " MAROLETA_VERSION " - " MAROLETA_CONTACT_ADDRESS " - " MAROLETA_SCHOOLS_ADDRESS));
    setAutoFillBackground(true);
    setFont(defaultDesignFont());

    for (int i = 0; i < 9; ++i) {
        Frame1[i] = makeControl<Frame>(this, arrayName(QStringLiteral("Frame1"), i));
        Frame1[i]->setVisible(i == 7); // the window opens on the presentation
    }
    buildMenu();
    m_results = std::make_unique<ResultsLog>(Frame1[0]);

    // The sections, each built into its frame with what it uses.
    Voice& voice = *m_voice;
    m_second = std::make_unique<SecondFraction>(this, Frame1[3], voice);
    auto graphic = std::make_unique<GraphicSection>(this, voice);
    auto amplify = std::make_unique<AmplifySection>(Frame1[1], *m_second, voice);
    auto simplify = std::make_unique<SimplifySection>(Frame1[2], *m_second, voice);
    m_graphic = graphic.get();
    m_amplify = amplify.get();
    m_simplify = simplify.get();
    m_sections[0] = std::move(graphic);
    m_sections[1] = std::move(amplify);
    m_sections[2] = std::move(simplify);
    m_sections[3] = std::make_unique<GuidedSumSection>(Frame1[3], *m_second, *m_random, m_texts, voice);
    auto simplifyPractice = std::make_unique<SimplifyPracticeSection>(Frame1[4], *m_random, m_texts, *m_results, voice);
    connect(simplifyPractice.get(), &SimplifyPracticeSection::keypadWanted, this,
        [this](Label* field) { keypad()->edit(field); });
    m_sections[4] = std::move(simplifyPractice);
    m_sections[5] = std::make_unique<SumPracticeSection>(Frame1[5], *m_random, m_texts, *m_results, voice);
    m_sections[6] = std::make_unique<MulDivSection>(Frame1[6], *m_random, m_texts, *m_results, voice);
    m_sections[7] = std::make_unique<PresentationSection>(Frame1[7]);
    m_sections[8] = std::make_unique<StartSection>(Frame1[8]);

    // What one screen does to another: a new denominator of the second fraction becomes the amplifying
    // screen's base denominator, and a new base there makes the simplifying screen's message stale.
    connect(m_second.get(), &SecondFraction::denominatorChanged, m_amplify, &AmplifySection::setBaseDenominator);
    connect(m_amplify, &AmplifySection::baseChanged, m_simplify, &SimplifySection::hideCannotDivide);

    Form_Load();
    nameControls(this);
    describeColours(*this);
}

Form1::~Form1() = default;

void Form1::buildMenu()
{
    for (const MenuPlace& place : menuPlaces) {
        auto* button = makeControl<CommandButton>(
            this, arrayName(QStringLiteral("Command1"), place.section), QRect(120, place.top, 1695, place.height));
        button->setText(QString::fromUtf8(place.caption));
        const int index = place.section;
        connect(button, &QPushButton::clicked, this, [this, index] { Command1_Click(index); });
        Command1[place.section] = button;
    }
    for (int i = 0; i < 3; ++i) {
        Label20[i] = makeControl<Label>(
            this, arrayName(QStringLiteral("Label20"), i), QRect(120, headingPlaces[i].top, 1335, 375));
        Label20[i]->setFont(designFont(QStringLiteral("Arial"), 12, true));
        Label20[i]->setForeColor(DesignColor::SystemHighlightText);
        Label20[i]->setText(QString::fromUtf8(headingPlaces[i].caption));
    }

    Label21 = makeControl<Label>(this, QStringLiteral("Label21"), QRect(2280, 120, 9375, 855));
    Label21->setFont(designFont(QStringLiteral("Arial"), 9.75, true));
    Label21->setForeColor(DesignColor::SystemHighlightText);
    Label21->setText(QStringLiteral("Label21"));

    Command20 = makeControl<CommandButton>(this, QStringLiteral("Command20"), QRect(120, 6600, 1695, 375));
    Command20->setText(QStringLiteral("HISTORIAL"));
    Command20->setBackColor(DesignColor::Pink);
    connect(Command20, &QPushButton::clicked, this, &Form1::Command20_Click);
}

void Form1::buildReadAloud()
{
    // Our own control, below "HISTORIAL" with the gap the menu keeps between its buttons; as tall as the
    // two-line menu buttons, so that "LLEGIR EN VEU ALTA" fits in its own font.
    m_readAloud = makeControl<CommandButton>(this, QStringLiteral("readAloud"), QRect(120, 7080, 1695, 495));
    m_readAloud->setCheckable(true);
    m_readAloud->setBackColor(DesignColor::White);
    connect(m_readAloud, &QAbstractButton::toggled, this, &Form1::readAloudToggled);
    connect(m_voice.get(), &Voice::failed, this, &Form1::readAloudUnavailable);
    // F2 wherever the focus is in this window; a disabled switch ignores it as it ignores a click.
    auto* key = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(key, &QShortcut::activated, m_readAloud, &QAbstractButton::click);
    m_readAloud->setAccessibleDescription(readAloudDescription(m_voice->problem()));
    m_readAloud->setEnabled(!m_voice->problem());
}

void Form1::readAloudToggled(bool on)
{
    m_voice->setOn(on);
    m_readAloud->setBackColor(m_voice->isOn() ? DesignColor::Yellow : DesignColor::White);
    // What the screen is about, at once (a screen reader has just said the switch).
    m_voice->speak(Label21->text());
}

void Form1::readAloudUnavailable()
{
    m_readAloud->setChecked(false);
    m_readAloud->setEnabled(false);
    m_readAloud->setAccessibleDescription(readAloudDescription(m_voice->problem()));
}

void Form1::Form_Load()
{
    CurrentSection = 7;
    if (m_random == &m_ownRandom)
        m_ownRandom.seedFromClock();
    ArrangeScreen();
    // The two pictures keep their drawings in their own images: PictureBox is always persistent.
    Command1[7]->setBackColor(DesignColor::Green);
    m_graphic->DrawFirstFraction();
    m_second->DrawSecondFraction();
    LoadLanguageTexts();
    Label21->setText(m_texts.MenuExplanations[7]);
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program at once, whatever else is open.
    if (m_keypad)
        m_keypad->close();
    if (Form3* window = m_results->loadedWindow())
        window->close();
    event->accept();
    QCoreApplication::quit();
}

void Form1::Command1_Click(int Index)
{
    if (Index < 0 || Index > 8)
        return;
    Frame1[CurrentSection]->hide();
    Command1[CurrentSection]->setBackColor(DesignColor::White);
    Command1[Index]->setBackColor(DesignColor::Green);
    Frame1[Index]->show();
    Label21->setText(m_texts.MenuExplanations[Index]);
    m_voice->say(Label21->text());
    m_amplify->ShowAmplification();

    // The four controls shared by sections 0 to 3, set before any preparation runs: the first picture and
    // its editor in section 0, the second picture in sections 0 to 3, its editor in sections 0 to 2.
    m_graphic->setShown(Index == 0);
    m_second->setShown(Index <= 3, Index <= 2);
    // Sections 3 to 6 get a new example or exercise; sections 0, 1, 2, 7 and 8 keep their state.
    m_sections[Index]->prepare();
    CurrentSection = Index;
}

void Form1::ArrangeScreen()
{
    const Twips& t = screenTwips();
    const QScreen* shown = screen();
    const QSize pixels = shown ? shown->geometry().size() : QSize(1024, 768);

    LayoutInput input;
    input.screen = QSize(qRound(t.toTwips(pixels.width())), qRound(t.toTwips(pixels.height())));
    input.topMenuButtonTop = twipsGeometry(Command1[7]).top();
    input.menuLeft = twipsGeometry(Command1[0]).left();
    input.menuWidth = twipsGeometry(Command1[0]).width();
    input.sideFrameWidth = twipsGeometry(m_graphic->editor()).width();
    for (int section = 1; section < 9; ++section)
        input.innerFrame[section] = twipsGeometry(m_sections[section]->innerFrame()).size();
    input.frame6Left = twipsGeometry(m_sections[3]->innerFrame()).left();
    const LayoutResult layout = arrangeScreen(input);

    for (Frame* section : Frame1)
        setTwipsGeometry(section, layout.section);

    QPalette background = palette();
    background.setColor(QPalette::Window, designColor(DesignColor::DarkCyan));
    setPalette(background);
    for (int i = 0; i < 9; ++i) {
        Frame1[i]->setBackColor(DesignColor::DarkCyan);
        Command1[i]->setBackColor(DesignColor::White);
    }
    for (int section = 1; section < 9; ++section) {
        m_sections[section]->innerFrame()->setBackColor(DesignColor::DarkCyan);
        setTwipsPosition(m_sections[section]->innerFrame(), layout.innerFrame[section]);
    }
    // The presentation shows none of the pictures and editors of sections 0 to 3.
    m_graphic->arrange(layout);
    m_second->arrange(layout);
    m_graphic->picture()->raise();
    m_second->editor()->raise();
    m_graphic->editor()->raise();
}

void Form1::LoadLanguageTexts()
{
    m_texts.load();
    const QStringList& menu = m_texts.menu;
    for (int i = 0; i < 9; ++i)
        takeLine(Command1[i], menu, i);
    takeLine(Command20, menu, 9);
    for (int i = 0; i < 3; ++i)
        takeLine(Label20[i], menu, 10 + i);
    for (const auto& section : m_sections)
        section->takeTexts(m_texts);

    // Without voz.txt (or with one that names no caption or language) the window stays as designed.
    m_voice->load();
    if (m_voice->texts().usable() && !m_readAloud)
        buildReadAloud();
    if (m_readAloud) {
        m_readAloud->setText(m_voice->texts().caption);
        m_readAloud->setVisible(m_voice->texts().usable());
    }
}

Form2* Form1::keypad()
{
    if (!m_keypad)
        m_keypad = std::make_unique<Form2>(Frame1[0], m_sections[4]->innerFrame());
    return m_keypad.get();
}

void Form1::Command20_Click()
{
    Form3* window = results();
    // Shown again if it was closed, brought back if it was minimised, and brought forward in any case.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

bool Form1::focusNextPrevChild(bool next) { return focusNextOnScreen(this, next); }

void Form1::keyPressEvent(QKeyEvent* event)
{
    const int digit = typedDigit(event);
    if (digit >= 0 && m_keypad && m_keypad->isVisible()) {
        QCoreApplication::sendEvent(m_keypad.get(), event); // the keypad presses its digit key
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace maroleta
