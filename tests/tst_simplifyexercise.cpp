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
                const int term = (1 << a) * int(std::pow(3, b)) * (c & 1 ? 5 : 1) * (c & 2 ? 7 : 1) * (c & 4 ? 11 : 1);
                if (term >= 4 && term <= 1000)
                    terms.insert(term);
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
    }

    void simplifiable()
    {
        // The plain cases, 12/18 and 7/9, are met on the window in tst_simplifypractice.
        QVERIFY2(canBeSimplified(3, 1, firstTenPrimes()), "3/1 asks for the whole number");
        QVERIFY2(canBeSimplified(58, 87, firstTenPrimes()), "58/87 by 29, the last prime");
        QVERIFY2(!canBeSimplified(62, 93, firstTenPrimes()), "62/93 by 31, beyond the table");
        QVERIFY(canBeSimplified(-4, 6, firstTenPrimes()) && canBeSimplified(0, 6, firstTenPrimes()));
        QVERIFY2(canBeSimplified(4e12, 6e12, firstTenPrimes()), "huge terms overflow");
    }

    void wholeNumbers()
    {
        // A right and a wrong whole number (3/1 = 3, = 5) are met on the window in tst_simplifypractice.
        QCOMPARE(judgeWholeNumber("3", 1, "?", "?"), StepVerdict::Wrong); // nothing typed
        QCOMPARE(judgeWholeNumber("12", 18, "12", "?"), StepVerdict::Wrong); // 12/18 = 12 is no simplification
        // A denominator typed, even 0, is no whole-number answer: nothing is judged.
        QCOMPARE(judgeWholeNumber("12", 18, "6", "0"), StepVerdict::NotJudged);
        QCOMPARE(judgeWholeNumber("3", 1, "3", "0"), StepVerdict::NotJudged);
    }

    void typedDenominatorsAreClampedToWholeNumbers()
    {
        // Halves to even, and a huge caption held within the 32-bit range.
        QCOMPARE(std::pair(wholeNumber32(2.5), wholeNumber32(3.5)), std::pair(2, 4));
        QCOMPARE(std::pair(wholeNumber32(-1e12), wholeNumber32(1e12)),
            std::pair(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
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
