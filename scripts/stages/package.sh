#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zevodave developers
# SPDX-License-Identifier: MIT

# The program as users install it: `cmake --install` into a scratch root, its
# desktop entry and AppStream metadata validated, the .deb built by CPack and
# checked by lintian, installed on this machine with apt-get, started from
# /usr/bin headless (offscreen and on a virtual X display), and removed again.
# Last, `reuse lint` checks that every source file states its licence.
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/common.sh

build=build-package
stage="$PWD/$build/stage"
# How long the installed program must keep running, and how long it may take
# to show its window on the virtual display.
run_seconds=2
show_seconds=20

need_packages "${BUILD_PACKAGES[@]}" desktop-file-utils appstream dpkg-dev file \
    xvfb xauth x11-utils lintian reuse man-db
BUILD_TYPE=Release configure_and_build "$build" -DZEVODAVE_TESTS=OFF -DZEVODAVE_WERROR=ON

fail() {
    echo "package: $*" >&2
    exit 1
}

echo "== cmake --install into $build/stage"
rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
share="$stage/usr/share"
[ -x "$stage/usr/bin/zevodave" ] || fail "no usr/bin/zevodave"
desktop=$(ls "$share"/applications/*.desktop)
[ "$(echo "$desktop" | wc -l)" -eq 1 ] || fail "expected one desktop entry, found: $desktop"
app_id=$(basename "$desktop" .desktop)
metainfo="$share/metainfo/$app_id.metainfo.xml"
[ -f "$metainfo" ] || fail "no metainfo named after the desktop entry $app_id"
grep -q "<id>$app_id</id>" "$metainfo" || fail "metainfo id is not $app_id"
grep -q ">$app_id.desktop</launchable>" "$metainfo" || fail "metainfo launches no $app_id.desktop"
grep -qx "Icon=$app_id" "$desktop" || fail "desktop entry's icon is not $app_id"
file "$share/icons/hicolor/48x48/apps/$app_id.png" | grep -q '48 x 48' ||
    fail "no 48 x 48 icon named $app_id"
grep -q '<svg' "$share/icons/hicolor/scalable/apps/$app_id.svg" || fail "no scalable icon named $app_id"

echo "== desktop-file-validate and appstreamcli validate"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
appstreamcli validate-tree --no-net "$stage/usr"

echo "== cpack -G DEB"
rm -f "$build"/zevodave_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$PWD/$build"/zevodave_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "$(basename "$deb"): Depends: $depends"
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
    [[ "$depends" == *"$library "* ]] || fail "the package does not depend on $library"
done

echo "== lintian $(basename "$deb")"
lintian --fail-on error,warning "$deb" || fail "lintian found the errors or warnings above"

echo "== apt-get install $(basename "$deb")"
if dpkg-query -W -f='${Status}' zevodave 2>/dev/null | grep -q "install ok installed"; then
    fail "zevodave is already installed here; remove it first (apt-get remove zevodave)"
fi
# The machine is left as it was, however the checks end.
trap 'as_root apt-get remove -y -qq zevodave >/dev/null 2>&1 || true' EXIT
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
[ -x /usr/bin/zevodave ] || fail "the package installed no /usr/bin/zevodave"
! ldd /usr/bin/zevodave | grep 'not found' || fail "the installed program misses libraries"
man -w zevodave >/dev/null || fail "man finds no manual page for zevodave"

echo "== /usr/bin/zevodave, offscreen"
status=0
QT_QPA_PLATFORM=offscreen timeout "$run_seconds" /usr/bin/zevodave || status=$?
# 124: still running when the time was up, as it should be.
[ "$status" -eq 124 ] || fail "the installed program ended with status $status within ${run_seconds}s"

echo "== /usr/bin/zevodave, on a virtual X display"
# Run on the display: waits for the main window to be mapped, then checks
# the class that ties it to its desktop entry and the icon it carries.
check_shown() {
    local seconds="$1" program window="" tenth
    QT_QPA_PLATFORM=xcb /usr/bin/zevodave &
    program=$!
    for ((tenth = 0; tenth < seconds * 10; ++tenth)); do
        window=$(xwininfo -root -tree | awk '/"Zevodave": \("zevodave" "Zevodave"\)/ { print $1 }')
        [ -n "$window" ] && break
        kill -0 "$program" 2>/dev/null || break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "no Zevodave window was shown" >&2; return 1; }
    xprop -id "$window" WM_NAME WM_CLASS
    xprop -id "$window" _NET_WM_ICON | grep -q 'Icon (48 x 48)' ||
        { echo "the window carries no 48 x 48 icon" >&2; return 1; }
    kill "$program"
    wait "$program" || true
}
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "$(declare -f check_shown); check_shown $show_seconds"

echo "== apt-get remove zevodave"
as_root apt-get remove -y -qq zevodave >/dev/null
trap - EXIT
[ ! -e /usr/bin/zevodave ] || fail "/usr/bin/zevodave is left after removal"

echo "== reuse lint"
reuse lint -q || { reuse lint >&2; fail "the source tree is not REUSE compliant, as listed above"; }
echo "package: all checks passed ($(basename "$deb"))"
