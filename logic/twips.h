// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Twips (1/1440 inch) as the design gives positions, and Qt's device-independent pixels.
#pragma once

#include <QRect>

namespace maroleta {

class Twips {
public:
    // 1440 twips an inch at the screen's logical dots per inch: 15 twips a pixel at 96 DPI.
    explicit Twips(double logicalDpi = 96.0)
        : m_perPixel(1440.0 / (logicalDpi > 0 ? logicalDpi : 96.0))
    {
    }

    double perPixel() const { return m_perPixel; }
    int toPixels(double twips) const;
    double toTwips(int pixels) const { return pixels * m_perPixel; }
    // The pixel rectangle of a twips rectangle: both edges rounded, so neighbours meet without gaps.
    QRect toPixels(const QRect& twips) const;

private:
    double m_perPixel;
};

} // namespace maroleta
