// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// A fraction drawn as circles cut into equal sectors, and a click that paints one sector over.
#include "logic/fractiondrawing.h"

#include "logic/captions.h"
#include "logic/colors.h"

#include <algorithm>
#include <vector>

namespace maroleta {

namespace {
    // Below this radius the sectors of a circle cannot be told apart: such circles are drawn plain.
    constexpr double kSmallestSectorRadius = 3;
    // A plain disc with an outline needs this radius for some of its fill to show inside.
    constexpr double kSmallestDiscRadius = 2;

    // One circle of `sectors` sectors, the first `blueSectors` of them blue. A first pie from 2θ round to
    // θ paints the whole circle blue but the sector between θ and 2θ, because sector 0 starts at angle 0,
    // which cannot be marked as a radius; every sector is then drawn over in its own colour.
    void drawCircle(Canvas& canvas, double cx, double cy, double radius, qint64 sectors, qint64 blueSectors)
    {
        const double theta = kSectorTurn / double(sectors);
        std::vector<Canvas::Slice> slices;
        slices.reserve(std::size_t(sectors) + 1);
        if (blueSectors > 0) {
            if (sectors == 1) {
                canvas.setFillColor(DesignColor::Blue);
                canvas.disc(cx, cy, radius); // 2θ would lie beyond a full turn: one sector is the whole disc
            } else {
                slices.push_back({ float(-2 * theta), float(-theta), DesignColor::Blue });
            }
        }
        double a = 0;
        for (qint64 i = 0; i < sectors; ++i) {
            // Angles pass in single precision; neighbouring sectors share the very same value.
            slices.push_back(
                { float(-a), float(-(a + theta)), i + 1 <= blueSectors ? DesignColor::Blue : DesignColor::White });
            a += theta;
        }
        canvas.pies(cx, cy, radius, slices);
    }
}

FractionLayout layoutFraction(double width, double height, double numerator, double denominator)
{
    FractionLayout layout;
    const double halfHeight = float(height / 2);
    const double largest = halfHeight - 6; // the circles keep 6 pixels from the top and the bottom
    layout.centreY = halfHeight;
    if (numerator <= denominator) {
        layout.radius = std::max(largest, 1.0);
        layout.centresX = { float(width / 2) };
        return layout;
    }
    layout.severalCircles = true;
    layout.wholeCircles = floorInt(numerator / denominator);
    const qint64 whole = roundHalfEven(denominator);
    const bool exact = whole != 0 && roundHalfEven(numerator) % whole == 0;
    layout.cells = exact ? layout.wholeCircles : layout.wholeCircles + 1;
    layout.cellWidth = roundHalfEven(width) / std::max<qint64>(layout.cells, 1);
    double r = double(floorInt(double(layout.cellWidth) / 2));
    if (r - 2 > largest)
        r = largest;
    layout.radius = r - 2;
    if (layout.radius < kSmallestSectorRadius) {
        // Too small for sectors (or no radius at all once a cell is under 4 pixels wide): a plain disc
        // one pixel larger, still clear of its neighbours, so that every circle shows its colour.
        layout.plainDiscs = true;
        if (r - 1 >= kSmallestDiscRadius) {
            layout.radius = std::min(r - 1, largest);
        } else {
            // Cells under 6 pixels: an outline would leave no fill to see, so the disc is its fill
            // alone, a pixel clear of its neighbours where the cell allows it.
            layout.discOutlines = false;
            layout.radius = layout.cellWidth >= 4 ? 1 : 0.5;
        }
    }
    const double firstX = double(floorInt(double(layout.cellWidth) / 2));
    for (qint64 i = 0; i < layout.cells; ++i)
        layout.centresX.push_back(firstX + double(i * layout.cellWidth));
    return layout;
}

std::optional<qint64> drawFraction(Canvas& canvas, double numerator, double denominator)
{
    canvas.clear();
    canvas.setLineWidth(1);
    canvas.setFillColor(DesignColor::Blue);
    const qint64 sectors = std::max<qint64>(roundHalfEven(denominator), 1);
    const qint64 counted = std::max<qint64>(roundHalfEven(numerator), 0);
    const FractionLayout layout = layoutFraction(canvas.scaleWidth(), canvas.scaleHeight(), numerator, double(sectors));
    std::optional<qint64> wholeCircles;

    if (!layout.severalCircles) {
        drawCircle(canvas, layout.centresX.front(), layout.centreY, layout.radius, sectors, counted);
    } else {
        wholeCircles = layout.wholeCircles;
        for (qint64 i = 0; i < layout.cells; ++i) {
            const double cx = layout.centresX[std::size_t(i)];
            const qint64 blue = std::min(sectors, counted - i * sectors);
            if (layout.plainDiscs) {
                // A full circle is a blue disc. The partly painted one is left white inside its rim; where the
                // cells are too narrow for rims, it still gets one, or its white would go grey with the
                // background and the picture would read as a whole number, and it is blue once at least
                // half of it is painted, so that its fill shows at all.
                const bool whole = blue == sectors;
                const bool mostly = !whole && !layout.discOutlines && 2 * blue >= sectors;
                canvas.setFillColor(whole || mostly ? DesignColor::Blue : DesignColor::White);
                canvas.disc(cx, layout.centreY, layout.radius, layout.discOutlines || !whole);
            } else {
                drawCircle(canvas, cx, layout.centreY, layout.radius, sectors, blue);
            }
        }
    }

    // The background: the white left around the circles turns near-white grey, so that a press on it is
    // never taken for a press on an empty sector. The top rows lie outside every circle, so the fill
    // starts there, whatever the number of circles (a whole number of them included).
    canvas.setFillColor(DesignColor::NearWhite);
    if (canvas.pixel(1, 1) == DesignColor::White)
        canvas.floodFill(1, 1, DesignColor::White);
    return wholeCircles;
}

int toggleSector(Canvas& canvas, double x, double y)
{
    const quint32 colour = canvas.point(x, y);
    int change = 0;
    if (colour == DesignColor::Blue) {
        canvas.setFillColor(DesignColor::White);
        change = -1;
    } else if (colour == DesignColor::White) {
        canvas.setFillColor(DesignColor::Blue);
        change = 1;
    } else {
        return 0; // the background, an outline or a press off the picture
    }
    const int px = int(roundHalfEven(x));
    const int py = int(roundHalfEven(y));
    canvas.floodFill(px, py, canvas.pixel(px, py));
    return change;
}

} // namespace maroleta
