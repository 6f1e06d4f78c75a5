// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The main window as a pupil meets it: start-up and the menu, the language texts of shipped, short and
// broken files, the keyboard alone, and what a screen reader is given. What Orca says is checked by orca.sh.
#include "testsupport.h"

#include "keypad/form2.h"
#include "logic/fractiondrawing.h"
#include "logic/languagefiles.h"
#include "results/form3.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>

#include <optional>

using namespace maroleta;
using namespace maroleta::testing;
using Texts = QMap<QString, QString>;

namespace {

// The controls each language file feeds, line by line: "a|b" for a line both show, "" for a line no
// control shows (the closing texts of comprobar.txt go into results lines). "Label21 in 3" is the
// explanation line while section 3 is shown ("Label21" the one at start), "Form3" the results window's title.
const QMap<QString, QStringList> feeds {
    { "menu.txt", names("Command1(%1)", 0, 8) << "Command20" << names("Label20(%1)", 0, 2) },
    { "explicacionmenu.txt", (names("Label21 in %1", 0, 8) << "Label3(2)").replaceInStrings("in 7", "in 7|Label21") },
    { "presentacion.txt", { "Label18(1)" } },
    { "comprobar.txt", { "Command17|Command19|" + names("Command21(%1)", 0, 4).join(u'|'), "", "" } },
    { "numedeno.txt", { "Label19(2)", "Label19(3)" } },
    { "muldiv.txt", { "Option1(0)", "Option1(1)" } },
    { "borrar.txt", { "Form2.Command3" } },
    { "tusresultados.txt", { "Form3" } },
};

// Every text the window shows: the captions of all its controls, the keypad's erase key, the results
// window's title and the explanation line of each section, which shows alone when entered.
Texts shownTexts(const Program& p)
{
    Texts texts { { "Form2.Command3", p.caption("Form2.Command3") }, { "Form3", p.form->results()->windowTitle() } };
    for (const QWidget* control : p.form->findChildren<QWidget*>())
        if (const QVariant text = control->property("text"); text.isValid())
            texts.insert(control->objectName(), text.toString());
    for (int section = 0; section < 9; ++section) {
        p.click(arrayName("Command1", section));
        COMPARE_OR_THROW(p.shownSection(), section);
        texts.insert(QStringLiteral("Label21 in %1").arg(section), p.caption("Label21"));
    }
    return texts;
}

// "name = text (length)", a line each, long texts cut short: for comparing whole.
QStringList asLines(const Texts& texts)
{
    QStringList lines;
    for (auto [name, text] : texts.asKeyValueRange())
        lines << QStringLiteral("%1 = %2 (%3)").arg(name, text.left(80)).arg(text.size());
    return lines;
}

// The controls shown in `window` that a screen reader reads (texts, buttons, options) but that are told by
// neither a caption nor a description, as Qt's accessibility bridge gives them, or that are named by a row
// of dashes; `shown` counts the read ones.
QStringList untold(const QWidget* window, int& shown)
{
    QStringList names;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
        if (!control->isVisible() || !a
            || !QList { QAccessible::StaticText, QAccessible::Button, QAccessible::RadioButton }.contains(a->role()))
            continue;
        ++shown;
        const QString name = a->text(QAccessible::Name);
        if ((name.isEmpty() && a->text(QAccessible::Description).isEmpty()) || name.startsWith(QStringLiteral("--")))
            names << control->objectName();
    }
    return names;
}

QWidget* focused() { return QApplication::focusWidget(); }
void press(Qt::Key key) { QTest::keyClick(focused(), key); }

// Tabs until control `name` has the focus, and presses `key` there.
void pressOn(const Program& p, const QString& name, Qt::Key key = Qt::Key_unknown)
{
    for (int i = 0; i < 40 && focused() != p.find(name); ++i)
        press(Qt::Key_Tab);
    COMPARE_OR_THROW(focused(), p.find(name));
    if (key != Qt::Key_unknown)
        press(key);
}

// Opens answer field `field` of section 4 with `key`, types `digits` on the keyboard, and goes back to the
// field with Escape.
void typeInto(const Program& p, const QString& field, Qt::Key key, const QString& digits)
{
    pressOn(p, field, key);
    VERIFY_OR_THROW(QTest::qWaitFor([&p] { return p.form->keypad()->isActiveWindow(); }));
    QTest::keyClicks(focused(), digits);
    COMPARE_OR_THROW(p.caption(field), digits);
    press(Qt::Key_Escape);
    VERIFY_OR_THROW(QTest::qWaitFor([&] { return focused() == p.find(field); }));
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT
    Texts builtIn; // with no language file at all

private Q_SLOTS:
    void initTestCase()
    {
        LanguageSet none;
        builtIn = shownTexts(Program());
        QCOMPARE(builtIn["Command1(0)"], "Representación gráfica");
        QVERIFY(!builtIn.contains("readAloud")); // no voz.txt, no reading switch
    }

    // The start screen, and each section entered from the one before it in the menu's numbering and clicked
    // again: its frame alone shown, its menu button alone green and told as the current one, and the shared
    // pictures and editors it shows drawn over it. (languageFiles reads the explanation line of each.)
    void navigation_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("shared"); // Picture1, Picture2, Frame2, Frame3 shown
        QTest::addRow("start") << -1 << "0000";
        const char* shared[] = { "1111", "0101", "0101", "0100", "0000", "0000", "0000", "0000", "0000" };
        for (int section = 0; section < 9; ++section)
            QTest::addRow("section %d", section) << section << shared[section];
    }
    void navigation()
    {
        QFETCH(int, section);
        QFETCH(QString, shared);
        Program p;
        const QStringList menu = names("Command1(%1)", 0, 8);
        if (section >= 0)
            p.click({ menu[(section + 8) % 9], menu[section], menu[section] });
        const int shown = section >= 0 ? section : 7;
        QCOMPARE(p.shownSection(), shown);
        // The colours on the screen: the window dark cyan (c), the menu white (w) but for the button of the
        // section shown, green (G, told as the current one), the results button pink (p).
        const QImage shot = p.form->grab().toImage();
        const QMap<quint32, char> letters { { DesignColor::DarkCyan, 'c' }, { DesignColor::White, 'w' },
            { DesignColor::Green, 'g' }, { DesignColor::Pink, 'p' } };
        const auto letter = [&letters](QColor colour) { return QChar(letters.value(colorNumber(colour), '?')); };
        QString colours(1, letter(shot.pixelColor(2, 2)));
        for (const QString& name : menu + QStringList("Command20")) {
            const QWidget* button = p.find(name);
            const QChar seen = letter(
                shot.pixelColor(button->mapTo(p.form.get(), QPoint(button->width() / 2, button->height() - 4))));
            colours += button->accessibleDescription().endsWith(". Sección actual") ? seen.toUpper() : seen;
        }
        QCOMPARE(colours, QString("cwwwwwwwwwp").replace(shown + 1, 1, 'G'));
        // The pictures and editors the section shows, drawn over the section frame, not under it.
        QString visible;
        for (const char* name : { "Picture1", "Picture2", "Frame2", "Frame3" }) {
            const QWidget* control = p.find(name);
            const QWidget* top = p.form->childAt(control->geometry().center());
            visible += !control->isVisible() ? '0' : control == top || control->isAncestorOf(top) ? '1' : 'u';
        }
        QCOMPARE(visible, shared);
    }

    // Each shipped set, and the shipped Spanish set with one file missing, empty, a folder, binary, a line of
    // 10 MB or a single line: the window starts on the presentation, every section can be entered, the
    // controls each file feeds show its lines and keep their built-in texts where a line is missing. Every
    // shipped file is Windows-1252 text with CR LF, a line for each text and none blank.
    void languageFiles_data()
    {
        QTest::addColumn<QString>("folder"); // a shipped set
        QTest::addColumn<QString>("file"); // the file changed, if any
        QTest::addColumn<QByteArray>("contents"); // "missing", "folder" or the bytes of the file
        QTest::addRow("es shipped") << shippedLanguageFolder() << "" << QByteArray();
        for (const char* language : { "ca", "gl", "eu", "en" })
            QTest::addRow("%s shipped", language)
                << QStringLiteral(MAROLETA_SOURCE_DIR "/languages/%1/idioma").arg(language) << "" << QByteArray();
        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary += char((i * 7919 + i / 13) & 0xFF); // every byte value, NUL, lone CR and the undefined ones
        const std::pair<const char*, QByteArray> kinds[]
            = { { "missing", "missing" }, { "a folder", "folder" }, { "empty", "" }, { "binary", binary },
                  { "10 MB line", QByteArray(10 << 20, 'x') + "\r\n" }, { "one line", "L\xednea \x80nica\r\n" } };
        for (const QString& file : feeds.keys())
            for (const auto& [kind, contents] : kinds)
                QTest::addRow("%s %s", qPrintable(file), kind) << shippedLanguageFolder() << file << contents;
    }
    void languageFiles()
    {
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QFETCH(QByteArray, contents);
        LanguageSet set;
        for (const QString& name : feeds.keys())
            QVERIFY(name == file || QFile::copy(folder + '/' + name, set.path() + '/' + name));
        if (contents == "folder")
            QVERIFY(QDir(set.path()).mkdir(file));
        else if (!file.isEmpty() && contents != "missing")
            set.writeBytes(file, contents);
        Texts expected = builtIn;
        for (auto [name, fed] : feeds.asKeyValueRange()) {
            const QStringList lines = readLanguageLines(set.path() + '/' + name, int(fed.size()));
            for (qsizetype line = 0; line < fed.size(); ++line)
                for (const QString& control : fed[line].split(u'|', Qt::SkipEmptyParts))
                    expected[control] = line < lines.size() ? lines[line] : builtIn[control];
            QFile in(set.path() + '/' + name);
            const QByteArray bytes = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
            QVERIFY2(!file.isEmpty()
                    || (bytes.count("\r\n") == fed.size() && bytes.count('\n') == fed.size() && bytes.endsWith("\r\n")
                        && bytes.toStdString().find_first_of("\x81\x8d\x8f\x90\x9d") == std::string::npos
                        && std::ranges::all_of(
                            lines, [](const QString& l) { return !l.isEmpty() && l == l.trimmed(); })),
                qPrintable(name));
        }
        Program p;
        QCOMPARE(p.shownSection(), 7);
        QCOMPARE(asLines(shownTexts(p)), asLines(expected));
    }

    // The keyboard alone: Tab goes through the controls in the order they stand on the screen, the menu column
    // first, and round, Shift+Tab back; Space, Enter and the number pad's Enter press a menu button, an option,
    // an answer field and a check; digits go to the keypad whether it or the main window has the focus,
    // Escape goes back to the field; the colour of each field is told in words.
    void keyboardAlone()
    {
        Program p;
        MessageRecorder messages;
        pressOn(p, "Command1(6)", Qt::Key_Space);
        p.find("Option1(1)")->setFocus(Qt::TabFocusReason); // as the arrow keys move it within the pair
        press(Qt::Key_Enter);
        QVERIFY(p.shownSection() == 6 && p.find<QAbstractButton>("Option1(1)")->isChecked());
        // An exercise whose lowest terms are a fraction, not a whole number.
        pressOn(p, "Command1(4)", Qt::Key_Return);
        QCOMPARE(p.caption("Label17(0)") + '/' + p.caption("Label17(1)"), "144/330");
        const QString numerator = "24", denominator = "55";
        QString order;
        for (int i = 0; i < 17; ++i, press(Qt::Key_Tab))
            order += focused()->objectName() + ' ';
        QCOMPARE(order,
            "Command1(4) Command1(6) Command1(5) Command20 readAloud Label17(0) Label17(1) Label17(2) Label17(3) "
            "Command21(0) Command1(7) Command1(8) Command1(0) Command1(1) Command1(2) Command1(3) Command1(4) ");
        press(Qt::Key_Backtab);
        QCOMPARE(focused()->objectName(), "Command1(4)");
        typeInto(p, "Label17(2)", Qt::Key_Space, numerator);
        typeInto(p, "Label17(3)", Qt::Key_Enter, denominator);
        press(Qt::Key_1);
        QCOMPARE(p.caption("Label17(3)"), denominator + '1');
        pressOn(p, "Command21(0)", Qt::Key_Return);
        QCOMPARE(p.find("Label17(3)")->accessibleDescription(), "Denominador del paso 1. Incorrecto");
        typeInto(p, "Label17(3)", Qt::Key_Return, denominator);
        pressOn(p, "Command21(0)", Qt::Key_Space);
        QCOMPARE(p.find("Command21(0)")->accessibleDescription(), "Comprobar el paso 1. Correcto");
        QCOMPARE(p.resultLines().size(), 1);
        QCOMPARE(messages.texts, QStringList());
    }

    // The sectors of the first picture chosen with the arrow keys and pressed with Space or Enter, exactly as
    // a click on them does; the focus ring is painted over the picture, never into its image.
    void sectorsByArrowKeys()
    {
        Program p;
        p.click(QStringList { "Command1(0)", "Command3(0)" } + QStringList(6, "Command2(0)"));
        QCOMPARE(p.caption("Label1(0)") + '/' + p.caption("Label1(1)"), "7/3"); // three circles, the last a third blue
        auto* picture = p.find<PictureBox>("Picture1");
        const QImage drawn = picture->image().copy();
        const auto spot
            = [picture](std::size_t i) { return picture->widgetPointOf(picture->keyboardSpots().at(i)).toPoint(); };
        const auto ringAt = [&](std::size_t i) { return picture->grab().toImage().pixelColor(spot(i) + QPoint(9, 0)); };
        const QColor unfocused = ringAt(0);
        pressOn(p, "Picture1");
        QVERIFY(unfocused != QColor(Qt::black) && ringAt(0) == QColor(Qt::black));
        QCOMPARE(picture->image(), drawn);
        QString numerators;
        for (std::size_t i = 0; i < 9; ++i) {
            press(Qt::Key_Space);
            numerators += p.caption("Label1(0)") + ' ' + picture->accessibleDescription().section(':', 0, 0) + ' ';
            const QImage pressed = picture->image().copy();
            press(Qt::Key_Enter);
            QTest::mouseClick(picture, Qt::LeftButton, {}, spot(i));
            QCOMPARE(picture->image(), pressed);
            press(Qt::Key_Return);
            press(Qt::Key_Right);
        }
        QCOMPARE(numerators, "6 6/3 6 6/3 6 6/3 6 6/3 6 6/3 6 6/3 6 6/3 8 8/3 8 8/3 ");
        QCOMPARE(picture->image(), drawn);
        QVERIFY(ringAt(0) == QColor(Qt::black) && ringAt(1) != QColor(Qt::black)); // round again to the first
        // Presses that change nothing: the right and the middle button on a sector, the left one on the
        // picture's corner and on the first circle's centre and rim.
        const FractionLayout layout = layoutFraction(drawn.width(), drawn.height(), 7, 3);
        const QPoint centre(int(layout.centresX.front()), int(layout.centreY));
        for (const auto& [button, at] : { std::pair { Qt::RightButton, spot(0) }, { Qt::MiddleButton, spot(1) },
                 { Qt::LeftButton, picture->widgetPointOf({ 1, 1 }).toPoint() },
                 { Qt::LeftButton, picture->widgetPointOf(centre).toPoint() },
                 { Qt::LeftButton, picture->widgetPointOf(centre - QPoint(0, int(layout.radius))).toPoint() } })
            QTest::mouseClick(picture, button, {}, at);
        QVERIFY(picture->image() == drawn && p.caption("Label1(0)") == "7");
    }

    // The reading switch with each voz.txt and engine: its caption, then at start, after a click and after F2
    // whether it is enabled ('-' not), its colour (w white, y yellow, a capital while checked) and what it
    // said; then why it cannot be used. Without a usable voz.txt there is no switch (nor without any, above).
    void readAloudSwitch_data()
    {
        QTest::addColumn<QByteArray>("voz"); // the bytes of the file, or "shipped"
        QTest::addColumn<Speech>("speech");
        QTest::addColumn<QString>("seen");
        QTest::addRow("on and off")
            << QByteArray("shipped") << Speech::Recorded
            << "LEER EN VOZ ALTA w Y:Bienvenido a Maroleta. Elige una sección en la columna de la "
               "izquierda. w:(cut short)";
        QTest::addRow("no engine") << QByteArray("shipped") << Speech::NoEngine
                                   << "LEER EN VOZ ALTA -w -w -w. No disponible: no hay ningún motor de voz instalado";
        QTest::addRow("no voice") << QByteArray("shipped") << Speech::NoVoice
                                  << "LEER EN VOZ ALTA w -w -w. No disponible: no hay ninguna voz para este idioma";
        for (const auto& [kind, bytes] : { std::pair { "empty", QByteArray("") },
                 { "binary", QByteArray("\x01\xff\0\r\n", 5) }, { "with no language", QByteArray("LEER EN VOZ\r\n") } })
            QTest::addRow("voz.txt %s", kind) << bytes << Speech::Recorded << "";
    }
    void readAloudSwitch()
    {
        QFETCH(QByteArray, voz);
        QFETCH(Speech, speech);
        std::optional<LanguageSet> set; // none: the shipped set
        if (voz != "shipped")
            set.emplace().writeBytes("voz.txt", voz);
        Program p(1, speech);
        auto* button = p.form->findChild<CommandButton*>("readAloud");
        QString state = button ? button->text() : QString();
        for (int step = 0; button && step < 3; ++step) {
            step == 1 ? p.click("readAloud") : step == 2 ? QTest::keyClick(p.form.get(), Qt::Key_F2) : void();
            const QString said = p.said().join(u'|'); // a failure comes after the click
            const QColor colour = button->grab().toImage().pixelColor(button->width() / 2, button->height() - 4);
            const QChar letter = colour == designColor(DesignColor::Yellow) ? u'y' : colour == Qt::white ? u'w' : u'?';
            state += (button->isEnabled() ? " " : " -") + QString(button->isChecked() ? letter.toUpper() : letter);
            state += said.isEmpty() ? QString() : ':' + said;
        }
        QTEST(button ? state + button->accessibleDescription().section("(F2)", 1) : state, "seen");
    }

    // What a screen reader is given in each section, entered from the menu: every control shown is told by a
    // caption or a description; the reading switch is told checked while it is on.
    void toldToScreenReaders_data()
    {
        QTest::addColumn<int>("section");
        for (int section = 0; section < 9; ++section)
            QTest::addRow("section %d", section) << section;
    }
    void toldToScreenReaders()
    {
        QFETCH(int, section);
        Program p;
        p.click(arrayName("Command1", section));
        int shown = 0;
        QCOMPARE(untold(p.form.get(), shown).join(u' '), QString());
        QVERIFY2(shown > 10, qPrintable(QString::number(shown)));
        QAccessibleInterface* reading = QAccessible::queryAccessibleInterface(p.find("readAloud"));
        QString checked;
        for (int i = 0; i < 3; ++i, p.click("readAloud"))
            checked += reading->state().checked ? u'1' : u'0';
        QCOMPARE(checked, "010");
    }

    // An answer field of the simplification practice pressed as a button, as a screen reader does, opens the
    // keypad for that field, whose keys are told too.
    void answerFieldPressedByScreenReader()
    {
        Program p;
        p.click("Command1(4)");
        for (const auto& [field, digit] : { std::pair { "Label17(2)", "7" }, { "Label17(3)", "5" } }) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(p.find(field));
            QVERIFY(a->role() == QAccessible::Button && a->actionInterface());
            a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCoreApplication::processEvents(); // the press is queued, as Qt's buttons queue theirs
            QTRY_VERIFY(p.form->keypad()->isActiveWindow());
            p.click(QStringLiteral("Form2.Command1(%1)").arg(digit));
            QCOMPARE(p.caption(field), digit);
        }
        int shown = 0;
        QCOMPARE(untold(p.form->keypad(), shown).join(u' '), QString());
        QVERIFY(shown > 10);
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
