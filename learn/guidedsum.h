// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Section 3, adding and subtracting guided: the task A ± B stands beside a working copy A' ± B'; each click
// on a working denominator moves it to the next multiple of the task's denominator, until the two meet and
// the result can be set. The second fraction's picture shows the two working fractions as circles.
#pragma once

#include "learn/secondfraction.h"
#include "logic/random.h"
#include "widgets/section.h"

namespace maroleta {

class GuidedSumSection : public Section {
    Q_OBJECT
public:
    GuidedSumSection(Frame* frame, SecondFraction& second, Random& random, const LanguageTexts& texts, Voice& voice);

    // A new task, its circles, and no arrows yet.
    void prepare() override;

private:
    // Index 0 and 1: the next multiple of A' or B'; 2 and 3: result numerator and denominator +1;
    // 4, 5: numerator +5, -1; 6, 7: denominator +5, -1.
    void Command12_Click(int Index);
    // One multiple back for A' (0) or B' (1).
    void Command13_Click(int Index);

    void NewSumExample();
    void DrawSumPictures();
    void HideFirstFractionSteps();
    void HideSecondFractionSteps();
    void ShowFirstFractionSteps();
    void ShowSecondFractionSteps();
    void ShowResultFraction();
    void HideResultFraction();
    void setResultFraction(bool shown);
    // Moves the working fraction X' (0: A', 1: B') to `working`, shows the arrows of X' alone and clears
    // the result, which no longer matches.
    void setWorkingFraction(int index, const WorkingFraction& working);
    // What every change ends with: the result appears exactly while the working denominators are equal,
    // and the circles are redrawn.
    void finishSumChange();

    SecondFraction& m_second;
    Random& m_random;
    const LanguageTexts& m_texts;
    Voice& m_voice;
    // True while the working denominators Command12(0) and Command12(1) read the same.
    bool EqualDenominators = false;
    // Label8(0..1), Label9(0..1): the task A, B; Label8(2..3): the working numerators of A', B'.
    std::array<Label*, 4> Label8 {};
    std::array<Label*, 2> Label9 {};
    // The factor texts of A and of B, above and below their arrows.
    std::array<Label*, 2> Label10 {};
    std::array<Label*, 2> Label11 {};
    // 0, 1: working denominators of A', B'; 2, 3: the result; 4..7: the result's +5 and -1 buttons.
    std::array<CommandButton*, 8> Command12 {};
    std::array<CommandButton*, 2> Command13 {};
    // Bars and signs Line1(13..26), by their index in Line1; there is no stroke 19.
    std::array<LineShape*, 27> Line1 {};
    // The arrows from A to A' (cyan) and from B to B' (magenta): 0..4 numerator, 5..9 denominator.
    std::array<LineShape*, 10> Line3 {};
    std::array<LineShape*, 10> Line4 {};
};

} // namespace maroleta
