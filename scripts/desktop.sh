# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
# shellcheck shell=bash
# A private desktop for the scripts that drive the real program (the end-to-end tests, the
# screenshots, the benchmark): a virtual display with a window manager, a D-Bus session bus,
# the accessibility bus, and the book-keeping that stops every process started for them.
#
# Sourced. Before calling its functions the script sets
#   work   a private folder, for the logs and the files the servers write their address to;
#   mark   NAME=VALUE, put in the environment of every process started here and inherited by
#          their children, so that the clean-up finds also those that leave their parent
#          (D-Bus activation, detached programs);
# and adds the process ids of whatever else it starts to the array `started`, oldest first.
# shellcheck disable=SC2154 # work and mark belong to the sourcing script

readonly accessibility_launcher=/usr/libexec/at-spi-bus-launcher
started=()

wait_for() { # wait_for SECONDS TEST...: true as soon as TEST succeeds, false after SECONDS
    local tries=$(($1 * 20))
    shift
    for _ in $(seq "$tries"); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

processes_with_mark() {
    local environ pid
    for environ in /proc/[0-9]*/environ; do
        pid="${environ#/proc/}"
        pid="${pid%/environ}"
        [ "$pid" = $$ ] || [ "$pid" = "$BASHPID" ] && continue
        if { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qxF "$mark"; then
            echo "$pid"
        fi
    done
}

running() { # running PID: the process is there and has not ended (a zombie has; its parent
    # reaps it)
    [ -e "/proc/$1" ] && ! grep -q '^State:.*Z' "/proc/$1/status" 2>/dev/null
}

stop_pids() { # stop_pids PID...: asks them to end, and kills those still there after 2 s
    local pid alive=()
    for pid in "$@"; do
        kill -TERM "$pid" 2>/dev/null && alive+=("$pid")
    done
    for _ in $(seq 40); do
        local left=()
        for pid in "${alive[@]}"; do
            running "$pid" && left+=("$pid")
        done
        alive=("${left[@]}")
        [ ${#alive[@]} -eq 0 ] && return 0
        sleep 0.05
    done
    for pid in "${alive[@]}"; do
        kill -KILL "$pid" 2>/dev/null || true
    done
}

stop_started() { # the processes with the mark and those in `started`, the newest first
    local reversed=() strays i
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        reversed+=("${started[i]}")
    done
    mapfile -t strays < <(processes_with_mark)
    stop_pids "${strays[@]}" "${reversed[@]}"
    wait 2>/dev/null || true
    started=()
}

address_in() { # address_in FILE SERVER: the first line SERVER writes to FILE, within 20 s
    wait_for 20 test -s "$1" || {
        echo "$2 did not start" >&2
        return 1
    }
    head -n 1 "$1"
}

start_display() { # start_display WIDTHxHEIGHT: Xvfb on a free display, openbox; sets DISPLAY
    # Xvfb picks a free display number and writes it to descriptor 5.
    : >"$work/display"
    env "$mark" Xvfb -displayfd 5 -screen 0 "${1}x24" -nolisten tcp 5>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    started+=($!)
    local number
    number="$(address_in "$work/display" Xvfb)" || return 1
    DISPLAY=":$number"
    export DISPLAY
    # openbox has once been seen to give up at once on a server just started ("Failed to open
    # the display"): it gets a few tries.
    local pid
    for _ in 1 2 3 4 5; do
        env "$mark" openbox >>"$work/openbox.log" 2>&1 &
        pid=$!
        sleep 0.3
        if running "$pid"; then
            started+=("$pid")
            return 0
        fi
        wait "$pid" 2>/dev/null || true
    done
    echo "openbox did not start" >&2
    return 1
}

start_session_bus() { # a D-Bus session bus; sets DBUS_SESSION_BUS_ADDRESS
    : >"$work/bus"
    env "$mark" dbus-daemon --session --nofork --print-address=5 5>"$work/bus" \
        >"$work/dbus.log" 2>&1 &
    started+=($!)
    DBUS_SESSION_BUS_ADDRESS="$(address_in "$work/bus" dbus-daemon)" || return 1
    export DBUS_SESSION_BUS_ADDRESS
}

start_accessibility_bus() {
    env "$mark" "$accessibility_launcher" --launch-immediately >"$work/atspi.log" 2>&1 &
    started+=($!)
}
