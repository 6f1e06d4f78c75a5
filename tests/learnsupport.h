// What the tests of the learning screens share: reading the drawn sectors of a picture and pressing on it.
#pragma once

#include "logic/canvas.h"
#include "logic/fractiondrawing.h"
#include "shell/controls.h"

#include <QTest>

#include <cmath>

namespace maroleta::testing {

// The colour in the middle of sector `sector` of circle `circle` of the fraction drawn in `picture`,
// at 0.8 of the radius.
inline quint32 sectorColour(PictureBox* picture, double numerator, double denominator, int circle, int sector)
{
    QImage& image = picture->image();
    const FractionLayout layout = layoutFraction(image.width(), image.height(), numerator, denominator);
    const double angle = (sector + 0.5) * 6.28318 / denominator;
    const double cx = layout.centresX.at(std::size_t(circle));
    const Canvas canvas(image);
    return canvas.pixel(int(std::lround(cx + 0.8 * layout.radius * std::cos(angle))),
        int(std::lround(layout.centreY - 0.8 * layout.radius * std::sin(angle))));
}

// The colours of all sectors of one circle, as a string of 'b' (blue), 'w' (white) and '?'.
inline QString sectorColours(PictureBox* picture, double numerator, double denominator, int circle = 0)
{
    QString colours;
    for (int sector = 0; sector < int(denominator); ++sector) {
        const quint32 colour = sectorColour(picture, numerator, denominator, circle, sector);
        colours += colour == DesignColor::Blue ? QLatin1Char('b')
            : colour == DesignColor::White     ? QLatin1Char('w')
                                               : QLatin1Char('?');
    }
    return colours;
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
