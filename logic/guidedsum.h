// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The guided sum of two fractions: drawing a task, stepping a working copy through the multiples of its
// denominator, judging the result over the common denominator, and drawing the two working fractions.
#pragma once

#include "logic/random.h"

#include <QImage>

#include <optional>

namespace maroleta {

// Colours of the guided sum: everything of the first fraction is cyan, everything of the second magenta.
namespace SumColor {
    constexpr quint32 Cyan = 0xC0C000; // RGB(0, 192, 192)
    constexpr quint32 Magenta = 0xC000C0; // RGB(192, 0, 192)
    constexpr quint32 LightYellow = 0x80FFFF; // the "+5" buttons
    constexpr quint32 LightPink = 0xC0C0FF; // the "-1" buttons
}

// A task A ± B. Each fraction has a denominator 2..12 and a numerator 1..denominator.
struct SumTask {
    int numeratorA = 1;
    int denominatorA = 2;
    int numeratorB = 1;
    int denominatorB = 3;
    bool sum = true; // false: the task is A - B
};

// True when the task is a sum: B is at least A. A smaller B makes it a subtraction, so the result
// is never negative. Equal fractions (1/2 and 2/4) give a sum.
bool isSumTask(double numeratorA, double denominatorA, double numeratorB, double denominatorB);

// A new task: for A, then for B, a denominator Int(r * 11) + 2 and then a numerator Int(r * d) + 1.
SumTask newSumTask(Random& random);

// A working copy of a task fraction: the task fraction amplified by some whole factor.
struct WorkingFraction {
    double numerator = 0;
    double denominator = 0;
    bool operator==(const WorkingFraction&) const = default;
};

// One multiple further: both terms grow by the task fraction's terms, so the value stays the same.
WorkingFraction nextMultiple(WorkingFraction working, double taskNumerator, double taskDenominator);
// One multiple back, or nothing when the working denominator is already the task's own.
std::optional<WorkingFraction> previousMultiple(WorkingFraction working, double taskNumerator, double taskDenominator);

// The amount a result button adds to its caption: the numerator buttons 2, 4, 5 and the denominator
// buttons 3, 6, 7 add 1, 5 and -1.
double resultStep(int index);
// True for the buttons that change the result numerator (2, 4, 5).
bool changesResultNumerator(int index);

// The right result numerator over the common denominator: N_A + N_B for a sum, N_A - N_B otherwise,
// as a whole number.
double expectedResultNumerator(double workingNumeratorA, double workingNumeratorB, bool sum);
bool isResultNumeratorRight(double resultNumerator, double workingNumeratorA, double workingNumeratorB, bool sum);
// Any common denominator the pupil has reached is right, not only the least one.
bool isResultDenominatorRight(double resultDenominator, double workingDenominatorA);

// One working fraction as a circle of `denominator` sectors, the first `numerator` of them in `color`.
struct SumCircle {
    double numerator = 0;
    double denominator = 1;
    quint32 color = SumColor::Cyan;
};

// The colours of the two circles: cyan and magenta, both blue while the working denominators are equal.
quint32 sumCircleColorA(bool equalDenominators);
quint32 sumCircleColorB(bool equalDenominators);

// Clears `image` and draws A' centred at a quarter of its width and B' at three quarters, both with
// radius H/2 - 2 (less in a picture under twice as wide as high, so that they never overlap), sectors counted
// counterclockwise from 3 o'clock, black outlines, white empty sectors.
void drawSumCircles(QImage& image, const SumCircle& a, const SumCircle& b);

} // namespace maroleta
