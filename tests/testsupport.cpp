// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// What the widget tests share.
#include "testsupport.h"

#include "keypad/form2.h"
#include "logic/languagefiles.h"
#include "results/form3.h"
#include "widgets/messagebox.h"
#include "widgets/speech.h"

#include <QCoreApplication>
#include <QFile>

namespace maroleta::testing {

namespace {
    // The engines a test hands the window, and each speaker they make: it records what it is given to say,
    // or, without a voice, fails at the first text.
    struct Recorder : Speaker, SpeechEngines {
        Recorder(std::shared_ptr<QStringList> said, Speech speech)
            : said(std::move(said))
            , speech(speech)
        {
        }
        std::shared_ptr<QStringList> said;
        Speech speech;
        std::unique_ptr<Speaker> make(const QStringList&) override { return std::make_unique<Recorder>(said, speech); }
        QStringList available() const override { return QStringList(speech == Speech::NoEngine ? 0 : 1, "recorder"); }
        void say(const QString& text) override
        {
            if (speech == Speech::NoVoice)
                Q_EMIT failed(SpeechProblem::NoVoice);
            else
                said->append(text.isEmpty() ? QStringLiteral("(cut short)") : text); // "" stops what is said
        }
    };
}

Program::Program(quint32 seed, Speech speech)
    : random(seed)
    , form(std::make_unique<Form1>(&random, std::make_unique<Recorder>(recorded, speech)))
{
    form->resize(1024, 768);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qWarning("the main window was not exposed");
}

QWidget* Program::findWidget(const QString& name) const
{
    const qsizetype dot = name.indexOf(u'.');
    if (dot < 0)
        return form->findChild<QWidget*>(name);
    const QString window = name.left(dot);
    QWidget* top = window == QLatin1String("Form2") ? static_cast<QWidget*>(form->keypad())
        : window == QLatin1String("Form3")          ? static_cast<QWidget*>(form->results())
                                                    : nullptr;
    return top ? top->findChild<QWidget*>(name.mid(dot + 1)) : nullptr;
}

QString Program::caption(const QString& name) const
{
    QWidget* control = find(name);
    if (const auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    throw std::runtime_error("no caption");
}

void Program::click(const QString& name) const { testing::click(find(name)); }

void Program::click(const QStringList& names) const
{
    for (const QString& name : names)
        click(name);
}

int Program::shownSection() const
{
    QList<int> shown;
    for (int i = 0; i < 9; ++i)
        if (find(arrayName(QStringLiteral("Frame1"), i))->isVisible())
            shown << i;
    return shown.size() == 1 ? shown[0] : -1;
}

QStringList Program::resultLines() const
{
    QStringList lines;
    const auto* list = find<QListWidget>(QStringLiteral("Form3.List1"));
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

QStringList names(const QString& pattern, int first, int last)
{
    QStringList all;
    for (int i = first; i <= last; ++i)
        all << pattern.arg(i);
    return all;
}

void Program::readAloud()
{
    click(QStringLiteral("readAloud"));
    said();
}

QStringList Program::said()
{
    QCoreApplication::processEvents();
    return std::exchange(*recorded, {});
}

void click(QWidget* widget)
{
    VERIFY_OR_THROW(widget != nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    QCoreApplication::processEvents(); // as between two clicks of a pupil: what the click said is said now
}

void typeOnKeypad(const Program& p, int field, const QString& number)
{
    p.click(arrayName(QStringLiteral("Label17"), field));
    for (QChar digit : number) {
        VERIFY_OR_THROW(digit.isDigit()); // the keypad has digit keys only
        p.click(QStringLiteral("Form2.Command1(%1)").arg(digit.digitValue()));
    }
}

MessageRecorder::MessageRecorder()
{
    setMessageSink([this](const QString&, const QString& text) { texts.append(text); });
}

MessageRecorder::~MessageRecorder() { setMessageSink({}); }

LanguageSet::LanguageSet() { setLanguageFolder(dir.path()); }

LanguageSet::~LanguageSet() { setLanguageFolder({}); }

void LanguageSet::writeBytes(const QString& file, const QByteArray& bytes) const
{
    QFile out(dir.filePath(file));
    if (out.open(QIODevice::WriteOnly))
        out.write(bytes);
}

QString shippedLanguageFolder() { return QCoreApplication::applicationDirPath() + QStringLiteral("/idioma"); }

} // namespace maroleta::testing
