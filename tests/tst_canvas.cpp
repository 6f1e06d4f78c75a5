// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The drawing layer on its own: a run of pies against each pie drawn in turn, flood fills, reading pixels,
// and shapes off the picture.
#include "logic/canvas.h"
#include "logic/colors.h"

#include <QPointF>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

using namespace maroleta;

namespace {
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

    void clearAndReading()
    {
        QImage image(10, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        Canvas canvas(image);
        canvas.clear();
        QCOMPARE(coloursOf(canvas), QSet<quint32> { DesignColor::White });
        // A point is read at its nearest pixel, halves to even: 1.5 and 2.5 read pixel 2, 3.5 pixel 4. Off
        // the picture, and for no number at all, it reads as outside.
        image.setPixel(2, 1, qRgb(0, 0, 255));
        QString read;
        for (const auto& [x, y] : { std::pair { 2.5, 1.0 }, { 1.5, 1.0 }, { 3.5, 1.0 }, { 9.4, 7.4 }, { 9.6, 0.0 },
                 { -0.6, 0.0 }, { std::nan(""), 0.0 }, { 1e300, 0.0 } })
            read += canvas.point(x, y) == DesignColor::Blue ? u'b'
                : canvas.point(x, y) == Canvas::kOutside    ? u'-'
                                                            : u'w';
        QCOMPARE(read, "bbww----");
        QCOMPARE(canvas.pixel(10, 0), Canvas::kOutside);
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
