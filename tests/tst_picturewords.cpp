// The keyboard's points on a fraction drawing, and the words read out for a drawing.
#include "logic/colors.h"
#include "logic/fractiondrawing.h"
#include "logic/picturewords.h"

#include <QTest>

using namespace maroleta;

class TestPictureWords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everySpotLiesInItsSector_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("denominator");
        // The picture of section 0 on common screens, and a wide and a narrow one.
        for (const QSize size : { QSize(416, 226), QSize(900, 300), QSize(180, 240) })
            for (const int denominator : { 1, 2, 3, 7, 12, 24, 40 })
                QTest::addRow("%dx%d, /%d", size.width(), size.height(), denominator) << size << denominator;
    }

    void everySpotLiesInItsSector()
    {
        QFETCH(QSize, size);
        QFETCH(int, denominator);
        // Every numerator up to three whole circles: the first `numerator` spots are blue, the rest white.
        for (int numerator = 0; numerator <= 3 * denominator; ++numerator) {
            QImage image(size, QImage::Format_RGB32);
            Canvas canvas(image);
            drawFraction(canvas, numerator, denominator);
            const std::vector<QPoint> spots = sectorSpots(size.width(), size.height(), numerator, denominator);
            const qint64 circles = fractionCircles(size.width(), size.height(), numerator, denominator);
            QCOMPARE(qint64(spots.size()), circles * denominator);
            for (std::size_t k = 0; k < spots.size(); ++k) {
                const quint32 expected = int(k) < numerator ? DesignColor::Blue : DesignColor::White;
                QVERIFY2(canvas.pixel(spots[k].x(), spots[k].y()) == expected,
                    qPrintable(QStringLiteral("%1/%2, spot %3").arg(numerator).arg(denominator).arg(k)));
            }
        }
    }

    void words_data()
    {
        QTest::addColumn<double>("numerator");
        QTest::addColumn<double>("denominator");
        QTest::addColumn<qint64>("circles");
        QTest::addColumn<QString>("words");
        // One circle and several, one sector coloured and several: the keyboard test reads them on the window.
        QTest::addRow("nothing painted") << 0.0 << 5.0 << qint64(1)
                                         << QString::fromUtf8("0/5: un círculo de 5 partes, 0 coloreadas");
        QTest::addRow("one part") << 1.0 << 1.0 << qint64(1)
                                  << QString::fromUtf8("1/1: un círculo de 1 parte, 1 coloreada");
    }

    void words()
    {
        QFETCH(double, numerator);
        QFETCH(double, denominator);
        QFETCH(qint64, circles);
        QFETCH(QString, words);
        QCOMPARE(fractionPictureText(numerator, denominator, circles), words);
    }
};

QTEST_GUILESS_MAIN(TestPictureWords)
#include "tst_picturewords.moc"
