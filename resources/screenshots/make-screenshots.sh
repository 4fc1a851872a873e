#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zevodave developers
# SPDX-License-Identifier: MIT

# Takes the README's screenshots of the real program on a virtual X display:
# the main window with 4.7 kilohm +/- 5% typed in from the keyboard, the
# about window, and the Resistor window beside the main window with 4k7 5%
# typed into it. Builds the program into build-package/ when it is not there.
# Run it after a change to the windows and commit the PNGs beside it.
#
#   resources/screenshots/make-screenshots.sh
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$here/../.."
. scripts/common.sh

need_packages "${BUILD_PACKAGES[@]}" xvfb xauth xdotool imagemagick openbox fontconfig \
    fonts-dejavu-core
program=build-package/app/zevodave
[ -x "$program" ] || BUILD_TYPE=Release configure_and_build build-package -DZEVODAVE_TESTS=OFF

# Runs on the display. Keys go in as a user types them: Tab from the first
# list to the first field, then a value and Enter for each band.
# Runs on the display, in the caller's scope: a window manager, for the
# title bars a desktop puts round the windows, with a title font small enough
# for the main window's narrow bar; then the program, its main window ($main)
# focused.
start_desktop() {
    rc=$(mktemp --suffix=.xml)
    cat >"$rc" <<'RC'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <theme>
    <name>Clearlooks</name>
    <titleLayout>NLIC</titleLayout>
    <font place="ActiveWindow"><name>DejaVu Sans</name><size>8</size><weight>bold</weight></font>
    <font place="InactiveWindow"><name>DejaVu Sans</name><size>8</size><weight>bold</weight></font>
  </theme>
</openbox_config>
RC
    openbox --config-file "$rc" &
    sleep 1
    "$program" &
    main=$(xdotool search --sync --onlyvisible --name '^Zevodave$' | head -1)
    xdotool windowfocus --sync "$main"
    sleep 0.5
}

# Ends the program with File > Exit, then the window manager.
stop_desktop() {
    xdotool windowfocus --sync "$main"
    xdotool key --delay 100 alt+f e
    openbox --exit
    wait
    rm -f "$rc"
}

shoot() {
    local program="$1" out="$2" main about rc
    start_desktop
    xdotool key --delay 50 Tab Tab Tab Tab 4 Return 7 Return 2 Return 5 Return
    sleep 0.5
    import -frame -window "$main" "$out/main-window.png"

    xdotool key --delay 100 alt+h a
    about=$(xdotool search --sync --onlyvisible --name '^About Zevodave$' | head -1)
    sleep 0.5
    import -frame -window "$about" "$out/about-window.png"
    xdotool key --delay 100 Escape
    xdotool windowfocus --sync "$main"
    sleep 0.5
    xdotool key --delay 100 alt+l r
    xdotool search --sync --onlyvisible --name '^Zevodave Resistor$' >/dev/null
    sleep 0.5
    # Five bands, a value typed, a Red sixth band.
    xdotool key --delay 100 alt+b Down alt+v
    xdotool type --delay 50 '4k99 1%'
    xdotool key --delay 100 Return alt+b Down alt+6 Down Down Down alt+v
    sleep 0.5
    # Both windows: the screen's black background trimmed away round them,
    # and what remains below the shorter one filled in grey.
    import -window root "$out/resistor-window.png"
    mogrify -trim +repage "$out/resistor-window.png"
    mogrify -fill '#d4d4d4' -floodfill "+0+$(($(identify -format %h "$out/resistor-window.png") - 1))" \
        black "$out/resistor-window.png"
    stop_desktop
}
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -br" \
    bash -c "$(declare -f start_desktop stop_desktop shoot); shoot '$program' '$here'"
# Smaller files, same pixels.
for image in "$here"/main-window.png "$here"/about-window.png "$here"/resistor-window.png; do
    mogrify -strip "$image"
    identify "$image"
done

# A Learn window of its own, opened from the Learn menu by its access key and
# used by the keyboard, each step "type:TEXT" typed or "key:KEYS" pressed.
shoot_learn() {
    local program="$1" out="$2" key="$3" caption="$4" file="$5" rc main window step
    shift 5
    start_desktop
    xdotool key --delay 100 alt+l "$key"
    window=$(timeout 10 xdotool search --sync --onlyvisible --name "^$caption\$" | head -1)
    [ -n "$window" ] || { echo "Learn > $key opened no window" >&2; return 1; }
    xdotool windowfocus --sync "$window"
    sleep 0.5
    for step in "$@"; do
        case "$step" in
        type:*) xdotool type --delay 50 "${step#type:}" ;;
        key:*) xdotool key --delay 100 ${step#key:} ;;
        esac
    done
    sleep 0.5
    import -frame -window "$window" "$out/$file"
    stop_desktop
}
# The Practice window with five bands chosen and checked so the picture and
# the feedback show (its question is drawn at random, so the picture differs
# from run to run), and
# the SMD window with a marking read and a value's markings written.
for shot in "p|Zevodave Practice|practice-window.png|key:alt+b Down alt+s|key:alt+1|type:Yellow|key:Tab|type:Violet|key:Tab|type:Black|key:Tab|type:Brown|key:Tab|type:Brown|key:Return" \
    "s|Zevodave SMD|smd-window.png|type:01C|key:Return alt+v|type:4k7|key:Return"; do
    IFS='|' read -r -a args <<<"$shot"
    xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" \
        bash -c "$(declare -f start_desktop stop_desktop shoot_learn); shoot_learn \"\$@\"" \
        shoot "$program" "$here" "${args[@]}"
    mogrify -strip "$here/${args[2]}"
    identify "$here/${args[2]}"
done
