// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// What the program says when it reads aloud: the texts of voz.txt, the one language file a set may leave out.
#pragma once

#include "logic/numberwords.h"

#include <QString>
#include <QStringList>

#include <array>

namespace maroleta {

// voz.txt, one text a line:
//   1       the caption of the reading switch ("LEER EN VOZ ALTA")
//   2       the voice's language, "es-ES", or several separated by blanks, the first with a voice taken
//   3       the fraction with numerator 1, %1 the word of its denominator ("un %1")
//   4       any other numerator, %1 the numerator in digits, %2 the word of the denominator ("%1 %2")
//   5       a denominator without words, %1 the numerator, %2 the denominator ("%1 partido por %2")
//   6..9    the operations ("más", "menos", "por", "entre")
//   10, 11  what is said after a check ("Correcto", "Incorrecto")
//   12..22  the denominators 2..12 after a numerator 1 ("medio" .. "doceavo")
//   23..33  the same after any other numerator ("medios" .. "doceavos")
// Beside it numeros.txt may give the numbers and the fraction words in words, by rules (NumberWords says
// how they are written), in these sets:
//   cardinal    a number on its own: "veintiuno", "vint-i-u", "hogeita bat", "twenty-one"
//   numerator   a numerator before its fraction word, where it differs: "veintiún", "vint-i-un"
//   singular    the fraction word after a numerator 1: "medio", "diecisieteavo", "hundredth"
//   plural      the fraction word after any other numerator: "medios", "dissetens", "quarters"
// Then no digit is left in what is said. Without the file, or for what its rules do not give, numbers stay
// digits, which the voice reads in its own language, and the words of lines 12..33 serve for 2..12.
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
    NumberWords numbers; // numeros.txt; empty without one

    // The texts of the lines of a voz.txt.
    static VoiceTexts fromLines(const QStringList& lines);

    // Reads voz.txt and numeros.txt from the language folder; a missing voz.txt leaves nothing usable.
    void load();

    // Whether the set can be read aloud at all: it has a caption for the switch and a language. Otherwise
    // the switch stays hidden.
    bool usable() const;

    // A whole number in words ("veintiuno"), or in digits where the set gives no words for it.
    QString number(qint64 value) const;

    // The fraction in words: "siete" over 1, "un medio", "tres cuartos", "tres diecisieteavos"; without
    // number words "7", "3 cuartos", "3 partido por 17". A negative one is said with negativeSign() first.
    QString fraction(qint64 numerator, qint64 denominator) const;

    // The word said before a negative fraction: that of the number rules' sign ("menos", "minus"), or the
    // operation's word where they give none.
    QString negativeSign() const;

    // A text as it is to be said: a "+", "-" or "×" standing on its own said as the operation's word (as
    // in "los botones + y -"), and every number in words where the set has them.
    QString spoken(const QString& text) const;
};

} // namespace maroleta
