// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Accessible names and colour meanings, for screen readers. The names come from the design names, in one
// table per window, so a control built anywhere is named here.
#include "widgets/accessibility.h"

#include "logic/colors.h"
#include "logic/readertexts.h"
#include "widgets/controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QRegularExpression>

#include <functional>
#include <map>

namespace maroleta {

namespace {
    QString u(const char* text) { return QString::fromUtf8(text); }

    // "Command21(2)" is element 2 of the array "Command21"; "Label21" stands alone (index -1).
    std::pair<QString, int> splitName(const QString& name)
    {
        static const QRegularExpression element(QStringLiteral("^(\\w+)\\((\\d+)\\)$"));
        const QRegularExpressionMatch match = element.match(name);
        if (match.hasMatch())
            return { match.captured(1), match.captured(2).toInt() };
        return { name, -1 };
    }

    // The names registered for the controls of one window, kept as a child of the window.
    class ControlNameTable : public QObject {
    public:
        explicit ControlNameTable(QObject* window)
            : QObject(window)
        {
            setObjectName(QStringLiteral("controlNames"));
        }
        ControlNames names;

        static ControlNameTable* of(const QWidget* window)
        {
            return dynamic_cast<ControlNameTable*>(
                window->findChild<QObject*>(QStringLiteral("controlNames"), Qt::FindDirectChildrenOnly));
        }
    };

    const ControlNames* namesOf(const QWidget* window)
    {
        const ControlNameTable* table = ControlNameTable::of(window);
        return table ? &table->names : nullptr;
    }

    // A label reads as what it shows: its caption is its name, as for any QLabel. A label that takes
    // Tab focus (an answer field of the simplification practice) is a button a screen reader can press.
    class LabelAccessible : public QAccessibleWidget {
    public:
        explicit LabelAccessible(Label* label)
            : QAccessibleWidget(label, QAccessible::StaticText)
        {
        }

        // Asked each time: a field is given Tab focus after it is built, and loses it while it is closed.
        QAccessible::Role role() const override
        {
            return widget()->focusPolicy() & Qt::TabFocus ? QAccessible::Button : QAccessible::StaticText;
        }

        QString text(QAccessible::Text t) const override
        {
            if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
                return static_cast<const QLabel*>(widget())->text();
            return QAccessibleWidget::text(t);
        }

        QStringList actionNames() const override
        {
            QStringList names = QAccessibleWidget::actionNames();
            if (role() == QAccessible::Button)
                names.prepend(pressAction());
            return names;
        }

        void doAction(const QString& action) override
        {
            // Later, as Qt's buttons do (they animate the click): a press that opens a message box must
            // not keep the screen reader waiting for its answer until the box is closed.
            if (action == pressAction() && role() == QAccessible::Button && widget()->isEnabled())
                QMetaObject::invokeMethod(
                    widget(), [label = static_cast<Label*>(widget())] { Q_EMIT label->clicked(); },
                    Qt::QueuedConnection);
            else
                QAccessibleWidget::doAction(action);
        }
    };

    // A window is named by its title, or by its accessible name where it shows none (the keypad).
    class WindowAccessible : public QAccessibleWidget {
    public:
        explicit WindowAccessible(QWidget* window)
            : QAccessibleWidget(window, QAccessible::Window)
        {
        }

        QString text(QAccessible::Text t) const override
        {
            if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
                return widget()->windowTitle();
            return QAccessibleWidget::text(t);
        }
    };

    // Qt asks for each class of an object, the most derived first. Qt gives a plain QFrame the role of a
    // border, which AT-SPI calls a "frame", the role of a top-level window: a screen reader then takes the
    // section frame for the window, finds it inactive and keeps silent about everything in it. So our
    // frames are groupings, the pictures images, and a window of our own without a role of its own (a
    // plain QWidget; a message box is a dialog) a window.
    QAccessibleInterface* controlAccessible(const QString& className, QObject* object)
    {
        if (className == QLatin1String("maroleta::Label"))
            return new LabelAccessible(static_cast<Label*>(object));
        if (className == QLatin1String("maroleta::Frame"))
            return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
        if (className == QLatin1String("maroleta::PictureBox"))
            return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
        if (className == QLatin1String("QWidget") && static_cast<QWidget*>(object)->isWindow())
            return new WindowAccessible(static_cast<QWidget*>(object));
        return nullptr;
    }

    // What a control is, from its design name and the table of its window; empty for a control not named.
    // The key of lector.txt is the design name, after the window's name outside the main window.
    QString whatOf(const QWidget* control)
    {
        const QWidget* window = control->window();
        const ControlNames* names = namesOf(window);
        if (!names)
            return {};
        const auto [array, index] = splitName(control->objectName());
        const auto found = names->find(array);
        if (found == names->end())
            return {};
        const QString key = window->objectName() == QLatin1String("Form1") || control == window
            ? control->objectName()
            : window->objectName() + u'.' + control->objectName();
        return readerTexts().text(key, found->second(index));
    }

    // Controls with a caption (labels, buttons, option buttons) are named by it; what they are goes
    // into their description. Pictures, frames and lists have no caption: they are named by what they are.
    // Nor has a button drawn with dashes (the learning screens' "--", the guided sum's "----" under a
    // working denominator): read aloud, its dashes would say nothing.
    bool hasCaption(const QWidget* control)
    {
        static const QRegularExpression dashes(QStringLiteral("^-{2,}$"));
        if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            return !dashes.match(button->text()).hasMatch();
        return qobject_cast<const QLabel*>(control);
    }

    enum class Marks { CurrentSection, BlueRight, GreenRight, TypedField };

    // The controls whose colour judges something, and what their colours mean.
    const std::map<QString, Marks>& markedControls()
    {
        static const std::map<QString, Marks> marked {
            { u("Command1"), Marks::CurrentSection }, // the menu: green for the section shown
            { u("Command12"), Marks::BlueRight }, // section 3: the result, blue right, red wrong
            { u("Label17"), Marks::TypedField }, // section 4: blue right (or being typed), red wrong
            { u("Command21"), Marks::BlueRight },
            { u("Command14"), Marks::GreenRight }, // section 5: green right, red wrong
            { u("Command17"), Marks::GreenRight },
            { u("Command18"), Marks::GreenRight }, // section 6: green right, red wrong
            { u("Command19"), Marks::GreenRight },
        };
        return marked;
    }

    quint32 colourOf(const QWidget* control)
    {
        if (const auto* button = qobject_cast<const CommandButton*>(control))
            return button->backColor();
        if (const auto* label = qobject_cast<const Label*>(control))
            return label->foreColor();
        return DesignColor::SystemButtonFace;
    }

    // "Numerador de la respuesta", and where its colour judges an answer, ". Correcto" after it.
    void describeColour(QWidget* control)
    {
        const QString meaning = colourMeaning(control->objectName(), colourOf(control), control->isEnabled());
        const QString what = whatOf(control);
        const QString description = meaning.isEmpty() ? what : what + QStringLiteral(". ") + meaning;
        if (control->accessibleDescription() != description)
            control->setAccessibleDescription(description);
    }

    // An answer field of section 4 is accepted by turning it blue and then disabling it: the change of
    // state alone changes what its blue means.
    class EnabledWatcher : public QObject {
    public:
        using QObject::QObject;

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::EnabledChange)
                describeColour(static_cast<QWidget*>(watched));
            return QObject::eventFilter(watched, event);
        }
    };
}

QString fractionWords(int i)
{
    static const char* const ordinals[] = { "primera", "segunda", "tercera" };
    return u("la %1 fracción").arg(QString::fromLatin1(ordinals[std::clamp(i, 0, 2)]));
}

QString termWord(int i) { return i % 2 == 0 ? u("Numerador") : u("Denominador"); }

ControlNamer fixedName(const char* text)
{
    return [name = u(text)](int) { return name; };
}

ControlNamer termsOf(bool numerator, std::vector<QString> parts)
{
    return [numerator, parts](int i) {
        return (numerator ? u("Numerador ") : u("Denominador "))
            + parts[std::size_t(std::clamp(i, 0, int(parts.size()) - 1))];
    };
}

ControlNamer stepsOf(const char* what)
{
    return [what = u(what)](int i) { return (i % 2 == 0 ? u("Sumar 1 al ") : u("Restar 1 al ")) + what; };
}

void addControlNames(QWidget* window, ControlNames names)
{
    ControlNameTable* table = ControlNameTable::of(window);
    if (!table)
        table = new ControlNameTable(window);
    table->names.merge(names);
}

void installAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(controlAccessible);
        return true;
    }();
    Q_UNUSED(installed)
}

void nameControls(QWidget* window)
{
    installAccessibleControls();
    QList<QWidget*> controls = window->findChildren<QWidget*>();
    controls.prepend(window);
    for (QWidget* control : controls) {
        const QString what = whatOf(control);
        if (what.isEmpty())
            continue;
        if (hasCaption(control))
            control->setAccessibleDescription(what);
        else
            control->setAccessibleName(what);
    }
}

QString caption(const QWidget* numerator, const QWidget* denominator)
{
    const auto text = [](const QWidget* term) {
        if (const auto* label = qobject_cast<const QLabel*>(term))
            return label->text();
        const auto* button = qobject_cast<const QAbstractButton*>(term);
        return button ? button->text() : QString();
    };
    return text(numerator) + u'/' + text(denominator);
}

QString shownOperation(const QString& a, char operation, const QString& b)
{
    const ReaderTexts& texts = readerTexts();
    const QString word = operation == '+' ? texts.text("mas", "más")
        : operation == '-'                ? texts.text("menos", "menos")
        : operation == 'x'                ? texts.text("por", "por")
                                          : texts.text("entre", "entre");
    return a + u' ' + word + u' ' + b;
}

QString markedWrong(const QWidget* window, const QWidget* except)
{
    QStringList wrong;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control == except || !control->isVisible()
            || !markedControls().contains(splitName(control->objectName()).first))
            continue;
        // An answer button is described with what a press does ("Numerador del resultado: sumar 1"):
        // the answer is what comes before it.
        if (colourMeaning(control->objectName(), colourOf(control), control->isEnabled()) == wrongWord())
            wrong << whatOf(control).section(QStringLiteral(": "), 0, 0);
    }
    return wrong.join(QStringLiteral(", "));
}

QString rightWord() { return readerTexts().text("correcto", "Correcto"); }
QString wrongWord() { return readerTexts().text("incorrecto", "Incorrecto"); }

QString colourMeaning(const QString& name, quint32 color, bool enabled)
{
    const auto found = markedControls().find(splitName(name).first);
    if (found == markedControls().end())
        return {};
    switch (found->second) {
    case Marks::CurrentSection:
        return color == DesignColor::Green ? readerTexts().text("seccionactual", "Sección actual") : QString();
    case Marks::BlueRight:
    case Marks::GreenRight: {
        const quint32 right = found->second == Marks::BlueRight ? DesignColor::Blue : DesignColor::Green;
        if (color == right)
            return rightWord();
        return color == DesignColor::Red ? wrongWord() : QString();
    }
    case Marks::TypedField:
        if (color == DesignColor::Red)
            return wrongWord();
        if (color == DesignColor::Blue)
            return enabled ? readerTexts().text("escribiendo", "Escribiendo con el teclado numérico") : rightWord();
        return {};
    }
    return {};
}

QString readAloudDescription(std::optional<SpeechProblem> problem)
{
    const ReaderTexts& texts = readerTexts();
    const QString what
        = texts.text("leerenvoz", "Leer en voz alta las explicaciones, los mensajes y las fracciones (F2)");
    if (!problem)
        return what;
    QString why;
    switch (*problem) {
    case SpeechProblem::NoEngine:
        why = texts.text("sinmotor", "no hay ningún motor de voz instalado");
        break;
    case SpeechProblem::EngineFailed:
        why = texts.text("motorroto", "el motor de voz no funciona");
        break;
    case SpeechProblem::NoVoice:
        why = texts.text("sinvoz", "no hay ninguna voz para este idioma");
        break;
    case SpeechProblem::NoAnswer:
        why = texts.text("sinrespuesta", "el motor de voz no responde");
        break;
    }
    return texts.text("nodisponible", "%1. No disponible: %2").arg(what, why);
}

void describeColours(QWidget& form)
{
    auto* watcher = new EnabledWatcher(&form);
    for (QWidget* control : form.findChildren<QWidget*>()) {
        if (!markedControls().contains(splitName(control->objectName()).first))
            continue;
        if (auto* button = qobject_cast<CommandButton*>(control))
            QObject::connect(button, &CommandButton::colorChanged, &form, [button] { describeColour(button); });
        else if (auto* label = qobject_cast<Label*>(control)) {
            QObject::connect(label, &Label::colorChanged, &form, [label] { describeColour(label); });
            label->installEventFilter(watcher);
        }
        describeColour(control);
    }
}

} // namespace maroleta
