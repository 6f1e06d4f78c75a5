#!/usr/bin/env bash
# Sets up a Debian machine for Maroleta, builds it, and then starts it (run) or passes its tests (test).
# Usage: scripts/maroleta.sh run|test
set -euo pipefail

cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ qt6-base-dev fonts-liberation libbenchmark-dev)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}

case "${1:-}" in
run)
    install_missing
    build release
    exec build/release/maroleta
    ;;
test)
    install_missing
    build dev
    ctest --preset dev --parallel "$(nproc)"
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
