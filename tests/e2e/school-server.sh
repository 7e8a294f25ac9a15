#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
# Two lab PCs (two HOMEs, two register files, one libpq service file) each play a session of
# forty answers at the same time while the school's PostgreSQL server is stopped after the
# fifteenth answer of one of them and started again after its thirtieth: the server ends with
# the eighty answers, each once, and the class read from it on either PC shows both pupils,
# beside rows of a hostile writer. With the server stopped, the class says so in one line.
#
#   school-server.sh LABPC    (the test program tests/schoolserver/labpc)
# Exits 77 when PostgreSQL 15 is not installed. The server is stopped by pg_ctl and the PCs by
# their process ids when the script ends, passed or not.
set -euo pipefail

readonly SKIP=77
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
labpc="$(realpath "${1:?labpc program}")"
# shellcheck source-path=SCRIPTDIR source=postgres.sh
source "$here/postgres.sh"
postgres_available || {
    echo "SKIP: postgresql is not installed (scripts/packages-e2e.txt)"
    exit $SKIP
}

work="$(mktemp -d "${TMPDIR:-/tmp}/vovo-lab.XXXXXX")"
pcs=()
clean_up() {
    local status=$?
    set +e
    for pid in "${pcs[@]}"; do kill "$pid" 2>/dev/null; done
    postgres_remove
    [ $status -ne 0 ] && tail -n 5 "$work"/*.out >&2
    rm -rf "$work"
}
trap clean_up EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

wait_for_line() { # wait_for_line FILE LINE SECONDS
    local tries=$(($3 * 20))
    for _ in $(seq "$tries"); do
        grep -qxF "$2" "$1" 2>/dev/null && return 0
        sleep 0.05
    done
    fail "no \"$2\" in $1 within $3 s"
}

postgres_create
mkdir -p "$work/xdg"
printf '[Registro]\nservizio=registro\n' >"$work/xdg/vovorudoroz.conf"

on_pc() { # on_pc NAME COMMAND...: as the lab PC NAME, a HOME of its own
    mkdir -p "$work/$1"
    env HOME="$work/$1" XDG_DATA_HOME="$work/$1/.local/share" XDG_CONFIG_HOME="$work/$1/.config" \
        XDG_CONFIG_DIRS="$work/xdg" PGSERVICEFILE="$PGSERVICEFILE" "${@:2}"
}

on_pc a "$labpc" play "Luca" 1 250 >"$work/a.out" 2>"$work/a.err" &
pcs+=($!)
on_pc b "$labpc" play "Anna O'Neil; DROP TABLE pupils;--" 1 250 >"$work/b.out" 2>"$work/b.err" &
pcs+=($!)

wait_for_line "$work/a.out" "risposta 15" 60
postgres_stop
echo "server stopped after answer 15 of PC a"
wait_for_line "$work/a.out" "risposta 30" 60
[ "$(postgres_count 'SELECT 1' 2>/dev/null)" = "" ] || fail "the server did not stop"
postgres_start
echo "server started after answer 30 of PC a"

for pid in "${pcs[@]}"; do
    wait "$pid" || fail "a PC still has rows to send"
done
pcs=()
cat "$work/a.out" "$work/b.out" | grep -v '^risposta'

answers="$(postgres_count 'SELECT COUNT(*) FROM answers')"
distinct="$(postgres_count 'SELECT COUNT(DISTINCT (session_id, operation_no)) FROM answers')"
[ "$answers:$distinct" = 80:80 ] || fail "the server has $answers answers, $distinct distinct"
ended="$(postgres_count "SELECT COUNT(*) FROM sessions WHERE end_reason = 'completata'")"
[ "$ended" = 2 ] || fail "$ended sessions ended on the server"
echo "on the server: 80 answers, each once; both sessions ended"

# Rows another version or a hostile writer left: kept as they are, never run as SQL.
psql -q -v ON_ERROR_STOP=1 "service=registro-admin" >/dev/null <<'SQL'
INSERT INTO pupils VALUES ('x''); delete from answers;--', 'Bob''); DELETE FROM answers;--', 'ieri');
INSERT INTO sessions (id, pupil_key, started_at, mode, range_level, range_low, range_high)
    VALUES ('non-un-uuid', 'x''); delete from answers;--', 'non è una data', 99, -4, 500, -500);
INSERT INTO answers VALUES ('non-un-uuid', 1, -7, 2147483647, 9, 0, 'abc', 5, -1, 'ignoto', 'mai'),
    ('non-un-uuid', 2, 99999, -3, 0, 1, '', 1, 1e300, '', '');
SQL

for pc in a b; do
    on_pc "$pc" "$labpc" class >"$work/class-$pc.out" || fail "the class on PC $pc ended with an error"
    grep -qxF "server" "$work/class-$pc.out" || fail "PC $pc did not read the server"
    grep -qF "alunno Luca | sessioni 1 | risposte 40" "$work/class-$pc.out" || fail "PC $pc misses Luca"
    grep -qF "alunno Anna O'Neil; DROP TABLE pupils;-- | sessioni 1 | risposte 40" "$work/class-$pc.out" ||
        fail "PC $pc misses Anna"
    grep -qF "alunno Bob'); DELETE FROM answers;-- | sessioni 1 | risposte 2" "$work/class-$pc.out" ||
        fail "PC $pc misses the hostile rows as stored"
done
[ "$(on_pc b "$labpc" csv "$work/classe.csv")" = "righe 82" ] || fail "the class's CSV from the server"
[ "$(postgres_count 'SELECT COUNT(*) FROM answers')" = 82 ] || fail "reading changed the server"
echo "the class from either PC: both pupils and the hostile rows as stored"

# One teacher's password for the whole lab, kept on the server; "ELIMINA ALUNNO" acts there.
[ "$(on_pc a "$labpc" teacher "maestra'; --")" = "scelta giusta" ] || fail "PC a could not choose the password"
[ "$(on_pc b "$labpc" teacher "maestra'; --")" = "giusta" ] || fail "PC b does not know the lab's password"
[ "$(on_pc b "$labpc" teacher "altra")" = "sbagliata" ] || fail "PC b took a wrong password"
on_pc b "$labpc" delete "x'); delete from answers;--" || fail "the lab's role could not delete a pupil"
[ "$(postgres_count 'SELECT COUNT(*) FROM answers')" = 80 ] || fail "the deletion took other answers"
echo "the lab's password from either PC; a pupil deleted on the server"

postgres_stop
on_pc a "$labpc" class >"$work/class-away.out" || fail "the class without the server ended with an error"
grep -qxF "Il server del registro non risponde: i dati di oggi sono al sicuro su questo computer e verranno inviati appena possibile." \
    "$work/class-away.out" || fail "no notice with the server away"
grep -qF "alunno Luca | sessioni 1 | risposte 40" "$work/class-away.out" || fail "PC a does not show its own"
echo "server away: the notice, and this PC's own register"

# A session played with the server away and the PC switched off goes at the PC's next start;
# the sender then keeps a copy of the lab's password for the PC's own rows.
on_pc a "$labpc" play "Luca" 1 0 3 >"$work/a2.out" && fail "PC a sent with the server stopped"
postgres_start
on_pc a "$labpc" play "Luca" 0 0 60 >"$work/a3.out" || fail "PC a did not send at its next start"
[ "$(postgres_count 'SELECT COUNT(*) FROM answers')" = 120 ] || fail "the second session did not arrive whole"
postgres_stop
[ "$(on_pc a "$labpc" teacher "maestra'; --")" = "giusta" ] || fail "PC a has no copy of the lab's password"
echo "the next start sent the pending session; the lab's password guards the PC's own rows"
echo PASS
