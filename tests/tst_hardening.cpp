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

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>

#include <algorithm>

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
    for (const QWidget* control : p.form->findChildren<QWidget*>()) {
        if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            all.insert(button->objectName(), button->text());
        else if (const auto* label = qobject_cast<const QLabel*>(control))
            all.insert(label->objectName(), label->text());
    }
    for (int i = 0; i < int(p.form->MenuExplanations.size()); ++i)
        all.insert(QStringLiteral("MenuExplanations(%1)").arg(i), p.form->MenuExplanations[i]);
    all.insert(QStringLiteral("CheckTexts(0)"), p.form->CheckTexts[0]);
    all.insert(QStringLiteral("CheckTexts(1)"), p.form->CheckTexts[1]);
    all.insert(QStringLiteral("keypad Command3"), p.form->keypad()->Command3->text());
    all.insert(QStringLiteral("results title"), p.form->results()->windowTitle());
    return all;
}

// The shipped set, with `file` left out.
void writeShippedSetWithout(const LanguageSet& set, const QString& file)
{
    for (const QString& name : languageFiles) {
        if (name == file)
            continue;
        QFile shipped(shippedLanguageFolder() + QLatin1Char('/') + name);
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        set.writeBytes(name, shipped.readAll());
    }
}

// The window answers: every section can be entered and shows alone.
void verifyWorking(const Program& p)
{
    for (int section : { 0, 4, 5, 6, 3, 8, 7 }) {
        p.click(QStringLiteral("Command1(%1)").arg(section));
        verifyOnlySection(p, section);
    }
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
            for (const char* kind : { "empty", "folder", "unreadable", "binary", "10 MB line" })
                QTest::addRow("%s %s", qPrintable(file), kind) << file << QString::fromLatin1(kind);
    }

    void badLanguageFile()
    {
        QFETCH(QString, file);
        QFETCH(QString, kind);

        // What the program shows with the file missing: the built-in texts where its lines would go.
        QMap<QString, QString> builtIn;
        {
            LanguageSet set;
            writeShippedSetWithout(set, file);
            Program p;
            builtIn = texts(p);
        }
        LanguageSet set;
        writeShippedSetWithout(set, file);
        const QString path = set.path() + QLatin1Char('/') + file;
        bool linesMissing = true;
        if (kind == "empty") {
            set.writeBytes(file, QByteArray());
        } else if (kind == "folder") {
            QVERIFY(QDir(set.path()).mkdir(file));
        } else if (kind == "unreadable") {
            set.write(file, QStringList(12, QStringLiteral("SECRET")));
            QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
            QFile probe(path);
            if (probe.open(QIODevice::ReadOnly))
                QSKIP("running with the right to read any file (root): an unreadable file cannot be made");
        } else if (kind == "binary") {
            QByteArray bytes;
            for (int i = 0; i < 4096; ++i)
                bytes += char((i * 7919 + i / 13) & 0xFF); // every byte value, NUL, lone CR and the undefined ones
            set.writeBytes(file, bytes);
            linesMissing = false;
        } else {
            set.writeBytes(file, QByteArray(10 * 1024 * 1024, 'x') + "\r\n");
            linesMissing = false;
        }

        Program p;
        QCOMPARE(p.form->CurrentSection, 7);
        // Every text is the built-in one or, where the file gives lines, one of those lines: the texts of the
        // other files stay as they are.
        const QStringList lines = linesMissing ? QStringList() : readLanguageLines(path, 30);
        const QMap<QString, QString> shown = texts(p);
        QCOMPARE(shown.keys(), builtIn.keys());
        for (auto it = builtIn.cbegin(); it != builtIn.cend(); ++it)
            QVERIFY2(
                shown.value(it.key()) == it.value() || lines.contains(shown.value(it.key())), qPrintable(it.key()));
        if (kind == "10 MB line") {
            const bool taken = std::any_of(
                shown.cbegin(), shown.cend(), [](const QString& text) { return text.size() == 10 * 1024 * 1024; });
            QVERIFY(taken);
        }
        verifyWorking(p);
        if (kind == "unreadable")
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
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
        QCOMPARE(p.form->Label5[0]->text(), QStringLiteral("200"));
        p.click("Command6(9)");
        QCOMPARE(p.form->Label5[3]->text(), QStringLiteral("2000"));
        for (int round = 0; round < 3; ++round) {
            p.click("Command1(0)");
            QCOMPARE(p.form->Label2[1]->text(), QStringLiteral("2000"));
            p.click("Command5(1)"); // the second denominator "--": 1999, copied into the base
            QCOMPARE(p.form->Label2[1]->text(), QStringLiteral("1999"));
            QCOMPARE(p.form->Label5[0]->text(), QStringLiteral("200"));
            p.click("Command1(1)");
            QCOMPARE(p.form->Label5[3]->text(), QStringLiteral("2000"));
            QCOMPARE(p.form->Label2[1]->text(), QStringLiteral("2000"));
        }
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
