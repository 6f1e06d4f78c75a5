// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// What the fraction drawings offer beyond their pixels: the points the keyboard presses, one in every
// sector, and the words a screen reader says for a drawing.
#pragma once

#include <QPoint>
#include <QString>

#include <vector>

namespace maroleta {

// One point well inside every sector of the drawing of numerator/denominator in a picture of width ×
// height pixels, as drawFraction lays it out: circle by circle from the left, each counterclockwise from
// 3 o'clock; a circle drawn as a plain disc gives its centre alone.
std::vector<QPoint> sectorSpots(double width, double height, double numerator, double denominator);

// The circles drawFraction draws for numerator/denominator in a picture of width × height pixels.
qint64 fractionCircles(double width, double height, double numerator, double denominator);

// "1/2: un círculo de 2 partes, 1 coloreada"; `circles` is the number of circles on the picture.
QString fractionPictureText(double numerator, double denominator, qint64 circles);

// The two working fractions of the guided sum, and whether their circles share the colour of equal
// denominators.
QString sumPictureText(
    double numeratorA, double denominatorA, double numeratorB, double denominatorB, bool equalDenominators);

} // namespace maroleta
