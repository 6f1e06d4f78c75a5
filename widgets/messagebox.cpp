// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The program's message boxes.
#include "widgets/messagebox.h"

#include "widgets/voice.h"

#include <QMessageBox>

namespace maroleta {

namespace {
    MessageSink& sink()
    {
        static MessageSink current;
        return current;
    }
}

QString applicationTitle() { return QStringLiteral("Maroleta"); }

void showMessage(QWidget* parent, const QString& text)
{
    // Read aloud while it shows, where the pupil has reading on.
    if (parent)
        if (auto* voice = parent->window()->findChild<Voice*>(QString(), Qt::FindDirectChildrenOnly))
            voice->speak(text); // a screen reader reads the box itself as it opens
    if (sink()) {
        sink()(applicationTitle(), text);
        return;
    }
    QMessageBox::information(parent, applicationTitle(), text, QMessageBox::Ok);
}

void setMessageSink(MessageSink newSink) { sink() = std::move(newSink); }

} // namespace maroleta
