// Bad input through the real window: language files that are missing, empty, binary, one huge line,
// a folder or unreadable still give a program that starts and works, with its built-in texts wherever a
// line is missing. And the faults the random-event run found, each pinned by a test of its own.
#include "testsupport.h"

#include "keypad/form2.h"
#include "logic/canvas.h"
#include "logic/captions.h"
#include "logic/fractiondrawing.h"
#include "logic/languagefiles.h"
#include "results/form3.h"

#include <QDir>
#include <QFile>
#include <QMap>

using namespace maroleta;
using namespace maroleta::testing;

namespace {

const QStringList languageFiles { "menu.txt", "explicacionmenu.txt", "presentacion.txt", "comprobar.txt",
    "numedeno.txt", "muldiv.txt", "borrar.txt", "tusresultados.txt" };

// Every text the language files can reach: captions of all controls, the explanations, the check texts,
// the keypad's erase key and the results window's title.
QMap<QString, QString> texts(const Program& p)
{
    QMap<QString, QString> all;
    for (const QWidget* control : p.form->findChildren<QWidget*>())
        if (const QVariant text = control->property("text"); text.isValid())
            all.insert(control->objectName(), text.toString());
    for (int i = 0; i < int(p.form->MenuExplanations.size()); ++i)
        all.insert(arrayName("MenuExplanations", i), p.form->MenuExplanations[i]);
    for (int i = 0; i < 2; ++i)
        all.insert(arrayName("CheckTexts", i), p.form->CheckTexts[i]);
    all.insert("keypad Command3", p.form->keypad()->Command3->text());
    all.insert("results title", p.form->results()->windowTitle());
    return all;
}

} // namespace

class Hardening : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void badLanguageFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind");
        for (const QString& file : languageFiles)
            for (const char* kind : { "missing", "empty", "folder", "unreadable", "binary", "10 MB line" })
                QTest::addRow("%s %s", qPrintable(file), kind) << file << QString::fromLatin1(kind);
    }

    void badLanguageFile()
    {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        // The shipped set without the file: the program shows its built-in texts where its lines would go.
        LanguageSet set;
        for (const QString& name : languageFiles)
            if (name != file)
                QVERIFY(QFile::copy(shippedLanguageFolder() + u'/' + name, set.path() + u'/' + name));
        const QMap<QString, QString> builtIn = texts(Program());
        const QString path = set.path() + u'/' + file;
        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary += char((i * 7919 + i / 13) & 0xFF); // every byte value, NUL, lone CR and the undefined ones
        if (kind == "folder")
            QVERIFY(QDir(set.path()).mkdir(file));
        else if (kind != "missing")
            set.writeBytes(file,
                kind == "binary"           ? binary
                    : kind == "10 MB line" ? QByteArray(10 * 1024 * 1024, 'x') + "\r\n"
                    : kind == "unreadable" ? QByteArray("SECRET\r\n").repeated(12)
                                           : QByteArray());
        if (kind == "unreadable"
            && (!QFile::setPermissions(path, QFileDevice::Permissions()) || QFile(path).open(QIODevice::ReadOnly)))
            QSKIP("an unreadable file cannot be made here (running with the right to read any file, as root)");

        // Every text is the built-in one or, where the file gives lines, one of those lines: the texts of the
        // other files stay as they are. The program starts on the presentation and every section can be
        // entered and shows alone.
        Program p;
        verifyOnlySection(p, 7);
        const QStringList lines = readLanguageLines(path, 30);
        const QMap<QString, QString> shown = texts(p);
        QCOMPARE(shown.keys(), builtIn.keys());
        for (auto it = builtIn.cbegin(); it != builtIn.cend(); ++it)
            QVERIFY2(shown[it.key()] == it.value() || lines.contains(shown[it.key()]), qPrintable(it.key()));
        for (int section : { 0, 4, 5, 6, 3, 8, 7 }) {
            p.click(arrayName("Command1", section));
            verifyOnlySection(p, section);
        }
    }

    // The second denominator of the graphic screen is copied into the amplifying screen's base. Once the
    // second fraction holds an amplified result, the copy must stay within the base's range 2..200, or the
    // round trip multiplies the sectors to draw by ten each time.
    void secondDenominatorKeepsTheAmplifyingBaseInRange()
    {
        Program p;
        p.click("Command1(1)");
        for (int i = 0; i < 200; ++i)
            p.click("Command8(0)");
        p.click("Command6(9)"); // the base's denominator 200, amplified ten times
        QCOMPARE(p.form->Label5[0]->text() + u' ' + p.form->Label5[3]->text(), "200 2000");
        p.click("Command1(0)");
        p.click("Command5(1)"); // the second denominator "--": 1999, copied into the base
        QCOMPARE(p.form->Label2[1]->text() + u' ' + p.form->Label5[0]->text(), "1999 200");
        p.click("Command1(1)");
        QCOMPARE(p.form->Label5[3]->text() + u' ' + p.form->Label2[1]->text(), "2000 2000");
    }

    // Navigation skips redrawing a second fraction the picture already shows; after the guided sum has
    // drawn over the picture, and after a change, the fraction is drawn again.
    void secondPictureAlwaysShowsTheSecondFraction()
    {
        Program p;
        const auto expected = [&p] {
            QImage image(p.form->Picture2->image().size(), QImage::Format_RGB32);
            Canvas canvas(image);
            drawFraction(canvas, captionValue(p.form->Label2[0]->text()), captionValue(p.form->Label2[1]->text()));
            return image;
        };
        for (const char* name : { "Command1(1)", "Command1(1)", "Command6(4)", "Command1(0)", "Command1(3)",
                 "Command1(2)", "Command1(3)", "Command1(0)", "Command5(0)", "Command1(1)" }) {
            p.click(name);
            if (p.form->CurrentSection != 3)
                QVERIFY2(p.form->Picture2->image() == expected(), name);
        }
    }
};

QTEST_MAIN(Hardening)
#include "tst_hardening.moc"
