// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Section 4's arithmetic.
#include "logic/simplifyexercise.h"

#include "logic/captions.h"

#include <algorithm>
#include <limits>

namespace maroleta {

namespace {
    int power(int base, int exponent)
    {
        int result = 1;
        for (int i = 0; i < exponent; ++i)
            result *= base;
        return result;
    }
}

PrimeTable firstTenPrimes() { return { 2, 3, 5, 7, 11, 13, 17, 19, 23, 29 }; }

int drawSimplifyTerm(Random& random, int threeChoices)
{
    for (;;) {
        const int twos = random.draw(4, 1);
        const int threes = random.draw(threeChoices, 0);
        const int fives = random.draw(2, 0);
        const int sevens = random.draw(2, 0);
        const int elevens = random.draw(2, 0);
        const int term = power(2, twos) * power(3, threes) * power(5, fives) * power(7, sevens) * power(11, elevens);
        if (term >= 4 && term <= 1000)
            return term;
    }
}

SimplifyExercise drawSimplifyExercise(Random& random)
{
    SimplifyExercise exercise;
    do {
        exercise.numerator = drawSimplifyTerm(random, 3);
        exercise.denominator = drawSimplifyTerm(random, 4);
    } while (exercise.numerator == exercise.denominator);
    return exercise;
}

bool canBeSimplified(double numerator, double denominator, const PrimeTable& primes)
{
    if (denominator == 1)
        return true;
    const qint64 top = roundHalfEven(numerator);
    const qint64 bottom = roundHalfEven(denominator);
    return std::any_of(
        primes.begin(), primes.end(), [&](quint8 p) { return p != 0 && bottom % p == 0 && top % p == 0; });
}

SimplifyBranch simplifyBranch(double fromDenominator, qint32 toDenominator, bool canSimplify)
{
    if (toDenominator == 0 || fromDenominator == 0)
        return SimplifyBranch::WholeNumber;
    return canSimplify ? SimplifyBranch::Intermediate : SimplifyBranch::Final;
}

bool sameFractionValue(double fromNumerator, double fromDenominator, double toNumerator, double toDenominator)
{
    return fromNumerator / fromDenominator == toNumerator / toDenominator;
}

StepVerdict judgeWholeNumber(const QString& fromNumerator, double fromDenominator, const QString& answerNumerator,
    const QString& answerDenominator)
{
    if (answerDenominator != QLatin1String("?"))
        return StepVerdict::NotJudged;
    return fromDenominator == 1 && answerNumerator == fromNumerator ? StepVerdict::Right : StepVerdict::Wrong;
}

qint32 wholeNumber32(double value)
{
    const qint64 whole = roundHalfEven(value);
    return qint32(std::clamp<qint64>(whole, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

QString simplifyResultLine(const QStringList& captions, int lastStep, bool wholeNumber, const QString& closing)
{
    const auto caption = [&](int i) { return i < captions.size() ? captions[i] : QString(); };
    QString line;
    const int last = 2 * lastStep + 2;
    for (int i = 0; i <= last; i += 2) {
        if (wholeNumber && i == last)
            line += caption(i) + QStringLiteral(" = ");
        else
            line += caption(i) + QLatin1Char('/') + caption(i + 1) + QStringLiteral(" = ");
    }
    return line + QStringLiteral(" * ") + closing + QStringLiteral(" *");
}

} // namespace maroleta
