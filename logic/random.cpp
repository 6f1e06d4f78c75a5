// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The program's one random generator.
#include "logic/random.h"

#include <QDateTime>

#include <cmath>

namespace maroleta {

Random::Random() { seedFromClock(); }

Random::Random(quint32 value)
    : m_generator(value)
{
}

void Random::seedFromClock()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    m_generator.seed(quint32(now) ^ quint32(now >> 32));
}

void Random::seed(quint32 value) { m_generator.seed(value); }

double Random::next() { return m_generator.generateDouble(); }

int Random::draw(int count, int first) { return int(std::floor(next() * count)) + first; }

} // namespace maroleta
