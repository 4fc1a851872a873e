#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zevodave developers
# SPDX-License-Identifier: MIT

# Installs what is missing, builds Zevodave and runs every test headless.
# Exits non-zero on any failure.
#
#   ./test.sh           the unit and window tests
#   ./test.sh STAGE     one of the extra stages listed by ./test.sh --help
set -euo pipefail
cd "$(dirname "$0")"
. scripts/common.sh

stages() { ls scripts/stages 2>/dev/null | sed -n 's/\.sh$//p' | tr '\n' ' '; }
usage() { echo "usage: ./test.sh [$(stages | sed 's/ $//; s/ / | /g')]"; }

stage="${1:-}"
case "$stage" in
"")
    need_packages "${BUILD_PACKAGES[@]}"
    configure_and_build build -DZEVODAVE_WERROR=ON
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$(cpu_count)"
    ;;
-h | --help)
    usage
    ;;
*)
    if [ -f "scripts/stages/$stage.sh" ]; then
        shift
        exec bash "scripts/stages/$stage.sh" "$@"
    fi
    echo "unknown stage: $stage" >&2
    usage >&2
    exit 2
    ;;
esac
