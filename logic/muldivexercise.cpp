// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Multiplication and division practice: drawing, the expected answer and the results line.
#include "logic/muldivexercise.h"

namespace maroleta {

MulDivExercise drawMulDivExercise(Random& random)
{
    MulDivExercise exercise;
    exercise.a = random.draw(10, 1);
    exercise.b = random.draw(10, 3);
    exercise.c = random.draw(10, 1);
    exercise.d = random.draw(10, 3);
    return exercise;
}

MulDivAnswer expectedMulDiv(double a, double b, double c, double d, MulDivOperation operation)
{
    if (operation == MulDivOperation::Multiply)
        return { a * c, b * d };
    return { a * d, b * c };
}

QString mulDivResultLine(const MulDivLine& line)
{
    const QString sign = line.operation == MulDivOperation::Multiply ? QStringLiteral(" X ") : QStringLiteral(" : ");
    return line.a + QLatin1Char('/') + line.b + sign + line.c + QLatin1Char('/') + line.d + QStringLiteral(" = ")
        + line.x + QLatin1Char('/') + line.y + QStringLiteral(" ** ") + line.closing + QStringLiteral(" **");
}

} // namespace maroleta
