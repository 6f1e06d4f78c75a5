// Section 6: multiplying and dividing two fractions.
#include "shell/form1.h"

namespace maroleta {

void Form1::buildMulDivSection()
{
    Frame8 = makeInnerFrame(6, QStringLiteral("Frame8"));
    Option1[0] = makeControl<OptionButton>(Frame8, QStringLiteral("Option1(0)"), QRect(360, 360, 4575, 375));
    Option1[0]->setText(QString::fromUtf8("Multiplicación de fracciones"));
    Option1[0]->setChecked(true);
    Option1[1] = makeControl<OptionButton>(Frame8, QStringLiteral("Option1(1)"), QRect(360, 840, 4575, 375));
    Option1[1]->setText(QString::fromUtf8("División de fracciones"));
    Command19 = makeControl<CommandButton>(Frame8, QStringLiteral("Command19"), QRect(600, 3120, 3255, 1215));
    Command19->setText(QStringLiteral("COMPROBAR"));
}

void Form1::NewMulDivExercise() { }

} // namespace maroleta
