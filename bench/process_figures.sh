# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process figures of corvane-plan: median wall time and median peak resident memory
# over RUNS runs (default 5) of each case, measured with /usr/bin/time -v.
#
#   bash bench/process_figures.sh [path/to/corvane-plan] [runs]
#
# EXTRA_OPTIONS are added to every case, e.g. EXTRA_OPTIONS="--storage --streams both".
set -eu
plan=${1:-build/dev/bin/corvane-plan}
runs=${2:-5}

case_a=(recorders --model NR-A8V --camera '16384(16M),4096(4M),1000000' --json)
case_b=(recorders --model NR-A8V --camera 16384,0,150000)
for t in $(seq 2 100); do case_b+=(--camera "$((585 - 5 * (t - 2))),0,$((7000 + t))"); done
case_b+=(--json)
case_c=(recorders --model NR-A8V)
for t in $(seq 1 55); do case_c+=(--camera 8192,2288,9091); done
for t in $(seq 1 45); do case_c+=(--camera 8192,1808,11110); done
case_c+=(--json)
commas=$(printf '1,%.0s' $(seq 1 32000))
case_s=(recorders --model NR-A8V --camera "1024(${commas%,}),0,5" --json)

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

measure() {
    local name=$1 n=$2
    shift 2
    local times=() cpus=() rss=() out
    for _ in $(seq 1 "$n"); do
        out=$( { /usr/bin/time -v "$plan" "$@" ${EXTRA_OPTIONS:-} > /tmp/corvane-figures.out; } 2>&1 )
        times+=("$(awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, p, ":"); s = 0;
            for (i = 1; i <= n; ++i) s = s * 60 + p[i]; printf "%.2f\n", s }' <<< "$out")")
        cpus+=("$(awk -F': ' '/User time/ { u = $2 } /System time/ { s = $2 }
            END { printf "%.2f", u + s }' <<< "$out")")
        rss+=("$(awk -F': ' '/Maximum resident set size/ { print $2 }' <<< "$out")")
    done
    printf '%-6s wall %ss  cpu %ss  peak %s kB  (%s runs; output %s bytes, md5 %s)\n' "$name" \
        "$(printf '%s\n' "${times[@]}" | median)" "$(printf '%s\n' "${cpus[@]}" | median)" \
        "$(printf '%s\n' "${rss[@]}" | median)" "$n" \
        "$(wc -c < /tmp/corvane-figures.out)" "$(md5sum < /tmp/corvane-figures.out | cut -c1-12)"
}

[ "$runs" -gt 0 ] || exit 0
measure a "$runs" "${case_a[@]}"
measure b "$runs" "${case_b[@]}"
measure c "$runs" "${case_c[@]}"
[ "${COMMA_RUNS:-$runs}" -eq 0 ] || measure commas "${COMMA_RUNS:-$runs}" "${case_s[@]}"
