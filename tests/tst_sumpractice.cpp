// Section 5 through its window: the exercise and its signs, the lists of multiples and their working lines,
// the step buttons, the check and its colours, and the lines it writes to the results log.
#include "practicedriver.h"
#include "results/form3.h"

using namespace maroleta;
using namespace maroleta::testing;

namespace {
QString expectedLine(const Form1& f, const QString& closing)
{
    return QStringLiteral("%1/%2 + %3/%4 %5 %6/%7 = %8/%9 *** %10 ***")
        .arg(f.Label12[0]->text(), f.Label13[0]->text(), f.Label12[1]->text(), f.Label13[1]->text(),
            f.AddThird ? "+" : "-", f.Label12[2]->text(), f.Label13[2]->text(), f.Command14[3]->text(),
            f.Label13[6]->text())
        .arg(closing);
}

// The marks of the four answer numerators, then of the check: 'g' green, 'r' red, '-' none.
QString marks(const Form1& f)
{
    QString letters;
    for (const CommandButton* b : { f.Command14[0], f.Command14[1], f.Command14[2], f.Command14[3], f.Command17 })
        letters += b->backColor() == DesignColor::Green ? u'g' : b->backColor() == DesignColor::Red ? u'r' : u'-';
    return letters;
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
            const auto &n = e.numerators, &d = e.denominators;
            return e.addThird == add && ((n[0] * d[1] + n[1] * d[0]) * d[2] == n[2] * d[0] * d[1]) == zero;
        });
        p.click("Command1(5)");
        const Form1& f = *p.form;
        // The sign: a plus shows its upright strokes, a minus hides them.
        QVERIFY(f.Line5[9]->isVisible() == add && f.Line5[15]->isVisible() == add && f.Line5[10]->isVisible());

        const std::array<int, 4> answer = rightSumAnswer(p);
        const int common = commonDenominator(p);
        pickCommonDenominator(p, common);
        for (int j = 3; j <= 6; ++j) // under the four answer numerators
            QCOMPARE(f.Label13[j]->text(), QString::number(common));
        for (int i = 0; i < 3; ++i) { // the working line under each list
            const int d = f.Label13[i]->text().toInt();
            QCOMPARE(f.Label14[i]->text(), QStringLiteral("%1 X %2 = %3").arg(d).arg(common / d).arg(common));
        }
        for (int i = 0; i < 4; ++i) {
            QVERIFY2(!f.Command17->isVisible(), "the check shows before the answer is complete");
            setSumNumerator(p, i, answer[i]);
        }
        p.click("Command17");
        QCOMPARE(marks(f), "ggggg");
        const QString line = expectedLine(f, f.CheckTexts[0]);
        QCOMPARE(p.resultLines(), QStringList { line });
        QVERIFY(!p.form->results()->isVisible()); // written unseen
        p.click("Command17"); // every further check of the right answer writes the line again
        QCOMPARE(p.resultLines(), (QStringList { line, line }));
        QCOMPARE(f.ResultCount, 2);
    }

    void wrongResultMismatchedListsThenCorrected()
    {
        Program p(6);
        p.click("Command1(5)");
        const Form1& f = *p.form;
        std::array<int, 4> answer = rightSumAnswer(p);
        answer[3] += 1;
        answerSum(p, answer);
        p.click("Command17");
        QCOMPARE(marks(f), "gggrr");
        QVERIFY(f.MistakeMade && p.resultLines().isEmpty());

        // Another value in one list: no common denominator, and no check over lists that disagree.
        const int row = commonDenominator(p) / f.Label13[2]->text().toInt() - 1;
        pickRow(f.List1[2], row + 1);
        QCOMPARE(f.Label13[3]->text() + f.Label13[6]->text(), QString());
        QVERIFY(!f.DenominatorsMatched && !f.Command17->isVisible());
        // Stepping the result right clears its own mark only, and brings no check over mismatched lists.
        p.click("Command16(3)");
        QCOMPARE(marks(f), "ggg-r");
        QVERIFY2(!f.Command17->isVisible(), "a step brought the check back over mismatched lists");
        pickRow(f.List1[2], row); // agreeing again offers the check again
        QVERIFY(f.DenominatorsMatched && f.Command17->isVisible());
        p.click("Command17");
        QCOMPARE(marks(f), "ggggg");
        QCOMPARE(p.resultLines(), QStringList { expectedLine(f, f.CheckTexts[1]) });

        // A new exercise forgets the mistake, the colours, the lists' choice and the answer.
        p.click("Command1(5)");
        QVERIFY(!f.MistakeMade && !f.DenominatorsMatched && !f.Command17->isVisible());
        QCOMPARE(marks(f), "-----");
        for (const ListBox* list : f.List1)
            QVERIFY(list->selectedItems().isEmpty());
        // From an empty caption the numerator itself gives 1, "+5" gives 5 and "-1" gives -1.
        for (const char* button : { "Command14(0)", "Command15(1)", "Command16(2)", "Command16(0)", "Command16(1)" })
            p.click(button);
        QCOMPARE(f.Command14[0]->text() + u' ' + f.Command14[1]->text() + u' ' + f.Command14[2]->text(), "0 4 -1");
    }
};

QTEST_MAIN(SumPractice)
#include "tst_sumpractice.moc"
