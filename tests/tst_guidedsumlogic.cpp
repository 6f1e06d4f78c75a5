// The guided sum without its window: tasks over many seeded draws, judging and the two circles.
#include "learnsupport.h"

#include <QTest>

#include <cmath>
#include <set>

using namespace maroleta;

namespace {
// The colour number of a pixel.
quint32 at(const QImage& image, double x, double y)
{
    return colorNumber(image.pixelColor(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))));
}

// The radii a circle shows: black runs met walking once around it at 80 % of the radius.
int countRadii(const QImage& image, double cx, double cy, double radius)
{
    const int steps = 4000;
    const auto black = [&](int s) {
        const double angle = s * 6.283185307179586 / steps;
        return at(image, cx + 0.8 * radius * std::cos(angle), cy - 0.8 * radius * std::sin(angle))
            == DesignColor::Black;
    };
    int start = 0;
    while (start < steps && black(start))
        ++start;
    int runs = 0;
    for (int s = start; s < start + steps; ++s)
        runs += black(s % steps) && !black((s - 1) % steps);
    return runs;
}
}

class GuidedSumLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tasksReachEveryFractionAndNeverGoNegative()
    {
        Random random(11);
        std::set<std::pair<int, int>> seenA;
        std::set<std::pair<int, int>> seenB;
        int sums = 0;
        for (int draw = 0; draw < 40000; ++draw) {
            const SumTask task = newSumTask(random);
            seenA.insert({ task.numeratorA, task.denominatorA });
            seenB.insert({ task.numeratorB, task.denominatorB });
            // Over the common denominator dA * dB the result numerator must never be negative.
            const int a = task.numeratorA * task.denominatorB;
            const int b = task.numeratorB * task.denominatorA;
            QCOMPARE(task.sum, b >= a);
            sums += task.sum;
        }
        // Every fraction n/d with d in 2..12 and n in 1..d, and no other: 2 + 3 + ... + 12 = 77 of them.
        QCOMPARE(int(seenA.size()), 77);
        QCOMPARE(int(seenB.size()), 77);
        for (const auto& [n, d] : seenA)
            QVERIFY(d >= 2 && d <= 12 && n >= 1 && n <= d);
        for (const auto& [n, d] : seenB)
            QVERIFY(d >= 2 && d <= 12 && n >= 1 && n <= d);
        QVERIFY(sums > 10000 && sums < 30000);
    }

    void judging_data()
    {
        QTest::addColumn<QList<double>>("result"); // numerator, denominator
        QTest::addColumn<QList<double>>("working"); // numerator A', numerator B', common denominator
        QTest::addColumn<bool>("sum");
        QTest::addColumn<bool>("numeratorRight");
        QTest::addColumn<bool>("denominatorRight");
        // Right and wrong results of a sum and a subtraction are judged on the window in tst_guidedsum.
        QTest::addRow("simplified result is not taken")
            << QList<double> { 11, 12 } << QList<double> { 6, 16, 24 } << true << false << false;
        QTest::addRow("empty result reads 0")
            << QList<double> { 0, 0 } << QList<double> { 3, 3, 7 } << false << true << false;
    }

    void judging()
    {
        QFETCH(QList<double>, result);
        QFETCH(QList<double>, working);
        QFETCH(bool, sum);
        QFETCH(bool, numeratorRight);
        QFETCH(bool, denominatorRight);
        QCOMPARE(isResultNumeratorRight(result[0], working[0], working[1], sum), numeratorRight);
        QCOMPARE(isResultDenominatorRight(result[1], working[2]), denominatorRight);
    }

    void circlesShowTheirSectors_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<int>>("fractions"); // nA, dA, nB, dB
        QTest::addRow("1/2 and 1/3") << QSize(600, 240) << QList<int> { 1, 2, 1, 3 };
        QTest::addRow("6/24 and 16/24") << QSize(600, 240) << QList<int> { 6, 24, 16, 24 };
        QTest::addRow("5/5 and 0/7: full and empty") << QSize(600, 240) << QList<int> { 5, 5, 0, 7 };
        // Radius H/2 - 2 = 98 would make circles centred at 75 and 225 overlap: they get 73.
        QTest::addRow("narrow picture") << QSize(300, 200) << QList<int> { 3, 3, 4, 4 };
    }

    void circlesShowTheirSectors()
    {
        QFETCH(QSize, size);
        QFETCH(QList<int>, fractions);
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::black); // the drawing must clear whatever was there
        drawSumCircles(image, { double(fractions[0]), double(fractions[1]), SumColor::Cyan },
            { double(fractions[2]), double(fractions[3]), SumColor::Magenta });
        // Centres at a quarter and three quarters of the width.
        const double cy = size.height() / 2.0;
        const double radius = std::min(cy - 2, size.width() / 4.0 - 2);
        for (const int circle : { 0, 1 }) {
            const double cx = size.width() * (circle ? 0.75 : 0.25);
            const int n = fractions[2 * circle];
            const int d = fractions[2 * circle + 1];
            QCOMPARE(countRadii(image, cx, cy, radius), d);
            QCOMPARE(
                testing::sumCircleColours(image, circle, d), QString(n, circle ? u'm' : u'c') + QString(d - n, u'w'));
            QCOMPARE(at(image, cx, cy - radius), DesignColor::Black);
            QCOMPARE(at(image, cx, cy - radius - 2), DesignColor::White);
        }
        // Between and around the circles the picture is cleared to white.
        QCOMPARE(at(image, 0, 0), DesignColor::White);
        QCOMPARE(at(image, size.width() / 2.0, cy), DesignColor::White);
    }
};

QTEST_GUILESS_MAIN(GuidedSumLogic)
#include "tst_guidedsumlogic.moc"
