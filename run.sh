#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zevodave developers
# SPDX-License-Identifier: MIT

# Installs what is missing, builds Zevodave into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/common.sh

# Beyond the build: Qt's X11 platform plugin with the libraries it opens at
# run time (Wayland desktops show the window through XWayland), and a font.
RUN_PACKAGES=(qt6-qpa-plugins libxcb-cursor0 fontconfig fonts-dejavu-core)

need_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"
# Only the program: the tests are ./test.sh's to build.
BUILD_TARGETS=zevodave configure_and_build build

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "Built build/app/zevodave, but there is no desktop to show it on" \
        "(neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    exit 1
fi
exec build/app/zevodave
