#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Maroleta developers
# Starts the real maroleta and the Orca screen reader on a virtual X display, inside a private session bus
# with the accessibility bus and a private home, and walks through the program with the keyboard as a
# pupil who cannot see the screen does, checking what Orca says (orca.py). Speech and braille are off:
# Orca's debug log holds every SPEECH OUTPUT it would say. Once in Spanish, once with the Catalan set.
# Usage: orca.sh path/to/maroleta path/to/languages
set -uo pipefail

program=$1
languages=$2
here=$(dirname "$0")
python=/usr/bin/python3
source "$here/common.sh"
need Xvfb openbox xdotool orca dbus-run-session dbus-send

if [ -z "${MAROLETA_INSIDE_BUS:-}" ]; then
    # A session bus of our own, ended with the test: the accessibility bus it starts ends with it.
    MAROLETA_INSIDE_BUS=1 exec timeout -k 5 1150 dbus-run-session -- bash "$0" "$@"
fi

work=$(mktemp -d)
cleanup() {
    kill "${wm_pid:-}" "${xvfb_pid:-}" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Orca keeps its settings under the home and XDG folders: these, so nothing of the user's is read or changed.
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
export XDG_RUNTIME_DIR=$work/runtime LANG=C.UTF-8 LC_ALL=C.UTF-8
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"

start_display

# What a desktop does when a screen reader is turned on: it tells the applications accessibility is wanted.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null || { echo "no accessibility bus"; exit 1; }

# The Catalan walk runs a copy of the program with the Catalan set as its idioma folder.
mkdir -p "$work/ca"
cp "$program" "$work/ca/"
cp -r "$languages/ca/idioma" "$work/ca/idioma"

# Orca's timing on a loaded machine can make a walk lose its place (a Tab heard late): a walk that fails
# is walked once more from a fresh start, and only a second failure fails the test.
"$python" "$here/orca.py" "$program" "$work/ca/$(basename "$program")" && exit 0
echo "The walk failed; once more from the start."
pkill -f "orca --replace" 2>/dev/null
sleep 2
"$python" "$here/orca.py" "$program" "$work/ca/$(basename "$program")"
