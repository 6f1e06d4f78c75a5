// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The drawing layer of the learning screens, rasterised by hand on a 32-bit QImage. This file holds the
// canvas's own state and the simple operations; the pixels are set by canvas_raster.cpp (wedges of a disc,
// rims, radii), canvas_pies.cpp (a run of pies on one circle) and canvas_floodfill.cpp.
//
// Why the drawing is not simply each pie in turn: a fraction's circle has up to 2000 sectors, and the worst
// handler redraws sixteen such circles on a 1900 × 500 picture. That redraw must fit well inside one 60 Hz
// frame (16.7 ms); drawn pie after pie it takes about 90 ms, as a run of pies under 2 ms. So a run of
// pies merges the fills of neighbouring sectors of one colour, and their arcs, into a few sectors, draws
// each shared radius once and writes the radii near the centre, where they overlap, as runs; radii inside
// the picture are written without a check per pixel; and the flood fill paints whole runs of a row.
// bench/bench_drawing guards this (BM_SixteenCirclesOf2000 is the worst case), and bench/bench_handlers
// the handlers that draw; tst_canvas checks that a run of pies leaves every pixel as the pies drawn in
// turn do.
#include "logic/canvas.h"

#include "logic/canvas_floodfill.h"
#include "logic/canvas_raster.h"
#include "logic/captions.h"

#include <algorithm>
#include <cmath>

namespace maroleta {

using namespace raster;

Canvas::Canvas(QImage& image)
    : m_image(image)
{
    // One pixel layout, 0xffRRGGBB, so that a colour is compared as one word.
    if (m_image.format() != QImage::Format_RGB32)
        m_image = m_image.convertToFormat(QImage::Format_RGB32);
}

void Canvas::clear() { m_image.fill(toRgb(kBackground)); }

void Canvas::setLineWidth(int pixels) { m_lineWidth = std::max(1, pixels); }

void Canvas::setFillColor(quint32 designColor) { m_fillColor = designColor & 0xFFFFFFu; }

double Canvas::scaleWidth() const { return m_image.width(); }

double Canvas::scaleHeight() const { return m_image.height(); }

void Canvas::pie(double centreX, double centreY, double radius, double start, double end)
{
    pies(centreX, centreY, radius, { Slice { start, end, m_fillColor } });
}

void Canvas::disc(double centreX, double centreY, double radius, bool outline)
{
    const Circle circle { centreX, centreY, radius };
    if (!drawable(circle))
        return;
    const Surface surface = surfaceOf(m_image, m_lineWidth);
    fillSector(surface, circle, 0, kTurn, kTurn, toRgb(m_fillColor));
    if (outline)
        drawRim(surface, circle, 0, kTurn, kTurn);
}

quint32 Canvas::point(double x, double y) const
{
    if (!std::isfinite(x) || !std::isfinite(y) || std::abs(x) > 1e9 || std::abs(y) > 1e9)
        return kOutside;
    return pixel(int(roundHalfEven(x)), int(roundHalfEven(y)));
}

quint32 Canvas::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return kOutside;
    return toDesign(m_image.pixel(x, y));
}

void Canvas::floodFill(int x, int y, quint32 color)
{
    color &= 0xFFFFFFu;
    if (pixel(x, y) != color || color == m_fillColor)
        return;
    raster::floodFill(surfaceOf(m_image, m_lineWidth), x, y, toRgb(color), toRgb(m_fillColor));
}

} // namespace maroleta
