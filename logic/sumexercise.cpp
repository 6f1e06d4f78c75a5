// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Sum and subtraction practice: drawing, lists of multiples, judging and the results line.
#include "logic/sumexercise.h"

#include "logic/captions.h"

namespace maroleta {

bool thirdIsAdded(double n0, double d0, double n1, double d1, double n2, double d2)
{
    return n2 / d2 > n0 / d0 + n1 / d1;
}

SumExercise drawSumExercise(Random& random)
{
    SumExercise exercise;
    for (int i = 0; i < 3; ++i) {
        exercise.numerators[i] = random.draw(10, 1);
        exercise.denominators[i] = random.draw(10, 2);
    }
    const auto& n = exercise.numerators;
    const auto& d = exercise.denominators;
    exercise.addThird = thirdIsAdded(n[0], d[0], n[1], d[1], n[2], d[2]);
    return exercise;
}

QStringList multiplesList(double denominator, double product)
{
    QStringList items;
    if (denominator <= 0)
        return items; // no multiples to climb; the given denominators are never 0
    for (double k = 1; k * denominator < product + 30; ++k)
        items.append(numberCaption(k * denominator));
    return items;
}

SumJudgement judgeSum(const std::array<double, 3>& numerators, const std::array<int, 3>& multipliers, bool addThird,
    const std::array<double, 4>& answers)
{
    SumJudgement judgement;
    std::array<double, 3> amplified {};
    for (int i = 0; i < 3; ++i) {
        amplified[i] = multipliers[i] * numerators[i];
        judgement.right[i] = amplified[i] == answers[i];
    }
    const double result
        = addThird ? amplified[0] + amplified[1] + amplified[2] : amplified[0] + amplified[1] - amplified[2];
    judgement.right[3] = result == answers[3];
    return judgement;
}

QString sumResultLine(const SumLine& line)
{
    auto fraction = [&](int i) { return line.numerators[i] + QLatin1Char('/') + line.denominators[i]; };
    return fraction(0) + QStringLiteral(" + ") + fraction(1)
        + (line.addThird ? QStringLiteral(" + ") : QStringLiteral(" - ")) + fraction(2) + QStringLiteral(" = ")
        + line.resultNumerator + QLatin1Char('/') + line.resultDenominator + QStringLiteral(" *** ") + line.closing
        + QStringLiteral(" ***");
}

} // namespace maroleta
