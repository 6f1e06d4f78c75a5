#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Maroleta developers
# Starts the real maroleta under strace on a virtual X display, visits every section with the mouse,
# opens the results window, closes the main window, and then fails if any process of the program is
# left, if it started a speech engine (reading aloud is off at start), or if the program opened any file
# for writing or creating outside the temporary and runtime folders, or created any socket but the local
# ones named below. It does so twice: inside a session bus of its own, as on a desktop, and with no
# session bus at all, as on a plain X login or a kiosk.
# Usage: nowrites.sh path/to/maroleta
set -uo pipefail

program=$1
bus=${2:-}
source "$(dirname "$0")/common.sh"
need strace Xvfb openbox xdotool wmctrl dbus-run-session
if [ -z "$bus" ]; then
    echo "== with a session bus"
    timeout -k 5 120 dbus-run-session -- bash "$0" "$program" session
    with=$?
    echo "== with no session bus"
    timeout -k 5 120 bash "$0" "$program" none
    without=$?
    [ "$with" -eq 0 ] && [ "$without" -eq 0 ]
    exit
fi

work=$(mktemp -d)
log=$work/strace.log
cleanup() {
    kill "${strace_pid:-}" "${wm_pid:-}" "${xvfb_pid:-}" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
if [ "$bus" = none ]; then
    # No bus address, and a runtime folder of our own with no bus socket in it.
    unset DBUS_SESSION_BUS_ADDRESS
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

start_display

strace -f -qq -o "$log" \
    -e trace=open,openat,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,truncate,socket,connect,bind,execve \
    "$program" &
strace_pid=$!

window=$(timeout 30 xdotool search --sync --name '^Maroleta ' | head -1)
[ -n "$window" ] || { echo "the main window did not appear"; exit 1; }
sleep 1
# The menu buttons from top to bottom (pixels at 96 dots per inch), then HISTORIAL.
for y in 132 168 204 236 268 324 360 396 76 452; do
    xdotool mousemove --window "$window" 60 "$y" click 1
    sleep 0.3
done
app_pid=$(pgrep -P "$strace_pid" | head -1)
wmctrl -c 'Maroleta '
if ! timeout 20 tail --pid="$app_pid" -f /dev/null; then
    echo "maroleta did not end when its main window was closed"
    exit 1
fi

# Whatever the program started is still traced by strace: name each process left, and end it.
sleep 0.5
for status in /proc/[0-9]*/status; do
    if [ "$(awk '/^TracerPid:/ { print $2 }' "$status" 2>/dev/null)" = "$strace_pid" ]; then
        pid=${status#/proc/}
        pid=${pid%/status}
        fail "left running after the program ended: $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)(pid $pid)"
        kill -9 "$pid" 2>/dev/null
    fi
done
timeout 10 tail --pid="$strace_pid" -f /dev/null
strace_pid=

# Speech: with reading off no speech engine starts, neither speech-dispatcher nor a module or voice of it.
engines=' execve\("[^"]*/(speech-dispatcher|sd_[^"/]*|espeak[^"/]*)"'
while IFS= read -r line; do fail "speech engine started: $line"; done < <(grep -E "$engines" "$log")

runtime=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -un)}
temporary=${TMPDIR:-/tmp}

# Files: any open for writing, creating or truncating, and any creation, renaming or removal.
while IFS= read -r line; do
    path=$(sed -E 's/^[0-9]+ +[a-z0-9]+\((AT_FDCWD, )?"([^"]*)".*/\2/' <<<"$line")
    case "$path" in
    /dev/null | "$runtime" | "$runtime"/* | "$temporary"/*) ;;
    *) fail "writes to disk: $line" ;;
    esac
done < <(grep -E ' (open|openat)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)| (creat|mkdir|mkdirat|rename|renameat|renameat2|unlink|unlinkat|truncate)\(' "$log")

# Sockets: only local ones, and connections only to the X display, glibc's name service cache and, on a
# desktop, the session and accessibility buses in the temporary and runtime folders.
while IFS= read -r line; do fail "network socket: $line"; done < <(grep -E ' socket\(' "$log" | grep -v '(AF_UNIX')
allowed='sun_path=@?"(/tmp/\.X11-unix/X[0-9]+|/var/run/nscd/socket|'"$temporary"'/dbus-[^"]*|'"$runtime"'/[^"]*)"'
while IFS= read -r line; do fail "connection: $line"; done < <(grep -E ' (connect|bind)\(' "$log" | grep -vE "$allowed")

grep -q 'idioma/menu.txt' "$log" || fail "strace saw nothing of the program"
echo "$(grep -c . "$log") system calls checked ($bus)"
[ "$failures" -eq 0 ]
