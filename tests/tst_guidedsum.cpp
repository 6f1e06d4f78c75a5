// Section 3 as the pupil uses it: the task and its working copy, the multiples, the result and the circles.
#include "testsupport.h"

#include "logic/captions.h"
#include "logic/colors.h"
#include "logic/guidedsum.h"

#include <QSet>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace maroleta;
using maroleta::testing::MessageRecorder;
using maroleta::testing::Program;

namespace {
// A seed whose first task satisfies `wanted`; the window's first draws are those of the section's task.
quint32 seedWhere(const std::function<bool(const SumTask&)>& wanted)
{
    for (quint32 seed = 1; seed < 2000000; ++seed) {
        Random random(seed);
        if (wanted(newSumTask(random)))
            return seed;
    }
    return 0;
}

struct Section {
    explicit Section(quint32 seed)
        : p(seed)
    {
        p.click(QStringLiteral("Command1(3)"));
    }
    Program p;

    Label* label(const QString& name) const { return p.find<Label>(name); }
    CommandButton* button(const QString& name) const { return p.find<CommandButton>(name); }
    QString text(const QString& name) const
    {
        if (auto* l = p.form->findChild<QLabel*>(name))
            return l->text();
        return button(name)->text();
    }
    double number(const QString& name) const { return captionValue(text(name)); }
    bool shown(const QString& name) const { return p.find(name)->isVisible(); }
    void click(const QString& name, int times = 1) const
    {
        for (int i = 0; i < times; ++i)
            p.click(name);
    }
    // Brings a result caption (Command12(2) or (3)) to `target` with its +1, +5 and -1 buttons.
    void setResult(int which, double target) const
    {
        const QString field = arrayName(QStringLiteral("Command12"), which);
        const QString plusFive = arrayName(QStringLiteral("Command12"), which == 2 ? 4 : 6);
        const QString minusOne = arrayName(QStringLiteral("Command12"), which == 2 ? 5 : 7);
        while (number(field) + 5 <= target)
            click(plusFive);
        while (number(field) < target)
            click(field);
        while (number(field) > target)
            click(minusOne);
    }
    // The colour in the middle of sector j of circle 0 (A') or 1 (B') in Picture2.
    quint32 sectorColor(int circle, int sectors, int j) const
    {
        const QImage& image = p.find<PictureBox>(QStringLiteral("Picture2"))->image();
        const double cx = image.width() * (circle == 0 ? 0.25 : 0.75);
        const double cy = image.height() / 2.0;
        const double radius = std::min(image.height() / 2.0 - 2, image.width() / 4.0 - 2);
        const double angle = (j + 0.5) * kSumFullTurn / sectors;
        const QPoint at(int(std::lround(cx + 0.6 * radius * std::cos(angle))),
            int(std::lround(cy - 0.6 * radius * std::sin(angle))));
        return colorNumber(image.pixelColor(at));
    }
    // Checks that circle `circle` shows `numerator` of `denominator` sectors in `color`, the rest white.
    bool circleShows(int circle, int numerator, int denominator, quint32 color) const
    {
        for (int j = 0; j < denominator; ++j) {
            const quint32 expected = j < numerator ? color : DesignColor::White;
            if (sectorColor(circle, denominator, j) != expected) {
                qWarning("circle %d sector %d of %d: colour %06x, expected %06x", circle, j, denominator,
                    sectorColor(circle, denominator, j), expected);
                return false;
            }
        }
        return true;
    }
    bool arrowsShown(const QString& array) const
    {
        for (int i = 0; i < 10; ++i)
            if (!shown(arrayName(array, i)))
                return false;
        return true;
    }
    bool arrowsHidden(const QString& array) const
    {
        for (int i = 0; i < 10; ++i)
            if (shown(arrayName(array, i)))
                return false;
        return true;
    }
    bool resultShown() const
    {
        for (int i = 2; i <= 7; ++i)
            if (!shown(arrayName(QStringLiteral("Command12"), i)))
                return false;
        return shown(QStringLiteral("Line1(24)")) && shown(QStringLiteral("Line1(25)"))
            && shown(QStringLiteral("Line1(26)"));
    }
    bool resultHidden() const
    {
        for (int i = 2; i <= 7; ++i)
            if (shown(arrayName(QStringLiteral("Command12"), i)))
                return false;
        return !shown(QStringLiteral("Line1(24)")) && !shown(QStringLiteral("Line1(25)"))
            && !shown(QStringLiteral("Line1(26)"));
    }
    quint32 back(const QString& name) const { return button(name)->backColor(); }
};
}

class GuidedSum : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyEntryGivesAFreshTask();
    void equalRandomDenominatorsShowTheResultAtOnce();
    void subtraction();
    void steppingBackAtTheTaskDenominatorChangesNothing();
    void movingOnAfterARightResultClearsIt();
    void quarterPlusTwoThirdsAtTwentyFour();
    void arrowsFollowTheFractionChangedLast();
    void resultValuesStartEmptyAndMayGoNegative();
};

void GuidedSum::everyEntryGivesAFreshTask()
{
    Section s(99);
    MessageRecorder messages;
    int sums = 0;
    int subtractions = 0;
    int equal = 0;
    QSet<QString> tasks;
    for (int entry = 0; entry < 60; ++entry) {
        if (entry)
            s.click("Command1(3)");
        const double nA = s.number("Label8(0)");
        const double dA = s.number("Label9(0)");
        const double nB = s.number("Label8(1)");
        const double dB = s.number("Label9(1)");
        QVERIFY(dA >= 2 && dA <= 12 && dB >= 2 && dB <= 12);
        QVERIFY(nA >= 1 && nA <= dA && nB >= 1 && nB <= dB);
        tasks.insert(QStringLiteral("%1/%2 %3/%4").arg(nA).arg(dA).arg(nB).arg(dB));
        // The working copy starts as the task.
        QCOMPARE(s.text("Label8(2)"), s.text("Label8(0)"));
        QCOMPARE(s.text("Label8(3)"), s.text("Label8(1)"));
        QCOMPARE(s.text("Command12(0)"), s.text("Label9(0)"));
        QCOMPARE(s.text("Command12(1)"), s.text("Label9(1)"));
        // A plus while B is at least A, else a minus: the result is never negative.
        const bool sum = nB * dA >= nA * dB;
        QCOMPARE(s.shown("Line1(16)"), sum);
        QCOMPARE(s.shown("Line1(23)"), sum);
        QVERIFY(s.shown("Line1(15)") && s.shown("Line1(22)"));
        (sum ? sums : subtractions) += 1;
        QVERIFY(s.arrowsHidden("Line3") && s.arrowsHidden("Line4"));
        QVERIFY(!s.shown("Label10(0)") && !s.shown("Label11(1)"));
        QVERIFY(s.shown("Picture2"));
        QCOMPARE(s.text("Command12(2)"), QString());
        QCOMPARE(s.text("Command12(3)"), QString());
        QCOMPARE(s.back("Command12(2)"), DesignColor::Green);
        QCOMPARE(s.back("Command12(3)"), DesignColor::Green);
        if (dA == dB) {
            ++equal;
            QVERIFY(s.p.form->EqualDenominators);
            QVERIFY(s.resultShown());
            QVERIFY(s.circleShows(0, int(nA), int(dA), DesignColor::Blue));
            QVERIFY(s.circleShows(1, int(nB), int(dB), DesignColor::Blue));
        } else {
            QVERIFY(!s.p.form->EqualDenominators);
            QVERIFY(s.resultHidden());
            QVERIFY(s.circleShows(0, int(nA), int(dA), SumColor::Cyan));
            QVERIFY(s.circleShows(1, int(nB), int(dB), SumColor::Magenta));
        }
    }
    // Sixty entries under this seed meet sums, subtractions and equal denominators, in tasks of their own.
    QVERIFY(sums > 0 && subtractions > 0 && equal > 0);
    QVERIFY(tasks.size() > 30);
    QVERIFY(messages.texts.isEmpty());
}

void GuidedSum::equalRandomDenominatorsShowTheResultAtOnce()
{
    const quint32 seed = seedWhere([](const SumTask& t) {
        return t.denominatorA == 7 && t.denominatorB == 7 && t.numeratorA == 4 && t.numeratorB == 2;
    });
    QVERIFY(seed);
    Section s(seed);
    MessageRecorder messages;
    QCOMPARE(s.text("Label8(0)") + "/" + s.text("Label9(0)"), QString("4/7"));
    QCOMPARE(s.text("Label8(1)") + "/" + s.text("Label9(1)"), QString("2/7"));
    // 2/7 is smaller than 4/7: a subtraction, shown with the result at once and both circles blue.
    QVERIFY(!s.shown("Line1(16)"));
    QVERIFY(s.resultShown());
    QVERIFY(s.circleShows(0, 4, 7, DesignColor::Blue));
    QVERIFY(s.circleShows(1, 2, 7, DesignColor::Blue));

    s.setResult(3, 7);
    QCOMPARE(s.back("Command12(3)"), DesignColor::Blue);
    QCOMPARE(s.back("Command12(2)"), DesignColor::Green);
    QVERIFY(messages.texts.isEmpty());
    s.setResult(2, 2);
    QCOMPARE(s.back("Command12(2)"), DesignColor::Blue);
    QCOMPARE(messages.texts, QStringList { s.p.form->CheckTexts[0] });
    QVERIFY(!s.p.form->CheckTexts[0].isEmpty());
}

void GuidedSum::subtraction()
{
    const quint32 seed = seedWhere([](const SumTask& t) {
        return t.numeratorA == 3 && t.denominatorA == 4 && t.numeratorB == 1 && t.denominatorB == 6;
    });
    QVERIFY(seed);
    Section s(seed);
    MessageRecorder messages;
    QCOMPARE(s.text("Label9(0)"), QString("4"));
    QCOMPARE(s.text("Label9(1)"), QString("6"));
    QVERIFY(!s.shown("Line1(16)") && !s.shown("Line1(23)"));
    QVERIFY(s.shown("Line1(15)") && s.shown("Line1(22)"));

    s.click("Command12(0)", 2); // 9/12
    s.click("Command12(1)"); // 2/12
    QCOMPARE(s.text("Label8(2)"), QString("9"));
    QCOMPARE(s.text("Label8(3)"), QString("2"));
    QVERIFY(s.resultShown());
    // Added up, it is wrong; 9 - 2 over 12 is right.
    s.setResult(2, 11);
    QCOMPARE(s.back("Command12(2)"), DesignColor::Red);
    s.setResult(3, 12);
    QCOMPARE(s.back("Command12(3)"), DesignColor::Blue);
    QVERIFY(messages.texts.isEmpty());
    s.setResult(2, 7);
    QCOMPARE(s.back("Command12(2)"), DesignColor::Blue);
    QCOMPARE(messages.texts.size(), 1);
    // A further step away makes the numerator wrong again, and no box comes.
    s.click("Command12(5)");
    QCOMPARE(s.text("Command12(2)"), QString("6"));
    QCOMPARE(s.back("Command12(2)"), DesignColor::Red);
    QCOMPARE(messages.texts.size(), 1);
    // Back to 7: both blue again, the box comes again.
    s.click("Command12(2)");
    QCOMPARE(messages.texts.size(), 2);
}

void GuidedSum::steppingBackAtTheTaskDenominatorChangesNothing()
{
    const quint32 seed = seedWhere([](const SumTask& t) { return t.denominatorA == 5 && t.denominatorB == 3; });
    QVERIFY(seed);
    Section s(seed);
    const QStringList names { "Label8(2)", "Command12(0)", "Label8(3)", "Command12(1)" };
    QStringList before;
    for (const QString& name : names)
        before << s.text(name);
    const double nA = s.number("Label8(0)");
    const double nB = s.number("Label8(1)");

    // Spoil the picture: the step back must redraw it although it changes nothing.
    QImage& picture = s.p.find<PictureBox>("Picture2")->image();
    picture.fill(Qt::black);
    s.click("Command13(0)");
    QStringList after;
    for (const QString& name : names)
        after << s.text(name);
    QCOMPARE(after, before);
    QVERIFY(s.arrowsHidden("Line3") && s.arrowsHidden("Line4"));
    QVERIFY(s.resultHidden());
    QCOMPARE(colorNumber(picture.pixelColor(0, 0)), DesignColor::White);
    QVERIFY(s.circleShows(0, int(nA), 5, SumColor::Cyan));
    QVERIFY(s.circleShows(1, int(nB), 3, SumColor::Magenta));

    // One step on and one back: B' returns to the task, with its arrows and the factor 1.
    s.click("Command12(1)");
    QCOMPARE(s.text("Command12(1)"), QString("6"));
    s.click("Command13(1)");
    QCOMPARE(s.text("Command12(1)"), QString("3"));
    QCOMPARE(s.number("Label8(3)"), nB);
    QVERIFY(s.arrowsShown("Line4"));
    QCOMPARE(s.text("Label11(0)"), QString(" X 1"));
    s.click("Command13(1)");
    QCOMPARE(s.text("Command12(1)"), QString("3"));
}

void GuidedSum::movingOnAfterARightResultClearsIt()
{
    const quint32 seed = seedWhere([](const SumTask& t) {
        return t.numeratorA == 1 && t.denominatorA == 2 && t.numeratorB == 3 && t.denominatorB == 4;
    });
    QVERIFY(seed);
    Section s(seed);
    MessageRecorder messages;
    s.click("Command12(0)"); // 2/4 + 3/4
    QVERIFY(s.resultShown());
    QVERIFY(s.circleShows(0, 2, 4, DesignColor::Blue));
    QVERIFY(s.circleShows(1, 3, 4, DesignColor::Blue));
    s.setResult(2, 5);
    s.setResult(3, 4);
    QCOMPARE(s.back("Command12(2)"), DesignColor::Blue);
    QCOMPARE(s.back("Command12(3)"), DesignColor::Blue);
    QCOMPARE(messages.texts.size(), 1);

    s.click("Command12(0)"); // 3/6: the denominators part again
    QCOMPARE(s.text("Command12(0)"), QString("6"));
    QCOMPARE(s.text("Label8(2)"), QString("3"));
    QCOMPARE(s.text("Command12(2)"), QString());
    QCOMPARE(s.text("Command12(3)"), QString());
    QCOMPARE(s.back("Command12(2)"), DesignColor::Green);
    QCOMPARE(s.back("Command12(3)"), DesignColor::Green);
    QVERIFY(s.resultHidden());
    QVERIFY(!s.p.form->EqualDenominators);
    QVERIFY(s.circleShows(0, 3, 6, SumColor::Cyan));
    QVERIFY(s.circleShows(1, 3, 4, SumColor::Magenta));
    QCOMPARE(messages.texts.size(), 1);
}

void GuidedSum::quarterPlusTwoThirdsAtTwentyFour()
{
    const quint32 seed = seedWhere([](const SumTask& t) {
        return t.numeratorA == 1 && t.denominatorA == 4 && t.numeratorB == 2 && t.denominatorB == 3;
    });
    QVERIFY(seed);
    Section s(seed);
    MessageRecorder messages;
    QVERIFY(s.shown("Line1(16)") && s.shown("Line1(23)"));
    s.click("Command12(0)", 5);
    QCOMPARE(s.text("Label8(2)") + "/" + s.text("Command12(0)"), QString("6/24"));
    QCOMPARE(s.text("Label10(0)"), QString(" X 6"));
    QCOMPARE(s.text("Label10(1)"), QString(" X 6"));
    QVERIFY(s.resultHidden());
    QVERIFY(s.circleShows(0, 6, 24, SumColor::Cyan));
    s.click("Command12(1)", 7);
    QCOMPARE(s.text("Label8(3)") + "/" + s.text("Command12(1)"), QString("16/24"));
    QCOMPARE(s.text("Label11(1)"), QString(" X 8"));
    QVERIFY(s.resultShown());
    QVERIFY(s.circleShows(0, 6, 24, DesignColor::Blue));
    QVERIFY(s.circleShows(1, 16, 24, DesignColor::Blue));

    s.setResult(2, 22);
    s.setResult(3, 24);
    QCOMPARE(s.back("Command12(2)"), DesignColor::Blue);
    QCOMPARE(s.back("Command12(3)"), DesignColor::Blue);
    QCOMPARE(messages.texts, QStringList { s.p.form->CheckTexts[0] });
}

void GuidedSum::arrowsFollowTheFractionChangedLast()
{
    const quint32 seed = seedWhere([](const SumTask& t) { return t.denominatorA == 3 && t.denominatorB == 5; });
    QVERIFY(seed);
    Section s(seed);
    s.click("Command12(0)", 2);
    QVERIFY(s.arrowsShown("Line3") && s.arrowsHidden("Line4"));
    QVERIFY(s.shown("Label10(0)") && s.shown("Label10(1)") && !s.shown("Label11(0)"));
    QCOMPARE(s.text("Label10(0)"), QString(" X 3"));
    s.click("Command12(1)");
    QVERIFY(s.arrowsHidden("Line3") && s.arrowsShown("Line4"));
    QVERIFY(!s.shown("Label10(0)") && s.shown("Label11(0)") && s.shown("Label11(1)"));
    QCOMPARE(s.text("Label11(1)"), QString(" X 2"));
    s.click("Command13(0)");
    QVERIFY(s.arrowsShown("Line3") && s.arrowsHidden("Line4"));
    QCOMPARE(s.text("Label10(1)"), QString(" X 2"));
    QCOMPARE(s.text("Command12(0)"), QString("6"));
    QCOMPARE(s.number("Label8(2)"), 2 * s.number("Label8(0)"));
    // Leaving and coming back gives a new task without arrows.
    s.click("Command1(0)");
    s.click("Command1(3)");
    QVERIFY(s.arrowsHidden("Line3") && s.arrowsHidden("Line4"));
    QCOMPARE(s.text("Command12(0)"), s.text("Label9(0)"));
}

void GuidedSum::resultValuesStartEmptyAndMayGoNegative()
{
    const quint32 seed = seedWhere([](const SumTask& t) {
        return t.denominatorA == 6 && t.denominatorB == 6 && t.numeratorA == 1 && t.numeratorB == 2;
    });
    QVERIFY(seed);
    Section s(seed);
    MessageRecorder messages;
    s.click("Command12(2)");
    QCOMPARE(s.text("Command12(2)"), QString("1"));
    QCOMPARE(s.back("Command12(2)"), DesignColor::Red);
    s.click("Command12(5)", 3);
    QCOMPARE(s.text("Command12(2)"), QString("-2"));
    QCOMPARE(s.back("Command12(2)"), DesignColor::Red);
    s.click("Command12(7)");
    QCOMPARE(s.text("Command12(3)"), QString("-1"));
    QCOMPARE(s.back("Command12(3)"), DesignColor::Red);
    s.click("Command12(6)");
    s.click("Command12(6)");
    s.click("Command12(3)", 2);
    QCOMPARE(s.text("Command12(3)"), QString("11"));
    s.click("Command12(7)", 5);
    QCOMPARE(s.text("Command12(3)"), QString("6"));
    QCOMPARE(s.back("Command12(3)"), DesignColor::Blue);
    QVERIFY(messages.texts.isEmpty());
}

QTEST_MAIN(GuidedSum)
#include "tst_guidedsum.moc"
