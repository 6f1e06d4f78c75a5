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
    if (value >= 10000)
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
