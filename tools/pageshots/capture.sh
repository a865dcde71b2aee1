#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Captures the "NVR Calculate" page after a calculation, on a virtual 1280 x 1024 screen:
#   bash tools/pageshots/capture.sh [build/dev/bin] [output.png] [pageshot-nvr options]
# Needs xvfb-run and ImageMagick.
set -euo pipefail
bin=$(cd "${1:-build/dev/bin}" && pwd)
out=$(realpath -m "${2:-nvrpage.png}")
shift $(( $# > 2 ? 2 : $# ))
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    "$0" "$@" 2>/dev/null & pid=$!
    sleep 4
    import -window root "'"$out"'"
    kill $pid' "$bin/pageshot-nvr" "$@"
echo "capture in $out"
