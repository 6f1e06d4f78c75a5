// Form1 as designed, and its start-up.
#include "shell/form1.h"

#include "keypad/form2.h"
#include "logic/layout.h"
#include "results/form3.h"
#include "shell/accessibility.h"

#include <QCloseEvent>
#include <QCoreApplication>

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

Form1::Form1(Random* random, QWidget* parent)
    : QWidget(parent)
    , m_random(random ? random : &m_ownRandom)
{
    installAccessibleControls();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Maroleta 1.2 - maroleta@example.org - escuelas@example.org"));
    setAutoFillBackground(true);
    setFont(defaultDesignFont());

    for (int i = 0; i < 9; ++i) {
        Frame1[i] = makeControl<Frame>(this, arrayName(QStringLiteral("Frame1"), i));
        Frame1[i]->setVisible(i == 7); // the window opens on the presentation
    }
    buildMenu();
    buildSharedPictures();
    buildGraphicSection();
    buildAmplifySection();
    buildSimplifySection();
    buildGuidedSumSection();
    buildSimplifyPracticeSection();
    buildSumPracticeSection();
    buildMulDivSection();
    buildPresentationSection();
    buildStartSection();

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

void Form1::buildSharedPictures()
{
    Picture1 = makeControl<PictureBox>(this, QStringLiteral("Picture1"));
    Picture2 = makeControl<PictureBox>(this, QStringLiteral("Picture2"));
    Frame2 = makeControl<Frame>(this, QStringLiteral("Frame2"), QRect(0, 0, 1815, 2295));
    Frame3 = makeControl<Frame>(this, QStringLiteral("Frame3"), QRect(0, 0, 1815, 2295));
}

Frame* Form1::makeInnerFrame(int section, const QString& name)
{
    const QSize size = designInnerFrameSizes()[section];
    auto* frame = makeControl<Frame>(Frame1[section], name, QRect(QPoint(0, 0), size));
    innerFrames[section] = frame;
    return frame;
}

void Form1::Form_Load()
{
    CurrentSection = 7;
    AmplifyIndex = 0;
    if (m_random == &m_ownRandom)
        m_ownRandom.seedFromClock();
    ArrangeScreen();
    HideSimplifySteps();
    Primes = firstTenPrimes();
    // The two pictures keep their drawings in their own images: PictureBox is always persistent.
    Command1[7]->setBackColor(DesignColor::Green);
    DrawFirstFraction();
    DrawSecondFraction();
    LoadLanguageTexts();
    Label21->setText(MenuExplanations[7]);
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program at once, whatever else is open.
    if (m_keypad)
        m_keypad->close();
    if (m_results)
        m_results->close();
    event->accept();
    QCoreApplication::quit();
}

} // namespace maroleta
