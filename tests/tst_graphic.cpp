// Section 0 through the real window: the two editors, their limits, the drawings and sector clicks.
#include "learnsupport.h"
#include "testsupport.h"

using namespace maroleta;
using testing::Program;

namespace {
QString fraction(const std::array<Label*, 2>& labels) { return testing::shownFraction(labels[0], labels[1]); }

// Sets a fraction's captions to "n/d" and redraws it, as the other screens do for the second fraction.
void setFraction(Program& p, bool first, const QString& fraction)
{
    auto& labels = first ? p.form->Label1 : p.form->Label2;
    testing::writeFraction(labels[0], labels[1], fraction);
    first ? p.form->DrawFirstFraction() : p.form->DrawSecondFraction();
}

void clickAll(const Program& p, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        p.click(QString::fromLatin1(name));
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
        setFraction(*p, true, QStringLiteral("3/8"));
        PictureBox* picture = p->form->Picture1;
        for (int sector : { 5, 6, 0 })
            testing::pressPicture(picture, testing::sectorPoint(picture, 8, sector));
        QCOMPARE(p->form->Label1[0]->text(), QStringLiteral("4"));
        QCOMPARE(testing::circleColours(picture->image(), 3, 8), QStringLiteral("wbbwwbbw"));
        // A button redraws the fraction from its captions, clearing what the clicks painted.
        p->click(QStringLiteral("Command3(0)")); // 4/9
        QCOMPARE(testing::circleColours(picture->image(), 4, 9), QStringLiteral("bbbbwwwww"));
        // The second picture takes no presses.
        const QImage second = p->form->Picture2->image().copy();
        testing::pressPicture(p->form->Picture2, testing::sectorPoint(p->form->Picture2, 2, 1));
        QVERIFY(p->form->Picture2->image() == second && fraction(p->form->Label2) == QStringLiteral("1/2"));
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
        QTest::addColumn<QString>("clicks"); // the fraction before, the buttons clicked, " = " and the fraction after
        // Each button once where it works and once at its limit.
        QTest::addRow("first numerator -- down to 0") << "1/4 Command2(1) Command2(1) = 0/4";
        QTest::addRow("first denominator + up to 150") << "1/149 Command3(0) Command3(0) = 1/150";
        QTest::addRow("first denominator - down to 2") << "1/3 Command3(1) Command3(1) = 1/2";
        QTest::addRow("second numerator -- down to 0") << "1/9 Command4(1) Command4(1) = 0/9";
        QTest::addRow("second denominator + up to 150") << "7/149 Command5(0) Command5(0) = 7/150";
        QTest::addRow("second denominator -- down to 2") << "1/3 Command5(1) Command5(1) = 1/2";
        // Sixteen whole circles stop the numerator "+" and the denominator "-"; below them both work again.
        QTest::addRow("first numerator + up to sixteen")
            << "30/2 Command2(0) Command2(0) Command2(0) Command3(1) = 32/2";
        QTest::addRow("first numerator - below sixteen") << "32/2 Command2(1) Command2(1) Command2(0) = 31/2";
        QTest::addRow("second numerator + up to sixteen") << "47/3 Command4(0) Command4(0) Command5(1) = 48/3";
        // Only the current count is checked: 47/3 (fifteen) becomes 47/2 with twenty-three, then no more.
        QTest::addRow("first denominator - past sixteen") << "47/3 Command3(1) Command2(0) = 47/2";
    }

    void editingButtons()
    {
        QFETCH(QString, clicks);
        QStringList buttons = clicks.section(QStringLiteral(" = "), 0, 0).split(u' ');
        const bool first = buttons[1].startsWith("Command2") || buttons[1].startsWith("Command3");
        setFraction(*p, first, buttons.takeFirst());
        for (const QString& button : buttons)
            p->click(button);
        QCOMPARE(fraction(first ? p->form->Label1 : p->form->Label2), clicks.section(QStringLiteral(" = "), 1));
    }

    void staleCounterOfTheSecondFraction()
    {
        // 200/2 from the amplifying screen counts a hundred circles; 8/16 from the simplifying screen keeps
        // that count ...
        p->form->Label4[0]->setText(QStringLiteral("200"));
        clickAll(*p, { "Command1(1)", "Command6(0)", "Command1(2)", "Command9(0)" });
        QCOMPARE(fraction(p->form->Label2), QStringLiteral("8/16"));
        // ... so the second numerator "+" and denominator "--" do nothing, while the other two work.
        clickAll(*p, { "Command4(0)", "Command5(1)", "Command5(0)", "Command4(1)" });
        QCOMPARE(fraction(p->form->Label2), QStringLiteral("7/17"));
        // A drawing with numerator > denominator refreshes it.
        setFraction(*p, false, QStringLiteral("3/2"));
        p->click(QStringLiteral("Command4(0)"));
        QCOMPARE(fraction(p->form->Label2), QStringLiteral("4/2"));
    }

    void secondDenominatorIsCopiedToTheAmplifyingBase()
    {
        // A refused change copies nothing, nor do the numerator buttons.
        p->form->Label5[0]->setText(QStringLiteral("7"));
        clickAll(*p, { "Command5(1)", "Command4(0)" });
        QCOMPARE(testing::shownFraction(p->form->Label4[0], p->form->Label5[0]), QStringLiteral("1/7"));
        // A change is copied at once, but the working line keeps the old base until a section change.
        p->click(QStringLiteral("Command5(0)")); // 2/3
        QCOMPARE(p->form->Label5[0]->text() + u' ' + p->form->Label5[2]->text(), QStringLiteral("3 2 X 1"));
        p->click(QStringLiteral("Command1(1)"));
        QCOMPARE(fraction(p->form->Label2) + u' ' + p->form->Label5[2]->text(), QStringLiteral("1/3 3 X 1"));
    }

    void sectionChangeResetsTheSecondFraction()
    {
        setFraction(*p, false, QStringLiteral("3/2"));
        clickAll(*p, { "Command2(0)", "Command1(7)", "Command1(0)" });
        // The second fraction is 1/2 again; the first keeps its value.
        QCOMPARE(fraction(p->form->Label2) + u' ' + fraction(p->form->Label1), QStringLiteral("1/2 2/2"));
        QCOMPARE(testing::circleColours(p->form->Picture2->image(), 1, 2), QStringLiteral("bw"));
        QCOMPARE(testing::circleColours(p->form->Picture1->image(), 2, 2), QStringLiteral("bb"));
    }
};

QTEST_MAIN(TestGraphic)
#include "tst_graphic.moc"
