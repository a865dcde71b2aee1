#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Captures every dialog the way a user sees it, on a virtual 1280 x 1024 screen:
#   bash tools/dialogshots/capture.sh [build/dev/bin] [output folder]
# Needs xvfb-run and ImageMagick. The wait dialog is shown with a generated four-colour
# animation when the program's own picture is not compiled in, and captured twice.
set -euo pipefail
bin=$(cd "${1:-build/dev/bin}" && pwd)
out=$(mkdir -p "${2:-shots}" && cd "${2:-shots}" && pwd)
movie="$out/animation.gif"
convert -size 64x64 -delay 20 xc:red xc:blue xc:green xc:yellow -loop 0 "$movie"

shot() {
    local name=$1 wait=$2
    shift 2
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
        "$0" "$@" 2>/dev/null & pid=$!
        sleep '"$wait"'
        import -window root "'"$out/$name"'.png"
        if [ "'"$name"'" = chase ]; then sleep 0.35; import -window root "'"$out/$name"'2.png"; fi
        kill $pid' "$bin/dialogshots" "$@"
}

shot main 2 main
shot about 2 about
shot warn-short 2 warn-short
shot warn-long 2 warn-long
shot warn-font 2 warn-font
shot confirm 3 confirm
shot chase 2 chase "$movie"
shot file 3 file
shot models 2 models
shot model-edit 2 model-edit
shot model-refused 2 model-refused
shot model-in-use 2 model-in-use
echo "captures in $out"
