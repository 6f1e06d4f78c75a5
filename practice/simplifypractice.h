// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Section 4, simplification practice: a random fraction simplified in a chain of up to five steps, typed
// with the keypad into the answer fields and checked step by step.
#pragma once

#include "logic/random.h"
#include "logic/simplifyexercise.h"
#include "widgets/section.h"
#include "widgets/voice.h"

#include <functional>

namespace maroleta {

class Form2;
class ResultsLog;

class SimplifyPracticeSection : public Section {
    Q_OBJECT
public:
    // `keypad` gives the keypad, loading it on first use.
    SimplifyPracticeSection(Frame* frame, Random& random, const LanguageTexts& texts, ResultsLog& results,
        std::function<Form2*()> keypad, Voice& voice);

    // A new exercise; no mistake made in it yet.
    void prepare() override;
    void takeTexts(const LanguageTexts& texts) override;

    // Starts editing answer field Index with the keypad.
    void Label17_Click(int Index);
    // Checks step Index + 1: the fraction in fields 2·Index, 2·Index+1 simplified to the next two.
    void Command21_Click(int Index);

private:
    void NewSimplifyExercises();
    // Sets CanSimplify from the answer being checked (ToNum, ToDen).
    void CheckStillSimplifiable();

    Random& m_random;
    const LanguageTexts& m_texts;
    ResultsLog& m_results;
    std::function<Form2*()> m_keypad;
    Voice& m_voice;
    PrimeTable Primes {};
    // True once an answer has been judged wrong in this exercise.
    bool MistakeMade = false;
    // Fields 0 and 1 hold the fraction to simplify, fields 2j and 2j+1 the answer of step j (1..5).
    std::array<Label*, 12> Label17 {};
    std::array<CommandButton*, 5> Command21 {};
    // 0: bar of the fraction to simplify; for step j, 3j-2 and 3j-1 its "=" sign and 3j its bar.
    std::array<LineShape*, 16> Line7 {};
    // The step being checked: the fraction it starts from and the answer typed.
    double FromNum = 0;
    double FromDen = 0;
    double ToNum = 0;
    qint32 ToDen = 0;
    bool CanSimplify = false;
};

} // namespace maroleta
