// Section 5 through its window: the exercise and its signs, the lists of multiples and their working lines,
// the step buttons, the check and its colours, and the lines it writes to the results log.
#include "practicedriver.h"
#include "results/form3.h"

using namespace maroleta;
using namespace maroleta::testing;

namespace {
QString expectedLine(const Program& p, const QString& closing)
{
    const Form1& f = *p.form;
    return QStringLiteral("%1/%2 + %3/%4 %5 %6/%7 = %8/%9 *** %10 ***")
        .arg(f.Label12[0]->text(), f.Label13[0]->text(), f.Label12[1]->text(), f.Label13[1]->text(),
            f.AddThird ? "+" : "-", f.Label12[2]->text(), f.Label13[2]->text(), f.Command14[3]->text(),
            f.Label13[6]->text())
        .arg(closing);
}

}

class SumPractice : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rightAnswerLogsALineAtEveryCheck_data()
    {
        QTest::addColumn<bool>("add");
        QTest::addColumn<bool>("zero"); // a subtraction whose result is 0
        QTest::addRow("sum") << true << false;
        QTest::addRow("subtraction ending at zero") << false << true;
    }

    void rightAnswerLogsALineAtEveryCheck()
    {
        QFETCH(bool, add);
        QFETCH(bool, zero);
        Program p(1);
        steerToSum(p, [=](const SumExercise& e) {
            const auto& n = e.numerators;
            const auto& d = e.denominators;
            return e.addThird == add && ((n[0] * d[1] + n[1] * d[0]) * d[2] == n[2] * d[0] * d[1]) == zero;
        });
        p.click("Command1(5)");
        const Form1& f = *p.form;
        // The sign: a plus shows its upright strokes, a minus hides them.
        QVERIFY(f.Line5[9]->isVisible() == add && f.Line5[15]->isVisible() == add && f.Line5[10]->isVisible());

        const std::array<int, 4> answer = rightSumAnswer(p);
        QCOMPARE(answer[3] == 0, zero);
        pickCommonDenominator(p, commonDenominator(p));
        for (int j = 3; j <= 6; ++j)
            QCOMPARE(f.Label13[j]->text(), QString::number(commonDenominator(p)));
        for (int i = 0; i < 4; ++i) {
            QVERIFY2(!f.Command17->isVisible(), "the check shows before the answer is complete");
            setSumNumerator(p, i, answer[i]);
        }
        QVERIFY(f.Command17->isVisible());

        p.click("Command17");
        for (int j = 0; j < 4; ++j)
            QCOMPARE(f.Command14[j]->backColor(), DesignColor::Green);
        QCOMPARE(f.Command17->backColor(), DesignColor::Green);
        QCOMPARE(f.ResultCount, 1);
        const QString line = expectedLine(p, f.CheckTexts[0]);
        QCOMPARE(p.resultLines(), QStringList { line });
        QVERIFY(!p.form->results()->isVisible()); // written unseen
        // Every further check of the right answer writes the line again.
        p.click("Command17");
        QCOMPARE(p.resultLines(), (QStringList { line, line }));
        QCOMPARE(f.ResultCount, 2);
    }

    void wrongResultThenCorrected()
    {
        Program p(6);
        p.click("Command1(5)");
        const Form1& f = *p.form;
        std::array<int, 4> answer = rightSumAnswer(p);
        answer[3] += 1;
        answerSum(p, answer);
        p.click("Command17");
        for (int i = 0; i < 3; ++i)
            QCOMPARE(f.Command14[i]->backColor(), DesignColor::Green);
        QCOMPARE(f.Command14[3]->backColor(), DesignColor::Red);
        QCOMPARE(f.Command17->backColor(), DesignColor::Red);
        QVERIFY(f.MistakeMade);
        QVERIFY(p.resultLines().isEmpty());
        // Stepping a number clears its own mark only.
        p.click("Command16(3)");
        QCOMPARE(f.Command14[3]->backColor(), DesignColor::SystemButtonFace);
        QCOMPARE(f.Command14[0]->backColor(), DesignColor::Green);
        QCOMPARE(f.Command17->backColor(), DesignColor::Red); // only a new exercise resets the check's colour
        p.click("Command17");
        QCOMPARE(f.Command17->backColor(), DesignColor::Green);
        QVERIFY(f.CheckTexts[0] != f.CheckTexts[1]);
        QCOMPARE(p.resultLines(), QStringList { expectedLine(p, f.CheckTexts[1]) });
        // A new exercise forgets the mistake and the colours.
        p.click("Command1(5)");
        QVERIFY(!f.MistakeMade);
        QCOMPARE(f.Command17->backColor(), DesignColor::SystemButtonFace);
        QCOMPARE(f.Command14[3]->backColor(), DesignColor::SystemButtonFace);
    }

    void mismatchedListsHideTheCheck()
    {
        Program p(9);
        p.click("Command1(5)");
        Form1& f = *p.form;
        const std::array<int, 4> answer = rightSumAnswer(p);
        answerSum(p, answer);
        QVERIFY(f.Command17->isVisible());

        // Another value in one list: no common denominator, and no check over lists that disagree.
        const int row
            = f.List1[2]->selectedItems().isEmpty() ? -1 : f.List1[2]->row(f.List1[2]->selectedItems().first());
        pickRow(f.List1[2], row + 1);
        for (int j = 3; j <= 6; ++j)
            QCOMPARE(f.Label13[j]->text(), QString());
        QVERIFY(!f.DenominatorsMatched);
        QVERIFY(!f.Command17->isVisible());
        p.click("Command14(0)");
        p.click("Command16(0)");
        QVERIFY2(!f.Command17->isVisible(), "a step brought the check back over mismatched lists");

        // Agreeing again offers the check again, and the answer is still right.
        pickRow(f.List1[2], row);
        QVERIFY(f.DenominatorsMatched);
        QVERIFY(f.Command17->isVisible());
        p.click("Command17");
        QCOMPARE(p.resultLines(), QStringList { expectedLine(p, f.CheckTexts[0]) });
    }

    void workingLinesAndNewExercise()
    {
        Program p(10);
        p.click("Command1(5)");
        Form1& f = *p.form;
        for (int i = 0; i < 3; ++i) {
            pickRow(f.List1[i], 2);
            const int d = f.Label13[i]->text().toInt();
            QCOMPARE(f.Label14[i]->text(), QStringLiteral("%1 X 3 = %2").arg(d).arg(3 * d));
        }
        const QStringList before { f.Label14[0]->text(), f.Label14[1]->text(), f.Label14[2]->text() };
        p.click("Command1(5)");
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(f.Label14[i]->text(), before[i]); // the last exercise's working lines stay
            QVERIFY(f.List1[i]->selectedItems().isEmpty());
        }
        QVERIFY(!f.DenominatorsMatched);
    }

    void stepButtonsOnEmptyNumerators()
    {
        // From an empty caption the numerator itself gives 1, "+5" gives 5 and "-1" gives -1.
        Program p(12);
        p.click("Command1(5)");
        for (const char* button : { "Command14(0)", "Command15(1)", "Command16(2)", "Command16(0)", "Command16(1)" })
            p.click(button);
        const auto& n = p.form->Command14;
        QCOMPARE(QStringList({ n[0]->text(), n[1]->text(), n[2]->text() }), QStringList({ "0", "4", "-1" }));
    }
};

QTEST_MAIN(SumPractice)
#include "tst_sumpractice.moc"
