// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// What the keypad's keys do to the number on its display.
#pragma once

#include <QString>

#include <optional>

namespace maroleta {

// A digit key: the display's value v becomes v·10 + digit while v is under 10000 in size (so at most five
// digits from 0; -3 then 5 gives -25); from 10000 up, or -10000 down, the key does nothing, which is an
// empty result.
std::optional<QString> keypadDigit(const QString& display, int digit);

// The step of each step key, by index: +1, -1, +5, -5, +10, -10.
int keypadStep(int index);
// The caption of each step key, by index.
QString keypadStepCaption(int index);

// A step key: the display's value plus the step, without bounds.
QString keypadStepped(const QString& display, int index);

} // namespace maroleta
