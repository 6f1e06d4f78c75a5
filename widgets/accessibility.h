// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// What screen readers are told. A label, button or option button is named by its caption, as shown; what
// it is ("Numerador de la primera fracción"), and what its colour says of an answer, is its description.
// A control without a caption (a picture, a frame, a list) is named by what it is.
#pragma once

#include "widgets/speech.h"

#include <QString>

#include <functional>
#include <map>
#include <vector>

#include <optional>

class QWidget;

namespace maroleta {

// Makes labels readable as their captions, and the answer fields that take Tab focus pressable. Call it
// before the first control is built: Qt keeps the interface it first made for a control.
void installAccessibleControls();

// What a control is, for screen readers, by the design name of its array ("Command2", or "Label21" for a
// control alone) and its index (-1 alone): the built-in Spanish text, which lector.txt may replace.
using ControlNamer = std::function<QString(int index)>;
using ControlNames = std::map<QString, ControlNamer>;

// Registers what the controls of `window` are: each window and each section registers its own controls.
void addControlNames(QWidget* window, ControlNames names);

// Pieces of the built-in names: "la primera fracción", "Numerador"/"Denominador" by index parity, one
// text for every index, "Numerador " + part of index i, "Sumar 1 al "/"Restar 1 al " + what by parity.
QString fractionWords(int i);
QString termWord(int i);
ControlNamer fixedName(const char* text);
ControlNamer termsOf(bool numerator, std::vector<QString> parts);
ControlNamer stepsOf(const char* what);

// Tells screen readers what every control of `window` is, from its design name and the names registered
// for the window, in the language of lector.txt.
void nameControls(QWidget* window);

// Keeps the accessible description of every control whose colour judges an answer (or marks the current
// section) saying in words, after what the control is, what its colour says: "Correcto", "Incorrecto"...
void describeColours(QWidget& window);

// A fraction as the screen shows it, "3/4", from the captions of its terms.
// The terms are labels or buttons.
QString caption(const QWidget* numerator, const QWidget* denominator);
// Two fractions with an operation between them, as a screen reader says it: "3/4 más 1/2". `operation`
// is '+', '-', 'x' or ':'.
QString shownOperation(const QString& a, char operation, const QString& b);
// What is marked wrong among the controls shown in `window`, but `except`: "Numerador del resultado".
QString markedWrong(const QWidget* window, const QWidget* except = nullptr);

// The words of a check judged right ("Correcto") and wrong, in the language of the set.
QString rightWord();
QString wrongWord();

// What the colour `color` of control `name` ("Command21(2)") means, or an empty text when it means
// nothing; `enabled` tells an accepted answer field of the simplification practice from one being typed.
QString colourMeaning(const QString& name, quint32 color, bool enabled);

// What the reading switch is, and while it cannot be used, why: "... No disponible: ...".
QString readAloudDescription(std::optional<SpeechProblem> problem);

} // namespace maroleta
