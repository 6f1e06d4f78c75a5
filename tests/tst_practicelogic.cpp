// The computable part of the two practice sections of sums and of products, and the results window's
// place: random exercises over many seeded draws, the lists of multiples, judging.
#include "logic/muldivexercise.h"
#include "logic/resultswindow.h"
#include "logic/sumexercise.h"

#include <QTest>

#include <set>

using namespace maroleta;

class PracticeLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sumDraws()
    {
        Random random(7);
        std::array<std::set<int>, 3> numerators, denominators;
        int additions = 0, subtractions = 0, zeroResults = 0;
        for (int draw = 0; draw < 20000; ++draw) {
            const SumExercise e = drawSumExercise(random);
            const auto& n = e.numerators;
            const auto& d = e.denominators;
            for (int i = 0; i < 3; ++i) {
                QVERIFY(n[i] >= 1 && n[i] <= 10 && d[i] >= 2 && d[i] <= 11);
                numerators[i].insert(n[i]);
                denominators[i].insert(d[i]);
            }
            // Exact over the product of the denominators: first two minus the third, scaled. Equal parts
            // compared as doubles may come out either way (1/3 + 1/6 against 1/2), and a sum is harmless.
            const long long difference = (long long)(n[0] * d[1] + n[1] * d[0]) * d[2] - (long long)n[2] * d[0] * d[1];
            if (e.addThird) {
                ++additions;
                QVERIFY2(difference <= 0, "a sum whose third fraction is smaller than the first two");
            } else {
                ++subtractions;
                QVERIFY2(difference >= 0, "a subtraction that goes below zero");
                zeroResults += difference == 0;
            }
        }
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(numerators[i].size(), std::size_t(10));
            QCOMPARE(denominators[i].size(), std::size_t(10));
        }
        QVERIFY(additions > 0 && subtractions > 0);
        QVERIFY2(zeroResults > 0, "a subtraction ending at 0 never came up");
    }

    void thirdIsAddedOnlyWhenGreater()
    {
        // 1/2 + 1/4 against 3/4 (equal), 4/5 (greater) and 3/4 + 2/5 against 1/2 (smaller).
        QVERIFY(!maroleta::thirdIsAdded(1, 2, 1, 4, 3, 4));
        QVERIFY(maroleta::thirdIsAdded(1, 2, 1, 4, 4, 5));
        QVERIFY(!maroleta::thirdIsAdded(3, 4, 2, 5, 1, 2));
    }

    void everyListHoldsTheProductInOrder()
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
                        longest = std::max(longest, int(list.size()));
                    }
                }
        QCOMPARE(longest, 135);
    }

    void judgeSum_data()
    {
        QTest::addColumn<QList<double>>("numerators");
        QTest::addColumn<QList<int>>("multipliers");
        QTest::addColumn<bool>("add");
        QTest::addColumn<QList<double>>("answers");
        QTest::addColumn<QList<bool>>("right");
        // 3/4 + 2/5 - 1/2 over 20: multipliers 5, 4, 10.
        QTest::addRow("result added instead")
            << QList<double> { 3, 2, 1 } << QList<int> { 5, 4, 10 } << false << QList<double> { 15, 8, 10, 33 }
            << QList<bool> { true, true, true, false };
        QTest::addRow("one amplified wrong, result of the right ones")
            << QList<double> { 1, 1, 4 } << QList<int> { 10, 5, 4 } << true << QList<double> { 10, 6, 16, 31 }
            << QList<bool> { true, false, true, true };
        QTest::addRow("no list picked: multiplier 0")
            << QList<double> { 1, 1, 3 } << QList<int> { 0, 1, 1 } << false << QList<double> { 1, 1, 3, -1 }
            << QList<bool> { false, true, true, false };
    }

    void judgeSum()
    {
        QFETCH(QList<double>, numerators);
        QFETCH(QList<int>, multipliers);
        QFETCH(bool, add);
        QFETCH(QList<double>, answers);
        QFETCH(QList<bool>, right);
        const SumJudgement j = maroleta::judgeSum({ numerators[0], numerators[1], numerators[2] },
            { multipliers[0], multipliers[1], multipliers[2] }, add,
            { answers[0], answers[1], answers[2], answers[3] });
        QCOMPARE(QList<bool>(j.right.begin(), j.right.end()), right);
        QVERIFY(!j.allRight());
    }

    void mulDivDrawsStayInRangeAndReachEveryValue()
    {
        Random random(5);
        std::array<std::set<int>, 4> seen;
        for (int draw = 0; draw < 5000; ++draw) {
            const MulDivExercise e = drawMulDivExercise(random);
            QVERIFY(e.a >= 1 && e.a <= 10 && e.c >= 1 && e.c <= 10);
            QVERIFY(e.b >= 3 && e.b <= 12 && e.d >= 3 && e.d <= 12);
            for (const auto& [set, value] : { std::pair { 0, e.a }, { 1, e.b }, { 2, e.c }, { 3, e.d } })
                seen[std::size_t(set)].insert(value);
        }
        for (const auto& values : seen)
            QCOMPARE(values.size(), std::size_t(10));
    }

    void resultsWindowPlace_data()
    {
        QTest::addColumn<QRect>("section");
        QTest::addColumn<QPoint>("place");
        // The window is 9720 x 5940.
        QTest::addRow("larger section") << QRect(1920, 960, 11720, 7940) << QPoint(1920 + 1000, 960 + 500 + 1000);
        QTest::addRow("odd differences drop the half") << QRect(0, 0, 9723, 5941) << QPoint(1, 500);
        QTest::addRow("smaller section: halved toward zero") << QRect(100, 100, 9717, 5937) << QPoint(99, 599);
    }

    void resultsWindowPlace()
    {
        QFETCH(QRect, section);
        QFETCH(QPoint, place);
        QCOMPARE(maroleta::resultsWindowPlace(section, QSize(9720, 5940)), place);
    }
};

QTEST_GUILESS_MAIN(PracticeLogic)
#include "tst_practicelogic.moc"
