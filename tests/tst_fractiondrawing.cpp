// Fractions drawn as circles on fixed-size pictures: geometry, sector colours, the background.
#include "learnsupport.h"

#include <QSet>
#include <QTest>

#include <algorithm>
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
}

class TestFractionDrawing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void drawing_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("numerator");
        QTest::addColumn<double>("denominator");
        QTest::addColumn<QString>("colours"); // each circle's sectors read in their middles; "" not read
        QTest::addColumn<qint64>("wholeCircles"); // -1: one circle, no count
        const QSize small(300, 100);
        const QSize screen(765, 307);
        QTest::addRow("1/2") << small << 1.0 << 2.0 << "bw" << qint64(-1);
        QTest::addRow("0/5") << small << 0.0 << 5.0 << "wwwww" << qint64(-1);
        QTest::addRow("7/7") << screen << 7.0 << 7.0 << "bbbbbbb" << qint64(-1);
        QTest::addRow("5/2") << small << 5.0 << 2.0 << "bb bb bw" << qint64(2);
        QTest::addRow("4/2: exactly two circles") << screen << 4.0 << 2.0 << "bb bb" << qint64(2);
        QTest::addRow("47/2, partly painted last") << small << 47.0 << 2.0 << "" << qint64(23);
        QTest::addRow("0/1: one white circle") << QSize(600, 100) << 0.0 << 1.0 << "w" << qint64(-1);
        QTest::addRow("1/1") << QSize(600, 100) << 1.0 << 1.0 << "b" << qint64(-1);
        QTest::addRow("3/1: three blue circles") << QSize(600, 100) << 3.0 << 1.0 << "b b b" << qint64(3);
        QTest::addRow("53/150, counted counterclockwise")
            << QSize(1000, 1000) << 53.0 << 150.0 << QString(53, u'b') + QString(97, u'w') << qint64(-1);
        // A hundred circles: plain discs where the cells are too narrow for sectors.
        QTest::addRow("199/2 in 300 pixels") << small << 199.0 << 2.0 << "" << qint64(99);
        QTest::addRow("2000/20 on a small screen") << screen << 2000.0 << 20.0 << "" << qint64(100);
        QTest::addRow("2000/20 wide") << QSize(1900, 500) << 2000.0 << 20.0 << "" << qint64(100);
    }

    void drawing()
    {
        QFETCH(QSize, size);
        QFETCH(double, numerator);
        QFETCH(double, denominator);
        QFETCH(QString, colours);
        QFETCH(qint64, wholeCircles);
        Picture p(size.width(), size.height());
        QCOMPARE(drawFraction(p.canvas, numerator, denominator).value_or(-1), wholeCircles);
        if (!colours.isEmpty())
            QCOMPARE(testing::circleColours(p.image, numerator, denominator), colours);
        const FractionLayout layout = layoutFraction(size.width(), size.height(), numerator, denominator);
        QVERIFY(layout.radius > 0);
        // The circles stand in one row inside the picture, 6 pixels from its top and bottom, clear of each other.
        QVERIFY(layout.centreY - layout.radius >= 6 && layout.centreY + layout.radius <= size.height() - 6);
        for (std::size_t i = 0; i < layout.centresX.size(); ++i) {
            QVERIFY(layout.centresX[i] - layout.radius >= 0 && layout.centresX[i] + layout.radius < size.width());
            QVERIFY(i == 0 || layout.centresX[i] - layout.centresX[i - 1] > 2 * layout.radius);
        }
        // Every pixel clear of all circles is near-white grey; every circle pixel is black, white or blue,
        // never an antialiased shade; every full circle shows some blue.
        // A white disc too small for an outline is one with the background.
        QSet<quint32> circleColours { DesignColor::Black, DesignColor::White, DesignColor::Blue };
        if (!layout.discOutlines)
            circleColours.insert(DesignColor::NearWhite);
        std::vector<bool> blue(layout.centresX.size());
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const qint64 cell = std::clamp<qint64>(
                    x / std::max<qint64>(layout.cellWidth, 1), 0, qint64(layout.centresX.size()) - 1);
                const double distance = std::hypot(x - layout.centresX[std::size_t(cell)], y - layout.centreY);
                if (distance > layout.radius + 1.5)
                    QCOMPARE(p.at(x, y), DesignColor::NearWhite);
                else if (distance <= layout.radius)
                    QVERIFY(circleColours.contains(p.at(x, y)));
                if (distance <= layout.radius && p.at(x, y) == DesignColor::Blue)
                    blue[std::size_t(cell)] = true;
            }
        }
        for (qint64 i = 0; i < std::max<qint64>(wholeCircles, numerator == denominator ? 1 : 0); ++i)
            QVERIFY2(blue[std::size_t(i)], qPrintable(QStringLiteral("circle %1 shows no blue").arg(i)));
    }

    // The last, partly painted circle of cells too narrow for rims: a dot with a black rim, so that it
    // shows against the grey background, blue inside once half of it is painted.
    void partlyPaintedDotShows_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("numerator");
        QTest::addColumn<double>("denominator");
        QTest::addColumn<quint32>("middle");
        QTest::addRow("153/2, half painted") << QSize(390, 200) << 153.0 << 2.0 << quint32(DesignColor::Blue);
        QTest::addRow("457/6, a sixth painted") << QSize(390, 200) << 457.0 << 6.0 << quint32(DesignColor::White);
        QTest::addRow("597/2, a pixel a circle") << QSize(300, 200) << 597.0 << 2.0 << quint32(DesignColor::Black);
    }

    void partlyPaintedDotShows()
    {
        QFETCH(QSize, size);
        QFETCH(double, numerator);
        QFETCH(double, denominator);
        QFETCH(quint32, middle);
        Picture p(size.width(), size.height());
        drawFraction(p.canvas, numerator, denominator);
        const FractionLayout layout = layoutFraction(size.width(), size.height(), numerator, denominator);
        QVERIFY(!layout.discOutlines);
        const int x = int(layout.centresX.back());
        const int y = int(layout.centreY);
        QCOMPARE(p.at(x, y), middle);
        QVERIFY(p.at(x - 1, y) == DesignColor::Black || p.at(x, y) == DesignColor::Black);
        // The whole circle before it is still a blue dot without a rim.
        const int before = int(layout.centresX[layout.centresX.size() - 2]);
        QCOMPARE(p.at(before, y), quint32(DesignColor::Blue));
    }

    void twoThousandSectors()
    {
        // So many radii leave few pixels inside the sectors, but those few keep their colours.
        Picture p(1900, 500);
        QVERIFY(!drawFraction(p.canvas, 2000, 2000).has_value());
        QCOMPARE(p.count(DesignColor::White), 0);
        QVERIFY(p.count(DesignColor::Blue) > 0);
        drawFraction(p.canvas, 1000, 2000);
        int blue = 0;
        int white = 0;
        for (int y = 0; y < 500; ++y) {
            for (int x = 0; x < 1900; ++x) {
                const quint32 colour = p.at(x, y);
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
};

QTEST_GUILESS_MAIN(TestFractionDrawing)
#include "tst_fractiondrawing.moc"
