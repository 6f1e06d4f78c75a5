// Section 4 as the pupil works it: fields clicked, numbers typed on the keypad, steps checked, chains logged.
#include "testsupport.h"

#include "keypad/form2.h"
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
    void type(int i, const QString& number)
    {
        p.click(arrayName(QStringLiteral("Label17"), i));
        Form2* pad = p.form->keypad();
        for (QChar digit : number)
            testing::click(pad->Command1[digit.digitValue()]);
    }
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
        for (int visit = 0; visit < 300; ++visit) {
            pupil.p.click(QStringLiteral("Command1(4)"));
            const QString numerator = pupil.field(0)->text();
            const QString denominator = pupil.field(1)->text();
            const int top = numerator.toInt();
            const int bottom = denominator.toInt();
            QVERIFY2(top >= 4 && top <= 1000 && top % 2 == 0, qPrintable(numerator));
            QVERIFY2(bottom >= 4 && bottom <= 1000 && bottom % 2 == 0, qPrintable(denominator));
            QVERIFY(top != bottom);
            QCOMPARE(QString::number(top), numerator); // plain decimal text
            starts.insert(numerator + u'/' + denominator);
        }
        QVERIFY(starts.size() > 200);
    }

    void anotherVisitStartsClean()
    {
        Pupil pupil;
        pupil.start("12", "4");
        pupil.typeFraction(1, "3", "1");
        pupil.press(1);
        pupil.type(4, "5");
        pupil.press(2); // wrong
        pupil.type(4, "3");
        pupil.press(2); // right: the lone number moved down
        QVERIFY(pupil.p.form->MistakeMade);

        pupil.p.click(QStringLiteral("Command1(4)"));
        QVERIFY(!pupil.p.form->MistakeMade);
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(pupil.field(i)->foreColor(), DesignColor::White);
            QVERIFY(pupil.field(i)->isEnabled());
            QCOMPARE(pupil.shown(pupil.field(i)), i <= 3);
            if (i >= 2)
                QCOMPARE(pupil.field(i)->text(), QStringLiteral("?"));
            QCOMPARE(twipsGeometry(pupil.field(i)).top(), i % 2 ? 1200 : 480);
        }
        for (int step = 1; step <= 5; ++step) {
            QCOMPARE(pupil.shown(pupil.check(step)), step == 1);
            QVERIFY(pupil.check(step)->isEnabled());
            QCOMPARE(pupil.check(step)->backColor(), DesignColor::White);
        }
        for (int i = 0; i < 16; ++i)
            QCOMPARE(pupil.shown(pupil.stroke(i)), i <= 3);
    }

    void rightChainLogsOneLine()
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
        for (QWidget* opened : { static_cast<QWidget*>(pupil.field(4)), static_cast<QWidget*>(pupil.field(5)),
                 static_cast<QWidget*>(pupil.stroke(4)), static_cast<QWidget*>(pupil.stroke(5)),
                 static_cast<QWidget*>(pupil.stroke(6)), static_cast<QWidget*>(pupil.check(2)) })
            QVERIFY2(pupil.shown(opened), qPrintable(opened->objectName()));
        QVERIFY(!pupil.shown(pupil.check(3)));
        QVERIFY(!pupil.shown(pupil.field(6)));
        QVERIFY(pupil.log().isEmpty());

        pupil.typeFraction(2, "2", "3");
        pupil.press(2);
        QCOMPARE(pupil.log(), QStringList { "12/18 = 6/9 = 2/3 = " + pupil.closing(false) });
        QCOMPARE(pupil.log().first(), QString::fromUtf8("12/18 = 6/9 = 2/3 =  * ¡MUY BIEN! *"));
        QCOMPARE(pupil.p.form->ResultCount, 1);
        QCOMPARE(pupil.check(2)->backColor(), DesignColor::Blue);
        QVERIFY(!pupil.check(2)->isEnabled());
        QVERIFY(!pupil.field(4)->isEnabled() && !pupil.field(5)->isEnabled());
        QVERIFY(!pupil.shown(pupil.check(3)));
        QVERIFY(pupil.messages.texts.isEmpty());
        QVERIFY(!pupil.p.form->results()->isVisible()); // written without showing the results window
    }

    void wrongStepStaysOpenToCorrect()
    {
        Pupil pupil;
        pupil.start("12", "18");
        pupil.typeFraction(1, "4", "6");
        pupil.press(1);
        pupil.typeFraction(2, "3", "5");
        pupil.press(2);

        QCOMPARE(pupil.field(4)->foreColor(), DesignColor::Red);
        QCOMPARE(pupil.field(5)->foreColor(), DesignColor::Red);
        QCOMPARE(pupil.check(2)->backColor(), DesignColor::Red);
        QVERIFY(pupil.check(2)->isEnabled());
        QVERIFY(pupil.field(4)->isEnabled() && pupil.field(5)->isEnabled());
        QVERIFY(pupil.p.form->MistakeMade);
        QVERIFY(!pupil.shown(pupil.check(3)));
        QVERIFY(pupil.log().isEmpty());

        pupil.typeFraction(2, "2", "3");
        pupil.press(2);
        QCOMPARE(pupil.log(), QStringList { "12/18 = 4/6 = 2/3 = " + pupil.closing(true) });
        QCOMPARE(pupil.check(2)->backColor(), DesignColor::Blue);

        // A new visit clears the mark for the next exercise.
        pupil.p.click(QStringLiteral("Command1(4)"));
        pupil.start("12", "18");
        pupil.typeFraction(1, "2", "3");
        pupil.press(1);
        QCOMPARE(pupil.log().value(1), "12/18 = 2/3 = " + pupil.closing(false));
        QCOMPARE(pupil.p.form->ResultCount, 2);
    }

    void wholeNumberChain()
    {
        Pupil pupil;
        pupil.start("12", "4");
        pupil.typeFraction(1, "3", "1");
        pupil.press(1);

        // Only the numerator of step 2 and its "=" sign appear.
        QVERIFY(pupil.shown(pupil.field(4)));
        QVERIFY(!pupil.shown(pupil.field(5)));
        QVERIFY(pupil.shown(pupil.stroke(4)) && pupil.shown(pupil.stroke(5)));
        QVERIFY(!pupil.shown(pupil.stroke(6)));
        QVERIFY(pupil.shown(pupil.check(2)));
        QVERIFY(pupil.log().isEmpty());

        pupil.type(4, "3");
        pupil.press(2);
        QCOMPARE(twipsGeometry(pupil.field(4)).top(), 480 + 300);
        QCOMPARE(pupil.field(4)->foreColor(), DesignColor::Blue);
        QVERIFY(!pupil.field(4)->isEnabled());
        QCOMPARE(pupil.check(2)->backColor(), DesignColor::Blue);
        QVERIFY(!pupil.check(2)->isEnabled());
        QCOMPARE(pupil.log(), QStringList { "12/4 = 3/1 = 3 = " + pupil.closing(false) });
    }

    void wrongWholeNumber_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("firstAnswer"); // empty: the whole number is asked at step 1
        QTest::addColumn<QString>("wholeNumber");
        QTest::addRow("3/1 answered 4") << "12/4" << "3/1" << "4";
        QTest::addRow("nothing typed") << "12/4" << "3/1" << "";
        // The numerator repeated over "?" is no simplification of 12/18.
        QTest::addRow("12/18 answered 12") << "12/18" << "" << "12";
    }

    void wrongWholeNumber()
    {
        QFETCH(QString, start);
        QFETCH(QString, firstAnswer);
        QFETCH(QString, wholeNumber);
        Pupil pupil;
        pupil.start(start.section(u'/', 0, 0), start.section(u'/', 1, 1));
        int step = 1;
        if (!firstAnswer.isEmpty()) {
            pupil.typeFraction(1, firstAnswer.section(u'/', 0, 0), firstAnswer.section(u'/', 1, 1));
            pupil.press(1);
            step = 2;
        }
        if (!wholeNumber.isEmpty())
            pupil.type(2 * step, wholeNumber);
        pupil.press(step);

        QCOMPARE(pupil.check(step)->backColor(), DesignColor::Red);
        QCOMPARE(pupil.field(2 * step)->foreColor(), DesignColor::Red);
        QVERIFY(pupil.check(step)->isEnabled());
        QCOMPARE(twipsGeometry(pupil.field(2 * step)).top(), 480);
        QVERIFY(pupil.p.form->MistakeMade);
        QVERIFY(pupil.log().isEmpty());
    }

    void typedZeroDenominatorIsNotJudged()
    {
        Pupil pupil;
        pupil.start("12", "18");
        pupil.typeFraction(1, "6", "0");
        pupil.press(1);
        QCOMPARE(pupil.check(1)->backColor(), DesignColor::White);
        QVERIFY(pupil.check(1)->isEnabled());
        QCOMPARE(pupil.field(2)->foreColor(), DesignColor::Blue); // as left by the keypad
        QVERIFY(pupil.field(2)->isEnabled() && pupil.field(3)->isEnabled());
        QVERIFY(!pupil.p.form->MistakeMade);
        QVERIFY(pupil.log().isEmpty());
        QVERIFY(!pupil.p.form->CanSimplify);
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
        QVERIFY(pupil.field(0)->isEnabled() && pupil.field(1)->isEnabled());
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
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(pupil.field(i)->foreColor(), DesignColor::Blue); // as left by the keypad
            QVERIFY(pupil.field(i)->isEnabled());
        }
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
        QVERIFY(pupil.shown(pupil.field(10)) && pupil.shown(pupil.field(11)));
        QVERIFY(pupil.shown(pupil.stroke(15)));
        QCOMPARE(pupil.field(11)->foreColor(), DesignColor::Blue);
        QVERIFY(pupil.log().isEmpty());
        QCOMPARE(pupil.p.form->ResultCount, 0);
        QVERIFY(pupil.messages.texts.isEmpty());
    }

    void checkingBeforeTypingAnything()
    {
        Pupil pupil;
        const QString numerator = pupil.field(0)->text();
        pupil.press(1);
        // The generated fraction can always be simplified: it is accepted; the empty answer is wrong.
        QCOMPARE(pupil.field(0)->foreColor(), DesignColor::Blue);
        QVERIFY(!pupil.field(0)->isEnabled());
        QCOMPARE(pupil.field(0)->text(), numerator);
        QCOMPARE(pupil.check(1)->backColor(), DesignColor::Red);
        QCOMPARE(pupil.field(2)->foreColor(), DesignColor::Red);
        QVERIFY(pupil.p.form->MistakeMade);
        QVERIFY(pupil.messages.texts.isEmpty());
    }

    void keypadLeavesAnAcceptedStepAlone()
    {
        Pupil pupil;
        pupil.start("12", "18");
        pupil.typeFraction(1, "6", "9");
        pupil.press(1);
        // The keypad still targets the accepted denominator: the pupil goes on pressing keys.
        Form2* pad = pupil.p.form->keypad();
        testing::click(pad->Command1[4]);
        testing::click(pad->Command2[0]);
        testing::click(pad->Command3);
        QCOMPARE(pupil.field(3)->text(), QStringLiteral("9"));
        // An accepted field cannot be clicked to edit it again.
        pupil.p.click(QStringLiteral("Label17(1)"));
        testing::click(pad->Command1[7]);
        QCOMPARE(pupil.field(1)->text(), QStringLiteral("18"));
        QCOMPARE(pupil.field(3)->text(), QStringLiteral("9"));

        pupil.typeFraction(2, "2", "3");
        pupil.press(2);
        QCOMPARE(pupil.log(), QStringList { "12/18 = 6/9 = 2/3 = " + pupil.closing(false) });
    }
};

QTEST_MAIN(SimplifyPracticeTest)
#include "tst_simplifypractice.moc"
