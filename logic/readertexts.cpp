// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Reading lector.txt.
#include "logic/readertexts.h"

#include "logic/languagefiles.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace maroleta {

namespace {
    constexpr qsizetype longestLine = 200;
    constexpr int mostLines = 2000;

    QSet<int> placeholders(const QString& text)
    {
        static const QRegularExpression placeholder(QStringLiteral("%L?(\\d\\d?)"));
        QSet<int> found;
        for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
            found.insert(match.captured(1).toInt());
        return found;
    }

    ReaderTexts& current()
    {
        static ReaderTexts texts;
        return texts;
    }
}

ReaderTexts ReaderTexts::fromLines(const QStringList& lines)
{
    ReaderTexts texts;
    for (const QString& line : lines) {
        const bool control
            = std::any_of(line.begin(), line.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
        const qsizetype equals = line.indexOf(u'=');
        if (control || line.size() > longestLine || equals <= 0)
            continue;
        const QString value = line.sliced(equals + 1).trimmed();
        if (!value.isEmpty())
            texts.m_texts.insert(line.first(equals).trimmed(), value);
    }
    return texts;
}

QString ReaderTexts::text(const QString& key, const QString& builtIn) const
{
    const auto found = m_texts.constFind(key);
    if (found == m_texts.constEnd() || placeholders(*found) != placeholders(builtIn))
        return builtIn;
    return *found;
}

const ReaderTexts& readerTexts() { return current(); }

void loadReaderTexts()
{
    current() = ReaderTexts::fromLines(readLanguageLines(languageFile(QStringLiteral("lector.txt")), mostLines));
}

} // namespace maroleta
