// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// What the practice sections share.
#include "practice/practicesection.h"

#include "results/resultslog.h"
#include "widgets/accessibility.h"

namespace maroleta {

PracticeSection::PracticeSection(Random& random, const LanguageTexts& texts, ResultsLog& results, Voice& voice)
    : m_random(random)
    , m_texts(texts)
    , m_voice(voice)
    , m_results(results)
{
}

void PracticeSection::judgeSayLog(bool right, CommandButton* check, quint32 rightColour, const ResultLine& line)
{
    check->setBackColor(right ? rightColour : DesignColor::Red);
    if (!right)
        MistakeMade = true;
    m_voice.sayVerdict(right, markedWrong(check->window(), check));
    if (right && line)
        m_results.WriteResultLine(line(m_texts.CheckTexts[MistakeMade ? 1 : 0]));
}

} // namespace maroleta
