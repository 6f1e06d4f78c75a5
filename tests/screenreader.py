#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Maroleta developers
# Reads the running program through the AT-SPI bus and presses its controls through the same bus, for
# what the Orca test (orca.py), which types keys as a pupil does, does not reach: every control of every
# section told by a caption or a description, the reading switch's state, and the answer fields of the
# simplification practice pressed as buttons. What Orca says of a press is checked there.
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


# Start-up: the presentation, the menu column with its captions, the explanation line.
seen("the menu captions", lambda: {named(m, "push button").name for m in menu[:10]} == set(menu[:10]))
seen("the headings", lambda: all(named(h, "label") for h in menu[10:13]))
seen("the presentation lines", lambda: all(described(f"Presentación, línea {i}").name for i in range(1, 7)))
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
for section in (8, 0, 1, 2, 3, 5, 6):
    press(named(menu[section], "push button"))
    if seen(f"section {section}", lambda: described("Explicación de la sección").name == explanations[section]):
        every_control_is_told(f"section {section}")

# Section 4: an answer field pressed through the bus opens the keypad, whose keys are read by their
# captions and pressed through the bus too.
press(named(menu[4], "push button"))
seen("the explanation of section 4", lambda: described("Explicación de la sección").name == explanations[4])
seen("the answer field not yet given", lambda: described("Numerador del paso 1").name == "?")
press(described("Numerador del paso 1"))
seen("the keypad", lambda: named("7", "push button").description == "Cifra 7")
every_control_is_told("keypad")
press(named("7", "push button"))
seen("the keypad's display", lambda: described("Número del teclado numérico").name == "7")
seen("the typed answer", lambda: described("Numerador del paso 1").name == "7")

print(f"{len(failures)} failed")
sys.exit(1 if failures else 0)
