// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Section 4, simplification practice: a random fraction simplified in a chain of up to five steps, typed
// with the keypad into the answer fields and checked step by step.
#pragma once

#include "logic/simplifyexercise.h"
#include "practice/practicesection.h"

namespace maroleta {

class SimplifyPracticeSection : public PracticeSection {
    Q_OBJECT
public:
    SimplifyPracticeSection(
        Frame* frame, Random& random, const LanguageTexts& texts, ResultsLog& results, Voice& voice);

    // A new exercise; no mistake made in it yet.
    void prepare() override;
    void takeTexts(const LanguageTexts& texts) override;

Q_SIGNALS:
    // An answer field was clicked: the keypad is to edit `field`.
    void keypadWanted(Label* field);

private:
    // Starts editing answer field Index with the keypad.
    void Label17_Click(int Index);
    // Checks step Index + 1: the fraction in fields 2·Index, 2·Index+1 simplified to the next two.
    void Command21_Click(int Index);

    void NewSimplifyExercises();
    // Sets CanSimplify from the answer being checked (ToNum, ToDen).
    void CheckStillSimplifiable();
    // Reads step k: the fraction it starts from (FromNum, FromDen) and the answer typed (ToNum, ToDen).
    void readStep(int k);
    // The first check also judges the fraction given (or replaced with one of the pupil's own): closed in
    // blue when it can be simplified, red with a message when it cannot.
    void judgeGivenFraction();
    // A whole number asked for: right, it drops level with the bars and ends the exercise.
    void checkWholeNumber(int k);
    // The answer of step k (its first `fields` fields) closed in blue or marked red, with its check; a right
    // answer that `finishes` the exercise writes its results line. Returns whether it was right.
    bool settleStep(int k, bool right, int fields, bool finishes);
    // After a right step k the next one appears; after an answer n/1 it asks for the whole number alone.
    void showNextStep(int k);

    PrimeTable Primes {};
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
