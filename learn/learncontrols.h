// Controls the learning screens build alike: number labels, fraction bars and signs, small buttons.
#pragma once

#include "shell/controls.h"

namespace maroleta {

// The range of the terms of the amplifying and simplifying screens' base fraction.
constexpr double kLargestBaseTerm = 200;
constexpr double kSmallestBaseDenominator = 2;

// A "+" (index 0) or "--" (index 1) on a term of the base fraction: one up to kLargestBaseTerm or one
// down to `smallest`. Returns whether the term changed.
bool stepBaseTerm(Label* term, int index, double smallest);

// A number of a fraction: Arial bold 18 pt, centred, 495 twips high.
Label* makeNumberLabel(QWidget* parent, const QString& name, int left, int top, int width, const QString& caption);

// A fraction bar or a stroke of a sign, 3 pixels wide.
LineShape* makeStroke(QWidget* parent, const QString& name, int x1, int y1, int x2, int y2);

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

} // namespace maroleta
