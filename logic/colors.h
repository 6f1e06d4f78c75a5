// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Colour numbers of the design (red in the low byte, system colours from 0x80000000) as QColors.
#pragma once

#include <QColor>

namespace maroleta {

namespace DesignColor {
    constexpr quint32 Black = 0x000000;
    constexpr quint32 Red = 0x0000FF;
    constexpr quint32 Green = 0x00FF00;
    constexpr quint32 Blue = 0xFF0000;
    constexpr quint32 White = 0xFFFFFF;
    constexpr quint32 NearWhite = 0xFAFAFA; // RGB(250, 250, 250), the background outside the circles
    constexpr quint32 DarkCyan = 0x808000; // palette colour 3: window, frames, option buttons
    constexpr quint32 Pink = 0xFF80FF;
    constexpr quint32 LightGreen = 0xC0FFC0;
    constexpr quint32 LightYellow = 0xC0FFFF;
    constexpr quint32 Yellow = 0x00FFFF;
    constexpr quint32 LightPink = 0xFFC0FF;
    constexpr quint32 LightRed = 0x8080FF;
    constexpr quint32 Cyan = 0xFFFF00;
    constexpr quint32 Magenta = 0xFF00FF;
    // System colours: the low byte is the index of the system colour.
    constexpr quint32 SystemMenu = 0x80000004;
    constexpr quint32 SystemWindow = 0x80000005;
    constexpr quint32 SystemWindowText = 0x80000008;
    constexpr quint32 SystemHighlight = 0x8000000D;
    constexpr quint32 SystemHighlightText = 0x8000000E;
    constexpr quint32 SystemButtonFace = 0x8000000F;
}

// The QColor of a design colour number. System colours come from the application palette.
QColor designColor(quint32 number);

// The design number of an RGB colour (red in the low byte); the inverse of designColor for plain colours.
quint32 colorNumber(QColor color);

} // namespace maroleta
