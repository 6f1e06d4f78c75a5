// The answer field of section 4 that the keypad writes into: one value for the whole program, owned by
// neither window. The main window sets it when a field is clicked; the keypad reads it on every key.
#pragma once

#include <QtGlobal>

namespace maroleta {

inline qint16 KeypadTarget = 0;

} // namespace maroleta
