// The main window as a pupil meets it: start-up, the colours on screen, the layout, the menu, closing,
// and the language texts.
#include "testsupport.h"

#include "keypad/form2.h"
#include "logic/languagefiles.h"
#include "logic/layout.h"
#include "logic/simplifyexercise.h"
#include "results/form3.h"

#include <QFile>
#include <QScopeGuard>
#include <QScreen>

using namespace maroleta;
using namespace maroleta::testing;

namespace {
// Every text a language file sets, in the order of the files and their lines: the menu's first.
QStringList languageTexts(const Program& p)
{
    const Form1& f = *p.form;
    QStringList texts;
    for (const CommandButton* button : f.Command1)
        texts << button->text();
    texts << f.Command20->text();
    for (const Label* label : f.Label20)
        texts << label->text();
    texts << QStringList(f.MenuExplanations.begin(), f.MenuExplanations.begin() + 9) << f.Label3[2]->text()
          << f.Label18[1]->text() << f.Command17->text() << f.CheckTexts[0] << f.CheckTexts[1] << f.Label19[2]->text()
          << f.Label19[3]->text() << f.Option1[0]->text() << f.Option1[1]->text() << p.form->keypad()->Command3->text()
          << p.form->results()->windowTitle();
    return texts;
}
}

class ShellTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The start screen as the pupil sees it, the layout, the menu, and closing the program.
    void startMenuAndClose()
    {
        Program p;
        Form1& f = *p.form;
        QCOMPARE(f.Primes, firstTenPrimes()); // the table the simplification steps are judged by
        // What the pupil sees: the window dark cyan, the current button green, the others white, the
        // results button pink.
        const QImage shot = f.grab().toImage();
        QCOMPARE(colorNumber(shot.pixelColor(2, 2)), DesignColor::DarkCyan);
        for (const auto& [button, colour] : { std::pair { f.Command1[7], DesignColor::Green },
                 { f.Command1[0], DesignColor::White }, { f.Command20, DesignColor::Pink } })
            QCOMPARE(colorNumber(shot.pixelColor(button->mapTo(&f, QPoint(button->width() / 2, button->height() - 4)))),
                colour);

        // Everything placed where the layout of the screen puts it.
        const LayoutResult expected
            = arrangeScreen({ .screen = f.screen()->geometry().size() * screenTwips().perPixel(),
                .innerFrame = designInnerFrameSizes() });
        QCOMPARE(twipsGeometry(f.Frame1[4]), expected.section);
        QCOMPARE(twipsGeometry(f.Picture1), expected.picture1);
        QCOMPARE(twipsGeometry(f.Picture2), expected.picture2);
        QCOMPARE(twipsGeometry(f.Frame2).topLeft(), expected.frame2);
        QCOMPARE(twipsGeometry(f.Frame3).topLeft(), expected.frame3);
        for (int section = 1; section < 9; ++section)
            QCOMPARE(twipsGeometry(f.innerFrames[section]).topLeft(), expected.innerFrame[section]);

        // Where each section shows Picture1, Picture2, Frame2 and Frame3.
        const char* shared[] = { "1111", "0101", "0101", "0100", "0000", "0000", "0000", "0000", "0000" };
        QWidget* const controls[] = { f.Picture1, f.Picture2, f.Frame2, f.Frame3 };
        // The presentation at start, then each section twice: a click on the button of the section already
        // shown is a full transition too.
        for (int step = -1; step < 18; ++step) {
            const int shown = step < 0 ? 7 : step / 2;
            if (step >= 0)
                p.click(arrayName("Command1", shown));
            verifyOnlySection(p, shown);
            QVERIFY(!f.Label21->text().isEmpty() && f.Label21->text() == f.MenuExplanations[shown]);
            for (int i = 0; i < 4; ++i) {
                QCOMPARE(controls[i]->isVisible(), shared[shown][i] == '1');
                // The shared pictures and frames are drawn over the section, not under it.
                const QWidget* top = f.childAt(controls[i]->geometry().center());
                QVERIFY2(i == 1 || !controls[i]->isVisible() || top == controls[i] || controls[i]->isAncestorOf(top),
                    qPrintable(controls[i]->objectName()));
            }
        }

        // Closing the main window closes the keypad and the results window too.
        f.keypad()->show();
        p.click("Command20");
        QVERIFY(f.results()->isVisible());
        QVERIFY(f.close());
        QVERIFY(!f.isVisible() && !f.keypad()->isVisible() && !f.results()->isVisible());
    }

    // A short file gives its lines and keeps the built-in texts where a line is missing; the files not
    // there at all keep theirs.
    void shortFilesKeepBuiltInTexts()
    {
        LanguageSet set;
        const QStringList builtIn = languageTexts(Program());
        QCOMPARE(builtIn.mid(0, 13), readLanguageLines(shippedLanguageFolder() + "/menu.txt", 13)); // the Spanish menu
        set.write("explicacionmenu.txt", { "E0", "E1", "E2" });
        set.write("menu.txt", { "Uno", "Dos" });
        Program p;
        QCOMPARE(languageTexts(p),
            QStringList({ "Uno", "Dos" }) + builtIn.mid(2, 11) + QStringList({ "E0", "E1", "E2" }) + builtIn.mid(16));
    }

    void everyLanguageSetIsComplete_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addRow("es, beside the program") << shippedLanguageFolder();
        for (const char* language : { "ca", "gl", "eu", "en" })
            QTest::addRow("%s", language) << QStringLiteral(MAROLETA_SOURCE_DIR "/languages/%1/idioma").arg(language);
    }
    void everyLanguageSetIsComplete()
    {
        QFETCH(QString, folder);
        const std::pair<const char*, int> files[]
            = { { "menu.txt", 13 }, { "explicacionmenu.txt", 10 }, { "presentacion.txt", 1 }, { "comprobar.txt", 3 },
                  { "numedeno.txt", 2 }, { "muldiv.txt", 2 }, { "borrar.txt", 1 }, { "tusresultados.txt", 1 } };
        QStringList all;
        for (const auto& [name, count] : files) {
            QFile file(folder + "/" + name);
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            // Windows-1252 with CR LF: every line ends in CR LF, no byte that the code page leaves undefined.
            const auto undefined = [&bytes](char c) { return bytes.contains(c); };
            QVERIFY2(bytes.count("\r\n") == count && bytes.count('\n') == count && bytes.endsWith("\r\n")
                    && std::ranges::none_of(QByteArrayView("\x81\x8d\x8f\x90\x9d"), undefined),
                name);
            all << readLanguageLines(file.fileName(), count);
        }
        for (const QString& line : all)
            QVERIFY2(!line.isEmpty() && line == line.trimmed(), qPrintable(line));

        // The set loads with no line missing: every caption it feeds shows its line, the check buttons of
        // every practice section the same one.
        setLanguageFolder(folder);
        const auto restore = qScopeGuard([] { setLanguageFolder({}); });
        Program p;
        QCOMPARE(languageTexts(p), all);
        for (const CommandButton* check : p.form->Command21)
            QCOMPARE(check->text(), p.form->Command17->text());
        QCOMPARE(p.form->Command19->text(), p.form->Command17->text());
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
