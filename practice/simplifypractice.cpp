// Section 4: simplifying a fraction step by step, with the keypad.
#include "shell/form1.h"

namespace maroleta {

void Form1::buildSimplifyPracticeSection()
{
    Frame9 = makeInnerFrame(4, QStringLiteral("Frame9"));
    for (int i = 0; i < 5; ++i) {
        Command21[i] = makeControl<CommandButton>(Frame9, arrayName(QStringLiteral("Command21"), i));
        Command21[i]->setText(QStringLiteral("COMPROBAR"));
    }
}

void Form1::NewSimplifyExercises() { }

} // namespace maroleta
