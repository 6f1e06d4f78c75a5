// Moving between the nine sections with the menu.
#include "shell/form1.h"

namespace maroleta {

void Form1::Command1_Click(int Index)
{
    if (Index < 0 || Index > 8)
        return;
    Frame1[CurrentSection]->hide();
    Command1[CurrentSection]->setBackColor(DesignColor::White);
    Command1[Index]->setBackColor(DesignColor::Green);
    Frame1[Index]->show();
    Label21->setText(MenuExplanations[Index]);
    ShowAmplification();

    // The four controls shared by sections 0 to 3, set in this order before any preparation runs.
    const bool firstPicture = Index == 0;
    const bool secondPicture = Index <= 3;
    const bool secondEditor = Index <= 2;
    Picture1->setVisible(firstPicture);
    Picture2->setVisible(secondPicture);
    Frame2->setVisible(firstPicture);
    Frame3->setVisible(secondEditor);

    switch (Index) {
    case 3:
        NewSumExample();
        DrawSumPictures();
        HideFirstFractionSteps();
        HideSecondFractionSteps();
        break;
    case 4:
        NewSimplifyExercises();
        break;
    case 5:
        NewSumExercise();
        break;
    case 6:
        NewMulDivExercise();
        break;
    default:
        break; // sections 0, 1, 2, 7 and 8 keep their state
    }

    CurrentSection = Index;
    MistakeMade = false;
}

} // namespace maroleta
