// The program driven by the keyboard alone: Tab through the controls in screen order, Space and Enter to
// press them, the keypad typed on, the sectors of the first picture chosen with the arrow keys; and what
// screen readers are told: every control named, the pictures and the colour marks described.
#include "keypad/form2.h"
#include "logic/simplifyexercise.h"
#include "practicedriver.h"
#include "results/form3.h"
#include "widgets/keyboard.h"

#include <QAccessible>
#include <QApplication>

#include <numeric>

using namespace maroleta;
using namespace maroleta::testing;

namespace {
QWidget* focused() { return QApplication::focusWidget(); }

// A key pressed and released on whatever has the keyboard focus (the active window when nothing has it).
void press(Qt::Key key) { QTest::keyClick(focused(), key); }

// Tabs forward until `target` has the focus; false when a whole round does not reach it.
bool tabTo(QWidget* target)
{
    for (int i = 0; i < 400 && focused() != target; ++i)
        press(Qt::Key_Tab);
    return focused() == target;
}

// Tabs to `control` and presses `key` on it.
void pressOn(QWidget* control, Qt::Key key = Qt::Key_Space)
{
    QVERIFY2(tabTo(control), qPrintable(control->objectName()));
    press(key);
}

// The main window, active and taking the keys.
struct Pupil : Program {
    Pupil()
    {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
};

// Opens an answer field of section 4 with `key`, types `digits` on the keyboard and goes back with Escape.
void typeInto(Pupil& p, int field, const QString& digits, Qt::Key key)
{
    Label* label = p.form->Label17[field];
    pressOn(label, key);
    QTRY_VERIFY(p.form->keypad()->isVisible());
    QTest::keyClicks(focused(), digits);
    QCOMPARE(label->text(), digits);
    press(Qt::Key_Escape);
    QTRY_COMPARE(focused(), static_cast<QWidget*>(label));
}

QString accessibleText(QWidget* control, QAccessible::Text kind = QAccessible::Name)
{
    const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(kind) : QString();
}
}

class KeyboardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // One pupil at the keyboard: a menu button and the options of section 6, the simplification of
    // section 4 and its tab order, the sectors of the first picture in section 0.
    void pupilAtTheKeyboard()
    {
        Pupil p;
        const Form1& f = *p.form;
        MessageRecorder messages;
        pressOn(f.Command1[6], Qt::Key_Space);
        QCOMPARE(f.Command1[6]->accessibleDescription(),
            QString::fromUtf8("Menú: Multiplicación y división, practica. Sección actual"));
        // Tab stops on the chosen option of the pair, as in any group of option buttons; Space or Enter
        // chooses the option that has the focus.
        QVERIFY(tabTo(f.Option1[0]));
        for (const auto& [option, key] : { std::pair { 1, Qt::Key_Space }, { 0, Qt::Key_Enter } }) {
            f.Option1[option]->setFocus(Qt::TabFocusReason);
            press(key);
            QVERIFY(f.Option1[option]->isChecked() && !f.Option1[1 - option]->isChecked());
        }

        // An exercise that takes one step to a fraction in lowest terms.
        steerTo(p.random, drawSimplifyExercise,
            [](const SimplifyExercise& e) { return e.denominator / std::gcd(e.numerator, e.denominator) != 1; });
        pressOn(f.Command1[4], Qt::Key_Return);
        const int a = f.Label17[0]->text().toInt(), b = f.Label17[1]->text().toInt(), g = std::gcd(a, b);
        const QString denominator = QString::number(b / g);

        // The menu column first, top to bottom, then the section, column by column; hidden steps are not reached.
        const std::vector<QWidget*> order = screenTabOrder(p.form.get());
        const auto at = [&](const QWidget* w) { return int(std::find(order.begin(), order.end(), w) - order.begin()); };
        const QWidget* sequence[] = { f.Command1[7], f.Command1[8], f.Command1[0], f.Command1[1], f.Command1[2],
            f.Command1[3], f.Command1[4], f.Command1[6], f.Command1[5], f.Command20, f.Label17[0], f.Label17[1],
            f.Label17[2], f.Label17[3], f.Command21[0] };
        for (std::size_t i = 1; i < std::size(sequence); ++i)
            QVERIFY2(at(sequence[i - 1]) < at(sequence[i]), qPrintable(sequence[i]->objectName()));
        QCOMPARE(int(order.size()), at(f.Command21[0]) + 1);

        typeInto(p, 2, QString::number(a / g), Qt::Key_Space);
        // A wrong denominator first: typed into the main window while the keypad is shown, a digit reaches
        // the keypad all the same. The check marks it red, and says so in words.
        typeInto(p, 3, denominator, Qt::Key_Enter);
        press(Qt::Key_1);
        QCOMPARE(f.Label17[3]->text(), denominator + u'1');
        pressOn(f.Command21[0], Qt::Key_Return);
        QCOMPARE(f.Label17[3]->accessibleDescription(), QStringLiteral("Denominador del paso 1. Incorrecto"));
        typeInto(p, 3, denominator, Qt::Key_Return);
        pressOn(f.Command21[0], Qt::Key_Return);
        QCOMPARE(f.Label17[2]->accessibleDescription(), QStringLiteral("Numerador del paso 1. Correcto"));
        QVERIFY(f.ResultCount == 1 && messages.texts.isEmpty());

        p.click("Command1(0)");
        f.Label1[0]->setText("7");
        f.Label1[1]->setText("3"); // three circles, the last partly painted
        p.form->DrawFirstFraction();
        PictureBox* picture = f.Picture1;
        const QImage drawn = picture->image().copy();
        QVERIFY(tabTo(picture));
        QCOMPARE(picture->keyboardSpots().size(), std::size_t(9));
        // The focus mark, a black ring round the chosen spot, is painted over the picture, never into the image
        // the presses read.
        const QPoint ring = picture->contentsRect().topLeft() + picture->keyboardSpots()[0] + QPoint(9, 0);
        QCOMPARE(picture->grab().toImage().pixelColor(ring), QColor(Qt::black));
        QCOMPARE(picture->image(), drawn);
        for (int k = 0; k < 9; ++k) {
            press(Qt::Key_Space);
            // Exactly what a click on the spot does: the sector under it changes colour, the numerator with it,
            // and the description with them.
            const QImage pressed = picture->image().copy();
            QCOMPARE(f.Label1[0]->text(), QString::number(k < 7 ? 6 : 8));
            if (k == 0)
                QCOMPARE(
                    picture->accessibleDescription(), QString::fromUtf8("6/3: 3 círculos de 3 partes, 6 coloreadas"));
            press(Qt::Key_Return); // and back: Enter presses as Space does
            QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier,
                picture->contentsRect().topLeft() + picture->keyboardSpots()[std::size_t(k)]);
            QCOMPARE(picture->image(), pressed);
            press(Qt::Key_Space);
            press(Qt::Key_Right);
        }
        QCOMPARE(picture->image(), drawn);
        QCOMPARE(picture->chosenSpot(), 0); // round to the first sector
    }

    // Every control of the three windows as Qt gives it to a screen reader (the real path, through the
    // accessibility bus, is read by screenreader.py).
    void screenReadersAreTold()
    {
        Program p;
        p.click("Command1(4)");
        typeOnKeypad(p, 2, QStringLiteral("7"));
        p.click("Command20");
        int checked = 0;
        for (QWidget* window : std::initializer_list<QWidget*> { p.form.get(), p.form->keypad(), p.form->results() })
            for (QWidget* control : window->findChildren<QWidget*>()) {
                const QString name = accessibleText(control);
                const QString caption = qobject_cast<QLabel*>(control) ? static_cast<QLabel*>(control)->text()
                    : qobject_cast<QAbstractButton*>(control)      ? static_cast<QAbstractButton*>(control)->text()
                                                                    : QString();
                if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control)) {
                    // Named by the caption, and what the control is in the description.
                    QVERIFY2(name == caption && !control->accessibleDescription().isEmpty() && ++checked,
                        qPrintable(control->objectName()));
                } else if (qobject_cast<PictureBox*>(control) || qobject_cast<QListWidget*>(control)) {
                    QVERIFY2(!name.isEmpty(), qPrintable(control->objectName()));
                }
            }
        QVERIFY(checked > 150);
        // An answer field opens the keypad when a screen reader presses it, as a click does.
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(p.form->Label17[3]);
        QCOMPARE(field->role(), QAccessible::Button);
        QVERIFY(field->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        field->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(p.form->Label17[3]->foreColor(), quint32(DesignColor::Blue));

        // A caption that changes changes the name with it.
        p.click("Command1(0)");
        p.click("Command2(0)");
        QCOMPARE(accessibleText(p.form->Label1[0]), QStringLiteral("2"));
        QCOMPARE(p.form->Label1[0]->accessibleDescription(), QString::fromUtf8("Numerador de la primera fracción"));
        // The pictures keep their names and describe what they show.
        QCOMPARE(accessibleText(p.form->Picture1), QString::fromUtf8("Dibujo de la primera fracción"));
        QVERIFY(p.form->Picture1->accessibleDescription().startsWith(QStringLiteral("2/2: ")));
        p.click("Command1(3)");
        QVERIFY(p.form->Picture2->accessibleDescription().startsWith(QString::fromUtf8("Primera fracción ")));
        QVERIFY(p.form->Picture2->accessibleDescription().contains(p.form->Command12[0]->text() + u':'));
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
