// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Reading voz.txt and putting fractions into words.
#include "logic/voicetexts.h"

#include "logic/languagefiles.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <limits>

namespace maroleta {

namespace {
    constexpr qsizetype longestLine = 100;

    // Line `index` without the blanks around it; empty where it is missing, too long, or holds a control
    // character, as a damaged or binary file does.
    QString usableLine(const QStringList& lines, qsizetype index)
    {
        if (index >= lines.size())
            return {};
        const QString& line = lines[index];
        const bool control
            = std::any_of(line.begin(), line.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
        return line.size() > longestLine || control ? QString() : line.trimmed();
    }

    // Whether the placeholders QString::arg finds in `pattern` (%1 .. %99, %L1 ..) are exactly %1 .. %count:
    // a missing one would lose a number or a word, a stray one would be read out as it stands.
    bool takes(const QString& pattern, int count)
    {
        static const QRegularExpression placeholder(QStringLiteral("%L?(\\d\\d?)"));
        QSet<int> seen;
        for (const QRegularExpressionMatch& match : placeholder.globalMatch(pattern))
            seen.insert(match.captured(1).toInt());
        QSet<int> wanted;
        for (int i = 1; i <= count; ++i)
            wanted.insert(i);
        return seen == wanted;
    }

    QString pattern(const QStringList& lines, qsizetype index, int placeholders)
    {
        const QString line = usableLine(lines, index);
        return takes(line, placeholders) ? line : QString();
    }

    void take(QString& text, const QString& line)
    {
        if (!line.isEmpty())
            text = line;
    }
}

VoiceTexts VoiceTexts::fromLines(const QStringList& lines)
{
    VoiceTexts texts;
    texts.caption = usableLine(lines, 0);
    static const QRegularExpression localeForm(
        QStringLiteral("^[a-z]{2}(-[a-z]{2})?$"), QRegularExpression::CaseInsensitiveOption);
    for (const QString& token : usableLine(lines, 1).simplified().split(u' ', Qt::SkipEmptyParts))
        if (localeForm.match(token).hasMatch())
            texts.locales << token.first(2).toLower() + token.sliced(2).toUpper();
    texts.singular = pattern(lines, 2, 1);
    texts.plural = pattern(lines, 3, 2);
    take(texts.large, pattern(lines, 4, 2));
    take(texts.plus, usableLine(lines, 5));
    take(texts.minus, usableLine(lines, 6));
    take(texts.times, usableLine(lines, 7));
    take(texts.dividedBy, usableLine(lines, 8));
    texts.right = usableLine(lines, 9);
    texts.wrong = usableLine(lines, 10);
    for (qsizetype i = 0; i < 11; ++i) {
        texts.singularWords[i] = usableLine(lines, 11 + i);
        texts.pluralWords[i] = usableLine(lines, 22 + i);
    }
    return texts;
}

void VoiceTexts::load()
{
    *this = fromLines(readLanguageLines(languageFile(QStringLiteral("voz.txt")), lineCount));
    numbers = NumberWords::fromLines(
        readLanguageLines(languageFile(QStringLiteral("numeros.txt")), NumberWords::lineCount));
}

bool VoiceTexts::usable() const { return !caption.isEmpty() && !locales.isEmpty(); }

QString VoiceTexts::number(qint64 value) const
{
    return numbers.say(value, QStringLiteral("cardinal")).value_or(QString::number(value));
}

QString VoiceTexts::negativeSign() const
{
    // The words of the set's rule for negative numbers before "1", as "minus" in "minus bat": Basque says
    // "ken" between two numbers but "minus" before a negative one.
    const std::optional<QString> one = numbers.say(1, QStringLiteral("cardinal"));
    const std::optional<QString> minusOne = numbers.say(-1, QStringLiteral("cardinal"));
    if (one && minusOne && minusOne->size() > one->size() + 1 && minusOne->endsWith(u' ' + *one))
        return minusOne->chopped(one->size() + 1);
    return minus;
}

QString VoiceTexts::fraction(qint64 numerator, qint64 denominator) const
{
    if (denominator == 1)
        return number(numerator);
    const bool words = numbers.has(QStringLiteral("cardinal"));
    if (words && denominator != 0 && (numerator < 0 || denominator < 0)
        && numerator != std::numeric_limits<qint64>::min() && denominator != std::numeric_limits<qint64>::min()) {
        const QString positive = fraction(qAbs(numerator), qAbs(denominator));
        return (numerator < 0) != (denominator < 0) ? negativeSign() + u' ' + positive : positive;
    }
    const auto word = [&](const QString& set, const std::array<QString, 11>& listed) {
        if (std::optional<QString> said = numbers.say(denominator, set))
            return *said;
        return denominator >= 2 && denominator <= 12 ? listed[std::size_t(denominator - 2)] : QString();
    };
    // Each pattern is filled in one call, so a word that itself holds "%1" is never filled in again.
    if (numerator == 1 && !singular.isEmpty()) {
        if (const QString said = word(QStringLiteral("singular"), singularWords); !said.isEmpty())
            return singular.arg(said);
    }
    if (numerator != 1 && !plural.isEmpty()) {
        if (const QString said = word(QStringLiteral("plural"), pluralWords); !said.isEmpty())
            return plural.arg(numbers.say(numerator, QStringLiteral("numerator")).value_or(number(numerator)), said);
    }
    return large.arg(number(numerator), number(denominator));
}

QString VoiceTexts::spoken(const QString& text) const
{
    // A sign between blanks (or at either end, or before a stop); a fraction "3/4" and any other run of
    // digits, with a minus sign before it that stands after a blank.
    static const QRegularExpression piece(
        QStringLiteral(R"((?<!\S)([+×\-−])(?=\s|$|[.,;:!?])|(?<![\w/])([\-−]?)(\d+)(?:/(\d+)(?![\w/]))?)"));
    QString said;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : piece.globalMatch(text)) {
        said += QStringView(text).mid(from, match.capturedStart() - from);
        from = match.capturedEnd();
        if (match.hasCaptured(1)) {
            const QChar sign = match.captured(1).front();
            said += sign == u'+' ? plus : sign == u'×' ? times : minus;
            continue;
        }
        bool ok = false, overOk = true;
        const qint64 value = match.captured(3).toLongLong(&ok) * (match.captured(2).isEmpty() ? 1 : -1);
        const qint64 over = match.hasCaptured(4) ? match.captured(4).toLongLong(&overOk) : 1;
        if (!ok || !overOk || !numbers.has(QStringLiteral("cardinal")))
            said += match.captured();
        else
            said += fraction(value, over);
    }
    return said + text.mid(from);
}

} // namespace maroleta
