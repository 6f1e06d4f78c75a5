// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The arithmetic of the screen layout: where the sections, the two pictures, the side frames and the
// inner frames go for a given screen. All lengths are twips.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

namespace maroleta {

struct LayoutInput {
    QSize screen; // the whole screen
    int topMenuButtonTop = 960; // Command1(7).Top
    int menuLeft = 120; // Command1(0).Left
    int menuWidth = 1695; // Command1(0).Width
    int sideFrameWidth = 1815; // Frame2.Width
    // Inner frame of each section (index = section), 1..8; section 0 has none.
    std::array<QSize, 9> innerFrame {};
    int frame6Left = 120; // the inner frame of section 3 keeps its own left edge
};

struct LayoutResult {
    QRect section; // Frame1(0..8): one rectangle for all nine
    QRect picture1;
    QRect picture2;
    QPoint frame2; // side frame of Picture1
    QPoint frame3; // side frame of Picture2
    // Top-left of each section's inner frame inside its section (index = section), 1..8.
    std::array<QPoint, 9> innerFrame {};
};

// The built-in design sizes of the inner frames, indexed by section.
std::array<QSize, 9> designInnerFrameSizes();

LayoutResult arrangeScreen(const LayoutInput& input);

} // namespace maroleta
