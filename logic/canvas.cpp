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
#include <array>
#include <cmath>
#include <limits>
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

    // Floor and ceiling of values well within int range, without the library's slower rounding.
    int floorOf(double value)
    {
        const int truncated = int(value);
        return truncated - (value < double(truncated) ? 1 : 0);
    }

    int ceilOf(double value)
    {
        const int truncated = int(value);
        return truncated + (value > double(truncated) ? 1 : 0);
    }

    // Whether the centre of pixel (x, y) lies within the disc: the one test every part of a drawing uses.
    bool inDisc(double cx, double cy, double radius, int x, int y)
    {
        const double dx = double(x) - cx;
        const double dy = double(y) - cy;
        return dx * dx + dy * dy <= radius * radius;
    }

    // The disc pixels of row y.
    Span chord(double cx, double cy, double radius, int y)
    {
        const double dy = double(y) - cy;
        const double square = radius * radius - dy * dy;
        if (square < 0)
            return {};
        const double half = std::sqrt(square);
        Span span { ceilOf(cx - half), floorOf(cx + half) };
        // The square root may round either way at the very edge: settle the ends by the disc test.
        while (span.left <= span.right && !inDisc(cx, cy, radius, span.left, y))
            ++span.left;
        while (inDisc(cx, cy, radius, span.left - 1, y))
            --span.left;
        while (span.right >= span.left && !inDisc(cx, cy, radius, span.right, y))
            --span.right;
        while (inDisc(cx, cy, radius, span.right + 1, y))
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
    // left of the ray at `from` and on the right of the ray at `from + span` (screen y grows downwards).
    struct Wedge {
        double cx;
        double cy;
        double sinFrom;
        double sinTo;
        // cross(from, P) = cosFrom·Y − sinFrom·X ≥ 0 and cross(P, to) = sinTo·X − cosTo·Y ≥ 0.
        HalfPlane afterFrom;
        HalfPlane beforeTo;

        // `from` and `to` hold the sine and cosine of the wedge's two ends.
        template <typename SinCos>
        Wedge(double centreX, double centreY, const SinCos& from, const SinCos& to)
            : cx(centreX)
            , cy(centreY)
            , sinFrom(from.sin)
            , sinTo(to.sin)
            , afterFrom(-sinFrom, from.cos)
            , beforeTo(sinTo, -to.cos)
        {
        }

        // Narrows `span` of row y to the pixels inside the wedge.
        Span clip(Span span, int y) const
        {
            const double up = cy - double(y); // mathematical Y of the row
            afterFrom.limit(span, cx, up);
            beforeTo.limit(span, cx, up);
            return span;
        }

        // The rows the wedge can reach within `radius` of its centre, or only those its arc can reach.
        std::pair<int, int> rows(double radius, double from, double span, bool arcOnly) const
        {
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
            return { int(std::floor(cy - top)) - 2, int(std::ceil(cy - bottom)) + 2 };
        }
    };

    // A sector split into wedges of at most half a turn each, so that every row of a wedge is one span.
    struct Wedges {
        int count;
        std::array<std::pair<double, double>, 2> parts;
    };
    Wedges wedgesOf(double from, double span)
    {
        if (span <= std::numbers::pi)
            return { 1, { { { from, span }, {} } } };
        return { 2, { { { from, span / 2 }, { from + span / 2, span / 2 } } } };
    }
}

Canvas::Canvas(QImage& image)
    : m_image(image)
{
    // No angle is remembered yet: a NaN never equals the angle looked up.
    m_angles.fill({ std::numeric_limits<double>::quiet_NaN(), 0, 0 });
    // One pixel layout, 0xffRRGGBB, so that a colour is compared as one word.
    if (m_image.format() != QImage::Format_RGB32)
        m_image = m_image.convertToFormat(QImage::Format_RGB32);
}

void Canvas::attach()
{
    // Taken once per operation: bits() detaches a shared image once, not once a pixel.
    m_bits = reinterpret_cast<QRgb*>(m_image.bits());
    m_stride = m_image.bytesPerLine() / qsizetype(sizeof(QRgb));
    m_width = m_image.width();
    m_height = m_image.height();
}

void Canvas::clear() { m_image.fill(toRgb(kBackground)); }

void Canvas::setLineWidth(int pixels) { m_lineWidth = std::max(1, pixels); }

void Canvas::setFillColor(quint32 designColor) { m_fillColor = designColor & 0xFFFFFFu; }

double Canvas::scaleWidth() const { return m_image.width(); }

double Canvas::scaleHeight() const { return m_image.height(); }

void Canvas::setRun(int y, int left, int right, quint32 designColor)
{
    if (y < 0 || y >= m_height)
        return;
    left = std::max(left, 0);
    right = std::min(right, m_width - 1);
    if (left > right)
        return;
    QRgb* row = line(y);
    std::fill(row + left, row + right + 1, toRgb(designColor));
}

void Canvas::plot(int x, int y)
{
    if (m_lineWidth == 1) {
        if (x >= 0 && y >= 0 && x < m_width && y < m_height)
            line(y)[x] = toRgb(kForeground);
        return;
    }
    // A wider pen paints a square of its width around the pixel.
    const int before = (m_lineWidth - 1) / 2;
    const int after = m_lineWidth / 2;
    for (int row = y - before; row <= y + after; ++row)
        setRun(row, x - before, x + after, kForeground);
}

void Canvas::sector(double centreX, double centreY, double radius, double from, double span, bool fill, bool outline)
{
    const double cx = centreX;
    const double cy = centreY;
    const int discTop = int(std::floor(cy - radius)) - 1;
    const int discBottom = int(std::ceil(cy + radius)) + 1;
    const Span around { floorOf(cx - radius) - 1, ceilOf(cx + radius) + 1 };

    // The fill of the wedge's rows first..last, each clipped to the image.
    auto fillRows = [&](const Wedge& wedge, int first, int last) {
        // Local copies: the pixel writes cannot alias them, so they stay in registers across the rows.
        const Wedge clip = wedge;
        const Span reach = around;
        const double cx = centreX;
        const double cy = centreY;
        const double r = radius;
        const double square = r * r;
        const QRgb paint = toRgb(m_fillColor);
        QRgb spare = paint; // an empty row's write lands here, so that no row waits on a guessed branch
        const int lastColumn = m_width - 1;
        const int top = std::max(first, 0);
        const int bottom = std::min(last, m_height - 1);
        for (int y = top; y <= bottom; ++y) {
            Span inside = clip.clip(reach, y);
            const double dy = double(y) - cy;
            const double left = double(inside.left) - cx;
            const double right = double(inside.right) - cx;
            // Most rows of a narrow sector lie well inside the disc: its two ends tell, no root needed.
            // One branch, taken only near the rim: an empty row is told apart without a guess of its own.
            const bool endsInside = (left * left + dy * dy <= square) & (right * right + dy * dy <= square);
            if ((inside.left <= inside.right) & !endsInside) {
                const Span row = chord(cx, cy, r, y);
                inside = { std::max(inside.left, row.left), std::min(inside.right, row.right) };
            }
            const int start = std::max(inside.left, 0);
            const int end = std::min(inside.right, lastColumn);
            QRgb* pixels = line(y);
            // A narrow sector puts one pixel or none on most rows: the first is written without a branch.
            *(start <= end ? pixels + start : &spare) = paint;
            for (int x = start + 1; x <= end; ++x)
                pixels[x] = paint;
        }
    };

    // The rim on row y: the disc pixels of the row missing a horizontal or vertical neighbour in the disc.
    auto rimRow = [&](const Wedge& wedge, int y, const Span& above, const Span& row, const Span& below) {
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
            // Only the pixels a pen this wide can reach inside the image.
            const int start = std::max(drawn.left, -m_lineWidth);
            const int end = std::min(drawn.right, m_width + m_lineWidth);
            for (int x = start; x <= end; ++x)
                plot(x, y);
        }
    };

    const Wedges wedges = wedgesOf(from, span);
    for (int part = 0; part < wedges.count; ++part) {
        const auto [wedgeFrom, wedgeSpan] = wedges.parts[std::size_t(part)];
        const Wedge wedge(cx, cy, sinCos(wedgeFrom), sinCos(wedgeFrom + wedgeSpan));
        // The fill reaches the centre; the rim only the rows of the arc.
        const auto [fillTop, fillBottom] = wedge.rows(radius, wedgeFrom, wedgeSpan, false);
        const auto [rimTop, rimBottom] = wedge.rows(radius, wedgeFrom, wedgeSpan, true);
        const int rimFirst = std::max({ rimTop, discTop, -1 });
        const int rimLast = std::min({ rimBottom, discBottom, m_height });
        // Each row's disc pixels are worked out once and kept for the rows above and below it.
        Span above = chord(cx, cy, radius, rimFirst - 1);
        Span row = chord(cx, cy, radius, rimFirst);
        auto nextRim = [&](int y) {
            const Span below = chord(cx, cy, radius, y + 1);
            if (!row.empty())
                rimRow(wedge, y, above, row, below);
            above = row;
            row = below;
        };
        if (m_lineWidth > 1) {
            // A wide pen reaches the rows around its own, which the fill of the next row paints over again:
            // row by row, fill and then rim.
            const int first = fill ? std::max({ fillTop, discTop, -1 }) : rimFirst;
            const int last = fill ? std::min({ fillBottom, discBottom, m_height }) : rimLast;
            for (int y = first; y <= last; ++y) {
                if (fill)
                    fillRows(wedge, y, y);
                if (outline && y >= rimFirst && y <= rimLast)
                    nextRim(y);
            }
            continue;
        }
        // A thin pen's fill and rim touch their own row only, and the rim rows lie within the fill rows:
        // all the fill first and then all the rim leaves every pixel as drawing them row by row would.
        if (fill)
            fillRows(wedge, std::max({ fillTop, discTop, -1 }), std::min({ fillBottom, discBottom, m_height }));
        if (outline) {
            for (int y = rimFirst; y <= rimLast; ++y)
                nextRim(y);
        }
    }
}

void Canvas::radiusLine(double cx, double cy, double radius, double angle)
{
    // One pixel for each step along the longer axis, the nearest one across.
    auto nearest = [](double value) { return floorOf(value + 0.5); };
    const SinCos direction = sinCos(angle);
    const double dx = radius * direction.cos;
    const double dy = -radius * direction.sin;
    const bool alongX = std::abs(dx) >= std::abs(dy);
    const int first = alongX ? nearest(cx) : nearest(cy);
    const int last = alongX ? nearest(cx + dx) : nearest(cy + dy);
    const int step = last >= first ? 1 : -1;
    const double slope = alongX ? (dx == 0 ? 0 : dy / dx) : dx / dy;
    const double origin = alongX ? cx : cy;
    const double across = alongX ? cy : cx;
    // A thin line wholly inside the image is written straight; otherwise pixel by pixel with checks.
    const bool inside = m_lineWidth == 1 && nearest(cx) >= 1 && nearest(cy) >= 1 && nearest(cx) < m_width - 1
        && nearest(cy) < m_height - 1 && nearest(cx + dx) >= 1 && nearest(cy + dy) >= 1
        && nearest(cx + dx) < m_width - 1 && nearest(cy + dy) < m_height - 1;
    const QRgb black = toRgb(kForeground);
    if (inside) {
        // Each axis its own loop, the pixel written straight: the commonest line, and the longest.
        const int count = (last - first) * step;
        if (alongX) {
            for (int i = 0, x = first; i <= count; ++i, x += step)
                line(nearest(across + (double(x) - origin) * slope))[x] = black;
        } else {
            for (int i = 0, y = first; i <= count; ++i, y += step)
                line(y)[nearest(across + (double(y) - origin) * slope)] = black;
        }
        return;
    }
    for (int along = first;; along += step) {
        const int other = nearest(across + (double(along) - origin) * slope);
        plot(alongX ? along : other, alongX ? other : along);
        if (along == last)
            break;
    }
}

namespace {
    // Shapes within these bounds keep every pixel coordinate well inside int range; a picture is far smaller.
    bool drawable(double centreX, double centreY, double radius)
    {
        constexpr double far = 1e6;
        return radius >= 0 && radius < far && std::abs(centreX) < far && std::abs(centreY) < far;
    }
}

Canvas::SinCos Canvas::sinCos(double angle)
{
    for (const SinCos& known : m_angles) {
        if (known.angle == angle)
            return known;
    }
    const SinCos computed { angle, std::sin(angle), std::cos(angle) };
    m_angles[m_nextAngle] = computed;
    m_nextAngle = (m_nextAngle + 1) % m_angles.size();
    return computed;
}

void Canvas::pie(double centreX, double centreY, double radius, double start, double end)
{
    drawPie(centreX, centreY, radius, start, end, true);
}

void Canvas::pies(double centreX, double centreY, double radius, const std::vector<Slice>& slices)
{
    for (std::size_t i = 0; i < slices.size(); ++i) {
        const Slice& slice = slices[i];
        setFillColor(slice.fillColor);
        // The end radius waits for the next slice when that one is drawn and starts with a radius at the
        // same angle.
        bool endRadius = true;
        if (i + 1 < slices.size()) {
            const Slice& next = slices[i + 1];
            endRadius = !(slice.end < 0 && next.start < 0 && std::isfinite(slice.end) && std::isfinite(next.start)
                && std::isfinite(next.end) && fold(std::abs(next.start)) == fold(std::abs(slice.end)));
        }
        drawPie(centreX, centreY, radius, slice.start, slice.end, endRadius);
    }
}

void Canvas::drawPie(double centreX, double centreY, double radius, double start, double end, bool withEndRadius)
{
    if (!drawable(centreX, centreY, radius) || !std::isfinite(start) || !std::isfinite(end))
        return;
    const bool startRadius = start < 0;
    const bool endRadius = end < 0;
    const double from = fold(std::abs(start));
    const double to = fold(std::abs(end));
    // Counterclockwise from `from` to `to`; equal ends make a full turn, as the platform's pie does.
    double span = to - from;
    if (span <= 0)
        span += kTurn;
    attach();
    sector(centreX, centreY, radius, from, span, startRadius && endRadius, true);
    if (startRadius)
        radiusLine(centreX, centreY, radius, from);
    if (endRadius && withEndRadius)
        radiusLine(centreX, centreY, radius, to);
}

void Canvas::disc(double centreX, double centreY, double radius, bool outline)
{
    if (!drawable(centreX, centreY, radius))
        return;
    attach();
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
    attach();
    const QRgb target = toRgb(color);
    const QRgb paint = toRgb(m_fillColor);
    const int width = m_width;
    const int height = m_height;
    auto row = [this](int y) { return line(y); };
    auto same = [target](QRgb value) { return value == target; };

    // Each work item is a pixel of the target colour; its whole run on the row is painted at once, and
    // the runs of the target colour touching it from above and below join the work list. An item
    // remembers the run it was found from: that run is painted already, so the row it lies on is looked
    // at only beyond the run's two ends.
    struct Seed {
        int x;
        int y;
        int fromY; // the row of the run that found it; its own row for the first seed
        int fromLeft;
        int fromRight;
    };
    std::vector<Seed> work { Seed { x, y, y, 0, -1 } };
    // Pushes a seed for each run of the target colour in row `next` between left and right.
    auto findRuns = [&](int next, int left, int right, int fromY, int fromLeft, int fromRight) {
        const QRgb* neighbour = row(next);
        int i = left;
        while (i <= right) {
            while (i <= right && !same(neighbour[i]))
                ++i;
            if (i > right)
                break;
            work.push_back({ i, next, fromY, fromLeft, fromRight });
            while (i <= right && same(neighbour[i]))
                ++i;
        }
    };
    while (!work.empty()) {
        const Seed seed = work.back();
        work.pop_back();
        QRgb* line = row(seed.y);
        if (!same(line[seed.x]))
            continue;
        int left = seed.x;
        while (left > 0 && same(line[left - 1]))
            --left;
        int right = seed.x;
        while (right + 1 < width && same(line[right + 1]))
            ++right;
        std::fill(line + left, line + right + 1, paint);
        for (const int next : { seed.y - 1, seed.y + 1 }) {
            if (next < 0 || next >= height)
                continue;
            if (next != seed.fromY) {
                findRuns(next, left, right, seed.y, left, right);
                continue;
            }
            // Back towards the run that found this one: only past its ends.
            findRuns(next, left, std::min(right, seed.fromLeft - 1), seed.y, left, right);
            findRuns(next, std::max(left, seed.fromRight + 1), right, seed.y, left, right);
        }
    }
}

} // namespace maroleta
