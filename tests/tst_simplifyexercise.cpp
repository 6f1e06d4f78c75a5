// The arithmetic of the simplification practice and of the keypad, without any window.
#include "logic/keypadkeys.h"
#include "logic/simplifyexercise.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <limits>

using namespace maroleta;

namespace {

struct Factors {
    int twos = 0, threes = 0, fives = 0, sevens = 0, elevens = 0;
    int rest = 1;
};

Factors factorise(int n)
{
    Factors f;
    const auto take = [&n](int p, int& count) {
        while (n % p == 0) {
            n /= p;
            ++count;
        }
    };
    take(2, f.twos);
    take(3, f.threes);
    take(5, f.fives);
    take(7, f.sevens);
    take(11, f.elevens);
    f.rest = n;
    return f;
}

// Every term the draw can give: 2^(1..4) 3^(0..maxThrees) 5^(0..1) 7^(0..1) 11^(0..1) within 4..1000.
QSet<int> possibleTerms(int maxThrees)
{
    QSet<int> terms;
    for (int a = 1; a <= 4; ++a)
        for (int b = 0; b <= maxThrees; ++b)
            for (int c = 0; c <= 1; ++c)
                for (int d = 0; d <= 1; ++d)
                    for (int e = 0; e <= 1; ++e) {
                        double term = std::pow(2, a) * std::pow(3, b) * std::pow(5, c) * std::pow(7, d)
                            * std::pow(11, e);
                        if (term >= 4 && term <= 1000)
                            terms.insert(int(term));
                    }
    return terms;
}

} // namespace

class SimplifyExerciseTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exercisesAreEvenInRangeAndNeverEqual()
    {
        for (quint32 seed : { 1u, 77u, 20261206u }) {
            Random random(seed);
            for (int draw = 0; draw < 5000; ++draw) {
                const SimplifyExercise e = drawSimplifyExercise(random);
                QVERIFY2(e.numerator >= 4 && e.numerator <= 1000, qPrintable(QString::number(e.numerator)));
                QVERIFY2(e.denominator >= 4 && e.denominator <= 1000, qPrintable(QString::number(e.denominator)));
                QCOMPARE(e.numerator % 2, 0);
                QCOMPARE(e.denominator % 2, 0);
                QVERIFY(e.numerator != e.denominator);
            }
        }
    }

    void termsHaveTheirPrimeStructure()
    {
        Random random(4242);
        for (int draw = 0; draw < 5000; ++draw) {
            const SimplifyExercise e = drawSimplifyExercise(random);
            const Factors top = factorise(e.numerator);
            const Factors bottom = factorise(e.denominator);
            QCOMPARE(top.rest, 1);
            QCOMPARE(bottom.rest, 1);
            QVERIFY(top.twos >= 1 && top.twos <= 4);
            QVERIFY(bottom.twos >= 1 && bottom.twos <= 4);
            QVERIFY(top.threes <= 2);
            QVERIFY(bottom.threes <= 3);
            for (const Factors& f : { top, bottom })
                QVERIFY(f.fives <= 1 && f.sevens <= 1 && f.elevens <= 1);
        }
    }

    void everyTermIsReachable()
    {
        // Numerators never carry 27; denominators may; every other admissible term turns up on both sides.
        Random random(99);
        QSet<int> numerators, denominators;
        for (int draw = 0; draw < 40000; ++draw) {
            const SimplifyExercise e = drawSimplifyExercise(random);
            numerators.insert(e.numerator);
            denominators.insert(e.denominator);
        }
        QCOMPARE(numerators, possibleTerms(2));
        QCOMPARE(denominators, possibleTerms(3));
        QVERIFY(denominators.contains(54)); // 2 · 27
        QVERIFY(!numerators.contains(54));
    }

    void simplifiable_data()
    {
        QTest::addColumn<double>("numerator");
        QTest::addColumn<double>("denominator");
        QTest::addColumn<bool>("expected");
        QTest::addRow("12/18 by 2") << 12.0 << 18.0 << true;
        QTest::addRow("9/15 by 3") << 9.0 << 15.0 << true;
        QTest::addRow("2/3 lowest terms") << 2.0 << 3.0 << false;
        QTest::addRow("7/9 lowest terms") << 7.0 << 9.0 << false;
        QTest::addRow("3/1 asks for the whole number") << 3.0 << 1.0 << true;
        QTest::addRow("58/87 by 29, the last prime") << 58.0 << 87.0 << true;
        QTest::addRow("62/93 by 31, beyond the table") << 62.0 << 93.0 << false;
        QTest::addRow("-4/6 negative numerator") << -4.0 << 6.0 << true;
        QTest::addRow("0/6 zero numerator") << 0.0 << 6.0 << true;
        QTest::addRow("1/2") << 1.0 << 2.0 << false;
        QTest::addRow("huge terms never overflow") << 4e12 << 6e12 << true;
    }

    void simplifiable()
    {
        QFETCH(double, numerator);
        QFETCH(double, denominator);
        QFETCH(bool, expected);
        QCOMPARE(canBeSimplified(numerator, denominator, firstTenPrimes()), expected);
    }

    void branches_data()
    {
        QTest::addColumn<double>("fromDenominator");
        QTest::addColumn<int>("toDenominator");
        QTest::addColumn<bool>("canSimplify");
        QTest::addColumn<int>("expected");
        QTest::addRow("answer denominator left ?") << 18.0 << 0 << true << int(SimplifyBranch::WholeNumber);
        QTest::addRow("starting denominator 0") << 0.0 << 9 << true << int(SimplifyBranch::WholeNumber);
        QTest::addRow("still simplifiable") << 18.0 << 9 << true << int(SimplifyBranch::Intermediate);
        QTest::addRow("lowest terms") << 18.0 << 3 << false << int(SimplifyBranch::Final);
    }

    void branches()
    {
        QFETCH(double, fromDenominator);
        QFETCH(int, toDenominator);
        QFETCH(bool, canSimplify);
        QFETCH(int, expected);
        QCOMPARE(int(simplifyBranch(fromDenominator, toDenominator, canSimplify)), expected);
    }

    void fractionValues()
    {
        QVERIFY(sameFractionValue(12, 18, 6, 9));
        QVERIFY(sameFractionValue(12, 18, 2, 3));
        QVERIFY(sameFractionValue(1, 3, 333, 999));
        QVERIFY(sameFractionValue(-4, 6, 2, -3));
        QVERIFY(!sameFractionValue(12, 18, 3, 5));
        QVERIFY(!sameFractionValue(12, 18, 4, 7));
    }

    void wholeNumbers_data()
    {
        QTest::addColumn<QString>("fromNumerator");
        QTest::addColumn<double>("fromDenominator");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("answerDenominator");
        QTest::addColumn<int>("expected");
        QTest::addRow("3/1 = 3") << "3" << 1.0 << "3" << "?" << int(StepVerdict::Right);
        QTest::addRow("3/1 = 4") << "3" << 1.0 << "4" << "?" << int(StepVerdict::Wrong);
        QTest::addRow("nothing typed") << "3" << 1.0 << "?" << "?" << int(StepVerdict::Wrong);
        QTest::addRow("12/18 = 12 is no simplification") << "12" << 18.0 << "12" << "?" << int(StepVerdict::Wrong);
        QTest::addRow("a typed 0 denominator") << "12" << 18.0 << "6" << "0" << int(StepVerdict::NotJudged);
        QTest::addRow("3/1 with a denominator typed") << "3" << 1.0 << "3" << "0" << int(StepVerdict::NotJudged);
    }

    void wholeNumbers()
    {
        QFETCH(QString, fromNumerator);
        QFETCH(double, fromDenominator);
        QFETCH(QString, answer);
        QFETCH(QString, answerDenominator);
        QFETCH(int, expected);
        QCOMPARE(int(judgeWholeNumber(fromNumerator, fromDenominator, answer, answerDenominator)), expected);
    }

    void typedDenominators()
    {
        QCOMPARE(wholeNumber32(9), 9);
        QCOMPARE(wholeNumber32(2.5), 2);
        QCOMPARE(wholeNumber32(3.5), 4);
        QCOMPARE(wholeNumber32(1e12), std::numeric_limits<qint32>::max());
        QCOMPARE(wholeNumber32(-1e12), std::numeric_limits<qint32>::min());
    }

    void resultLines_data()
    {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<int>("lastStep");
        QTest::addColumn<bool>("wholeNumber");
        QTest::addColumn<QString>("expected");
        QTest::addRow("one step") << QStringList { "12", "18", "2", "3" } << 0 << false << "12/18 = 2/3 =  * T *";
        QTest::addRow("two steps") << QStringList { "12", "18", "6", "9", "2", "3" } << 1 << false
                                   << "12/18 = 6/9 = 2/3 =  * T *";
        QTest::addRow("whole number") << QStringList { "12", "4", "3", "1", "3", "?" } << 1 << true
                                      << "12/4 = 3/1 = 3 =  * T *";
        QTest::addRow("whole number first") << QStringList { "6", "1", "6", "?" } << 0 << true << "6/1 = 6 =  * T *";
    }

    void resultLines()
    {
        QFETCH(QStringList, captions);
        QFETCH(int, lastStep);
        QFETCH(bool, wholeNumber);
        QFETCH(QString, expected);
        QCOMPARE(simplifyResultLine(captions, lastStep, wholeNumber, QStringLiteral("T")), expected);
    }

    void digitKeys_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<int>("digit");
        QTest::addColumn<QString>("expected"); // empty: the key does nothing
        QTest::addRow("first digit") << "0" << 4 << "4";
        QTest::addRow("second digit") << "4" << 2 << "42";
        QTest::addRow("zero on zero") << "0" << 0 << "0";
        QTest::addRow("fifth digit") << "9999" << 9 << "99999";
        QTest::addRow("sixth digit refused") << "99999" << 1 << "";
        QTest::addRow("from 10000 refused") << "10000" << 0 << "";
        QTest::addRow("negative grows away from zero") << "-3" << 5 << "-25";
        QTest::addRow("-1 then 5") << "-1" << 5 << "-5";
    }

    void digitKeys()
    {
        QFETCH(QString, display);
        QFETCH(int, digit);
        QFETCH(QString, expected);
        const std::optional<QString> entered = keypadDigit(display, digit);
        QCOMPARE(entered.value_or(QString()), expected);
    }

    void stepKeys_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("expected");
        QTest::addRow("+1") << "0" << 0 << "1";
        QTest::addRow("-1 below zero") << "0" << 1 << "-1";
        QTest::addRow("+5") << "7" << 2 << "12";
        QTest::addRow("-5") << "3" << 3 << "-2";
        QTest::addRow("+10 past 99999") << "99999" << 4 << "100009";
        QTest::addRow("-10") << "-5" << 5 << "-15";
    }

    void stepKeys()
    {
        QFETCH(QString, display);
        QFETCH(int, key);
        QFETCH(QString, expected);
        QCOMPARE(keypadStepped(display, key), expected);
    }

    void stepCaptions()
    {
        const QStringList captions { "+1", "-1", "+5", "-5", "+10", "-10" };
        for (int i = 0; i < 6; ++i)
            QCOMPARE(keypadStepCaption(i), captions[i]);
    }
};

QTEST_GUILESS_MAIN(SimplifyExerciseTest)
#include "tst_simplifyexercise.moc"
