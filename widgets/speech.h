// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The machine's speech engine behind one small interface: a Speaker says a text, and the engines say
// whether there is any to make one with. The real ones wrap Qt's QTextToSpeech; tests hand in a recorder.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

namespace maroleta {

// Why nothing can be read aloud.
enum class SpeechProblem {
    NoEngine, // no speech engine is installed
    EngineFailed, // the engine could not start, or stopped working
    NoVoice, // the engine has no voice for any of the languages of voz.txt
    NoAnswer, // the engine did not answer in time
};

class Speaker : public QObject {
    Q_OBJECT
public:
    ~Speaker() override;
    // Says `text`, cutting short whatever is still being said; an empty text only cuts it short. Returns at
    // once.
    virtual void say(const QString& text) = 0;

Q_SIGNALS:
    // The voice has begun to speak a text.
    void spoke();
    // The speaker cannot speak after all; it says nothing from then on.
    void failed(SpeechProblem problem);
};

class SpeechEngines {
public:
    virtual ~SpeechEngines();
    // The engines installed (QTextToSpeech::availableEngines()); none: nothing can be read aloud. Asking
    // loads no engine and starts nothing.
    virtual QStringList available() const;
    // A speaker in the first of `locales` ("gl-ES", "es-ES") that the engine has a voice for. Only now is
    // the engine started; a failure to start comes later, through Speaker::failed.
    virtual std::unique_ptr<Speaker> make(const QStringList& locales);
};

} // namespace maroleta
