// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// A fraction drawn as circles cut into equal sectors, and a click that paints one sector over.
#pragma once

#include "logic/canvas.h"

#include <optional>
#include <vector>

namespace maroleta {

// The turn the sectors of every circle share: each sector is this over the denominator, so the last one
// stops about 0.000005 rad short of a full turn.
constexpr double kSectorTurn = 6.28318;

// Where the circles of a drawing go.
struct FractionLayout {
    bool severalCircles = false; // numerator > denominator: a row of circles
    qint64 wholeCircles = 0; // full circles when several are drawn, Int(numerator / denominator)
    qint64 cells = 1; // circles in the row, the partly painted one included
    qint64 cellWidth = 0;
    double radius = 0;
    double centreY = 0;
    std::vector<double> centresX;
    // Circles too small to hold their sectors are drawn as plain discs (blue when full).
    bool plainDiscs = false;
    bool discOutlines = true; // plain discs in cells too narrow for an outline are their fill alone
};

// The circles of numerator/denominator in a picture of width × height pixels.
FractionLayout layoutFraction(double width, double height, double numerator, double denominator);

// Clears the canvas and draws numerator/denominator: one circle of `denominator` sectors when the
// numerator is at most the denominator, else a row of full circles and a partly painted one. Sectors
// are counted counterclockwise from 3 o'clock, the counted ones blue, the others white; the rest of the
// picture becomes near-white grey. Returns Int(numerator / denominator) when several circles were drawn.
std::optional<qint64> drawFraction(Canvas& canvas, double numerator, double denominator);

// A press at (x, y): a blue sector turns white (returns -1), a white one turns blue (returns +1);
// anything else (the background, an outline, off the picture) is left alone (returns 0).
int toggleSector(Canvas& canvas, double x, double y);

} // namespace maroleta
