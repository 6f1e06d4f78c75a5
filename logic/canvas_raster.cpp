// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Wedges of a disc row by row, their part of the rim, and radii, on a 32-bit image.
#include "logic/canvas_raster.h"

#include <utility>

namespace maroleta::raster {

double fold(double angle)
{
    // Most angles are a turn or less away from the range: the same value the remainder gives, without it.
    if (angle >= 0 && angle < kTurn)
        return angle;
    if (angle < 0 && angle > -kTurn)
        return angle + kTurn;
    double folded = std::fmod(angle, kTurn);
    if (folded < 0)
        folded += kTurn;
    return folded;
}

Surface surfaceOf(QImage& image, int lineWidth)
{
    return { reinterpret_cast<QRgb*>(image.bits()), image.bytesPerLine() / qsizetype(sizeof(QRgb)), image.width(),
        image.height(), lineWidth };
}

bool drawable(const Circle& circle)
{
    constexpr double far = 1e6;
    return circle.radius >= 0 && circle.radius < far && std::abs(circle.cx) < far && std::abs(circle.cy) < far;
}

namespace {
    // Whole pixels along one row: [left, right], empty when left > right.
    struct Span {
        int left = 1;
        int right = 0;
        bool empty() const { return left > right; }
    };

    // Whether the centre of pixel (x, y) lies within the disc: the one test every part of a drawing uses.
    bool inDisc(const Circle& c, int x, int y)
    {
        const double dx = double(x) - c.cx;
        const double dy = double(y) - c.cy;
        return dx * dx + dy * dy <= c.radius * c.radius;
    }

    // The disc pixels of row y.
    Span chord(const Circle& c, int y)
    {
        const double dy = double(y) - c.cy;
        const double square = c.radius * c.radius - dy * dy;
        if (square < 0)
            return {};
        const double half = std::sqrt(square);
        Span span { ceilOf(c.cx - half), floorOf(c.cx + half) };
        // The square root may round either way at the very edge: settle the ends by the disc test.
        while (span.left <= span.right && !inDisc(c, span.left, y))
            ++span.left;
        while (inDisc(c, span.left - 1, y))
            --span.left;
        while (span.right >= span.left && !inDisc(c, span.right, y))
            --span.right;
        while (inDisc(c, span.right + 1, y))
            ++span.right;
        return span;
    }

    // The pixels where a·X + c·Y ≥ 0, X and Y measured from the centre (Y upwards): one side of a ray.
    struct HalfPlane {
        double a;
        double c;
        double ratio; // the row's bound is X = ratio·Y

        HalfPlane(double aX, double cY)
            : a(aX)
            , c(cY)
            , ratio(aX == 0 ? 0 : -cY / aX)
        {
        }

        void limit(Span& span, double cx, double up) const
        {
            constexpr double slack = 1e-9; // a pixel centre on the ray belongs to both sides
            if (a == 0) {
                if (c * up < -slack)
                    span = {};
                return;
            }
            // A ray close to the row's direction puts the bound far away: keep it within int range.
            const double bound = std::clamp(cx + ratio * up, -1e9, 1e9);
            if (a > 0)
                span.left = std::max(span.left, ceilOf(bound - slack));
            else
                span.right = std::min(span.right, floorOf(bound + slack));
        }
    };

    // A wedge of at most half a turn, counterclockwise from `from` over `span` radians: the pixels on the
    // left of the ray at `from` and on the right of the ray at `to` (screen y grows downwards).
    struct Wedge {
        double from;
        double span;
        double sinFrom;
        double sinTo;
        // cross(from, P) = cosFrom·Y − sinFrom·X ≥ 0 and cross(P, to) = sinTo·X − cosTo·Y ≥ 0.
        HalfPlane afterFrom;
        HalfPlane beforeTo;

        Wedge(double fromAngle, double spanAngle, double toAngle)
            : from(fromAngle)
            , span(spanAngle)
            , sinFrom(std::sin(fromAngle))
            , sinTo(std::sin(toAngle))
            , afterFrom(-sinFrom, std::cos(fromAngle))
            , beforeTo(sinTo, -std::cos(toAngle))
        {
        }

        // Narrows `row` of pixel row y to the pixels inside the wedge.
        Span clip(Span row, const Circle& c, int y) const
        {
            const double up = c.cy - double(y); // mathematical Y of the row
            afterFrom.limit(row, c.cx, up);
            beforeTo.limit(row, c.cx, up);
            return row;
        }

        // The rows the wedge can reach within the circle, or only those its arc can reach.
        std::pair<int, int> rows(const Circle& c, bool arcOnly) const
        {
            const double radius = c.radius;
            double top = arcOnly ? -radius : 0; // mathematical Y, upwards
            double bottom = arcOnly ? radius : 0;
            auto take = [&](double y) {
                top = std::max(top, y);
                bottom = std::min(bottom, y);
            };
            take(radius * sinFrom);
            take(radius * sinTo);
            auto covers = [&](double angle) { return fold(angle - from) <= span; };
            if (covers(std::numbers::pi / 2))
                take(radius);
            if (covers(3 * std::numbers::pi / 2))
                take(-radius);
            // The rim's pixels lie up to 1.5 pixels inside the circle: two rows of margin cover them.
            return { int(std::floor(c.cy - top)) - 2, int(std::ceil(c.cy - bottom)) + 2 };
        }
    };

    // A sector as wedges of at most half a turn each, so that every row of a wedge is one span; the last
    // one ends on the sector's own end angle.
    template <typename Draw> void eachWedge(double from, double span, double to, Draw draw)
    {
        if (span <= std::numbers::pi) {
            draw(Wedge(from, span, to));
            return;
        }
        const double middle = from + span / 2;
        draw(Wedge(from, span / 2, middle));
        draw(Wedge(middle, span / 2, to));
    }

    // The rows of the disc, widened by a row each way for the rim.
    std::pair<int, int> discRows(const Circle& c)
    {
        return { int(std::floor(c.cy - c.radius)) - 1, int(std::ceil(c.cy + c.radius)) + 1 };
    }

    // The disc pixels of row y on the inner side of both the wedge's rays, clipped to the image.
    void fillRow(const Surface& surface, const Circle& c, const Wedge& wedge, int y, QRgb paint)
    {
        const Span inside = wedge.clip(chord(c, y), c, y);
        const int left = std::max(inside.left, 0);
        const int right = std::min(inside.right, surface.width - 1);
        if (left <= right)
            std::fill(surface.line(y) + left, surface.line(y) + right + 1, paint);
    }

    // The wedge's rim on row y: the disc pixels of the row missing a horizontal or vertical neighbour in
    // the disc, given the disc pixels of the rows above and below.
    void rimRow(const Surface& surface, const Circle& c, const Wedge& wedge, int y, const Span& above, const Span& row,
        const Span& below)
    {
        Span interior { row.left + 1, row.right - 1 };
        if (above.empty() || below.empty()) {
            interior = {};
        } else {
            interior.left = std::max({ interior.left, above.left, below.left });
            interior.right = std::min({ interior.right, above.right, below.right });
        }
        const Span leftRim = interior.empty() ? row : Span { row.left, interior.left - 1 };
        const Span rightRim = interior.empty() ? Span {} : Span { interior.right + 1, row.right };
        for (const Span& rim : { leftRim, rightRim }) {
            const Span drawn = wedge.clip(rim, c, y);
            // Only the pixels a pen this wide can reach inside the image.
            const int start = std::max(drawn.left, -surface.lineWidth);
            const int end = std::min(drawn.right, surface.width + surface.lineWidth);
            for (int x = start; x <= end; ++x)
                surface.plot(x, y);
        }
    }
}

void fillSector(const Surface& surface, const Circle& circle, double from, double span, double to, QRgb paint)
{
    // Plain names, not a structured binding: clang 14, which builds the fuzzers, cannot capture those.
    const auto disc = discRows(circle);
    const int discTop = disc.first;
    const int discBottom = disc.second;
    eachWedge(from, span, to, [&](const Wedge& wedge) {
        const auto [top, bottom] = wedge.rows(circle, false);
        const int last = std::min({ bottom, discBottom, surface.height - 1 });
        for (int y = std::max({ top, discTop, 0 }); y <= last; ++y)
            fillRow(surface, circle, wedge, y, paint);
    });
}

void drawRim(const Surface& surface, const Circle& circle, double from, double span, double to)
{
    const auto disc = discRows(circle);
    const int discTop = disc.first;
    const int discBottom = disc.second;
    eachWedge(from, span, to, [&](const Wedge& wedge) {
        // Only the rows of the arc; each row's disc pixels serve the rows above and below it too.
        const auto [top, bottom] = wedge.rows(circle, true);
        const int first = std::max({ top, discTop, -1 });
        const int last = std::min({ bottom, discBottom, surface.height });
        Span above = chord(circle, first - 1);
        Span row = chord(circle, first);
        for (int y = first; y <= last; ++y) {
            const Span below = chord(circle, y + 1);
            if (!row.empty())
                rimRow(surface, circle, wedge, y, above, row, below);
            above = row;
            row = below;
        }
    });
}

void drawRadius(const Surface& surface, const RadiusPixels& radius)
{
    if (surface.lineWidth == 1 && radius.inside(surface.width, surface.height)) {
        drawRadiusFrom(surface, radius, 0);
        return;
    }
    // A line that may leave the image, or a wider pen: pixel by pixel, with checks.
    for (int along = radius.first;; along += radius.step) {
        const int other = radius.acrossAt(along);
        surface.plot(radius.alongX ? along : other, radius.alongX ? other : along);
        if (along == radius.last)
            break;
    }
}

void drawRadiusFrom(const Surface& surface, const RadiusPixels& radius, int skip)
{
    const QRgb black = toRgb(kForeground);
    const int count = radius.length();
    if (radius.alongX) {
        for (int i = skip, x = radius.first + skip * radius.step; i <= count; ++i, x += radius.step)
            surface.line(radius.acrossAt(x))[x] = black;
    } else {
        for (int i = skip, y = radius.first + skip * radius.step; i <= count; ++i, y += radius.step)
            surface.line(y)[radius.acrossAt(y)] = black;
    }
}

} // namespace maroleta::raster
