// Section 3: adding and subtracting two fractions, guided by their multiples.
#include "shell/form1.h"

namespace maroleta {

void Form1::buildGuidedSumSection()
{
    Frame6 = makeInnerFrame(3, QStringLiteral("Frame6"));
    setTwipsPosition(Frame6, QPoint(120, 0));
}

void Form1::NewSumExample() { }

void Form1::DrawSumPictures() { }

void Form1::HideFirstFractionSteps() { }

void Form1::HideSecondFractionSteps() { }

} // namespace maroleta
