#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One entry point for a fresh Debian 12 machine:
#   bash scripts/corvane.sh start   install what is missing, build, start Corvane
#   bash scripts/corvane.sh test    install what is missing, build, run every test headless
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    libgl-dev libxkbcommon-dev libbenchmark-dev
    fonts-liberation2 fonts-noto-cjk fonts-droid-fallback
    xvfb xauth
    scdoc desktop-file-utils appstream lintian
    poppler-utils
    clang libclang-rt-14-dev
)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

build() {
    cmake --preset dev
    cmake --build --preset dev -j "$(nproc)"
}

case "${1:-}" in
start)
    install_missing
    build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: starting Corvane on a virtual screen (xvfb-run)."
        exec xvfb-run -a -s "-screen 0 1280x1024x24" build/dev/bin/corvane
    fi
    exec build/dev/bin/corvane
    ;;
test)
    install_missing
    build
    # A lock file shared with whatever else may start the program on this machine.
    ${CORVANE_CTEST_LOCK:+flock "$CORVANE_CTEST_LOCK"} ctest --preset dev
    ;;
*)
    echo "usage: bash scripts/corvane.sh start|test" >&2
    exit 2
    ;;
esac
