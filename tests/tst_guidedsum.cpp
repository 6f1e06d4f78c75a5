// Section 3 as the pupil uses it: the task and its working copy, the multiples, the result and the circles.
#include "learnsupport.h"
#include "practicedriver.h"

#include "logic/captions.h"
#include "logic/colors.h"
#include "logic/guidedsum.h"

#include <QSet>

#include <functional>

using namespace maroleta;
using maroleta::testing::MessageRecorder;
using maroleta::testing::Program;

namespace {
// Section 3 entered on a task that satisfies `wanted`.
struct Section {
    explicit Section(const std::function<bool(const SumTask&)>& wanted)
    {
        testing::steerTo(p.random, newSumTask, wanted);
        p.click(QStringLiteral("Command1(3)"));
    }
    Program p;
    MessageRecorder messages;

    QString text(const QString& name) const
    {
        if (auto* l = p.form->findChild<QLabel*>(name))
            return l->text();
        return p.find<CommandButton>(name)->text();
    }
    QString fraction(const QString& numerator, const QString& denominator) const
    {
        return text(numerator) + u'/' + text(denominator);
    }
    bool shown(const QString& name) const { return p.find(name)->isVisible(); }
    void click(const QString& name, int times = 1) const
    {
        for (int i = 0; i < times; ++i)
            p.click(name);
    }
    quint32 back(int i) const { return p.form->Command12[i]->backColor(); }
    // Brings a result caption (Command12(2) or (3)) to `target` with its +1, +5 and -1 buttons.
    void setResult(int which, int target) const
    {
        const auto& c = p.form->Command12;
        testing::stepTo(c[which], c[which == 2 ? 4 : 6], c[which == 2 ? 5 : 7], target);
    }
    // Circle 0 (A') or 1 (B') of Picture2 as one letter per sector: 'c' cyan, 'm' magenta, 'b' blue, 'w' white.
    QString circle(int which, int sectors) const
    {
        return testing::sumCircleColours(p.form->Picture2->image(), which, sectors);
    }
    // How many of the ten strokes of an arrow (Line3, Line4) are shown.
    int arrow(const QString& array) const
    {
        int strokes = 0;
        for (int i = 0; i < 10; ++i)
            strokes += shown(arrayName(array, i));
        return strokes;
    }
    // Whether the result fraction (its buttons and strokes) is all shown or all hidden as `visible` says.
    bool result(bool visible) const
    {
        for (const char* name : { "Command12(2)", "Command12(3)", "Command12(4)", "Command12(5)", "Command12(6)",
                 "Command12(7)", "Line1(24)", "Line1(25)", "Line1(26)" })
            if (shown(name) != visible)
                return false;
        return true;
    }
};

// n sectors coloured with `c` followed by the rest of d white.
QString sectors(int n, int d, char16_t c) { return QString(n, c) + QString(d - n, u'w'); }
}

class GuidedSum : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyEntryGivesAFreshTask()
    {
        Section s([](const SumTask&) { return true; });
        QSet<QString> tasks;
        for (int entry = 0; entry < 60; ++entry) {
            if (entry)
                s.click("Command1(3)");
            tasks.insert(s.fraction("Label8(0)", "Label9(0)") + u' ' + s.fraction("Label8(1)", "Label9(1)"));
            // The working copy starts as the task.
            QCOMPARE(s.fraction("Label8(2)", "Command12(0)"), s.fraction("Label8(0)", "Label9(0)"));
            QCOMPARE(s.fraction("Label8(3)", "Command12(1)"), s.fraction("Label8(1)", "Label9(1)"));
            QCOMPARE(s.arrow("Line3") + s.arrow("Line4"), 0);
            QCOMPARE(s.text("Command12(2)") + s.text("Command12(3)"), QString());
            QCOMPARE(s.back(2), DesignColor::Green);
            QVERIFY(s.result(s.text("Label9(0)") == s.text("Label9(1)")));
        }
        // Each entry draws a task of its own; the tasks' signs and pictures are checked case by case below.
        QVERIFY(tasks.size() > 30);
        QVERIFY(s.messages.texts.isEmpty());
    }

    void resultOverTheCommonDenominator_data()
    {
        QTest::addColumn<QList<int>>("task"); // nA, dA, nB, dB
        QTest::addColumn<bool>("sum");
        QTest::addColumn<QList<int>>("steps"); // clicks on A', then on B'
        QTest::addColumn<QList<int>>("working"); // the numerators of A' and B' then, and their denominator
        QTest::addColumn<QList<int>>("result"); // a wrong numerator (the other operation's), the right one
        QTest::addRow("4/7 - 2/7, the result shown at once")
            << QList<int> { 4, 7, 2, 7 } << false << QList<int> { 0, 0 } << QList<int> { 4, 2, 7 }
            << QList<int> { 6, 2 };
        QTest::addRow("3/4 - 1/6 over 12") << QList<int> { 3, 4, 1, 6 } << false << QList<int> { 2, 1 }
                                           << QList<int> { 9, 2, 12 } << QList<int> { 11, 7 };
        QTest::addRow("1/4 + 2/3 over 24, not the least") << QList<int> { 1, 4, 2, 3 } << true << QList<int> { 5, 7 }
                                                          << QList<int> { 6, 16, 24 } << QList<int> { -10, 22 };
        QTest::addRow("1/2 + 3/4, B' as it is") << QList<int> { 1, 2, 3, 4 } << true << QList<int> { 1, 0 }
                                                << QList<int> { 2, 3, 4 } << QList<int> { -1, 5 };
    }

    void resultOverTheCommonDenominator()
    {
        QFETCH(QList<int>, task);
        QFETCH(bool, sum);
        QFETCH(QList<int>, steps);
        QFETCH(QList<int>, working);
        QFETCH(QList<int>, result);
        Section s([&task](const SumTask& t) {
            return QList<int> { t.numeratorA, t.denominatorA, t.numeratorB, t.denominatorB } == task;
        });
        QVERIFY(s.shown("Line1(16)") == sum && s.shown("Line1(23)") == sum); // the upright stroke of "+"
        const int common = working[2];
        s.click("Command12(0)", steps[0]);
        QVERIFY(s.result(steps[1] == 0)); // shown once the denominators agree
        QCOMPARE(s.circle(0, common), sectors(working[0], common, steps[1] ? u'c' : u'b'));
        s.click("Command12(1)", steps[1]);
        QCOMPARE(s.fraction("Label8(2)", "Command12(0)") + u' ' + s.fraction("Label8(3)", "Command12(1)"),
            QStringLiteral("%1/%3 %2/%3").arg(working[0]).arg(working[1]).arg(common));
        QVERIFY(s.result(true));
        QCOMPARE(s.circle(0, common) + s.circle(1, common),
            sectors(working[0], common, u'b') + sectors(working[1], common, u'b'));
        // The other operation's result is wrong; the right one over the denominator reached is right.
        s.setResult(2, result[0]);
        QCOMPARE(s.back(2), DesignColor::Red);
        s.setResult(3, common);
        s.setResult(2, result[1]);
        QCOMPARE(s.back(2), DesignColor::Blue);
        QCOMPARE(s.back(3), DesignColor::Blue);
        QCOMPARE(s.messages.texts, QStringList { s.p.form->CheckTexts[0] });
        QVERIFY(!s.p.form->CheckTexts[0].isEmpty());
        // A further step away makes the numerator wrong again, and no box comes; back to right it comes again.
        s.click("Command12(5)");
        QCOMPARE(s.back(2), DesignColor::Red);
        QCOMPARE(s.messages.texts.size(), 1);
        s.click("Command12(2)");
        QCOMPARE(s.messages.texts.size(), 2);

        // Moving A' on clears the result and parts the denominators again.
        s.click("Command12(0)");
        const int nA = working[0] + task[0];
        const int dA = common + task[1];
        QCOMPARE(s.fraction("Label8(2)", "Command12(0)"), QStringLiteral("%1/%2").arg(nA).arg(dA));
        QCOMPARE(s.text("Command12(2)") + s.text("Command12(3)"), QString());
        QCOMPARE(s.back(2), DesignColor::Green);
        QCOMPARE(s.back(3), DesignColor::Green);
        QVERIFY(s.result(false));
        QVERIFY(!s.p.form->EqualDenominators);
        QCOMPARE(s.circle(0, dA) + s.circle(1, common), sectors(nA, dA, u'c') + sectors(working[1], common, u'm'));
        QCOMPARE(s.messages.texts.size(), 2);
    }

    void arrowsFollowTheFractionChangedLast()
    {
        Section s([](const SumTask& t) { return t.denominatorA == 3 && t.denominatorB == 5; });
        const QString a = s.fraction("Label8(2)", "Command12(0)");
        const QString b = s.fraction("Label8(3)", "Command12(1)");
        const QString circles = s.circle(0, 3) + s.circle(1, 5);
        // A step back at the task's own denominator changes nothing, but redraws the picture, spoilt here.
        s.p.form->Picture2->image().fill(Qt::black);
        s.click("Command13(0)");
        QCOMPARE(
            s.fraction("Label8(2)", "Command12(0)") + u' ' + s.fraction("Label8(3)", "Command12(1)"), a + u' ' + b);
        QCOMPARE(s.arrow("Line3") + s.arrow("Line4"), 0);
        QVERIFY(s.result(false));
        QCOMPARE(s.circle(0, 3) + s.circle(1, 5), circles);
        QCOMPARE(colorNumber(s.p.form->Picture2->image().pixelColor(0, 0)), DesignColor::White);

        s.click("Command12(0)", 2);
        QCOMPARE(s.arrow("Line3"), 10);
        QCOMPARE(s.arrow("Line4"), 0);
        QVERIFY(s.shown("Label10(0)") && !s.shown("Label11(0)"));
        QCOMPARE(s.text("Label10(0)"), QStringLiteral(" X 3"));
        s.click("Command12(1)");
        QCOMPARE(s.arrow("Line3"), 0);
        QCOMPARE(s.arrow("Line4"), 10);
        QVERIFY(!s.shown("Label10(0)") && s.shown("Label11(0)"));
        QCOMPARE(s.text("Label11(1)"), QStringLiteral(" X 2"));
        s.click("Command13(0)");
        QCOMPARE(s.arrow("Line3"), 10);
        QCOMPARE(s.text("Label10(1)"), QStringLiteral(" X 2"));
        // B' one step back is the task's again, with its arrows and the factor 1; no step goes further.
        s.click("Command13(1)");
        QCOMPARE(s.fraction("Label8(3)", "Command12(1)"), b);
        QCOMPARE(s.arrow("Line4"), 10);
        QCOMPARE(s.text("Label11(0)"), QStringLiteral(" X 1"));
        s.click("Command13(1)");
        QCOMPARE(s.fraction("Label8(3)", "Command12(1)"), b);
    }
};

QTEST_MAIN(GuidedSum)
#include "tst_guidedsum.moc"
