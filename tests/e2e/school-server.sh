# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
# shellcheck shell=bash
# The school_server case around drive.py's: a private PostgreSQL as the school's server and
# two lab PCs with one libpq service file. PC a is the real program (the HOME of run-e2e.sh),
# PC b a lab PC without a screen (tests/schoolserver/labpc: the register's writer and the
# sender, fed at a pupil's pace) playing its forty answers at the same time. drive.py stops the
# server after PC a's fifteenth answer and starts it after its thirtieth. Afterwards: on the
# server the eighty answers, each once; the class from either PC with both pupils and with
# rows of a hostile writer as stored; the lab's password (chosen on PC a's teacher screen, which
# drive.py has also seen say, with the server stopped, that it is away) and a deletion through
# the lab's role; a session left on a PC goes at its next start.
#
# Sourced by run-e2e.sh, which sets work, labpc and the array started.
# shellcheck disable=SC2154 # work, labpc and started belong to run-e2e.sh

# shellcheck source-path=SCRIPTDIR source=postgres.sh
source "$(dirname "${BASH_SOURCE[0]}")/postgres.sh"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

on_pc() { # on_pc a|b COMMAND...: as lab PC a (the program's HOME) or b
    local home="$HOME"
    [ "$1" = b ] && home="$work/pc-b" && mkdir -p "$home"
    env HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" "${@:2}"
}

school_server_start() {
    postgres_create
    mkdir -p "$work/xdg"
    printf '[Registro]\nservizio=registro\n' >"$work/xdg/vovorudoroz.conf"
    export XDG_CONFIG_DIRS="$work/xdg"
    local control
    control="source $(dirname "${BASH_SOURCE[0]}")/postgres.sh && postgres_root=$postgres_root"
    export E2E_SERVER_STOP="bash -c '$control && postgres_stop'"
    export E2E_SERVER_START="bash -c '$control && postgres_start'"
    export E2E_PC_B_DATA="$work/pc-b/.local/share"
    on_pc b "$labpc" play "Anna O'Neil; DROP TABLE pupils;--" 1 1500 >"$work/pc-b.log" 2>&1 &
    started+=($!)
    pc_b=$!
}

school_server_checks() {
    wait "$pc_b" || fail "PC b still has rows to send"
    local answers distinct
    answers="$(postgres_count 'SELECT COUNT(*) FROM answers')"
    distinct="$(postgres_count 'SELECT COUNT(DISTINCT (session_id, operation_no)) FROM answers')"
    [ "$answers:$distinct" = 80:80 ] || fail "the server has $answers answers, $distinct distinct"
    echo "on the server: 80 answers, each once"

    # Rows another version or a hostile writer left: kept as they are, never run as SQL.
    psql -q -v ON_ERROR_STOP=1 "service=registro-admin" >/dev/null <<'SQL'
INSERT INTO pupils VALUES ('x''); delete from answers;--', 'Bob''); DELETE FROM answers;--', 'ieri');
INSERT INTO sessions (id, pupil_key, started_at, mode, range_level, range_low, range_high)
    VALUES ('non-un-uuid', 'x''); delete from answers;--', 'non è una data', 99, -4, 500, -500);
INSERT INTO answers VALUES ('non-un-uuid', 1, -7, 2147483647, 9, 0, 'abc', 5, -1, 'ignoto', 'mai'),
    ('non-un-uuid', 2, 99999, -3, 0, 1, '', 1, 1e300, '', '');
SQL
    local pc
    for pc in a b; do
        on_pc "$pc" "$labpc" class >"$work/class-$pc.log" || fail "the class on PC $pc ended with an error"
        grep -qxF "server" "$work/class-$pc.log" || fail "PC $pc did not read the server"
        grep -qF "alunno mario | sessioni 1 | risposte 40" "$work/class-$pc.log" || fail "PC $pc misses mario"
        grep -qF "alunno Anna O'Neil; DROP TABLE pupils;-- | sessioni 1 | risposte 40" "$work/class-$pc.log" ||
            fail "PC $pc misses Anna"
        grep -qF "alunno Bob'); DELETE FROM answers;-- | sessioni 1 | risposte 2" "$work/class-$pc.log" ||
            fail "PC $pc misses the hostile rows as stored"
    done
    [ "$(on_pc b "$labpc" csv "$work/classe.csv")" = "righe 82" ] || fail "the class's CSV from the server"
    [ "$(postgres_count 'SELECT COUNT(*) FROM answers')" = 82 ] || fail "reading changed the server"
    echo "the class from either PC: both pupils and the hostile rows as stored"

    # One teacher's password for the whole lab, kept on the server; "ELIMINA ALUNNO" acts there.
    [ "$(on_pc a "$labpc" teacher "maestra'; --")" = "giusta" ] || fail "the screen's password is not the server's"
    [ "$(on_pc b "$labpc" teacher "maestra'; --")" = "giusta" ] || fail "PC b does not know the lab's password"
    [ "$(on_pc b "$labpc" teacher "altra")" = "sbagliata" ] || fail "PC b took a wrong password"
    on_pc b "$labpc" delete "x'); delete from answers;--" || fail "the lab's role could not delete a pupil"
    [ "$(postgres_count 'SELECT COUNT(*) FROM answers')" = 80 ] || fail "the deletion took other answers"
    echo "the lab's password from either PC; a pupil deleted on the server"

    # A session played with the server away and the PC switched off goes at the PC's next start;
    # the sender then keeps a copy of the lab's password for the PC's own rows.
    postgres_stop
    on_pc b "$labpc" play "Luca" 1 0 3 >"$work/pc-b-2.log" && fail "PC b sent with the server stopped"
    postgres_start
    on_pc b "$labpc" play "Luca" 0 0 60 >"$work/pc-b-3.log" || fail "PC b did not send at its next start"
    [ "$(postgres_count 'SELECT COUNT(*) FROM answers')" = 120 ] || fail "the second session did not arrive whole"
    postgres_stop
    [ "$(on_pc b "$labpc" teacher "maestra'; --")" = "giusta" ] || fail "PC b has no copy of the lab's password"
    echo "the next start sent the pending session; the lab's password guards the PC's own rows"
}
