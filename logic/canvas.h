// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The drawing layer of the learning screens: a persistent image with the operations the fraction
// drawings need (clear, fill colour, pie sectors, reading a pixel, flood fill of one colour's area).
// Everything is drawn without antialiasing, so every pixel holds exactly one design colour.
#pragma once

#include <QImage>

#include <array>
#include <limits>
#include <utility>
#include <vector>

namespace maroleta {

class Canvas {
public:
    // Draws into `image`, which must outlive the canvas.
    explicit Canvas(QImage& image);

    // The whole image becomes the background colour, white.
    void clear();
    // Outlines are drawn `pixels` wide in the foreground colour, black.
    void setLineWidth(int pixels);
    // The colour (a design colour number) that closed sectors and flood fills paint with.
    void setFillColor(quint32 designColor);
    quint32 fillColor() const { return m_fillColor; }

    // The drawable area in pixels.
    double scaleWidth() const;
    double scaleHeight() const;

    // An arc of a circle drawn counterclockwise from `start` to `end` (radians, measured from 3 o'clock,
    // each within -2π..2π). A negative angle means a radius is drawn to that end of the arc (its absolute
    // value is the angle); when both are negative the closed sector is filled with the fill colour first.
    void pie(double centreX, double centreY, double radius, double start, double end);
    // One of a run of pies on the same circle, each with its own fill colour.
    struct Slice {
        double start;
        double end;
        quint32 fillColor;
    };
    // A run of pies on one circle: first the fill of every slice, in turn, so that where two meet the
    // later one wins; then every outline (arcs and radii) on top. Every outline therefore shows whole,
    // and each sector stays closed however thin it is. The fill colour stays the last slice's.
    void pies(double centreX, double centreY, double radius, const std::vector<Slice>& slices);
    // A whole circle filled with the fill colour, with no radius; its outline unless `outline` is false.
    void disc(double centreX, double centreY, double radius, bool outline = true);

    // The design colour number of the pixel under (x, y), rounded to whole pixels; kOutside off the image.
    quint32 point(double x, double y) const;
    quint32 pixel(int x, int y) const;
    static constexpr quint32 kOutside = 0xFFFFFFFFu;

    // Paints the area of colour `color` connected to (x, y) with the fill colour ("surface" mode).
    // Scan lines from a work list, no recursion: a full-image fill cannot overflow the stack.
    void floodFill(int x, int y, quint32 color);

private:
    // The sine and cosine of a radius's angle.
    struct Direction {
        double sin;
        double cos;
    };
    // The directions of a run's radii at these angles, remembered from the last two runs.
    const std::vector<Direction>& directionsOf(std::vector<double> angles);

    QImage& m_image;
    int m_lineWidth = 1;
    quint32 m_fillColor = 0xFFFFFF;
    struct Rays {
        std::vector<double> angles;
        std::vector<Direction> directions;
    };
    std::array<Rays, 2> m_rays;
};

} // namespace maroleta
