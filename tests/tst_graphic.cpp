// Section 0 through the real window: the two editors, their limits, the drawings and sector clicks.
#include "learnsupport.h"
#include "testsupport.h"

using namespace maroleta;
using testing::Program;

namespace {
QString fraction(const std::array<Label*, 2>& labels) { return labels[0]->text() + u'/' + labels[1]->text(); }

// Sets a fraction's captions and redraws it, as the other screens do for the second fraction.
void setFraction(Program& p, bool first, int numerator, int denominator)
{
    auto& labels = first ? p.form->Label1 : p.form->Label2;
    labels[0]->setText(QString::number(numerator));
    labels[1]->setText(QString::number(denominator));
    first ? p.form->DrawFirstFraction() : p.form->DrawSecondFraction();
}
}

class TestGraphic : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<Program> p;

private Q_SLOTS:
    void init()
    {
        p = std::make_unique<Program>();
        p->click(QStringLiteral("Command1(0)"));
    }

    void clickingSectors()
    {
        // 3/8: white sectors turn blue, a blue sector turns white; the numerator counts the blue sectors.
        setFraction(*p, true, 3, 8);
        PictureBox* picture = p->form->Picture1;
        for (int sector : { 5, 6, 0 })
            testing::pressPicture(picture, testing::sectorPoint(picture, 8, sector));
        QCOMPARE(p->form->Label1[0]->text(), QStringLiteral("4"));
        QCOMPARE(testing::circleColours(picture->image(), 3, 8), QStringLiteral("wbbwwbbw"));
        QCOMPARE(p->form->FirstWholeCircles, 0.0); // not touched by clicks
        // A button redraws the fraction from its captions, clearing what the clicks painted.
        p->click(QStringLiteral("Command3(0)")); // 4/9
        QCOMPARE(testing::circleColours(picture->image(), 4, 9), QStringLiteral("bbbbwwwww"));
        // The second picture takes no presses.
        const QImage second = p->form->Picture2->image().copy();
        testing::pressPicture(p->form->Picture2, testing::sectorPoint(p->form->Picture2, 2, 1));
        QCOMPARE(p->form->Picture2->image(), second);
        QCOMPARE(p->form->Label2[0]->text(), QStringLiteral("1"));
    }

    void otherPressesChangeNothing()
    {
        // The background corner, the outline at the centre and the rim with the left button; a white sector
        // with the right one and a blue sector with the middle one.
        PictureBox* picture = p->form->Picture1;
        const QImage before = picture->image().copy();
        const FractionLayout layout = layoutFraction(before.width(), before.height(), 1, 2);
        const QPoint centre(int(layout.centresX.front()), int(layout.centreY));
        const std::pair<QPoint, Qt::MouseButton> presses[] = { { QPoint(1, 1), Qt::LeftButton },
            { centre, Qt::LeftButton }, { centre - QPoint(0, int(layout.radius)), Qt::LeftButton },
            { testing::sectorPoint(picture, 2, 1), Qt::RightButton },
            { testing::sectorPoint(picture, 2, 0), Qt::MiddleButton } };
        for (const auto& [point, button] : presses) {
            testing::pressPicture(picture, point, button);
            QCOMPARE(picture->image(), before);
            QCOMPARE(p->form->Label1[0]->text(), QStringLiteral("1"));
        }
    }

    void editingButtons_data()
    {
        // The fraction before, the buttons clicked, " = " and the fraction after.
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<double>("wholeCircles"); // the counter of the fraction edited
        QTest::addRow("first numerator +") << "3/4 Command2(0) = 4/4" << 0.0;
        QTest::addRow("first numerator -- at 1") << "1/4 Command2(1) = 0/4" << 0.0;
        QTest::addRow("first numerator -- at 0") << "0/4 Command2(1) = 0/4" << 0.0;
        QTest::addRow("first denominator + below 150") << "1/149 Command3(0) = 1/150" << 0.0;
        QTest::addRow("first denominator + at 150") << "1/150 Command3(0) = 1/150" << 0.0;
        QTest::addRow("first denominator - at 3") << "1/3 Command3(1) = 1/2" << 0.0;
        QTest::addRow("first denominator - at 2") << "1/2 Command3(1) = 1/2" << 0.0;
        QTest::addRow("second numerator -- at 0") << "0/9 Command4(1) = 0/9" << 0.0;
        QTest::addRow("second denominator + at 150") << "7/150 Command5(0) = 7/150" << 0.0;
        QTest::addRow("second denominator -- at 2") << "1/2 Command5(1) = 1/2" << 0.0;
        QTest::addRow("second denominator -- at 3") << "1/3 Command5(1) = 1/2" << 0.0;
        // Sixteen whole circles stop the numerator "+" and the denominator "-".
        QTest::addRow("first numerator + up to sixteen")
            << "30/2 Command2(0) Command2(0) Command2(0) Command3(1) = 32/2" << 16.0;
        QTest::addRow("first numerator - below sixteen") << "32/2 Command2(1) = 31/2" << 15.0;
        QTest::addRow("second numerator + up to sixteen") << "47/3 Command4(0) Command4(0) = 48/3" << 16.0;
        // Only the current count is compared: 47/3 (fifteen) becomes 47/2 with twenty-three, then no more.
        QTest::addRow("first denominator - past sixteen") << "47/3 Command3(1) Command2(0) = 47/2" << 23.0;
    }

    void editingButtons()
    {
        QFETCH(QString, clicks);
        QFETCH(double, wholeCircles);
        QStringList buttons = clicks.section(QStringLiteral(" = "), 0, 0).split(u' ');
        const QString before = buttons.takeFirst();
        const bool first = buttons[0].startsWith("Command2") || buttons[0].startsWith("Command3");
        setFraction(*p, first, before.section(u'/', 0, 0).toInt(), before.section(u'/', 1, 1).toInt());
        for (const QString& button : buttons)
            p->click(button);
        QCOMPARE(fraction(first ? p->form->Label1 : p->form->Label2), clicks.section(QStringLiteral(" = "), 1));
        QCOMPARE(first ? p->form->FirstWholeCircles : double(p->form->SecondWholeCircles), wholeCircles);
    }

    void staleCounterOfTheSecondFraction()
    {
        // 200/2 from the amplifying screen: a hundred circles.
        p->click(QStringLiteral("Command1(1)"));
        p->form->Label4[0]->setText(QStringLiteral("200"));
        p->click(QStringLiteral("Command6(0)"));
        QCOMPARE(p->form->SecondWholeCircles, qint16(100));
        // 8/16 from the simplifying screen leaves the counter at 100 ...
        p->click(QStringLiteral("Command1(2)"));
        p->click(QStringLiteral("Command9(0)"));
        QCOMPARE(fraction(p->form->Label2), QStringLiteral("8/16"));
        QCOMPARE(p->form->SecondWholeCircles, qint16(100));
        // ... so the second numerator "+" and denominator "--" do nothing, while the other two work.
        p->click(QStringLiteral("Command4(0)"));
        p->click(QStringLiteral("Command5(1)"));
        QCOMPARE(fraction(p->form->Label2), QStringLiteral("8/16"));
        p->click(QStringLiteral("Command5(0)"));
        p->click(QStringLiteral("Command4(1)"));
        QCOMPARE(fraction(p->form->Label2), QStringLiteral("7/17"));
        // A drawing with numerator > denominator refreshes it.
        setFraction(*p, false, 3, 2);
        QCOMPARE(p->form->SecondWholeCircles, qint16(1));
        p->click(QStringLiteral("Command4(0)"));
        QCOMPARE(p->form->Label2[0]->text(), QStringLiteral("4"));
    }

    void secondDenominatorIsCopiedToTheAmplifyingBase()
    {
        p->click(QStringLiteral("Command5(0)"));
        QCOMPARE(p->form->Label5[0]->text(), QStringLiteral("3"));
        // The working line is not recomputed: it keeps the old base until a section change.
        QCOMPARE(p->form->Label5[2]->text(), QStringLiteral("2 X 1"));
        p->click(QStringLiteral("Command5(1)"));
        QCOMPARE(p->form->Label5[0]->text(), QStringLiteral("2"));
        // A refused change copies nothing, nor do the numerator buttons.
        p->form->Label5[0]->setText(QStringLiteral("7"));
        p->click(QStringLiteral("Command5(1)"));
        p->click(QStringLiteral("Command4(0)"));
        QCOMPARE(p->form->Label5[0]->text(), QStringLiteral("7"));
        QCOMPARE(p->form->Label4[0]->text(), QStringLiteral("1"));
        // The next recompute uses the copied denominator.
        p->click(QStringLiteral("Command5(0)")); // 2/3, and the base becomes 1/3
        p->click(QStringLiteral("Command1(1)"));
        QCOMPARE(fraction(p->form->Label2), QStringLiteral("1/3"));
        QCOMPARE(p->form->Label5[2]->text(), QStringLiteral("3 X 1"));
    }

    void sectionChangeResetsTheSecondFraction()
    {
        p->click(QStringLiteral("Command4(0)"));
        p->click(QStringLiteral("Command4(0)"));
        QCOMPARE(fraction(p->form->Label2), QStringLiteral("3/2"));
        p->click(QStringLiteral("Command2(0)"));
        p->click(QStringLiteral("Command1(7)"));
        p->click(QStringLiteral("Command1(0)"));
        QCOMPARE(fraction(p->form->Label2), QStringLiteral("1/2"));
        QCOMPARE(testing::circleColours(p->form->Picture2->image(), 1, 2), QStringLiteral("bw"));
        // The first fraction keeps its value across section changes.
        QCOMPARE(fraction(p->form->Label1), QStringLiteral("2/2"));
        QCOMPARE(testing::circleColours(p->form->Picture1->image(), 2, 2), QStringLiteral("bb"));
    }
};

QTEST_MAIN(TestGraphic)
#include "tst_graphic.moc"
