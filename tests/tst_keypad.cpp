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
    }
    QString field(int i) const { return p.form->Label17[i]->text(); }
    // Presses keys by their captions as the pupil reads them: digits, "+1" ... "-10", and "E" for erase.
    void press(const QString& keys) const
    {
        const QStringList steps { "+1", "-1", "+5", "-5", "+10", "-10" };
        for (const QString& key : keys.split(u' ', Qt::SkipEmptyParts))
            testing::click(key == u"E"    ? pad->Command3
                    : steps.contains(key) ? pad->Command2[std::size_t(steps.indexOf(key))]
                                          : pad->Command1[std::size_t(key.toInt())]);
    }
    Program p;
    Form2* const pad = p.form->keypad();
};

} // namespace

class KeypadTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensAndRetargets()
    {
        Keypad k;
        QVERIFY(k.pad->isVisible());
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
        QTest::addRow("five digits, then no more") << "9 9 9 9 9 3 1 = 99999";
        QTest::addRow("-3 then 5") << "-1 -1 -1 5 = -25";
        // A negative number stops at five digits too; it used to go on until the field read "-5.2e+15".
        QTest::addRow("negative, five digits, then a step") << "-1 2 2 2 2 2 2 2 2 +1 = -77777";
        QTest::addRow("+10 on 99999") << "9 9 9 9 9 +10 = 100009";
        QTest::addRow("leading zero") << "0 0 4 = 4";
        QTest::addRow("steps") << "+5 +5 -10 -5 +1 = -4";
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
        // A mouse move over the keypad's background, with the buttons given held down.
        const auto moveMouse = [background = k.pad->Label1->parentWidget()](QPoint at, Qt::MouseButtons buttons) {
            QMouseEvent move(QEvent::MouseMove, at, background->mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
            QApplication::sendEvent(background, &move);
        };
        moveMouse(QPoint(20, 20), Qt::NoButton); // the anchor
        moveMouse(QPoint(70, 45), Qt::LeftButton);
        QCOMPARE(k.pad->pos(), start + QPoint(50, 25));
        // The anchor stays while the button is held: the point grabbed keeps under the pointer.
        moveMouse(QPoint(30, 30), Qt::LeftButton);
        const QPoint dragged = start + QPoint(60, 35);
        QCOMPARE(k.pad->pos(), dragged);
        // Held down on a key or on the display, the pointer moves nothing; clicking another field brings the
        // keypad forward where it was left.
        for (QWidget* control : std::initializer_list<QWidget*> { k.pad->Command1[5], k.pad->Label1 }) {
            QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
            QTest::mouseMove(control, QPoint(40, 30));
            QTest::mouseRelease(control, Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));
        }
        k.p.click("Label17(3)");
        QCOMPARE(k.pad->pos(), dragged);
    }

    void neverChangesAnAcceptedField()
    {
        testing::MessageRecorder messages;
        Keypad k;
        const char* typed[] = { "12", "18", "6", "9" };
        for (int i = 0; i < 4; ++i)
            testing::typeOnKeypad(k.p, i, QString::fromLatin1(typed[i]));
        k.p.click("Command21(0)");
        QVERIFY(!k.p.form->Label17[3]->isEnabled());
        // The keypad still points at the accepted denominator: its keys change nothing now.
        k.press("4 +1 E");
        QCOMPARE(k.field(3), QStringLiteral("9"));
        QCOMPARE(k.pad->Label1->text(), QStringLiteral("9"));
        QVERIFY(messages.texts.isEmpty());
    }

    void neverWritesIntoAHiddenField()
    {
        // A new exercise hides the later steps: a key pressed then must not leave a number in a hidden field,
        // where a whole-number step would later find something other than "?".
        Keypad k;
        k.p.form->Label17[5]->show(); // a field of step 2, as if that step had been opened
        k.p.click("Label17(5)");
        k.p.click("Command1(4)"); // new exercise: step 2 hidden again
        QVERIFY(k.pad->isVisible());
        k.press("7");
        QCOMPARE(k.field(5), QStringLiteral("?"));
        QCOMPARE(k.pad->Label1->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(KeypadTest)
#include "tst_keypad.moc"
