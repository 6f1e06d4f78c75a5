// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Multiplication and division practice without its window: drawing two fractions, the answer expected
// (the unreduced product or cross product) and the results line.
#pragma once

#include "logic/random.h"

#include <QString>

namespace maroleta {

enum class MulDivOperation { Multiply, Divide };

struct MulDivExercise {
    int a = 1, b = 3; // first fraction a/b: numerator 1..10, denominator 3..12
    int c = 1, d = 3; // second fraction c/d
};

// Numerator then denominator of the first fraction, then of the second, one draw each.
MulDivExercise drawMulDivExercise(Random& random);

struct MulDivAnswer {
    double numerator = 0;
    double denominator = 0;
};
// a·c over b·d for a multiplication, a·d over b·c for a division, never reduced.
MulDivAnswer expectedMulDiv(double a, double b, double c, double d, MulDivOperation operation);

// The captions that make a finished exercise's results line.
struct MulDivLine {
    QString a, b, c, d;
    MulDivOperation operation = MulDivOperation::Multiply;
    QString x, y; // the pupil's answer
    QString closing;
};
// "a/b X c/d = x/y ** closing **", with " : " for a division.
QString mulDivResultLine(const MulDivLine& line);

} // namespace maroleta
