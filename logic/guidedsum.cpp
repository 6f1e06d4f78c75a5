// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The guided sum of two fractions: tasks, multiples, judging and the two circles.
#include "logic/guidedsum.h"

#include "logic/canvas.h"
#include "logic/captions.h"
#include "logic/colors.h"
#include "logic/fractiondrawing.h"

#include <algorithm>
#include <vector>

namespace maroleta {

bool isSumTask(double numeratorA, double denominatorA, double numeratorB, double denominatorB)
{
    // Both quotients are correctly rounded, so equal fractions such as 1/3 and 2/6 compare equal.
    return numeratorB / denominatorB >= numeratorA / denominatorA;
}

SumTask newSumTask(Random& random)
{
    SumTask task;
    task.denominatorA = random.draw(11, 2);
    task.numeratorA = random.draw(task.denominatorA, 1);
    task.denominatorB = random.draw(11, 2);
    task.numeratorB = random.draw(task.denominatorB, 1);
    task.sum = isSumTask(task.numeratorA, task.denominatorA, task.numeratorB, task.denominatorB);
    return task;
}

WorkingFraction nextMultiple(WorkingFraction working, double taskNumerator, double taskDenominator)
{
    return { working.numerator + taskNumerator, working.denominator + taskDenominator };
}

std::optional<WorkingFraction> previousMultiple(WorkingFraction working, double taskNumerator, double taskDenominator)
{
    if (working.denominator - taskDenominator <= 0)
        return std::nullopt;
    return WorkingFraction { working.numerator - taskNumerator, working.denominator - taskDenominator };
}

double resultStep(int index)
{
    switch (index) {
    case 4:
    case 6:
        return 5;
    case 5:
    case 7:
        return -1;
    default:
        return 1;
    }
}

bool changesResultNumerator(int index) { return index == 2 || index == 4 || index == 5; }

double expectedResultNumerator(double workingNumeratorA, double workingNumeratorB, bool sum)
{
    const double value = sum ? workingNumeratorA + workingNumeratorB : workingNumeratorA - workingNumeratorB;
    return static_cast<double>(roundHalfEven(value));
}

bool isResultNumeratorRight(double resultNumerator, double workingNumeratorA, double workingNumeratorB, bool sum)
{
    return resultNumerator == expectedResultNumerator(workingNumeratorA, workingNumeratorB, sum);
}

bool isResultDenominatorRight(double resultDenominator, double workingDenominatorA)
{
    return resultDenominator == workingDenominatorA;
}

quint32 sumCircleColorA(bool equalDenominators) { return equalDenominators ? DesignColor::Blue : SumColor::Cyan; }

quint32 sumCircleColorB(bool equalDenominators) { return equalDenominators ? DesignColor::Blue : SumColor::Magenta; }

namespace {
    void drawCircle(Canvas& canvas, float centreX, float centreY, float radius, const SumCircle& circle)
    {
        const qint64 sectors = roundHalfEven(circle.denominator);
        if (sectors < 1 || radius <= 0)
            return;
        const double angle = kSectorTurn / static_cast<double>(sectors);
        std::vector<Canvas::Slice> slices;
        slices.reserve(static_cast<std::size_t>(sectors));
        for (qint64 j = 0; j < sectors; ++j) {
            // Angle 0 cannot carry the minus that asks for a radius, so the first sector starts at the end
            // of the last one (6.28318, just short of a full turn) and runs counterclockwise through 3 o'clock.
            const double start = j == 0 ? kSectorTurn : static_cast<double>(j) * angle;
            const double end = static_cast<double>(j + 1) * angle;
            const quint32 fill = static_cast<double>(j + 1) <= circle.numerator ? circle.color : DesignColor::White;
            slices.push_back({ -start, -end, fill });
        }
        canvas.pies(centreX, centreY, radius, slices);
    }
}

void drawSumCircles(QImage& image, const SumCircle& a, const SumCircle& b)
{
    Canvas canvas(image);
    canvas.clear();
    canvas.setLineWidth(1);
    const auto width = static_cast<float>(canvas.scaleWidth());
    const auto height = static_cast<float>(canvas.scaleHeight());
    // In a picture less than twice as wide as it is high the circles of radius H/2 - 2 would overlap, and
    // B' would cover sectors of A'; there the radius shrinks so that each circle keeps its own half.
    const float radius = std::min(height / 2 - 2, width / 4 - 2);
    drawCircle(canvas, width / 4, height / 2, radius, a);
    drawCircle(canvas, 3 * width / 4, height / 2, radius, b);
}

} // namespace maroleta
