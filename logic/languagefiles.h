// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Language files: plain text, Windows-1252, one text a line, read from the folder idioma beside the program.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace maroleta {

// The first `count` lines held in the bytes of a language file. A line ends at LF, with one CR before it
// dropped; the last line needs no line end. Lines are taken whole, blanks and all. Empty bytes hold no line.
QStringList languageLines(QByteArrayView bytes, int count);

// Windows-1252 text decoded without a codec, for a Qt built without one (without ICU, as on Windows):
// Latin-1 with the characters of the bytes 0x80..0x9F (€, curly quotes, Œ, š ...) put back.
QString windows1252WithoutCodec(QByteArrayView bytes);

// The first `count` lines of a language file. A file that is missing, unreadable, a folder or empty
// gives no lines; nothing is ever reported.
QStringList readLanguageLines(const QString& path, int count);

// The folder of the language files: idioma beside the running executable.
QString languageFolder();

// Points the program at another folder of language files; an empty path restores idioma beside the
// executable. Tests use it so that each can bring its own set without touching the shipped one.
void setLanguageFolder(const QString& folder);

// The full path of one language file in languageFolder().
QString languageFile(const QString& name);

} // namespace maroleta
