// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Announcements through a notification. Qt 6.4 has no announcement event for screen readers (it came
// with Qt 6.8), and Orca speaks a changed name only where the focus is. What Orca does speak, wherever
// the focus is, is a notification that becomes showing; inside a status bar, without the word
// "notification" before it. So each window keeps a status bar with a notification in it, never shown on
// the screen (no pixel changes, nothing to click or tab to): an announcement becomes the notification's
// name, and it tells the screen reader it is showing. Orca's command that reads the status bar says the
// last announcement again.
#include "widgets/announce.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMetaObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace maroleta {

namespace {
    class Announcer : public QWidget {
        Q_OBJECT
    public:
        explicit Announcer(QWidget* parent)
            : QWidget(parent)
        {
            setObjectName(QStringLiteral("announcement"));
            setAttribute(Qt::WA_DontShowOnScreen);
            hide();
        }

        static Announcer* of(QWidget* window)
        {
            auto* bar = window->findChild<QWidget*>(QStringLiteral("announcements"), Qt::FindDirectChildrenOnly);
            if (!bar) {
                bar = new QWidget(window);
                bar->setObjectName(QStringLiteral("announcements"));
                bar->setAttribute(Qt::WA_DontShowOnScreen);
                bar->hide();
                return new Announcer(bar);
            }
            return bar->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
        }

        void add(const QString& text)
        {
            if (text.isEmpty())
                return;
            if (m_pending.isEmpty())
                QMetaObject::invokeMethod(this, &Announcer::send, Qt::QueuedConnection);
            m_pending.append(text);
        }

    private:
        void send()
        {
            const QString phrase = asSentences(m_pending);
            m_pending.clear();
            setAccessibleName(phrase);
            QAccessibleEvent shown(this, QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&shown);
        }

        QStringList m_pending;
    };

    // Showing to a screen reader while hidden on the screen.
    class ShownAccessible : public QAccessibleWidget {
    public:
        using QAccessibleWidget::QAccessibleWidget;

        QAccessible::State state() const override
        {
            QAccessible::State state = QAccessibleWidget::state();
            state.invisible = false;
            state.offscreen = false;
            return state;
        }
    };

    QAccessibleInterface* announcerAccessible(const QString& className, QObject* object)
    {
        if (className == QLatin1String(Announcer::staticMetaObject.className()))
            return new ShownAccessible(static_cast<QWidget*>(object), QAccessible::Notification);
        if (className == QLatin1String("QWidget") && object->objectName() == QLatin1String("announcements"))
            return new ShownAccessible(static_cast<QWidget*>(object), QAccessible::StatusBar);
        return nullptr;
    }
}

void announce(QWidget* context, const QString& text)
{
    if (!context)
        return;
    static const bool installed = [] {
        QAccessible::installFactory(announcerAccessible);
        return true;
    }();
    Q_UNUSED(installed)
    Announcer::of(context->window())->add(text);
}

QString asSentences(const QStringList& pieces)
{
    QString text;
    for (const QString& piece : pieces) {
        if (!text.isEmpty())
            text += QStringView(u".!?:;,…").contains(text.back()) ? QStringLiteral(" ") : QStringLiteral(". ");
        text += piece;
    }
    return text;
}

} // namespace maroleta

#include "announce.moc"
