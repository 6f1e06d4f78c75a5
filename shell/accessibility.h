// What screen readers are told: every control's accessible name, said in Spanish from its design name,
// and the meaning of the colours that mark answers right or wrong.
#pragma once

#include <QString>

class QWidget;

namespace maroleta {

class Form1;

// Gives every control of `window` (Form1, Form2 or Form3) the accessible name its design name stands for.
// Labels and buttons also report their caption as their value, so a reader says both what a field is and
// what it holds.
void nameControls(QWidget* window);

// Keeps the accessible description of every control whose colour judges an answer (or marks the current
// section) saying in words what its colour says: "Correcto", "Incorrecto"...
void describeColours(Form1& form);

// What the colour `color` of control `name` ("Command21(2)") means, or an empty text when it means
// nothing; `enabled` tells an accepted answer field of the simplification practice from one being typed.
QString colourMeaning(const QString& name, quint32 color, bool enabled);

} // namespace maroleta
