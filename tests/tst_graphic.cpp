// Section 0 through the real window: the two editors, their limits, the drawings and sector clicks.
#include "learnsupport.h"
#include "testsupport.h"

#include "logic/captions.h"

using namespace maroleta;
using testing::Program;

namespace {
QString fraction(const Program& p, const QString& labels)
{
    return p.find<Label>(labels + QStringLiteral("(0)"))->text() + QLatin1Char('/')
        + p.find<Label>(labels + QStringLiteral("(1)"))->text();
}

// Sets a fraction's captions and redraws it, as the other screens do for the second fraction.
void setFirst(Program& p, int numerator, int denominator)
{
    p.form->Label1[0]->setText(QString::number(numerator));
    p.form->Label1[1]->setText(QString::number(denominator));
    p.form->DrawFirstFraction();
}

void setSecond(Program& p, int numerator, int denominator)
{
    p.form->Label2[0]->setText(QString::number(numerator));
    p.form->Label2[1]->setText(QString::number(denominator));
    p.form->DrawSecondFraction();
}
}

class TestGraphic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void startsWithTwoHalves();
    void clickingSectors();
    void otherPressesChangeNothing_data();
    void otherPressesChangeNothing();
    void numeratorFollowsEveryClick();
    void editingButtons_data();
    void editingButtons();
    void sixteenCirclesStopTheNumerator();
    void denominatorMinusCanPassSixteen();
    void staleCounterOfTheSecondFraction();
    void secondDenominatorIsCopiedToTheAmplifyingBase();
    void sectionChangeResetsTheSecondFraction();
    void buttonsRedrawThePicture();

private:
    std::unique_ptr<Program> p;
};

void TestGraphic::init()
{
    p = std::make_unique<Program>();
    p->click(QStringLiteral("Command1(0)"));
}

void TestGraphic::startsWithTwoHalves()
{
    QCOMPARE(fraction(*p, QStringLiteral("Label1")), QStringLiteral("1/2"));
    QCOMPARE(fraction(*p, QStringLiteral("Label2")), QStringLiteral("1/2"));
    for (PictureBox* picture : { p->form->Picture1, p->form->Picture2 }) {
        QVERIFY(picture->isVisible());
        QCOMPARE(testing::sectorColours(picture, 1, 2), QStringLiteral("bw"));
        QCOMPARE(Canvas(picture->image()).pixel(1, 1), DesignColor::NearWhite);
    }
    QCOMPARE(p->form->FirstWholeCircles, 0.0);
    QCOMPARE(p->form->SecondWholeCircles, qint16(0));
}

void TestGraphic::clickingSectors()
{
    PictureBox* picture = p->form->Picture1;
    const QPoint lower = testing::sectorPoint(picture, 2, 1);
    testing::pressPicture(picture, lower);
    QCOMPARE(p->form->Label1[0]->text(), QStringLiteral("2"));
    QCOMPARE(testing::sectorColours(picture, 1, 2), QStringLiteral("bb"));
    testing::pressPicture(picture, lower);
    QCOMPARE(p->form->Label1[0]->text(), QStringLiteral("1"));
    QCOMPARE(testing::sectorColours(picture, 1, 2), QStringLiteral("bw"));
    // A blue sector turns white: 0/2 with both sectors white.
    testing::pressPicture(picture, testing::sectorPoint(picture, 2, 0));
    QCOMPARE(p->form->Label1[0]->text(), QStringLiteral("0"));
    QCOMPARE(testing::sectorColours(picture, 1, 2), QStringLiteral("ww"));
    // The second picture takes no presses.
    const QImage second = p->form->Picture2->image().copy();
    testing::pressPicture(p->form->Picture2, testing::sectorPoint(p->form->Picture2, 2, 1));
    QCOMPARE(p->form->Picture2->image(), second);
    QCOMPARE(p->form->Label2[0]->text(), QStringLiteral("1"));
}

void TestGraphic::otherPressesChangeNothing_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("button");
    QTest::addRow("background corner") << "corner" << int(Qt::LeftButton);
    QTest::addRow("background beside the circle") << "beside" << int(Qt::LeftButton);
    QTest::addRow("outline at the centre") << "centre" << int(Qt::LeftButton);
    QTest::addRow("rim") << "rim" << int(Qt::LeftButton);
    QTest::addRow("right button on a white sector") << "white" << int(Qt::RightButton);
    QTest::addRow("middle button on a blue sector") << "blue" << int(Qt::MiddleButton);
}

void TestGraphic::otherPressesChangeNothing()
{
    QFETCH(QString, where);
    QFETCH(int, button);
    PictureBox* picture = p->form->Picture1;
    const QImage& image = picture->image();
    const FractionLayout layout = layoutFraction(image.width(), image.height(), 1, 2);
    const int cx = int(layout.centresX.front());
    const int cy = int(layout.centreY);
    QPoint point;
    if (where == QLatin1String("corner"))
        point = QPoint(1, 1);
    else if (where == QLatin1String("beside"))
        point = QPoint(image.width() - 3, cy + 5);
    else if (where == QLatin1String("centre"))
        point = QPoint(cx, cy);
    else if (where == QLatin1String("rim"))
        point = QPoint(cx, cy - int(layout.radius));
    else
        point = testing::sectorPoint(picture, 2, where == QLatin1String("white") ? 1 : 0);
    const QImage before = image.copy();
    testing::pressPicture(picture, point, Qt::MouseButton(button));
    QCOMPARE(picture->image(), before);
    QCOMPARE(p->form->Label1[0]->text(), QStringLiteral("1"));
}

void TestGraphic::numeratorFollowsEveryClick()
{
    // 3/8: paint sectors 5 and 6, clear sector 0; the numerator counts the blue sectors.
    setFirst(*p, 3, 8);
    PictureBox* picture = p->form->Picture1;
    for (int sector : { 5, 6, 0 })
        testing::pressPicture(picture, testing::sectorPoint(picture, 8, sector));
    QCOMPARE(p->form->Label1[0]->text(), QStringLiteral("4"));
    QCOMPARE(testing::sectorColours(picture, 3, 8), QStringLiteral("wbbwwbbw"));
    // The counter of whole circles is not touched by clicks.
    QCOMPARE(p->form->FirstWholeCircles, 0.0);
}

void TestGraphic::editingButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("numerator");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<QString>("after");
    QTest::addRow("first numerator +") << "Command2(0)" << 3 << 4 << "4/4";
    QTest::addRow("first numerator -- at 1") << "Command2(1)" << 1 << 4 << "0/4";
    QTest::addRow("first numerator -- at 0") << "Command2(1)" << 0 << 4 << "0/4";
    QTest::addRow("first denominator + below 150") << "Command3(0)" << 1 << 149 << "1/150";
    QTest::addRow("first denominator + at 150") << "Command3(0)" << 1 << 150 << "1/150";
    QTest::addRow("first denominator - at 3") << "Command3(1)" << 1 << 3 << "1/2";
    QTest::addRow("first denominator - at 2") << "Command3(1)" << 1 << 2 << "1/2";
    QTest::addRow("second numerator +") << "Command4(0)" << 5 << 2 << "6/2";
    QTest::addRow("second numerator -- at 0") << "Command4(1)" << 0 << 9 << "0/9";
    QTest::addRow("second denominator + at 150") << "Command5(0)" << 7 << 150 << "7/150";
    QTest::addRow("second denominator -- at 2") << "Command5(1)" << 1 << 2 << "1/2";
    QTest::addRow("second denominator -- at 3") << "Command5(1)" << 1 << 3 << "1/2";
}

void TestGraphic::editingButtons()
{
    QFETCH(QString, button);
    QFETCH(int, numerator);
    QFETCH(int, denominator);
    QFETCH(QString, after);
    const bool first = button.startsWith(QLatin1String("Command2")) || button.startsWith(QLatin1String("Command3"));
    if (first)
        setFirst(*p, numerator, denominator);
    else
        setSecond(*p, numerator, denominator);
    p->click(button);
    QCOMPARE(fraction(*p, first ? QStringLiteral("Label1") : QStringLiteral("Label2")), after);
}

void TestGraphic::sixteenCirclesStopTheNumerator()
{
    setFirst(*p, 30, 2);
    p->click(QStringLiteral("Command2(0)")); // 31/2: fifteen full circles
    QCOMPARE(p->form->FirstWholeCircles, 15.0);
    p->click(QStringLiteral("Command2(0)")); // 32/2: sixteen
    QCOMPARE(p->form->Label1[0]->text(), QStringLiteral("32"));
    QCOMPARE(p->form->FirstWholeCircles, 16.0);
    p->click(QStringLiteral("Command2(0)"));
    QCOMPARE(p->form->Label1[0]->text(), QStringLiteral("32"));
    p->click(QStringLiteral("Command3(1)")); // the denominator "-" is refused at sixteen circles too
    QCOMPARE(p->form->Label1[1]->text(), QStringLiteral("2"));
    p->click(QStringLiteral("Command2(1)"));
    QCOMPARE(p->form->Label1[0]->text(), QStringLiteral("31"));
    // The same limit on the second fraction.
    setSecond(*p, 47, 3);
    p->click(QStringLiteral("Command4(0)")); // 48/3: sixteen
    p->click(QStringLiteral("Command4(0)"));
    QCOMPARE(fraction(*p, QStringLiteral("Label2")), QStringLiteral("48/3"));
    QCOMPARE(p->form->SecondWholeCircles, qint16(16));
}

void TestGraphic::denominatorMinusCanPassSixteen()
{
    // Only the current count is compared: 47/3 (fifteen circles) becomes 47/2 with twenty-three.
    setFirst(*p, 47, 3);
    QCOMPARE(p->form->FirstWholeCircles, 15.0);
    p->click(QStringLiteral("Command3(1)"));
    QCOMPARE(fraction(*p, QStringLiteral("Label1")), QStringLiteral("47/2"));
    QCOMPARE(p->form->FirstWholeCircles, 23.0);
    p->click(QStringLiteral("Command2(0)"));
    QCOMPARE(p->form->Label1[0]->text(), QStringLiteral("47"));
    // Twenty-four circles fit the picture and keep their colours: the last one is half blue.
    PictureBox* picture = p->form->Picture1;
    QCOMPARE(testing::sectorColours(picture, 47, 2, 23), QStringLiteral("bw"));
    QCOMPARE(testing::sectorColours(picture, 47, 2, 0), QStringLiteral("bb"));
}

void TestGraphic::staleCounterOfTheSecondFraction()
{
    // 200/2 from the amplifying screen: a hundred circles.
    p->click(QStringLiteral("Command1(1)"));
    p->form->Label4[0]->setText(QStringLiteral("200"));
    p->click(QStringLiteral("Command6(0)"));
    QCOMPARE(fraction(*p, QStringLiteral("Label2")), QStringLiteral("200/2"));
    QCOMPARE(p->form->SecondWholeCircles, qint16(100));
    // 8/16 from the simplifying screen leaves the counter at 100 ...
    p->click(QStringLiteral("Command1(2)"));
    p->click(QStringLiteral("Command9(0)"));
    QCOMPARE(fraction(*p, QStringLiteral("Label2")), QStringLiteral("8/16"));
    QCOMPARE(p->form->SecondWholeCircles, qint16(100));
    // ... so the second numerator "+" and denominator "--" do nothing, while the other two work.
    p->click(QStringLiteral("Command4(0)"));
    p->click(QStringLiteral("Command5(1)"));
    QCOMPARE(fraction(*p, QStringLiteral("Label2")), QStringLiteral("8/16"));
    p->click(QStringLiteral("Command5(0)"));
    p->click(QStringLiteral("Command4(1)"));
    QCOMPARE(fraction(*p, QStringLiteral("Label2")), QStringLiteral("7/17"));
    // A drawing with numerator > denominator refreshes it.
    p->form->Label4[0]->setText(QStringLiteral("1"));
    p->click(QStringLiteral("Command1(1)")); // 1/2 × 1/1 again
    setSecond(*p, 3, 2);
    QCOMPARE(p->form->SecondWholeCircles, qint16(1));
    p->click(QStringLiteral("Command4(0)"));
    QCOMPARE(p->form->Label2[0]->text(), QStringLiteral("4"));
}

void TestGraphic::secondDenominatorIsCopiedToTheAmplifyingBase()
{
    p->click(QStringLiteral("Command5(0)"));
    QCOMPARE(p->form->Label5[0]->text(), QStringLiteral("3"));
    // The working line is not recomputed: it keeps the old base until a section change.
    QCOMPARE(p->form->Label5[2]->text(), QStringLiteral("2 X 1"));
    QCOMPARE(p->form->Label4[0]->text(), QStringLiteral("1")); // the numerator is not copied
    p->click(QStringLiteral("Command5(1)"));
    QCOMPARE(p->form->Label5[0]->text(), QStringLiteral("2"));
    // A refused change copies nothing.
    p->form->Label5[0]->setText(QStringLiteral("7"));
    p->click(QStringLiteral("Command5(1)"));
    QCOMPARE(p->form->Label5[0]->text(), QStringLiteral("7"));
    // The numerator buttons never write into the amplifying screen.
    p->click(QStringLiteral("Command4(0)"));
    QCOMPARE(p->form->Label4[0]->text(), QStringLiteral("1"));
    // The next recompute uses the copied denominator.
    p->click(QStringLiteral("Command5(0)")); // 1/3, and the base becomes 1/3
    p->click(QStringLiteral("Command1(1)"));
    QCOMPARE(fraction(*p, QStringLiteral("Label2")), QStringLiteral("1/3"));
    QCOMPARE(p->form->Label5[2]->text(), QStringLiteral("3 X 1"));
}

void TestGraphic::sectionChangeResetsTheSecondFraction()
{
    p->click(QStringLiteral("Command4(0)"));
    p->click(QStringLiteral("Command4(0)"));
    QCOMPARE(fraction(*p, QStringLiteral("Label2")), QStringLiteral("3/2"));
    p->click(QStringLiteral("Command1(7)"));
    p->click(QStringLiteral("Command1(0)"));
    QCOMPARE(fraction(*p, QStringLiteral("Label2")), QStringLiteral("1/2"));
    QCOMPARE(testing::sectorColours(p->form->Picture2, 1, 2), QStringLiteral("bw"));
    // The first fraction keeps its value across section changes.
    p->click(QStringLiteral("Command2(0)"));
    p->click(QStringLiteral("Command1(4)"));
    p->click(QStringLiteral("Command1(0)"));
    QCOMPARE(fraction(*p, QStringLiteral("Label1")), QStringLiteral("2/2"));
    QCOMPARE(testing::sectorColours(p->form->Picture1, 2, 2), QStringLiteral("bb"));
}

void TestGraphic::buttonsRedrawThePicture()
{
    // A refused change still redraws: a sector painted by a click disappears under the redraw.
    PictureBox* picture = p->form->Picture1;
    setFirst(*p, 0, 2);
    testing::pressPicture(picture, testing::sectorPoint(picture, 2, 1));
    QCOMPARE(fraction(*p, QStringLiteral("Label1")), QStringLiteral("1/2"));
    QCOMPARE(testing::sectorColours(picture, 1, 2), QStringLiteral("wb"));
    p->click(QStringLiteral("Command3(1)")); // refused at 2
    QCOMPARE(testing::sectorColours(picture, 1, 2), QStringLiteral("bw"));
    p->click(QStringLiteral("Command3(0)"));
    QCOMPARE(testing::sectorColours(picture, 1, 3), QStringLiteral("bww"));
}

QTEST_MAIN(TestGraphic)
#include "tst_graphic.moc"
