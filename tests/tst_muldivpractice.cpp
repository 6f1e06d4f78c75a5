// Section 6 through its window: the exercise and its sign, the choice of operation, the six adjusting
// buttons, the check of the unreduced product or cross product, and the lines it writes to the log.
#include "practicedriver.h"
#include "results/form3.h"

using namespace maroleta;
using namespace maroleta::testing;

namespace {
// Opens section 6 on the exercise a/b and c/d.
void openOn(Program& p, int a, int b, int c, int d)
{
    steerToMulDiv(p, a, b, c, d);
    p.click("Command1(6)");
}

// A click on the option's round mark, as a pupil chooses an operation.
void choose(const Program& p, int index)
{
    QWidget* option = p.find(arrayName("Option1", index));
    QVERIFY(option);
    QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(8, option->height() / 2));
}

bool crossShown(const Form1& f)
{
    return !f.Line6[5]->isHidden() && !f.Line6[6]->isHidden() && f.Line6[7]->isHidden() && f.Line6[8]->isHidden();
}
bool dotsShown(const Form1& f)
{
    return f.Line6[5]->isHidden() && f.Line6[6]->isHidden() && !f.Line6[7]->isHidden() && !f.Line6[8]->isHidden();
}
}

class MulDivPractice : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void workedExamples_data()
    {
        QTest::addColumn<bool>("divide");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("numeratorRight");
        QTest::addColumn<bool>("denominatorRight");
        QTest::addRow("2/3 X 3/4 = 6/12") << false << 6 << 12 << true << true;
        QTest::addRow("2/3 X 3/4 = 1/2, reduced, wrong") << false << 1 << 2 << false << false;
        QTest::addRow("2/3 : 3/4 = 8/9") << true << 8 << 9 << true << true;
        QTest::addRow("2/3 : 3/4 = 9/8, wrong") << true << 9 << 8 << false << false;
        QTest::addRow("2/3 X 3/4 = 6/9, numerator only") << false << 6 << 9 << true << false;
    }

    void workedExamples()
    {
        QFETCH(bool, divide);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, numeratorRight);
        QFETCH(bool, denominatorRight);
        Program p(22);
        openOn(p, 2, 3, 3, 4);
        const Form1& f = *p.form;
        if (divide)
            choose(p, 1);
        QVERIFY(divide ? dotsShown(f) : crossShown(f));
        answerMulDiv(p, x, y);
        p.click("Command19");

        QCOMPARE(f.Command18[0]->backColor(), numeratorRight ? DesignColor::Green : DesignColor::Red);
        QCOMPARE(f.Command18[3]->backColor(), denominatorRight ? DesignColor::Green : DesignColor::Red);
        const bool right = numeratorRight && denominatorRight;
        QCOMPARE(f.Command19->backColor(), right ? DesignColor::Green : DesignColor::Red);
        QCOMPARE(f.MistakeMade, !right);
        const QString line = QStringLiteral("2/3 %1 3/4 = %2/%3 ** ").arg(divide ? ":" : "X").arg(x).arg(y);
        QCOMPARE(p.resultLines(), right ? QStringList { line + f.CheckTexts[0] + " **" } : QStringList {});
    }

    void switchingOperationAfterACheck()
    {
        Program p(24);
        openOn(p, 2, 3, 3, 4);
        const Form1& f = *p.form;
        answerMulDiv(p, 8, 9);
        p.click("Command19");
        QCOMPARE(f.Command19->backColor(), DesignColor::Red);

        // The choice moves the sign only: the answer and its colours stay until the next press.
        choose(p, 1);
        QVERIFY(dotsShown(f));
        QCOMPARE(f.Command18[0]->text(), QStringLiteral("8"));
        QCOMPARE(f.Command18[0]->backColor(), DesignColor::Red);
        QCOMPARE(f.Command19->backColor(), DesignColor::Red);

        p.click("Command19"); // judged as a division now
        QCOMPARE(f.Command19->backColor(), DesignColor::Green);
        QCOMPARE(p.resultLines(), QStringList { "2/3 : 3/4 = 8/9 ** " + f.CheckTexts[1] + " **" });

        choose(p, 0);
        QVERIFY(crossShown(f));
        QCOMPARE(f.Command19->backColor(), DesignColor::Green);
        p.click("Command19");
        QCOMPARE(f.Command19->backColor(), DesignColor::Red);
        QCOMPARE(f.ResultCount, 1);
    }

    void adjustersStepAndClearTheColours_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("answer");
        QTest::addRow("numerator +1") << 0 << "7/12";
        QTest::addRow("numerator +5") << 1 << "11/12";
        QTest::addRow("numerator -1") << 2 << "5/12";
        QTest::addRow("denominator +1") << 3 << "6/13";
        QTest::addRow("denominator +5") << 4 << "6/17";
        QTest::addRow("denominator -1") << 5 << "6/11";
    }

    void adjustersStepAndClearTheColours()
    {
        QFETCH(int, index);
        QFETCH(QString, answer);
        Program p(25);
        openOn(p, 2, 3, 3, 4);
        const Form1& f = *p.form;
        answerMulDiv(p, 6, 12);
        p.click("Command19");
        p.click(arrayName("Command18", index));
        QCOMPARE(f.Command18[0]->text() + u'/' + f.Command18[3]->text(), answer);
        for (const CommandButton* b : { f.Command18[0], f.Command18[3], f.Command19 })
            QCOMPARE(b->backColor(), DesignColor::SystemButtonFace);

        p.click("Command1(6)"); // a new, empty answer: "-1" gives -1
        p.click(arrayName("Command18", index < 3 ? 2 : 5));
        QCOMPARE(f.Command18[index < 3 ? 0 : 3]->text(), QStringLiteral("-1"));
    }

    void choiceStaysBetweenVisits()
    {
        Program p(27);
        p.click("Command1(6)");
        choose(p, 1);
        p.click("Command1(5)");
        p.click("Command1(6)");
        QVERIFY(p.form->Option1[1]->isChecked());
        QVERIFY(dotsShown(*p.form));
    }
};

QTEST_MAIN(MulDivPractice)
#include "tst_muldivpractice.moc"
