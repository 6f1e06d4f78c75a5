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
        if (!decoder.isValid()) // a Qt built without ICU: only the bytes 0x80..0x9F come out otherwise
            return QString::fromLatin1(line);
        return decoder.decode(line);
    }
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
