// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Short phrases for screen readers about what changed away from the focus: a new fraction, a verdict, the
// explanation of the section entered. The focus stays where the pupil left it.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace maroleta {

// Has a screen reader say `text`. What is announced in one go (a press and all it changes) is said as one
// phrase, in order, once the press is handled. `context` is any control of the window it concerns.
void announce(QWidget* context, const QString& text);

// The pieces said in one go as one text, each ending a sentence, so the voice or the screen reader pauses
// between them: "3/4. Correcto".
QString asSentences(const QStringList& pieces);

} // namespace maroleta
