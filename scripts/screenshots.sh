#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Maroleta developers
# Starts Maroleta on a virtual 1280 x 1024 display, visits every section with the mouse and saves a
# screenshot of each in docs/screenshots. Needs xvfb, openbox, xdotool and imagemagick.
# Usage: scripts/screenshots.sh [path/to/maroleta]
set -euo pipefail

cd "$(dirname "$0")/.."
program=${1:-build/release/maroleta}
out=docs/screenshots
mkdir -p "$out"

exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill ${app_pid:-} ${wm_pid:-} $xvfb_pid 2>/dev/null' EXIT
read -r -t 20 display <&"$displayfd"
export DISPLAY=:$display
unset QT_QPA_PLATFORM
openbox >/dev/null 2>&1 &
wm_pid=$!
sleep 1
"$program" &
app_pid=$!
window=$(timeout 30 xdotool search --sync --name '^Maroleta ' | head -1)
sleep 2

shoot() { import -window root "$out/$1.png"; }
# Menu buttons by section: the middle of each, in pixels of the window at 96 dots per inch.
menu_y=(168 204 236 268 324 396 360 76 132)
names=(0-graphic 1-amplify 2-simplify 3-guided-sum 4-simplify-practice 5-sum-practice 6-muldiv-practice
    7-presentation 8-start)
shoot 7-presentation
for section in 8 0 1 2 3 4 5 6; do
    xdotool mousemove --window "$window" 60 "${menu_y[$section]}" click 1
    sleep 0.7
    shoot "${names[$section]}"
done

echo "saved $(ls "$out" | wc -l) screenshots in $out"
