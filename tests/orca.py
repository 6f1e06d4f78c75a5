#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Maroleta developers
# What Orca says while a pupil works through the program with the keyboard alone. Orca runs with speech
# and braille off and writes what it would say into its debug log, as "SPEECH OUTPUT: '...'" lines; the
# log is a pseudo-terminal, which Orca writes line by line (into a plain file it writes a block at a time,
# long after the key). Every phrase below is written by hand, as the pupil must hear it.
# Usage: orca.py path/to/maroleta path/to/catalan/maroleta   (inside orca.sh)
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
        self.process.wait(10)


orca = Orca()
program = None
mark = 0  # what was heard before the current step


def wait_for(what, phrases, seconds):
    """Waits until `phrases` were said, in this order, since the mark; a phrase matches a whole utterance
    without its final full stop."""
    deadline = time.monotonic() + seconds
    while True:
        heard = [line.rstrip().removesuffix(".") for line in orca.heard()[mark:]]
        at = 0
        for line in heard:
            if at < len(phrases) and line == phrases[at]:
                at += 1
        if at == len(phrases):
            return True
        if time.monotonic() > deadline:
            failures.append(what)
            print(f"FAIL: {what}: wanted {phrases}, heard {heard}")
            return False
        time.sleep(0.1)


def key(name, *phrases, seconds=6):
    """Types a key as the pupil does and waits until Orca says `phrases`."""
    global mark
    mark = len(orca.heard())
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
    return wait_for(f"after {name}", list(phrases), seconds)


def tab_to(*phrases, most=40):
    """Tabs until Orca says `phrases` (the control and what it is), as a pupil looks for a control."""
    global mark
    for _ in range(most):
        mark = len(orca.heard())
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        if wait_for_quietly(list(phrases)):
            return True
    failures.append(f"tab to {phrases}")
    print(f"FAIL: no Tab reached {phrases}")
    return False


def wait_for_quietly(phrases, seconds=3):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        heard = [line.rstrip().removesuffix(".") for line in orca.heard()[mark:]]
        if all(p in heard for p in phrases):
            return True
        if any(line.endswith(("push button", "check box", "image", "radio button", "list", "label")) for line in heard):
            time.sleep(0.3)  # a control was said: it is not the one looked for
            heard = [line.rstrip().removesuffix(".") for line in orca.heard()[mark:]]
            return all(p in heard for p in phrases)
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


time.sleep(3)  # Orca starts listening

# The Spanish set. The window opens on the presentation, the focus on its menu button.
start(spanish_program,
      "Maroleta 1.2 - maroleta@example.org - escuelas@example.org frame",
      "PRESENTACIÓN push button", "Menú: Presentación. Sección actual")
key("Tab", "Inicio push button", "Menú: Inicio")
key("Down", "Representación gráfica push button", "Menú: Representación gráfica")

# Representación gráfica: its explanation on entry, then the first fraction's "+".
key("space", "space")
tab_to("Dibujo de la primera fracción image", "1/2: un círculo de 2 partes, 1 coloreada")
tab_to("Primera fracción panel", "+ push button", "Sumar 1 al numerador de la primera fracción")
close()

orca.stop()
print(f"{len(failures)} failed")
sys.exit(1 if failures else 0)
