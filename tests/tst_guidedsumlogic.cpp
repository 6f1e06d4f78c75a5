// The guided sum without its window: tasks over many seeded draws, multiples, judging and the circles.
#include "logic/colors.h"
#include "logic/guidedsum.h"

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

// The colour in the middle of sector j of a circle of `sectors` sectors, at 60 % of the radius.
quint32 sectorColor(const QImage& image, double cx, double cy, double radius, int sectors, int j)
{
    const double angle = (j + 0.5) * kSumFullTurn / sectors;
    // Angles run counterclockwise on the screen, where y grows downwards.
    return at(image, cx + 0.6 * radius * std::cos(angle), cy - 0.6 * radius * std::sin(angle));
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
    bool previous = false;
    for (int s = start; s < start + steps; ++s) {
        const bool now = black(s % steps);
        if (now && !previous)
            ++runs;
        previous = now;
    }
    return runs;
}
}

class GuidedSumLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tasksStayInRangeAndNeverGoNegative();
    void everyTermIsReachable();
    void operationFollowsTheFractions_data();
    void operationFollowsTheFractions();
    void multiplesKeepTheValue();
    void steppingBackStopsAtTheTaskDenominator();
    void resultButtons_data();
    void resultButtons();
    void judging_data();
    void judging();
    void circlesShowTheirSectors_data();
    void circlesShowTheirSectors();
    void circlesTurnBlueWhenTheDenominatorsMeet();
    void picturePlacesTheCircles();
    void narrowPictureKeepsTheCirclesApart();
};

void GuidedSumLogic::tasksStayInRangeAndNeverGoNegative()
{
    Random random(7);
    int sums = 0;
    int subtractions = 0;
    for (int draw = 0; draw < 20000; ++draw) {
        const SumTask task = newSumTask(random);
        QVERIFY(task.denominatorA >= 2 && task.denominatorA <= 12);
        QVERIFY(task.denominatorB >= 2 && task.denominatorB <= 12);
        QVERIFY(task.numeratorA >= 1 && task.numeratorA <= task.denominatorA);
        QVERIFY(task.numeratorB >= 1 && task.numeratorB <= task.denominatorB);
        // Over the common denominator dA * dB the result numerator must never be negative.
        const int a = task.numeratorA * task.denominatorB;
        const int b = task.numeratorB * task.denominatorA;
        QCOMPARE(task.sum, b >= a);
        QVERIFY(task.sum ? a + b > 0 : a - b > 0);
        (task.sum ? sums : subtractions) += 1;
    }
    QVERIFY(sums > 5000);
    QVERIFY(subtractions > 5000);
}

void GuidedSumLogic::everyTermIsReachable()
{
    Random random(11);
    std::set<std::pair<int, int>> seenA;
    std::set<std::pair<int, int>> seenB;
    for (int draw = 0; draw < 40000; ++draw) {
        const SumTask task = newSumTask(random);
        seenA.insert({ task.numeratorA, task.denominatorA });
        seenB.insert({ task.numeratorB, task.denominatorB });
    }
    // Every fraction n/d with d in 2..12 and n in 1..d: 2 + 3 + ... + 12 = 77 of them, for A and for B.
    QCOMPARE(int(seenA.size()), 77);
    QCOMPARE(int(seenB.size()), 77);
}

void GuidedSumLogic::operationFollowsTheFractions_data()
{
    QTest::addColumn<int>("nA");
    QTest::addColumn<int>("dA");
    QTest::addColumn<int>("nB");
    QTest::addColumn<int>("dB");
    QTest::addColumn<bool>("sum");
    QTest::addRow("1/2 and 2/4 are equal: sum") << 1 << 2 << 2 << 4 << true;
    QTest::addRow("1/3 and 2/6 are equal: sum") << 1 << 3 << 2 << 6 << true;
    QTest::addRow("7/12 and 7/12: sum") << 7 << 12 << 7 << 12 << true;
    QTest::addRow("1/4 + 2/3") << 1 << 4 << 2 << 3 << true;
    QTest::addRow("3/4 - 1/2") << 3 << 4 << 1 << 2 << false;
    QTest::addRow("5/5 - 10/11") << 5 << 5 << 10 << 11 << false;
    QTest::addRow("10/11 + 11/11") << 10 << 11 << 11 << 11 << true;
}

void GuidedSumLogic::operationFollowsTheFractions()
{
    QFETCH(int, nA);
    QFETCH(int, dA);
    QFETCH(int, nB);
    QFETCH(int, dB);
    QFETCH(bool, sum);
    QCOMPARE(isSumTask(nA, dA, nB, dB), sum);
}

void GuidedSumLogic::multiplesKeepTheValue()
{
    WorkingFraction working { 2, 3 };
    for (int factor = 2; factor <= 9; ++factor) {
        working = nextMultiple(working, 2, 3);
        QCOMPARE(working, (WorkingFraction { 2.0 * factor, 3.0 * factor }));
    }
}

void GuidedSumLogic::steppingBackStopsAtTheTaskDenominator()
{
    QCOMPARE(previousMultiple({ 3, 12 }, 1, 4), std::optional<WorkingFraction>(WorkingFraction { 2, 8 }));
    QCOMPARE(previousMultiple({ 2, 8 }, 1, 4), std::optional<WorkingFraction>(WorkingFraction { 1, 4 }));
    QVERIFY(!previousMultiple({ 1, 4 }, 1, 4).has_value());
}

void GuidedSumLogic::resultButtons_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("step");
    QTest::addColumn<bool>("numerator");
    QTest::addRow("numerator +1") << 2 << 1.0 << true;
    QTest::addRow("denominator +1") << 3 << 1.0 << false;
    QTest::addRow("numerator +5") << 4 << 5.0 << true;
    QTest::addRow("numerator -1") << 5 << -1.0 << true;
    QTest::addRow("denominator +5") << 6 << 5.0 << false;
    QTest::addRow("denominator -1") << 7 << -1.0 << false;
}

void GuidedSumLogic::resultButtons()
{
    QFETCH(int, index);
    QFETCH(double, step);
    QFETCH(bool, numerator);
    QCOMPARE(resultStep(index), step);
    QCOMPARE(changesResultNumerator(index), numerator);
}

void GuidedSumLogic::judging_data()
{
    QTest::addColumn<double>("resultNumerator");
    QTest::addColumn<double>("resultDenominator");
    QTest::addColumn<double>("nA");
    QTest::addColumn<double>("nB");
    QTest::addColumn<double>("commonDenominator");
    QTest::addColumn<bool>("sum");
    QTest::addColumn<bool>("numeratorRight");
    QTest::addColumn<bool>("denominatorRight");
    QTest::addRow("6/24 + 16/24 = 22/24") << 22.0 << 24.0 << 6.0 << 16.0 << 24.0 << true << true << true;
    QTest::addRow("3/12 + 8/12 = 11/12") << 11.0 << 12.0 << 3.0 << 8.0 << 12.0 << true << true << true;
    QTest::addRow("a sum judged as a subtraction") << -10.0 << 24.0 << 6.0 << 16.0 << 24.0 << true << false << true;
    QTest::addRow("6/8 - 4/8 = 2/8") << 2.0 << 8.0 << 6.0 << 4.0 << 8.0 << false << true << true;
    QTest::addRow("6/8 - 4/8 is not 10/8") << 10.0 << 8.0 << 6.0 << 4.0 << 8.0 << false << false << true;
    QTest::addRow("simplified result is not taken") << 11.0 << 12.0 << 6.0 << 16.0 << 24.0 << true << false << false;
    QTest::addRow("empty result reads 0") << 0.0 << 0.0 << 3.0 << 3.0 << 7.0 << false << true << false;
}

void GuidedSumLogic::judging()
{
    QFETCH(double, resultNumerator);
    QFETCH(double, resultDenominator);
    QFETCH(double, nA);
    QFETCH(double, nB);
    QFETCH(double, commonDenominator);
    QFETCH(bool, sum);
    QFETCH(bool, numeratorRight);
    QFETCH(bool, denominatorRight);
    QCOMPARE(isResultNumeratorRight(resultNumerator, nA, nB, sum), numeratorRight);
    QCOMPARE(isResultDenominatorRight(resultDenominator, commonDenominator), denominatorRight);
}

void GuidedSumLogic::circlesShowTheirSectors_data()
{
    QTest::addColumn<int>("nA");
    QTest::addColumn<int>("dA");
    QTest::addColumn<int>("nB");
    QTest::addColumn<int>("dB");
    QTest::addRow("1/2 and 1/3") << 1 << 2 << 1 << 3;
    QTest::addRow("3/4 and 5/6") << 3 << 4 << 5 << 6;
    QTest::addRow("6/24 and 16/24") << 6 << 24 << 16 << 24;
    QTest::addRow("5/5 and 0/7: full and empty") << 5 << 5 << 0 << 7;
    QTest::addRow("11/12 and 2/2") << 11 << 12 << 2 << 2;
}

void GuidedSumLogic::circlesShowTheirSectors()
{
    QFETCH(int, nA);
    QFETCH(int, dA);
    QFETCH(int, nB);
    QFETCH(int, dB);
    QImage image(600, 240, QImage::Format_RGB32);
    image.fill(Qt::black); // the drawing must clear whatever was there
    drawSumCircles(image, { double(nA), double(dA), SumColor::Cyan }, { double(nB), double(dB), SumColor::Magenta });

    const double radius = 240 / 2 - 2;
    const struct {
        double cx;
        int n;
        int d;
        quint32 color;
    } circles[] = { { 150, nA, dA, SumColor::Cyan }, { 450, nB, dB, SumColor::Magenta } };
    for (const auto& c : circles) {
        QCOMPARE(countRadii(image, c.cx, 120, radius), c.d);
        for (int j = 0; j < c.d; ++j)
            QCOMPARE(sectorColor(image, c.cx, 120, radius, c.d, j), j < c.n ? c.color : DesignColor::White);
    }
    // Outside the circles the picture is cleared to white.
    QCOMPARE(at(image, 0, 0), DesignColor::White);
    QCOMPARE(at(image, 300, 120), DesignColor::White);
    QCOMPARE(at(image, 599, 239), DesignColor::White);
}

void GuidedSumLogic::circlesTurnBlueWhenTheDenominatorsMeet()
{
    QCOMPARE(sumCircleColorA(false), SumColor::Cyan);
    QCOMPARE(sumCircleColorB(false), SumColor::Magenta);
    QCOMPARE(sumCircleColorA(true), DesignColor::Blue);
    QCOMPARE(sumCircleColorB(true), DesignColor::Blue);
}

void GuidedSumLogic::picturePlacesTheCircles()
{
    // Centres at a quarter and three quarters of the width, radius H/2 - 2, outlined in black.
    QImage image(400, 100, QImage::Format_RGB32);
    drawSumCircles(image, { 1, 2, SumColor::Cyan }, { 1, 2, SumColor::Magenta });
    for (const double cx : { 100.0, 300.0 }) {
        const quint32 inside = cx < 200 ? SumColor::Cyan : SumColor::Magenta;
        // Straight up from the centre, through the coloured upper half, to the rim at 48 pixels.
        QCOMPARE(at(image, cx, 50 - 45), inside);
        QCOMPARE(at(image, cx, 50 - 48), DesignColor::Black);
        QCOMPARE(at(image, cx, 50 - 49.6), DesignColor::White);
        // Straight down through the empty lower half.
        QCOMPARE(at(image, cx, 50 + 45), DesignColor::White);
        QCOMPARE(at(image, cx, 50 + 48), DesignColor::Black);
        // Left and right of the rim lies the cleared picture.
        QCOMPARE(at(image, cx - 52, 50), DesignColor::White);
        QCOMPARE(at(image, cx + 52, 50), DesignColor::White);
    }
}

void GuidedSumLogic::narrowPictureKeepsTheCirclesApart()
{
    // 300 x 200: radius H/2 - 2 = 98 would make circles centred at 75 and 225 overlap; they get 73.
    QImage image(300, 200, QImage::Format_RGB32);
    drawSumCircles(image, { 3, 3, SumColor::Cyan }, { 4, 4, SumColor::Magenta });
    QCOMPARE(at(image, 150, 100), DesignColor::White);
    QCOMPARE(at(image, 75 + 73, 100), DesignColor::Black);
    QCOMPARE(at(image, 225 - 73, 100), DesignColor::Black);
    QCOMPARE(at(image, 75, 100 - 70), SumColor::Cyan);
    QCOMPARE(at(image, 75, 100 - 76), DesignColor::White);
    QCOMPARE(countRadii(image, 75, 100, 73), 3);
    QCOMPARE(countRadii(image, 225, 100, 73), 4);
    for (int j = 0; j < 4; ++j)
        QCOMPARE(sectorColor(image, 225, 100, 73, 4, j), SumColor::Magenta);
}

QTEST_GUILESS_MAIN(GuidedSumLogic)
#include "tst_guidedsumlogic.moc"
