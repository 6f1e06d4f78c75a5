// Reading the language files: lines, line ends, Windows-1252, and no more of a file than asked for.
// Missing, empty, unreadable and overlong files are read through the real window in tst_hardening.
#include "logic/languagefiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace maroleta;

class LanguageFilesTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString put(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write the test file");
        file.write(bytes);
        return file.fileName();
    }

private Q_SLOTS:
    void splitsLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("lines");
        QTest::addRow("mixed ends, more asked than held")
            << QByteArray("uno\r\ndos\ntres") << 5 << QStringList { "uno", "dos", "tres" };
        QTest::addRow("fewer asked than held") << QByteArray("a\nb\nc\n") << 2 << QStringList { "a", "b" };
        QTest::addRow("blanks kept") << QByteArray("  dos espacios  \r\n") << 1 << QStringList { "  dos espacios  " };
        QTest::addRow("empty line is a line") << QByteArray("\r\nB\r\n") << 2 << QStringList { "", "B" };
        QTest::addRow("empty bytes") << QByteArray() << 3 << QStringList {};
        QTest::addRow("lone CR stays in the line") << QByteArray("a\rb\n") << 2 << QStringList { "a\rb" };
        QTest::addRow("NUL kept") << QByteArray("a\0b\n", 4) << 1 << QStringList { QString("a") + QChar(0) + "b" };
    }
    void splitsLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QFETCH(QStringList, lines);
        QCOMPARE(languageLines(bytes, count), lines);
    }

    void decodesWindows1252()
    {
        // "Representación gráfica", "PRESENTACIÓN", the euro sign and a curly quote of the 0x80..0x9F range.
        const QByteArray bytes("Representaci\xf3n gr\xe1"
                               "fica\r\nPRESENTACI\xd3N\r\n\x80 \x93hola\x94\r\n");
        const QStringList lines = languageLines(bytes, 3);
        QCOMPARE(lines.value(0), QString::fromUtf8("Representación gráfica"));
        QCOMPARE(lines.value(1), QString::fromUtf8("PRESENTACIÓN"));
        QCOMPARE(lines.value(2), QString::fromUtf8("€ “hola”"));
    }

    void undefinedBytesDoNotStopTheLine()
    {
        const QStringList lines = languageLines(QByteArray("a\x81\x8d\x8f\x90\x9dz\r\nsiguiente\r\n"), 2);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].startsWith(u'a'));
        QVERIFY(lines[0].endsWith(u'z'));
        QCOMPARE(lines[1], QStringLiteral("siguiente"));
    }

    void readsOnlyTheLinesAskedFor()
    {
        QByteArray many;
        for (int i = 0; i < 1000; ++i)
            many += QByteArray::number(i) + "\r\n";
        QCOMPARE(readLanguageLines(put("many.txt", many), 3), (QStringList { "0", "1", "2" }));
    }
};

QTEST_GUILESS_MAIN(LanguageFilesTest)
#include "tst_languagefiles.moc"
