// The computable part of the two practice sections of sums and of products, and the results window's
// place: random exercises over many seeded draws, the lists of multiples, judging and the results lines.
#include "logic/muldivexercise.h"
#include "logic/resultswindow.h"
#include "logic/sumexercise.h"

#include <QTest>

#include <set>

using namespace maroleta;

class PracticeLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sumDrawsStayInRangeAndReachEveryValue();
    void sumSubtractsOnlyWhenItCannotGoNegative();
    void sumDrawsNumeratorThenDenominator();
    void thirdIsAdded_data();
    void thirdIsAdded();
    void multiplesListLengths_data();
    void multiplesListLengths();
    void everyListHoldsTheProductInOrder();
    void judgeSum_data();
    void judgeSum();
    void sumResultLine_data();
    void sumResultLine();
    void mulDivDrawsStayInRangeAndReachEveryValue();
    void expectedMulDiv_data();
    void expectedMulDiv();
    void mulDivResultLine_data();
    void mulDivResultLine();
    void resultsWindowPlace_data();
    void resultsWindowPlace();
};

void PracticeLogic::sumDrawsStayInRangeAndReachEveryValue()
{
    Random random(7);
    std::array<std::set<int>, 3> numerators, denominators;
    for (int draw = 0; draw < 20000; ++draw) {
        const SumExercise e = drawSumExercise(random);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(e.numerators[i] >= 1 && e.numerators[i] <= 10);
            QVERIFY(e.denominators[i] >= 2 && e.denominators[i] <= 11);
            numerators[i].insert(e.numerators[i]);
            denominators[i].insert(e.denominators[i]);
        }
    }
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(numerators[i].size(), std::size_t(10));
        QCOMPARE(denominators[i].size(), std::size_t(10));
    }
}

void PracticeLogic::sumSubtractsOnlyWhenItCannotGoNegative()
{
    Random random(11);
    int additions = 0, subtractions = 0, zeroResults = 0;
    for (int draw = 0; draw < 20000; ++draw) {
        const SumExercise e = drawSumExercise(random);
        const auto& n = e.numerators;
        const auto& d = e.denominators;
        // Exact over the product of the denominators: first two minus the third, scaled.
        const long long difference = (long long)(n[0] * d[1] + n[1] * d[0]) * d[2] - (long long)n[2] * d[0] * d[1];
        if (e.addThird) {
            ++additions;
            // Equal parts compared as doubles may come out either way (1/3 + 1/6 against 1/2), and a sum
            // is harmless; a third fraction smaller than the other two never makes a sum.
            QVERIFY2(difference <= 0, "a sum whose third fraction is smaller than the first two");
        } else {
            ++subtractions;
            QVERIFY2(difference >= 0, "a subtraction that goes below zero");
            zeroResults += difference == 0;
        }
    }
    QVERIFY(additions > 0);
    QVERIFY(subtractions > 0);
    QVERIFY2(zeroResults > 0, "a subtraction ending at 0 never came up");
}

void PracticeLogic::sumDrawsNumeratorThenDenominator()
{
    Random random(3);
    Random probe = random;
    const SumExercise e = drawSumExercise(random);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(e.numerators[i], probe.draw(10, 1));
        QCOMPARE(e.denominators[i], probe.draw(10, 2));
    }
    QCOMPARE(random.next(), probe.next()); // six draws, no more
}

void PracticeLogic::thirdIsAdded_data()
{
    QTest::addColumn<QList<double>>("fractions");
    QTest::addColumn<bool>("added");
    QTest::addRow("1/2 + 1/4 and 3/4: equal, subtracted") << QList<double> { 1, 2, 1, 4, 3, 4 } << false;
    QTest::addRow("1/2 + 1/4 and 4/5: greater, added") << QList<double> { 1, 2, 1, 4, 4, 5 } << true;
    QTest::addRow("3/4 + 2/5 and 1/2: smaller, subtracted") << QList<double> { 3, 4, 2, 5, 1, 2 } << false;
    QTest::addRow("1/11 + 1/11 and 10/2: added") << QList<double> { 1, 11, 1, 11, 10, 2 } << true;
}

void PracticeLogic::thirdIsAdded()
{
    QFETCH(QList<double>, fractions);
    QFETCH(bool, added);
    const auto& f = fractions;
    QCOMPARE(maroleta::thirdIsAdded(f[0], f[1], f[2], f[3], f[4], f[5]), added);
}

void PracticeLogic::multiplesListLengths_data()
{
    QTest::addColumn<double>("denominator");
    QTest::addColumn<double>("product");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("last");
    QTest::addRow("2 with 11 and 11: the longest") << 2.0 << 242.0 << 135 << "270";
    QTest::addRow("11 with 2 and 11") << 11.0 << 242.0 << 24 << "264";
    QTest::addRow("11 with 11 and 11") << 11.0 << 1331.0 << 123 << "1353";
    QTest::addRow("2 with 2 and 2") << 2.0 << 8.0 << 18 << "36";
    QTest::addRow("3 with 3 and 4: 36 + 30 is a multiple, left out") << 3.0 << 36.0 << 21 << "63";
}

void PracticeLogic::multiplesListLengths()
{
    QFETCH(double, denominator);
    QFETCH(double, product);
    QFETCH(int, length);
    QFETCH(QString, last);
    const QStringList list = multiplesList(denominator, product);
    QCOMPARE(list.size(), length);
    QCOMPARE(list.first(), QString::number(int(denominator)));
    QCOMPARE(list.last(), last);
}

void PracticeLogic::everyListHoldsTheProductInOrder()
{
    int longest = 0;
    for (int d0 = 2; d0 <= 11; ++d0)
        for (int d1 = 2; d1 <= 11; ++d1)
            for (int d2 = 2; d2 <= 11; ++d2) {
                const int product = d0 * d1 * d2;
                for (int d : { d0, d1, d2 }) {
                    const QStringList list = multiplesList(d, product);
                    const int expectedLength = (product + 30 + d - 1) / d - 1; // ceil((P + 30) / d) - 1
                    QCOMPARE(list.size(), expectedLength);
                    for (int k = 0; k < list.size(); ++k)
                        QCOMPARE(list[k], QString::number((k + 1) * d));
                    QVERIFY(list.contains(QString::number(product)));
                    longest = std::max(longest, int(list.size()));
                }
            }
    QCOMPARE(longest, 135);
}

void PracticeLogic::judgeSum_data()
{
    QTest::addColumn<QList<double>>("numerators");
    QTest::addColumn<QList<int>>("multipliers");
    QTest::addColumn<bool>("add");
    QTest::addColumn<QList<double>>("answers");
    QTest::addColumn<QList<bool>>("right");
    // 3/4 + 2/5 - 1/2 over 20: multipliers 5, 4, 10.
    QTest::addRow("right subtraction") << QList<double> { 3, 2, 1 } << QList<int> { 5, 4, 10 } << false
                                       << QList<double> { 15, 8, 10, 13 } << QList<bool> { true, true, true, true };
    QTest::addRow("result added instead") << QList<double> { 3, 2, 1 } << QList<int> { 5, 4, 10 } << false
                                          << QList<double> { 15, 8, 10, 33 } << QList<bool> { true, true, true, false };
    QTest::addRow("right sum") << QList<double> { 1, 1, 4 } << QList<int> { 10, 5, 4 } << true
                               << QList<double> { 10, 5, 16, 31 } << QList<bool> { true, true, true, true };
    QTest::addRow("one amplified wrong, result of the right ones")
        << QList<double> { 1, 1, 4 } << QList<int> { 10, 5, 4 } << true << QList<double> { 10, 6, 16, 31 }
        << QList<bool> { true, false, true, true };
    QTest::addRow("equal parts, result 0") << QList<double> { 1, 1, 3 } << QList<int> { 2, 1, 1 } << false
                                           << QList<double> { 2, 1, 3, 0 } << QList<bool> { true, true, true, true };
    QTest::addRow("no list picked: multiplier 0")
        << QList<double> { 1, 1, 3 } << QList<int> { 0, 1, 1 } << false << QList<double> { 1, 1, 3, -1 }
        << QList<bool> { false, true, true, false };
}

void PracticeLogic::judgeSum()
{
    QFETCH(QList<double>, numerators);
    QFETCH(QList<int>, multipliers);
    QFETCH(bool, add);
    QFETCH(QList<double>, answers);
    QFETCH(QList<bool>, right);
    const SumJudgement j = maroleta::judgeSum({ numerators[0], numerators[1], numerators[2] },
        { multipliers[0], multipliers[1], multipliers[2] }, add, { answers[0], answers[1], answers[2], answers[3] });
    for (int i = 0; i < 4; ++i)
        QCOMPARE(j.right[i], right[i]);
    QCOMPARE(j.allRight(), !right.contains(false));
}

void PracticeLogic::sumResultLine_data()
{
    QTest::addColumn<bool>("add");
    QTest::addColumn<QString>("closing");
    QTest::addColumn<QString>("line");
    QTest::addRow("subtraction") << false << "BIEN"
                                 << "3/4 + 2/5 - 1/2 = 13/20 *** BIEN ***";
    QTest::addRow("sum, after a mistake") << true << "CON FALLO"
                                          << "3/4 + 2/5 + 1/2 = 13/20 *** CON FALLO ***";
}

void PracticeLogic::sumResultLine()
{
    QFETCH(bool, add);
    QFETCH(QString, closing);
    QFETCH(QString, line);
    SumLine pieces;
    pieces.numerators = { "3", "2", "1" };
    pieces.denominators = { "4", "5", "2" };
    pieces.addThird = add;
    pieces.resultNumerator = "13";
    pieces.resultDenominator = "20";
    pieces.closing = closing;
    QCOMPARE(maroleta::sumResultLine(pieces), line);
}

void PracticeLogic::mulDivDrawsStayInRangeAndReachEveryValue()
{
    Random random(5);
    std::set<int> a, b, c, d;
    for (int draw = 0; draw < 5000; ++draw) {
        const MulDivExercise e = drawMulDivExercise(random);
        QVERIFY(e.a >= 1 && e.a <= 10 && e.c >= 1 && e.c <= 10);
        QVERIFY(e.b >= 3 && e.b <= 12 && e.d >= 3 && e.d <= 12);
        a.insert(e.a), b.insert(e.b), c.insert(e.c), d.insert(e.d);
    }
    QCOMPARE(a.size(), std::size_t(10));
    QCOMPARE(b.size(), std::size_t(10));
    QCOMPARE(c.size(), std::size_t(10));
    QCOMPARE(d.size(), std::size_t(10));

    Random again(5);
    Random probe = again;
    const MulDivExercise first = drawMulDivExercise(again);
    QCOMPARE(first.a, probe.draw(10, 1));
    QCOMPARE(first.b, probe.draw(10, 3));
    QCOMPARE(first.c, probe.draw(10, 1));
    QCOMPARE(first.d, probe.draw(10, 3));
}

void PracticeLogic::expectedMulDiv_data()
{
    QTest::addColumn<bool>("multiply");
    QTest::addColumn<double>("numerator");
    QTest::addColumn<double>("denominator");
    QTest::addRow("2/3 X 3/4 = 6/12, not reduced") << true << 6.0 << 12.0;
    QTest::addRow("2/3 : 3/4 = 8/9") << false << 8.0 << 9.0;
}

void PracticeLogic::expectedMulDiv()
{
    QFETCH(bool, multiply);
    QFETCH(double, numerator);
    QFETCH(double, denominator);
    const MulDivAnswer answer
        = maroleta::expectedMulDiv(2, 3, 3, 4, multiply ? MulDivOperation::Multiply : MulDivOperation::Divide);
    QCOMPARE(answer.numerator, numerator);
    QCOMPARE(answer.denominator, denominator);
}

void PracticeLogic::mulDivResultLine_data()
{
    QTest::addColumn<bool>("multiply");
    QTest::addColumn<QString>("line");
    QTest::addRow("multiplication") << true << "2/3 X 3/4 = 6/12 ** BIEN **";
    QTest::addRow("division") << false << "2/3 : 3/4 = 6/12 ** BIEN **";
}

void PracticeLogic::mulDivResultLine()
{
    QFETCH(bool, multiply);
    QFETCH(QString, line);
    MulDivLine pieces { "2", "3", "3", "4", multiply ? MulDivOperation::Multiply : MulDivOperation::Divide, "6", "12",
        "BIEN" };
    QCOMPARE(maroleta::mulDivResultLine(pieces), line);
}

void PracticeLogic::resultsWindowPlace_data()
{
    QTest::addColumn<QRect>("section");
    QTest::addColumn<QPoint>("place");
    // The window is 9720 x 5940.
    QTest::addRow("larger section") << QRect(1920, 960, 11720, 7940) << QPoint(1920 + 1000, 960 + 500 + 1000);
    QTest::addRow("odd differences drop the half") << QRect(0, 0, 9723, 5941) << QPoint(1, 500);
    QTest::addRow("smaller section: halved toward zero") << QRect(100, 100, 9717, 5937) << QPoint(99, 599);
}

void PracticeLogic::resultsWindowPlace()
{
    QFETCH(QRect, section);
    QFETCH(QPoint, place);
    QCOMPARE(maroleta::resultsWindowPlace(section, QSize(9720, 5940)), place);
}

QTEST_GUILESS_MAIN(PracticeLogic)
#include "tst_practicelogic.moc"
