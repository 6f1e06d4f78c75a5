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

bool isSubtraction(const SumExercise& e) { return !e.addThird; }
bool isAddition(const SumExercise& e) { return e.addThird; }
}

class SumPractice : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void exerciseOnEntry();
    void rightAnswerLogsOneLine_data();
    void rightAnswerLogsOneLine();
    void subtractionEndingAtZero();
    void wrongResultThenCorrected();
    void twoRightChecksLogTwoLines();
    void mismatchedListsHideTheCheck();
    void workingLinesAndNewExercise();
    void stepButtonsOnEmptyNumerator_data();
    void stepButtonsOnEmptyNumerator();
    void steppingClearsOnlyThatMark();
    void navigationClearsTheMistake();
};

void SumPractice::initTestCase()
{
    Program p;
    // The two closing words must differ, or the lines could not tell a mistake apart.
    QVERIFY(!p.form->CheckTexts[0].isEmpty());
    QVERIFY(p.form->CheckTexts[0] != p.form->CheckTexts[1]);
}

void SumPractice::exerciseOnEntry()
{
    Program p(41);
    Random probe = p.random;
    const SumExercise expected = drawSumExercise(probe);
    p.click("Command1(5)");
    const Form1& f = *p.form;
    QVERIFY(f.Frame1[5]->isVisible());
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(f.Label12[i]->text(), QString::number(expected.numerators[i]));
        QCOMPARE(f.Label13[i]->text(), QString::number(expected.denominators[i]));
        const int product = expected.denominators[0] * expected.denominators[1] * expected.denominators[2];
        QCOMPARE(f.List1[i]->count(), (product + 30 + expected.denominators[i] - 1) / expected.denominators[i] - 1);
        QVERIFY(f.List1[i]->selectedItems().isEmpty());
    }
    for (int j = 0; j < 4; ++j) {
        QCOMPARE(f.Command14[j]->text(), QString());
        QCOMPARE(f.Label13[3 + j]->text(), QString());
    }
    QCOMPARE(f.Line5[9]->isVisible(), expected.addThird);
    QCOMPARE(f.Line5[15]->isVisible(), expected.addThird);
    QVERIFY(f.Line5[10]->isVisible() && f.Line5[16]->isVisible() && f.Line5[8]->isVisible());
    QVERIFY(!f.Command17->isVisible());
}

void SumPractice::rightAnswerLogsOneLine_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<bool>("addition");
    QTest::addRow("sum, seed 1") << 1u << true;
    QTest::addRow("sum, seed 2") << 2u << true;
    QTest::addRow("subtraction, seed 3") << 3u << false;
    QTest::addRow("subtraction, seed 4") << 4u << false;
}

void SumPractice::rightAnswerLogsOneLine()
{
    QFETCH(quint32, seed);
    QFETCH(bool, addition);
    Program p(seed);
    steerToSum(p, addition ? isAddition : isSubtraction);
    p.click("Command1(5)");
    const Form1& f = *p.form;
    QCOMPARE(f.AddThird, addition);

    const std::array<int, 4> answer = rightSumAnswer(p);
    pickCommonDenominator(p, shownSum(p).common);
    for (int j = 3; j <= 6; ++j)
        QCOMPARE(f.Label13[j]->text(), QString::number(shownSum(p).common));
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
    QCOMPARE(p.resultLines(), QStringList { expectedLine(p, f.CheckTexts[0]) });
    QVERIFY(!p.form->results()->isVisible()); // written unseen
}

void SumPractice::subtractionEndingAtZero()
{
    Program p(5);
    steerToSum(p, [](const SumExercise& e) {
        const auto& n = e.numerators;
        const auto& d = e.denominators;
        return !e.addThird && (n[0] * d[1] + n[1] * d[0]) * d[2] == n[2] * d[0] * d[1];
    });
    p.click("Command1(5)");
    const Form1& f = *p.form;
    QVERIFY(f.Line5[9]->isHidden());
    QVERIFY(f.Line5[15]->isHidden());
    const std::array<int, 4> answer = rightSumAnswer(p);
    QCOMPARE(answer[3], 0);
    answerSum(p, answer);
    QCOMPARE(f.Command14[3]->text(), QStringLiteral("0"));
    p.click("Command17");
    QCOMPARE(f.Command17->backColor(), DesignColor::Green);
    const QStringList lines = p.resultLines();
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines[0].contains(QStringLiteral(" - ")), qPrintable(lines[0]));
    QVERIFY2(lines[0].contains(QStringLiteral(" = 0/")), qPrintable(lines[0]));
    QCOMPARE(lines[0], expectedLine(p, f.CheckTexts[0]));
}

void SumPractice::wrongResultThenCorrected()
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
    QCOMPARE(f.ResultCount, 0);
    QVERIFY(p.resultLines().isEmpty());

    p.click("Command16(3)");
    QCOMPARE(f.Command14[3]->backColor(), DesignColor::SystemButtonFace);
    QCOMPARE(f.Command14[0]->backColor(), DesignColor::Green);
    QCOMPARE(f.Command17->backColor(), DesignColor::Red); // only a new exercise resets the check's colour
    p.click("Command17");
    QCOMPARE(f.Command17->backColor(), DesignColor::Green);
    QCOMPARE(p.resultLines(), QStringList { expectedLine(p, f.CheckTexts[1]) });
}

void SumPractice::twoRightChecksLogTwoLines()
{
    Program p(8);
    p.click("Command1(5)");
    answerSum(p, rightSumAnswer(p));
    p.click("Command17");
    p.click("Command17");
    const QStringList lines = p.resultLines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], lines[1]);
    QCOMPARE(p.form->ResultCount, 2);
}

void SumPractice::mismatchedListsHideTheCheck()
{
    Program p(9);
    p.click("Command1(5)");
    Form1& f = *p.form;
    const std::array<int, 4> answer = rightSumAnswer(p);
    answerSum(p, answer);
    QVERIFY(f.Command17->isVisible());
    QVERIFY(f.DenominatorsMatched);

    // Another value in one list: no common denominator, and no check over lists that disagree.
    const int row = f.List1[2]->selectedItems().isEmpty() ? -1 : f.List1[2]->row(f.List1[2]->selectedItems().first());
    pickRow(f.List1[2], row + 1);
    for (int j = 3; j <= 6; ++j)
        QCOMPARE(f.Label13[j]->text(), QString());
    QVERIFY(!f.DenominatorsMatched);
    QVERIFY(!f.Command17->isVisible());
    p.click("Command14(0)");
    p.click("Command16(0)");
    QVERIFY2(!f.Command17->isVisible(), "a step brought the check back over mismatched lists");
    QCOMPARE(f.ResultCount, 0);

    // Agreeing again offers the check again, and the answer is still right.
    pickRow(f.List1[2], row);
    QVERIFY(f.DenominatorsMatched);
    QVERIFY(f.Command17->isVisible());
    p.click("Command17");
    QCOMPARE(f.Command17->backColor(), DesignColor::Green);
    const QStringList lines = p.resultLines();
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines[0].contains(QStringLiteral("/%1 *** ").arg(shownSum(p).common)), qPrintable(lines[0]));
}

void SumPractice::workingLinesAndNewExercise()
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

void SumPractice::stepButtonsOnEmptyNumerator_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addRow("numerator itself") << "Command14(1)"
                                      << "1";
    QTest::addRow("+5") << "Command15(1)"
                        << "5";
    QTest::addRow("-1") << "Command16(1)"
                        << "-1";
}

void SumPractice::stepButtonsOnEmptyNumerator()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    Program p(12);
    p.click("Command1(5)");
    p.click(button);
    QCOMPARE(p.form->Command14[1]->text(), caption);
    p.click("Command16(1)");
    p.click("Command16(1)");
    QCOMPARE(p.form->Command14[1]->text(), QString::number(caption.toInt() - 2));
}

void SumPractice::steppingClearsOnlyThatMark()
{
    Program p(13);
    p.click("Command1(5)");
    Form1& f = *p.form;
    std::array<int, 4> answer = rightSumAnswer(p);
    answer[0] += 1;
    answerSum(p, answer);
    p.click("Command17");
    QCOMPARE(f.Command14[0]->backColor(), DesignColor::Red);
    QCOMPARE(f.Command14[1]->backColor(), DesignColor::Green);
    p.click("Command15(1)");
    QCOMPARE(f.Command14[1]->backColor(), DesignColor::SystemButtonFace);
    QCOMPARE(f.Command14[0]->backColor(), DesignColor::Red);
}

void SumPractice::navigationClearsTheMistake()
{
    Program p(14);
    p.click("Command1(5)");
    Form1& f = *p.form;
    std::array<int, 4> answer = rightSumAnswer(p);
    answer[1] -= 1;
    answerSum(p, answer);
    p.click("Command17");
    QVERIFY(f.MistakeMade);

    p.click("Command1(5)"); // a new exercise, and the mistake is forgotten
    QVERIFY(!f.MistakeMade);
    QCOMPARE(f.Command17->backColor(), DesignColor::SystemButtonFace);
    QCOMPARE(f.Command14[1]->backColor(), DesignColor::SystemButtonFace);
    answerSum(p, rightSumAnswer(p));
    p.click("Command17");
    QCOMPARE(p.resultLines(), QStringList { expectedLine(p, f.CheckTexts[0]) });
}

QTEST_MAIN(SumPractice)
#include "tst_sumpractice.moc"
