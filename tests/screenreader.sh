#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Maroleta developers
# Starts the real maroleta on a virtual X display inside a private session bus with the accessibility bus,
# as on a desktop with a screen reader turned on, and reads and presses it through AT-SPI (screenreader.py).
# Usage: screenreader.sh path/to/maroleta
set -uo pipefail

program=$1
here=$(dirname "$0")
python=/usr/bin/python3
for tool in Xvfb dbus-run-session dbus-send; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
"$python" -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is not installed"; exit 77; }

if [ -z "${MAROLETA_INSIDE_BUS:-}" ]; then
    # A session bus of our own, ended with the test: the accessibility bus it starts ends with it.
    MAROLETA_INSIDE_BUS=1 exec timeout -k 5 150 dbus-run-session -- bash "$0" "$@"
fi

work=$(mktemp -d)
cleanup() {
    kill "${app_pid:-}" "${xvfb_pid:-}" 2>/dev/null
    # The speech service that reading aloud started, if any: it answers to nothing once its folder is gone.
    find "$work" -name '*.pid' -exec cat {} + 2>/dev/null | xargs -r kill -9 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 20 display <&"$displayfd" || { echo "no X display"; exit 1; }
export DISPLAY=:$display
unset QT_QPA_PLATFORM QT_LINUX_ACCESSIBILITY_ALWAYS_ON

# What a screen reader does when it starts: it tells the desktop that accessibility is wanted.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null || { echo "no accessibility bus"; exit 1; }

# Reading aloud starts speech-dispatcher, which keeps its socket, logs and pid in these folders.
mkdir -m 700 "$work/runtime" "$work/cache"
XDG_RUNTIME_DIR=$work/runtime XDG_CACHE_HOME=$work/cache "$program" 2>"$work/stderr" &
app_pid=$!
"$python" "$here/screenreader.py" "$(dirname "$program")/idioma"
