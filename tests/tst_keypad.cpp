// The keypad as the pupil uses it: opened from an answer field of section 4, keys pressed, dragged around.
// Where it opens is checked in tst_scaling, with the texts of its keys.
#include "testsupport.h"

#include "keypad/form2.h"

using namespace maroleta;
using maroleta::testing::Program;

namespace {

// Section 4 with the keypad opened from answer field 2.
struct Keypad {
    Keypad()
    {
        p.click("Command1(4)");
        p.click("Label17(2)");
        pad = p.form->keypad();
    }
    QString field(int i) const { return p.form->Label17[i]->text(); }
    // Presses keys by their captions as the pupil reads them: digits, "+1" ... "-10", and "E" for erase.
    void press(const QString& keys) const
    {
        const QStringList steps { "+1", "-1", "+5", "-5", "+10", "-10" };
        for (const QString& key : keys.split(u' ', Qt::SkipEmptyParts)) {
            if (key == QLatin1String("E"))
                testing::click(pad->Command3);
            else if (steps.contains(key))
                testing::click(pad->Command2[steps.indexOf(key)]);
            else
                testing::click(pad->Command1[key.toInt()]);
        }
    }
    Program p;
    Form2* pad = nullptr;
};

// A mouse move over a widget of the keypad, with the buttons given held down.
void moveMouse(QWidget* widget, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

class KeypadTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensOnFirstUseAndRetargets()
    {
        QCOMPARE(testing::topLevels<Form2>().size(), 0); // created on first use
        Keypad k;
        QVERIFY(k.pad->isVisible());
        QCOMPARE(k.p.form->Label17[2]->foreColor(), DesignColor::Blue);
        QCOMPARE(k.pad->Label1->text(), QStringLiteral("0"));
        QCOMPARE(k.field(2), QStringLiteral("?")); // untouched until the first key
        // A second field takes the keys from then on, in the same window.
        k.press("6");
        k.p.click("Label17(3)");
        QCOMPARE(k.pad->Label1->text(), QStringLiteral("0"));
        k.press("9");
        QCOMPARE(k.field(2) + k.field(3), QStringLiteral("69"));
        QCOMPARE(testing::topLevels<Form2>().size(), 1);
    }

    void keySequences_data()
    {
        QTest::addColumn<QString>("keys"); // the keys pressed, then " = " and the number shown
        QTest::addRow("42") << "4 2 = 42";
        QTest::addRow("five digits, then no more") << "9 9 9 9 9 3 1 = 99999";
        QTest::addRow("from 10000 no digit acts") << "1 0 0 0 0 7 = 10000";
        QTest::addRow("-1 then 5") << "-1 5 = -5";
        QTest::addRow("-3 then 5") << "-1 -1 -1 5 = -25";
        // A negative number stops at five digits too; it used to go on until the field read "-5.2e+15".
        QTest::addRow("negative, five digits, then a step") << "-1 2 2 2 2 2 2 2 2 +1 = -77777";
        QTest::addRow("+10 on 99999") << "9 9 9 9 9 +10 = 100009";
        QTest::addRow("leading zero") << "0 0 4 = 4";
        QTest::addRow("steps") << "+5 +5 -10 -5 +1 = -4";
        QTest::addRow("erase") << "4 2 E = 0";
        QTest::addRow("typing after erase") << "4 2 E 7 = 7";
    }

    void keySequences()
    {
        QFETCH(QString, keys);
        Keypad k;
        k.press(keys.section(QStringLiteral(" = "), 0, 0));
        const QString expected = keys.section(QStringLiteral(" = "), 1);
        QCOMPARE(k.pad->Label1->text(), expected);
        QCOMPARE(k.field(2), expected);
    }

    void dragsByItsBackgroundOnly()
    {
        Keypad k;
        QVERIFY(QTest::qWaitForWindowExposed(k.pad));
        const QPoint start = k.pad->pos();
        QWidget* background = k.pad->Label1->parentWidget();
        moveMouse(background, QPoint(20, 20), Qt::NoButton); // the anchor
        moveMouse(background, QPoint(70, 45), Qt::LeftButton);
        QCOMPARE(k.pad->pos(), start + QPoint(50, 25));
        // The anchor stays while the button is held: the point grabbed keeps under the pointer.
        moveMouse(background, QPoint(30, 30), Qt::LeftButton);
        QCOMPARE(k.pad->pos(), start + QPoint(60, 35));
        const QPoint dragged = k.pad->pos();
        // Held down on a key or on the display, the pointer moves nothing.
        for (QWidget* control : std::initializer_list<QWidget*> { k.pad->Command1[5], k.pad->Label1 }) {
            QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
            QTest::mouseMove(control, QPoint(40, 30));
            QTest::mouseRelease(control, Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));
            QCOMPARE(k.pad->pos(), dragged);
        }
        // Clicking another field brings it forward where it was left.
        k.p.click("Label17(3)");
        QCOMPARE(k.pad->pos(), dragged);
    }

    void survivesSectionChanges()
    {
        Keypad k;
        k.press("3");
        const QPoint place = k.pad->pos();
        k.p.click("Command1(5)");
        QVERIFY(k.pad->isVisible());
        k.press("5");
        QCOMPARE(k.field(2), QStringLiteral("35"));
        // Back in section 4 a new exercise starts, and the keys still write into the field last clicked.
        k.p.click("Command1(4)");
        QVERIFY(k.pad->isVisible());
        QCOMPARE(k.pad->pos(), place);
        QCOMPARE(k.field(2), QStringLiteral("?"));
        k.press("E 8");
        QCOMPARE(k.field(2), QStringLiteral("8"));
    }

    void neverChangesAnAcceptedField()
    {
        testing::MessageRecorder messages;
        Keypad k;
        const QStringList typed { "E 1 2", "E 1 8", "E 6", "E 9" };
        for (int i = 0; i < 4; ++i) {
            k.p.click(arrayName("Label17", i));
            k.press(typed[i]);
        }
        k.p.click("Command21(0)");
        QVERIFY(!k.p.form->Label17[3]->isEnabled());
        // The keypad still points at the accepted denominator: its keys change nothing now.
        k.press("4 +1 E");
        QCOMPARE(k.field(3), QStringLiteral("9"));
        QCOMPARE(k.pad->Label1->text(), QStringLiteral("9"));
        // A click on an open field makes them work again.
        k.p.click("Label17(4)");
        k.press("2");
        QCOMPARE(k.field(4), QStringLiteral("2"));
        QVERIFY(messages.texts.isEmpty());
    }

    void neverWritesIntoAFieldOfAStepNotOpen()
    {
        // A new exercise hides the later steps: a key pressed then must not leave a number in a hidden field,
        // where a whole-number step would later find something other than "?".
        Keypad k;
        k.p.form->Label17[5]->show(); // a field of step 2, as if that step had been opened
        k.p.click("Label17(5)");
        k.p.click("Command1(4)"); // new exercise: step 2 hidden again
        k.press("7");
        QCOMPARE(k.field(5), QStringLiteral("?"));
        QCOMPARE(k.pad->Label1->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(KeypadTest)
#include "tst_keypad.moc"
