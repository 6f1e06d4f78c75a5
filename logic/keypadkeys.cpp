// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// What the keypad's keys do to the number on its display.
#include "logic/keypadkeys.h"

#include "logic/captions.h"

#include <array>

namespace maroleta {

namespace {
    constexpr std::array<int, 6> steps { 1, -1, 5, -5, 10, -10 };
}

std::optional<QString> keypadDigit(const QString& display, int digit)
{
    const double value = captionValue(display);
    // The limit holds for the size of the number, whichever its sign: a negative display would
    // otherwise take digits without end (-1, -8, -78, ...) until it no longer read as a whole number.
    if (value >= 10000 || value <= -10000)
        return std::nullopt;
    return numberCaption(value * 10 + digit);
}

int keypadStep(int index) { return index >= 0 && index < int(steps.size()) ? steps[index] : 0; }

QString keypadStepCaption(int index)
{
    const int step = keypadStep(index);
    return step > 0 ? QStringLiteral("+%1").arg(step) : QString::number(step);
}

QString keypadStepped(const QString& display, int index)
{
    return numberCaption(captionValue(display) + keypadStep(index));
}

} // namespace maroleta
