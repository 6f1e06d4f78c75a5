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
#include <numbers>
#include <utility>
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
    // Each part is {start, end, span}; the last part ends on the sector's own end angle.
    struct WedgePart {
        double from;
        double to;
        double span;
    };
    struct Wedges {
        int count;
        std::array<WedgePart, 2> parts;
    };
    Wedges wedgesOf(double from, double span, double to)
    {
        if (span <= std::numbers::pi)
            return { 1, { { { from, to, span }, {} } } };
        const double middle = from + span / 2;
        return { 2, { { { from, middle, span / 2 }, { middle, to, span / 2 } } } };
    }
}

Canvas::Canvas(QImage& image)
    : m_image(image)
{
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

void Canvas::sector(
    double centreX, double centreY, double radius, double from, double span, double to, bool fill, bool outline)
{
    const double cx = centreX;
    const double cy = centreY;
    const int discTop = int(std::floor(cy - radius)) - 1;
    const int discBottom = int(std::ceil(cy + radius)) + 1;
    auto chordAt = [&](int y) { return chord(cx, cy, radius, y); };

    // The fill of the wedge's rows first..last, each clipped to the image: the disc's pixels of the row
    // on the inner side of both rays.
    auto fillRows = [&](const Wedge& wedge, int first, int last) {
        const QRgb paint = toRgb(m_fillColor);
        for (int y = std::max(first, 0); y <= std::min(last, m_height - 1); ++y) {
            const Span inside = wedge.clip(chordAt(y), y);
            const int left = std::max(inside.left, 0);
            const int right = std::min(inside.right, m_width - 1);
            if (left <= right)
                std::fill(line(y) + left, line(y) + right + 1, paint);
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

    // All the fill first and then all the rim: the outline lies on top, whatever the pen's width.
    const Wedges wedges = wedgesOf(from, span, to);
    for (const bool rim : { false, true }) {
        if ((rim && !outline) || (!rim && !fill))
            continue;
        for (int part = 0; part < wedges.count; ++part) {
            const WedgePart& piece = wedges.parts[std::size_t(part)];
            const Wedge wedge(cx, cy, sinCos(piece.from), sinCos(piece.to));
            if (!rim) {
                // The fill reaches the centre.
                const auto [fillTop, fillBottom] = wedge.rows(radius, piece.from, piece.span, false);
                fillRows(wedge, std::max(fillTop, discTop), std::min(fillBottom, discBottom));
                continue;
            }
            // The rim only the rows of the arc; each row's disc pixels come from the circle's table, shared
            // by the rows above and below it.
            const auto [rimTop, rimBottom] = wedge.rows(radius, piece.from, piece.span, true);
            const int rimFirst = std::max({ rimTop, discTop, -1 });
            const int rimLast = std::min({ rimBottom, discBottom, m_height });
            Span above = chordAt(rimFirst - 1);
            Span row = chordAt(rimFirst);
            for (int y = rimFirst; y <= rimLast; ++y) {
                const Span below = chordAt(y + 1);
                if (!row.empty())
                    rimRow(wedge, y, above, row, below);
                above = row;
                row = below;
            }
        }
    }
}

namespace {
    // The nearest pixel to a coordinate.
    int nearest(double value) { return floorOf(value + 0.5); }

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

        RadiusPixels(double cx, double cy, double radius, double cos, double sin)
        {
            const double dx = radius * cos;
            const double dy = -radius * sin;
            alongX = std::abs(dx) >= std::abs(dy);
            first = alongX ? nearest(cx) : nearest(cy);
            last = alongX ? nearest(cx + dx) : nearest(cy + dy);
            step = last >= first ? 1 : -1;
            slope = alongX ? (dx == 0 ? 0 : dy / dx) : dx / dy;
            origin = alongX ? cx : cy;
            across = alongX ? cy : cx;
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
}

void Canvas::radiusLines(double cx, double cy, double radius, const std::vector<SinCos>& directions)
{
    const QRgb black = toRgb(kForeground);
    std::vector<RadiusPixels> lines;
    lines.reserve(directions.size());
    for (const SinCos& direction : directions)
        lines.emplace_back(cx, cy, radius, direction.cos, direction.sin);

    // Writes the pixels of a line that lies inside the image, from `skip` steps on.
    auto straight = [&](const RadiusPixels& l, int skip) {
        const int count = l.length();
        if (l.alongX) {
            for (int i = skip, x = l.first + skip * l.step; i <= count; ++i, x += l.step)
                line(l.acrossAt(x))[x] = black;
        } else {
            for (int i = skip, y = l.first + skip * l.step; i <= count; ++i, y += l.step)
                line(y)[l.acrossAt(y)] = black;
        }
    };
    // A line that may leave the image, or a wider pen: pixel by pixel, with checks.
    auto checked = [&](const RadiusPixels& l) {
        for (int along = l.first;; along += l.step) {
            const int other = l.acrossAt(along);
            plot(l.alongX ? along : other, l.alongX ? other : along);
            if (along == l.last)
                break;
        }
    };

    // Neighbouring radii of a circle of many sectors run through the same pixels near the centre. Where
    // the lines of a group (same axis and direction, slopes in order) lie less than a pixel apart across,
    // together they cover every pixel between the outer two: there each step is written as one run.
    std::size_t i = 0;
    while (i < lines.size()) {
        const RadiusPixels& head = lines[i];
        if (m_lineWidth != 1 || !head.inside(m_width, m_height)) {
            checked(head);
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        double gap = 0;
        int longest = head.length();
        int order = 0; // the slopes' direction along the group, once known
        while (end < lines.size()) {
            const RadiusPixels& next = lines[end];
            const RadiusPixels& previous = lines[end - 1];
            if (next.alongX != head.alongX || next.step != head.step || !next.inside(m_width, m_height))
                break;
            const int direction = next.slope > previous.slope ? 1 : next.slope < previous.slope ? -1 : 0;
            if (direction != 0 && order != 0 && direction != order)
                break;
            if (direction != 0)
                order = direction;
            gap = std::max(gap, std::abs(next.slope - previous.slope));
            longest = std::max(longest, next.length());
            ++end;
        }
        // At `k` steps from the first pixel the lines lie at most (k + 0.5) · gap apart across; below one
        // pixel (with a margin for rounding) the nearest pixels of neighbouring lines touch or coincide.
        // Slopes in order on one axis and in one direction are angles in order within the quarter turn
        // round that axis, so the lengths rise to the line nearest the axis and fall after it: the lines
        // still `k` steps long are a run of the group.
        int together = -1;
        if (end - i > 1) {
            const double reach = gap > 0 ? 0.99 / gap - 0.5 : double(longest);
            together = int(std::min(double(longest), std::floor(reach)));
        }
        qsizetype low = qsizetype(i);
        qsizetype high = qsizetype(end) - 1;
        for (int k = 0; k <= together; ++k) {
            while (low <= high && lines[std::size_t(low)].length() < k)
                ++low;
            while (high >= low && lines[std::size_t(high)].length() < k)
                --high;
            if (low > high)
                break;
            const int along = head.first + k * head.step;
            const int a = lines[std::size_t(low)].acrossAt(along);
            const int b = lines[std::size_t(high)].acrossAt(along);
            const int from = std::min(a, b);
            const int to = std::max(a, b);
            if (head.alongX) {
                for (int y = from; y <= to; ++y)
                    line(y)[along] = black;
            } else {
                std::fill(line(along) + from, line(along) + to + 1, black);
            }
        }
        for (std::size_t j = i; j < end; ++j)
            straight(lines[j], together + 1);
        i = end;
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

Canvas::SinCos Canvas::sinCos(double angle) { return { angle, std::sin(angle), std::cos(angle) }; }

void Canvas::pie(double centreX, double centreY, double radius, double start, double end)
{
    pies(centreX, centreY, radius, { Slice { start, end, m_fillColor } });
}

void Canvas::pies(double centreX, double centreY, double radius, const std::vector<Slice>& slices)
{
    if (slices.empty())
        return;
    const quint32 lastColor = slices.back().fillColor;
    if (!drawable(centreX, centreY, radius)) {
        setFillColor(lastColor);
        return;
    }
    attach();

    // Each slice counterclockwise from `from` to `to`; equal ends make a full turn, as the platform's pie does.
    struct Piece {
        double from;
        double to;
        double span;
        bool startRadius;
        bool endRadius;
        quint32 color;
    };
    std::vector<Piece> pieces;
    pieces.reserve(slices.size());
    // Slices with an angle that is no number are left out, and so break the run there.
    std::vector<bool> follows; // whether a piece starts where the piece before it ends
    for (const Slice& slice : slices) {
        if (!std::isfinite(slice.start) || !std::isfinite(slice.end)) {
            follows.push_back(false);
            pieces.push_back({ 0, 0, -1, false, false, 0 });
            continue;
        }
        const double from = fold(std::abs(slice.start));
        const double to = fold(std::abs(slice.end));
        double span = to - from;
        if (span <= 0)
            span += kTurn;
        follows.push_back(!pieces.empty() && pieces.back().span >= 0 && pieces.back().to == from);
        pieces.push_back({ from, to, span, slice.start < 0, slice.end < 0, slice.fillColor & 0xFFFFFFu });
    }
    auto drawn = [&](std::size_t i) { return pieces[i].span >= 0; };
    auto filled = [&](std::size_t i) { return drawn(i) && pieces[i].startRadius && pieces[i].endRadius; };

    // Neighbouring slices that meet are drawn as one sector while together they stay within half a turn,
    // so that a circle of many thin sectors costs a few sectors' rows, not thousands. `joins(i)` tells
    // whether piece i may continue the group of the piece before it.
    auto groups = [&](auto&& joins, auto&& draw) {
        std::size_t i = 0;
        while (i < pieces.size()) {
            if (!drawn(i)) {
                ++i;
                continue;
            }
            std::size_t last = i;
            double span = pieces[i].span;
            while (last + 1 < pieces.size() && follows[last + 1] && joins(last + 1)
                && span + pieces[last + 1].span <= std::numbers::pi) {
                ++last;
                span += pieces[last].span;
            }
            draw(i, last, span);
            i = last + 1;
        }
    };

    // First every fill, each in its slice's colour and in turn, so that where two meet the later wins;
    // then every outline on top of them.
    groups([&](std::size_t i) { return filled(i) && filled(i - 1) && pieces[i].color == pieces[i - 1].color; },
        [&](std::size_t first, std::size_t last, double span) {
            if (!filled(first))
                return;
            setFillColor(pieces[first].color);
            sector(centreX, centreY, radius, pieces[first].from, span, pieces[last].to, true, false);
        });
    groups([](std::size_t) { return true; },
        [&](std::size_t first, std::size_t last, double span) {
            sector(centreX, centreY, radius, pieces[first].from, span, pieces[last].to, false, true);
        });
    setFillColor(lastColor);

    // The radii: a radius that ends one slice and starts the next is drawn once. The directions of a run
    // are kept for the next run: the circles of one drawing share the very same angles.
    std::vector<double> wanted;
    wanted.reserve(pieces.size() + 1);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (!drawn(i))
            continue;
        if (pieces[i].startRadius)
            wanted.push_back(pieces[i].from);
        const bool nextStartsHere = i + 1 < pieces.size() && follows[i + 1] && pieces[i + 1].startRadius;
        if (pieces[i].endRadius && !nextStartsHere)
            wanted.push_back(pieces[i].to);
    }
    // The last two runs are remembered: a picture of two circles redraws one of them far more often.
    if (wanted != m_rays[0].angles) {
        std::swap(m_rays[0], m_rays[1]);
        if (wanted != m_rays[0].angles) {
            m_rays[0].angles = std::move(wanted);
            m_rays[0].directions.clear();
            for (const double angle : m_rays[0].angles)
                m_rays[0].directions.push_back(sinCos(angle));
        }
    }
    radiusLines(centreX, centreY, radius, m_rays[0].directions);
}

void Canvas::disc(double centreX, double centreY, double radius, bool outline)
{
    if (!drawable(centreX, centreY, radius))
        return;
    attach();
    sector(centreX, centreY, radius, 0, kTurn, kTurn, true, outline);
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
