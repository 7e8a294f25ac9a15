#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
# Makes the screenshots of the program's screens: builds the program, starts it on a virtual
# display (Xvfb with openbox) at each scale factor, plays a short session with real key presses
# (xdotool) and saves each screen as a PNG.
#
#   scripts/screenshots.sh            1x into docs/screenshots/, 2x into /tmp/vovo-screenshots-2x/
#   BUILD_DIR=build/mine scripts/screenshots.sh    use (and build) another build folder
#   SCALES="1" scripts/screenshots.sh              only some scale factors
#
# The operation on show is read over the accessibility bus (AT-SPI), so that most answers are
# right and the marks show both faces. Needs the packages of scripts/packages-e2e.txt
# (scripts/setup.sh scripts/packages-e2e.txt). Every process started here is stopped by its
# process id when the script ends.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source-path=SCRIPTDIR source=desktop.sh
source "$root/scripts/desktop.sh"
build_dir="${BUILD_DIR:-$root/build/release}"
[[ "$build_dir" = /* ]] || build_dir="$root/$build_dir"
scales="${SCALES:-1 2}"
out_1x="$root/docs/screenshots"
out_2x="${OUT_2X:-/tmp/vovo-screenshots-2x}"

for tool in Xvfb openbox xdotool import convert dbus-daemon; do
    command -v "$tool" >/dev/null 2>&1 || {
        echo "$tool is missing: scripts/setup.sh scripts/packages-e2e.txt" >&2
        exit 1
    }
done
if ! [ -x "$accessibility_launcher" ] || ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "at-spi2-core and python3-pyatspi are missing: scripts/setup.sh scripts/packages-e2e.txt" >&2
    exit 1
fi

# --- Build -----------------------------------------------------------------------------------
if [ "$build_dir" = "$root/build/release" ]; then
    (cd "$root" && cmake --preset release >/dev/null && cmake --build --preset release --target vovorudoroz)
else
    [ -f "$build_dir/CMakeCache.txt" ] ||
        cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build_dir" --target vovorudoroz -j2
fi
program="$build_dir/bin/vovorudoroz"
[ -x "$program" ] || {
    echo "no program at $program" >&2
    exit 1
}

# The register's benchmark generates the school year of the progress screenshot.
cmake --build "$build_dir" --target vovo_registerbench -j2 >/dev/null

# --- Processes -------------------------------------------------------------------------------
work="$(mktemp -d "${TMPDIR:-/tmp}/vovo-screenshots.XXXXXX")"
mark="VOVO_SCREENSHOTS_RUN=$work" # carried by every process started here, and by their children

clean_up() {
    local status=$?
    set +e
    stop_started
    if [ $status -ne 0 ]; then
        for log in "$work"/*.log; do
            [ -s "$log" ] && { echo "---- $log"; tail -n 20 "$log"; }
        done
    fi
    rm -rf "$work"
    exit $status
}
trap clean_up EXIT
trap 'exit 143' TERM INT HUP

mkdir "$work/year"
"$build_dir/bench/vovo_registerbench" 1 "$work/year" >/dev/null 2>"$work/year.log"

# The window whose title is exactly the given text.
window() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

has_window() {
    [ -n "$(window "$1")" ]
}

front() { # front TITLE: waits for the window and gives it the keyboard
    wait_for 20 has_window "$1" || {
        echo "no window \"$1\" on the screen" >&2
        return 1
    }
    local id
    id="$(window "$1")"
    xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
    sleep 0.4
    echo "$id"
}

shoot() { # shoot TITLE FILE: the window's client area as it is on screen
    local id
    id="$(front "$1")"
    sleep 0.3
    import -window "$id" "$2"
}

keys() {
    xdotool key --clearmodifiers --delay 60 "$@"
    sleep 0.25
}

# The expected answer of the operation on show, read from the operation's accessible name
# ("15 meno 7 uguale quanto?"). With "borrow-error", a difference that needs a borrow is answered
# by taking the smaller units digit from the larger (53 - 17 -> 44), as some pupils do.
expected_answer() {
    VOVO_ANSWER="${1:-right}" /usr/bin/python3 - <<'EOF'
import os, re, sys, time
import pyatspi

pattern = re.compile(r"^(\S+) meno (\S+) uguale (\S+)\?$")
HIDDEN = "quanto"

def search(node, depth=0):
    if node is None or depth > 12:
        return None
    match = pattern.match(node.name or "")
    if match:
        return match
    for i in range(node.childCount):
        found = search(node.getChildAtIndex(i), depth + 1)
        if found:
            return found
    return None

deadline = time.monotonic() + 10
while time.monotonic() < deadline:
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "vovorudoroz":
            match = search(app)
            if match:
                m, s, d = match.groups()
                borrow_error = os.environ["VOVO_ANSWER"] == "borrow-error"
                if d == HIDDEN and borrow_error and int(m) % 10 < int(s) % 10:
                    m, s = int(m), int(s)
                    print(10 * (m // 10 - s // 10) + (s % 10 - m % 10))
                elif d == HIDDEN:
                    print(int(m) - int(s))
                elif m == HIDDEN:
                    print(int(s) + int(d))
                else:
                    print(int(m) - int(d))
                sys.exit(0)
    time.sleep(0.2)
sys.exit("the operation cannot be read")
EOF
}

# Triggers the menu entry of the given caption through its accessibility action.
trigger_menu_entry() {
    /usr/bin/python3 - "$1" <<'EOF'
import sys, time
import pyatspi

def search(node, depth=0):
    if node is None or depth > 12:
        return None
    if node.getRoleName() == "menu item" and (node.name or "").replace("&", "") == sys.argv[1]:
        return node
    for i in range(node.childCount):
        found = search(node.getChildAtIndex(i), depth + 1)
        if found:
            return found
    return None

deadline = time.monotonic() + 10
while time.monotonic() < deadline:
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "vovorudoroz":
            entry = search(app)
            if entry:
                entry.queryAction().doAction(0)
                sys.exit(0)
    time.sleep(0.2)
sys.exit("no menu entry " + sys.argv[1])
EOF
}

# A session of Paolo's a week ago in the register file: six borrows with the smaller units digit
# taken from the larger, four operations without a borrow right.
earlier_session() { # earlier_session REGISTER_FILE
    /usr/bin/python3 - "$1" <<'EOF'
import datetime, sqlite3, sys, uuid

day = datetime.datetime.now().replace(hour=10, minute=0, second=0) - datetime.timedelta(days=7)
stamp = lambda seconds: (day + datetime.timedelta(seconds=seconds)).strftime("%Y-%m-%d %H:%M:%S")
label = "Toglie la cifra più piccola dalla più grande"
answers = [(53, 17, 44), (62, 28, 46), (48, 23, 25), (71, 45, 34), (77, 41, 36), (84, 39, 55),
           (59, 14, 45), (92, 56, 44), (86, 52, 34), (65, 27, 42)]
session = str(uuid.uuid4())
with sqlite3.connect(sys.argv[1]) as db:
    db.execute("INSERT INTO pupils (name_key, display_name, first_seen) VALUES ('paolo', 'Paolo', ?)"
               " ON CONFLICT (name_key) DO NOTHING", (stamp(0),))
    db.execute("INSERT INTO sessions (id, pupil_key, started_at, ended_at, end_reason, mode,"
               " range_level, range_low, range_high) VALUES (?, 'paolo', ?, ?, 'completata', 1, 2,"
               " 10, 99)", (session, stamp(0), stamp(100)))
    for number, (minuend, subtrahend, typed) in enumerate(answers, 1):
        right = typed == minuend - subtrahend
        db.execute("INSERT INTO answers (session_id, operation_no, minuend, subtrahend, asked_term,"
                   " expected, typed, is_right, seconds, error_label, answered_at)"
                   " VALUES (?, ?, ?, ?, 1, ?, ?, ?, 6.0, ?, ?)",
                   (session, number, minuend, subtrahend, minuend - subtrahend, str(typed),
                    int(right), "" if right else label, stamp(8 * number)))
EOF
}

# --- One run per scale -----------------------------------------------------------------------
run() { # run SCALE FOLDER
    local scale="$1" folder="$2"
    mkdir -p "$folder"
    mkdir -m 700 "$work/run-$scale" "$work/home-$scale"
    export XDG_RUNTIME_DIR="$work/run-$scale" HOME="$work/home-$scale"
    unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

    start_display 2560x1600
    start_session_bus
    start_accessibility_bus
    sleep 0.5

    env "$mark" QT_SCALE_FACTOR="$scale" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=it_IT.UTF-8 \
        "$program" >"$work/program.log" 2>&1 &
    started+=($!)

    # The start screen with a name typed in, then the evaluation scale from the menu bar
    # (Alt, two entries to the right, Enter).
    local start
    start="$(front "VOVORUDOROZ.1")"
    sleep 0.3
    # Once with the window manager's frame, for the title bar and the program's icon.
    import -frame -window "$start" "$folder/00-finestra.png"
    xdotool type --delay 80 "Lucia"
    shoot "VOVORUDOROZ.1" "$folder/01-inizio.png"
    keys alt Right Right Return
    shoot "SCALA  DI  VALUTAZIONE" "$folder/02-scala.png"
    keys alt+F4
    front "VOVORUDOROZ.1" >/dev/null

    # Name accepted, the first range button has the focus: Space opens the exercise screen.
    keys Return space
    front "ESERCIZI SULLE VOVORUDOROZ.1" >/dev/null
    local operation answer
    for operation in $(seq 1 10); do
        answer="$(expected_answer)"
        # Two wrong answers, so that both rows of faces show.
        if [ "$operation" -eq 3 ] || [ "$operation" -eq 7 ]; then
            answer=$((answer + 1))
        fi
        sleep $((1 + operation % 3)) # a pupil's pace, so that the times are not all 0
        xdotool type --delay 80 "$answer"
        keys Return
        [ "$operation" -eq 5 ] && shoot "ESERCIZI SULLE VOVORUDOROZ.1" "$folder/03-esercizio.png"
        [ "$operation" -lt 10 ] && keys space
    done
    shoot "ESERCIZI SULLE VOVORUDOROZ.1" "$folder/04-esercizio-finito.png"

    # The review of the two missed operations, its first answer wrong (999 never is right here),
    # then closed: the exercise screen has the focus on "Nuovo esercizio" again.
    trigger_menu_entry "Ripasso degli errori"
    front "RIPASSO" >/dev/null
    xdotool type --delay 80 "999"
    keys Return
    shoot "RIPASSO" "$folder/08-ripasso.png"
    keys alt+F4
    front "ESERCIZI SULLE VOVORUDOROZ.1" >/dev/null

    # "Visualizza  esercizio" is one Tab away from "Nuovo esercizio"; the report opens with
    # the focus on its print button, and "Visualizza attestato" is the next one.
    keys Tab space
    shoot "STAMPA DELLE OPERAZIONI" "$folder/05-operazioni.png"
    keys Tab space
    shoot "ATTESTATO" "$folder/06-attestato.png"
    stop_started

    # A second pupil, numbers from 10 to 99, who takes the smaller units digit from the larger
    # whenever a borrow is needed: the analysis of the errors, from the report's menu File. He
    # did the same a week ago, as the register holds: the analysis calls it confirmed.
    earlier_session "$(find "$HOME" -name registro.sqlite | head -n 1)"
    start_display 2560x1600
    start_session_bus
    start_accessibility_bus
    sleep 0.5
    env "$mark" QT_SCALE_FACTOR="$scale" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=it_IT.UTF-8 \
        "$program" >"$work/program-analysis.log" 2>&1 &
    started+=($!)
    front "VOVORUDOROZ.1" >/dev/null
    sleep 0.3
    xdotool type --delay 80 "Paolo"
    keys Return Tab Tab Tab Tab Tab space
    front "ESERCIZI SULLE VOVORUDOROZ.1" >/dev/null
    for operation in $(seq 1 10); do
        answer="$(expected_answer borrow-error)"
        [ "$operation" -eq 4 ] && answer=$((answer + 1))
        sleep $((1 + operation % 3))
        xdotool type --delay 80 "$answer"
        keys Return
        [ "$operation" -lt 10 ] && keys space
    done
    keys Tab space
    front "STAMPA DELLE OPERAZIONI" >/dev/null
    keys alt+f a
    shoot "ANALISI DEGLI ERRORI" "$folder/07-analisi.png"
    stop_started

    # A school year in the register (a class of 30, 200 sessions each, as the register's
    # benchmark generates it): Luca's own progress, its chart and the newest day on top.
    local register
    register="$(find "$HOME" -name registro.sqlite | head -n 1)"
    rm -f "$register" "$register-wal" "$register-shm"
    cp "$work/year/registro.sqlite" "$register"
    start_display 2560x1600
    start_session_bus
    start_accessibility_bus
    sleep 0.5
    env "$mark" QT_SCALE_FACTOR="$scale" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=it_IT.UTF-8 \
        "$program" >"$work/program-progress.log" 2>&1 &
    started+=($!)
    front "VOVORUDOROZ.1" >/dev/null
    sleep 0.3
    xdotool type --delay 80 "Luca"
    keys Return space
    front "ESERCIZI SULLE VOVORUDOROZ.1" >/dev/null
    trigger_menu_entry "I miei progressi"
    shoot "I MIEI PROGRESSI" "$folder/09-progressi.png"

    stop_started
    echo "scale $scale: $(cd "$folder" && echo *.png)"
}

for scale in $scales; do
    if [ "$scale" = 1 ]; then
        run 1 "$work/shots-1"
        mkdir -p "$out_1x"
        # Small files for the repository: a 256-colour palette keeps the flat colours exact.
        for shot in "$work"/shots-1/*.png; do
            convert "$shot" -strip +dither -colors 256 "PNG8:$out_1x/$(basename "$shot")"
        done
    else
        run "$scale" "${out_2x/2x/${scale}x}"
        # The chart is drawn, not scaled: its shot at this scale goes beside the others.
        convert "${out_2x/2x/${scale}x}/09-progressi.png" -strip +dither -colors 256 \
            "PNG8:$out_1x/09-progressi-${scale}x.png"
    fi
done
echo "1x: $out_1x"
echo "2x and others: $out_2x"
