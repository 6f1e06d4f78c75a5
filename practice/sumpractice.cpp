// Section 5: adding and subtracting three fractions over a common denominator.
#include "shell/form1.h"

namespace maroleta {

void Form1::buildSumPracticeSection()
{
    Frame7 = makeInnerFrame(5, QStringLiteral("Frame7"));
    Command17 = makeControl<CommandButton>(Frame7, QStringLiteral("Command17"));
    Command17->setText(QStringLiteral("COMPROBAR"));
}

void Form1::NewSumExercise() { }

} // namespace maroleta
