// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Reading aloud, as the sections use it: the texts of voz.txt, whether reading is on, and what to say.
// Off at every start; the speech engine is started only when reading is first turned on.
#pragma once

#include "logic/voicetexts.h"
#include "widgets/speech.h"

#include <QObject>
#include <QStringList>

#include <initializer_list>
#include <memory>
#include <optional>

namespace maroleta {

class Voice : public QObject {
    Q_OBJECT
public:
    // `engines` makes the speaker when reading is first turned on; without one, the machine's engines.
    // Built as a child of the main window, which message boxes find it through.
    explicit Voice(std::unique_ptr<SpeechEngines> engines, QObject* window);
    ~Voice() override;

    // Reads voz.txt from the language folder.
    void load();
    const VoiceTexts& texts() const { return m_texts; }
    // Why reading cannot be turned on; nothing while it can.
    std::optional<SpeechProblem> problem() const { return m_problem; }
    bool isOn() const { return m_on; }
    // Turns reading on (the engine starts the first time) or off (what is being said stops).
    void setOn(bool on);

    // Says `text` while reading is on, its signs and numbers in words (VoiceTexts::spoken). What is said in
    // one go (a click and the message box it brings) is said as one text, in order, replacing what was
    // still being said. While reading is off, a screen reader announces `shown` instead (`text` where
    // `shown` is empty): the pupil hears one or the other, never both over each other.
    void say(const QString& text, const QString& shown = {});
    // The words joined by blanks: a fraction, an operation word, another fraction...
    void say(std::initializer_list<QString> words, const QString& shown = {});
    // Says `text` while reading is on, and nothing otherwise: what a screen reader reads by itself.
    void speak(const QString& text);
    // The fraction with these terms in words ("tres cuartos").
    QString fraction(double numerator, double denominator) const;
    // The word for a check judged right or wrong; a screen reader hears after it `wrongWhere`, what the
    // screen shows wrong.
    void sayVerdict(bool right, const QString& wrongWhere = {});

Q_SIGNALS:
    // Reading went off by itself and cannot come back: problem() says why.
    void failed();

private:
    void speakPending();
    void fail(SpeechProblem problem);

    VoiceTexts m_texts;
    std::unique_ptr<SpeechEngines> m_engines;
    std::unique_ptr<Speaker> m_speaker;
    std::optional<SpeechProblem> m_problem;
    bool m_on = false;
    QStringList m_pending;
};

} // namespace maroleta
