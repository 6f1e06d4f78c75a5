// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// A run of pies on one circle, drawn as a few merged sectors: the fills of neighbouring slices of one
// colour together, the arcs of neighbouring slices together, every shared radius once, and the radii near
// the centre, where they run through the same pixels, as runs of a row or column.
// Why: see the top of canvas.cpp.
#include "logic/canvas.h"
#include "logic/canvas_raster.h"

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace maroleta {

using namespace raster;

namespace {
    // A slice counterclockwise from `from` to `to`; equal ends make a full turn, as the platform's pie does.
    struct Piece {
        double from;
        double to;
        double span; // negative for a slice with an angle that is no number: it is left out
        bool startRadius;
        bool endRadius;
        bool follows; // it starts where the piece before it ends
        quint32 color;

        bool drawn() const { return span >= 0; }
        bool filled() const { return drawn() && startRadius && endRadius; }
    };

    std::vector<Piece> piecesOf(const std::vector<Canvas::Slice>& slices)
    {
        std::vector<Piece> pieces;
        pieces.reserve(slices.size());
        for (const Canvas::Slice& slice : slices) {
            if (!std::isfinite(slice.start) || !std::isfinite(slice.end)) {
                pieces.push_back({ 0, 0, -1, false, false, false, 0 });
                continue;
            }
            const double from = fold(std::abs(slice.start));
            const double to = fold(std::abs(slice.end));
            double span = to - from;
            if (span <= 0)
                span += kTurn;
            const bool follows = !pieces.empty() && pieces.back().drawn() && pieces.back().to == from;
            pieces.push_back({ from, to, span, slice.start < 0, slice.end < 0, follows, slice.fillColor & 0xFFFFFFu });
        }
        return pieces;
    }

    // Pieces first..last drawn as one sector of `span` radians.
    struct Group {
        std::size_t first;
        std::size_t last;
        double span;
    };

    // Neighbouring pieces that meet, as long as together they stay within half a turn and `joins(i)` lets
    // piece i continue the group of the piece before it.
    template <typename Joins> std::vector<Group> groupsOf(const std::vector<Piece>& pieces, Joins joins)
    {
        std::vector<Group> groups;
        std::size_t i = 0;
        while (i < pieces.size()) {
            if (!pieces[i].drawn()) {
                ++i;
                continue;
            }
            Group group { i, i, pieces[i].span };
            while (group.last + 1 < pieces.size() && pieces[group.last + 1].follows && joins(group.last + 1)
                && group.span + pieces[group.last + 1].span <= std::numbers::pi) {
                ++group.last;
                group.span += pieces[group.last].span;
            }
            groups.push_back(group);
            i = group.last + 1;
        }
        return groups;
    }

    void fillAll(const Surface& surface, const Circle& circle, const std::vector<Piece>& pieces)
    {
        auto sameFill = [&](std::size_t i) {
            return pieces[i].filled() && pieces[i - 1].filled() && pieces[i].color == pieces[i - 1].color;
        };
        for (const Group& group : groupsOf(pieces, sameFill)) {
            const Piece& first = pieces[group.first];
            if (first.filled())
                fillSector(surface, circle, first.from, group.span, pieces[group.last].to, toRgb(first.color));
        }
    }

    void rimAll(const Surface& surface, const Circle& circle, const std::vector<Piece>& pieces)
    {
        for (const Group& group : groupsOf(pieces, [](std::size_t) { return true; }))
            drawRim(surface, circle, pieces[group.first].from, group.span, pieces[group.last].to);
    }

    // The angles of the radii to draw: a radius that ends one slice and starts the next is drawn once.
    std::vector<double> radiusAngles(const std::vector<Piece>& pieces)
    {
        std::vector<double> angles;
        angles.reserve(pieces.size() + 1);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            if (!pieces[i].drawn())
                continue;
            if (pieces[i].startRadius)
                angles.push_back(pieces[i].from);
            const bool nextStartsHere = i + 1 < pieces.size() && pieces[i + 1].follows && pieces[i + 1].startRadius;
            if (pieces[i].endRadius && !nextStartsHere)
                angles.push_back(pieces[i].to);
        }
        return angles;
    }

    std::vector<RadiusPixels> radiusLines(const Circle& circle, const auto& directions)
    {
        std::vector<RadiusPixels> lines;
        lines.reserve(directions.size());
        for (const auto& direction : directions)
            lines.emplace_back(circle, direction.cos, direction.sin);
        return lines;
    }

    // Neighbouring radii of a circle of many sectors run through the same pixels near the centre. A group
    // of lines inside the image, on the same axis and direction, with slopes in order, starts at `head`.
    std::size_t groupEnd(const Surface& surface, const std::vector<RadiusPixels>& lines, std::size_t head)
    {
        std::size_t end = head + 1;
        int order = 0; // the slopes' direction along the group, once known
        for (; end < lines.size(); ++end) {
            const RadiusPixels& next = lines[end];
            const RadiusPixels& previous = lines[end - 1];
            if (next.alongX != lines[head].alongX || next.step != lines[head].step
                || !next.inside(surface.width, surface.height))
                break;
            const int direction = next.slope > previous.slope ? 1 : next.slope < previous.slope ? -1 : 0;
            if (direction != 0 && order != 0 && direction != order)
                break;
            if (direction != 0)
                order = direction;
        }
        return end;
    }

    // The steps from the centre over which the group's lines lie less than a pixel apart across. At `k`
    // steps they lie at most (k + 0.5) · gap apart, gap being the largest difference of neighbouring
    // slopes; below one pixel (with a margin for rounding) the nearest pixels of neighbouring lines touch
    // or coincide. -1 for a line on its own.
    int stepsTogether(const std::vector<RadiusPixels>& lines, std::size_t head, std::size_t end)
    {
        if (end - head < 2)
            return -1;
        double gap = 0;
        int longest = lines[head].length();
        for (std::size_t i = head + 1; i < end; ++i) {
            gap = std::max(gap, std::abs(lines[i].slope - lines[i - 1].slope));
            longest = std::max(longest, lines[i].length());
        }
        const double reach = gap > 0 ? 0.99 / gap - 0.5 : double(longest);
        return int(std::min(double(longest), std::floor(reach)));
    }

    // The group's pixels up to `together` steps from the centre: at each step one run across, between the
    // outer two of the lines that reach that far. Slopes in order on one axis and in one direction are
    // angles in order within the quarter turn round that axis, so the lengths rise to the line nearest the
    // axis and fall after it: the lines still `k` steps long are a run of the group.
    void drawTogether(
        const Surface& surface, const std::vector<RadiusPixels>& lines, std::size_t head, std::size_t end, int together)
    {
        const QRgb black = toRgb(kForeground);
        const RadiusPixels& axis = lines[head];
        qsizetype low = qsizetype(head);
        qsizetype high = qsizetype(end) - 1;
        for (int k = 0; k <= together; ++k) {
            while (low <= high && lines[std::size_t(low)].length() < k)
                ++low;
            while (high >= low && lines[std::size_t(high)].length() < k)
                --high;
            if (low > high)
                break;
            const int along = axis.first + k * axis.step;
            const int a = lines[std::size_t(low)].acrossAt(along);
            const int b = lines[std::size_t(high)].acrossAt(along);
            if (axis.alongX) {
                for (int y = std::min(a, b); y <= std::max(a, b); ++y)
                    surface.line(y)[along] = black;
            } else {
                std::fill(surface.line(along) + std::min(a, b), surface.line(along) + std::max(a, b) + 1, black);
            }
        }
    }

    void drawRadii(const Surface& surface, const std::vector<RadiusPixels>& lines)
    {
        std::size_t i = 0;
        while (i < lines.size()) {
            if (surface.lineWidth != 1 || !lines[i].inside(surface.width, surface.height)) {
                drawRadius(surface, lines[i]);
                ++i;
                continue;
            }
            const std::size_t end = groupEnd(surface, lines, i);
            const int together = stepsTogether(lines, i, end);
            drawTogether(surface, lines, i, end, together);
            for (std::size_t j = i; j < end; ++j)
                drawRadiusFrom(surface, lines[j], together + 1);
            i = end;
        }
    }
}

void Canvas::pies(double centreX, double centreY, double radius, const std::vector<Slice>& slices)
{
    if (slices.empty())
        return;
    const Circle circle { centreX, centreY, radius };
    if (drawable(circle)) {
        const Surface surface = surfaceOf(m_image, m_lineWidth);
        const std::vector<Piece> pieces = piecesOf(slices);
        // Every fill, each in its slice's colour and in turn, so that where two meet the later wins; then
        // every outline on top of them.
        fillAll(surface, circle, pieces);
        rimAll(surface, circle, pieces);
        drawRadii(surface, radiusLines(circle, directionsOf(radiusAngles(pieces))));
    }
    setFillColor(slices.back().fillColor);
}

const std::vector<Canvas::Direction>& Canvas::directionsOf(std::vector<double> angles)
{
    // The circles of one drawing share the very same angles, and a picture of two circles redraws one of
    // them far more often: the last two runs are remembered.
    if (angles != m_rays[0].angles) {
        std::swap(m_rays[0], m_rays[1]);
        if (angles != m_rays[0].angles) {
            m_rays[0].angles = std::move(angles);
            m_rays[0].directions.clear();
            for (const double angle : m_rays[0].angles)
                m_rays[0].directions.push_back({ std::sin(angle), std::cos(angle) });
        }
    }
    return m_rays[0].directions;
}

} // namespace maroleta
