#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Maroleta developers
# Sets up a Debian machine for Maroleta, builds it, and then starts it (run) or passes its tests (test).
# Usage: scripts/maroleta.sh run|test
set -euo pipefail

cd "$(dirname "$0")/.."

# The build tools and Qt (on Debian 12 Qt's speech module finds its CMake files only with qt6-declarative-dev);
# the font; and a voice for reading aloud: Qt's speech-dispatcher plugin, speech-dispatcher and espeak-ng.
packages=(cmake ninja-build g++ qt6-base-dev qt6-speech-dev qt6-declarative-dev fonts-liberation
    qt6-speech-speechd-plugin speech-dispatcher espeak-ng speech-dispatcher-espeak-ng)
# The benchmarks; the sanitizer runtime of the default clang, whatever the release; what the checks of the
# real program use (strace, a virtual display and its window manager); what a desktop has, so that the
# program is tested as it runs there (a session bus, dbus-launch, the accessibility bus and the screen
# reader Orca); speech-dispatcher's audio output, which the test of its
# generic module sets to a silent driver; and what the package test uses.
test_packages=(libbenchmark-dev clang libclang-rt-dev strace xvfb xauth openbox xdotool wmctrl
    dbus-daemon dbus-bin dbus-x11 at-spi2-core orca speech-dispatcher-audio-plugins dpkg-dev
    file lintian appstream)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# build PRESET [TARGET...]: configures and builds the preset, only the targets named if any.
build() {
    local preset=$1
    shift
    cmake --preset "$preset" >/dev/null
    local targets=()
    if [ $# -gt 0 ]; then
        targets=(--target "$@")
    fi
    cmake --build --preset "$preset" "${targets[@]}"
}

case "${1:-}" in
run)
    install_missing "${packages[@]}"
    # The program alone, not the test and benchmark programs: the window is up as soon as it can be.
    build release maroleta
    exec build/release/maroleta
    ;;
test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    # A short bounded run of each fuzzer over its seed corpus (MAROLETA_FUZZ_SECONDS for a longer one).
    build fuzz
    fuzz_seconds=${MAROLETA_FUZZ_SECONDS:-45}
    for target in language caption; do
        corpus=$(mktemp -d)
        build/fuzz/fuzz/fuzz_$target -max_total_time="$fuzz_seconds" -max_len=20000 -print_final_stats=1 \
            "$corpus" "fuzz/corpus/$target" 2>&1 | tail -n 3
        rm -rf "$corpus"
    done
    # The whole suite under the address and undefined-behaviour sanitizers, then in the ordinary build.
    build asan
    ASAN_OPTIONS=detect_leaks=0 ctest --preset asan --parallel "$(nproc)"
    build dev
    ctest --preset dev --parallel "$(nproc)"
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
