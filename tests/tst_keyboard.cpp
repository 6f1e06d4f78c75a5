// The program driven by the keyboard alone: Tab through the controls in screen order, Space and Enter to
// press them, the keypad typed on, the sectors of the first picture chosen with the arrow keys; and what
// screen readers are told: every control named, the pictures and the colour marks described.
#include "keypad/form2.h"
#include "logic/simplifyexercise.h"
#include "practicedriver.h"
#include "results/form3.h"
#include "shell/keyboard.h"

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
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(kind) : QString();
}
}

class KeyboardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void simplifyExerciseByKeyboard()
    {
        Pupil p;
        MessageRecorder messages;
        // An exercise that takes one step to a fraction in lowest terms.
        steerTo(p.random, drawSimplifyExercise,
            [](const SimplifyExercise& e) { return e.denominator / std::gcd(e.numerator, e.denominator) != 1; });
        pressOn(p.form->Command1[4], Qt::Key_Return);
        const int g = std::gcd(p.form->Label17[0]->text().toInt(), p.form->Label17[1]->text().toInt());
        const QString numerator = QString::number(p.form->Label17[0]->text().toInt() / g);
        const QString denominator = QString::number(p.form->Label17[1]->text().toInt() / g);

        typeInto(p, 2, numerator, Qt::Key_Space);
        // A wrong denominator first: typed into the main window while the keypad is shown, a digit reaches
        // the keypad all the same. The check marks it red, and says so in words.
        typeInto(p, 3, denominator, Qt::Key_Enter);
        press(Qt::Key_1);
        QCOMPARE(p.form->Label17[3]->text(), denominator + u'1');
        pressOn(p.form->Command21[0], Qt::Key_Return);
        QCOMPARE(p.form->Label17[3]->accessibleDescription(), QStringLiteral("Incorrecto"));

        typeInto(p, 3, denominator, Qt::Key_Return);
        pressOn(p.form->Command21[0], Qt::Key_Return);
        QCOMPARE(p.form->Label17[2]->accessibleDescription(), QStringLiteral("Correcto"));
        QCOMPARE(p.form->ResultCount, 1);
        QVERIFY(messages.texts.isEmpty());
    }

    void buttonsAndOptionsPressed()
    {
        Pupil p;
        pressOn(p.form->Command1[6], Qt::Key_Space);
        QCOMPARE(p.form->Command1[6]->accessibleDescription(), QString::fromUtf8("Sección actual"));
        // Tab stops on the chosen option of the pair, as in any group of option buttons; the arrow keys choose,
        // and Enter or Space chooses the option that has the focus.
        pressOn(p.form->Option1[0], Qt::Key_Down);
        QVERIFY(p.form->Option1[1]->isChecked());
        p.form->Option1[0]->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Enter);
        QVERIFY(p.form->Option1[0]->isChecked());
        p.form->Option1[1]->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Space);
        QVERIFY(p.form->Option1[1]->isChecked());
    }

    void tabOrderFollowsTheScreen()
    {
        Program p;
        p.click("Command1(4)");
        const std::vector<QWidget*> order = screenTabOrder(p.form.get());
        const auto at = [&](const QWidget* w) { return int(std::find(order.begin(), order.end(), w) - order.begin()); };
        // The menu column first, top to bottom, then the section, column by column; hidden steps are not reached.
        const Form1& f = *p.form;
        const QWidget* sequence[] = { f.Command1[7], f.Command1[8], f.Command1[0], f.Command1[1], f.Command1[2],
            f.Command1[3], f.Command1[4], f.Command1[6], f.Command1[5], f.Command20, f.Label17[0], f.Label17[1],
            f.Label17[2], f.Label17[3], f.Command21[0] };
        for (std::size_t i = 1; i < std::size(sequence); ++i)
            QVERIFY2(at(sequence[i - 1]) < at(sequence[i]), qPrintable(sequence[i]->objectName()));
        QCOMPARE(int(order.size()), at(f.Command21[0]) + 1);
    }

    void sectorPaintedByKeyboard_data()
    {
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("denominator");
        QTest::addRow("7/3, three circles") << 7 << 3;
        QTest::addRow("0/12") << 0 << 12;
    }

    void sectorPaintedByKeyboard()
    {
        QFETCH(int, numerator);
        QFETCH(int, denominator);
        Pupil p;
        p.click("Command1(0)");
        p.form->Label1[0]->setText(QString::number(numerator));
        p.form->Label1[1]->setText(QString::number(denominator));
        p.form->DrawFirstFraction();
        PictureBox* picture = p.form->Picture1;
        const QImage drawn = picture->image().copy();
        QVERIFY(tabTo(picture));
        const qsizetype spots = qsizetype(picture->keyboardSpots().size());
        QCOMPARE(spots, qsizetype(std::max((numerator + denominator - 1) / denominator, 1) * denominator));
        // The focus mark, a black ring round the chosen spot, is painted over the picture, never into the image
        // the presses read.
        const QPoint ring = picture->contentsRect().topLeft() + picture->keyboardSpots()[0] + QPoint(9, 0);
        QCOMPARE(picture->grab().toImage().pixelColor(ring), QColor(Qt::black));
        QCOMPARE(picture->image(), drawn);
        for (qsizetype k = 0; k < spots; ++k) {
            const QPoint spot = picture->keyboardSpots()[std::size_t(k)];
            press(Qt::Key_Space);
            // Exactly what a click on the spot does: the sector under it changes colour, the numerator with it.
            const QImage pressed = picture->image().copy();
            QCOMPARE(p.form->Label1[0]->text(), QString::number(numerator + (k < numerator ? -1 : 1)));
            press(Qt::Key_Return); // and back: Enter presses as Space does
            QCOMPARE(picture->image(), drawn);
            QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, picture->contentsRect().topLeft() + spot);
            QCOMPARE(picture->image(), pressed);
            press(Qt::Key_Space);
            press(Qt::Key_Right);
        }
        QCOMPARE(picture->image(), drawn);
        QCOMPARE(picture->chosenSpot(), 0); // round to the first sector
    }

    void screenReadersAreTold()
    {
        Program p;
        int checked = 0;
        for (QWidget* window : std::initializer_list<QWidget*> { p.form.get(), p.form->keypad(), p.form->results() }) {
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if ((control->focusPolicy() & Qt::TabFocus) || qobject_cast<Label*>(control)
                    || qobject_cast<PictureBox*>(control)) {
                    ++checked;
                    QVERIFY2(!accessibleText(control).isEmpty(), qPrintable(control->objectName()));
                }
            }
        }
        QVERIFY(checked > 150);
        // The name says what a field is, its value what it holds.
        QCOMPARE(accessibleText(p.form->Label1[0]), QString::fromUtf8("Numerador de la primera fracción"));
        QCOMPARE(accessibleText(p.form->Label1[0], QAccessible::Value), QStringLiteral("1"));

        // The pictures are described, and follow the clicks on them.
        p.click("Command1(0)");
        p.click("Command2(0)");
        p.click("Command2(0)"); // 3/2
        const QPoint spot = p.form->Picture1->keyboardSpots()[0];
        QTest::mouseClick(
            p.form->Picture1, Qt::LeftButton, Qt::NoModifier, p.form->Picture1->contentsRect().topLeft() + spot);
        QCOMPARE(
            p.form->Picture1->accessibleDescription(), QString::fromUtf8("2/2: 2 círculos de 2 partes, 2 coloreadas"));
        p.click("Command1(3)");
        QVERIFY(p.form->Picture2->accessibleDescription().startsWith(QString::fromUtf8("Primera fracción ")));
        QVERIFY(p.form->Picture2->accessibleDescription().contains(p.form->Command12[0]->text() + u':'));
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
