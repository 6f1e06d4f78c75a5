#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Maroleta developers
# Reads the running program through the AT-SPI bus, as a screen reader on a Linux desktop does, and
# presses its controls through the same bus: every visible caption is a control's name, every control
# without a caption has a description, and a caption that changes is heard changed within a second.
# Usage: screenreader.py path/to/idioma   (the program must already be running on the bus)
import os
import sys
import time

import pyatspi
from gi.repository import GLib

idioma = sys.argv[1]
failures = []


def language_lines(name):
    with open(os.path.join(idioma, name), encoding="cp1252", newline="") as f:
        return [line.removesuffix("\r") for line in f.read().split("\n")]


menu = language_lines("menu.txt")
explanations = language_lines("explicacionmenu.txt")
check_texts = language_lines("comprobar.txt")
voice_texts = language_lines("voz.txt")


def fail(message):
    failures.append(message)
    print("FAIL:", message)


def program():
    for _ in range(60):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Maroleta":
                return app
        time.sleep(0.5)
    sys.exit("the program never appeared on the accessibility bus")


app = program()

# What the program announces: every change of a control's name, as (name, description).
announced = []
pyatspi.Registry.registerEventListener(
    lambda event: announced.append((event.source.name, event.source.description)),
    "object:property-change:accessible-name",
)


def pump_events():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def showing(root=None):
    """Every control shown on the screen, depth first."""
    pending = [root or app]
    while pending:
        node = pending.pop()
        try:
            children = [c for c in node if c is not None and c.getState().contains(pyatspi.STATE_SHOWING)]
        except Exception:  # a window closing while it is read: it is gone
            continue
        for child in reversed(children):
            yield child
            pending.append(child)


def described(description):
    """The control shown whose description is `description` (its colour meaning may follow)."""
    for node in showing():
        if node.description == description or node.description.startswith(description + ". "):
            return node
    raise LookupError(f"no control described as {description!r}")


def named(name, role=None):
    for node in showing():
        if node.name == name and (role is None or node.getRoleName() == role):
            return node
    raise LookupError(f"no control named {name!r}")


def press(node):
    actions = node.queryAction()
    names = [actions.getName(i).lower() for i in range(actions.nActions)]
    action = "press" if "press" in names else "toggle"  # a switch is toggled
    if action not in names:
        raise LookupError(f"{node.name or node.description!r} cannot be pressed ({names})")
    actions.doAction(names.index(action))


def seen(what, condition, seconds=1.0):
    """Waits up to `seconds` for `condition` to hold, as a screen reader would hear it."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            if condition():
                return True
        except LookupError:
            pass
        if time.monotonic() > deadline:
            fail(f"not seen within {seconds} s: {what}")
            return False
        time.sleep(0.05)
        pump_events()


def every_control_is_told(where):
    told = 0
    for node in showing():
        role = node.getRoleName()
        if role in ("label", "push button", "radio button", "list item", "table cell"):
            told += 1
            if not node.name and not node.description:
                fail(f"{where}: a {role} with neither a caption nor a description")
    if told < 5:
        fail(f"{where}: only {told} controls shown")


def value(node):
    """A caption read as the program reads it: an answer not yet given counts as 0."""
    return int(node.name or 0)


# Start-up: the presentation, the menu column with its captions, the explanation line.
seen("the menu captions", lambda: {named(m, "push button").name for m in menu[:10]} == set(menu[:10]))
seen("the headings", lambda: all(named(h, "label") for h in menu[10:13]))
seen("the explanation of the presentation", lambda: described("Explicación de la sección").name == explanations[7])
seen("the presentation lines", lambda: all(described(f"Presentación, línea {i}").name for i in range(1, 7)))
seen("the current section said", lambda: described(f"Menú: Presentación").description.endswith(". Sección actual"))
every_control_is_told("presentation")

# The reading switch: named by its caption, described, and off at start. Pressed, it is told on; pressed
# again, off. Where the machine has no voice it turns itself off and disabled, and says why.
READ = "Leer en voz alta las explicaciones, los mensajes y las fracciones (F2)"


def switched_on():
    state = described(READ).getState()
    return state.contains(pyatspi.STATE_CHECKED) or state.contains(pyatspi.STATE_PRESSED)


seen("the reading switch", lambda: described(READ).name == voice_texts[0] and not switched_on())
press(described(READ))
seen("the reading switch on", lambda: switched_on() or "No disponible" in described(READ).description)
press(described(READ))
seen("the reading switch off", lambda: not switched_on())

# Every section: its explanation line heard, every control it shows told.
for section in (8, 1, 2, 3, 5):
    press(named(menu[section], "push button"))
    if seen(f"the explanation of section {section}", lambda: described("Explicación de la sección").name == explanations[section]):
        every_control_is_told(f"section {section}")

# Section 0: a press on "+" changes the numerator, and the picture says what it shows.
press(named(menu[0], "push button"))
seen("the explanation of section 0", lambda: described("Explicación de la sección").name == explanations[0])
numerator = value(described("Numerador de la primera fracción"))
announced.clear()
press(described("Sumar 1 al numerador de la primera fracción"))
seen(
    "the numerator after a press on +",
    lambda: value(described("Numerador de la primera fracción")) == numerator + 1,
)
seen(
    "the new numerator announced",
    lambda: (str(numerator + 1), "Numerador de la primera fracción") in announced,
)
seen(
    "the first picture's description",
    lambda: named("Dibujo de la primera fracción").description.startswith(f"{numerator + 1}/"),
)
every_control_is_told("section 0")

# Section 4: the answer fields open the keypad, whose keys are read by their captions; a fraction that
# cannot be simplified brings a message box that is read too.
press(named(menu[4], "push button"))
seen("the explanation of section 4", lambda: described("Explicación de la sección").name == explanations[4])
seen("the answer field not yet given", lambda: described("Numerador del paso 1").name == "?")
press(described("Numerador del paso 1"))
seen("the keypad", lambda: named("7", "push button").description == "Cifra 7")
every_control_is_told("keypad")
press(named("7", "push button"))
seen("the keypad's display", lambda: described("Número del teclado numérico").name == "7")
seen("the typed answer", lambda: described("Numerador del paso 1").name == "7")
for field, digit in (("Numerador de la fracción que se simplifica", "3"), ("Denominador de la fracción que se simplifica", "5")):
    press(described(field))
    seen(f"{field} opened for typing", lambda: described(field).description.endswith("teclado numérico"))
    press(named(digit, "push button"))
    seen(f"{field} typed", lambda: described(field).name == digit)
press(described("Comprobar el paso 1"))
if seen("the message box", lambda: named("Esta fracción no se puede simplificar", "label"), seconds=3):
    press(named("OK", "push button"))
seen("the message box closed", lambda: not any(n.name == "Esta fracción no se puede simplificar" for n in showing()))
seen(
    "the fraction judged wrong",
    lambda: described("Numerador de la fracción que se simplifica").description.endswith(". Incorrecto"),
)

# Section 6: the pupil reads the exercise, answers it with the step buttons, and hears it judged right.
press(named(menu[6], "push button"))
seen("the explanation of section 6", lambda: described("Explicación de la sección").name == explanations[6])
a = value(described("Numerador de la primera fracción"))
b = value(described("Denominador de la primera fracción"))
c = value(described("Numerador de la segunda fracción"))
d = value(described("Denominador de la segunda fracción"))
multiply = described("Multiplicación de fracciones").getState().contains(pyatspi.STATE_CHECKED)
wanted = {"numerador": a * c if multiply else a * d, "denominador": b * d if multiply else b * c}
for term, target in wanted.items():
    field = f"{term.capitalize()} del resultado: sumar 1"
    while value(described(field)) != target:
        before = value(described(field))
        step = f"Sumar 5 al {term} del resultado" if target - before >= 5 else None
        press(described(step) if step else described(field) if target > before else described(f"Restar 1 al {term} del resultado"))
        if not seen(f"the {term} after a press", lambda: value(described(field)) != before):
            break
press(described("Comprobar la operación"))
seen("the operation judged right", lambda: described("Comprobar la operación").description.endswith(". Correcto"))
every_control_is_told("section 6")

# The results window lists the finished exercise as a list item.
press(named(menu[9], "push button"))
sign = " X " if multiply else " : "
seen(
    "the line of the results window",
    lambda: any(
        sign in item.name and check_texts[1] in item.name
        for item in showing(named("Ejercicios terminados"))
        if item.getRoleName() in ("list item", "table cell")
    ),
    seconds=2,
)

print(f"{len(failures)} failed")
sys.exit(1 if failures else 0)
