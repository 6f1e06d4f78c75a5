// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// libFuzzer target: the number read from any caption is finite, and a number written as a caption reads back.
#include "logic/captions.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString caption = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double value = maroleta::captionValue(caption);
    if (!std::isfinite(value))
        std::abort();
    const double whole = std::trunc(value);
    if (std::fabs(whole) < 1e15 && maroleta::captionValue(maroleta::numberCaption(whole)) != whole)
        std::abort();
    maroleta::roundHalfEven(value);
    maroleta::floorInt(value);
    return 0;
}
