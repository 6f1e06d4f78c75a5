// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Sections 7 and 8: the presentation screen, shown at start, and the start screen with its large fraction
// whose numerator and denominator are named.
#pragma once

#include "widgets/section.h"

namespace maroleta {

class PresentationSection : public Section {
    Q_OBJECT
public:
    explicit PresentationSection(Frame* frame);
    void takeTexts(const LanguageTexts& texts) override;

private:
    std::array<Label*, 6> Label18 {};
};

class StartSection : public Section {
    Q_OBJECT
public:
    explicit StartSection(Frame* frame);
    void takeTexts(const LanguageTexts& texts) override;

private:
    std::array<Label*, 4> Label19 {};
    LineShape* Line8 = nullptr;
};

} // namespace maroleta
