// Form1, the main window: the menu column, the explanation line and the nine sections.
// Its members are defined across the folders, one file for each section and one for each shell duty.
#pragma once

#include "shell/controls.h"

#include "logic/random.h"
#include "logic/simplifyexercise.h"

#include <QWidget>

#include <array>
#include <memory>
#include <optional>

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
    PrimeTable Primes {};
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
    // Circles on the first picture since it was last drawn: clicks on sectors change its numerator alone.
    qint64 FirstPictureCircles = 1;
    // What the first picture shows now, for screen readers.
    void describeFirstPicture();
    // What Picture2 holds when it shows a fraction: its terms and the picture's size. Navigation redraws
    // the second fraction on every click; a redraw of the very same picture is skipped.
    struct DrawnFraction {
        double numerator = 0;
        double denominator = 0;
        QSize size;
        bool operator==(const DrawnFraction&) const = default;
    };
    std::optional<DrawnFraction> SecondDrawn;

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
    void ShowFirstFractionSteps();
    void ShowSecondFractionSteps();
    void ShowResultFraction();
    void HideResultFraction();
    // Index 0 and 1: the next multiple of A' or B'; 2 and 3: result numerator and denominator +1;
    // 4, 5: numerator +5, -1; 6, 7: denominator +5, -1.
    void Command12_Click(int Index);
    // One multiple back for A' (0) or B' (1).
    void Command13_Click(int Index);
    // True while the working denominators Command12(0) and Command12(1) read the same.
    bool EqualDenominators = false;
    // Label8(0..1), Label9(0..1): the task A, B; Label8(2..3): the working numerators of A', B'.
    std::array<Label*, 4> Label8 {};
    std::array<Label*, 2> Label9 {};
    // The factor texts of A and of B, above and below their arrows.
    std::array<Label*, 2> Label10 {};
    std::array<Label*, 2> Label11 {};
    // 0, 1: working denominators of A', B'; 2, 3: the result; 4..7: the result's +5 and -1 buttons.
    std::array<CommandButton*, 8> Command12 {};
    std::array<CommandButton*, 2> Command13 {};
    // The arrows from A to A' (cyan) and from B to B' (magenta): 0..4 numerator, 5..9 denominator.
    std::array<LineShape*, 10> Line3 {};
    std::array<LineShape*, 10> Line4 {};

    // ---- Section 4, simplification practice (practice/simplifypractice.cpp) ----
    void NewSimplifyExercises();
    // Starts editing answer field Index with the keypad.
    void Label17_Click(int Index);
    // Checks step Index + 1: the fraction in fields 2·Index, 2·Index+1 simplified to the next two.
    void Command21_Click(int Index);
    // Sets CanSimplify from the answer being checked (ToNum, ToDen).
    void CheckStillSimplifiable();
    // Fields 0 and 1 hold the fraction to simplify, fields 2j and 2j+1 the answer of step j (1..5).
    std::array<Label*, 12> Label17 {};
    std::array<CommandButton*, 5> Command21 {};
    // 0: bar of the fraction to simplify; for step j, 3j-2 and 3j-1 its "=" sign and 3j its bar.
    std::array<LineShape*, 16> Line7 {};
    // The step being checked: the fraction it starts from and the answer typed.
    double FromNum = 0;
    double FromDen = 0;
    double ToNum = 0;
    qint32 ToDen = 0;
    bool CanSimplify = false;

    // ---- Section 5, sum and subtraction practice (practice/sumpractice.cpp) ----
    void NewSumExercise();
    void Command14_Click(int Index);
    void Command15_Click(int Index);
    void Command16_Click(int Index);
    void List1_Click(int Index);
    void Command17_Click();
    // Steps answer numerator Index by `step`, then offers the check if the answer is complete.
    void stepSumNumerator(int Index, double step);
    // Label12: given numerators; Label13(0..2) given denominators, (3..6) the common denominator of the
    // answer row; Command14: answer numerators, 3 the result; Command15 "+5", Command16 "-1" above them.
    std::array<Label*, 3> Label12 {};
    std::array<Label*, 7> Label13 {};
    std::array<CommandButton*, 4> Command14 {};
    std::array<CommandButton*, 4> Command15 {};
    std::array<CommandButton*, 4> Command16 {};
    // The multiples of each given denominator, and the working line under each list.
    std::array<ListBox*, 3> List1 {};
    std::array<Label*, 3> Label14 {};
    CommandButton* Command17 = nullptr;
    // Fraction bars and signs; Line5(9) and Line5(15) are the vertical strokes that make the second sign a plus.
    std::array<LineShape*, 19> Line5 {};
    bool AddThird = false;
    bool DenominatorsMatched = false;

    // ---- Section 6, multiplication and division practice (practice/muldivpractice.cpp) ----
    void NewMulDivExercise();
    void Option1_Click(int Index);
    void Command18_Click(int Index);
    void Command19_Click();
    // The cross for a multiplication, the two dots for a division, as Option1 chooses.
    void showMulDivSign();
    // The two given fractions: Label15 numerators, Label16 denominators.
    std::array<Label*, 2> Label15 {};
    std::array<Label*, 2> Label16 {};
    // Command18(0) and (3) show the answer's numerator and denominator; (1), (2), (4), (5) step them.
    std::array<CommandButton*, 6> Command18 {};
    CommandButton* Command19 = nullptr;
    std::array<OptionButton*, 2> Option1 {};
    // Fraction bars, "=", the answer's bar, the cross (5, 6) and the dots (7, 8).
    std::array<LineShape*, 9> Line6 {};

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
    // The keypad, created and loaded on first use. The field it writes into is KeypadTarget (keypad/keypadtarget.h).
    Form2* keypad();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Tab moves through the controls in the order they stand on the screen (shell/keyboard.cpp).
    bool focusNextPrevChild(bool next) override;
    // Digits typed while the keypad is shown go to the keypad's digit keys (shell/keyboard.cpp).
    void keyPressEvent(QKeyEvent* event) override;

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
