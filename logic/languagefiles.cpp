// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Reading language files.
#include "logic/languagefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace maroleta {

namespace {
    QString decodeLine(QByteArrayView line)
    {
        if (line.endsWith('\r'))
            line.chop(1);
        QStringDecoder decoder("windows-1252");
        if (!decoder.isValid())
            return windows1252WithoutCodec(line);
        return decoder.decode(line);
    }
}

QString windows1252WithoutCodec(QByteArrayView bytes)
{
    // Windows-1252 is Latin-1 but for the bytes 0x80..0x9F, where it keeps its typographic characters.
    // The five bytes it leaves undefined stay the control characters they are in Latin-1.
    static constexpr char16_t high[32] = { u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020',
        u'\u2021', u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F', u'\u0090',
        u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014', u'\u02DC', u'\u2122', u'\u0161',
        u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178' };
    QString text = QString::fromLatin1(bytes);
    for (QChar& c : text)
        if (c.unicode() >= 0x80 && c.unicode() <= 0x9F)
            c = QChar(high[c.unicode() - 0x80]);
    return text;
}

QStringList languageLines(QByteArrayView bytes, int count)
{
    QStringList lines;
    qsizetype start = 0;
    while (lines.size() < count && start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        lines.append(decodeLine(bytes.sliced(start, end - start)));
        start = end + 1;
    }
    return lines;
}

QStringList readLanguageLines(const QString& path, int count)
{
    if (count <= 0 || QFileInfo(path).isDir())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Read no more than the lines asked for: the rest of a large file is never touched.
    QByteArray bytes;
    for (int i = 0; i < count && !file.atEnd(); ++i) {
        const QByteArray line = file.readLine();
        if (line.isEmpty() && file.error() != QFileDevice::NoError)
            break;
        bytes += line;
    }
    return languageLines(bytes, count);
}

namespace {
    QString& folderOverride()
    {
        static QString folder;
        return folder;
    }
}

QString languageFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QCoreApplication::applicationDirPath() + QStringLiteral("/idioma");
}

void setLanguageFolder(const QString& folder) { folderOverride() = folder; }

QString languageFile(const QString& name) { return languageFolder() + QLatin1Char('/') + name; }

} // namespace maroleta
