// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// What the widget tests share: the real main window built offscreen with a seeded generator, its controls
// found and clicked by their design names ("Label13(2)"), message boxes answered, language sets of a
// test's own. A check inside a helper stops the whole test when it fails.
#pragma once

#include "logic/random.h"
#include "shell/form1.h"
#include "widgets/controls.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <stdexcept>

// Like QVERIFY and QCOMPARE, for helpers: a failure is reported where it happened and ends the test.
#define VERIFY_OR_THROW(condition)                                                                                     \
    do {                                                                                                               \
        if (!QTest::qVerify(static_cast<bool>(condition), #condition, "", __FILE__, __LINE__))                         \
            throw std::runtime_error(#condition);                                                                      \
    } while (false)
#define COMPARE_OR_THROW(actual, expected)                                                                             \
    do {                                                                                                               \
        if (!QTest::qCompare(actual, expected, #actual, #expected, __FILE__, __LINE__))                                \
            throw std::runtime_error(#actual);                                                                         \
    } while (false)

namespace maroleta::testing {

// What reads aloud: a recorder, a recorder that finds no voice, or no engine at all.
enum class Speech { Recorded, NoVoice, NoEngine };

// The main window built and shown as the program does, with a generator seeded for repeatable exercises.
struct Program {
    explicit Program(quint32 seed = 20261206, Speech speech = Speech::Recorded);
    std::shared_ptr<QStringList> recorded = std::make_shared<QStringList>(); // before the window that fills it
    Random random;
    std::unique_ptr<Form1> form;

    // The control named `name`: of the main window, or of the keypad ("Form2.Command1(3)") or the results
    // window ("Form3.List1"). Stops the test when there is none of that name and kind.
    template <typename Control = QWidget> Control* find(const QString& name) const
    {
        auto* control = qobject_cast<Control*>(findWidget(name));
        if (!control) {
            QTest::qFail(qPrintable(QStringLiteral("no control named ") + name), __FILE__, __LINE__);
            throw std::runtime_error("no such control");
        }
        return control;
    }
    // The caption of a label or a button.
    QString caption(const QString& name) const;
    // Left clicks in the middle of each named control in turn, as a pupil does.
    void click(const QString& name) const;
    void click(const QStringList& names) const;
    // The section shown: the one section frame visible (-1 when not exactly one is).
    int shownSection() const;
    // The lines of the results log, in order.
    QStringList resultLines() const;
    // Clicks the reading switch, as a pupil turns reading on or off, and forgets what that said.
    void readAloud();
    // What was given to the recorder to say since the last call.
    QStringList said();

private:
    QWidget* findWidget(const QString& name) const;
};

// The names pattern.arg(i) for i from first to last: names("Command1(%1)", 0, 8).
QStringList names(const QString& pattern, int first, int last);

// A left click in the middle of a widget.
void click(QWidget* widget);

// Clicks answer field `field` of section 4 and types the whole number `number` on the keypad's keys.
void typeOnKeypad(const Program& p, int field, const QString& number);

// Records every message box instead of showing it, answering it at once.
struct MessageRecorder {
    MessageRecorder();
    ~MessageRecorder();
    QStringList texts;
};

// A language folder of a test's own, in force while the object lives.
struct LanguageSet {
    LanguageSet();
    ~LanguageSet();
    void writeBytes(const QString& file, const QByteArray& bytes) const;
    QString path() const { return dir.path(); }
    QTemporaryDir dir;
};

// The shipped Spanish language set, as it is copied beside the program.
QString shippedLanguageFolder();

} // namespace maroleta::testing
