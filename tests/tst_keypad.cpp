// The keypad as the pupil uses it: opened from an answer field of section 4, keys pressed, dragged around.
#include "testsupport.h"

#include "keypad/form2.h"

#include <algorithm>

using namespace maroleta;
using maroleta::testing::Program;

namespace {

int keypadWindows()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return int(std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return qobject_cast<Form2*>(w); }));
}

// Presses keys by their captions as the pupil reads them: digits, "+1" ... "-10", and "E" for erase.
void press(Form2* pad, const QString& keys)
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

QWidget* background(Form2* pad) { return pad->Label1->parentWidget(); }

// A mouse move over a widget of the keypad, with the buttons given held down.
void moveMouse(QWidget* widget, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QPoint twipsToPixels(int x, int y) { return QPoint(screenTwips().toPixels(x), screenTwips().toPixels(y)); }

} // namespace

class KeypadTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensOnAFieldClick()
    {
        Program p;
        p.click("Command1(4)");
        Label* field = p.find<Label>("Label17(2)");
        QCOMPARE(field->foreColor(), DesignColor::White);
        QCOMPARE(keypadWindows(), 0); // created on first use
        p.click("Label17(2)");
        Form2* pad = p.form->keypad();
        QVERIFY(pad->isVisible());
        QCOMPARE(field->foreColor(), DesignColor::Blue);
        QCOMPARE(pad->Label1->text(), QStringLiteral("0"));
        QCOMPARE(field->text(), QStringLiteral("?")); // untouched until the first key
        // It opens below the answer fields.
        const QRect section = twipsGeometry(p.form->Frame1[0]);
        const QRect answers = twipsGeometry(p.form->Frame9);
        QCOMPARE(pad->pos(),
            twipsToPixels(section.left() + answers.left(), section.top() + answers.top() + answers.height()));
    }

    void eraseKeyCaptionFromItsLanguageFile()
    {
        testing::LanguageSet language;
        language.write(QStringLiteral("borrar.txt"), { QString::fromUtf8("ESBORRA"), QStringLiteral("ignored") });
        Program p;
        p.click("Command1(4)");
        p.click("Label17(2)");
        QCOMPARE(p.form->keypad()->Command3->text(), QStringLiteral("ESBORRA"));
    }

    void keySequences_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::addRow("42") << "4 2"
                            << "42";
        QTest::addRow("five digits, then no more") << "9 9 9 9 9 3 1"
                                                   << "99999";
        QTest::addRow("from 10000 no digit acts") << "1 0 0 0 0 7"
                                                  << "10000";
        QTest::addRow("-1 then 5") << "-1 5"
                                   << "-5";
        QTest::addRow("-3 then 5") << "-1 -1 -1 5"
                                   << "-25";
        QTest::addRow("+10 on 99999") << "9 9 9 9 9 +10"
                                      << "100009";
        QTest::addRow("leading zero") << "0 0 4"
                                      << "4";
        QTest::addRow("steps") << "+5 +5 -10 -5 +1"
                               << "-4";
        QTest::addRow("erase, then typing") << "4 2 E"
                                            << "0";
        QTest::addRow("typing after erase") << "4 2 E 7"
                                            << "7";
    }

    void keySequences()
    {
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        Program p;
        p.click("Command1(4)");
        p.click("Label17(2)");
        Form2* pad = p.form->keypad();
        press(pad, keys);
        QCOMPARE(pad->Label1->text(), expected);
        QCOMPARE(p.find<Label>("Label17(2)")->text(), expected);
    }

    void retargetsToASecondField()
    {
        Program p;
        p.click("Command1(4)");
        p.click("Label17(2)");
        Form2* pad = p.form->keypad();
        press(pad, "6");
        p.click("Label17(3)");
        QCOMPARE(pad->Label1->text(), QStringLiteral("0"));
        QCOMPARE(p.find<Label>("Label17(2)")->text(), QStringLiteral("6"));
        QCOMPARE(p.find<Label>("Label17(3)")->text(), QStringLiteral("?"));
        press(pad, "9");
        QCOMPARE(p.find<Label>("Label17(2)")->text(), QStringLiteral("6"));
        QCOMPARE(p.find<Label>("Label17(3)")->text(), QStringLiteral("9"));
        // The same window every time.
        QCOMPARE(keypadWindows(), 1);
    }

    void dragsByItsBackgroundOnly()
    {
        Program p;
        p.click("Command1(4)");
        p.click("Label17(2)");
        Form2* pad = p.form->keypad();
        QVERIFY(QTest::qWaitForWindowExposed(pad));
        const QPoint start = pad->pos();
        QWidget* client = background(pad);

        moveMouse(client, QPoint(20, 20), Qt::NoButton); // the anchor
        moveMouse(client, QPoint(70, 45), Qt::LeftButton);
        QCOMPARE(pad->pos(), start + QPoint(50, 25));
        // The anchor stays while the button is held: the point grabbed keeps under the pointer.
        moveMouse(client, QPoint(30, 30), Qt::LeftButton);
        QCOMPARE(pad->pos(), start + QPoint(60, 35));
        const QPoint dragged = pad->pos();

        // Held down on a key or on the display, the pointer moves nothing.
        for (QWidget* control : std::initializer_list<QWidget*> { pad->Command1[5], pad->Label1 }) {
            QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
            QTest::mouseMove(control, QPoint(40, 30));
            QTest::mouseRelease(control, Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));
            QCOMPARE(pad->pos(), dragged);
        }

        // Clicking another field brings it forward where it was left.
        p.click("Label17(3)");
        QCOMPARE(pad->pos(), dragged);
    }

    void survivesSectionChanges()
    {
        Program p;
        p.click("Command1(4)");
        p.click("Label17(2)");
        Form2* pad = p.form->keypad();
        press(pad, "3");
        const QPoint place = pad->pos();

        p.click("Command1(5)");
        QVERIFY(pad->isVisible());
        press(pad, "5");
        QCOMPARE(p.find<Label>("Label17(2)")->text(), QStringLiteral("35"));

        // Back in section 4 a new exercise starts, and the keys still write into the field last clicked.
        p.click("Command1(4)");
        QVERIFY(pad->isVisible());
        QCOMPARE(pad->pos(), place);
        QCOMPARE(p.find<Label>("Label17(2)")->text(), QStringLiteral("?"));
        press(pad, "E 8");
        QCOMPARE(p.find<Label>("Label17(2)")->text(), QStringLiteral("8"));
    }

    void neverChangesAnAcceptedField()
    {
        testing::MessageRecorder messages;
        Program p;
        p.click("Command1(4)");
        Form2* pad = p.form->keypad();
        const auto type = [&](const char* field, const char* keys) {
            p.click(QString::fromLatin1(field));
            press(pad, QStringLiteral("E ") + QString::fromLatin1(keys));
        };
        type("Label17(0)", "1 2");
        type("Label17(1)", "1 8");
        type("Label17(2)", "6");
        type("Label17(3)", "9");
        p.click("Command21(0)");
        QVERIFY(!p.find<Label>("Label17(3)")->isEnabled());

        // The keypad still points at the accepted denominator: its keys change nothing now.
        press(pad, "4 +1 E");
        QCOMPARE(p.find<Label>("Label17(3)")->text(), QStringLiteral("9"));
        QCOMPARE(pad->Label1->text(), QStringLiteral("9"));

        // A click on an open field makes them work again.
        p.click("Label17(4)");
        press(pad, "2");
        QCOMPARE(p.find<Label>("Label17(4)")->text(), QStringLiteral("2"));
        QVERIFY(messages.texts.isEmpty());
    }

    void neverWritesIntoAFieldOfAStepNotOpen()
    {
        // A new exercise hides the later steps: a key pressed then must not leave a number in a hidden field,
        // where a whole-number step would later find something other than "?".
        Program p;
        p.click("Command1(4)");
        Form2* pad = p.form->keypad();
        p.click("Label17(2)");
        p.form->Label17[5]->show(); // a field of step 2, as if that step had been opened
        p.click("Label17(5)");
        p.click("Command1(4)"); // new exercise: step 2 hidden again
        press(pad, "7");
        QCOMPARE(p.find<Label>("Label17(5)")->text(), QStringLiteral("?"));
        QCOMPARE(pad->Label1->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(KeypadTest)
#include "tst_keypad.moc"
