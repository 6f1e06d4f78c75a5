// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// What the three practice sections (4 to 6) share: the generator that draws their exercises, the language
// texts, the results log, the voice, whether a mistake was made in the exercise shown, and the end of
// every check: the verdict marked, said and, once the exercise is done, written to the results log.
#pragma once

#include "logic/languagetexts.h"
#include "logic/random.h"
#include "widgets/section.h"
#include "widgets/voice.h"

#include <functional>

namespace maroleta {

class ResultsLog;

class PracticeSection : public Section {
    Q_OBJECT
protected:
    PracticeSection(Random& random, const LanguageTexts& texts, ResultsLog& results, Voice& voice);

    // Makes the results line of a finished exercise from the text that closes it.
    using ResultLine = std::function<QString(const QString& closing)>;
    // The end of every check: `check` turns `rightColour` or red, the verdict is said, and a wrong answer
    // counts as a mistake in this exercise. A right answer that finishes the exercise (`line` given) writes
    // its results line, closed by "right at the first try" or not.
    void judgeSayLog(bool right, CommandButton* check, quint32 rightColour, const ResultLine& line = {});

    Random& m_random;
    const LanguageTexts& m_texts;
    Voice& m_voice;
    // True once an answer has been judged wrong in this exercise.
    bool MistakeMade = false;

private:
    ResultsLog& m_results;
};

} // namespace maroleta
