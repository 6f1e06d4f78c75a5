// The arithmetic of the simplification practice, without any window.
#include "logic/simplifyexercise.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <limits>

using namespace maroleta;

namespace {
// Every term the draw can give: 2^(1..4) 3^(0..maxThrees) 5^(0..1) 7^(0..1) 11^(0..1) within 4..1000.
QSet<int> possibleTerms(int maxThrees)
{
    QSet<int> terms;
    for (int a = 1; a <= 4; ++a)
        for (int b = 0; b <= maxThrees; ++b)
            for (int c = 0; c <= 7; ++c) {
                const double term
                    = std::pow(2, a) * std::pow(3, b) * (c & 1 ? 5 : 1) * (c & 2 ? 7 : 1) * (c & 4 ? 11 : 1);
                if (term >= 4 && term <= 1000)
                    terms.insert(int(term));
            }
    return terms;
}
} // namespace

class SimplifyExerciseTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exercisesHaveTheirPrimeStructureAndNeverEqualTerms()
    {
        // Every term is even, in 4..1000 and built from the prime powers, and every such term turns up:
        // numerators never carry 27, denominators may.
        Random random(99);
        QSet<int> numerators, denominators;
        for (int draw = 0; draw < 40000; ++draw) {
            const SimplifyExercise e = drawSimplifyExercise(random);
            QVERIFY(e.numerator != e.denominator);
            numerators.insert(e.numerator);
            denominators.insert(e.denominator);
        }
        QCOMPARE(numerators, possibleTerms(2));
        QCOMPARE(denominators, possibleTerms(3));
        QVERIFY(denominators.contains(54) && !numerators.contains(54));
    }

    void simplifiable_data()
    {
        QTest::addColumn<double>("numerator");
        QTest::addColumn<double>("denominator");
        QTest::addColumn<bool>("expected");
        // The plain cases, 12/18 and 7/9, are met on the window in tst_simplifypractice.
        QTest::addRow("3/1 asks for the whole number") << 3.0 << 1.0 << true;
        QTest::addRow("58/87 by 29, the last prime") << 58.0 << 87.0 << true;
        QTest::addRow("62/93 by 31, beyond the table") << 62.0 << 93.0 << false;
        QTest::addRow("-4/6 negative numerator") << -4.0 << 6.0 << true;
        QTest::addRow("0/6 zero numerator") << 0.0 << 6.0 << true;
        QTest::addRow("huge terms never overflow") << 4e12 << 6e12 << true;
    }

    void simplifiable()
    {
        QFETCH(double, numerator);
        QFETCH(double, denominator);
        QFETCH(bool, expected);
        QCOMPARE(canBeSimplified(numerator, denominator, firstTenPrimes()), expected);
    }

    void wholeNumbers_data()
    {
        QTest::addColumn<QStringList>("from"); // numerator, denominator
        QTest::addColumn<QStringList>("answer"); // numerator, denominator
        QTest::addColumn<int>("expected");
        // A right and a wrong whole number (3/1 = 3, = 5) are met on the window in tst_simplifypractice.
        QTest::addRow("nothing typed") << QStringList { "3", "1" } << QStringList { "?", "?" }
                                       << int(StepVerdict::Wrong);
        QTest::addRow("12/18 = 12 is no simplification")
            << QStringList { "12", "18" } << QStringList { "12", "?" } << int(StepVerdict::Wrong);
        QTest::addRow("a typed 0 denominator")
            << QStringList { "12", "18" } << QStringList { "6", "0" } << int(StepVerdict::NotJudged);
        QTest::addRow("3/1 with a denominator typed")
            << QStringList { "3", "1" } << QStringList { "3", "0" } << int(StepVerdict::NotJudged);
    }

    void wholeNumbers()
    {
        QFETCH(QStringList, from);
        QFETCH(QStringList, answer);
        QFETCH(int, expected);
        QCOMPARE(int(judgeWholeNumber(from[0], from[1].toDouble(), answer[0], answer[1])), expected);
    }

    void typedDenominatorsAreClampedToWholeNumbers()
    {
        QCOMPARE(wholeNumber32(2.5), 2);
        QCOMPARE(wholeNumber32(3.5), 4);
        QCOMPARE(wholeNumber32(1e12), std::numeric_limits<qint32>::max());
        QCOMPARE(wholeNumber32(-1e12), std::numeric_limits<qint32>::min());
    }

    void wholeNumberFirstResultLine()
    {
        // A whole number at the first step: no fraction between the start and the number.
        QCOMPARE(simplifyResultLine({ "6", "1", "6", "?" }, 0, true, QStringLiteral("T")),
            QStringLiteral("6/1 = 6 =  * T *"));
    }
};

QTEST_GUILESS_MAIN(SimplifyExerciseTest)
#include "tst_simplifyexercise.moc"
