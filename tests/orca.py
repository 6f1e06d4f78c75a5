#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Maroleta developers
# What Orca says while a pupil works through the program with the keyboard alone. Orca runs with speech
# and braille off and writes what it would say into its debug log, as "SPEECH OUTPUT: '...'" lines; the
# log is a pseudo-terminal, which Orca writes line by line (into a plain file it writes a block at a time,
# long after the key). Every phrase below is written by hand, as the pupil must hear it.
# Usage: orca.py path/to/maroleta path/to/catalan/maroleta   (inside orca.sh)
import math
import os
import re
import select
import subprocess
import sys
import threading
import time

spanish_program, catalan_program = sys.argv[1:3]
failures = []


class Orca:
    """Orca with its debug log on a pseudo-terminal; heard() is everything it has said so far."""

    def __init__(self):
        # The slave end stays open here too: with none open, reading the master fails.
        self.master, self.slave = os.openpty()
        self.process = subprocess.Popen(
            ["orca", "--replace", "-d", "speech", "-d", "braille", "--debug-file", os.ttyname(self.slave)],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.lines = []
        self.lock = threading.Lock()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        pending = b""
        said = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{'established'")
        while True:
            ready, _, _ = select.select([self.master], [], [], 0.5)
            if not ready:
                if self.process.poll() is not None:
                    return
                continue
            try:
                pending += os.read(self.master, 65536)
            except OSError:
                return
            *whole, pending = pending.split(b"\n")
            for line in whole:
                match = said.search(line.decode("utf-8", "replace").rstrip("\r"))
                if match:
                    with self.lock:
                        self.lines.append(match.group(1))

    def heard(self):
        with self.lock:
            return list(self.lines)

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()


orca = Orca()
program = None
mark = 0  # what was heard before the current step


def fail(what, detail):
    failures.append(what)
    print(f"FAIL: {what}: {detail}")


def wait_for(what, phrases, seconds):
    """Waits (generously: Orca is slow on a loaded machine, and a phrase heard ends the wait) until `phrases`
    were said, in this order, since the mark. A phrase matches a whole utterance without its final full stop,
    or whole sentences of one: Orca joins announcements that come quickly ("16/50. Incorrecto: ... 16/55.
    Correcto")."""
    deadline = time.monotonic() + seconds
    while True:
        heard = [line.rstrip().removesuffix(".") for line in orca.heard()[mark:]]
        at = 0
        for line in heard:
            if at < len(phrases) and f". {phrases[at]}. " in f". {line}. ":
                at += 1
        if at == len(phrases):
            return True
        if time.monotonic() > deadline:
            return fail(what, f"wanted {phrases}, heard {heard}")
        time.sleep(0.1)


def key(name, *phrases, seconds=15):
    """Types a key as the pupil does and waits until Orca says `phrases`."""
    global mark
    mark = len(orca.heard())
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
    return wait_for(f"after {name}", list(phrases), seconds)


def tab_to(*phrases, most=40, back=False):
    """Tabs (Shift+Tab when `back`) until Orca says `phrases` (the control and what it is), as a pupil
    looks for a control."""
    global mark
    for _ in range(most):
        mark = len(orca.heard())
        subprocess.run(["xdotool", "key", "shift+Tab" if back else "Tab"], check=True)
        if wait_for_quietly(list(phrases)):
            return True
    return fail(f"tab to {phrases}", "no Tab reached it")


def wait_for_quietly(phrases, seconds=6):
    # What a control is may be followed by what its colour says: "...: sumar 1. Incorrecto". A button with
    # no caption yet (an answer not begun) is said by what it is: "...: sumar 1 push button".
    bare = lambda: [line.rstrip().removesuffix(".") for line in orca.heard()[mark:]]
    said = lambda: all(any(p in (line, line.removesuffix(" push button")) or line.startswith(p + ". ")
                           for line in bare()) for p in phrases)
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if said():
            return True
        if any(line.endswith(("push button", "check box", "image", "radio button")) for line in bare()):
            time.sleep(0.3)  # a control was said: it is not the one looked for
            return said()
        time.sleep(0.1)
    return False


def start(path, *phrases):
    """Starts the program and waits until Orca has said the window and the focused control."""
    global program, mark
    mark = len(orca.heard())
    program = subprocess.Popen([path], stdin=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return wait_for(f"start of {path}", list(phrases), 30)


def close():
    program.terminate()
    program.wait(10)


def heard_exercise(operations, seconds=15):
    """The fractions and the operation of the exercise Orca said since the mark: "3/4 por 1/2"."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for line in orca.heard()[mark:]:
            match = re.search(r"(\d+)/(\d+) (\S+(?: \S+)?) (\d+)/(\d+)\.?$", line.rstrip())
            if match and match.group(3) in operations:
                a, b, word, c, d = match.groups()
                return int(a), int(b), operations[word], int(c), int(d)
        time.sleep(0.1)
    return fail("the exercise", f"none heard in {orca.heard()[mark:]}")


def step_to(target, plus1, plus5, said=str, last=()):
    """Presses "+5" and then "+1" until the answer button shows `target`; Orca says `said` of each new value,
    or `last` (when given) after the last press."""
    fives = range(5, target + 1, 5)
    for button, values in ((plus5, fives), (plus1, range(len(fives) * 5 + 1, target + 1))):
        if values:
            tab_to(button)
        for value in values:
            key("space", *(last if value == target and last else (said(value),)))


def walk(t):
    """The pupil's walk, with what Orca must say in the language set `t`."""
    start(t["program"], t["title"] + " frame", t["presentation"] + " push button", t["menu presentation"])
    key("Tab", t["start"] + " push button", t["menu start"])

    # A learning section end to end: its explanation on entry, the fraction after "+", the ring's sector.
    key("Down", t["graphic"] + " push button", t["menu graphic"])
    key("space", t["graphic explanation"])
    tab_to(t["picture"] + " image", t["picture 1/2"])
    key("Right", t["sector 2 white"])
    key("space", t["sector 2 coloured"] + ". 2/2")
    tab_to(t["first fraction"] + " panel", "+ push button", t["plus"])
    key("space", "3/2")

    # A practice exercise: heard, answered wrong, then right; the verdicts say what is wrong.
    tab_to(t["muldiv"] + " push button", back=True)
    key("space")
    found = heard_exercise(t["operations"])
    if not any(line.startswith(t["muldiv explanation"] + ". ") for line in orca.heard()[mark:]):
        fail("the explanation of the practice section", f"not heard in {orca.heard()[mark:]}")
    tab_to(t["check operation"] + " push button", t["check operation description"])
    key("space", t["wrong"] % t["both wrong"])
    a, b, multiply, c, d = found or (0, 1, True, 0, 1)
    numerator, denominator = (a * c, b * d) if multiply else (a * d, b * c)
    step_to(numerator, t["numerator +1"], t["numerator +5"])
    step_to(denominator, t["denominator +1"], t["denominator +5"])
    tab_to(t["check operation"] + " push button")
    key("space", t["right"])

    # The results window, read as it opens: its title and the line of the exercise just finished.
    tab_to(t["history"] + " push button")
    sign = " X " if multiply else " : "
    key("space", t["results"] + " frame", f"{a}/{b}{sign}{c}/{d} = {numerator}/{denominator} {t['mistake']}")
    key("alt+F4")
    guided_sum(t)
    keypad(t)
    close()


def guided_sum(t):
    """The guided sum: the task heard, the working lines stepped to a common denominator, the result
    stepped and heard judged, and the message box read."""
    tab_to(t["guided sum"] + " push button", back=True)
    key("space")
    task = heard_exercise(t["operations"])
    if not task:
        return
    a, b, sum, c, d = task
    common = math.lcm(b, d)
    # The step back under the first working denominator is drawn as "----": it is heard by what it is.
    tab_to(t["previous multiple"] + " push button")
    for index, (numerator, denominator) in enumerate(((a, b), (c, d))):
        tab_to(t["next multiple"][index], back=index == 0)
        for k in range(2, common // denominator + 1):
            key("space", f"{numerator * k}/{denominator * k}")
    result = a * common // b + (c if sum else -c) * common // d
    step_to(result, t["numerator +1"], t["numerator +5"])
    # The result is judged as soon as both its terms are set: each press on the denominator hears it, the last
    # one right, and the message box.
    step_to(common, t["denominator +1"], t["denominator +5"], lambda value: f"{result}/{value}",
            (f"{result}/{common}. {t['right']}", "alert Maroleta", t["well done"]))
    key("Return")


def keypad(t):
    # The keypad types into an answer field of the simplification practice.
    tab_to(t["simplify practice"] + " push button", back=True)
    key("space")
    tab_to(t["step 1 numerator"])
    key("space", t["keypad"] + " frame")
    key("7", "7")
    key("Escape", "7 push button", t["step 1 numerator"] + ". " + t["typing"])
    tab_to(t["check operation"] + " push button")
    key("space", t["wrong"] % t["step 1 numerator"])


spanish = {
    "program": spanish_program,
    "title": "Maroleta 1.2 - maroleta@example.org - escuelas@example.org",
    "presentation": "PRESENTACIÓN", "menu presentation": "Menú: Presentación. Sección actual",
    "start": "Inicio", "menu start": "Menú: Inicio",
    "graphic": "Representación gráfica", "menu graphic": "Menú: Representación gráfica",
    "graphic explanation": "Cambia las dos fracciones con los botones + y - o pinta las partes del primer "
                           "dibujo haciendo clic en ellas",
    "picture": "Dibujo de la primera fracción", "picture 1/2": "1/2: un círculo de 2 partes, 1 coloreada",
    "sector 2 white": "Parte 2 de 2, sin colorear", "sector 2 coloured": "Parte 2 de 2, coloreada",
    "first fraction": "Primera fracción", "plus": "Sumar 1 al numerador de la primera fracción",
    "muldiv": "MULTIPLICACIÓN Y DIVISIÓN",
    "muldiv explanation": "Multiplica o divide las dos fracciones, escribe el resultado sin simplificar y "
                          "pulsa COMPROBAR",
    "check operation": "COMPROBAR", "check operation description": "Comprobar la operación",
    "wrong": "Incorrecto: %s", "both wrong": "Numerador del resultado, Denominador del resultado",
    "right": "Correcto",
    "numerator +1": "Numerador del resultado: sumar 1", "numerator +5": "Sumar 5 al numerador del resultado",
    "denominator +1": "Denominador del resultado: sumar 1",
    "denominator +5": "Sumar 5 al denominador del resultado",
    "history": "HISTORIAL", "results": "TUS RESULTADOS",
    "mistake": "** BIEN, PERO CON ALGÚN FALLO **",
    "guided sum": "Suma y resta", "next multiple": ("Denominador de la primera fracción transformada: siguiente múltiplo",
                                                    "Denominador de la segunda fracción transformada: siguiente múltiplo"),
    "previous multiple": "Denominador de la primera fracción transformada: múltiplo anterior",
    "operations": {"por": True, "entre": False, "más": True, "menos": False},
    "well done": "¡MUY BIEN!",
    "keypad": "Teclado numérico", "typing": "Escribiendo con el teclado numérico",
    "simplify practice": "SIMPLIFICA",
    "step 1 numerator": "Numerador del paso 1",
}
time.sleep(3)  # Orca starts listening
walk(spanish)
# The Catalan set: the same title, and a few words the two languages share.
walk({**spanish,
    "program": catalan_program,
    "presentation": "PRESENTACIÓ", "menu presentation": "Menú: Presentació. Secció actual",
    "start": "Inici", "menu start": "Menú: Inici",
    "graphic": "Representació gràfica", "menu graphic": "Menú: Representació gràfica",
    "graphic explanation": "Canvia les dues fraccions amb els botons + i - o pinta les parts del primer dibuix "
                           "fent-hi clic",
    "picture": "Dibuix de la primera fracció", "picture 1/2": "1/2: un cercle de 2 parts, 1 pintada",
    "sector 2 white": "Part 2 de 2, sense pintar", "sector 2 coloured": "Part 2 de 2, pintada",
    "first fraction": "Primera fracció", "plus": "Sumar 1 al numerador de la primera fracció",
    "muldiv": "MULTIPLICACIÓ I DIVISIÓ",
    "muldiv explanation": "Multiplica o divideix les dues fraccions, escriu el resultat sense simplificar i prem "
                          "COMPROVA",
    "operations": {"per": True, "entre": False, "més": True, "menys": False},
    "check operation": "COMPROVA", "check operation description": "Comprovar l'operació",
    "wrong": "Incorrecte: %s", "both wrong": "Numerador del resultat, Denominador del resultat",
    "right": "Correcte",
    "numerator +1": "Numerador del resultat: sumar 1", "numerator +5": "Sumar 5 al numerador del resultat",
    "denominator +1": "Denominador del resultat: sumar 1",
    "denominator +5": "Sumar 5 al denominador del resultat",
    "results": "ELS TEUS RESULTATS", "mistake": "** BÉ, PERÒ AMB ALGUNA ERRADA **",
    "guided sum": "Suma i resta", "next multiple": ("Denominador de la primera fracció transformada: múltiple següent",
                                                    "Denominador de la segona fracció transformada: múltiple següent"),
    "previous multiple": "Denominador de la primera fracció transformada: múltiple anterior",
    "well done": "MOLT BÉ!", "keypad": "Teclat numèric", "typing": "Escrivint amb el teclat numèric",
    "step 1 numerator": "Numerador del pas 1",
})

orca.stop()
print("What Orca said:", *orca.heard(), sep="\n    ")
print(f"{len(failures)} failed")
sys.exit(1 if failures else 0)
