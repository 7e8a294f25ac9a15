#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
# The teacher's register maximised on a 1366×768 screen, over a generated school year (30
# pupils, 200 sessions each), at scale factors 1 and 2:
# docs/screenshots/09-registro.png and docs/screenshots/09-registro-2x.png.
#
#   BUILD_DIR=build/dev scripts/teacher-screenshots.sh
#
# Needs the packages of scripts/packages-e2e.txt, like scripts/screenshots.sh.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source-path=SCRIPTDIR source=desktop.sh
source "$root/scripts/desktop.sh"
build_dir="${BUILD_DIR:-$root/build/release}"
[[ "$build_dir" = /* ]] || build_dir="$root/$build_dir"
cmake --build "$build_dir" --target vovorudoroz vovo_registerbench
work="$(mktemp -d "${TMPDIR:-/tmp}/vovo-teacher-shots.XXXXXX")"
mark="VOVO_SCREENSHOTS_RUN=$work"
trap 'stop_started; rm -rf "$work"' EXIT
trap 'exit 143' TERM INT HUP

# One year of a class, timed once (the figures are the bench's business, not ours).
"$build_dir/bench/vovo_registerbench" 1 "$work" >/dev/null

for scale in 1 2; do
    mkdir -m 700 "$work/run-$scale" "$work/home-$scale"
    export XDG_RUNTIME_DIR="$work/run-$scale" HOME="$work/home-$scale"
    unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
    mkdir -p "$HOME/.local/share/vovorudoroz"
    cp "$work/registro.sqlite" "$HOME/.local/share/vovorudoroz/"
    start_display "$((1366 * scale))x$((768 * scale))"
    env "$mark" QT_SCALE_FACTOR="$scale" LANG=it_IT.UTF-8 "$build_dir/bin/vovorudoroz" \
        >"$work/program-$scale.log" 2>&1 &
    started+=($!)
    wait_for 20 xdotool search --onlyvisible --name '^VOVORUDOROZ.1$' >/dev/null
    sleep 1
    # Alt opens the menu bar: "Registro" is three entries to the right. A first password left empty.
    xdotool key --delay 200 alt Right Right Right Return
    wait_for 20 xdotool search --onlyvisible --name '^REGISTRO DELLA CLASSE$' >/dev/null
    sleep 1
    xdotool key --delay 300 Return
    id="$(xdotool search --onlyvisible --name '^REGISTRO DELLA CLASSE$' | head -n 1)"
    # As maximised: the whole screen below openbox's title bar (22 pixels).
    xdotool windowactivate --sync "$id"
    xdotool windowsize "$id" "$((1366 * scale))" "$((768 * scale - 22))" windowmove "$id" 0 0
    sleep 3
    # The third pupil chosen: the chart and the sessions beside the class.
    xdotool key --delay 300 Tab Down Down Down
    sleep 2
    suffix=""
    [ "$scale" = 2 ] && suffix="-2x"
    shot="$root/docs/screenshots/09-registro$suffix.png"
    import -window root "$work/shot.png"
    convert "$work/shot.png" -strip +dither -colors 256 "PNG8:$shot"
    stop_started
    started=()
done
echo "docs/screenshots/09-registro.png docs/screenshots/09-registro-2x.png"
