// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The program's message boxes: OK only, under the application's title. Tests observe them here.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace maroleta {

// The title of every message box: the application's name.
QString applicationTitle();

// Shows a modal message with an OK button and returns when it is answered. The message is read aloud
// when reading is on in the window of `parent`.
void showMessage(QWidget* parent, const QString& text);

// Replaces what showMessage does (tests answer the box at once and record its text); an empty function restores it.
using MessageSink = std::function<void(const QString& title, const QString& text)>;
void setMessageSink(MessageSink sink);

} // namespace maroleta
