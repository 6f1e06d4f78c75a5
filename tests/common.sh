# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Maroleta developers
# Sourced by the checks of the real program and of the package.

# need TOOL...: the check is skipped (exit 77) unless every tool is installed.
need() {
    for tool; do command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }; done
}

# fail TEXT: says what failed and counts it in $failures.
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# start_display: a virtual X display of our own, on whatever number is free, with openbox, which gives the
# program's windows the keyboard focus as on a desktop. It sets DISPLAY, xvfb_pid and wm_pid; the caller's
# cleanup kills the two.
start_display() {
    exec {displayfd}<> <(:)
    Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    read -r -t 20 display <&"$displayfd" || { echo "no X display"; exit 1; }
    export DISPLAY=:$display
    unset QT_QPA_PLATFORM QT_LINUX_ACCESSIBILITY_ALWAYS_ON
    openbox >/dev/null 2>&1 &
    wm_pid=$!
    sleep 1
}
