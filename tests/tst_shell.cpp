// The main window as a pupil meets it: start-up, the menu, the language texts, the layout,
// the presentation and start screens, and closing.
#include "testsupport.h"

#include "keypad/form2.h"
#include "logic/languagefiles.h"
#include "logic/layout.h"
#include "results/form3.h"

#include <QFile>
#include <QHash>
#include <QScreen>

using namespace maroleta;
using namespace maroleta::testing;

namespace {
const QStringList spanishMenu = { QString::fromUtf8("Representación gráfica"), "Amplificar", "Simplificar",
    "Suma y resta", "SIMPLIFICA", "SUMA Y RESTA", QString::fromUtf8("MULTIPLICACIÓN Y DIVISIÓN"),
    QString::fromUtf8("PRESENTACIÓN"), "Inicio", "HISTORIAL", "Aprende", "Practica", "Resultados" };

// Every caption the language files can change, in the order of the menu file, then the other texts.
QStringList menuCaptions(const Program& p)
{
    QStringList captions;
    for (int i = 0; i < 9; ++i)
        captions << p.form->Command1[i]->text();
    captions << p.form->Command20->text();
    for (int i = 0; i < 3; ++i)
        captions << p.form->Label20[i]->text();
    return captions;
}
}

class ShellTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsOnThePresentation()
    {
        Program p;
        verifyOnlySection(p, 7);
        for (const char* shared : { "Picture1", "Picture2", "Frame2", "Frame3" })
            QVERIFY2(!p.find(shared)->isVisible(), shared);
        QCOMPARE(p.form->Label21->text(), p.form->MenuExplanations[7]);
        QVERIFY(!p.form->Label21->text().isEmpty());
        QVERIFY(p.form->windowTitle().startsWith("Maroleta 1.2 - "));
        QCOMPARE(p.form->windowTitle().count(" - "), 2);
        QCOMPARE(p.form->Primes, (std::array<quint8, 10> { 2, 3, 5, 7, 11, 13, 17, 19, 23, 29 }));
        QCOMPARE(menuCaptions(p), spanishMenu);
    }

    void menuShowsEachSection_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<bool>("picture1");
        QTest::addColumn<bool>("picture2");
        QTest::addColumn<bool>("frame2");
        QTest::addColumn<bool>("frame3");
        QTest::addRow("0 graphic") << 0 << true << true << true << true;
        QTest::addRow("1 amplify") << 1 << false << true << false << true;
        QTest::addRow("2 simplify") << 2 << false << true << false << true;
        QTest::addRow("3 guided sum") << 3 << false << true << false << false;
        for (int section = 4; section < 9; ++section)
            QTest::addRow("%d", section) << section << false << false << false << false;
    }
    void menuShowsEachSection()
    {
        QFETCH(int, section);
        QFETCH(bool, picture1);
        QFETCH(bool, picture2);
        QFETCH(bool, frame2);
        QFETCH(bool, frame3);
        Program p;
        // Twice: a click on the button of the section already shown is a full transition too.
        for (int pass = 0; pass < 2; ++pass) {
            p.click(arrayName("Command1", section));
            verifyOnlySection(p, section);
            QCOMPARE(p.form->Picture1->isVisible(), picture1);
            QCOMPARE(p.form->Picture2->isVisible(), picture2);
            QCOMPARE(p.form->Frame2->isVisible(), frame2);
            QCOMPARE(p.form->Frame3->isVisible(), frame3);
            QCOMPARE(p.form->Label21->text(), p.form->MenuExplanations[section]);
            QVERIFY(!p.form->Label21->text().isEmpty());
        }
    }

    void sharedControlsDrawnOverTheSections()
    {
        Program p;
        p.click("Command1(0)");
        for (QWidget* shared : std::initializer_list<QWidget*> { p.form->Picture1, p.form->Frame2, p.form->Frame3 }) {
            const QPoint centre = shared->geometry().center();
            QWidget* top = p.form->childAt(centre);
            QVERIFY2(top == shared || shared->isAncestorOf(top), qPrintable(shared->objectName()));
        }
    }

    void layoutFollowsTheScreen()
    {
        Program p;
        const Twips& t = screenTwips();
        LayoutInput in;
        const QSize pixels = p.form->screen()->geometry().size();
        in.screen = QSize(qRound(t.toTwips(pixels.width())), qRound(t.toTwips(pixels.height())));
        in.innerFrame = designInnerFrameSizes();
        const LayoutResult expected = arrangeScreen(in);

        for (Frame* section : p.form->Frame1)
            QCOMPARE(twipsGeometry(section), expected.section);
        QCOMPARE(twipsGeometry(p.form->Picture1), expected.picture1);
        QCOMPARE(twipsGeometry(p.form->Picture2), expected.picture2);
        QCOMPARE(twipsGeometry(p.form->Frame2).topLeft(), expected.frame2);
        QCOMPARE(twipsGeometry(p.form->Frame3).topLeft(), expected.frame3);
        for (int section = 1; section < 9; ++section) {
            QCOMPARE(twipsGeometry(p.form->innerFrames[section]).topLeft(), expected.innerFrame[section]);
            QCOMPARE(p.form->innerFrames[section]->parentWidget(), p.form->Frame1[section]);
        }
        // And in pixels: 15 twips a pixel at 96 dots per inch.
        QCOMPARE(p.form->Frame1[0]->geometry().topLeft(), t.toPixels(expected.section).topLeft());
    }

    void coloursOnScreen()
    {
        Program p;
        QCOMPARE(colorNumber(p.form->palette().color(QPalette::Window)), DesignColor::DarkCyan);
        for (int section = 1; section < 9; ++section)
            QCOMPARE(p.form->innerFrames[section]->backColor(), DesignColor::DarkCyan);

        // What the pupil sees: the current button green, the others white, the presentation title white.
        const QImage shot = p.form->grab().toImage();
        auto colourInside = [&](QWidget* control) {
            const QRect box(control->mapTo(p.form.get(), QPoint(0, 0)), control->size());
            return colorNumber(shot.pixelColor(box.center() + QPoint(0, box.height() / 2 - 4)));
        };
        QCOMPARE(colourInside(p.form->Command1[7]), DesignColor::Green);
        QCOMPARE(colourInside(p.form->Command1[0]), DesignColor::White);
        QCOMPARE(colourInside(p.form->Command20), DesignColor::Pink);
        QCOMPARE(p.form->Label18[0]->foreColor(), DesignColor::White);
        QCOMPARE(p.form->Label18[1]->foreColor(), DesignColor::LightGreen);
        QCOMPARE(p.form->Label18[5]->foreColor(), DesignColor::LightYellow);
    }

    void startScreenBarIsTenPixelsThick()
    {
        Program p;
        p.click("Command1(8)");
        const QImage shot = p.form->Frame11->grab().toImage();
        const int y = screenTwips().toPixels(2520);
        const int x = screenTwips().toPixels(2100);
        int white = 0;
        for (int dy = -8; dy <= 8; ++dy)
            white += colorNumber(shot.pixelColor(x, y + dy)) == DesignColor::White;
        QCOMPARE(white, 10);
    }

    void missingShortAndEmptyFilesKeepBuiltInTexts()
    {
        LanguageSet set;
        set.write("explicacionmenu.txt", { "E0", "E1", "E2" }); // short: sections 3 to 8 have no line
        set.write("menu.txt", { "Uno", "Dos" }); // short
        set.writeBytes("comprobar.txt", QByteArray()); // empty counts as missing
        // The other files missing, as in a missing folder.
        Program p;
        verifyOnlySection(p, 7);
        QStringList expected = spanishMenu;
        expected[0] = "Uno";
        expected[1] = "Dos";
        QCOMPARE(menuCaptions(p), expected);
        QCOMPARE(p.form->MenuExplanations[2], QStringLiteral("E2"));
        QVERIFY(p.form->MenuExplanations[3].isEmpty());
        QVERIFY(p.form->Label21->text().isEmpty());
        QCOMPARE(p.form->Label3[2]->text(), QStringLiteral("Texto no divisible"));
        QCOMPARE(p.form->Command17->text(), QStringLiteral("COMPROBAR"));
        QVERIFY(p.form->CheckTexts[0].isEmpty() && p.form->CheckTexts[1].isEmpty());
        QCOMPARE(p.form->Label19[2]->text(), QStringLiteral("NUMERADOR"));
        QCOMPARE(p.form->Option1[0]->text(), QString::fromUtf8("Multiplicación de fracciones"));
        QCOMPARE(p.form->keypad()->Command3->text(), QStringLiteral("BORRAR"));
        QCOMPARE(p.form->results()->windowTitle(), QStringLiteral("TUS RESULTADOS"));
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
            = { { "explicacionmenu.txt", 10 }, { "menu.txt", 13 }, { "presentacion.txt", 1 }, { "comprobar.txt", 3 },
                  { "numedeno.txt", 2 }, { "muldiv.txt", 2 }, { "borrar.txt", 1 }, { "tusresultados.txt", 1 } };
        QHash<QString, QStringList> read;
        for (const auto& [name, count] : files) {
            QFile file(folder + "/" + name);
            QVERIFY2(file.open(QIODevice::ReadOnly), name);
            const QByteArray bytes = file.readAll();
            // Windows-1252 with CR LF: every line ends in CR LF, no byte that the code page leaves undefined.
            QCOMPARE(bytes.count("\r\n"), qsizetype(count));
            QCOMPARE(bytes.count('\n'), qsizetype(count));
            QVERIFY2(bytes.endsWith("\r\n"), name);
            for (char undefined : { '\x81', '\x8d', '\x8f', '\x90', '\x9d' })
                QVERIFY2(!bytes.contains(undefined), name);
            const QStringList lines = readLanguageLines(file.fileName(), count);
            QCOMPARE(lines.size(), count);
            for (const QString& line : lines)
                QVERIFY2(!line.trimmed().isEmpty() && line == line.trimmed(), name);
            read.insert(name, lines);
        }

        // The set loads with no line missing: every caption it feeds shows its line.
        setLanguageFolder(folder);
        Program p;
        setLanguageFolder({});
        QCOMPARE(menuCaptions(p), read["menu.txt"]);
        for (int i = 0; i < 9; ++i)
            QCOMPARE(p.form->MenuExplanations[i], read["explicacionmenu.txt"][i]);
        QCOMPARE(p.form->Label3[2]->text(), read["explicacionmenu.txt"][9]);
        QCOMPARE(p.form->Label18[1]->text(), read["presentacion.txt"][0]);
        QStringList checks { p.form->Command17->text(), p.form->Command19->text() };
        for (CommandButton* button : p.form->Command21)
            checks << button->text();
        QCOMPARE(checks, QStringList(7, read["comprobar.txt"][0]));
        QCOMPARE(p.form->CheckTexts[0], read["comprobar.txt"][1]);
        QCOMPARE(p.form->CheckTexts[1], read["comprobar.txt"][2]);
        QCOMPARE(p.form->Label19[2]->text() + u'|' + p.form->Label19[3]->text(), read["numedeno.txt"].join(u'|'));
        QCOMPARE(p.form->Option1[0]->text() + u'|' + p.form->Option1[1]->text(), read["muldiv.txt"].join(u'|'));
        setLanguageFolder(folder);
        QCOMPARE(p.form->keypad()->Command3->text(), read["borrar.txt"][0]);
        QCOMPARE(p.form->results()->windowTitle(), read["tusresultados.txt"][0]);
        setLanguageFolder({});
    }

    void closingTheMainWindowClosesTheOthers()
    {
        Program p;
        p.form->keypad()->show();
        p.click("Command20");
        QVERIFY(p.form->results()->isVisible());
        QVERIFY(p.form->close());
        QVERIFY(!p.form->isVisible());
        QVERIFY(!p.form->keypad()->isVisible());
        QVERIFY(!p.form->results()->isVisible());
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
