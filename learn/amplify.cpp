// Section 1: amplifying a fraction by a factor k/k.
#include "shell/form1.h"

namespace maroleta {

void Form1::buildAmplifySection() { Frame4 = makeInnerFrame(1, QStringLiteral("Frame4")); }

void Form1::ShowAmplification()
{
    // The amplified fraction and its working line come with the amplifying screen.
}

} // namespace maroleta
