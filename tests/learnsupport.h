// What the tests of the drawings and the learning screens share: reading the drawn sectors of a picture
// and pressing on it; reading and writing the captions of a fraction.
#pragma once

#include "logic/canvas.h"
#include "logic/colors.h"
#include "logic/fractiondrawing.h"
#include "logic/guidedsum.h"
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

// The colours of the `sectors` sectors of the circle centred at (cx, cy), each read in its middle at `reach`
// of the radius, counterclockwise from 3 o'clock: 'b' blue, 'w' white, 'c' cyan, 'm' magenta, '?' other.
inline QString sectorLetters(QImage& image, double cx, double cy, double radius, int sectors, double reach = 0.8)
{
    const Canvas canvas(image);
    QString letters;
    for (int sector = 0; sector < sectors; ++sector) {
        const double angle = (sector + 0.5) * 6.28318 / sectors;
        const quint32 colour = canvas.pixel(int(std::lround(cx + reach * radius * std::cos(angle))),
            int(std::lround(cy - reach * radius * std::sin(angle))));
        letters += colour == DesignColor::Blue ? u'b'
            : colour == DesignColor::White     ? u'w'
            : colour == SumColor::Cyan         ? u'c'
            : colour == SumColor::Magenta      ? u'm'
                                               : u'?';
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
