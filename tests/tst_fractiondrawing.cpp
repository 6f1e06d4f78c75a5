// Fractions drawn as circles on fixed-size pictures: geometry, sector colours, the background, clicks.
#include "logic/colors.h"
#include "logic/fractiondrawing.h"

#include <QTest>

#include <cmath>

using namespace maroleta;

namespace {
struct Picture {
    Picture(int width, int height)
        : image(width, height, QImage::Format_RGB32)
        , canvas(image)
    {
    }
    QImage image;
    Canvas canvas;
    quint32 at(int x, int y) const { return canvas.pixel(x, y); }
    int count(quint32 colour) const
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += canvas.pixel(x, y) == colour;
        return n;
    }
};

// The colour in the middle of sector `sector` of the circle at (cx, cy), at 0.8 of its radius.
quint32 sectorColour(const Picture& picture, double cx, double cy, double radius, int sectors, int sector)
{
    const double angle = (sector + 0.5) * 6.28318 / sectors;
    return picture.at(int(std::lround(cx + 0.8 * radius * std::cos(angle))),
        int(std::lround(cy - 0.8 * radius * std::sin(angle))));
}
}

class TestFractionDrawing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void oneHalf();
    void zeroOverDenominator();
    void wholeOneIsAllBlue();
    void fiveHalves();
    void fourHalvesIsExactlyTwoCircles();
    void geometryOfASmallPicture_data();
    void geometryOfASmallPicture();
    void sectorsCountedCounterclockwise();
    void twoThousandSectors();
    void hundredWholeCircles_data();
    void hundredWholeCircles();
    void denominatorOne_data();
    void denominatorOne();
    void backgroundIsGreyAfterEveryDrawing_data();
    void backgroundIsGreyAfterEveryDrawing();
    void wholeCircleCount_data();
    void wholeCircleCount();
    void clickingSectors();
    void clickingPaintsOnlyTheSectorPressed();
};

void TestFractionDrawing::oneHalf()
{
    Picture p(300, 100);
    drawFraction(p.canvas, 1, 2);
    QCOMPARE(p.at(150, 30), DesignColor::Blue); // the upper half, angles 0 to π
    QCOMPARE(p.at(150, 70), DesignColor::White);
    QCOMPARE(p.at(120, 49), DesignColor::Blue);
    QCOMPARE(p.at(120, 51), DesignColor::White);
    QCOMPARE(p.at(130, 50), DesignColor::Black); // the radii along the horizontal diameter
    QCOMPARE(p.at(170, 50), DesignColor::Black);
    QCOMPARE(p.at(150, 6), DesignColor::Black); // radius 44 round (150, 50)
    QCOMPARE(p.at(150, 94), DesignColor::Black);
    QCOMPARE(p.at(150, 5), DesignColor::NearWhite);
    QCOMPARE(p.at(150, 95), DesignColor::NearWhite);
}

void TestFractionDrawing::zeroOverDenominator()
{
    Picture p(300, 100);
    QVERIFY(!drawFraction(p.canvas, 0, 5).has_value());
    QCOMPARE(p.count(DesignColor::Blue), 0);
    for (int sector = 0; sector < 5; ++sector)
        QCOMPARE(sectorColour(p, 150, 50, 44, 5, sector), DesignColor::White);
}

void TestFractionDrawing::wholeOneIsAllBlue()
{
    Picture p(300, 100);
    QVERIFY(!drawFraction(p.canvas, 7, 7).has_value());
    QCOMPARE(p.count(DesignColor::White), 0);
    for (int sector = 0; sector < 7; ++sector)
        QCOMPARE(sectorColour(p, 150, 50, 44, 7, sector), DesignColor::Blue);
}

void TestFractionDrawing::fiveHalves()
{
    Picture p(300, 100);
    QCOMPARE(drawFraction(p.canvas, 5, 2), std::optional<qint64>(2));
    for (const int cx : { 50, 150 }) {
        QCOMPARE(p.at(cx, 30), DesignColor::Blue);
        QCOMPARE(p.at(cx, 70), DesignColor::Blue);
    }
    QCOMPARE(p.at(250, 30), DesignColor::Blue);
    QCOMPARE(p.at(250, 70), DesignColor::White);
    QCOMPARE(p.at(100, 50), DesignColor::NearWhite); // between the circles
}

void TestFractionDrawing::fourHalvesIsExactlyTwoCircles()
{
    Picture p(300, 100);
    QCOMPARE(drawFraction(p.canvas, 4, 2), std::optional<qint64>(2));
    const FractionLayout layout = layoutFraction(300, 100, 4, 2);
    QCOMPARE(layout.cells, 2);
    QCOMPARE(layout.centresX, (std::vector<double> { 75, 225 }));
    QCOMPARE(p.count(DesignColor::White), 0); // no partly painted circle, and the background filled
    QCOMPARE(p.at(75, 30), DesignColor::Blue);
    QCOMPARE(p.at(225, 70), DesignColor::Blue);
    QCOMPARE(p.at(150, 50), DesignColor::NearWhite);
    QCOMPARE(p.at(299, 50), DesignColor::NearWhite);
}

void TestFractionDrawing::geometryOfASmallPicture_data()
{
    QTest::addColumn<double>("numerator");
    QTest::addColumn<double>("denominator");
    QTest::addColumn<qint64>("cellWidth");
    QTest::addColumn<double>("radius");
    QTest::addColumn<std::vector<double>>("centres");
    QTest::addRow("1/2: one circle") << 1.0 << 2.0 << qint64(0) << 44.0 << std::vector<double> { 150 };
    // Cells of 100 give r = 50, capped to 44 because 48 > 44: circles of radius 42.
    QTest::addRow("5/2: three cells") << 5.0 << 2.0 << qint64(100) << 42.0 << std::vector<double> { 50, 150, 250 };
    QTest::addRow("7/2: four cells of 75") << 7.0 << 2.0 << qint64(75) << 35.0 << std::vector<double> { 37, 112, 187, 262 };
}

void TestFractionDrawing::geometryOfASmallPicture()
{
    QFETCH(double, numerator);
    QFETCH(double, denominator);
    QFETCH(qint64, cellWidth);
    QFETCH(double, radius);
    QFETCH(std::vector<double>, centres);
    const FractionLayout layout = layoutFraction(300, 100, numerator, denominator);
    QCOMPARE(layout.centreY, 50.0);
    QCOMPARE(layout.cellWidth, cellWidth);
    QCOMPARE(layout.radius, radius);
    QCOMPARE(layout.centresX, centres);
    QVERIFY(!layout.plainDiscs);
    // The drawn rims sit where the layout puts them.
    Picture p(300, 100);
    drawFraction(p.canvas, numerator, denominator);
    for (const double cx : centres) {
        QCOMPARE(p.at(int(cx), int(50 - radius)), DesignColor::Black);
        QCOMPARE(p.at(int(cx), int(50 - radius) - 1), DesignColor::NearWhite);
        QCOMPARE(p.at(int(cx), int(50 + radius)), DesignColor::Black);
        QCOMPARE(p.at(int(cx), int(50 + radius) + 1), DesignColor::NearWhite);
    }
}

void TestFractionDrawing::sectorsCountedCounterclockwise()
{
    // 150 sectors, the first 53 blue, in a picture large enough to see every sector.
    Picture p(1000, 1000);
    drawFraction(p.canvas, 53, 150);
    for (int sector = 0; sector < 150; ++sector)
        QCOMPARE(sectorColour(p, 500, 500, 494, 150, sector), sector < 53 ? DesignColor::Blue : DesignColor::White);
}

void TestFractionDrawing::twoThousandSectors()
{
    // So many radii leave few pixels inside the sectors, but those few keep their colours.
    Picture p(1900, 500);
    QVERIFY(!drawFraction(p.canvas, 2000, 2000).has_value());
    QCOMPARE(p.count(DesignColor::White), 0);
    QVERIFY(p.count(DesignColor::Blue) > 0);
    Picture half(1900, 500);
    drawFraction(half.canvas, 1000, 2000);
    int blue = 0;
    int white = 0;
    for (int y = 0; y < 500; ++y) {
        for (int x = 0; x < 1900; ++x) {
            const quint32 colour = half.at(x, y);
            if (colour == DesignColor::Blue) {
                QVERIFY(y < 250);
                ++blue;
            } else if (colour == DesignColor::White) {
                QVERIFY(y > 250);
                ++white;
            }
        }
    }
    QVERIFY(blue > 0 && white > 0);
}

void TestFractionDrawing::hundredWholeCircles_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("numerator");
    QTest::addColumn<double>("denominator");
    QTest::addRow("2000/20 wide") << 1900 << 500 << 2000.0 << 20.0;
    QTest::addRow("2000/20 on a small screen") << 765 << 307 << 2000.0 << 20.0;
    QTest::addRow("200/2 in 500 pixels") << 500 << 300 << 200.0 << 2.0;
    QTest::addRow("100/1 in 400 pixels") << 400 << 300 << 100.0 << 1.0;
    QTest::addRow("199/2 in 300 pixels") << 300 << 100 << 199.0 << 2.0;
}

void TestFractionDrawing::hundredWholeCircles()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, numerator);
    QFETCH(double, denominator);
    const FractionLayout layout = layoutFraction(width, height, numerator, denominator);
    QCOMPARE(layout.cells, 100);
    QVERIFY(layout.radius > 0);
    Picture p(width, height);
    drawFraction(p.canvas, numerator, denominator);
    // Every full circle shows some blue inside its cell.
    for (qint64 i = 0; i < layout.wholeCircles; ++i) {
        const int cx = int(layout.centresX[std::size_t(i)]);
        bool blue = false;
        for (int dy = -int(layout.radius); dy <= int(layout.radius) && !blue; ++dy)
            for (int dx = -int(layout.radius); dx <= int(layout.radius) && !blue; ++dx)
                blue = p.at(cx + dx, int(layout.centreY) + dy) == DesignColor::Blue;
        QVERIFY2(blue, qPrintable(QStringLiteral("circle %1 shows no blue").arg(i)));
    }
}

void TestFractionDrawing::denominatorOne_data()
{
    QTest::addColumn<double>("numerator");
    QTest::addColumn<int>("blueCircles");
    QTest::addColumn<bool>("whiteCircle");
    QTest::addRow("0/1: one white circle") << 0.0 << 0 << true;
    QTest::addRow("1/1: one blue circle") << 1.0 << 1 << false;
    QTest::addRow("3/1: three blue circles") << 3.0 << 3 << false;
}

void TestFractionDrawing::denominatorOne()
{
    QFETCH(double, numerator);
    QFETCH(int, blueCircles);
    QFETCH(bool, whiteCircle);
    Picture p(600, 100);
    const auto counted = drawFraction(p.canvas, numerator, 1);
    const FractionLayout layout = layoutFraction(600, 100, numerator, 1);
    QCOMPARE(int(layout.centresX.size()), std::max(blueCircles, 1));
    QCOMPARE(counted.has_value(), numerator > 1);
    for (const double cx : layout.centresX) {
        const quint32 expected = whiteCircle ? DesignColor::White : DesignColor::Blue;
        QCOMPARE(p.at(int(cx), 30), expected);
        QCOMPARE(p.at(int(cx), 70), expected);
        QCOMPARE(p.at(int(cx) - 20, 50), expected);
    }
    QCOMPARE(p.count(DesignColor::White) > 0, whiteCircle);
}

void TestFractionDrawing::backgroundIsGreyAfterEveryDrawing_data()
{
    QTest::addColumn<double>("numerator");
    QTest::addColumn<double>("denominator");
    QTest::addRow("1/2") << 1.0 << 2.0;
    QTest::addRow("0/9") << 0.0 << 9.0;
    QTest::addRow("9/9") << 9.0 << 9.0;
    QTest::addRow("5/2, partly painted circle") << 5.0 << 2.0;
    QTest::addRow("4/2, whole circles") << 4.0 << 2.0;
    QTest::addRow("45/3, fifteen whole circles") << 45.0 << 3.0;
    QTest::addRow("47/2, partly painted last") << 47.0 << 2.0;
    QTest::addRow("0/1") << 0.0 << 1.0;
    QTest::addRow("7/1") << 7.0 << 1.0;
    QTest::addRow("200/2, plain discs") << 200.0 << 2.0;
    QTest::addRow("2000/2000") << 2000.0 << 2000.0;
}

void TestFractionDrawing::backgroundIsGreyAfterEveryDrawing()
{
    QFETCH(double, numerator);
    QFETCH(double, denominator);
    for (const QSize size : { QSize(300, 100), QSize(765, 307) }) {
        Picture p(size.width(), size.height());
        drawFraction(p.canvas, numerator, denominator);
        const FractionLayout layout = layoutFraction(size.width(), size.height(), numerator, denominator);
        // Every pixel clear of all circles is near-white grey, and no circle pixel is.
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                double nearest = 1e9;
                for (const double cx : layout.centresX)
                    nearest = std::min(nearest, std::hypot(x - cx, y - layout.centreY));
                if (nearest > layout.radius + 1.5)
                    QCOMPARE(p.at(x, y), DesignColor::NearWhite);
                else if (nearest <= layout.radius)
                    QVERIFY(p.at(x, y) != DesignColor::NearWhite);
            }
        }
    }
}

void TestFractionDrawing::wholeCircleCount_data()
{
    QTest::addColumn<double>("numerator");
    QTest::addColumn<double>("denominator");
    QTest::addColumn<qint64>("count");
    QTest::addRow("5/2") << 5.0 << 2.0 << qint64(2);
    QTest::addRow("32/2") << 32.0 << 2.0 << qint64(16);
    QTest::addRow("47/2") << 47.0 << 2.0 << qint64(23);
    QTest::addRow("2000/20") << 2000.0 << 20.0 << qint64(100);
    QTest::addRow("2399/149") << 2399.0 << 149.0 << qint64(16);
}

void TestFractionDrawing::wholeCircleCount()
{
    QFETCH(double, numerator);
    QFETCH(double, denominator);
    QFETCH(qint64, count);
    Picture p(765, 307);
    QCOMPARE(drawFraction(p.canvas, numerator, denominator), std::optional<qint64>(count));
}

void TestFractionDrawing::clickingSectors()
{
    Picture p(300, 100);
    drawFraction(p.canvas, 1, 2);
    QCOMPARE(toggleSector(p.canvas, 150, 70), 1); // the white lower half turns blue
    QCOMPARE(p.at(150, 80), DesignColor::Blue);
    QCOMPARE(p.count(DesignColor::White), 0);
    QCOMPARE(toggleSector(p.canvas, 150, 80), -1);
    QCOMPARE(p.at(150, 70), DesignColor::White);
    QCOMPARE(p.at(150, 30), DesignColor::Blue);
    const QImage before = p.image.copy();
    QCOMPARE(toggleSector(p.canvas, 1, 1), 0); // the background
    QCOMPARE(toggleSector(p.canvas, 130, 50), 0); // a radius
    QCOMPARE(toggleSector(p.canvas, 150, 6), 0); // the rim
    QCOMPARE(toggleSector(p.canvas, -3, 50), 0); // off the picture
    QCOMPARE(toggleSector(p.canvas, 300, 50), 0);
    QCOMPARE(p.image, before);
}

void TestFractionDrawing::clickingPaintsOnlyTheSectorPressed()
{
    // 3/8: pressing sector 5 paints it blue and leaves the other white sectors white.
    Picture p(300, 100);
    drawFraction(p.canvas, 3, 8);
    const double angle = 5.5 * 6.28318 / 8;
    QCOMPARE(toggleSector(p.canvas, 150 + 30 * std::cos(angle), 50 - 30 * std::sin(angle)), 1);
    for (int sector = 0; sector < 8; ++sector) {
        const bool blue = sector < 3 || sector == 5;
        QCOMPARE(sectorColour(p, 150, 50, 44, 8, sector), blue ? DesignColor::Blue : DesignColor::White);
    }
    QCOMPARE(p.at(1, 1), DesignColor::NearWhite);
}

QTEST_GUILESS_MAIN(TestFractionDrawing)
#include "tst_fractiondrawing.moc"
