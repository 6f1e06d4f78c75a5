// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Where the results window goes: over the section area of the main window.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace maroleta {

// Top-left, in twips, of a window of `window` size placed over the section frame `section` (its
// coordinates in the main window taken directly as screen coordinates): centred across, 500 twips
// below centre down. Each difference is rounded to a whole number and halved with the remainder dropped.
QPoint resultsWindowPlace(const QRect& section, const QSize& window);

} // namespace maroleta
