// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Controls the learning screens build alike: small buttons, the base fraction's terms, the fraction editors.
#pragma once

#include "widgets/controls.h"

#include <array>
#include <functional>

namespace maroleta {

// The range of the terms of the amplifying and simplifying screens' base fraction.
constexpr double kLargestBaseTerm = 200;
constexpr double kSmallestBaseDenominator = 2;

// The editing buttons of the graphic screen's two fractions: a picture holds at most this many whole
// circles before the numerator's "+" stops, and a denominator goes no higher than this.
constexpr double kMostWholeCircles = 16;
constexpr double kLargestDenominator = 150;

// A "+" (index 0) or "--" (index 1) on a term of the base fraction: one up to kLargestBaseTerm or one
// down to `smallest`. Returns whether the term changed.
bool stepBaseTerm(Label* term, int index, double smallest);

// A button with its caption, connected to `onClick`.
template <typename Handler>
CommandButton* makeButton(
    QWidget* parent, const QString& name, const QRect& twips, const QString& caption, Handler onClick)
{
    auto* button = makeControl<CommandButton>(parent, name, twips);
    button->setText(caption);
    QObject::connect(button, &QPushButton::clicked, parent, onClick);
    return button;
}

// Adds `step` to the number a caption shows.
void addToCaption(Label* label, double step);

// The editor of one fraction of the graphic screen in its frame: numerator over denominator with the bar
// between, and a column of four buttons, "+" and "--" for each.
struct FractionEditor {
    std::array<Label*, 2> terms {}; // numerator 0, denominator 1
    std::array<CommandButton*, 2> numeratorButtons {};
    std::array<CommandButton*, 2> denominatorButtons {};
    LineShape* bar = nullptr;
};
struct EditorNames {
    const char* terms; // "Label1"
    int termLeft;
    int termWidth;
    int bar; // the index of the bar in Line1
    const char* numeratorButtons; // "Command2"
    const char* denominatorButtons; // "Command3"
    const char* denominatorMinus; // the caption of the denominator's "--"
};
FractionEditor makeFractionEditor(Frame* frame, const EditorNames& names, const std::function<void(int)>& onNumerator,
    const std::function<void(int)>& onDenominator);

} // namespace maroleta
