// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// libFuzzer target: arbitrary bytes as any of the language files. The first byte picks how many lines
// are asked for; the rest is the file, read both from memory and from a real file. The same bytes are
// also read as voz.txt, whose patterns are then filled in, and as numeros.txt, whose rules then say numbers.
#include "logic/languagefiles.h"
#include "logic/voicetexts.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int count = 1 + data[0] % 13; // the files are read for 1 to 13 lines
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    const QStringList lines = maroleta::languageLines(bytes, count);
    if (lines.size() > count)
        std::abort();
    // Every line, with the line ends it lost, is a piece of the bytes read in order.
    qsizetype consumed = 0;
    for (const QString& line : lines)
        consumed += line.size();
    if (consumed > bytes.size())
        std::abort(); // Windows-1252 gives one character for every byte, never more

    // A voz.txt a teacher wrote by hand: whatever it holds, each fraction comes out in some words.
    maroleta::VoiceTexts voice = maroleta::VoiceTexts::fromLines(maroleta::languageLines(bytes, 33));
    for (const qint64 denominator : { 1, 2, 12, 13, 0, -4 })
        if (voice.fraction(count - 1, denominator).isEmpty())
            std::abort();
    // A numeros.txt as well: whatever rules it holds, each number and fraction comes out in some words, at
    // once, however the rules call each other.
    voice.numbers = maroleta::NumberWords::fromLines(maroleta::languageLines(bytes, maroleta::NumberWords::lineCount));
    for (const qint64 number : { qint64(0), qint64(count), qint64(-21), qint64(2400), qint64(1234567890123) })
        if (voice.fraction(number, count + 1).isEmpty() || voice.spoken(QStringLiteral("1/2 + 3 - 4")).isEmpty())
            std::abort();

    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("menu.txt"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
        file.close();
        if (maroleta::readLanguageLines(path, count) != lines)
            std::abort();
    }
    return 0;
}
