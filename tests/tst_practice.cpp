// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The practice sections 4 to 6, the keypad and the results window, driven as a pupil drives them: the menu,
// answer fields and keys clicked, lists picked, answers stepped and checked; then the captions, colours, what
// is shown and the lines of the results log read back.
#include "testsupport.h"

#include "keypad/form2.h"
#include "logic/guidedsum.h"
#include "logic/muldivexercise.h"
#include "logic/sumexercise.h"
#include "results/form3.h"

#include <QApplication>
#include <QMouseEvent>
#include <QRegularExpression>

#include <numeric>

using namespace maroleta;
using namespace maroleta::testing;

namespace {

// What the controls of `which` show: a group for each name in it (apart by ' ' or ','), "Label17(0-11)" standing
// for a run of an array. With `colours`, a letter for each control, groups apart by ' ': '.' hidden, else its
// colour (a label's text, a button's background) 'b' blue, 'r' red, 'g' green, 'w' white, '-' another or none,
// a capital while it is enabled. Otherwise their captions, between '|'.
QString shown(const Program& p, const QString& which, bool colours)
{
    static const QRegularExpression run(QStringLiteral(R"(^(\w+)\((\d+)-(\d+)\)$)"));
    const QList<quint32> known { DesignColor::Blue, DesignColor::Red, DesignColor::Green, DesignColor::White };
    QStringList groups;
    for (const QString& item : which.split(QRegularExpression(QStringLiteral("[ ,]")))) {
        const QRegularExpressionMatch m = run.match(item);
        QStringList each;
        for (int i = m.captured(2).toInt(); i <= (m.hasMatch() ? m.captured(3).toInt() : 0); ++i) {
            const QString name = m.hasMatch() ? arrayName(m.captured(1), i) : item;
            QWidget* control = p.find(name);
            const auto* label = qobject_cast<Label*>(control);
            const auto* button = qobject_cast<CommandButton*>(control);
            const quint32 colour = label ? label->foreColor() : button ? button->backColor() : DesignColor::Black;
            const QChar letter = control->isHidden() ? u'.' : QStringLiteral("-brgw")[known.indexOf(colour) + 1];
            each << (colours ? QString(control->isEnabled() ? letter.toUpper() : letter) : p.caption(name));
        }
        groups << each.join(colours ? "" : "|");
    }
    return groups.join(colours ? u' ' : u'|');
}

QString looks(const Program& p, const QString& which) { return shown(p, which, true); }
QString captions(const Program& p, const QString& which) { return shown(p, which, false); }

// Moves the generator on, a draw at a time, until the exercise `draw` makes next is `wanted`.
template <typename Draw, typename Wanted> void steerTo(Random& random, Draw draw, Wanted wanted)
{
    int skipped = 0;
    for (Random probe = random; !wanted(draw(probe)) && skipped < 1000000; probe = random, ++skipped)
        random.next();
    VERIFY_OR_THROW(skipped < 1000000);
}

// Clicks row `row` of a list, scrolled into view first.
void pick(const Program& p, const QString& listName, int row)
{
    auto* list = p.find<QListWidget>(listName);
    QListWidgetItem* item = list->item(row);
    VERIFY_OR_THROW(item != nullptr);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(item).center());
}

// Brings the caption of a field to `value` with its buttons "field plusFive minusOne": the field itself adds 1
// (the first press on an empty one fills it), the second adds 5, the third takes 1.
void stepTo(const Program& p, const QString& buttons, int value)
{
    const QStringList b = buttons.split(u' ');
    for (int clicks = 0; p.caption(b[0]) != QString::number(value) && clicks <= std::abs(value) + 9; ++clicks) {
        const int now = p.caption(b[0]).toInt();
        p.click(p.caption(b[0]).isEmpty() ? b[value < 0 ? 2 : 0] : b[now + 5 <= value ? 1 : now < value ? 0 : 2]);
    }
    COMPARE_OR_THROW(p.caption(b[0]), QString::number(value));
}

// A pupil's session: each token of `script` done in turn; what the reading tokens read, then the messages shown,
// " ; " apart.
//   Command21(0)         a click on that control; "Command1(6)" steers section 6 to 2/3 and 3/4 first
//   12/18  1:6/9  2:5    section 4: typed on the keypad over the fraction proposed, or into a step and checked
//   =6/12                section 6: the answer stepped to 6/12 and checked
//   X  :                 section 6: the operation chosen by a click on its option's round mark
//   #9  #+1  #BORRAR     a click on the keypad key of that caption
//   voice                a click on the reading switch
//   sector               a click on the first sector of section 0's first picture; "Command1(3)" steers to 1/2 + 1/2
// Reading tokens:
//   [names]  {names}     the captions, or the looks, of the controls named (groups apart by ',')
//   ?4                   section 4's fields, strokes and checks as looks gives them, but for the hidden ones at
//                        the end of each group; then how far (twips) the numerator of step 2 stands below the
//                        fraction's: a whole number's drop
//   ?6                   section 6's answer, then its sign (the cross, the dots), marks and check
//   lines                the results lines
//   said                 what was read aloud since the last time, a text for each click, " | " apart; the
//                        explanation line shown as "¶"
QString session(Program& p, const QString& script)
{
    static const QRegularExpression chainItem(QStringLiteral(R"(^(\d:)?(\d+)(/(\d+))?$)"));
    static const QRegularExpression trailingHidden(QStringLiteral(R"(\.+(?= |$))"));
    MessageRecorder messages;
    QStringList read;
    for (const QString& token : script.split(u' ')) {
        const QRegularExpressionMatch chain = chainItem.match(token);
        const QString inside = token.mid(1, token.size() - 2);
        if (token.startsWith(u'['))
            read << captions(p, inside);
        else if (token.startsWith(u'{'))
            read << looks(p, inside);
        else if (token == "?4")
            read << looks(p, "Label17(0-11) Line7(0-15) Command21(0-4)").remove(trailingHidden)
                    + QStringLiteral(" %1").arg(
                        twipsGeometry(p.find("Label17(4)")).top() - twipsGeometry(p.find("Label17(0)")).top());
        else if (token == "?6")
            read << captions(p, "Command18(0) Command18(3)") + u' '
                    + looks(p, "Line6(5-8) Command18(0) Command18(3) Command19");
        else if (token == "lines")
            read << p.resultLines().join(u'|');
        else if (token == "said")
            read << p.said().join(QStringLiteral(" | ")).replace(p.caption("Label21"), "¶");
        else if (token == "voice")
            p.readAloud();
        else if (token == "sector") {
            auto* picture = p.find<PictureBox>("Picture1");
            QTest::mouseClick(
                picture, Qt::LeftButton, {}, picture->widgetPointOf(picture->keyboardSpots().at(0)).toPoint());
        } else if (token.startsWith(u'#')) {
            for (QPushButton* key : p.form->keypad()->findChildren<QPushButton*>())
                if (key->text() == token.mid(1))
                    click(key);
        } else if (token == "X" || token == ":") {
            QWidget* option = p.find(arrayName("Option1", token == ":" ? 1 : 0));
            QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(8, option->height() / 2));
        } else if (token.startsWith(u'=')) {
            stepTo(p, "Command18(0) Command18(1) Command18(2)", token.section(u'/', 0, 0).mid(1).toInt());
            stepTo(p, "Command18(3) Command18(4) Command18(5)", token.section(u'/', 1).toInt());
            p.click("Command19");
        } else if (chain.hasMatch()) {
            // A lone number goes into the numerator; one longer than the keypad's five digits is left in its
            // field as a keypad without that limit left it.
            const int step = chain.captured(1).left(1).toInt();
            for (int t = 0; t < (chain.hasCaptured(4) ? 2 : 1); ++t) {
                const QString term = chain.captured(2 + 2 * t);
                typeOnKeypad(p, 2 * step + t, term.left(5));
                if (term.size() > 5)
                    p.find<Label>(arrayName("Label17", 2 * step + t))->setText(term);
            }
            if (step > 0)
                p.click(arrayName("Command21", step - 1));
        } else {
            if (token == "Command1(6)")
                steerTo(p.random, drawMulDivExercise,
                    [](const MulDivExercise& e) { return e.a == 2 && e.b == 3 && e.c == 3 && e.d == 4; });
            if (token == "Command1(3)")
                steerTo(p.random, newSumTask, [](const SumTask& t) {
                    return t.numeratorA == 1 && t.numeratorB == 1 && t.denominatorA == 2 && t.denominatorB == 2;
                });
            p.click(token);
        }
    }
    return (read << messages.texts).join(QStringLiteral(" ; "));
}

// Section 5: picks rows `rows` of the three lists, then steps the first answer numerators to `answers`.
void enter(const Program& p, const QString& rows, const QString& answers)
{
    const QStringList r = rows.split(u' '), a = answers.split(u' ');
    for (int i = 0; i < 3; ++i)
        pick(p, arrayName("List1", i), r[i].toInt());
    for (int i = 0; i < a.size(); ++i)
        stepTo(p, QStringLiteral("Command14(%1) Command15(%1) Command16(%1)").arg(i), a[i].toInt());
}

} // namespace

class PracticeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sessions_data()
    {
        QTest::addColumn<QString>("script"); // see session
        QTest::addColumn<QString>("read");
        // Section 4. After n/1 only the numerator of the next step and its "=" sign appear, and the number
        // alone is right; it moves down level with the fraction bars.
        QTest::addRow("3/1 = 3") << "Command1(4) 12/4 1:3/1 2:5 2:3 ?4 lines"
                                 << "bbbbb ------ bb 300 ; 12/4 = 3/1 = 3 =  * BIEN, PERO CON ALGÚN FALLO *";
        // Another visit: fresh fields, checks and strokes, the number back in its place, the mistake forgotten.
        QTest::addRow("4 visited again")
            << "Command1(4) 12/4 1:3/1 2:3 Command1(4) ?4 [Label17(2-11)] 12/18 1:2/3 lines"
            << "WWWW ---- W 0 ; ?|?|?|?|?|?|?|?|?|? ; 12/4 = 3/1 = 3 =  * ¡MUY BIEN! *|12/18 = 2/3 =  * ¡MUY BIEN! *";
        // The same text after a fraction not over 1 is no whole number of it.
        QTest::addRow("12/18 = 12") << "Command1(4) 12/18 1:12 ?4 1:2/3 ?4 lines"
                                    << "bbRW ---- R 0 ; bbbb ---- b 0 ; 12/18 = 2/3 =  * BIEN, PERO CON ALGÚN FALLO *";
        QTest::addRow("wrong step corrected")
            << "Command1(4) 12/18 1:6/9 2:3/5 ?4 2:2/3 ?4 lines"
            << "bbbbRR ------- bR 0 ; bbbbbb ------- bb 0 ; 12/18 = 6/9 = 2/3 =  * BIEN, PERO CON ALGÚN FALLO *";
        // A denominator beyond 32 bits is held at the largest one, never wrapped round to 3.
        QTest::addRow("2/(2^32 + 3)") << "Command1(4) 12/18 1:2/4294967299 ?4 lines"
                                      << "bbRR ---- R 0 ; ";
        // The message alone is no mistake; the answer is judged all the same.
        QTest::addRow("7/9 = 14/18")
            << "Command1(4) 7/9 1:14/18 2:7/9 ?4 lines"
            << "RRbbbb ------- bb 0 ; 7/9 = 14/18 = 7/9 =  * ¡MUY BIEN! * ; Esta fracción no se puede simplificar";
        QTest::addRow("6/6: nothing judged")
            << "Command1(4) 6/6 1:3/3 ?4 lines"
            << "BBBB ---- W 0 ;  ; Numerador y denominador han de tener distinto número";
        QTest::addRow("unreduced fifth step") << "Command1(4) 128/192 1:64/96 2:32/48 3:16/24 4:8/12 5:4/6 ?4 lines"
                                              << "bbbbbbbbbbbb ---------------- bbbbb 0 ; ";
        // The keypad on answer field 2: what its display and the field show after the keys. A negative number
        // stops at five digits too; it used to go on until the field read "-5.2e+15".
        for (const auto& [keys, shown] :
            { std::pair { "9 9 9 9 9 3 1", "99999" }, { "-1 -1 -1 5", "-25" }, { "-1 2 2 2 2 2 2 2 2 +1", "-77777" },
                { "9 9 9 9 9 +10", "100009" }, { "0 0 4", "4" }, { "+5 +5 -10 -5 +1", "-4" }, { "4 2 BORRAR 7", "7" } })
            QTest::addRow("keys %s", keys) << "Command1(4) Label17(2) [Label17(2)] #" + QString(keys).replace(" ", " #")
                    + " [Form2.Label1,Label17(2)]"
                                           << QStringLiteral("? ; %1|%1").arg(shown);
        // The keypad never writes into an accepted field, nor into one that a new exercise hid again (where a
        // later whole-number step would find something other than "?").
        QTest::addRow("keys on an accepted field")
            << "Command1(4) 12/18 1:6/9 #4 #+1 #BORRAR {Label17(3)} [Label17(3),Form2.Label1]"
            << "b ; 9|9";
        QTest::addRow("keys on a field hidden again")
            << "Command1(4) 12/18 1:6/9 Label17(5) Command1(4) #7 {Label17(5)} [Label17(5),Form2.Label1]"
            << ". ; ?|0";
        // Section 6 on 2/3 and 3/4: the unreduced product is right. +1, +5 and -1 on the numerator, then on the
        // denominator, each step their term and clear the marks.
        QTest::addRow("step keys")
            << "Command1(6) =6/12 ?6 Command18(0) ?6 Command18(1) ?6 Command18(2) ?6 Command18(3) ?6 Command18(4) ?6 "
               "Command18(5) ?6 lines"
            << "6|12 --.. G G G ; 7|12 --.. - - - ; 12|12 --.. - - - ; 11|12 --.. - - - ; 11|13 --.. - - - ; 11|18 "
               "--.. - - - ; 11|17 --.. - - - ; 2/3 X 3/4 = 6/12 ** ¡MUY BIEN! **";
        // Each term is judged on its own. The choice of operation moves the sign only: the answer and its marks
        // stay until the next check, which judges the cross product.
        QTest::addRow("operation") << "Command1(6) =8/12 ?6 : ?6 Command19 ?6 =8/9 ?6 X Command19 ?6 lines"
                                   << "8|12 --.. R G R ; 8|12 ..-- R G R ; 8|12 ..-- G R R ; 8|9 ..-- G G G ; 8|9 --.. "
                                      "R R R ; 2/3 : 3/4 = 8/9 ** BIEN, PERO CON ALGÚN FALLO **";
        // The choice stays between visits; a new exercise comes unmarked and empty ("-1" gives -1), the mistake
        // forgotten.
        QTest::addRow("6 visited again") << "Command1(6) : =1/2 Command1(5) Command1(6) ?6 Command18(2) Command18(5) "
                                            "[Command18(0),Command18(3)] =8/9 lines"
                                         << "| ..-- - - - ; -1|-1 ; 2/3 : 3/4 = 8/9 ** ¡MUY BIEN! **";
    }

    void sessions()
    {
        QFETCH(QString, script);
        Program p;
        QTEST(session(p, script), "read");
    }

    void sumPractice_data()
    {
        // Each exercise: the rows of the common denominator in the three lists, the right answer numerators,
        // the common denominator and the working lines shown then, and the results line.
        QTest::addColumn<bool>("add");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("next");
        QTest::addRow("sum") << true
                             << QStringList { "2 11 7", "18 12 72 102", "24|24|24|24|8 X 3 = 24|2 X 12 = 24|3 X 8 = 24",
                                    "6/8 + 1/2 + 9/3 = 102/24" }
                             << QStringList { "2 2 6", "6 18 21 3", "", "2/7 + 6/7 - 3/3 = 3/21" };
        QTest::addRow("subtraction") << false
                                     << QStringList { "14 2 9", "105 3 20 88",
                                            "30|30|30|30|2 X 15 = 30|10 X 3 = 30|3 X 10 = 30",
                                            "7/2 + 1/10 - 2/3 = 88/30" }
                                     << QStringList { "43 76 27", "264 462 56 670", "", "6/7 + 6/4 - 2/11 = 670/308" };
    }

    void sumPractice()
    {
        QFETCH(bool, add);
        QFETCH(QStringList, first);
        QFETCH(QStringList, next);
        Program p(1);
        steerTo(p.random, drawSumExercise, [=](const SumExercise& e) { return e.addThird == add; });
        p.readAloud();
        p.click("Command1(5)");
        QCOMPARE(looks(p, "Line5(9-10) Line5(15)"), add ? "-- -" : ".- ."); // a minus hides the upright strokes
        // The common denominator under the four answer numerators, the working line under each list, and no
        // check before the answer is complete.
        const QStringList answer = first[1].split(u' ');
        enter(p, first[0], answer.mid(0, 3).join(u' '));
        QCOMPARE(captions(p, "Label13(3-6) Label14(0-2)") + looks(p, "Command17"), first[2] + u'.');
        stepTo(p, "Command14(3) Command15(3) Command16(3)", answer[3].toInt() + 1);
        p.click("Command17");
        QCOMPARE(looks(p, "Command14(0-3) Command17"), "GGGR R");
        QCOMPARE(p.said().last(), "Incorrecto"); // and read aloud
        // Another row in one list: no common denominator and no check over lists that disagree, not even after a
        // step, which clears the mark of its own numerator only.
        const int row = first[0].section(u' ', 2).toInt();
        pick(p, "List1(2)", row + 1);
        p.click("Command16(3)");
        QCOMPARE(captions(p, "Label13(3-6)") + looks(p, "Command14(0-3) Command17"), "|||GGG- .");
        pick(p, "List1(2)", row);
        QCOMPARE(looks(p, "Command17"), "R");
        p.click({ "Command17", "Command17" }); // every check of the right answer logs it
        QCOMPARE(looks(p, "Command14(0-3) Command17"), "GGGG G");
        QCOMPARE(p.resultLines(), QStringList(2, first[3] + " *** BIEN, PERO CON ALGÚN FALLO ***"));
        // A new exercise forgets the marks, the lists' choice and the answer: "+1", "+5" and "-1" on empty
        // captions give 1, 5 and -1, and no check comes before a common denominator is picked.
        p.click({ "Command1(5)", "Command14(0)", "Command15(1)", "Command16(2)", "Command16(3)" });
        QCOMPARE(captions(p, "Command14(0-3) Label13(3-6)") + looks(p, "Command14(3) Command17"), "1|5|-1|-1||||- .");
        // And the mistake: right at once is right first time.
        enter(p, next[0], next[1]);
        p.click("Command17");
        QCOMPARE(p.said().last(), "Correcto");
        QCOMPARE(p.resultLines().last(), next[3] + " *** ¡MUY BIEN! ***");
    }

    // Reading aloud, in every section: the explanation and the exercise on entry, each fraction as it
    // changes, the verdict of a check and the message boxes. Turned off again, it says nothing.
    void readAloud_data()
    {
        QTest::addColumn<QString>("script"); // see session
        QTest::addColumn<QString>("read");
        QTest::addRow("0")
            << "Command1(0) said Command2(0) said Command5(0) said sector said"
            << "Cambia las dos fracciones con los botones más y menos o pinta las partes del primer dibujo "
               "haciendo clic en ellas. ; dos medios ; un tercio ; un medio";
        QTest::addRow("1") << "Command1(1) said Command6(2) said Command7(0) said"
                           << "¶ ; tres sextos ; seis sextos";
        QTest::addRow("2") << "Command1(2) said Command9(0) said Command9(1) said"
                           << "¶ ; ocho dieciseisavos ; Esta fracción no se puede dividir por este número";
        // The result is judged once both its terms are set; right, its message box follows.
        QTest::addRow("3")
            << "Command1(3) said Command12(2) Command12(2) Command12(3) said Command12(3) said"
            << "¶ un medio más un medio ; dos. Incorrecto ; dos medios. Correcto. ¡MUY BIEN! ; ¡MUY BIEN!";
        QTest::addRow("4") << "Command1(4) said 7/9 1:14/18 said 2:5/9 said 2:7/9 said"
                           << "¶ dieciséis setecientoscincuentaiseisavos ; Esta fracción no se puede simplificar. "
                              "Correcto ; Incorrecto ; "
                              "Correcto ; Esta fracción no se puede simplificar";
        QTest::addRow("5") << "Command1(5) said"
                           << "¶ cuatro novenos más cinco onceavos más nueve décimos";
        QTest::addRow("6") << "Command1(6) said =6/12 said : said"
                           << "¶ dos tercios por tres cuartos ; Correcto ; dos tercios entre tres cuartos";
    }

    void readAloud()
    {
        QFETCH(QString, script);
        Program on, off;
        QTEST(session(on, "voice " + script), "read");
        session(off, "voice voice " + script.remove(" said"));
        QCOMPARE(off.said(), QStringList());
    }

    void keypadPlaceAndDrag()
    {
        Program p;
        p.click({ "Command1(4)", "Label17(2)" });
        Form2* pad = p.form->keypad();
        QVERIFY(QTest::qWaitForWindowExposed(pad));
        // Dragged by its background: the point grabbed while no button is held keeps under the pointer.
        const QPoint start = pad->pos();
        QWidget* background = p.find("Form2.Label1")->parentWidget();
        for (const auto& [at, held] : { std::pair { QPoint(20, 20), Qt::NoButton }, { QPoint(70, 45), Qt::LeftButton },
                 { QPoint(30, 30), Qt::LeftButton } }) {
            QMouseEvent move(QEvent::MouseMove, at, background->mapToGlobal(at), Qt::NoButton, held, Qt::NoModifier);
            QApplication::sendEvent(background, &move);
        }
        // Held down on the display (as on a key), the pointer moves nothing; a field brings the keypad forward
        // where it was left.
        QTest::mousePress(p.find("Form2.Label1"), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QTest::mouseMove(p.find("Form2.Label1"), QPoint(40, 30));
        QTest::mouseRelease(p.find("Form2.Label1"), Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));
        p.click("Label17(3)");
        QCOMPARE(pad->pos(), start + QPoint(60, 35));
    }

    void resultsLogAndWindow()
    {
        Program p(31);
        const QString simplified = QString::fromUtf8("12/18 = 2/3 =  * ¡MUY BIEN! *");
        const QString multiplied = QString::fromUtf8("2/3 X 3/4 = 6/12 ** ¡MUY BIEN! **");
        session(p, "Command1(4) 12/18 1:2/3 Command1(6) =6/12");
        Form3* window = p.form->results();
        QVERIFY(!window->isVisible()); // written unseen
        p.click("Command20");
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(p.resultLines(), (QStringList { simplified, multiplied }));
        // A second press brings the window forward, back from minimised too.
        window->showMinimized();
        p.click("Command20");
        QVERIFY(window->isVisible() && !window->isMinimized());
        // Closing only hides it; lines are written on, and "HISTORIAL" shows them all in the same window.
        QVERIFY(window->close());
        QVERIFY(!window->isVisible() && p.form->isVisible());
        session(p, "Command1(6) =6/12 Command1(4) 12/18 1:2/3");
        p.click("Command20");
        QVERIFY(window->isVisible());
        QCOMPARE(p.resultLines(), (QStringList { simplified, multiplied, multiplied, simplified }));
        // Closing the main window closes the keypad and the results window with it.
        QVERIFY(p.form->keypad()->isVisible() && p.form->close());
        QVERIFY(!p.form->keypad()->isVisible() && !window->isVisible());
    }
};

QTEST_MAIN(PracticeTest)
#include "tst_practice.moc"
