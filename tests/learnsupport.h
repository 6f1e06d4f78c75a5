// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// What the tests of the learning screens share: the drawn sectors of a picture (sectorcolours.h) and
// pressing on them; reading and writing the captions of a fraction.
#pragma once

#include "sectorcolours.h"
#include "widgets/controls.h"

#include <QStringList>
#include <QTest>

#include <cmath>

namespace maroleta::testing {

// The fraction "n/d" that two captions show.
inline QString shownFraction(const QLabel* numerator, const QLabel* denominator)
{
    return numerator->text() + u'/' + denominator->text();
}

// Writes the fraction "n/d" into two captions without redrawing anything, as a pupil's many clicks would.
inline void writeFraction(QLabel* numerator, QLabel* denominator, const QString& fraction)
{
    numerator->setText(fraction.section(u'/', 0, 0));
    denominator->setText(fraction.section(u'/', 1, 1));
}

// A press with `button` on pixel `pixel` of a picture's image.
inline void pressPicture(PictureBox* picture, QPoint pixel, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(picture, button, Qt::NoModifier, picture->contentsRect().topLeft() + pixel);
}

// The pixel of a picture's image at the point of sector `sector`'s middle of a one-circle drawing.
inline QPoint sectorPoint(PictureBox* picture, double denominator, int sector)
{
    const QImage& image = picture->image();
    const FractionLayout layout = layoutFraction(image.width(), image.height(), 1, denominator);
    const double angle = (sector + 0.5) * 6.28318 / denominator;
    return QPoint(int(std::lround(layout.centresX.front() + 0.7 * layout.radius * std::cos(angle))),
        int(std::lround(layout.centreY - 0.7 * layout.radius * std::sin(angle))));
}

} // namespace maroleta::testing
