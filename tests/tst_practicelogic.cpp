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
        std::array<std::set<int>, 6> seen; // the three numerators, then the three denominators
        int additions = 0, zeroResults = 0;
        for (int draw = 0; draw < 20000; ++draw) {
            const SumExercise e = drawSumExercise(random);
            const auto& n = e.numerators;
            const auto& d = e.denominators;
            for (int i = 0; i < 3; ++i) {
                QVERIFY(n[i] >= 1 && n[i] <= 10 && d[i] >= 2 && d[i] <= 11);
                seen[i].insert(n[i]);
                seen[3 + i].insert(d[i]);
            }
            // Exact over the product of the denominators: first two minus the third, scaled. Equal parts
            // compared as doubles may come out either way (1/3 + 1/6 against 1/2), and a sum is harmless.
            const long long difference = (long long)(n[0] * d[1] + n[1] * d[0]) * d[2] - (long long)n[2] * d[0] * d[1];
            QVERIFY2(e.addThird ? difference <= 0 : difference >= 0, "a subtraction that goes below zero");
            additions += e.addThird;
            zeroResults += !e.addThird && difference == 0;
        }
        for (const auto& values : seen)
            QCOMPARE(values.size(), std::size_t(10));
        QVERIFY(additions > 0 && additions < 20000);
        QVERIFY2(zeroResults > 0, "a subtraction ending at 0 never came up");
        // 1/2 + 1/4 against 3/4 (equal) and 4/5 (greater), 3/4 + 2/5 against 1/2 (smaller).
        QVERIFY(!thirdIsAdded(1, 2, 1, 4, 3, 4) && thirdIsAdded(1, 2, 1, 4, 4, 5) && !thirdIsAdded(3, 4, 2, 5, 1, 2));
    }

    void everyListHoldsTheProductInOrder()
    {
        for (int d0 = 2; d0 <= 11; ++d0)
            for (int d1 = 2; d1 <= 11; ++d1)
                for (int d2 = 2; d2 <= 11; ++d2)
                    for (const int d : { d0, d1, d2 }) {
                        const int product = d0 * d1 * d2;
                        const QStringList list = multiplesList(d, product);
                        // Every multiple below the product + 30, so the product and every common multiple up to it.
                        QCOMPARE(list.size(), (product + 29) / d);
                        for (int k = 0; k < list.size(); ++k)
                            QCOMPARE(list[k], QString::number((k + 1) * d));
                    }
    }

    void judgeSum()
    {
        // The verdicts on the three amplified numerators and the result, 1 for right; a right answer row is
        // judged on the window in tst_sumpractice.
        const auto verdicts = [](std::array<double, 3> numerators, std::array<int, 3> multipliers, bool add,
                                  std::array<double, 4> answers) {
            const SumJudgement j = maroleta::judgeSum(numerators, multipliers, add, answers);
            QString letters;
            for (const bool right : j.right)
                letters += right ? u'1' : u'0';
            return j.allRight() ? letters + QStringLiteral(" all right") : letters;
        };
        // 3/4 + 2/5 - 1/2 over 20 (multipliers 5, 4, 10), the result added instead.
        QCOMPARE(verdicts({ 3, 2, 1 }, { 5, 4, 10 }, false, { 15, 8, 10, 33 }), QStringLiteral("1110"));
        // 1/2 + 1/4 + 4/5 over 20, the second amplified wrong: the result of the right numerators is right.
        QCOMPARE(verdicts({ 1, 1, 4 }, { 10, 5, 4 }, true, { 10, 6, 16, 31 }), QStringLiteral("1011"));
        // No row picked in the first list counts as multiplier 0.
        QCOMPARE(verdicts({ 1, 1, 3 }, { 0, 1, 1 }, false, { 1, 1, 3, -1 }), QStringLiteral("0110"));
    }

    void mulDivDrawsStayInRangeAndReachEveryValue()
    {
        Random random(5);
        std::array<std::set<int>, 4> seen;
        for (int draw = 0; draw < 5000; ++draw) {
            const MulDivExercise e = drawMulDivExercise(random);
            QVERIFY(e.a >= 1 && e.a <= 10 && e.c >= 1 && e.c <= 10 && e.b >= 3 && e.b <= 12 && e.d >= 3 && e.d <= 12);
            for (const auto& [set, value] : { std::pair { 0, e.a }, { 1, e.b }, { 2, e.c }, { 3, e.d } })
                seen[std::size_t(set)].insert(value);
        }
        for (const auto& values : seen)
            QCOMPARE(values.size(), std::size_t(10));
    }

    void resultsWindowPlace()
    {
        // The window is 9720 x 5940: centred across, 500 twips below centre down, each difference halved
        // with the remainder dropped.
        const auto place = [](QRect section) { return maroleta::resultsWindowPlace(section, QSize(9720, 5940)); };
        QCOMPARE(place(QRect(1920, 960, 11720, 7940)), QPoint(1920 + 1000, 960 + 500 + 1000));
        QCOMPARE(place(QRect(0, 0, 9723, 5941)), QPoint(1, 500));
        QCOMPARE(place(QRect(100, 100, 9717, 5937)), QPoint(99, 599)); // a smaller section: halved toward zero
    }
};

QTEST_GUILESS_MAIN(PracticeLogic)
#include "tst_practicelogic.moc"
