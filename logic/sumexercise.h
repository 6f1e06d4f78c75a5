// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Sum and subtraction practice without its window: drawing an exercise of three fractions, the lists of
// multiples the pupil picks the common denominator from, judging the answer row and its results line.
#pragma once

#include "logic/random.h"

#include <QString>
#include <QStringList>

#include <array>

namespace maroleta {

struct SumExercise {
    std::array<int, 3> numerators {}; // 1..10
    std::array<int, 3> denominators {}; // 2..11
    bool addThird = false;
};

// Whether the third fraction is added: only when it is strictly greater than the sum of the first two,
// compared as doubles, so a subtraction never goes below zero.
bool thirdIsAdded(double n0, double d0, double n1, double d1, double n2, double d2);

// A new exercise: numerator then denominator of each fraction, in order, one draw each.
SumExercise drawSumExercise(Random& random);

// The multiples of `denominator` offered in its list: denominator, 2 x denominator, ... while below
// `product` + 30, where product is the product of the three denominators. Each list therefore holds the
// product, and so every common multiple up to it.
QStringList multiplesList(double denominator, double product);

// The verdict on an answer row. `multipliers` are the positions picked in the lists counted from 1
// (0 when a list has no selection), `answers` the four numerators the pupil set.
struct SumJudgement {
    std::array<bool, 4> right {}; // the three amplified numerators, then the result
    bool allRight() const { return right[0] && right[1] && right[2] && right[3]; }
};
SumJudgement judgeSum(const std::array<double, 3>& numerators, const std::array<int, 3>& multipliers, bool addThird,
    const std::array<double, 4>& answers);

// The captions that make a finished sum's results line.
struct SumLine {
    std::array<QString, 3> numerators;
    std::array<QString, 3> denominators;
    bool addThird = false;
    QString resultNumerator;
    QString resultDenominator;
    QString closing; // the check text: right first time or after a mistake
};
// "n0/d0 + n1/d1 - n2/d2 = N/D *** closing ***"
QString sumResultLine(const SumLine& line);

} // namespace maroleta
