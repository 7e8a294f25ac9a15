#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
# The performance benchmark, in one command:
#
#   bench/run.sh [ROUNDS]      (default 7)
#   bench/run.sh diagnosis [SESSIONS]   (default 1000)
#
# The second form measures only the analysis's diagnosis on simulated pupils (no display
# needed): it prints the table of bench/RESULTS.md and fails when a target is missed.
#
# Builds a release tree in build/bench, starts a private Xvfb with openbox and a D-Bus
# session, and measures, interleaved round by round:
#   - the start: process start to the start screen painted, against the floor (a minimal Qt
#     Widgets window from the same tree, bare and with one line of text), observed from
#     outside by vovo_startwatch;
#   - the resident memory three seconds after the start, against the same floor;
#   - in process (vovo_bench): the exercise screen created and shown, a key press in the answer
#     box to the repainted instruction, a whole check, the report page and the certificate
#     page built and printed to PDF;
#   - the register (vovo_registerbench) on a generated school year of a class of 30: the class
#     overview, one pupil's chart and hypotheses, the whole class's CSV, a judged answer made
#     durable, the file's size;
#   - the screens' thread's longest stall (vovo_stallbench) on that year: the teacher's login
#     on the school server when it is stopped, and when it takes the connection and never
#     answers (a listener on 127.0.0.1 started here and stopped by its pid), the teacher's
#     register on this PC's file, and the analysis screen opening.
# Prints medians with min and max, the ratios and whether each target is met.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/bench"
if [ "${1:-}" = diagnosis ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build" --target vovo_diagnosis -j2 >/dev/null
    exec "$build/bench/vovo_diagnosis" "${2:-1000}"
fi
rounds="${1:-7}"
# shellcheck source-path=SCRIPTDIR source=../scripts/desktop.sh
source "$root/scripts/desktop.sh"

for tool in Xvfb openbox dbus-daemon; do
    command -v "$tool" >/dev/null || {
        echo "$tool is missing: scripts/setup.sh scripts/packages-e2e.txt" >&2
        exit 1
    }
done

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target vovorudoroz vovo_floor vovo_startwatch vovo_bench vovo_registerbench vovo_stallbench -j2 >/dev/null

work="$(mktemp -d "${TMPDIR:-/tmp}/vovo-bench.XXXXXX")"
mark="VOVO_BENCH_RUN=$work"
clean_up() {
    local status=$?
    set +e
    stop_started
    rm -rf "$work"
    exit $status
}
trap clean_up EXIT
trap 'exit 143' TERM INT HUP

mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR="$work/run" LC_ALL=C.UTF-8 LANG=C.UTF-8 QT_QPA_PLATFORM=xcb
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY SESSION_MANAGER
start_display 1280x1024
start_session_bus
sleep 1

watch="$build/bench/vovo_startwatch"
floor="$build/bench/vovo_floor"
program="$build/bin/vovorudoroz"
# The colour of the start screen's name panel, which lies at the centre of the screen; the
# floor's window is painted all in it.
colour=ffc0ff

measure() { # measure LABEL PROGRAM [ARGS...]
    local label="$1" line
    shift
    line="$("$watch" "$colour" 20000 "$@")"
    echo "$label $line" >>"$work/start.txt"
    sleep 0.3
}

echo "warming up..." >&2
"$watch" "$colour" 20000 "$floor" >/dev/null
"$watch" "$colour" 20000 "$floor" --text >/dev/null
"$watch" "$colour" 20000 "$program" >/dev/null
# Each round runs the three in another order, so that no one always follows the same.
for round in $(seq "$rounds"); do
    case $((round % 3)) in
    1) order=(floor text program) ;;
    2) order=(program floor text) ;;
    0) order=(text program floor) ;;
    esac
    for who in "${order[@]}"; do
        case "$who" in
        floor) measure floor "$floor" ;;
        text) measure floor_text "$floor" --text ;;
        program) measure program "$program" ;;
        esac
    done
    echo "round $round/$rounds of the start" >&2
done

echo "in-process measurements..." >&2
mkdir "$work/pdf"
"$build/bench/vovo_bench" "$rounds" "$work/pdf" >"$work/inprocess.txt" 2>"$work/inprocess.log" || {
    cat "$work/inprocess.log" >&2
    exit 1
}

echo "register measurements (generating a school year first)..." >&2
mkdir "$work/register"
"$build/bench/vovo_registerbench" "$rounds" "$work/register" >"$work/register.txt" 2>"$work/register.log" || {
    cat "$work/register.log" >&2
    exit 1
}

echo "stalls of the screens' thread..." >&2
# A port where nothing listens (the server stopped), and one where a listener takes the
# connection and never answers.
free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}
stopped_port="$(free_port)"
python3 -c 'import socket, sys, time
s = socket.socket()
s.bind(("127.0.0.1", 0))
s.listen(64)
print(s.getsockname()[1], flush=True)
time.sleep(3600)' >"$work/silent.port" &
silent_pid=$!
started+=("$silent_pid")
wait_for 10 test -s "$work/silent.port" || { echo "the silent listener did not start" >&2; exit 1; }
"$build/bench/vovo_stallbench" 3 "$work/register/registro.sqlite" "$stopped_port" \
    "$(cat "$work/silent.port")" >"$work/stalls.txt" 2>"$work/stalls.log" || {
    cat "$work/stalls.log" >&2
    exit 1
}
stop_pids "$silent_pid"

/usr/bin/env python3 - "$work/start.txt" "$work/inprocess.txt" "$rounds" "$work/register.txt" "$work/stalls.txt" <<'PY'
import statistics
import sys

start_file, inprocess_file, rounds, register_file, stalls_file = sys.argv[1:6]
runs = {}
for line in open(start_file):
    who, *pairs = line.split()
    for pair in pairs:
        key, value = pair.split("=")
        runs.setdefault(who, {}).setdefault(key, []).append(float(value))

def spread(values):
    return f"{statistics.median(values):8.1f} {min(values):8.1f} {max(values):8.1f}"

names = {"floor": "floor (bare window)", "floor_text": "floor (window + text)", "program": "vovorudoroz"}
print(f"Start-up under Xvfb, {rounds} interleaved rounds")
rows = [("start screen painted, ms", "painted_ms", 1.3, 1.0),
        ("resident memory at 3 s, MiB", "rss_kb", 1.3, 1024.0)]
for title, key, target, scale in rows:
    print(f"  {title:32}{'median':>8} {'min':>8} {'max':>8}")
    for who in ("floor", "floor_text", "program"):
        print(f"    {names[who]:30}{spread([v / scale for v in runs[who][key]])}")
    program = statistics.median(runs["program"][key])
    for who in ("floor", "floor_text"):
        ratio = program / statistics.median(runs[who][key])
        verdict = "met" if ratio <= target else "MISSED"
        print(f"    ratio to {names[who]:21}{ratio:8.2f}x  (target {target}x: {verdict})")

print()
print(f"In process, real screens under Xvfb, {rounds} rounds (ms: median / min / max)")
targets = {"key_press_to_label": 5.0, "report_page_pdf": 100.0, "certificate_page_pdf": 300.0}
for line in open(inprocess_file):
    key, median, low, high, count = line.split()
    target = targets.get(key)
    verdict = f"< {target:5.0f}  {'yes' if float(median) < target else 'NO'}" if target else ""
    print(f"  {key:26}{float(median):8.2f} {float(low):8.2f} {float(high):8.2f}  {count:>5}  {verdict}")

print()
print(f"Register, a class of 30 over a school year (240 000 answers), {rounds} rounds")
print("  (ms: median / min / max; _cpu: this thread's processor time)")
targets = {"register_class_overview": 300.0, "register_pupil_chart": 100.0,
           "register_class_csv": 2000.0, "register_answer_durable": 50.0}
for line in open(register_file):
    key, median, low, high, count = line.split()
    if key == "register_file_mib":
        print(f"  {'file size, MiB':34}{float(median):8.1f}")
        continue
    target = targets.get(key)
    verdict = f"< {target:5.0f}  {'yes' if float(median) < target else 'NO'}" if target else ""
    print(f"  {key:34}{float(median):8.2f} {float(low):8.2f} {float(high):8.2f}  {count:>5}  {verdict}")

print()
print("Longest stall of the screens' thread, real screens on the generated year, 3 rounds")
print("  (ms between two ticks of a 2 ms timer: median / min / max)")
for line in open(stalls_file):
    key, median, low, high, count = line.split()
    if key == "stall_message_boxes":
        print(f"  {'message boxes answered':34}{int(median):8d}")
        continue
    verdict = "" if key == "stall_idle" else f"<    50  {'yes' if float(median) < 50 else 'NO'}"
    print(f"  {key:34}{float(median):8.2f} {float(low):8.2f} {float(high):8.2f}  {count:>5}  {verdict}")
PY
