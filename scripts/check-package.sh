#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
# Builds the Debian package, unpacks it into a throw-away root, checks what it installs (program
# folder, link, sound, menu entry, icons, metainfo, dependencies), and starts the program from there
# offscreen: it must still be running after three seconds.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/setup.sh

cmake --preset release >/dev/null
cmake --build --preset release --target package

build=build/release
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
deb="$build/vovorudoroz_${version}_$(dpkg --print-architecture).deb"
id=org.vovorudoroz.Vovorudoroz
echo "Checking $deb"

work="$(mktemp -d)"
root="$work/root"
pid=
cleanup()
{
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$root"
folder="$root/usr/lib/vovorudoroz"

passed=0
failed=0
# check DESCRIPTION COMMAND...: runs the command, prints its output only when it fails.
check()
{
    local what="$1"
    shift
    if "$@" >"$work/log" 2>&1; then
        passed=$((passed + 1))
        echo "ok    $what"
    else
        failed=$((failed + 1))
        echo "FAIL  $what"
        sed 's/^/      /' "$work/log"
    fi
}

program_folder_complete()
{
    local status=0
    for program in vovorudoroz www; do
        [ -x "$folder/$program" ] || { echo "no program $program in $folder"; status=1; }
    done
    [ -f "$folder/positivo.wav" ] || { echo "no positivo.wav in $folder"; status=1; }
    [ -f "$folder/libvovorudoroz_sound.so" ] || { echo "no sound module in $folder"; status=1; }
    [ -f "$folder/libvovorudoroz_speech.so" ] || { echo "no speech module in $folder"; status=1; }
    [ -f "$folder/libvovorudoroz_spooler.so" ] || { echo "no spooler module in $folder"; status=1; }
    [ -f "$folder/libvovorudoroz_charts.so" ] || { echo "no charts module in $folder"; status=1; }
    [ -f "$folder/libvovorudoroz_store.so" ] || { echo "no register module in $folder"; status=1; }
    return $status
}

link_reaches_program()
{
    local link="$root/usr/bin/vovorudoroz"
    [ -L "$link" ] || { echo "$link is not a link"; return 1; }
    [ "$(readlink -f "$link")" = "$(readlink -f "$folder/vovorudoroz")" ] || {
        echo "$link leads to $(readlink -f "$link")"
        return 1
    }
}

sound_is_short_mono_pcm()
{
    local wav="$folder/positivo.wav"
    soxi "$wav"
    [ "$(soxi -c "$wav")" = 1 ] && [ "$(soxi -b "$wav")" = 16 ] \
        && [ "$(soxi -e "$wav")" = "Signed Integer PCM" ] \
        && awk -v d="$(soxi -D "$wav")" 'BEGIN { exit !(d >= 0.3 && d <= 0.5) }'
}

icons_complete()
{
    local icons="$root/usr/share/icons/hicolor" size status=0
    [ -f "$icons/scalable/apps/$id.svg" ] || { echo "no scalable icon"; status=1; }
    for size in 16 32 48 64 128 256; do
        local png="$icons/${size}x${size}/apps/$id.png"
        if ! file "$png" | grep -q "PNG image data, $size x $size"; then
            file "$png"
            status=1
        fi
    done
    return $status
}

depends_include()
{
    local depends
    depends="$(dpkg-deb -f "$deb" Depends)"
    echo "Depends: $depends"
    for package in "$@"; do
        grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || { echo "missing: $package"; return 1; }
    done
}

copyright_names_the_licence()
{
    local copyright="$root/usr/share/doc/vovorudoroz/copyright"
    [ -f "$copyright" ] || { echo "no $copyright"; return 1; }
    grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$copyright" \
        && grep -q '^License: GPL-3.0-or-later$' "$copyright"
}

runs_offscreen_from_root()
{
    local runtime="$work/runtime"
    mkdir -m 0700 "$runtime"
    (cd / && exec env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" LC_ALL=C.UTF-8 \
        "$root/usr/bin/vovorudoroz" >"$work/program.log" 2>&1) &
    pid=$!
    sleep 3
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "the program stopped early:"
        cat "$work/program.log"
        pid=
        return 1
    fi
    # The running image is the unpacked one, reached through the link: its folder is the program folder.
    local image
    image="$(readlink -f "/proc/$pid/exe")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
    [ "$image" = "$(readlink -f "$folder/vovorudoroz")" ] || { echo "running image: $image"; return 1; }
}

check "program folder holds the program, www, the sound, speech, spooler, charts and register modules and positivo.wav" program_folder_complete
check "bin/vovorudoroz links to the program" link_reaches_program
check "positivo.wav is short 16-bit mono PCM" sound_is_short_mono_pcm
check "desktop entry is valid" desktop-file-validate "$root/usr/share/applications/$id.desktop"
check "AppStream metainfo is valid" appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
check "AppStream sees the installed tree as one application" appstreamcli validate-tree --no-net "$root"
check "machine-readable copyright: GPL-3.0-or-later" copyright_names_the_licence
check "hicolor icons: scalable and 16 to 256" icons_complete
check "dependencies computed and named" depends_include libqt6widgets6 libqt6multimedia6 libcups2 \
    fonts-liberation2 qt6-translations-l10n qt6-speech-speechd-plugin
check "dependencies can be met" apt-get install --simulate --quiet "$(readlink -f "$deb")"
check "the program runs offscreen from the unpacked root" runs_offscreen_from_root

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
