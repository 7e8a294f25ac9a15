#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
# The lab's load check: 25 lab PCs (tests/schoolserver/labpc, each with a HOME and a register
# file of its own) play two sessions of forty answers at ten times a pupil's pace (a pupil taken
# as one answer every 7.5 s: here one every 750 ms, the two sessions in one minute), all at
# once, against a private PostgreSQL on this machine (tests/e2e/postgres.sh) that logs the
# duration of every statement.
#
#   bench/lab.sh [BUILD_FOLDER]    (default build/dev; builds its labpc)
#
# Prints: answers on the server and how many distinct (each must be there once), the server's
# median and 95th-percentile time for one answer's INSERT, the sender's median batch (read,
# send, commit, mark), and the sender's lag from an answer in the PC's file to the server's
# commit marked on the PC (median of the PCs' medians, and the largest).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build/dev}"
pcs=25
answer_ms=750
sessions=2
# shellcheck source-path=SCRIPTDIR source=../tests/e2e/postgres.sh
source "$root/tests/e2e/postgres.sh"
postgres_available || {
    echo "postgresql 15 is missing: scripts/setup.sh scripts/packages-e2e.txt" >&2
    exit 1
}
cmake --build "$build" --target labpc >/dev/null
labpc="$build/tests/labpc"

work="$(mktemp -d "${TMPDIR:-/tmp}/vovo-labbench.XXXXXX")"
pids=()
clean_up() {
    set +e
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    postgres_remove
    rm -rf "$work"
}
trap clean_up EXIT

postgres_create
echo "log_min_duration_statement = 0" >>"$postgres_root/data/postgresql.conf"
postgres_stop
postgres_start
mkdir -p "$work/xdg"
printf '[Registro]\nservizio=registro\n' >"$work/xdg/vovorudoroz.conf"

for pc in $(seq "$pcs"); do
    mkdir -p "$work/pc$pc"
    env HOME="$work/pc$pc" XDG_DATA_HOME="$work/pc$pc/share" XDG_CONFIG_DIRS="$work/xdg" \
        QT_LOGGING_RULES="vovorudoroz.schoolserver.debug=true" \
        "$labpc" play "Alunno $pc" "$sessions" "$answer_ms" >"$work/pc$pc.out" 2>"$work/pc$pc.err" &
    pids+=($!)
done
failed=0
for pid in "${pids[@]}"; do
    wait "$pid" || failed=$((failed + 1))
done
pids=()

echo "PCs: $pcs, answers each: $((sessions * 40)), one every $answer_ms ms; PCs with rows left unsent: $failed"
echo "answers on the server: $(postgres_count 'SELECT COUNT(*) FROM answers')," \
    "distinct: $(postgres_count 'SELECT COUNT(DISTINCT (session_id, operation_no)) FROM answers')"
/usr/bin/env python3 - "$postgres_root/server.log" "$work" "$pcs" <<'PY'
import re, statistics, sys
log, work, pcs = sys.argv[1], sys.argv[2], int(sys.argv[3])
# Qt's driver runs "EXECUTE qpsqlpstmt_N (...)"; the log's next line names what was prepared.
inserts, commits, last = [], [], None
for line in open(log, encoding="utf-8", errors="replace"):
    m = re.search(r"duration: ([0-9.]+) ms\s+statement: (EXECUTE|COMMIT)", line)
    if m:
        last = float(m.group(1))
        if m.group(2) == "COMMIT":
            commits.append(last)
            last = None
    elif last is not None and "DETAIL:" in line:
        if "INSERT INTO answers" in line:
            inserts.append(last)
        last = None
def spread(values):
    values = sorted(values)
    return f"median {statistics.median(values):.3f} ms, 95th percentile {values[int(len(values) * 0.95)]:.3f} ms"
print(f"server: {len(inserts)} answer INSERTs, {spread(inserts)}; {len(commits)} COMMITs, {spread(commits)}")
batches, lags, worst = [], [], 0
for pc in range(1, pcs + 1):
    for line in open(f"{work}/pc{pc}.err"):
        m = re.search(r"sent (\d+) answers in (\d+) ms", line)
        if m:
            batches.append((int(m.group(1)), int(m.group(2))))
    for line in open(f"{work}/pc{pc}.out"):
        m = re.match(r"ritardo mediano (\d+) ms massimo (\d+) ms", line)
        if m:
            lags.append(int(m.group(1)))
            worst = max(worst, int(m.group(2)))
print(f"sender: {len(batches)} batches, median {statistics.median(b[1] for b in batches)} ms"
      f" for a median of {statistics.median(b[0] for b in batches)} answers")
print(f"lag, file to server: median of the PCs' medians {statistics.median(lags)} ms, largest {worst} ms")
PY
