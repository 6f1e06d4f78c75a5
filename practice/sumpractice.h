// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Section 5, sum and subtraction practice: three random fractions added or subtracted over a common
// denominator picked from their lists of multiples, the numerators set with step buttons and checked.
#pragma once

#include "practice/practicesection.h"

namespace maroleta {

class SumPracticeSection : public PracticeSection {
    Q_OBJECT
public:
    SumPracticeSection(Frame* frame, Random& random, const LanguageTexts& texts, ResultsLog& results, Voice& voice);

    // A new exercise; no mistake made in it yet.
    void prepare() override;
    void takeTexts(const LanguageTexts& texts) override;

private:
    void Command14_Click(int Index);
    void Command15_Click(int Index);
    void Command16_Click(int Index);
    void List1_Click(int Index);
    void Command17_Click();

    void NewSumExercise();
    // Steps answer numerator Index by `step`, then offers the check if the answer is complete.
    void stepSumNumerator(int Index, double step);

    // Label12: given numerators; Label13(0..2) given denominators, (3..6) the common denominator of the
    // answer row; Command14: answer numerators, 3 the result; Command15 "+5", Command16 "-1" above them.
    std::array<Label*, 3> Label12 {};
    std::array<Label*, 7> Label13 {};
    std::array<CommandButton*, 4> Command14 {};
    std::array<CommandButton*, 4> Command15 {};
    std::array<CommandButton*, 4> Command16 {};
    // The multiples of each given denominator, and the working line under each list.
    std::array<ListBox*, 3> List1 {};
    std::array<Label*, 3> Label14 {};
    CommandButton* Command17 = nullptr;
    // Fraction bars and signs; Line5(9) and Line5(15) are the vertical strokes that make the second sign a plus.
    std::array<LineShape*, 19> Line5 {};
    bool AddThird = false;
    bool DenominatorsMatched = false;
};

} // namespace maroleta
