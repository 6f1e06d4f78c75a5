// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The keyboard order of a window: Tab and the arrow keys of the buttons move through its controls in the
// order they stand on the screen, worked out from where the controls are at the moment of the key press.
#pragma once

#include <QWidget>

#include <vector>

namespace maroleta {

// The controls of `window` that Tab reaches now (shown, enabled, taking Tab focus), in screen order:
// controls whose horizontal extents overlap form one column, the columns go from left to right and each
// column from top to bottom (a row within it from left to right); a container's controls stand together
// in the place of the container.
std::vector<QWidget*> screenTabOrder(QWidget* window);

// Moves the focus to the next (or previous) control of `window` in screen order, wrapping round.
// Returns false when the window has no control to take it.
bool focusNextOnScreen(QWidget* window, bool next);

// The digit of a key press, 0 to 9 (main row or number pad, no other modifier), or -1.
int typedDigit(const QKeyEvent* event);

} // namespace maroleta
