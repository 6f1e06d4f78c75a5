// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Colour numbers of the design as QColors.
#include "logic/colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace maroleta {

namespace {
    QColor systemColor(quint32 index)
    {
        const QPalette palette = QGuiApplication::palette();
        switch (index) {
        case 0x04: // menu
            return palette.color(QPalette::Window);
        case 0x05: // window background
            return palette.color(QPalette::Base);
        case 0x08: // window text
            return palette.color(QPalette::Text);
        case 0x0D: // highlight
            return palette.color(QPalette::Highlight);
        case 0x0E: // highlight text
            return palette.color(QPalette::HighlightedText);
        case 0x0F: // button face
            return palette.color(QPalette::Button);
        default:
            return palette.color(QPalette::WindowText);
        }
    }
}

QColor designColor(quint32 number)
{
    if (number & 0x80000000u)
        return systemColor(number & 0xFFu);
    return QColor(int(number & 0xFFu), int((number >> 8) & 0xFFu), int((number >> 16) & 0xFFu));
}

quint32 colorNumber(QColor color)
{
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}

} // namespace maroleta
