// Opening the keypad from the main window.
#include "keypad/form2.h"
#include "shell/form1.h"

namespace maroleta {

Form2* Form1::keypad()
{
    if (!m_keypad)
        m_keypad = std::make_unique<Form2>(this);
    return m_keypad.get();
}

} // namespace maroleta
