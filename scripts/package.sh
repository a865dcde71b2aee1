#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a Release build and shows what it holds:
#   bash scripts/package.sh      -> build/release/corvane_<version>_amd64.deb
# Run `bash scripts/corvane.sh test` once first on a fresh machine (it installs the build
# dependencies); this adds only what packaging needs (dpkg-dev for dpkg-shlibdeps, file).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"

missing=()
for p in dpkg-dev file; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=build/release
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_TESTS=OFF \
    -DCORVANE_BUILD_BENCHMARKS=OFF -DCORVANE_BUILD_TOOLS=OFF
cmake --build "$build" -j "$(nproc)"
(cd "$build" && cpack -G DEB)

deb=$(ls -t "$build"/corvane_*_amd64.deb | head -n 1)
echo "== $deb: control data (dpkg-deb -I)"
dpkg-deb -I "$deb"
echo "== contents (dpkg-deb -c)"
dpkg-deb -c "$deb"

# What a user relies on: the libraries as dependencies, the files in their places. (The
# listings are read whole: grep -q ending a pipe early would fail it under pipefail.)
depends=$(dpkg-deb -f "$deb" Depends)
contents=$(dpkg-deb -c "$deb")
grep -q 'libqt6widgets6' <<<"$depends" || { echo "Depends lacks the toolkit" >&2; exit 1; }
for f in ./usr/bin/corvane ./usr/bin/corvane-plan ./usr/share/applications/org.corvane.Corvane.desktop \
    ./usr/share/corvane/translations/corvane_zh.qm ./usr/share/doc/corvane/copyright \
    ./usr/share/man/man1/corvane-plan.1.gz; do
    grep -q " $f\$" <<<"$contents" || { echo "missing from the package: $f" >&2; exit 1; }
done
echo "== $deb is in order; install it with: apt-get install ./$deb"
