// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The program's one random generator: every draw uniform in [0, 1), every range Int(r * N) + k.
#pragma once

#include <QRandomGenerator>

namespace maroleta {

class Random {
public:
    // Seeded from the clock, as the program does at start-up.
    Random();
    // Seeded with a fixed value, so that tests see the same exercises every run.
    explicit Random(quint32 seed);

    void seedFromClock();
    void seed(quint32 value);

    // A draw uniform in [0, 1).
    double next();
    // Int(r * count) + first: each of the count values from first on is equally likely.
    int draw(int count, int first);

private:
    QRandomGenerator m_generator;
};

} // namespace maroleta
