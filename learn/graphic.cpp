// Section 0: two fractions drawn as circles cut into sectors, edited with buttons and by clicking sectors.
#include "shell/form1.h"

namespace maroleta {

void Form1::buildGraphicSection()
{
    // Section 0 has no inner frame: it shows the two shared pictures and their editors.
}

void Form1::DrawFirstFraction()
{
    // The first fraction's drawing comes with the graphic representation.
}

void Form1::DrawSecondFraction()
{
    // The second fraction's drawing comes with the graphic representation.
}

} // namespace maroleta
