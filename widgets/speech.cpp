// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The speech engine of the machine, run on a thread of its own. Starting an engine can take seconds (on
// Linux it starts speech-dispatcher) and, where speech-dispatcher hangs, forever: the window must go on
// answering the pupil whatever the engine does.
#include "widgets/speech.h"

#include <QLocale>
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>

#include <optional>

namespace maroleta {

namespace {
    // How long the engine may take to start before reading is given up.
    constexpr int answerMilliseconds = 15000;
    // How long closing the window waits for a busy engine before leaving it to the end of the process.
    constexpr int stopMilliseconds = 2000;
    // How often, and how far apart, a speech service that lists no voice yet is asked again.
    constexpr int voiceAttempts = 5;
    constexpr int voiceRetryMilliseconds = 1000;

    // The locale of a voice for the first of `wanted` that has one: the same language and country first,
    // then the same language. Setting a locale without a voice puts the engine into its error state.
    std::optional<QLocale> voiceLocale(const QList<QLocale>& voices, const QStringList& wanted)
    {
        for (const QString& name : wanted) {
            const QLocale want(name);
            if (want.language() == QLocale::C || want.language() == QLocale::AnyLanguage)
                continue; // a code QLocale does not know
            for (const QLocale& voice : voices)
                if (voice.language() == want.language() && voice.territory() == want.territory())
                    return voice;
            for (const QLocale& voice : voices)
                if (voice.language() == want.language())
                    return voice;
        }
        return std::nullopt;
    }

    // Lives on the engine's thread and owns the engine there.
    class EngineWorker : public QObject {
        Q_OBJECT
    public:
        void start(const QStringList& locales)
        {
            m_locales = locales;
            connectEngine();
        }

        void speak(const QString& text)
        {
            if (!m_working)
                return;
            m_engine->stop();
            if (!text.isEmpty())
                m_engine->say(text);
        }

    Q_SIGNALS:
        void ready();
        void speaking();
        void failed(SpeechProblem problem);

    private:
        void connectEngine()
        {
            delete m_engine;
            m_engine = new QTextToSpeech(this); // may block while the engine's service starts
            // The state alone says little here: speech-dispatcher's engine reports an error as soon as the
            // machine's own language (say "C") has no voice, which with a module that lists only a few
            // languages (the generic one, as RHVoice or festival use) is the usual case, and it speaks well
            // all the same. Only an engine that could not start at all is given up.
            if (m_engine->state() == QTextToSpeech::Error
                && m_engine->errorReason() == QTextToSpeech::ErrorReason::Initialization) {
                Q_EMIT failed(SpeechProblem::EngineFailed);
                return;
            }
            const QList<QLocale> voices = m_engine->availableLocales();
            // A speech-dispatcher started just now for us may answer before its modules list their voices:
            // ask a new connection again a little later.
            if (voices.isEmpty() && ++m_attempts < voiceAttempts) {
                QTimer::singleShot(voiceRetryMilliseconds, this, &EngineWorker::connectEngine);
                return;
            }
            const std::optional<QLocale> locale = voiceLocale(voices, m_locales);
            if (!locale) {
                Q_EMIT failed(SpeechProblem::NoVoice);
                return;
            }
            m_engine->setLocale(*locale);
            // Whether the voice was taken shows in the engine's locale, which a refused change leaves as it
            // was; its state may still be the error of the start.
            if (m_engine->locale().language() != locale->language()) {
                Q_EMIT failed(SpeechProblem::EngineFailed);
                return;
            }
            connect(m_engine, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
                if (state == QTextToSpeech::Speaking)
                    Q_EMIT speaking();
                else if (state == QTextToSpeech::Error && m_working) {
                    m_working = false;
                    Q_EMIT failed(SpeechProblem::EngineFailed);
                }
            });
            m_working = true;
            Q_EMIT ready();
        }

        QStringList m_locales;
        int m_attempts = 0;
        QTextToSpeech* m_engine = nullptr;
        bool m_working = false;
    };

    class EngineSpeaker : public Speaker {
    public:
        explicit EngineSpeaker(const QStringList& locales)
            : m_thread(new QThread)
            , m_worker(new EngineWorker)
        {
            m_worker->moveToThread(m_thread);
            connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
            connect(
                m_worker, &EngineWorker::ready, this, [this] { m_answer.stop(); }, Qt::QueuedConnection);
            connect(m_worker, &EngineWorker::speaking, this, &Speaker::spoke, Qt::QueuedConnection);
            connect(m_worker, &EngineWorker::failed, this, &EngineSpeaker::fail, Qt::QueuedConnection);
            m_answer.setSingleShot(true);
            connect(&m_answer, &QTimer::timeout, this, [this] { fail(SpeechProblem::NoAnswer); });
            m_answer.start(answerMilliseconds);
            m_thread->start();
            QMetaObject::invokeMethod(
                m_worker, [worker = m_worker, locales] { worker->start(locales); }, Qt::QueuedConnection);
        }

        ~EngineSpeaker() override
        {
            disconnect(m_worker, nullptr, this, nullptr);
            m_thread->quit();
            // An engine stuck in starting cannot be stopped: its thread is left to end with the process.
            if (m_thread->wait(stopMilliseconds))
                delete m_thread;
        }

        void say(const QString& text) override
        {
            if (m_failed)
                return;
            QMetaObject::invokeMethod(
                m_worker, [worker = m_worker, text] { worker->speak(text); }, Qt::QueuedConnection);
        }

    private:
        void fail(SpeechProblem problem)
        {
            m_answer.stop();
            if (m_failed)
                return;
            m_failed = true;
            Q_EMIT failed(problem);
        }

        QThread* m_thread;
        EngineWorker* m_worker;
        QTimer m_answer;
        bool m_failed = false;
    };
}

Speaker::~Speaker() = default;

SpeechEngines::~SpeechEngines() = default;

QStringList SpeechEngines::available() const { return QTextToSpeech::availableEngines(); }

std::unique_ptr<Speaker> SpeechEngines::make(const QStringList& locales)
{
    return std::make_unique<EngineSpeaker>(locales);
}

} // namespace maroleta

#include "speech.moc"
