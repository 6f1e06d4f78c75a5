// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The drawing layer on its own: pie angles and radii, closed outlines, flood fills, reading pixels.
#include "logic/canvas.h"
#include "logic/colors.h"

#include <QPointF>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include <cmath>
#include <limits>
#include <numbers>
#include <tuple>
#include <vector>

using namespace maroleta;

namespace {
constexpr double kPi = std::numbers::pi;

// The angle of pixel (x, y) seen from (cx, cy), counterclockwise from 3 o'clock, in 0..2π.
double angleOf(double cx, double cy, int x, int y)
{
    const double angle = std::atan2(cy - y, x - cx);
    return angle < 0 ? angle + 2 * kPi : angle;
}

// The pixel at distance `distance` from the centre in direction `angle`.
QPoint along(double cx, double cy, double angle, double distance)
{
    return QPoint(int(std::lround(cx + distance * std::cos(angle))), int(std::lround(cy - distance * std::sin(angle))));
}

// Whether a black pixel lies at `point` or next to it (a sampled ray can slip diagonally past a stroke).
bool blackNear(const Canvas& canvas, QPoint point)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (canvas.pixel(point.x() + dx, point.y() + dy) == DesignColor::Black)
                return true;
    return false;
}

QSet<quint32> coloursOf(const Canvas& canvas)
{
    QSet<quint32> colours;
    for (int y = 0; y < int(canvas.scaleHeight()); ++y)
        for (int x = 0; x < int(canvas.scaleWidth()); ++x)
            colours.insert(canvas.pixel(x, y));
    return colours;
}
// Each pie of a run in turn, and then every outline again, each radius on its own: what a run of pies
// must leave.
void drawInTurn(Canvas& canvas, QPointF centre, double radius, const std::vector<Canvas::Slice>& slices)
{
    const double cx = centre.x();
    const double cy = centre.y();
    for (const Canvas::Slice& slice : slices) {
        canvas.setFillColor(slice.fillColor);
        canvas.pie(cx, cy, radius, slice.start, slice.end);
    }
    for (const Canvas::Slice& slice : slices) {
        // A pie with one negative angle draws its arc and that one radius, and fills nothing.
        if (slice.start < 0)
            canvas.pie(cx, cy, radius, slice.start, std::abs(slice.end));
        if (slice.end < 0)
            canvas.pie(cx, cy, radius, std::abs(slice.start), slice.end);
        if (!(slice.start < 0) && !(slice.end < 0))
            canvas.pie(cx, cy, radius, slice.start, slice.end);
    }
}
}

class TestCanvas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pie_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addRow("both negative") << -0.5 << -1.5;
        QTest::addRow("start negative only") << -0.5 << 1.5;
        QTest::addRow("end negative only") << 0.5 << -1.5;
        QTest::addRow("both positive") << 0.5 << 1.5;
        QTest::addRow("start zero cannot be negative") << 0.0 << -1.5;
        QTest::addRow("3 to 12 o'clock: the upper right quarter") << -0.1 << -(kPi / 2 - 0.1);
        const double theta = 6.28318 / 6;
        QTest::addRow("2θ round past 3 o'clock to θ") << -2 * theta << -theta;
    }

    void pie()
    {
        QFETCH(double, start);
        QFETCH(double, end);
        QImage image(101, 101, QImage::Format_RGB32);
        Canvas canvas(image);
        canvas.clear();
        canvas.setFillColor(DesignColor::Blue);
        canvas.pie(50, 50, 40, start, end);
        // Filled only when both ends are negative, counterclockwise from the start angle to the end angle.
        const bool filled = start < 0 && end < 0;
        const double from = std::abs(start);
        const double span = std::fmod(std::abs(end) - from + 4 * kPi, 2 * kPi);
        int blue = 0;
        int white = 0;
        for (int y = 0; y < 101; ++y) {
            for (int x = 0; x < 101; ++x) {
                const double distance = std::hypot(x - 50, y - 50);
                const double a = std::fmod(angleOf(50, 50, x, y) - from + 4 * kPi, 2 * kPi);
                if (distance > 38 || distance < 3 || canvas.pixel(x, y) == DesignColor::Black || a < 0.05
                    || a > 2 * kPi - 0.05 || std::abs(a - span) < 0.05)
                    continue;
                const bool inside = filled && a < span;
                QCOMPARE(canvas.pixel(x, y), inside ? DesignColor::Blue : DesignColor::White);
                (inside ? blue : white) += 1;
            }
        }
        QVERIFY(white > 100 && (blue > 100 || !filled));
        // A radius is drawn to each negative end only; the arc between the two angles always.
        QCOMPARE(blackNear(canvas, along(50, 50, from, 20)), start < 0);
        QCOMPARE(blackNear(canvas, along(50, 50, std::abs(end), 20)), end < 0);
        QVERIFY(blackNear(canvas, along(50, 50, from + span / 2, 39.5)));
        QVERIFY(!blackNear(canvas, along(50, 50, std::abs(end) + (2 * kPi - span) / 2, 39.5)));
    }

    void drawingPartlyOffThePicture()
    {
        // What lies off the image is cut off and nothing else changes: a picture that shows only part of a
        // drawing has the pixels of that part of the drawing made whole on a larger picture. Seeded runs of
        // pies and discs anywhere, of any size, with pens one to three pixels wide.
        QRandomGenerator random(20261207);
        for (int run = 0; run < 150; ++run) {
            QImage whole(400, 300, QImage::Format_RGB32);
            const QRect part = QRect(random.bounded(380), random.bounded(280), 1 + random.bounded(200),
                                   1 + random.bounded(200))
                & whole.rect();
            QImage cut(part.size(), QImage::Format_RGB32);
            Canvas large(whole);
            Canvas small(cut);
            const int lineWidth = random.bounded(3) == 0 ? 1 + random.bounded(3) : 1;
            const double cx = random.bounded(400.0);
            const double cy = random.bounded(300.0);
            const double radius = random.bounded(run % 3 ? 150.0 : 10.0);
            const int count = 1 + random.bounded(run % 2 ? 300 : 12);
            const double theta = 6.28318 / count;
            std::vector<Canvas::Slice> slices;
            for (int i = 0; i < count; ++i)
                slices.push_back({ -(i == 0 ? 6.28318 : i * theta), -((i + 1) * theta),
                    random.bounded(2) ? DesignColor::Blue : DesignColor::White });
            for (const auto& [canvas, dx, dy] : { std::tuple(&large, 0, 0), std::tuple(&small, part.x(), part.y()) }) {
                canvas->clear();
                canvas->setLineWidth(lineWidth);
                canvas->setFillColor(DesignColor::Blue);
                if (run % 5 == 0)
                    canvas->disc(cx - dx, cy - dy, radius, run % 2 == 0);
                else
                    canvas->pies(cx - dx, cy - dy, radius, slices);
            }
            if (cut != whole.copy(part))
                QFAIL(qPrintable(QStringLiteral("run %1 differs").arg(run)));
        }
    }

    void piesDrawFillsThenOutlines()
    {
        // A run of pies leaves every pixel as each pie drawn in turn and then every outline again, each
        // radius on its own: the fills in order, the outlines whole on top. Seeded runs of every kind: the
        // program's circles, runs in order with gaps and missing radii, slices anywhere; any centre and
        // radius, off the picture too; pens one to three pixels wide.
        QRandomGenerator random(20261206);
        auto angle = [&random] { return random.bounded(12.56) - 6.28; };
        for (int run = 0; run < 200; ++run) {
            QImage one(40 + random.bounded(300), 40 + random.bounded(200), QImage::Format_RGB32);
            QImage many(one.size(), QImage::Format_RGB32);
            Canvas inTurn(one);
            Canvas together(many);
            const int lineWidth = random.bounded(4) == 0 ? 1 + random.bounded(3) : 1;
            for (Canvas* canvas : { &inTurn, &together }) {
                canvas->clear();
                canvas->setLineWidth(lineWidth);
            }
            const QPointF centre(random.bounded(one.width() * 1.2) - 10, random.bounded(one.height() * 1.2) - 10);
            const double radius = random.bounded(run % 5 ? 160.0 : 12.0);
            const int count = 1 + random.bounded(run % 3 ? 2000 : 12);
            const double theta = 6.28318 / count;
            const int coloured = random.bounded(count + 1);
            const int kind = run % 4;
            std::vector<Canvas::Slice> slices;
            if (kind == 0) // a fraction's circle starts with a pie from 2θ round to θ
                slices.push_back({ float(-2 * theta), float(-theta), DesignColor::Blue });
            double a = 0;
            for (int i = 0; i < count; ++i, a += theta) {
                const quint32 colour = i < coloured ? DesignColor::Blue : DesignColor::White;
                if (kind == 0) // sector 0 has no radius at its start; angles in single precision
                    slices.push_back({ float(-a), float(-(a + theta)), colour });
                else if (kind == 1) // a guided sum's: sector 0 from the end of the last one through 3 o'clock
                    slices.push_back({ -(i == 0 ? 6.28318 : i * theta), -((i + 1) * theta), colour });
                else if (kind == 2) // in order, now and then with a gap or without a radius
                    slices.push_back({ random.bounded(6) ? -(i * theta) : -(i * theta + 1e-3),
                        random.bounded(6) ? -((i + 1) * theta) : (i + 1) * theta, colour });
                else
                    slices.push_back({ angle(), angle(), colour });
            }
            drawInTurn(inTurn, centre, radius, slices);
            together.setFillColor(DesignColor::Black);
            together.pies(centre.x(), centre.y(), radius, slices);
            if (many != one)
                QFAIL(qPrintable(QStringLiteral("run %1 differs").arg(run)));
            QCOMPARE(together.fillColor(), slices.back().fillColor);
        }
    }

    void floodFill_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("blackInTen"); // scattered black pixels, so many in ten
        QTest::addColumn<int>("wall"); // a black column at this x, or none
        QTest::addRow("scattered black: runs split and join again row after row") << QSize(97, 61) << 4 << -1;
        // A run that reaches one edge must not go on into the next or the last row across the image.
        QTest::addRow("a wall beside the left edge") << QSize(97, 61) << 0 << 1;
        QTest::addRow("a wall beside the right edge") << QSize(97, 61) << 0 << 95;
        QTest::addRow("a full screen: a work list, not recursion") << QSize(1900, 1000) << 0 << -1;
    }

    void floodFill()
    {
        // The fill must paint exactly the white area 4-connected to the seed, as a plain pixel-by-pixel
        // search finds it.
        QFETCH(QSize, size);
        QFETCH(int, blackInTen);
        QFETCH(int, wall);
        QImage image(size, QImage::Format_RGB32);
        Canvas canvas(image);
        canvas.clear();
        const QPoint seed(size.width() / 2, size.height() / 2);
        QRandomGenerator random(12345);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((x == wall || random.bounded(10) < blackInTen) && QPoint(x, y) != seed)
                    image.setPixel(x, y, qRgb(0, 0, 0));
        QImage expected = image.copy();
        const QRgb blue = qRgb(0, 0, 255); // the design's blue, 0xFF0000 with red in the low byte
        std::vector<QPoint> todo { seed };
        expected.setPixel(seed, blue);
        while (!todo.empty()) {
            const QPoint point = todo.back();
            todo.pop_back();
            for (const QPoint next :
                { point + QPoint(1, 0), point - QPoint(1, 0), point + QPoint(0, 1), point - QPoint(0, 1) }) {
                if (expected.rect().contains(next) && expected.pixel(next) == qRgb(255, 255, 255)) {
                    expected.setPixel(next, blue);
                    todo.push_back(next);
                }
            }
        }
        // Filling an area with its own colour, seeds off the image or not of the colour replaced change nothing.
        const QImage before = image.copy();
        canvas.setFillColor(DesignColor::White);
        canvas.floodFill(seed.x(), seed.y(), DesignColor::White);
        canvas.setFillColor(DesignColor::Blue);
        canvas.floodFill(-1, 5, DesignColor::White);
        canvas.floodFill(5, size.height(), DesignColor::White);
        canvas.floodFill(seed.x(), seed.y(), DesignColor::Black);
        QCOMPARE(image, before);
        canvas.floodFill(seed.x(), seed.y(), DesignColor::White);
        QCOMPARE(image, expected);
    }

    void clearAndReading()
    {
        QImage image(10, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        Canvas canvas(image);
        canvas.clear();
        QCOMPARE(coloursOf(canvas), QSet<quint32> { DesignColor::White });
        for (const QPoint off : { QPoint(10, 0), QPoint(0, 8), QPoint(-1, 0) })
            QCOMPARE(canvas.pixel(off.x(), off.y()), Canvas::kOutside);
        QCOMPARE(canvas.point(-0.6, 0), Canvas::kOutside);
        QCOMPARE(canvas.point(9.4, 7.4), DesignColor::White);
        QCOMPARE(canvas.point(9.6, 0), Canvas::kOutside);
        QCOMPARE(canvas.point(std::nan(""), 0), Canvas::kOutside);
        QCOMPARE(canvas.point(1e300, 0), Canvas::kOutside);
        // Halves round to even: 1.5 and 2.5 read pixel 2, 3.5 reads pixel 4.
        image.setPixel(2, 1, qRgb(0, 0, 255));
        QCOMPARE(canvas.point(2.5, 1), DesignColor::Blue);
        QCOMPARE(canvas.point(1.5, 1), DesignColor::Blue);
        QCOMPARE(canvas.point(3.5, 1), DesignColor::White);
    }

    void shapesOffThePictureAreSafe()
    {
        // Wholly off the image, absurdly large or not a number: not drawn at all.
        QImage image(60, 40, QImage::Format_RGB32);
        Canvas canvas(image);
        canvas.clear();
        canvas.setFillColor(DesignColor::Blue);
        canvas.pie(1e12, 20, 10, -1, -2);
        canvas.pie(30, 20, 1e12, -1, -2);
        canvas.pie(30, 20, std::nan(""), -1, -2);
        canvas.pie(30, 20, -4, -1, -2);
        canvas.pie(30, 20, 10, std::nan(""), -2);
        canvas.disc(std::numeric_limits<double>::infinity(), 20, 10);
        QCOMPARE(coloursOf(canvas), QSet<quint32> { DesignColor::White });
        canvas.disc(30, 20, 500); // covers the whole image
        QCOMPARE(coloursOf(canvas), QSet<quint32> { DesignColor::Blue });
    }
};

QTEST_GUILESS_MAIN(TestCanvas)
#include "tst_canvas.moc"
