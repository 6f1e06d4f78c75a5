// Section 3 as the pupil uses it: the task and its working copy, the multiples, the result and the circles.
#include "learnsupport.h"
#include "practicedriver.h"

#include <QSet>

using namespace maroleta;

namespace {
// n sectors coloured with `c` followed by the rest of d white.
QString sectors(int n, int d, char16_t c) { return QString(n, c) + QString(d - n, u'w'); }

// Section 3 entered on the task "a/b c/d", or on any task.
struct Section : testing::Program {
    explicit Section(const QString& task = {})
    {
        testing::steerTo(random, newSumTask, [&task](const SumTask& t) {
            return task.isEmpty()
                || QString::asprintf("%d/%d %d/%d", t.numeratorA, t.denominatorA, t.numeratorB, t.denominatorB) == task;
        });
        click(QStringLiteral("Command1(3)"));
    }
    testing::MessageRecorder messages;

    QString text(const QString& name) const { return find(name)->property("text").toString(); }
    bool shown(const QString& name) const { return find(name)->isVisible(); }
    quint32 back(int i) const { return form->Command12[i]->backColor(); }
    // The captions named, read as "n/d n/d".
    QString fractions(const char* nA, const char* dA, const char* nB, const char* dB) const
    {
        return text(nA) + u'/' + text(dA) + u' ' + text(nB) + u'/' + text(dB);
    }
    QString task() const { return fractions("Label8(0)", "Label9(0)", "Label8(1)", "Label9(1)"); }
    QString working() const { return fractions("Label8(2)", "Command12(0)", "Label8(3)", "Command12(1)"); }
    // The arrows of A' (Line3, Label10) and of B' (Line4, Label11) as the factors they carry: "|X 3|" or "||X 2".
    QString arrows() const
    {
        QString state;
        for (const auto& [strokes, labels] : { std::pair("Line3", "Label10"), std::pair("Line4", "Label11") }) {
            int parts = shown(arrayName(labels, 0)) + shown(arrayName(labels, 1));
            for (int i = 0; i < 10; ++i)
                parts += shown(arrayName(strokes, i));
            state += u'|' + (parts == 12 ? text(arrayName(labels, 1)).trimmed() : parts ? "partly shown" : "");
        }
        return state;
    }
    // Whether the result fraction (its buttons and strokes) is all shown or all hidden as `visible` says.
    bool result(bool visible) const
    {
        const char* parts[] = { "Command12(2)", "Command12(3)", "Command12(4)", "Command12(5)", "Command12(6)",
            "Command12(7)", "Line1(24)", "Line1(25)", "Line1(26)" };
        return std::ranges::all_of(parts, [&](const char* name) { return shown(name) == visible; });
    }
    // Brings result caption 2 (numerator) or 3 (denominator) to `target` with its +1, +5 and -1 buttons.
    void setResult(int which, int target) const
    {
        testing::stepTo(form->Command12[which], form->Command12[2 * which], form->Command12[2 * which + 1], target);
    }
    // Circles A' and B' of Picture2 as drawn, and as the working copy wants them: A' cyan and B' magenta, both
    // blue once the denominators agree; one letter a sector, 'w' white.
    std::pair<QString, QString> picture() const
    {
        const int dA = text("Command12(0)").toInt(), dB = text("Command12(1)").toInt();
        QImage& image = form->Picture2->image();
        return { testing::sumCircleColours(image, 0, dA) + u' ' + testing::sumCircleColours(image, 1, dB),
            sectors(text("Label8(2)").toInt(), dA, dA == dB ? u'b' : u'c') + u' '
                + sectors(text("Label8(3)").toInt(), dB, dA == dB ? u'b' : u'm') };
    }
};
}

class GuidedSum : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyEntryGivesAFreshTask()
    {
        Section s;
        QSet<QString> tasks;
        for (int entry = 0; entry < 60; ++entry) {
            tasks.insert(s.task());
            // The working copy starts as the task, without arrows or result numbers, whatever the last entry left.
            QCOMPARE(s.working(), s.task());
            QCOMPARE(s.arrows() + s.text("Command12(2)") + s.text("Command12(3)"), QStringLiteral("||"));
            QCOMPARE(s.back(2), DesignColor::Green);
            QVERIFY(s.result(s.text("Label9(0)") == s.text("Label9(1)")));
            QCOMPARE(s.picture().first, s.picture().second);
            s.click(QStringLiteral("Command12(0)"));
            s.click(QStringLiteral("Command1(3)"));
        }
        // Each entry draws a task of its own; the tasks' signs and pictures are checked case by case below.
        QVERIFY(tasks.size() > 30);
        QVERIFY(s.messages.texts.isEmpty());
    }

    void resultOverTheCommonDenominator_data()
    {
        // The task is the row's name. The clicks on A' and on B', a wrong result numerator (the other
        // operation's) and the right one; the working copy the clicks reach, and A' one multiple further.
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QStringList>("working");
        QTest::newRow("4/7 - 2/7") << QList<int> { 0, 0, 6, 2 } << QStringList { "4/7 2/7", "8/14 2/7" };
        QTest::newRow("3/4 - 1/6") << QList<int> { 2, 1, 11, 7 } << QStringList { "9/12 2/12", "12/16 2/12" };
        QTest::newRow("1/4 + 2/3") << QList<int> { 5, 7, -10, 22 } << QStringList { "6/24 16/24", "7/28 16/24" };
        QTest::newRow("1/2 + 3/4") << QList<int> { 1, 0, -1, 5 } << QStringList { "2/4 3/4", "3/6 3/4" };
    }

    void resultOverTheCommonDenominator()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(QStringList, working);
        const QStringList task = QString::fromLatin1(QTest::currentDataTag()).split(u' ');
        Section s(task[0] + u' ' + task[2]);
        // The minus is the plus without its upright stroke.
        QCOMPARE(s.shown("Line1(16)") + s.shown("Line1(23)"), task[1] == u'+' ? 2 : 0);
        for (int which = 0; which < 2; ++which)
            for (int step = 0; step < numbers[which]; ++step)
                s.click(arrayName("Command12", which));
        QCOMPARE(s.working(), working[0]);
        QVERIFY(s.result(true));
        QCOMPARE(s.picture().first, s.picture().second);
        // The other operation's result is wrong; the right one over the denominator reached, the least or not,
        // is right and congratulated.
        s.setResult(2, numbers[2]);
        QCOMPARE(s.back(2), DesignColor::Red);
        s.setResult(3, s.text("Command12(0)").toInt());
        s.setResult(2, numbers[3]);
        QVERIFY(s.back(2) == DesignColor::Blue && s.back(3) == DesignColor::Blue);
        QCOMPARE(s.messages.texts, QStringList { s.form->CheckTexts[0] });
        QVERIFY(!s.form->CheckTexts[0].isEmpty());
        s.click(QStringLiteral("Command12(5)")); // one less: wrong again, and no message
        QCOMPARE(s.back(2), DesignColor::Red);
        s.click(QStringLiteral("Command12(2)")); // right again: the message again
        QCOMPARE(s.messages.texts.size(), 2);
        // Moving A' on clears the result and parts the denominators again.
        s.click(QStringLiteral("Command12(0)"));
        QCOMPARE(s.working(), working[1]);
        QCOMPARE(s.text("Command12(2)") + s.text("Command12(3)"), QString());
        QVERIFY(s.back(2) == DesignColor::Green && s.back(3) == DesignColor::Green);
        QVERIFY(s.result(false));
        QCOMPARE(s.picture().first, s.picture().second);
    }

    void arrowsFollowTheFractionChangedLast()
    {
        Section s(QStringLiteral("1/3 2/5"));
        // The working copy and the arrows after each click. A step back at the task's own denominator changes
        // nothing; B' one step back is the task's again, with its arrow and the factor 1.
        const std::pair<const char*, const char*> walk[] = { { "Command13(0)", "1/3 2/5 ||" },
            { "Command12(0)", "2/6 2/5 |X 2|" }, { "Command12(0)", "3/9 2/5 |X 3|" },
            { "Command12(1)", "3/9 4/10 ||X 2" }, { "Command13(0)", "2/6 4/10 |X 2|" },
            { "Command13(1)", "2/6 2/5 ||X 1" }, { "Command13(1)", "2/6 2/5 ||X 1" } };
        for (const auto& [button, state] : walk) {
            s.click(QString::fromLatin1(button));
            QCOMPARE(s.working() + u' ' + s.arrows(), QString::fromLatin1(state));
            QVERIFY(s.result(false));
            QCOMPARE(s.picture().first, s.picture().second);
        }
    }
};

QTEST_MAIN(GuidedSum)
#include "tst_guidedsum.moc"
