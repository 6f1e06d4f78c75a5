// What the widget tests share: a main window built offscreen with a seeded generator, finding and
// clicking controls by their design names, answering message boxes, and language sets of their own.
#pragma once

#include "logic/random.h"
#include "shell/form1.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace maroleta::testing {

// A main window built and shown as the program does, with a generator seeded for repeatable exercises.
struct Program {
    explicit Program(quint32 seed = 20261206);
    ~Program();
    Random random;
    std::unique_ptr<Form1> form;

    // The control of Form1 named `name` ("Command1(3)", "Label21"); fails the test when it is missing.
    template <typename Control = QWidget> Control* find(const QString& name) const
    {
        auto* control = form->findChild<Control*>(name);
        if (!control)
            qWarning("no control named %s", qPrintable(name));
        return control;
    }
    // A left click in the middle of the named control, as a pupil does.
    void click(const QString& name) const;
    // The lines of the results log, in order.
    QStringList resultLines() const;
};

// A left click in the middle of a widget.
void click(QWidget* widget);

// Clicks answer field `field` of section 4 and types the whole number `number` on the keypad.
void typeOnKeypad(const Program& p, int field, const QString& number);

// Checks that section `section` is the one shown: its frame alone visible, its menu button alone green.
void verifyOnlySection(const Program& p, int section);

// The top-level windows of type T (the keypad, the results window) that exist now.
template <typename T> QList<T*> topLevels()
{
    QList<T*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<T*>(widget))
            found.append(window);
    return found;
}

// Records every message box instead of showing it, answering it at once.
struct MessageRecorder {
    MessageRecorder();
    ~MessageRecorder();
    QStringList texts;
};

// A language folder of a test's own; files are written in Windows-1252 with CR LF unless given raw bytes.
// It is in force while the object lives.
struct LanguageSet {
    LanguageSet();
    ~LanguageSet();
    void write(const QString& file, const QStringList& lines) const;
    void writeBytes(const QString& file, const QByteArray& bytes) const;
    QString path() const { return dir.path(); }
    QTemporaryDir dir;
};

// The shipped Spanish language set, as it is copied beside the program.
QString shippedLanguageFolder();

} // namespace maroleta::testing
