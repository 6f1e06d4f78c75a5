// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// What screen readers are told, in the language of the set: the texts of lector.txt, a file a set may
// leave out. Without it, or for a line it lacks, the built-in Spanish text is used.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace maroleta {

// lector.txt holds one text a line, "key=text". A control is keyed by its design name ("Command2(0)",
// "Label21"), a control of the keypad or the results window by the window's name before it
// ("Form2.Command1(3)"), a window by its name alone ("Form2"); the words of announcements and colour
// meanings have keys of their own ("correcto", "dibujo"). Lines without "=", with an unknown key, longer
// than 200 characters or holding a control character are passed over; blanks around key and text are
// dropped. A text that replaces a pattern must hold the same placeholders (%1, %2 ...) as the built-in one.
class ReaderTexts {
public:
    static ReaderTexts fromLines(const QStringList& lines);

    // The text of `key`, or `builtIn` where the file has none usable. `builtIn` is also the pattern whose
    // placeholders the file's text must hold.
    QString text(const QString& key, const QString& builtIn) const;
    QString text(const char* key, const char* builtIn) const
    {
        return text(QLatin1String(key), QString::fromUtf8(builtIn));
    }

private:
    QHash<QString, QString> m_texts;
};

// The texts of lector.txt in the language folder, read by loadReaderTexts(); none before.
const ReaderTexts& readerTexts();
void loadReaderTexts();

} // namespace maroleta
