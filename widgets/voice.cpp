// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Reading aloud: what is said, when, and what happens when the engine fails.
#include "widgets/voice.h"

#include "widgets/accessibility.h"
#include "widgets/announce.h"

#include <QWidget>

#include <QtMath>

namespace maroleta {

Voice::Voice(std::unique_ptr<SpeechEngines> engines, QObject* window)
    : QObject(window)
    , m_engines(engines ? std::move(engines) : std::make_unique<SpeechEngines>())
{
    if (m_engines->available().isEmpty())
        m_problem = SpeechProblem::NoEngine;
}

Voice::~Voice() = default;

void Voice::load() { m_texts.load(); }

void Voice::setOn(bool on)
{
    if (on && (m_problem || !m_texts.usable()))
        return;
    if (!on) {
        m_pending.clear();
        if (m_on && m_speaker)
            m_speaker->say(QString()); // silence at once
    }
    m_on = on;
    if (on && !m_speaker) {
        m_speaker = m_engines->make(m_texts.locales);
        m_speaker->setParent(this);
        connect(m_speaker.get(), &Speaker::failed, this, &Voice::fail);
    }
}

void Voice::say(const QString& text, const QString& shown)
{
    if (!m_on) {
        if (auto* window = qobject_cast<QWidget*>(parent()))
            announce(window, shown.isEmpty() ? text : shown);
        return;
    }
    speak(text);
}

void Voice::speak(const QString& text)
{
    if (!m_on || text.trimmed().isEmpty())
        return;
    if (m_pending.isEmpty())
        QMetaObject::invokeMethod(this, &Voice::speakPending, Qt::QueuedConnection);
    m_pending.append(m_texts.spoken(text.trimmed()));
}

void Voice::say(std::initializer_list<QString> words, const QString& shown)
{
    say(QStringList(words).join(u' '), shown);
}

QString Voice::fraction(double numerator, double denominator) const
{
    return m_texts.fraction(qRound64(numerator), qRound64(denominator));
}

void Voice::sayVerdict(bool right, const QString& wrongWhere)
{
    QString shown = right ? rightWord() : wrongWord();
    if (!right && !wrongWhere.isEmpty())
        shown += QStringLiteral(": ") + wrongWhere;
    if (m_on)
        speak(right ? m_texts.right : m_texts.wrong);
    else
        say(shown);
}

void Voice::speakPending()
{
    if (!m_on || m_pending.isEmpty())
        return;
    const QString text = asSentences(m_pending);
    m_pending.clear();
    m_speaker->say(text);
}

void Voice::fail(SpeechProblem problem)
{
    m_problem = problem;
    m_on = false;
    m_pending.clear();
    Q_EMIT failed();
}

} // namespace maroleta
