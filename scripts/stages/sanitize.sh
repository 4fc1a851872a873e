#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zevodave developers
# SPDX-License-Identifier: MIT

# The whole test suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer, leak checking on. Any report, from any process
# the tests start, fails the stage.
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/common.sh

need_packages "${BUILD_PACKAGES[@]}"
configure_and_build build-sanitize -DZEVODAVE_SANITIZE=ON -DZEVODAVE_WERROR=ON

# Reports go to files as well as failing their test, so that none is lost in
# a test that catches its child's exit code.
reports="$PWD/build-sanitize/sanitizer-reports"
rm -rf "$reports" && mkdir -p "$reports"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:strict_init_order=1:check_initialization_order=1:log_path=$reports/asan"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitize/lsan.supp:print_suppressions=0"

status=0
QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitize --output-on-failure -j "$(cpu_count)" || status=$?
if compgen -G "$reports/*" >/dev/null; then
    cat "$reports"/* >&2
    echo "sanitize: $(ls "$reports" | wc -l) sanitizer report(s), see above" >&2
    status=1
fi
exit "$status"
