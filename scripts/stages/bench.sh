#!/usr/bin/env bash
# Benchmarks, not part of the test suite or CI:
# - start-up: Zevodave against a bare Qt Widgets window of the same shape,
#   interleaved, on a virtual X display (Xvfb) and offscreen: the medians of
#   the time from exec to the window shown and of the peak memory, and their
#   ratios to the goals (at most 1.25 x the time, 1.15 x the memory);
# - one user action in the real window (Enter in a field, a colour chosen),
#   and the engine's ResistanceText and TypedPosition alone.
#
#   ./test.sh bench               BENCH_RUNS=25 ./test.sh bench
#
# Ends non-zero when a start-up ratio misses its goal. Other work on the
# machine spreads the figures: run it on a quiet machine.
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/common.sh

build=build-bench
runs="${BENCH_RUNS:-15}"

need_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev xvfb xauth fontconfig fonts-dejavu-core
BUILD_TYPE=Release configure_and_build "$build" -DZEVODAVE_BENCH=ON -DZEVODAVE_TESTS=OFF

echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(nproc) core(s)," \
    "$(free -g | awk '/^Mem:/ { print $2 }') GB; $(uname -sr);" \
    "Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?')"
echo "Load average before the run: $(cut -d' ' -f1-3 /proc/loadavg)"
echo

# Both platforms in one run, on one virtual display for all the xcb starts.
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/startup_bench" \
    --program "$build/app/zevodave" --bare "$build/bench/zevodave_bare_window" \
    --probe "$PWD/$build/bench/libzevodave_shown_probe.so" \
    --runs "$runs" --platforms xcb,offscreen || status=$?
echo

echo "One user action in the main window, handled and repainted (offscreen, median of 5):"
# Without the offscreen platform's notes about raising and grabbing the open
# list's popup, which would also be timed. One line per action.
QT_LOGGING_RULES='default.warning=false' QT_QPA_PLATFORM=offscreen \
    "$build/bench/action_bench" -median 5 |
    awk '/^RESULT/ { sub(/^RESULT : [A-Za-z]+::[A-Za-z]+\(\):/, ""); name = $0; getline
                     printf "  %-50s %8s ms\n", name, $1; next }
         /^(FAIL|Totals)/ { print "  " $0 }'
[ "${PIPESTATUS[0]}" -eq 0 ] || status=1
echo

echo "The engine's rules alone:"
"$build/bench/engine_bench" --benchmark_min_time=0.5 2>&1 | grep -v 'built as DEBUG'
exit "$status"
