// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Numbers in words by the rules of a language set (numeros.txt), so that a translator who adds a language
// writes its numbers and fraction words as data: "veintiún", "vint-i-un", "hogeita bat", "twenty-one",
// "diecisieteavos", "hamazazpiren", "hundredths".
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace maroleta {

// The rules come in named sets, one rule a line:
//
//   # a comment                    blank lines and lines starting with '#' are skipped
//   %cardinal                      the rules below belong to the set "cardinal"
//   %numerator: %cardinal          ... to "numerator", which takes the rules of "cardinal" it does not give
//   21: veintiuno                  a rule from 21 on, up to the value of the next rule
//   30: treinta[ y >>]             its text, where the number n splits by the rule's divisor d (the largest
//                                  power of ten up to the rule's value) into n / d and n % d
//   20/20: hogei[ta >>]            the same with the divisor written after a slash
//   -x: menos >>                   the rule for negative numbers; >> is the number without its sign
//
// In a text:  <<  n / d in words of this set;  <%other<  the same in the set "other";
//             >>  n % d in words of this set;  >%other>  the same in the set "other";
//             =%other=  n itself in the set "other";
//             [text]  said only where n % d is not 0;  [text|else]  else is said where n % d is 0.
// A rule of an inherited set that says "<<" or ">>" goes on in the set being said, so "%numerator" above
// gives "treinta y un" from the "treinta[ y >>]" of "%cardinal" and its own "1: un".
//
// What the rules cannot give (no rule low enough, a set that is not there, rules that call each other
// without end) gives nothing, and the caller says the number another way.
class NumberWords {
public:
    // How many lines of numeros.txt are read at most.
    static constexpr int lineCount = 1000;

    static NumberWords fromLines(const QStringList& lines);

    bool isEmpty() const { return m_sets.isEmpty(); }
    bool has(const QString& set) const { return m_sets.contains(set); }

    // `number` in words by the set `set` ("cardinal"), or nothing.
    std::optional<QString> say(qint64 number, const QString& set) const;

private:
    struct Rule {
        qint64 value = 0;
        qint64 divisor = 1;
        QString text;
        bool negative = false; // the rule of negative numbers, whose ">>" is the number without its sign
    };
    struct RuleSet {
        QList<Rule> rules; // ascending values, its own and those it takes from its parent
        std::optional<Rule> negative;
    };

    std::optional<QString> say(qint64 number, const QString& set, int depth, int& budget) const;
    std::optional<QString> expand(
        const QString& text, qint64 number, const Rule& rule, const QString& set, int depth, int& budget) const;

    QHash<QString, RuleSet> m_sets;
};

} // namespace maroleta
