// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// What the program says when it reads aloud: the texts of voz.txt, the one language file a set may leave out.
#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace maroleta {

// voz.txt, one text a line:
//   1       the caption of the reading switch ("LEER EN VOZ")
//   2       the voice's language, "es-ES", or several separated by blanks, the first with a voice taken
//   3       the fraction with numerator 1, %1 the word of its denominator ("un %1")
//   4       any other numerator, %1 the numerator in digits, %2 the word of the denominator ("%1 %2")
//   5       a denominator without words, %1 the numerator, %2 the denominator ("%1 partido por %2")
//   6..9    the operations ("más", "menos", "por", "entre")
//   10, 11  what is said after a check ("Correcto", "Incorrecto")
//   12..22  the denominators 2..12 after a numerator 1 ("medio" .. "doceavo")
//   23..33  the same after any other numerator ("medios" .. "doceavos")
// Numbers stay digits: the voice reads them in its own language, and only the one needs its own form.
//
// A teacher may write the file by hand, so every line is checked. A line longer than 100 characters or
// holding a control character counts as missing, and blanks around a line are dropped. What is missing
// or malformed keeps the value below: a pattern without its placeholders, a word, an operation.
struct VoiceTexts {
    static constexpr int lineCount = 33;

    QString caption;
    QStringList locales; // each "ll" or "ll-CC", ready for QLocale; malformed ones are dropped
    QString singular; // empty: the large pattern is said instead
    QString plural; // empty: the large pattern is said instead
    QString large = QStringLiteral("%1/%2");
    QString plus = QStringLiteral("+");
    QString minus = QStringLiteral("-");
    QString times = QStringLiteral("×");
    QString dividedBy = QStringLiteral(":");
    QString right; // empty: nothing is said after a check
    QString wrong;
    std::array<QString, 11> singularWords; // denominators 2..12
    std::array<QString, 11> pluralWords;

    // The texts of the lines of a voz.txt.
    static VoiceTexts fromLines(const QStringList& lines);

    // Reads voz.txt from the language folder; a missing file leaves nothing usable.
    void load();

    // Whether the set can be read aloud at all: it has a caption for the switch and a language. Otherwise
    // the switch stays hidden.
    bool usable() const;

    // The fraction in words: "7" over 1, "un medio", "3 cuartos", "3 partido por 17".
    QString fraction(qint64 numerator, qint64 denominator) const;
};

} // namespace maroleta
