// The main window as a pupil meets it: start-up, the menu, the language texts, the layout, the colours
// on screen, and closing.
#include "testsupport.h"

#include "keypad/form2.h"
#include "logic/languagefiles.h"
#include "logic/layout.h"
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
    void menuShowsEachSection_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("shared"); // Picture1, Picture2, Frame2, Frame3: "1" where shown
        const char* shared[] = { "1111", "0101", "0101", "0100", "0000", "0000", "0000", "0000", "0000" };
        for (int section = 0; section < 9; ++section)
            QTest::addRow("%d", section) << section << QString::fromLatin1(shared[section]);
    }
    void menuShowsEachSection()
    {
        QFETCH(int, section);
        QFETCH(QString, shared);
        Program p;
        // The presentation at start; then twice the section: a click on the button of the section already
        // shown is a full transition too.
        for (int pass = 0; pass < 3; ++pass) {
            const int shown = pass == 0 ? 7 : section;
            verifyOnlySection(p, shown);
            const QWidget* controls[] = { p.form->Picture1, p.form->Picture2, p.form->Frame2, p.form->Frame3 };
            for (int i = 0; i < 4; ++i)
                QCOMPARE(controls[i]->isVisible(), pass > 0 && shared[i] == u'1');
            QVERIFY(!p.form->Label21->text().isEmpty() && p.form->Label21->text() == p.form->MenuExplanations[shown]);
            p.click(arrayName("Command1", section));
        }
        // The shared pictures and frames are drawn over the section, not under it.
        for (QWidget* control : std::initializer_list<QWidget*> { p.form->Picture1, p.form->Frame2, p.form->Frame3 })
            if (control->isVisible()) {
                QWidget* top = p.form->childAt(control->geometry().center());
                QVERIFY2(top == control || control->isAncestorOf(top), qPrintable(control->objectName()));
            }
    }

    void layoutFollowsTheScreen()
    {
        Program p;
        const Form1& f = *p.form;
        const LayoutResult expected
            = arrangeScreen({ .screen = f.screen()->geometry().size() * screenTwips().perPixel(),
                .innerFrame = designInnerFrameSizes() });
        for (const Frame* section : f.Frame1)
            QCOMPARE(twipsGeometry(section), expected.section);
        QCOMPARE(twipsGeometry(f.Picture1), expected.picture1);
        QCOMPARE(twipsGeometry(f.Picture2), expected.picture2);
        QList<std::pair<const QWidget*, QPoint>> placed
            = { { f.Frame2, expected.frame2 }, { f.Frame3, expected.frame3 } };
        for (int section = 1; section < 9; ++section)
            placed.append({ f.innerFrames[section], expected.innerFrame[section] });
        for (const auto& [control, topLeft] : placed)
            QCOMPARE(twipsGeometry(control).topLeft(), topLeft);
    }

    // The start screen as the pupil sees it, and closing the program.
    void startAndClose()
    {
        Program p;
        QVERIFY(p.form->windowTitle().startsWith("Maroleta 1.2 - ") && p.form->windowTitle().count(" - ") == 2);
        QCOMPARE(p.form->Primes, (std::array<quint8, 10> { 2, 3, 5, 7, 11, 13, 17, 19, 23, 29 }));
        // What the pupil sees: the window dark cyan, the current button green, the others white, the
        // results button pink.
        const QImage shot = p.form->grab().toImage();
        const auto colourInside = [&](const QWidget* control) {
            const QRect box(control->mapTo(p.form.get(), QPoint(0, 0)), control->size());
            return colorNumber(shot.pixelColor(box.center() + QPoint(0, box.height() / 2 - 4)));
        };
        QCOMPARE(colorNumber(shot.pixelColor(2, 2)), DesignColor::DarkCyan);
        QCOMPARE(colourInside(p.form->Command1[7]), DesignColor::Green);
        QCOMPARE(colourInside(p.form->Command1[0]), DesignColor::White);
        QCOMPARE(colourInside(p.form->Command20), DesignColor::Pink);

        // Closing the main window closes the keypad and the results window too.
        p.form->keypad()->show();
        p.click("Command20");
        QVERIFY(p.form->results()->isVisible());
        QVERIFY(p.form->close());
        for (const QWidget* window :
            std::initializer_list<QWidget*> { p.form.get(), p.form->keypad(), p.form->results() })
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }

    // Short and empty files give their lines and keep the built-in texts where a line is missing; the
    // files not there at all keep theirs.
    void shortAndEmptyFilesKeepBuiltInTexts()
    {
        LanguageSet set;
        set.write("explicacionmenu.txt", { "E0", "E1", "E2" });
        set.write("menu.txt", { "Uno", "Dos" });
        set.writeBytes("comprobar.txt", QByteArray());
        Program p;
        verifyOnlySection(p, 7);
        QCOMPARE(languageTexts(p),
            QStringList({ "Uno", "Dos" }) + readLanguageLines(shippedLanguageFolder() + "/menu.txt", 13).mid(2)
                + QStringList({ "E0", "E1", "E2", "", "", "", "", "", "", "Texto no divisible",
                    "Un programa que tiene como objetivo ayudar a comprender las fracciones", "COMPROBAR", "", "",
                    "NUMERADOR", "DENOMINADOR", QString::fromUtf8("Multiplicación de fracciones"),
                    QString::fromUtf8("División de fracciones"), "BORRAR", "TUS RESULTADOS" }));
        QVERIFY(p.form->Label21->text().isEmpty());
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
            QVERIFY2(file.open(QIODevice::ReadOnly), name);
            const QByteArray bytes = file.readAll();
            // Windows-1252 with CR LF: every line ends in CR LF, no byte that the code page leaves undefined.
            QVERIFY2(bytes.count("\r\n") == count && bytes.count('\n') == count && bytes.endsWith("\r\n"), name);
            for (char undefined : { '\x81', '\x8d', '\x8f', '\x90', '\x9d' })
                QVERIFY2(!bytes.contains(undefined), name);
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
