#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zevodave developers
# SPDX-License-Identifier: MIT

# libFuzzer over the engine's readings of typed text: LeadingNumber,
# TypedPosition for every band, the colour code text and the whole value. It
# starts from the seed corpus under tests/fuzz/corpus and runs FUZZ_SECONDS
# (default 60) seconds; an input that crashes or breaks a property is kept
# under build-fuzz/crashes.
#
#   ./test.sh fuzz
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/common.sh

seconds="${FUZZ_SECONDS:-60}"
targets=(engine)

need_packages cmake ninja-build g++ clang libclang-rt-14-dev
need_comma_locale
# Only the targets are built: nothing else in the tree is meant for clang's fuzzer flags.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DZEVODAVE_FUZZ=ON -DZEVODAVE_WITH_QT=OFF -DZEVODAVE_TESTS=OFF >/dev/null
cmake --build build-fuzz --target "${targets[@]/#/fuzz_}"

mkdir -p build-fuzz/crashes build-fuzz/logs
for target in "${targets[@]}"; do
    # New inputs go to the build's own corpus; the committed seeds stay as they are.
    mkdir -p "build-fuzz/corpus/$target"
    log="build-fuzz/logs/$target.log"
    echo "fuzz: $target for ${seconds}s"
    if ! "build-fuzz/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=4096 \
        -timeout=10 -dict=tests/fuzz/engine.dict -print_final_stats=1 \
        -artifact_prefix="build-fuzz/crashes/$target-" \
        "build-fuzz/corpus/$target" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 60 "$log" >&2
        echo "fuzz: $target failed; rerun the input above with build-fuzz/tests/fuzz/fuzz_$target FILE" >&2
        exit 1
    fi
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^Done' "$log" | sed "s/^/  /"
done
echo "fuzz: ${#targets[@]} target(s), no crash, no broken property"
