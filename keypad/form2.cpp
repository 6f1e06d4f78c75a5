// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Form2, the number-entry keypad.
#include "keypad/form2.h"

#include "logic/captions.h"
#include "logic/keypadkeys.h"
#include "logic/languagefiles.h"
#include "widgets/accessibility.h"
#include "widgets/announce.h"
#include "widgets/keyboard.h"

#include <QMouseEvent>
#include <QPainter>

namespace maroleta {

namespace {
    // The client area inside the thin fixed border, in twips.
    constexpr int clientWidth = 4590;
    constexpr int clientHeight = 4020;
    constexpr int borderPixels = 1;

    // The telephone-style block of digit keys: top-left of Command1(d), in twips.
    constexpr std::array<QPoint, 10> digitPlaces { QPoint(960, 3240), QPoint(120, 1080), QPoint(960, 1080),
        QPoint(1800, 1080), QPoint(120, 1800), QPoint(960, 1800), QPoint(1800, 1800), QPoint(120, 2520),
        QPoint(960, 2520), QPoint(1800, 2520) };
    // The two columns of step keys: +1 -1 / +5 -5 / +10 -10.
    constexpr std::array<QPoint, 6> stepPlaces { QPoint(2880, 1080), QPoint(3720, 1080), QPoint(2880, 1800),
        QPoint(3720, 1800), QPoint(2880, 2520), QPoint(3720, 2520) };

    void keepMouseToItself(QWidget* control)
    {
        // The keys and the display have their own mouse handling: a drag that starts on them moves nothing.
        control->setAttribute(Qt::WA_NoMousePropagation);
    }
}

Form2::Form2(const QWidget* sectionArea, const QWidget* answers)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , m_sectionArea(sectionArea)
    , m_answers(answers)
{
    // What screen readers are told each key is.
    addControlNames(this,
        {
            { QStringLiteral("Label1"), fixedName("Número del teclado numérico") },
            { QStringLiteral("Command1"), [](int i) { return QString::fromUtf8("Cifra %1").arg(i); } },
            { QStringLiteral("Command2"),
                [](int i) {
                    const int amount = keypadStep(i);
                    return (amount > 0 ? QString::fromUtf8("Sumar %1") : QString::fromUtf8("Restar %1"))
                        .arg(std::abs(amount));
                } },
            { QStringLiteral("Command3"), fixedName("Borrar el número") },
            { QStringLiteral("Form2"), fixedName("Teclado numérico") },
        });
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString());
    const QSize client = screenTwips().toPixels(QRect(0, 0, clientWidth, clientHeight)).size();
    setFixedSize(client + QSize(2 * borderPixels, 2 * borderPixels));

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("Form2 client area"));
    m_client->setGeometry(QRect(QPoint(borderPixels, borderPixels), client));
    QPalette background = m_client->palette();
    background.setColor(QPalette::Window, designColor(DesignColor::LightYellow));
    m_client->setPalette(background);
    m_client->setAutoFillBackground(true);
    m_client->setMouseTracking(true);
    m_client->installEventFilter(this);

    Shape1 = makeControl<ShapeOutline>(m_client, QStringLiteral("Shape1"), QRect(1800, 120, 2655, 855));
    Label1 = makeControl<Label>(m_client, QStringLiteral("Label1"), QRect(2040, 120, 2175, 735));
    Label1->setFont(designFont(QStringLiteral("Arial"), 36, true));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label1->setWordWrap(false);
    Label1->setForeColor(DesignColor::SystemHighlight);
    keepMouseToItself(Label1);

    for (int d = 0; d < 10; ++d) {
        const QSize size = d == 0 ? QSize(735, 555) : QSize(735, 615);
        auto* key = makeControl<CommandButton>(
            m_client, arrayName(QStringLiteral("Command1"), d), QRect(digitPlaces[d], size));
        key->setFont(designFont(QStringLiteral("Arial"), 24, true));
        key->setBackColor(DesignColor::LightGreen);
        keepMouseToItself(key);
        connect(key, &QPushButton::clicked, this, [this, d] { Command1_Click(d); });
        Command1[d] = key;
    }
    for (int i = 0; i < 6; ++i) {
        auto* key = makeControl<CommandButton>(
            m_client, arrayName(QStringLiteral("Command2"), i), QRect(stepPlaces[i], QSize(735, 615)));
        key->setFont(designFont(QStringLiteral("Arial"), 18, true));
        key->setBackColor(DesignColor::LightPink);
        key->setText(keypadStepCaption(i));
        keepMouseToItself(key);
        connect(key, &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
        Command2[i] = key;
    }
    Command3 = makeControl<CommandButton>(m_client, QStringLiteral("Command3"), QRect(2880, 3240, 1575, 615));
    Command3->setFont(designFont(QStringLiteral("Arial"), 15.75, true));
    Command3->setBackColor(DesignColor::LightRed);
    Command3->setText(QStringLiteral("BORRAR"));
    keepMouseToItself(Command3);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);

    Form_Load();
    nameControls(this);
}

void Form2::Form_Load()
{
    // Just below the answer fields of section 4; the main window's coordinates are taken as screen ones.
    const QRect section = twipsGeometry(m_sectionArea);
    const QRect answers = twipsGeometry(m_answers);
    const Twips& t = screenTwips();
    move(t.toPixels(section.left() + answers.left()), t.toPixels(section.top() + answers.top() + answers.height()));

    Label1->setText(QStringLiteral("0"));
    for (int d = 0; d < 10; ++d)
        Command1[d]->setText(QString::number(d));

    const QStringList erase = readLanguageLines(languageFile(QStringLiteral("borrar.txt")), 1);
    if (!erase.isEmpty())
        Command3->setText(erase.first());
}

void Form2::edit(Label* field)
{
    show();
    raise();
    activateWindow();
    Label1->setText(QStringLiteral("0"));
    m_field = field;
}

bool Form2::targetIsOpen() const
{
    // isHidden(), not isVisible(): the field stays open while section 4 itself is out of sight.
    return m_field && m_field->isEnabled() && !m_field->isHidden();
}

void Form2::showNumber(const QString& text)
{
    Label1->setText(text);
    m_field->setText(Label1->text());
    announce(this, Label1->text());
}

void Form2::Command1_Click(int Index)
{
    if (!targetIsOpen())
        return;
    if (const auto entered = keypadDigit(Label1->text(), Index))
        showNumber(*entered);
}

void Form2::Command2_Click(int Index)
{
    if (!targetIsOpen())
        return;
    showNumber(keypadStepped(Label1->text(), Index));
}

void Form2::Command3_Click()
{
    if (!targetIsOpen())
        return;
    showNumber(QStringLiteral("0"));
}

void Form2::Form_MouseMove(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, double X, double Y)
{
    Q_UNUSED(Shift)
    if (Button == Qt::NoButton) {
        AnchorX = float(X);
        AnchorY = qint16(roundHalfEven(Y));
        return;
    }
    const Twips& t = screenTwips();
    const double left = t.toTwips(x()) + X - AnchorX;
    const double top = t.toTwips(y()) + Y - AnchorY;
    move(t.toPixels(left), t.toPixels(top));
}

bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const Twips& t = screenTwips();
        const QPointF at = mouse->position();
        Form_MouseMove(mouse->buttons(), mouse->modifiers(), at.x() * t.perPixel(), at.y() * t.perPixel());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool Form2::focusNextPrevChild(bool next) { return focusNextOnScreen(this, next); }

void Form2::keyPressEvent(QKeyEvent* event)
{
    const int digit = typedDigit(event);
    if (digit >= 0) {
        Command1_Click(digit);
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (!m_field)
            return;
        m_field->window()->raise();
        m_field->window()->activateWindow();
        if (targetIsOpen())
            m_field->setFocus(Qt::OtherFocusReason);
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form2::paintEvent(QPaintEvent*)
{
    // The thin fixed border around the client area.
    QPainter painter(this);
    painter.setPen(designColor(DesignColor::Black));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace maroleta
