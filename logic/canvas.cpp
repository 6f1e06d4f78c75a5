// The drawing layer of the learning screens, rasterised by hand on a 32-bit QImage.
//
// Pixel (x, y) is the unit square centred on the point (x, y). A disc of radius r holds the pixels whose
// centre lies within r of its centre; a sector holds the disc pixels whose centre lies inside its angle.
// Outlines are the disc's own boundary pixels (an 8-connected ring) and radii stepped one pixel at a time
// along their longer axis with the nearest pixel across. Every pixel a sector fills therefore lies on its
// own side of both its radii and inside its rim, so outlines close each sector and a 4-connected flood
// fill never leaks from one sector into the next or out to the background.
#include "logic/canvas.h"

#include "logic/captions.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace maroleta {

namespace {
    constexpr double kTurn = 2 * std::numbers::pi;
    constexpr quint32 kForeground = 0x000000; // outlines: the picture's foreground colour, black
    constexpr quint32 kBackground = 0xFFFFFF; // the cleared picture: white

    QRgb toRgb(quint32 designColor)
    {
        return qRgb(int(designColor & 0xFFu), int((designColor >> 8) & 0xFFu), int((designColor >> 16) & 0xFFu));
    }

    quint32 toDesign(QRgb rgb)
    {
        return quint32(qRed(rgb)) | (quint32(qGreen(rgb)) << 8) | (quint32(qBlue(rgb)) << 16);
    }

    // An angle folded into 0..2π.
    double fold(double angle)
    {
        double folded = std::fmod(angle, kTurn);
        if (folded < 0)
            folded += kTurn;
        return folded;
    }

    // Whole pixels of a disc along one row: [left, right], empty when left > right.
    struct Span {
        int left = 1;
        int right = 0;
        bool empty() const { return left > right; }
    };

    // The disc pixels of row y.
    Span chord(double cx, double cy, double radius, int y)
    {
        const double dy = double(y) - cy;
        const double square = radius * radius - dy * dy;
        if (square < 0)
            return {};
        const double half = std::sqrt(square);
        return { int(std::ceil(cx - half)), int(std::floor(cx + half)) };
    }

    // A wedge of at most half a turn, counterclockwise from `from` over `span` radians: the pixels on the
    // left of the ray at `from` and on the right of the ray at `from + span` (screen y grows downwards).
    struct Wedge {
        double cx;
        double cy;
        double sinFrom;
        double cosFrom;
        double sinTo;
        double cosTo;

        Wedge(double centreX, double centreY, double from, double span)
            : cx(centreX)
            , cy(centreY)
            , sinFrom(std::sin(from))
            , cosFrom(std::cos(from))
            , sinTo(std::sin(from + span))
            , cosTo(std::cos(from + span))
        {
        }

        // Narrows `span` of row y to the pixels inside the wedge.
        Span clip(Span span, int y) const
        {
            const double up = cy - double(y); // mathematical Y of the row
            // cross(from, P) = cosFrom·Y − sinFrom·X ≥ 0 and cross(P, to) = sinTo·X − cosTo·Y ≥ 0.
            limit(span, -sinFrom, cosFrom * up);
            limit(span, sinTo, -cosTo * up);
            return span;
        }

        // Keeps the pixels where a·X + b ≥ 0, X measured from the centre.
        void limit(Span& span, double a, double b) const
        {
            constexpr double slack = 1e-9; // a pixel centre on the ray belongs to both sides
            if (a == 0) {
                if (b < -slack)
                    span = {};
                return;
            }
            // A ray close to the row's direction puts the bound far away: keep it within int range.
            const double bound = std::clamp(cx - b / a, -1e9, 1e9);
            if (a > 0)
                span.left = std::max(span.left, int(std::ceil(bound - slack)));
            else
                span.right = std::min(span.right, int(std::floor(bound + slack)));
        }

        // The rows the wedge can reach within `radius` of its centre.
        std::pair<int, int> rows(double radius, double from, double span) const
        {
            double top = 0; // mathematical Y, upwards
            double bottom = 0;
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
            return { int(std::floor(cy - top)) - 1, int(std::ceil(cy - bottom)) + 1 };
        }
    };

    // A sector split into wedges of at most half a turn each, so that every row of a wedge is one span.
    std::vector<std::pair<double, double>> wedgesOf(double from, double span)
    {
        std::vector<std::pair<double, double>> wedges;
        const int count = span > std::numbers::pi ? 2 : 1;
        for (int i = 0; i < count; ++i)
            wedges.emplace_back(from + span * i / count, span / count);
        return wedges;
    }
}

Canvas::Canvas(QImage& image)
    : m_image(image)
{
    if (m_image.format() != QImage::Format_RGB32 && m_image.format() != QImage::Format_ARGB32)
        m_image = m_image.convertToFormat(QImage::Format_RGB32);
}

void Canvas::clear() { m_image.fill(toRgb(kBackground)); }

void Canvas::setLineWidth(int pixels) { m_lineWidth = std::max(1, pixels); }

void Canvas::setFillColor(quint32 designColor) { m_fillColor = designColor & 0xFFFFFFu; }

double Canvas::scaleWidth() const { return m_image.width(); }

double Canvas::scaleHeight() const { return m_image.height(); }

void Canvas::setRun(int y, int left, int right, quint32 designColor)
{
    if (y < 0 || y >= m_image.height())
        return;
    left = std::max(left, 0);
    right = std::min(right, m_image.width() - 1);
    if (left > right)
        return;
    auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(y));
    std::fill(line + left, line + right + 1, toRgb(designColor));
}

void Canvas::plot(int x, int y)
{
    // A wider pen paints a square of its width around the pixel.
    const int before = (m_lineWidth - 1) / 2;
    const int after = m_lineWidth / 2;
    for (int row = y - before; row <= y + after; ++row)
        setRun(row, x - before, x + after, kForeground);
}

void Canvas::sector(double cx, double cy, double radius, double from, double span, bool fill, bool outline)
{
    for (const auto& [wedgeFrom, wedgeSpan] : wedgesOf(from, span)) {
        const Wedge wedge(cx, cy, wedgeFrom, wedgeSpan);
        const auto [top, bottom] = wedge.rows(radius, wedgeFrom, wedgeSpan);
        const int firstRow = std::max(top, int(std::floor(cy - radius)) - 1);
        const int lastRow = std::min(bottom, int(std::ceil(cy + radius)) + 1);
        for (int y = std::max(firstRow, -1); y <= std::min(lastRow, m_image.height()); ++y) {
            const Span row = chord(cx, cy, radius, y);
            if (row.empty())
                continue;
            if (fill) {
                const Span inside = wedge.clip(row, y);
                if (!inside.empty())
                    setRun(y, inside.left, inside.right, m_fillColor);
            }
            if (!outline)
                continue;
            // The rim: pixels of the row missing a horizontal or vertical neighbour in the disc.
            const Span above = chord(cx, cy, radius, y - 1);
            const Span below = chord(cx, cy, radius, y + 1);
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
                const Span drawn = wedge.clip(rim, y);
                for (int x = drawn.left; x <= drawn.right; ++x)
                    plot(x, y);
            }
        }
    }
}

void Canvas::radiusLine(double cx, double cy, double radius, double angle)
{
    const double dx = radius * std::cos(angle);
    const double dy = -radius * std::sin(angle);
    if (std::abs(dx) >= std::abs(dy)) {
        const int first = int(std::lround(cx));
        const int last = int(std::lround(cx + dx));
        const int step = last >= first ? 1 : -1;
        for (int x = first;; x += step) {
            const double y = dx == 0 ? cy : cy + (double(x) - cx) * dy / dx;
            plot(x, int(std::lround(y)));
            if (x == last)
                break;
        }
    } else {
        const int first = int(std::lround(cy));
        const int last = int(std::lround(cy + dy));
        const int step = last >= first ? 1 : -1;
        for (int y = first;; y += step) {
            const double x = cx + (double(y) - cy) * dx / dy;
            plot(int(std::lround(x)), y);
            if (y == last)
                break;
        }
    }
}

void Canvas::pie(double centreX, double centreY, double radius, double start, double end)
{
    if (!(radius >= 0) || !std::isfinite(centreX) || !std::isfinite(centreY))
        return;
    const bool startRadius = start < 0;
    const bool endRadius = end < 0;
    const double from = fold(std::abs(start));
    const double to = fold(std::abs(end));
    // Counterclockwise from `from` to `to`; equal ends make a full turn, as the platform's pie does.
    double span = to - from;
    if (span <= 0)
        span += kTurn;
    sector(centreX, centreY, radius, from, span, startRadius && endRadius, true);
    if (startRadius)
        radiusLine(centreX, centreY, radius, from);
    if (endRadius)
        radiusLine(centreX, centreY, radius, to);
}

void Canvas::disc(double centreX, double centreY, double radius, bool outline)
{
    if (!(radius >= 0) || !std::isfinite(centreX) || !std::isfinite(centreY))
        return;
    sector(centreX, centreY, radius, 0, kTurn, true, outline);
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
    const QRgb target = toRgb(color);
    const QRgb paint = toRgb(m_fillColor);
    const int width = m_image.width();
    const int height = m_image.height();
    auto row = [this](int line) { return reinterpret_cast<QRgb*>(m_image.scanLine(line)); };
    auto same = [target](QRgb value) { return (value & 0xFFFFFFu) == (target & 0xFFFFFFu); };

    // Each work item is a pixel of the target colour; its whole run on the row is painted at once,
    // and the runs of the target colour touching it from above and below join the work list.
    std::vector<QPoint> work { QPoint(x, y) };
    while (!work.empty()) {
        const QPoint seed = work.back();
        work.pop_back();
        QRgb* line = row(seed.y());
        if (!same(line[seed.x()]))
            continue;
        int left = seed.x();
        while (left > 0 && same(line[left - 1]))
            --left;
        int right = seed.x();
        while (right + 1 < width && same(line[right + 1]))
            ++right;
        std::fill(line + left, line + right + 1, paint);
        for (const int next : { seed.y() - 1, seed.y() + 1 }) {
            if (next < 0 || next >= height)
                continue;
            const QRgb* neighbour = row(next);
            bool inRun = false;
            for (int i = left; i <= right; ++i) {
                const bool match = same(neighbour[i]);
                if (match && !inRun)
                    work.emplace_back(i, next);
                inRun = match;
            }
        }
    }
}

} // namespace maroleta
