// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Section 1, amplifying: a base fraction multiplied by k/k, written out step by step; the result is shown
// as the second fraction of the graphic screen.
#pragma once

#include "learn/secondfraction.h"
#include "widgets/section.h"

namespace maroleta {

class AmplifySection : public Section {
    Q_OBJECT
public:
    AmplifySection(Frame* frame, SecondFraction& second, Voice& voice);

    // Recomputes the working line and shows its result as the second fraction (navigation runs it too).
    void ShowAmplification();
    // The base denominator becomes `denominator`, kept within the base's range; the working line waits
    // for its next recompute.
    void setBaseDenominator(double denominator);

Q_SIGNALS:
    // After each press on a button of the base fraction.
    void baseChanged();

private:
    void Command6_Click(int Index);
    void Command7_Click(int Index);
    void Command8_Click(int Index);
    // The amplified fraction in words, after each press.
    void sayResult();

    SecondFraction& m_second;
    Voice& m_voice;
    qint16 AmplifyIndex = 0;
    // The working line a/b × k/k = (a X k)/(b X k) = (a·k)/(b·k): numerators Label4, denominators Label5.
    std::array<Label*, 4> Label4 {};
    std::array<Label*, 4> Label5 {};
    // The bars Line1(2..5), by their index in Line1.
    std::array<LineShape*, 6> Line1 {};
    // The strokes of × (0, 1) and of the two equals signs (2, 3 and 4, 5).
    std::array<LineShape*, 6> Line2 {};
    std::array<CommandButton*, 10> Command6 {}; // "X 1" to "X 10"
    std::array<CommandButton*, 2> Command7 {};
    std::array<CommandButton*, 2> Command8 {};
};

} // namespace maroleta
