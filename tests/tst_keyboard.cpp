// The program driven by the keyboard alone: Tab through the controls in screen order, Space and Enter to
// press them, the keypad typed on, the sectors of the first picture chosen with the arrow keys; and what
// screen readers are told: every control named, the pictures and the colour marks described.
#include "keypad/form2.h"
#include "keypad/keypadtarget.h"
#include "logic/fractiondrawing.h"
#include "logic/picturewords.h"
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

// A key pressed and released on whatever has the keyboard focus, as a pupil types it.
void press(Qt::Key key)
{
    QWidget* target = focused() ? focused() : QApplication::activeWindow();
    QVERIFY2(target, "no window takes the keyboard");
    QTest::keyClick(target, key);
}

// Tabs forward until `target` has the focus; false when a whole round does not reach it.
bool tabTo(QWidget* target)
{
    for (int i = 0; i < 400; ++i) {
        if (focused() == target)
            return true;
        QWidget* from = focused() ? focused() : QApplication::activeWindow();
        if (!from)
            return false;
        QTest::keyClick(from, Qt::Key_Tab);
    }
    return false;
}

// Tabs to `control` and presses it with `key`.
void pressOn(QWidget* control, Qt::Key key = Qt::Key_Space)
{
    QVERIFY2(tabTo(control), qPrintable(control->objectName()));
    press(key);
}

void activate(Program& p)
{
    p.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(p.form.get()));
}

// A press of a step button by the keyboard, for stepTo.
void byKeyboard(QWidget* control) { pressOn(control); }

// Opens an answer field of the simplification practice from the keyboard, types `digits` and goes back.
void typeInto(Program& p, int field, const QString& digits)
{
    Label* label = p.form->Label17[field];
    pressOn(label, Qt::Key_Enter);
    QTRY_VERIFY(p.form->keypad()->isVisible());
    QCOMPARE(KeypadTarget, qint16(field));
    QTest::keyClicks(focused() ? focused() : p.form->keypad(), digits);
    QCOMPARE(label->text(), digits);
    press(Qt::Key_Escape);
    QTRY_COMPARE(focused(), static_cast<QWidget*>(label));
}

QString accessibleName(QWidget* control)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QString();
}
}

class KeyboardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void simplifyExerciseByKeyboard()
    {
        Program p;
        MessageRecorder messages;
        activate(p);
        // An exercise that takes one step to a fraction in lowest terms.
        steerTo(p.random, drawSimplifyExercise, [](const SimplifyExercise& e) {
            return e.numerator != e.denominator && e.denominator / std::gcd(e.numerator, e.denominator) != 1;
        });
        pressOn(p.form->Command1[4], Qt::Key_Return);
        QVERIFY(p.form->Frame1[4]->isVisible());

        const int n = p.form->Label17[0]->text().toInt();
        const int d = p.form->Label17[1]->text().toInt();
        const int g = std::gcd(n, d);
        // A wrong denominator first: the check marks it red, and says so in words.
        typeInto(p, 2, QString::number(n / g));
        QCOMPARE(p.form->Label17[2]->accessibleDescription(), QString::fromUtf8("Escribiendo con el teclado numérico"));
        typeInto(p, 3, QString::number(d / g));
        // Typed into the main window while the keypad is shown, a digit reaches the keypad all the same.
        QVERIFY(p.form->keypad()->isVisible());
        press(Qt::Key_1);
        QCOMPARE(p.form->Label17[3]->text(), QString::number(d / g) + u'1');
        pressOn(p.form->Command21[0], Qt::Key_Return);
        QCOMPARE(p.form->Command21[0]->backColor(), DesignColor::Red);
        QCOMPARE(p.form->Command21[0]->accessibleDescription(), QStringLiteral("Incorrecto"));
        QCOMPARE(p.form->Label17[3]->accessibleDescription(), QStringLiteral("Incorrecto"));

        typeInto(p, 3, QString::number(d / g));
        pressOn(p.form->Command21[0], Qt::Key_Return);
        QCOMPARE(p.form->Command21[0]->backColor(), DesignColor::Blue);
        QCOMPARE(p.form->Command21[0]->accessibleDescription(), QStringLiteral("Correcto"));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(p.form->Label17[i]->accessibleDescription(), QStringLiteral("Correcto"));
        QCOMPARE(p.form->ResultCount, 1);
        QVERIFY(messages.texts.isEmpty());
        // Accepted fields are closed: Tab no longer stops on them.
        const std::vector<QWidget*> order = screenTabOrder(p.form.get());
        QCOMPARE(std::count(order.begin(), order.end(), p.form->Label17[2]), 0);
    }

    void sumExerciseByKeyboard()
    {
        Program p;
        activate(p);
        pressOn(p.form->Command1[5], Qt::Key_Return);
        QVERIFY(p.form->Frame1[5]->isVisible());

        const int common = commonDenominator(p);
        const std::array<int, 4> answer = rightSumAnswer(p);
        for (int i = 0; i < 3; ++i) {
            pressOn(p.form->List1[i], Qt::Key_Home);
            for (int row = 0; row < common / p.form->Label13[i]->text().toInt() - 1; ++row)
                press(Qt::Key_Down);
            QCOMPARE(p.form->List1[i]->currentItem()->text(), QString::number(common));
        }
        QCOMPARE(p.form->Label13[6]->text(), QString::number(common));

        for (int i = 0; i < 4; ++i)
            setSumNumerator(p, i, answer[i], byKeyboard);
        pressOn(p.form->Command17, Qt::Key_Return);
        QCOMPARE(p.form->Command17->backColor(), DesignColor::Green);
        for (CommandButton* marked : { p.form->Command14[0], p.form->Command14[3], p.form->Command17 })
            QCOMPARE(marked->accessibleDescription(), QStringLiteral("Correcto"));
        QCOMPARE(p.form->ResultCount, 1);
    }

    void mulDivExerciseByKeyboard()
    {
        Program p;
        activate(p);
        pressOn(p.form->Command1[6], Qt::Key_Return);
        QVERIFY(p.form->Frame1[6]->isVisible());
        // Tab stops on the chosen option of the pair, as in any group of option buttons; the arrow keys choose.
        pressOn(p.form->Option1[0], Qt::Key_Down);
        QVERIFY(p.form->Option1[1]->isChecked());
        press(Qt::Key_Up);
        QVERIFY(p.form->Option1[0]->isChecked());
        pressOn(p.form->Option1[0], Qt::Key_Down);
        QVERIFY(p.form->Option1[1]->isChecked());
        QVERIFY(p.form->Line6[7]->isVisibleTo(p.form.get())); // the division dots

        const auto [x, y] = rightMulDivAnswer(p);
        answerMulDiv(p, x, y, byKeyboard);
        pressOn(p.form->Command19, Qt::Key_Space);
        QCOMPARE(p.form->Command19->backColor(), DesignColor::Green);
        for (CommandButton* marked : { p.form->Command18[0], p.form->Command18[3], p.form->Command19 })
            QCOMPARE(marked->accessibleDescription(), QStringLiteral("Correcto"));
        QCOMPARE(p.form->ResultCount, 1);
        QCOMPARE(p.form->Command1[6]->accessibleDescription(), QString::fromUtf8("Sección actual"));
        QCOMPARE(p.form->Command1[7]->accessibleDescription(), QString());
    }

    void tabOrderFollowsTheScreen()
    {
        Program p;
        p.click("Command1(4)");
        const std::vector<QWidget*> order = screenTabOrder(p.form.get());
        const auto at = [&](const QWidget* w) { return int(std::find(order.begin(), order.end(), w) - order.begin()); };
        // The menu column first, top to bottom, then the section, column by column.
        const int menu[] = { 7, 8, 0, 1, 2, 3, 4, 6, 5 };
        for (int i = 1; i < 9; ++i)
            QVERIFY(at(p.form->Command1[menu[i - 1]]) < at(p.form->Command1[menu[i]]));
        QVERIFY(at(p.form->Command1[5]) < at(p.form->Command20));
        QVERIFY(at(p.form->Command20) < at(p.form->Label17[0]));
        const QWidget* section[]
            = { p.form->Label17[0], p.form->Label17[1], p.form->Label17[2], p.form->Label17[3], p.form->Command21[0] };
        for (int i = 1; i < 5; ++i)
            QCOMPARE(at(section[i]), at(section[i - 1]) + 1);
        QCOMPARE(int(order.size()), at(p.form->Command21[0]) + 1); // hidden steps are not reached

        // The keypad: the digits column by column, then the step keys row by row over the erase key that
        // spans both their columns.
        Form2* pad = p.form->keypad();
        pad->show();
        const std::vector<QWidget*> keys = screenTabOrder(pad);
        const std::vector<QWidget*> expected { pad->Command1[1], pad->Command1[4], pad->Command1[7], pad->Command1[2],
            pad->Command1[5], pad->Command1[8], pad->Command1[0], pad->Command1[3], pad->Command1[6], pad->Command1[9],
            pad->Command2[0], pad->Command2[1], pad->Command2[2], pad->Command2[3], pad->Command2[4], pad->Command2[5],
            pad->Command3 };
        QCOMPARE(keys, expected);
    }

    void sectorPaintedByKeyboard_data()
    {
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("denominator");
        QTest::addRow("1/2") << 1 << 2;
        QTest::addRow("3/8") << 3 << 8;
        QTest::addRow("7/3, three circles") << 7 << 3;
        QTest::addRow("0/12") << 0 << 12;
    }

    void sectorPaintedByKeyboard()
    {
        QFETCH(int, numerator);
        QFETCH(int, denominator);
        Program p;
        activate(p);
        pressOn(p.form->Command1[0], Qt::Key_Return);
        // The editing buttons by the keyboard too: Enter on "+" and "--".
        while (p.form->Label1[1]->text().toInt() < denominator)
            pressOn(p.form->Command3[0], Qt::Key_Return);
        while (p.form->Label1[0]->text().toInt() < numerator)
            pressOn(p.form->Command2[0], Qt::Key_Return);
        while (p.form->Label1[0]->text().toInt() > numerator)
            pressOn(p.form->Command2[1], Qt::Key_Return);

        PictureBox* picture = p.form->Picture1;
        const QImage drawn = picture->image().copy();
        QVERIFY(tabTo(picture));
        const qsizetype spots = qsizetype(picture->keyboardSpots().size());
        QCOMPARE(
            spots, qsizetype(std::max(numerator / denominator + (numerator % denominator ? 1 : 0), 1) * denominator));
        // The focus mark, a black ring round the chosen spot, is painted over the picture, never into the image
        // the presses read.
        const QPoint ring = picture->keyboardSpots()[0] + QPoint(9, 0);
        const QImage shown = picture->grab().toImage();
        QCOMPARE(
            shown.pixelColor((ring + picture->contentsRect().topLeft()) * shown.devicePixelRatio()), QColor(Qt::black));
        QVERIFY(picture->image().pixelColor(ring) != QColor(Qt::black));
        QCOMPARE(picture->image(), drawn);
        for (qsizetype k = 0; k < spots; ++k) {
            QCOMPARE(picture->chosenSpot(), int(k));
            const QPoint spot = picture->keyboardSpots()[std::size_t(k)];
            const QRgb before = picture->image().pixel(spot);
            press(Qt::Key_Space);
            // The sector under the spot changed colour, and the numerator with it.
            const int expected = numerator + (k < numerator ? -1 : 1);
            QCOMPARE(p.form->Label1[0]->text(), QString::number(expected));
            QVERIFY(picture->image().pixel(spot) != before);
            press(Qt::Key_Return); // and back: Enter presses as Space does
            QCOMPARE(p.form->Label1[0]->text(), QString::number(numerator));
            QCOMPARE(picture->image(), drawn);
            press(Qt::Key_Right);
        }
        QCOMPARE(picture->chosenSpot(), 0); // round to the first sector
        press(Qt::Key_Left);
        QCOMPARE(picture->chosenSpot(), int(spots - 1));
    }

    void focusMarkOnlyFromTheKeyboard()
    {
        // A pupil with the mouse sees the buttons as they always were; Tab shows where the focus is.
        Program p;
        activate(p);
        CommandButton* button = p.form->Command1[8];
        click(button);
        QCOMPARE(focused(), static_cast<QWidget*>(button));
        const QImage clicked = button->grab().toImage();
        button->clearFocus();
        const QImage plain = button->grab().toImage();
        QCOMPARE(clicked, plain);
        QVERIFY(tabTo(p.form->Command1[0]));
        press(Qt::Key_Backtab);
        QCOMPARE(focused(), static_cast<QWidget*>(button));
        QVERIFY(button->grab().toImage() != plain);
    }

    void everyControlIsNamed()
    {
        Program p;
        p.form->keypad()->show();
        p.form->results();
        const QList<QWidget*> windows { p.form.get(), p.form->keypad(), p.form->results() };
        int checked = 0;
        for (QWidget* window : windows) {
            for (QWidget* control : window->findChildren<QWidget*>()) {
                const bool interactive = (control->focusPolicy() & Qt::TabFocus) || qobject_cast<Label*>(control)
                    || qobject_cast<PictureBox*>(control);
                if (!interactive)
                    continue;
                ++checked;
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
                QVERIFY2(!accessibleName(control).isEmpty(), qPrintable(control->objectName()));
            }
        }
        QVERIFY(checked > 150);
        // The name says what a field is, its value what it holds.
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(p.form->Label1[0]);
        QVERIFY(field);
        QCOMPARE(field->text(QAccessible::Name), QString::fromUtf8("Numerador de la primera fracción"));
        QCOMPARE(field->text(QAccessible::Value), QStringLiteral("1"));
        QCOMPARE(accessibleName(p.form->Label17[5]), QStringLiteral("Denominador del paso 2"));
        QCOMPARE(accessibleName(p.form->keypad()->Command2[5]), QStringLiteral("Restar 10"));
    }

    void picturesAreDescribed()
    {
        Program p;
        p.click("Command1(0)");
        QCOMPARE(
            p.form->Picture1->accessibleDescription(), QString::fromUtf8("1/2: un círculo de 2 partes, 1 coloreada"));
        p.click("Command2(0)");
        p.click("Command2(0)");
        QCOMPARE(
            p.form->Picture1->accessibleDescription(), QString::fromUtf8("3/2: 2 círculos de 2 partes, 3 coloreadas"));
        // A sector cleared by a click: the numerator follows, the circles stay as they are drawn.
        const QPoint spot = p.form->Picture1->keyboardSpots()[0];
        QTest::mouseClick(
            p.form->Picture1, Qt::LeftButton, Qt::NoModifier, spot + p.form->Picture1->contentsRect().topLeft());
        QCOMPARE(
            p.form->Picture1->accessibleDescription(), QString::fromUtf8("2/2: 2 círculos de 2 partes, 2 coloreadas"));

        p.click("Command1(3)");
        QVERIFY(p.form->Picture2->accessibleDescription().startsWith(QString::fromUtf8("Primera fracción ")));
        QVERIFY(p.form->Picture2->accessibleDescription().contains(p.form->Command12[0]->text() + QStringLiteral(":")));
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
