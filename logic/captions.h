// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Numbers kept in captions: reading them back and writing them out, and the two whole-number conversions.
#pragma once

#include <QString>

namespace maroleta {

// The leading number of a caption: blanks skipped, an optionally signed decimal number read in
// double precision, stopping at the first other character. "" and "?" read as 0.
double captionValue(const QString& caption);

// A number as a caption: plain decimal, no leading blank ("12", "-1", "2.5").
QString numberCaption(double value);

// Conversion of a real value to a whole number: nearest, halves to the even one.
qint64 roundHalfEven(double value);

// Int(): the floor of a real value.
qint64 floorInt(double value);

// The layout's "\ 2": round half to even, then halve dropping the remainder (toward zero).
qint64 halveRounded(double value);

} // namespace maroleta
