#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
# Runs one end-to-end case against the real program, each time on its own virtual display
# (Xvfb with openbox), its own D-Bus session with the accessibility bus, and, for the cases
# that print, its own CUPS whose default queue saves every job as a PDF.
#
#   run-e2e.sh CASE PROGRAM_FOLDER [LABPC]   (LABPC: tests/schoolserver/labpc, for school_server)
#
# Exits 77 (CTest's skip code) when a tool is missing. Every process started here, and every
# process they start in turn (the accessibility registry, the information program), is
# stopped by its process id when the script ends, whether the case passed or not.
set -euo pipefail

readonly SKIP=77
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source-path=SCRIPTDIR source=../../scripts/desktop.sh
source "$here/../../scripts/desktop.sh"
case_name="${1:?case name}"
program_folder="$(cd "${2:?program folder}" && pwd)"
labpc="${3:-}"

skip() {
    echo "SKIP: $*"
    exit $SKIP
}

# Which printer each case has: a queue saving PDFs, a queue whose backend fails, or no
# print server at all.
case "$case_name" in
session | analysis | measures | stopped_queue | rejecting_queue | normal_queue) printer=pdf ;;
failing_queue) printer=failing ;;
no_printer | midnight | missing_sound | missing_www | end_question | enter_only | assistive_text | review | screen_reader | register_kill | school_server | practice)
    printer=none
    ;;
*)
    echo "unknown case: $case_name" >&2
    exit 2
    ;;
esac

for tool in Xvfb openbox dbus-daemon xdotool pdftotext pdfimages; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (scripts/packages-e2e.txt)"
done
[ -x "$accessibility_launcher" ] || skip "at-spi2-core is not installed"
if ! [ -x /usr/bin/python3 ] || ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    skip "python3-pyatspi is not installed"
fi
if [ "$printer" != none ]; then
    for tool in cupsd lpadmin lpstat; do
        command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
    done
fi
faketime_lib=""
if [ "$case_name" = midnight ] || [ "$case_name" = register_kill ] || [ "$case_name" = practice ]; then
    for candidate in /usr/lib/*/faketime/libfaketime.so.1 /usr/lib/faketime/libfaketime.so.1; do
        [ -e "$candidate" ] && faketime_lib="$candidate" && break
    done
    [ -n "$faketime_lib" ] || skip "libfaketime is not installed"
fi
if [ "$case_name" = screen_reader ] || [ "$case_name" = measures ]; then
    # shellcheck source-path=SCRIPTDIR source=speech.sh
    source "$here/speech.sh"
    # shellcheck source-path=SCRIPTDIR source=orca.sh
    source "$here/orca.sh"
    missing="$(orca_tools_missing)"
    [ -z "$missing" ] || skip "$missing is not installed (scripts/packages-e2e.txt)"
fi
if [ "$case_name" = school_server ]; then
    # shellcheck source-path=SCRIPTDIR source=school-server.sh
    source "$here/school-server.sh"
    postgres_available || skip "postgresql is not installed"
    [ -x "$labpc" ] || {
        echo "no labpc given" >&2
        exit 1
    }
fi
[ -x "$program_folder/vovorudoroz" ] || {
    echo "no program in $program_folder" >&2
    exit 1
}

work="$(mktemp -d "${TMPDIR:-/tmp}/vovo-e2e.XXXXXX")"
# Every process started from here carries this mark, so that the clean-up finds also the
# ones that leave their parent (D-Bus activation, detached programs).
mark="VOVO_E2E_RUN=$work"

clean_up() {
    local status=$?
    set +e
    # What the screen showed when a case failed, kept beside the test's output.
    if [ $status -ne 0 ] && [ $status -ne $SKIP ] && [ -n "${DISPLAY:-}" ] &&
        command -v import >/dev/null 2>&1; then
        import -display "$DISPLAY" -window root "$PWD/e2e-$case_name-failure.png" 2>/dev/null &&
            echo "screen at the failure: $PWD/e2e-$case_name-failure.png"
    fi
    [ "$case_name" = school_server ] && postgres_remove
    # The newest first: the program, then the spooler, the buses, the window manager, Xvfb.
    stop_started
    mapfile -t left < <(processes_with_mark)
    if [ ${#left[@]} -gt 0 ]; then
        echo "FAIL: processes still running after the clean-up: ${left[*]}" >&2
        ps -o pid,ppid,args -p "$(
            IFS=,
            echo "${left[*]}"
        )" >&2
        [ $status -eq 0 ] && status=1
    fi
    if [ $status -ne 0 ] && [ $status -ne $SKIP ]; then
        for log in "$work"/*.log "$work"/cups/log/error_log "$work"/cups/log/access_log; do
            [ -s "$log" ] && { echo "---- $log"; tail -n 40 "$log"; }
        done
    fi
    rm -rf "$work"
    exit $status
}
trap clean_up EXIT
trap 'exit 143' TERM INT HUP

DISPLAY=""
mkdir -m 700 "$work/run" "$work/home"
export XDG_RUNTIME_DIR="$work/run" HOME="$work/home"
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

start_display 1280x1024 || exit 1
start_session_bus || exit 1
start_accessibility_bus

# Print spooler. Without one, CUPS_SERVER points at a socket that does not exist, so that
# no print server of the machine is reached either.
export CUPS_SERVER="$work/cups/cups.sock"
mkdir -p "$work/cups" "$work/printed"
if [ "$printer" != none ]; then
    # shellcheck source-path=SCRIPTDIR source=cups.sh
    source "$here/cups.sh"
    start_cups "$work/cups" "$printer" "$work/printed"
fi

# The program folder the case runs from: a copy when the case removes a file from it.
run_folder="$program_folder"
if [ "$case_name" = missing_sound ] || [ "$case_name" = missing_www ]; then
    run_folder="$work/program"
    cp -a "$program_folder" "$run_folder"
    [ "$case_name" = missing_sound ] && rm -f "$run_folder/positivo.wav"
    [ "$case_name" = missing_www ] && rm -f "$run_folder/www" "$run_folder/www.exe"
fi

# The screen reader listens from before the program starts, as on a pupil's desktop.
export E2E_SPEECH=""
if [ "$case_name" = screen_reader ]; then
    E2E_SPEECH="$work/orca-debug.out"
    start_orca "$E2E_SPEECH" || exit 1
elif [ "$case_name" = measures ]; then
    # The program's own voice: every text it asks for is in speech-dispatcher's log, Orca's
    # too once the case starts it.
    orca_settings
    speech_settings 5
    E2E_SPEECH="$work/speechd/speech-dispatcher.log"
    export E2E_ORCA="$here/orca_logged.py" E2E_ORCA_DEBUG="$work/orca-debug.out"
fi
[ "$case_name" = school_server ] && school_server_start

export E2E_PROGRAM="$run_folder/vovorudoroz" E2E_WORK="$work" E2E_PRINTED="$work/printed"
export E2E_PRINTER="$printer" E2E_FAKETIME_LIB="$faketime_lib" E2E_MARK="$mark"
env "$mark" /usr/bin/python3 "$here/drive.py" "$case_name" &
started+=($!)
driver=$!
wait "$driver"
if [ "$case_name" = school_server ]; then
    school_server_checks
fi
