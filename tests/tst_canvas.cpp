// The drawing layer on its own: pie angles and radii, closed outlines, flood fills, reading pixels.
#include "logic/canvas.h"
#include "logic/colors.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <limits>
#include <numbers>

using namespace maroleta;

namespace {
constexpr double kPi = std::numbers::pi;

// The angle of pixel (x, y) seen from (cx, cy), counterclockwise from 3 o'clock, in 0..2π.
double angleOf(double cx, double cy, int x, int y)
{
    double angle = std::atan2(cy - y, x - cx);
    return angle < 0 ? angle + 2 * kPi : angle;
}

double distanceOf(double cx, double cy, int x, int y) { return std::hypot(x - cx, y - cy); }

// The pixel at distance `distance` from the centre in direction `angle`.
QPoint along(double cx, double cy, double angle, double distance)
{
    return QPoint(int(std::lround(cx + distance * std::cos(angle))), int(std::lround(cy - distance * std::sin(angle))));
}

QSet<quint32> coloursOf(const Canvas& canvas)
{
    QSet<quint32> colours;
    for (int y = 0; y < int(canvas.scaleHeight()); ++y)
        for (int x = 0; x < int(canvas.scaleWidth()); ++x)
            colours.insert(canvas.pixel(x, y));
    return colours;
}
}

class TestCanvas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void clearMakesEveryPixelWhite();
    void sectorFilledOnlyWhenBothEndsNegative_data();
    void sectorFilledOnlyWhenBothEndsNegative();
    void radiiDrawnForNegativeEndsOnly();
    void anglesRunCounterclockwiseFromThreeOClock();
    void pieWrapsPastThreeOClock();
    void drawingUsesOnlyDesignColours();
    void outlinesCloseEverySector_data();
    void outlinesCloseEverySector();
    void backgroundFillStaysOutsideTheCircle();
    void discIsFilledInsideItsRim();
    void floodFillPaintsTheWholeImage();
    void floodFillOnlyTouchesItsOwnColour();
    void floodFillIgnoresSeedsItCannotUse();
    void readingOutsideTheImage();
    void readingRoundsHalvesToEven();
    void widerPenDrawsWiderRadii();
    void shapesOffThePictureAreSafe();
};

void TestCanvas::clearMakesEveryPixelWhite()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    Canvas canvas(image);
    canvas.clear();
    QCOMPARE(coloursOf(canvas), QSet<quint32> { DesignColor::White });
    QCOMPARE(canvas.scaleWidth(), 40.0);
    QCOMPARE(canvas.scaleHeight(), 30.0);
}

void TestCanvas::sectorFilledOnlyWhenBothEndsNegative_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<bool>("filled");
    QTest::addRow("both negative") << -0.5 << -1.5 << true;
    QTest::addRow("start negative only") << -0.5 << 1.5 << false;
    QTest::addRow("end negative only") << 0.5 << -1.5 << false;
    QTest::addRow("both positive") << 0.5 << 1.5 << false;
    QTest::addRow("start zero cannot be negative") << 0.0 << -1.5 << false;
}

void TestCanvas::sectorFilledOnlyWhenBothEndsNegative()
{
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(bool, filled);
    QImage image(101, 101, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.clear();
    canvas.setFillColor(DesignColor::Blue);
    canvas.pie(50, 50, 40, start, end);
    const QPoint inside = along(50, 50, 1.0, 20);
    QCOMPARE(canvas.pixel(inside.x(), inside.y()), filled ? DesignColor::Blue : DesignColor::White);
    // Outside the sector's angle nothing is filled.
    const QPoint beyond = along(50, 50, 3.0, 20);
    QCOMPARE(canvas.pixel(beyond.x(), beyond.y()), DesignColor::White);
    // The arc is drawn in every case, at the rim between the two angles.
    auto rimIsDrawn = [&](double angle) {
        // Any black pixel near the rim in that direction (a sampled ray can slip diagonally through it).
        for (int y = 0; y < 101; ++y)
            for (int x = 0; x < 101; ++x)
                if (std::abs(distanceOf(50, 50, x, y) - 39.5) <= 1 && std::abs(angleOf(50, 50, x, y) - angle) < 0.05
                    && canvas.pixel(x, y) == DesignColor::Black)
                    return true;
        return false;
    };
    QVERIFY(rimIsDrawn(1.0));
    QVERIFY(!rimIsDrawn(3.0));
}

void TestCanvas::radiiDrawnForNegativeEndsOnly()
{
    QImage image(101, 101, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.clear();
    canvas.pie(50, 50, 40, 0.5, -1.5);
    for (double distance : { 10.0, 20.0, 30.0 }) {
        const QPoint onEnd = along(50, 50, 1.5, distance);
        QCOMPARE(canvas.pixel(onEnd.x(), onEnd.y()), DesignColor::Black);
        const QPoint onStart = along(50, 50, 0.5, distance);
        QCOMPARE(canvas.pixel(onStart.x(), onStart.y()), DesignColor::White);
    }
}

void TestCanvas::anglesRunCounterclockwiseFromThreeOClock()
{
    // From 3 o'clock to 12 o'clock: the upper right quarter of the screen.
    QImage image(101, 101, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.clear();
    canvas.setFillColor(DesignColor::Blue);
    canvas.pie(50, 50, 40, -0.1, -(kPi / 2 - 0.1));
    QCOMPARE(canvas.pixel(70, 30), DesignColor::Blue);
    QCOMPARE(canvas.pixel(30, 30), DesignColor::White);
    QCOMPARE(canvas.pixel(70, 70), DesignColor::White);
    QCOMPARE(canvas.pixel(30, 70), DesignColor::White);
}

void TestCanvas::pieWrapsPastThreeOClock()
{
    // From 2θ round to θ: everything but the sector between θ and 2θ.
    const double theta = 6.28318 / 6;
    QImage image(101, 101, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.clear();
    canvas.setFillColor(DesignColor::Blue);
    canvas.pie(50, 50, 40, -2 * theta, -theta);
    int blue = 0;
    int white = 0;
    for (int y = 0; y < 101; ++y) {
        for (int x = 0; x < 101; ++x) {
            const double distance = distanceOf(50, 50, x, y);
            if (distance > 38 || distance < 3)
                continue;
            const double angle = angleOf(50, 50, x, y);
            const quint32 colour = canvas.pixel(x, y);
            if (colour == DesignColor::Black)
                continue;
            const bool missing = angle > theta + 0.05 && angle < 2 * theta - 0.05;
            const bool covered = angle < theta - 0.05 || angle > 2 * theta + 0.05;
            if (missing) {
                QCOMPARE(colour, DesignColor::White);
                ++white;
            }
            if (covered) {
                QCOMPARE(colour, DesignColor::Blue);
                ++blue;
            }
        }
    }
    QVERIFY(white > 100);
    QVERIFY(blue > 1000);
}

void TestCanvas::drawingUsesOnlyDesignColours()
{
    // No antialiasing: every pixel of a busy drawing is black, white or blue.
    QImage image(300, 100, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.clear();
    const double theta = 6.28318 / 37;
    double a = 0;
    for (int i = 0; i < 37; ++i) {
        canvas.setFillColor(i % 3 ? DesignColor::Blue : DesignColor::White);
        canvas.pie(150.5, 49.5, 44.3, -a, -(a + theta));
        a += theta;
    }
    canvas.setFillColor(DesignColor::Blue);
    canvas.disc(20, 20, 7.6);
    QCOMPARE(coloursOf(canvas), (QSet<quint32> { DesignColor::Black, DesignColor::White, DesignColor::Blue }));
}

void TestCanvas::outlinesCloseEverySector_data()
{
    QTest::addColumn<int>("sectors");
    QTest::addColumn<double>("cx");
    QTest::addColumn<double>("cy");
    QTest::addColumn<double>("radius");
    QTest::addRow("2 sectors, radius 44") << 2 << 150.0 << 50.0 << 44.0;
    QTest::addRow("3 sectors, off-pixel centre") << 3 << 60.5 << 49.5 << 41.5;
    QTest::addRow("7 sectors") << 7 << 61.0 << 60.0 << 57.0;
    QTest::addRow("12 sectors, small") << 12 << 30.3 << 30.7 << 17.0;
    QTest::addRow("40 sectors") << 40 << 120.0 << 120.0 << 114.0;
    QTest::addRow("150 sectors") << 150 << 250.0 << 250.0 << 244.0;
}

void TestCanvas::outlinesCloseEverySector()
{
    QFETCH(int, sectors);
    QFETCH(double, cx);
    QFETCH(double, cy);
    QFETCH(double, radius);
    const int side = int(2 * (cx > cy ? cx : cy)) + 2;
    QImage image(side, side, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.clear();
    const double theta = 6.28318 / sectors;
    double a = 0;
    canvas.setFillColor(DesignColor::White);
    for (int i = 0; i < sectors; ++i) {
        canvas.pie(cx, cy, radius, -a, -(a + theta));
        a += theta;
    }
    // Fill each sector that has room inside from its middle: the paint must stay between its radii.
    int filledSectors = 0;
    for (int i = 0; i < sectors; ++i) {
        const QPoint seed = along(cx, cy, (i + 0.5) * theta, radius * 0.85);
        if (canvas.pixel(seed.x(), seed.y()) != DesignColor::White)
            continue;
        const quint32 mark = 0x010000u * quint32(1 + i % 200); // a colour of its own per sector
        canvas.setFillColor(mark);
        canvas.floodFill(seed.x(), seed.y(), DesignColor::White);
        ++filledSectors;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                if (canvas.pixel(x, y) != mark)
                    continue;
                QVERIFY2(distanceOf(cx, cy, x, y) <= radius, qPrintable(QStringLiteral("leak out at %1,%2").arg(x).arg(y)));
                const double angle = angleOf(cx, cy, x, y);
                const bool within = angle >= i * theta - 1e-9 && angle <= (i + 1) * theta + 1e-9;
                QVERIFY2(within || (i == 0 && angle >= 6.28318), qPrintable(QStringLiteral("sector %1 leaks at %2,%3").arg(i).arg(x).arg(y)));
            }
        }
    }
    QVERIFY(filledSectors >= (sectors < 100 ? sectors : sectors / 2));
}

void TestCanvas::backgroundFillStaysOutsideTheCircle()
{
    QImage image(300, 100, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.clear();
    const double theta = 6.28318 / 5;
    double a = 0;
    for (int i = 0; i < 5; ++i) {
        canvas.setFillColor(DesignColor::White);
        canvas.pie(150, 50, 44, -a, -(a + theta));
        a += theta;
    }
    canvas.setFillColor(DesignColor::NearWhite);
    canvas.floodFill(1, 1, DesignColor::White);
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 300; ++x) {
            const double distance = distanceOf(150, 50, x, y);
            if (distance > 45)
                QCOMPARE(canvas.pixel(x, y), DesignColor::NearWhite);
            else if (distance <= 44)
                QVERIFY(canvas.pixel(x, y) != DesignColor::NearWhite);
        }
    }
}

void TestCanvas::discIsFilledInsideItsRim()
{
    QImage image(50, 50, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.clear();
    canvas.setFillColor(DesignColor::Blue);
    canvas.disc(25, 25, 10);
    for (const QPoint inside : { QPoint(25, 25), QPoint(33, 25), QPoint(17, 25), QPoint(25, 33), QPoint(25, 17),
             QPoint(30, 30), QPoint(20, 20), QPoint(20, 30), QPoint(30, 20) })
        QCOMPARE(canvas.pixel(inside.x(), inside.y()), DesignColor::Blue);
    QCOMPARE(canvas.pixel(35, 25), DesignColor::Black);
    QCOMPARE(canvas.pixel(25, 15), DesignColor::Black);
    QCOMPARE(canvas.pixel(36, 25), DesignColor::White);
    // A radius never drawn: the pixels on the 3 o'clock ray are blue up to the rim.
    QCOMPARE(canvas.pixel(30, 25), DesignColor::Blue);
    // Without its outline the disc is its fill alone.
    canvas.clear();
    canvas.disc(25, 25, 10, false);
    QCOMPARE(canvas.pixel(35, 25), DesignColor::Blue);
    QCOMPARE(canvas.pixel(25, 15), DesignColor::Blue);
    QCOMPARE(canvas.pixel(36, 25), DesignColor::White);
}

void TestCanvas::floodFillPaintsTheWholeImage()
{
    // A full-screen fill runs from a work list, not recursion.
    QImage image(1900, 1000, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.clear();
    canvas.setFillColor(DesignColor::NearWhite);
    canvas.floodFill(950, 500, DesignColor::White);
    QCOMPARE(coloursOf(canvas), QSet<quint32> { DesignColor::NearWhite });
}

void TestCanvas::floodFillOnlyTouchesItsOwnColour()
{
    // A checkerboard of single pixels: a 4-connected fill paints one pixel only.
    QImage image(20, 20, QImage::Format_RGB32);
    Canvas canvas(image);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    canvas.setFillColor(DesignColor::Blue);
    canvas.floodFill(4, 4, DesignColor::White);
    QCOMPARE(canvas.pixel(4, 4), DesignColor::Blue);
    QCOMPARE(canvas.pixel(6, 6), DesignColor::White);
    QCOMPARE(canvas.pixel(5, 4), DesignColor::Black);
    // A U-shaped area is filled round its bend.
    canvas.clear();
    for (int y = 2; y < 18; ++y)
        image.setPixel(10, y, qRgb(0, 0, 0));
    canvas.floodFill(5, 5, DesignColor::White);
    QCOMPARE(canvas.pixel(15, 5), DesignColor::Blue);
    QCOMPARE(canvas.pixel(10, 5), DesignColor::Black);
}

void TestCanvas::floodFillIgnoresSeedsItCannotUse()
{
    QImage image(20, 20, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.clear();
    canvas.setFillColor(DesignColor::Blue);
    canvas.floodFill(-1, 5, DesignColor::White);
    canvas.floodFill(5, 20, DesignColor::White);
    canvas.floodFill(5, 5, DesignColor::Black); // the seed is not of that colour
    QCOMPARE(coloursOf(canvas), QSet<quint32> { DesignColor::White });
    // Filling with the colour being replaced changes nothing and ends.
    canvas.setFillColor(DesignColor::White);
    canvas.floodFill(5, 5, DesignColor::White);
    QCOMPARE(coloursOf(canvas), QSet<quint32> { DesignColor::White });
}

void TestCanvas::readingOutsideTheImage()
{
    QImage image(10, 8, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.clear();
    QCOMPARE(canvas.pixel(9, 7), DesignColor::White);
    QCOMPARE(canvas.pixel(10, 0), Canvas::kOutside);
    QCOMPARE(canvas.pixel(0, 8), Canvas::kOutside);
    QCOMPARE(canvas.pixel(-1, 0), Canvas::kOutside);
    QCOMPARE(canvas.point(-0.6, 0), Canvas::kOutside);
    QCOMPARE(canvas.point(9.4, 7.4), DesignColor::White);
    QCOMPARE(canvas.point(9.6, 0), Canvas::kOutside);
    QCOMPARE(canvas.point(std::nan(""), 0), Canvas::kOutside);
    QCOMPARE(canvas.point(1e300, 0), Canvas::kOutside);
}

void TestCanvas::readingRoundsHalvesToEven()
{
    QImage image(10, 3, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.clear();
    image.setPixel(2, 1, qRgb(0, 0, 255));
    QCOMPARE(canvas.point(2.5, 1), DesignColor::Blue); // 2.5 reads pixel 2
    QCOMPARE(canvas.point(1.5, 1), DesignColor::Blue); // 1.5 reads pixel 2
    QCOMPARE(canvas.point(3.5, 1), DesignColor::White); // 3.5 reads pixel 4
}

void TestCanvas::widerPenDrawsWiderRadii()
{
    QImage image(101, 101, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.clear();
    canvas.setLineWidth(3);
    canvas.pie(50, 50, 40, 1.0, -(kPi / 2));
    QCOMPARE(canvas.pixel(49, 30), DesignColor::Black);
    QCOMPARE(canvas.pixel(51, 30), DesignColor::Black);
    QCOMPARE(canvas.pixel(53, 30), DesignColor::White);
}

void TestCanvas::shapesOffThePictureAreSafe()
{
    // Partly or wholly off the image, absurdly large or not a number: drawn in part or not at all.
    QImage image(60, 40, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.clear();
    canvas.setFillColor(DesignColor::Blue);
    canvas.pie(-5, 20, 30, -5.5, -0.5);
    QCOMPARE(canvas.pixel(10, 20), DesignColor::Blue);
    canvas.clear();
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

QTEST_GUILESS_MAIN(TestCanvas)
#include "tst_canvas.moc"
