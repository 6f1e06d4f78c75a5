// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Twips and device-independent pixels.
#include "logic/twips.h"

#include <cmath>

namespace maroleta {

int Twips::toPixels(double twips) const { return int(std::lround(twips / m_perPixel)); }

QRect Twips::toPixels(const QRect& twips) const
{
    const int left = toPixels(twips.x());
    const int top = toPixels(twips.y());
    const int right = toPixels(double(twips.x()) + twips.width());
    const int bottom = toPixels(double(twips.y()) + twips.height());
    return QRect(left, top, right - left, bottom - top);
}

} // namespace maroleta
