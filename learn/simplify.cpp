// Section 2: simplifying a fraction by a prime.
#include "shell/form1.h"

namespace maroleta {

void Form1::buildSimplifySection()
{
    Frame5 = makeInnerFrame(2, QStringLiteral("Frame5"));
    Label3[2] = makeControl<Label>(Frame5, QStringLiteral("Label3(2)"));
    Label3[2]->setText(QStringLiteral("Texto no divisible"));
}

void Form1::HideSimplifySteps()
{
    // The working line of the simplifying screen comes with that screen.
}

} // namespace maroleta
