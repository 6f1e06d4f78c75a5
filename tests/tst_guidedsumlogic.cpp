// The guided sum without its window: tasks over many seeded draws, judging and the two circles.
#include "learnsupport.h"

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
    const auto black = [&](int s) { // s in 4000ths of a turn
        const double angle = (s % 4000) * 6.283185307179586 / 4000;
        return at(image, cx + 0.8 * radius * std::cos(angle), cy - 0.8 * radius * std::sin(angle))
            == DesignColor::Black;
    };
    int runs = 0;
    for (int s = 1; s <= 4000; ++s)
        runs += black(s) && !black(s - 1);
    return runs;
}
}

class GuidedSumLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tasksReachEveryFractionAndNeverGoNegative()
    {
        Random random(11);
        std::array<std::set<std::pair<int, int>>, 2> seen; // the fractions A and B met
        int sums = 0;
        for (int draw = 0; draw < 40000; ++draw) {
            const SumTask t = newSumTask(random);
            for (const auto& [n, d] : { std::pair { t.numeratorA, t.denominatorA }, { t.numeratorB, t.denominatorB } })
                QVERIFY(d >= 2 && d <= 12 && n >= 1 && n <= d);
            seen[0].insert({ t.numeratorA, t.denominatorA });
            seen[1].insert({ t.numeratorB, t.denominatorB });
            // Over the common denominator dA * dB the result numerator must never be negative.
            QCOMPARE(t.sum, t.numeratorB * t.denominatorA >= t.numeratorA * t.denominatorB);
            sums += t.sum;
        }
        // Every fraction n/d with d in 2..12 and n in 1..d: 2 + 3 + ... + 12 = 77 of them.
        QCOMPARE(seen[0].size(), std::size_t(77));
        QCOMPARE(seen[1].size(), std::size_t(77));
        QVERIFY(sums > 10000 && sums < 30000);
    }

    void judging()
    {
        // Right and wrong results over a common denominator are judged on the window in tst_guidedsum.
        // 6/24 + 16/24 given as 11/12, simplified, is not taken.
        QVERIFY(!isResultNumeratorRight(11, 6, 16, true) && !isResultDenominatorRight(12, 24));
        // 3/7 - 3/7 with the result left empty reads 0 over 0: a right numerator, a wrong denominator.
        QVERIFY(isResultNumeratorRight(0, 3, 3, false) && !isResultDenominatorRight(0, 7));
    }

    void circlesShowTheirSectors()
    {
        // nA/dA and nB/dB in a picture of the size given. In the narrow one radius H/2 - 2 = 98 would make
        // circles centred at 75 and 225 overlap: they get 73.
        const std::pair<QSize, std::array<int, 4>> cases[] = { { { 600, 240 }, { 1, 2, 1, 3 } },
            { { 600, 240 }, { 6, 24, 16, 24 } }, { { 600, 240 }, { 5, 5, 0, 7 } }, { { 300, 200 }, { 3, 3, 4, 4 } } };
        for (const auto& [size, fractions] : cases) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::black); // the drawing must clear whatever was there
            drawSumCircles(image, { double(fractions[0]), double(fractions[1]), SumColor::Cyan },
                { double(fractions[2]), double(fractions[3]), SumColor::Magenta });
            // Centres at a quarter and three quarters of the width.
            const double cy = size.height() / 2.0;
            const double radius = std::min(cy - 2, size.width() / 4.0 - 2);
            for (const int circle : { 0, 1 }) {
                const double cx = size.width() * (circle ? 0.75 : 0.25);
                const int n = fractions[2 * circle], d = fractions[2 * circle + 1];
                QCOMPARE(countRadii(image, cx, cy, radius), d);
                QCOMPARE(testing::sumCircleColours(image, circle, d),
                    QString(n, circle ? u'm' : u'c') + QString(d - n, u'w'));
                QCOMPARE(at(image, cx, cy - radius), DesignColor::Black);
                QCOMPARE(at(image, cx, cy - radius - 2), DesignColor::White);
            }
            // Between and around the circles the picture is cleared to white.
            QCOMPARE(at(image, 0, 0), DesignColor::White);
            QCOMPARE(at(image, size.width() / 2.0, cy), DesignColor::White);
        }
    }
};

QTEST_GUILESS_MAIN(GuidedSumLogic)
#include "tst_guidedsumlogic.moc"
