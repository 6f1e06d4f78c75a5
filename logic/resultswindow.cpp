// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Where the results window goes.
#include "logic/resultswindow.h"

#include "logic/captions.h"

namespace maroleta {

QPoint resultsWindowPlace(const QRect& section, const QSize& window)
{
    const qint64 across = halveRounded(double(section.width()) - window.width());
    const qint64 down = halveRounded(double(section.height()) - window.height());
    return QPoint(int(section.left() + across), int(section.top() + 500 + down));
}

} // namespace maroleta
