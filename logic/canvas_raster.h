// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Rasterising by hand on a 32-bit image: wedges of a disc, their part of the disc's rim, and radii.
//
// Pixel (x, y) is the unit square centred on the point (x, y). A disc of radius r holds the pixels whose
// centre lies within r of its centre; a sector holds the disc pixels whose centre lies inside its angle.
// Outlines are the disc's own boundary pixels (an 8-connected ring) and radii stepped one pixel at a time
// along their longer axis with the nearest pixel across. Every pixel a sector fills therefore lies on its
// own side of both its radii and inside its rim, so outlines close each sector and a 4-connected flood
// fill never leaks from one sector into the next or out to the background.
#pragma once

#include <QImage>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace maroleta::raster {

constexpr double kTurn = 2 * std::numbers::pi;
constexpr quint32 kForeground = 0x000000; // outlines: the picture's foreground colour, black
constexpr quint32 kBackground = 0xFFFFFF; // the cleared picture: white

// A design colour number (red in the low byte) as a 0xffRRGGBB pixel, and back.
inline QRgb toRgb(quint32 designColor)
{
    return qRgb(int(designColor & 0xFFu), int((designColor >> 8) & 0xFFu), int((designColor >> 16) & 0xFFu));
}

inline quint32 toDesign(QRgb rgb)
{
    return quint32(qRed(rgb)) | (quint32(qGreen(rgb)) << 8) | (quint32(qBlue(rgb)) << 16);
}

// Floor, ceiling and nearest whole number of values well within int range, without the library's slower
// rounding.
inline int floorOf(double value)
{
    const int truncated = int(value);
    return truncated - (value < double(truncated) ? 1 : 0);
}

inline int ceilOf(double value)
{
    const int truncated = int(value);
    return truncated + (value > double(truncated) ? 1 : 0);
}

inline int nearest(double value) { return floorOf(value + 0.5); }

// An angle folded into 0..2π.
double fold(double angle);

// The pixels of an RGB32 image, taken once per operation, and the width of the pen outlines are drawn with.
struct Surface {
    QRgb* bits;
    qsizetype stride;
    int width;
    int height;
    int lineWidth;

    QRgb* line(int y) const { return bits + qsizetype(y) * stride; }

    // Row y from left to right in `colour`, as far as it lies on the image.
    void setRun(int y, int left, int right, QRgb colour) const
    {
        if (y < 0 || y >= height)
            return;
        left = std::max(left, 0);
        right = std::min(right, width - 1);
        if (left <= right)
            std::fill(line(y) + left, line(y) + right + 1, colour);
    }

    // The pen at pixel (x, y): a square of its width around it, as far as it lies on the image.
    void plot(int x, int y) const
    {
        if (lineWidth == 1) {
            if (x >= 0 && y >= 0 && x < width && y < height)
                line(y)[x] = toRgb(kForeground);
            return;
        }
        const int before = (lineWidth - 1) / 2;
        const int after = lineWidth / 2;
        for (int row = y - before; row <= y + after; ++row)
            setRun(row, x - before, x + after, toRgb(kForeground));
    }
};

// The image's pixels; it must be RGB32 already. bits() detaches a shared image here, once.
Surface surfaceOf(QImage& image, int lineWidth);

struct Circle {
    double cx;
    double cy;
    double radius;
};

// Circles within these bounds keep every pixel coordinate well inside int range; a picture is far smaller.
bool drawable(const Circle& circle);

// The disc's pixels counterclockwise from angle `from` over `span` radians (at most a turn), ending at
// angle `to`, painted `paint`.
void fillSector(const Surface& surface, const Circle& circle, double from, double span, double to, QRgb paint);
// The same pixels' part of the disc's rim, drawn with the pen.
void drawRim(const Surface& surface, const Circle& circle, double from, double span, double to);

// A radius as a line of pixels: one for each step `along` its longer axis from `first` to `last`, the
// nearest one `across`, at across + (along - origin) · slope.
struct RadiusPixels {
    bool alongX;
    int first;
    int last;
    int step;
    double slope;
    double origin;
    double across;

    // The radius of `circle` in the direction whose cosine and sine these are (mathematical, y upwards).
    RadiusPixels(const Circle& circle, double cos, double sin)
    {
        const double dx = circle.radius * cos;
        const double dy = -circle.radius * sin;
        alongX = std::abs(dx) >= std::abs(dy);
        first = alongX ? nearest(circle.cx) : nearest(circle.cy);
        last = alongX ? nearest(circle.cx + dx) : nearest(circle.cy + dy);
        step = last >= first ? 1 : -1;
        slope = alongX ? (dx == 0 ? 0 : dy / dx) : dx / dy;
        origin = alongX ? circle.cx : circle.cy;
        across = alongX ? circle.cy : circle.cx;
    }

    int length() const { return (last - first) * step; }
    int acrossAt(int along) const { return nearest(across + (double(along) - origin) * slope); }
    // Both ends lie at least a pixel inside a width × height image: every pixel of the line does.
    bool inside(int width, int height) const
    {
        const int width1 = alongX ? width : height;
        const int height1 = alongX ? height : width;
        return std::min(first, last) >= 1 && std::max(first, last) < width1 - 1 && acrossAt(first) >= 1
            && acrossAt(first) < height1 - 1 && acrossAt(last) >= 1 && acrossAt(last) < height1 - 1;
    }
};

// The whole radius, with the pen.
void drawRadius(const Surface& surface, const RadiusPixels& radius);
// A radius that lies inside the image, one pixel wide, from `skip` steps past its first pixel on.
void drawRadiusFrom(const Surface& surface, const RadiusPixels& radius, int skip);

} // namespace maroleta::raster
