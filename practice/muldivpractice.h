// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Section 6, multiplication and division practice: two random fractions, the operation chosen with the
// option buttons, the answer set with step buttons and checked.
#pragma once

#include "practice/practicesection.h"

namespace maroleta {

class MulDivSection : public PracticeSection {
    Q_OBJECT
public:
    MulDivSection(Frame* frame, Random& random, const LanguageTexts& texts, ResultsLog& results, Voice& voice);

    // A new exercise; no mistake made in it yet.
    void prepare() override;
    void takeTexts(const LanguageTexts& texts) override;

private:
    void Option1_Click(int Index);
    void Command18_Click(int Index);
    void Command19_Click();

    void NewMulDivExercise();
    // The cross for a multiplication, the two dots for a division, as Option1 chooses.
    void showMulDivSign();
    // The exercise in words, with the operation chosen.
    void sayExercise();

    // The two given fractions: Label15 numerators, Label16 denominators.
    std::array<Label*, 2> Label15 {};
    std::array<Label*, 2> Label16 {};
    // Command18(0) and (3) show the answer's numerator and denominator; (1), (2), (4), (5) step them.
    std::array<CommandButton*, 6> Command18 {};
    CommandButton* Command19 = nullptr;
    std::array<OptionButton*, 2> Option1 {};
    // Fraction bars, "=", the answer's bar, the cross (5, 6) and the dots (7, 8).
    std::array<LineShape*, 9> Line6 {};
};

} // namespace maroleta
