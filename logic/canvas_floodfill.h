// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The flood fill of one colour's area: scan lines from a work list, no recursion, so that a fill of the
// whole image cannot overflow the stack.
#pragma once

#include "logic/canvas_raster.h"

namespace maroleta::raster {

// Paints `paint` over the pixels of colour `target` 4-connected to (x, y), which must lie on the image and
// be of that colour; `paint` must differ from `target`.
void floodFill(const Surface& surface, int x, int y, QRgb target, QRgb paint);

} // namespace maroleta::raster
