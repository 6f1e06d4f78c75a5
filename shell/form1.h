// Form1, the main window: the menu column, the explanation line and the nine sections.
// Its members are defined across the folders, one file for each section and one for each shell duty.
#pragma once

#include "shell/controls.h"

#include "logic/random.h"

#include <QWidget>

#include <array>
#include <memory>

namespace maroleta {

class Form2;
class Form3;

class Form1 : public QWidget {
    Q_OBJECT
public:
    // Builds the window and runs its start-up. A generator handed in (tests) is used as it is;
    // without one the window keeps its own, seeded from the clock at start-up.
    explicit Form1(Random* random = nullptr, QWidget* parent = nullptr);
    ~Form1() override;

    // ---- Shell: start-up, navigation, language texts, layout (shell/) ----
    void Form_Load();
    void Command1_Click(int Index);
    void ArrangeScreen();
    void LoadLanguageTexts();

    int CurrentSection = 7;
    std::array<quint8, 10> Primes {};
    std::array<QString, 11> MenuExplanations;
    std::array<QString, 2> CheckTexts;
    bool MistakeMade = false;

    std::array<Frame*, 9> Frame1 {};
    std::array<CommandButton*, 9> Command1 {};
    std::array<Label*, 3> Label20 {};
    Label* Label21 = nullptr;
    CommandButton* Command20 = nullptr;

    // Shared by sections 0 to 3: drawn over the section frames when shown.
    PictureBox* Picture1 = nullptr;
    PictureBox* Picture2 = nullptr;
    Frame* Frame2 = nullptr;
    Frame* Frame3 = nullptr;
    // Fraction bars and sign strokes of sections 0 to 3 share one array: 0..1 the editors of section 0,
    // 2..12 the simplifying screen, 13..26 the guided sum.
    std::array<LineShape*, 27> Line1 {};

    Random& random() { return *m_random; }

    // ---- Section 0, graphic representation (learn/graphic.cpp) ----
    void DrawFirstFraction();
    void DrawSecondFraction();
    // The editing buttons: Index 0 is "+", Index 1 is "--" (or "-").
    void Command2_Click(int Index);
    void Command3_Click(int Index);
    void Command4_Click(int Index);
    void Command5_Click(int Index);
    // A press on the first picture: Button 1 left, 2 right, 4 middle; X and Y in pixels of the picture.
    void Picture1_Mousedown(int Button, int Shift, double X, double Y);

    // The first fraction (in Frame2) and the second (in Frame3): numerator 0, denominator 1.
    std::array<Label*, 2> Label1 {};
    std::array<Label*, 2> Label2 {};
    std::array<CommandButton*, 2> Command2 {};
    std::array<CommandButton*, 2> Command3 {};
    std::array<CommandButton*, 2> Command4 {};
    std::array<CommandButton*, 2> Command5 {};
    // Full circles of the last drawing with numerator > denominator; they limit the editing buttons.
    double FirstWholeCircles = 0;
    qint16 SecondWholeCircles = 0;

    // ---- Section 1, amplifying (learn/amplify.cpp) ----
    void ShowAmplification();
    void Command6_Click(int Index);
    void Command7_Click(int Index);
    void Command8_Click(int Index);
    qint16 AmplifyIndex = 0;

    // The working line a/b × k/k = (a X k)/(b X k) = (a·k)/(b·k): numerators Label4, denominators Label5.
    std::array<Label*, 4> Label4 {};
    std::array<Label*, 4> Label5 {};
    // The strokes of × (0, 1) and of the two equals signs (2, 3 and 4, 5); the bars are Line1(2..5).
    std::array<LineShape*, 6> Line2 {};
    std::array<CommandButton*, 10> Command6 {}; // "X 1" to "X 10"
    std::array<CommandButton*, 2> Command7 {};
    std::array<CommandButton*, 2> Command8 {};

    // ---- Section 2, simplifying (learn/simplify.cpp) ----
    void HideSimplifySteps();
    void ShowSimplifySteps();
    void Command9_Click(int Index);
    void Command10_Click(int Index);
    void Command11_Click(int Index);
    // Label3(2): the message that a fraction cannot be divided by the chosen prime.
    std::array<Label*, 3> Label3 {};
    // The working line a/b = (a : p)/(b : p) = (a/p)/(b/p): numerators Label6, denominators Label7;
    // its bars and signs are Line1(6..12).
    std::array<Label*, 3> Label6 {};
    std::array<Label*, 3> Label7 {};
    std::array<CommandButton*, 7> Command9 {}; // ": 2" to ": 17"
    std::array<CommandButton*, 2> Command10 {};
    std::array<CommandButton*, 2> Command11 {};

    // ---- Section 3, guided sum (learn/guidedsum.cpp) ----
    void NewSumExample();
    void DrawSumPictures();
    void HideFirstFractionSteps();
    void HideSecondFractionSteps();

    // ---- Section 4, simplification practice (practice/simplifypractice.cpp) ----
    void NewSimplifyExercises();
    std::array<CommandButton*, 5> Command21 {};

    // ---- Section 5, sum and subtraction practice (practice/sumpractice.cpp) ----
    void NewSumExercise();
    CommandButton* Command17 = nullptr;

    // ---- Section 6, multiplication and division practice (practice/muldivpractice.cpp) ----
    void NewMulDivExercise();
    CommandButton* Command19 = nullptr;
    std::array<OptionButton*, 2> Option1 {};

    // ---- Sections 7 and 8, presentation and start screens (shell/presentation.cpp) ----
    std::array<Label*, 6> Label18 {};
    std::array<Label*, 4> Label19 {};
    LineShape* Line8 = nullptr;

    // ---- Results log (results/resultslog.cpp) ----
    void Command20_Click();
    // Appends one finished exercise to the results log, loading the results window unseen if needed.
    void WriteResultLine(const QString& line);
    // The results window, loaded (not shown) on first use.
    Form3* results();
    qint64 ResultCount = 0;

    // ---- Keypad (keypad/) ----
    // The keypad, created and loaded on first use.
    Form2* keypad();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The window as designed, before start-up: every control with its design place, size, font and caption.
    void buildMenu();
    void buildSharedPictures();
    void buildGraphicSection();
    void buildAmplifySection();
    void buildSimplifySection();
    void buildGuidedSumSection();
    void buildSimplifyPracticeSection();
    void buildSumPracticeSection();
    void buildMulDivSection();
    void buildPresentationSection();
    void buildStartSection();

    // The inner frame of section `section` (Frame4..Frame11), built empty and placed by the layout.
    Frame* makeInnerFrame(int section, const QString& name);

public:
    // Inner frames of the sections, by section: Frame4, Frame5, Frame6, Frame9, Frame7, Frame8, Frame10, Frame11.
    Frame* Frame4 = nullptr;
    Frame* Frame5 = nullptr;
    Frame* Frame6 = nullptr;
    Frame* Frame7 = nullptr;
    Frame* Frame8 = nullptr;
    Frame* Frame9 = nullptr;
    Frame* Frame10 = nullptr;
    Frame* Frame11 = nullptr;
    std::array<Frame*, 9> innerFrames {};

private:
    Random m_ownRandom;
    Random* m_random;
    std::unique_ptr<Form2> m_keypad;
    std::unique_ptr<Form3> m_results;
};

} // namespace maroleta
