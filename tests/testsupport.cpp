// What the widget tests share.
#include "testsupport.h"

#include "keypad/form2.h"
#include "logic/languagefiles.h"
#include "results/form3.h"
#include "widgets/messagebox.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringEncoder>

namespace maroleta::testing {

Program::Program(quint32 seed)
    : random(seed)
    , form(std::make_unique<Form1>(&random))
{
    form->resize(1024, 768);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qWarning("the main window was not exposed");
}

Program::~Program() = default;

void Program::click(const QString& name) const
{
    QWidget* control = find(name);
    QVERIFY2(control, qPrintable(name));
    testing::click(control);
}

QStringList Program::resultLines() const
{
    QStringList lines;
    const ListBox* list = form->results()->List1;
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

void click(QWidget* widget)
{
    if (widget)
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void typeOnKeypad(const Program& p, int field, const QString& number)
{
    p.click(arrayName(QStringLiteral("Label17"), field));
    for (QChar digit : number) {
        QVERIFY2(digit.isDigit(), qPrintable(number)); // the keypad has digit keys only
        click(p.form->keypad()->Command1[std::size_t(digit.digitValue())]);
    }
}

void verifyOnlySection(const Program& p, int section)
{
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(p.form->Frame1[i]->isVisible(), i == section);
        QCOMPARE(p.form->Command1[i]->backColor(), i == section ? DesignColor::Green : DesignColor::White);
    }
    QCOMPARE(p.form->CurrentSection, section);
}

MessageRecorder::MessageRecorder()
{
    setMessageSink([this](const QString&, const QString& text) { texts.append(text); });
}

MessageRecorder::~MessageRecorder() { setMessageSink({}); }

LanguageSet::LanguageSet() { setLanguageFolder(dir.path()); }

LanguageSet::~LanguageSet() { setLanguageFolder({}); }

void LanguageSet::write(const QString& file, const QStringList& lines) const
{
    QStringEncoder encoder("windows-1252");
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encoder.encode(line);
        bytes += "\r\n";
    }
    writeBytes(file, bytes);
}

void LanguageSet::writeBytes(const QString& file, const QByteArray& bytes) const
{
    QFile out(dir.filePath(file));
    if (out.open(QIODevice::WriteOnly))
        out.write(bytes);
}

QString shippedLanguageFolder() { return QCoreApplication::applicationDirPath() + QStringLiteral("/idioma"); }

} // namespace maroleta::testing
