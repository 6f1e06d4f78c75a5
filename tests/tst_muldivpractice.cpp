// Section 6 through its window: the exercise and its sign, the choice of operation, the six adjusting
// buttons, the check of the unreduced product or cross product, and the lines it writes to the log.
#include "practicedriver.h"
#include "results/form3.h"

using namespace maroleta;
using namespace maroleta::testing;

namespace {
// A click on the option's round mark, as a pupil chooses an operation.
void choose(const Program& p, int index)
{
    QWidget* option = p.form->Option1[index];
    QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(8, option->height() / 2));
}

// The sign shown ('X' the cross, ':' the two dots), then the marks of the answer's numerator, its denominator and
// the check: 'g' green, 'r' red, '-' none.
QString looks(const Form1& f)
{
    const auto shown = [&](int stroke) { return !f.Line6[stroke]->isHidden(); };
    const int cross = shown(5) + shown(6), dots = shown(7) + shown(8);
    QString s = cross == 2 && !dots ? "X " : dots == 2 && !cross ? ": " : "? ";
    for (const CommandButton* b : { f.Command18[0], f.Command18[3], f.Command19 })
        s += b->backColor() == DesignColor::Green ? u'g' : b->backColor() == DesignColor::Red ? u'r' : u'-';
    return s;
}
}

class MulDivPractice : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void workedExamples_data()
    {
        QTest::addColumn<QString>("walk"); // the answer typed, then the sign chosen and the marks
        QTest::addRow("2/3 X 3/4 = 6/12") << "6/12 X ggg";
        QTest::addRow("2/3 X 3/4 = 1/2, reduced, wrong") << "1/2 X rrr";
        QTest::addRow("2/3 : 3/4 = 8/9") << "8/9 : ggg";
        QTest::addRow("2/3 : 3/4 = 9/8, wrong") << "9/8 : rrr";
        QTest::addRow("2/3 X 3/4 = 6/9, numerator only") << "6/9 X grr";
    }

    void workedExamples()
    {
        QFETCH(QString, walk);
        const QString answer = walk.section(u' ', 0, 0), expected = walk.section(u' ', 1);
        Program p(22);
        steerToMulDiv(p, 2, 3, 3, 4);
        p.click("Command1(6)");
        const Form1& f = *p.form;
        if (expected.startsWith(u':'))
            choose(p, 1);
        answerMulDiv(p, answer.section(u'/', 0, 0).toInt(), answer.section(u'/', 1).toInt());
        p.click("Command19");
        QCOMPARE(looks(f), expected);
        const bool right = expected.endsWith(u'g');
        QCOMPARE(f.MistakeMade, !right);
        const QString line = QStringLiteral("2/3 %1 3/4 = %2 ** ").arg(expected[0]).arg(answer);
        QCOMPARE(p.resultLines(), right ? QStringList { line + f.CheckTexts[0] + " **" } : QStringList {});
    }

    void adjustingAndSwitchingOperation()
    {
        Program p(24);
        steerToMulDiv(p, 2, 3, 3, 4);
        p.click("Command1(6)");
        const Form1& f = *p.form;
        // +1, +5 and -1 on the numerator, then on the denominator of 6/12: each steps its term and clears the marks.
        const QStringList stepped { "7/12", "11/12", "5/12", "6/13", "6/17", "6/11" };
        for (int i = 0; i < 6; ++i) {
            answerMulDiv(p, 6, 12);
            p.click("Command19");
            QCOMPARE(looks(f), "X ggg");
            p.click(arrayName("Command18", i));
            QCOMPARE(f.Command18[0]->text() + u'/' + f.Command18[3]->text(), stepped[i]);
            QCOMPARE(looks(f), "X ---");
        }

        answerMulDiv(p, 8, 9);
        p.click("Command19");
        QCOMPARE(looks(f), "X rrr");
        // The choice moves the sign only: the answer and its marks stay until the next press.
        choose(p, 1);
        QCOMPARE(looks(f) + u' ' + f.Command18[0]->text(), ": rrr 8");
        p.click("Command19"); // judged as a division now
        QCOMPARE(looks(f), ": ggg");
        QCOMPARE(p.resultLines().last(), "2/3 : 3/4 = 8/9 ** " + f.CheckTexts[1] + " **");
        choose(p, 0);
        QCOMPARE(looks(f), "X ggg");
        p.click("Command19");
        QCOMPARE(looks(f), "X rrr");
        QCOMPARE(f.ResultCount, 7);

        // The choice stays between visits; a new, empty answer: "-1" gives -1.
        choose(p, 1);
        p.click("Command1(5)");
        p.click("Command1(6)");
        QCOMPARE(looks(f), ": ---");
        p.click("Command18(2)");
        p.click("Command18(5)");
        QCOMPARE(f.Command18[0]->text() + u'/' + f.Command18[3]->text(), "-1/-1");
    }
};

QTEST_MAIN(MulDivPractice)
#include "tst_muldivpractice.moc"
