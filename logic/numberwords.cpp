// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Reading the number rules of numeros.txt and saying numbers by them.
#include "logic/numberwords.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <limits>

namespace maroleta {

namespace {
    constexpr qsizetype longestLine = 200;
    constexpr qint64 largestValue = 1'000'000'000'000'000'000;
    // Deeper than any number needs (a thousand million million is said in a handful of steps): rules that
    // call each other without end stop here.
    constexpr int deepest = 40;
    // Rules that call each other twice or more at each step would take for ever even so: so many rules
    // said for one number, and it is given up.
    constexpr int mostSteps = 2000;
    // Longer than anything worth saying: rules that grow the text without end stop here.
    constexpr qsizetype longestWords = 1000;

    struct RawSet {
        QString parent;
        QList<std::pair<QString, qint64>> rules; // text, value; the negative rule has value -1
        QList<qint64> divisors;
    };

    qint64 powerOfTenUpTo(qint64 value)
    {
        qint64 power = 1;
        while (power <= value / 10)
            power *= 10;
        return power;
    }
}

NumberWords NumberWords::fromLines(const QStringList& lines)
{
    static const QRegularExpression header(QStringLiteral(R"(^%([\w-]+)(?:\s*:\s*%([\w-]+))?$)"));
    static const QRegularExpression ruleLine(QStringLiteral(R"(^(-x|\d{1,19})(?:/(\d{1,19}))?:\s?(.*)$)"));
    QHash<QString, RawSet> raw;
    QString current;
    for (const QString& untrimmed : lines) {
        const QString line = untrimmed.trimmed();
        const bool control
            = std::any_of(line.begin(), line.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
        if (line.isEmpty() || line.startsWith(u'#') || line.size() > longestLine || control)
            continue;
        if (const QRegularExpressionMatch match = header.match(line); match.hasMatch()) {
            current = match.captured(1);
            raw[current].parent = match.captured(2);
            continue;
        }
        const QRegularExpressionMatch match = ruleLine.match(line);
        if (!match.hasMatch() || current.isEmpty())
            continue; // a line that is no rule, or a rule before any set: skipped
        const bool negative = match.captured(1) == u"-x";
        bool ok = true;
        const qint64 value = negative ? -1 : match.captured(1).toLongLong(&ok);
        if (!ok || value > largestValue)
            continue;
        qint64 divisor = negative ? 1 : powerOfTenUpTo(value);
        if (!match.captured(2).isEmpty()) {
            divisor = match.captured(2).toLongLong(&ok);
            if (!ok || divisor < 1 || divisor > largestValue)
                continue;
        }
        raw[current].rules.append({ match.captured(3).trimmed(), value });
        raw[current].divisors.append(divisor);
    }

    NumberWords words;
    for (auto set = raw.cbegin(); set != raw.cend(); ++set) {
        // The set's own rules, then those of its parent, grandparent... that no nearer set gives.
        RuleSet merged;
        QSet<qint64> given;
        QSet<QString> visited;
        for (QString name = set.key(); raw.contains(name) && !visited.contains(name); name = raw[name].parent) {
            visited.insert(name);
            const RawSet& from = raw[name];
            for (qsizetype i = 0; i < from.rules.size(); ++i) {
                const auto& [text, value] = from.rules[i];
                if (given.contains(value))
                    continue; // a later line for the same value in one set is ignored too
                given.insert(value);
                const Rule rule { std::max<qint64>(value, 0), from.divisors[i], text, value < 0 };
                if (value < 0)
                    merged.negative = rule;
                else
                    merged.rules.append(rule);
            }
        }
        std::sort(
            merged.rules.begin(), merged.rules.end(), [](const Rule& a, const Rule& b) { return a.value < b.value; });
        words.m_sets.insert(set.key(), merged);
    }
    return words;
}

std::optional<QString> NumberWords::say(qint64 number, const QString& set) const
{
    int budget = mostSteps;
    std::optional<QString> words = say(number, set, 0, budget);
    if (words)
        *words = words->simplified();
    return words && !words->isEmpty() ? words : std::nullopt;
}

std::optional<QString> NumberWords::say(qint64 number, const QString& set, int depth, int& budget) const
{
    const auto found = m_sets.constFind(set);
    if (found == m_sets.cend() || depth > deepest || --budget < 0)
        return std::nullopt;
    const RuleSet& rules = *found;
    if (number < 0) {
        if (!rules.negative || number == std::numeric_limits<qint64>::min())
            return std::nullopt;
        return expand(rules.negative->text, -number, *rules.negative, set, depth, budget);
    }
    const auto after = std::upper_bound(
        rules.rules.cbegin(), rules.rules.cend(), number, [](qint64 n, const Rule& rule) { return n < rule.value; });
    if (after == rules.rules.cbegin())
        return std::nullopt; // below the first rule
    return expand(std::prev(after)->text, number, *std::prev(after), set, depth, budget);
}

std::optional<QString> NumberWords::expand(
    const QString& text, qint64 number, const Rule& rule, const QString& set, int depth, int& budget) const
{
    static const QRegularExpression token(QStringLiteral(R"(<<|>>|<%[\w-]+<|>%[\w-]+>|=%[\w-]+=|\[|\]|\|)"));
    const qint64 quotient = rule.negative ? number : number / rule.divisor;
    const qint64 remainder = rule.negative ? number : number % rule.divisor;
    QString words;
    bool inBrackets = false;
    bool elsePart = false;
    qsizetype from = 0;
    const auto saying = [&] { return !inBrackets || (remainder != 0) != elsePart; };
    for (const QRegularExpressionMatch& match : token.globalMatch(text)) {
        if (saying())
            words += text.mid(from, match.capturedStart() - from);
        from = match.capturedEnd();
        const QString piece = match.captured();
        if (piece == u"[" && !inBrackets) {
            inBrackets = true;
            elsePart = false;
        } else if (piece == u"|" && inBrackets) {
            elsePart = true;
        } else if (piece == u"]" && inBrackets) {
            inBrackets = false;
        } else if (piece.size() == 1) {
            if (saying())
                words += piece; // a bracket or a bar out of place is only text
        } else if (saying()) {
            const QString other = piece.size() > 2 ? piece.mid(2, piece.size() - 3) : set;
            const qint64 part = piece.front() == u'<' ? quotient : piece.front() == u'>' ? remainder : number;
            const std::optional<QString> said = say(part, other, depth + 1, budget);
            if (!said)
                return std::nullopt;
            words += *said;
        }
        if (words.size() > longestWords)
            return std::nullopt;
    }
    if (saying())
        words += text.mid(from);
    return words;
}

} // namespace maroleta
