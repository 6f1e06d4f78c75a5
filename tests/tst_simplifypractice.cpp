// Section 4 as the pupil works it: fields clicked, numbers typed on the keypad, steps checked, chains logged.
#include "testsupport.h"

#include "logic/simplifyexercise.h"
#include "results/form3.h"

#include <QSet>

using namespace maroleta;

namespace {

const QString notSimplifiable = QString::fromUtf8("Esta fracción no se puede simplificar");
const QString equalTerms = QString::fromUtf8("Numerador y denominador han de tener distinto número");

// A pupil in front of section 4. Message boxes are answered at once and remembered.
struct Pupil {
    explicit Pupil(quint32 seed = 20261206)
        : p(seed)
    {
        p.click(QStringLiteral("Command1(4)"));
    }

    Label* field(int i) const { return p.form->Label17[i]; }
    CommandButton* check(int step) const { return p.form->Command21[step - 1]; }
    LineShape* stroke(int i) const { return p.form->Line7[i]; }
    bool shown(QWidget* w) const { return w->isVisibleTo(p.form->Frame9); }

    // Clicks a field and types a whole number from 0 on the keypad.
    void type(int i, const QString& number) const { testing::typeOnKeypad(p, i, number); }
    void typeFraction(int step, const QString& numerator, const QString& denominator)
    {
        type(2 * step, numerator);
        type(2 * step + 1, denominator);
    }
    // The fraction to simplify, typed over the one proposed.
    void start(const QString& numerator, const QString& denominator) { typeFraction(0, numerator, denominator); }
    void press(int step) { testing::click(check(step)); }

    QStringList log() const { return p.resultLines(); }
    QString closing(bool mistake) const { return QStringLiteral(" * ") + p.form->CheckTexts[mistake ? 1 : 0] + " *"; }

    testing::MessageRecorder messages;
    testing::Program p;
};

} // namespace

class SimplifyPracticeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void newExercisesThroughTheMenu()
    {
        Pupil pupil(7);
        QSet<QString> starts;
        for (int visit = 0; visit < 100; ++visit) {
            Random probe = pupil.p.random;
            const SimplifyExercise e = drawSimplifyExercise(probe);
            pupil.p.click(QStringLiteral("Command1(4)"));
            const QString start = pupil.field(0)->text() + u'/' + pupil.field(1)->text();
            QCOMPARE(start, QStringLiteral("%1/%2").arg(e.numerator).arg(e.denominator));
            starts.insert(start);
        }
        QVERIFY(starts.size() > 80);
    }

    void wholeNumberChainThenAnotherVisitStartsClean()
    {
        Pupil pupil;
        pupil.start("12", "4");
        pupil.typeFraction(1, "3", "1");
        pupil.press(1);
        // Only the numerator of step 2 and its "=" sign appear.
        QVERIFY(pupil.shown(pupil.field(4)) && pupil.shown(pupil.stroke(4)) && pupil.shown(pupil.stroke(5)));
        QVERIFY(!pupil.shown(pupil.field(5)) && !pupil.shown(pupil.stroke(6)));
        QVERIFY(pupil.shown(pupil.check(2)));
        // A wrong whole number is red and stays open, in its row.
        pupil.type(4, "5");
        pupil.press(2);
        QCOMPARE(pupil.check(2)->backColor(), DesignColor::Red);
        QCOMPARE(pupil.field(4)->foreColor(), DesignColor::Red);
        QCOMPARE(twipsGeometry(pupil.field(4)).top(), 480);
        QVERIFY(pupil.log().isEmpty() && pupil.p.form->MistakeMade);
        pupil.type(4, "3");
        pupil.press(2); // right: the lone number moves down, accepted
        QCOMPARE(twipsGeometry(pupil.field(4)).top(), 480 + 300);
        QCOMPARE(pupil.field(4)->foreColor(), DesignColor::Blue);
        QCOMPARE(pupil.check(2)->backColor(), DesignColor::Blue);
        QVERIFY(!pupil.field(4)->isEnabled() && !pupil.check(2)->isEnabled());
        QCOMPARE(pupil.log(), QStringList { "12/4 = 3/1 = 3 = " + pupil.closing(true) });

        pupil.p.click(QStringLiteral("Command1(4)"));
        QVERIFY(!pupil.p.form->MistakeMade);
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(pupil.field(i)->foreColor(), DesignColor::White);
            QVERIFY(pupil.field(i)->isEnabled() && pupil.shown(pupil.field(i)) == (i <= 3));
            QVERIFY(i < 2 || pupil.field(i)->text() == QStringLiteral("?"));
        }
        QCOMPARE(twipsGeometry(pupil.field(4)).top(), 480); // the lone number back in its row
        for (int step = 1; step <= 5; ++step)
            QVERIFY(
                pupil.shown(pupil.check(step)) == (step == 1) && pupil.check(step)->backColor() == DesignColor::White);
        for (int i = 0; i < 16; ++i)
            QCOMPARE(pupil.shown(pupil.stroke(i)), i <= 3);
    }

    void chainWithAWrongStepLogsOneLine()
    {
        Pupil pupil;
        pupil.start("12", "18");
        pupil.typeFraction(1, "6", "9");
        pupil.press(1);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(pupil.field(i)->foreColor(), DesignColor::Blue);
            QVERIFY(!pupil.field(i)->isEnabled());
        }
        QCOMPARE(pupil.check(1)->backColor(), DesignColor::Blue);
        QVERIFY(!pupil.check(1)->isEnabled());
        for (QWidget* opened : std::initializer_list<QWidget*> {
                 pupil.field(4), pupil.field(5), pupil.stroke(4), pupil.stroke(5), pupil.stroke(6), pupil.check(2) })
            QVERIFY2(pupil.shown(opened), qPrintable(opened->objectName()));
        QVERIFY(!pupil.shown(pupil.check(3)) && !pupil.shown(pupil.field(6)));
        QVERIFY(pupil.log().isEmpty());

        // A wrong step is red and stays open to correct.
        pupil.typeFraction(2, "3", "5");
        pupil.press(2);
        QCOMPARE(pupil.field(4)->foreColor(), DesignColor::Red);
        QCOMPARE(pupil.field(5)->foreColor(), DesignColor::Red);
        QCOMPARE(pupil.check(2)->backColor(), DesignColor::Red);
        QVERIFY(pupil.check(2)->isEnabled() && pupil.field(4)->isEnabled() && pupil.field(5)->isEnabled());
        QVERIFY(pupil.p.form->MistakeMade);
        QVERIFY(!pupil.shown(pupil.check(3)));
        QVERIFY(pupil.log().isEmpty());

        pupil.typeFraction(2, "2", "3");
        pupil.press(2);
        QCOMPARE(pupil.log(), QStringList { "12/18 = 6/9 = 2/3 = " + pupil.closing(true) });
        QCOMPARE(pupil.check(2)->backColor(), DesignColor::Blue);
        QVERIFY(!pupil.field(4)->isEnabled() && !pupil.field(5)->isEnabled() && !pupil.check(2)->isEnabled());
        QVERIFY(!pupil.shown(pupil.check(3)));
        QVERIFY(pupil.messages.texts.isEmpty());
    }

    void startingFractionThatCannotBeSimplified_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("right");
        QTest::addRow("answer of another value") << "1/3" << false;
        QTest::addRow("answer of the same value") << "14/18" << true;
    }

    void startingFractionThatCannotBeSimplified()
    {
        QFETCH(QString, answer);
        QFETCH(bool, right);
        Pupil pupil;
        pupil.start("7", "9");
        pupil.typeFraction(1, answer.section(u'/', 0, 0), answer.section(u'/', 1, 1));
        pupil.press(1);

        QCOMPARE(pupil.messages.texts, QStringList { notSimplifiable });
        QCOMPARE(pupil.field(0)->foreColor(), DesignColor::Red);
        QCOMPARE(pupil.field(1)->foreColor(), DesignColor::Red);
        QVERIFY(pupil.field(0)->isEnabled());
        // The answer is judged after the message all the same.
        QCOMPARE(pupil.check(1)->backColor(), right ? DesignColor::Blue : DesignColor::Red);
        QCOMPARE(pupil.field(2)->foreColor(), right ? DesignColor::Blue : DesignColor::Red);
        QCOMPARE(pupil.p.form->MistakeMade, !right);
    }

    void equalNumeratorAndDenominator()
    {
        Pupil pupil;
        pupil.start("6", "6");
        pupil.typeFraction(1, "3", "3");
        pupil.press(1);

        QCOMPARE(pupil.messages.texts, QStringList { equalTerms });
        QCOMPARE(pupil.check(1)->backColor(), DesignColor::White);
        QVERIFY(pupil.check(1)->isEnabled());
        QCOMPARE(pupil.field(0)->foreColor(), DesignColor::Blue); // as left by the keypad
        QVERIFY(pupil.field(0)->isEnabled() && pupil.field(3)->isEnabled());
        QVERIFY(!pupil.shown(pupil.check(2)));
        QVERIFY(!pupil.p.form->MistakeMade);
        QVERIFY(pupil.log().isEmpty());

        // Corrected, the same button checks again.
        pupil.type(1, "12");
        pupil.press(1);
        QCOMPARE(pupil.messages.texts.size(), 1);
        QCOMPARE(pupil.check(1)->backColor(), DesignColor::Red); // 3/3 is not 6/12
    }

    void rightButUnreducedFifthStepEndsWithoutALine()
    {
        Pupil pupil;
        pupil.start("128", "192");
        const QStringList chain { "64/96", "32/48", "16/24", "8/12", "4/6" };
        for (int step = 1; step <= 5; ++step) {
            QVERIFY(pupil.shown(pupil.check(step)));
            pupil.typeFraction(step, chain[step - 1].section(u'/', 0, 0), chain[step - 1].section(u'/', 1, 1));
            pupil.press(step);
            QCOMPARE(pupil.check(step)->backColor(), DesignColor::Blue);
            QVERIFY(!pupil.check(step)->isEnabled());
        }
        QVERIFY(pupil.shown(pupil.field(11)) && pupil.shown(pupil.stroke(15)));
        QVERIFY(pupil.log().isEmpty());
        QVERIFY(pupil.messages.texts.isEmpty());
    }
};

QTEST_MAIN(SimplifyPracticeTest)
#include "tst_simplifypractice.moc"
