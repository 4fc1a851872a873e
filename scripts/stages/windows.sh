#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zevodave developers
# SPDX-License-Identifier: MIT

# The Windows build: the platform layer, the version record, the engine and
# the System Info lookup cross-built with mingw-w64, and their tests run under
# Wine against its real registry, file system and process start.
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/common.sh

build=build-windows
need_packages cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine wine64
configure_and_build "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DZEVODAVE_WITH_QT=OFF -DZEVODAVE_WERROR=ON

# A Windows installation of the build's own; -all also hides the hint about
# the 32-bit half of Wine, which is not needed; no offers to install .NET or
# a browser engine.
export WINEPREFIX="$PWD/$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# One Wine server for the whole run, with the background programs of the
# installation started once and their output sent nowhere: started by a test,
# they would hold CTest's output open and every test would wait for them.
# Ended, with every program still running in it, however the run ends.
mkdir -p "$WINEPREFIX"
wineserver -k >/dev/null 2>&1 || true
wineserver -p >/dev/null 2>&1
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
wine wineboot >/dev/null 2>&1

ctest --test-dir "$build" --output-on-failure -j "$(cpu_count)"
