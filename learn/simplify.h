// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Section 2, simplifying: a base fraction divided by a prime, written out step by step; the result (or the
// base, while it cannot be divided) is shown as the second fraction of the graphic screen.
#pragma once

#include "learn/secondfraction.h"
#include "widgets/section.h"

namespace maroleta {

class SimplifySection : public Section {
    Q_OBJECT
public:
    SimplifySection(Frame* frame, SecondFraction& second, Voice& voice);

    void takeTexts(const LanguageTexts& texts) override;
    // Hides the message that the fraction cannot be divided by the prime chosen.
    void hideCannotDivide();

private:
    void Command9_Click(int Index);
    void Command10_Click(int Index);
    void Command11_Click(int Index);
    void HideSimplifySteps();
    void ShowSimplifySteps();
    // Changed or not, the base becomes the second fraction; the "cannot be divided" message stays.
    void baseToSecondFraction();

    SecondFraction& m_second;
    Voice& m_voice;
    // Label3(2): the message that a fraction cannot be divided by the chosen prime.
    Label* Label3 = nullptr;
    // The working line a/b = (a : p)/(b : p) = (a/p)/(b/p): numerators Label6, denominators Label7.
    std::array<Label*, 3> Label6 {};
    std::array<Label*, 3> Label7 {};
    // Its bars and signs Line1(6..12), by their index in Line1.
    std::array<LineShape*, 13> Line1 {};
    std::array<CommandButton*, 7> Command9 {}; // ": 2" to ": 17"
    std::array<CommandButton*, 2> Command10 {};
    std::array<CommandButton*, 2> Command11 {};
};

} // namespace maroleta
