// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The texts a translator changes: the lines of the language files, read once at start-up.
#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace maroleta {

struct LanguageTexts {
    // Reads every file from the language folder; a missing or short file gives fewer lines.
    void load();

    QStringList explanations; // explicacionmenu.txt: sections 0..8, then the "cannot be divided" message
    QStringList menu; // menu.txt: the menu buttons 0..8, "HISTORIAL", the three headings
    QStringList presentation; // presentacion.txt: the presentation's second line
    QStringList check; // comprobar.txt: the check buttons' caption, then the two closing texts
    QStringList words; // numedeno.txt: "NUMERADOR", "DENOMINADOR"
    QStringList choices; // muldiv.txt: the two operations of the multiplication practice

    // The explanation line of each section, and the closing texts of a results line (the first is also
    // the guided sum's congratulation). Empty where the file has no line.
    std::array<QString, 11> MenuExplanations;
    std::array<QString, 2> CheckTexts;
};

// A control takes line `index` of `lines` when there is one; otherwise it keeps its built-in text.
template <typename Control> void takeLine(Control* control, const QStringList& lines, int index)
{
    if (control && index >= 0 && index < lines.size())
        control->setText(lines[index]);
}

} // namespace maroleta
