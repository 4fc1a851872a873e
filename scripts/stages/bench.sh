#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zevodave developers
# SPDX-License-Identifier: MIT

# The start-up benchmark, not part of the test suite or CI: Zevodave and a
# bare Qt Widgets window of the same shape, started in turn on a virtual X
# display (Xvfb) and offscreen, each ended the moment its window is shown.
# Prints the medians of the run time and the peak memory and Zevodave's
# ratios to the bare window; ends non-zero when a ratio misses its goal (at
# most 1.25 x the time, 1.15 x the memory). Other work on the machine spreads
# the figures: run it on a quiet machine.
#
#   ./test.sh bench               BENCH_RUNS=25 ./test.sh bench
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/common.sh

build=build-bench
runs="${BENCH_RUNS:-15}"

# median FILE COLUMN: the middle value of one column.
median() { cut -d' ' -f"$2" "$1" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

measure() { # platform
    local out="$build/bench/$1" program
    rm -f "$out".*
    for _ in $(seq "$runs"); do
        # Each start's own messages (no XDG_RUNTIME_DIR, ...) are not the figures.
        for program in zevodave bare; do
            local path="$build/app/zevodave"
            [ "$program" = bare ] && path="$build/bench/zevodave_bare_window"
            QT_QPA_PLATFORM="$1" LD_PRELOAD="$PWD/$build/bench/libzevodave_shown_probe.so" \
                /usr/bin/time -a -o "$out.$program" -f '%e %M' "$path" >/dev/null 2>&1
        done
    done
    awk -v p="$1" -v t="$(median "$out.zevodave" 1)" -v bt="$(median "$out.bare" 1)" \
        -v m="$(median "$out.zevodave" 2)" -v bm="$(median "$out.bare" 2)" 'BEGIN {
        printf "%-9s time %.3f s / %.3f s = %.2f x   memory %d KiB / %d KiB = %.2f x\n",
               p, t, bt, t / bt, m, bm, m / bm
        exit (t / bt > 1.25 || m / bm > 1.15) }'
}

# The X display's half runs inside xvfb-run, as this script again.
if [ "${1:-}" = measure ]; then
    measure "$2"
    exit
fi

need_packages "${BUILD_PACKAGES[@]}" time xvfb xauth fontconfig fonts-dejavu-core
BUILD_TYPE=Release BUILD_TARGETS="zevodave zevodave_bare_window zevodave_shown_probe" \
    configure_and_build "$build" -DZEVODAVE_BENCH=ON -DZEVODAVE_TESTS=OFF

echo "$(nproc) core(s), load $(cut -d' ' -f1-3 /proc/loadavg); $runs starts each; Zevodave / bare:"
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" measure xcb || status=1
measure offscreen || status=1
exit "$status"
