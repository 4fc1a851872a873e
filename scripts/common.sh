# SPDX-FileCopyrightText: 2026 The Zevodave developers
# SPDX-License-Identifier: MIT

# Shared by run.sh, test.sh and the test stages: installing what is missing
# and building. Sourced, not run.

# Packages every build needs (Debian 12 / Ubuntu names).
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# Installs those of the named packages that are not installed yet.
need_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# configure_and_build BUILD_DIR [cmake options...]: everything, or only the
# targets named in BUILD_TARGETS.
configure_and_build() {
    local dir="$1"
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
    cmake --build "$dir" ${BUILD_TARGETS:+--target $BUILD_TARGETS}
}

cpu_count() { nproc 2>/dev/null || echo 2; }

# A German locale (decimal comma) for the fuzz target, which proves typed
# numbers read the same in every locale.
need_comma_locale() {
    locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
    need_packages locales
    as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8
}
