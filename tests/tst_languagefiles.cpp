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

    // Every character of the bytes 0x80..0x9F (where Windows-1252 and Latin-1 differ) and some accented
    // letters, read from a file through the codec of this Qt and decoded as a Qt without one decodes them.
    void decodesWindows1252()
    {
        QByteArray bytes;
        for (int b = 0x80; b <= 0x9F; ++b)
            if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) // undefined in Windows-1252
                bytes += char(b);
        bytes += " Representaci\xf3n gr\xe1" "fica PRESENTACI\xd3N";
        const QString expected = QString::fromUtf8(
            "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ Representación gráfica PRESENTACIÓN");
        QCOMPARE(readLanguageLines(put("windows-1252.txt", bytes + "\r\nsiguiente\r\n"), 1), QStringList { expected });
        QCOMPARE(windows1252WithoutCodec(bytes), expected);
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
