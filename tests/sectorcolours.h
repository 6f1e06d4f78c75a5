// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Reading the colours of drawn circles from a picture's image, without any widget.
#pragma once

#include "logic/canvas.h"
#include "logic/colors.h"
#include "logic/fractiondrawing.h"
#include "logic/guidedsum.h"

#include <QStringList>

#include <cmath>

namespace maroleta::testing {

// The colour of the pixel nearest to (x, y) as a letter: 'b' blue, 'w' white, 'c' cyan, 'm' magenta,
// 'k' black, 'g' the near-white grey of the background, '?' other.
inline QChar letterAt(const Canvas& canvas, double x, double y)
{
    const quint32 colour = canvas.pixel(int(std::lround(x)), int(std::lround(y)));
    return colour == DesignColor::Blue     ? u'b'
        : colour == DesignColor::White     ? u'w'
        : colour == SumColor::Cyan         ? u'c'
        : colour == SumColor::Magenta      ? u'm'
        : colour == DesignColor::Black     ? u'k'
        : colour == DesignColor::NearWhite ? u'g'
                                           : u'?';
}

// The colours of the `sectors` sectors of the circle centred at (cx, cy), each read in its middle at `reach`
// of the radius, counterclockwise from 3 o'clock.
inline QString sectorLetters(QImage& image, double cx, double cy, double radius, int sectors, double reach = 0.8)
{
    const Canvas canvas(image);
    QString letters;
    for (int sector = 0; sector < sectors; ++sector) {
        const double angle = (sector + 0.5) * 6.28318 / sectors;
        letters += letterAt(canvas, cx + reach * radius * std::cos(angle), cy - reach * radius * std::sin(angle));
    }
    return letters;
}

// The sector colours of every circle of numerator/denominator as drawFraction lays it out in `image`,
// circles separated by spaces ("bb bb bw" for 5/2).
inline QString circleColours(QImage& image, double numerator, double denominator)
{
    const FractionLayout layout = layoutFraction(image.width(), image.height(), numerator, denominator);
    QStringList circles;
    for (const double cx : layout.centresX)
        circles << sectorLetters(image, cx, layout.centreY, layout.radius, int(denominator));
    return circles.join(u' ');
}

// The sector colours of circle A' (0) or B' (1) of the guided sum's picture, read at 0.6 of the radius.
inline QString sumCircleColours(QImage& image, int which, int sectors)
{
    const double cy = image.height() / 2.0;
    const double radius = std::min(cy - 2, image.width() / 4.0 - 2);
    return sectorLetters(image, image.width() * (which == 0 ? 0.25 : 0.75), cy, radius, sectors, 0.6);
}

} // namespace maroleta::testing
