// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Form1, the main window: the menu column, the explanation line, "HISTORIAL" and the nine section frames,
// of which exactly one is shown. It owns the navigation and the layout, and the services the sections
// share: the random generator, the language texts, the results log, the keypad and the voice that reads
// aloud. Each section is a class of its own (learn/, practice/, shell/presentation.h) that keeps its
// controls and state to itself.
#pragma once

#include "logic/languagetexts.h"
#include "logic/random.h"
#include "results/resultslog.h"
#include "widgets/controls.h"
#include "widgets/speech.h"

#include <QWidget>

#include <array>
#include <memory>

namespace maroleta {

class Form2;
class Form3;
class Section;
class SecondFraction;
class GraphicSection;
class AmplifySection;
class SimplifySection;
class Voice;

class Form1 : public QWidget {
    Q_OBJECT
public:
    // Builds the window and runs its start-up. A generator handed in (tests) is used as it is;
    // without one the window keeps its own, seeded from the clock at start-up. Speech engines handed in
    // (tests) replace the machine's.
    explicit Form1(
        Random* random = nullptr, std::unique_ptr<SpeechEngines> speech = nullptr, QWidget* parent = nullptr);
    ~Form1() override;

    // The keypad, created and loaded on first use.
    Form2* keypad();
    // The results window, loaded (not shown) on first use.
    Form3* results() { return m_results->window(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Tab moves through the controls in the order they stand on the screen.
    bool focusNextPrevChild(bool next) override;
    // Digits typed while the keypad is shown go to the keypad's digit keys.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    // Shows section Index: the menu click.
    void Command1_Click(int Index);
    // "HISTORIAL": shows the results window.
    void Command20_Click();
    void ArrangeScreen();
    void LoadLanguageTexts();

    void buildMenu();
    // The reading switch below "HISTORIAL", built when the language set can be read aloud (voz.txt).
    void buildReadAloud();
    void readAloudToggled(bool on);
    void readAloudUnavailable();

    int CurrentSection = 7;
    std::array<Frame*, 9> Frame1 {};
    std::array<CommandButton*, 9> Command1 {};
    std::array<Label*, 3> Label20 {};
    Label* Label21 = nullptr;
    CommandButton* Command20 = nullptr;
    CommandButton* m_readAloud = nullptr;

    Random m_ownRandom;
    Random* m_random;
    LanguageTexts m_texts;
    std::unique_ptr<ResultsLog> m_results;
    std::unique_ptr<Form2> m_keypad;
    std::unique_ptr<Voice> m_voice;

    // The second fraction, shown by sections 0 to 3, and the sections by number.
    std::unique_ptr<SecondFraction> m_second;
    std::array<std::unique_ptr<Section>, 9> m_sections;
    GraphicSection* m_graphic = nullptr;
    AmplifySection* m_amplify = nullptr;
    SimplifySection* m_simplify = nullptr;
};

} // namespace maroleta
