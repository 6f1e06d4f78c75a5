#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Maroleta developers
# What the real maroleta sends to the voice. speech-dispatcher is given, through a user configuration of a
# home folder of our own, only the generic output module (the one RHVoice, mimic3 or festival users have),
# set to append each text it is to say to a file. The program is started on a virtual X display with the
# Spanish set beside it, and again from a copy with the Galician one; reading is turned on with F2 and
# two practice sections are entered. Then the file must hold, for each set, the explanation and the
# exercise in that set's words, and no digit at all.
# Usage: speech.sh path/to/maroleta path/to/languages
set -uo pipefail

program=$1
languages=$2
source "$(dirname "$0")/common.sh"
need speech-dispatcher Xvfb openbox xdotool
module=$(ls /usr/lib/speech-dispatcher-modules/sd_generic /usr/lib/*/speech-dispatcher-modules/sd_generic \
    2>/dev/null | head -1)
[ -n "$module" ] || { echo "skipped: speech-dispatcher has no generic module"; exit 77; }
ls /usr/lib/*/qt6/plugins/texttospeech/*speechd* >/dev/null 2>&1 \
    || { echo "skipped: Qt's speech-dispatcher plugin is not installed"; exit 77; }

work=$(mktemp -d)
cleanup() {
    kill "${app_pid:-}" "${wm_pid:-}" "${xvfb_pid:-}" 2>/dev/null
    # The speech-dispatcher the program started (its pid file is in our runtime folder) and its module.
    find "$work" -name '*.pid' -o -name pid | xargs -r cat 2>/dev/null | xargs -r kill -9 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime XDG_CACHE_HOME=$work/cache
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$XDG_CACHE_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
said=$work/said.txt
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<EOF
AddModule "said" "sd_generic" "said.conf"
DefaultModule said
AudioOutputMethod "libao"
EOF
echo "default_driver=null" >"$HOME/.libao" # no sound card needed
cat >"$XDG_CONFIG_HOME/speech-dispatcher/modules/said.conf" <<EOF
GenericExecuteSynth "echo \"\$DATA\" >> $said"
$(for code in es ca eu en; do printf 'AddVoice "%s" "MALE1" "%s"\nGenericLanguage "%s" "%s" "utf-8"\n' $code $code $code $code; done)
EOF

start_display

# Waits until the file holds more than `lines` lines, for at most 20 seconds.
said_beyond() {
    for _ in $(seq 100); do
        [ "$(cat "$said" 2>/dev/null | wc -l)" -gt "$1" ] && return 0
        sleep 0.2
    done
    return 1
}

# Each set: the program to start, then words that must be heard.
run() {
    local copy=$1
    shift
    : >"$said"
    "$copy" 2>"$work/stderr" &
    app_pid=$!
    local window
    window=$(timeout 30 xdotool search --sync --name '^Maroleta 1\.2' | head -1)
    [ -n "$window" ] || { echo "the main window did not appear"; exit 1; }
    sleep 1
    xdotool windowactivate --sync "$window" key F2
    said_beyond 0 || fail "nothing was said after F2: $(cat "$work/stderr")"
    # SUMA Y RESTA, then MULTIPLICACIÓN Y DIVISIÓN (pixels at 96 dots per inch), each heard before the next.
    for y in 396 360; do
        local before
        before=$(wc -l <"$said")
        xdotool mousemove --window "$window" 60 "$y" click 1
        said_beyond "$before" || fail "nothing was said after a click at $y"
    done
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null
    app_pid=
    echo "-- said:"
    cat "$said"
    grep -q '[0-9]' "$said" && fail "digits were sent to the voice"
    for word in "$@"; do
        grep -qF -- "$word" "$said" || fail "never said: $word"
    done
}

run "$program" "Bienvenido a Maroleta" "Elige el mismo denominador" " más " "Multiplica o divide" " por "
# The Galician set, read by the Spanish voice the generic module has for it: its own words all the same.
mkdir "$work/gl"
cp "$program" "$work/gl/"
cp -r "$languages/gl/idioma" "$work/gl/idioma"
run "$work/gl/$(basename "$program")" "Benvida e benvido" "Escolle o mesmo denominador" " máis " " por "
[ "$failures" -eq 0 ]
