# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
# shellcheck shell=bash
# The school_server case around drive.py's: a private PostgreSQL as the school's server and
# two lab PCs with one libpq service file. PC a is the real program (the HOME of run-e2e.sh),
# PC b a lab PC without a screen (tests/schoolserver/labpc: the register's writer and the
# sender, fed at a pupil's pace) playing its forty answers at the same time. drive.py stops the
# server after PC a's fifteenth answer and starts it after its thirtieth. Afterwards: the lab's
# role, through psql, reads no answer, deletes nothing and writes no password; on the server
# the eighty answers, each once; the class, with the teacher's login, from either PC with both
# pupils and with rows of a hostile writer as stored, and its CSV read back unchanged; the
# teacher's login (which drive.py has also used on PC a's teacher screen, and seen say, with the
# server stopped, that it is away); the teacher's assignments and measures, and what a lab PC's
# "Allenamento di oggi" and start screen read of one pupil by the pupil's key (that pupil's
# answers, assignment and measures, nothing of another, no session's key, still no table); a
# pupil deleted by the teacher does not come back from a PC that still held rows of hers, nor do
# her assignment and measures stay, and a session left on a PC goes at its next start.
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

readonly teacher_password="maestra'; --"

school_server_start() {
    postgres_create
    # The administrator's step: the teacher's login gets its password, kept by the server alone.
    printf '%s\n' "SET password_encryption = 'scram-sha-256';" \
        "ALTER ROLE vovo_insegnante PASSWORD :'password';" |
        psql -q -v ON_ERROR_STOP=1 -v password="$teacher_password" "service=registro-admin" >/dev/null
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

as_lab() { # as_lab SQL: true when the lab PCs' role may run it
    psql -qtAX -v ON_ERROR_STOP=1 "service=registro" -c "$1" >/dev/null 2>&1
}

school_server_checks() {
    wait "$pc_b" || fail "PC b still has rows to send"
    local answers distinct
    answers="$(postgres_count 'SELECT COUNT(*) FROM answers')"
    distinct="$(postgres_count 'SELECT COUNT(DISTINCT (session_id, operation_no)) FROM answers')"
    [ "$answers:$distinct" = 80:80 ] || fail "the server has $answers answers, $distinct distinct"
    echo "on the server: 80 answers, each once"

    # The password every lab PC holds opens nothing: it adds rows, and that is all.
    local refused
    for refused in "SELECT * FROM answers" "SELECT name_key FROM pupils" "SELECT * FROM deletions" \
        "SELECT ended_at FROM sessions" "DELETE FROM answers" "DELETE FROM pupils" "TRUNCATE answers" \
        "UPDATE sessions SET end_reason = 'x'" "ALTER ROLE vovo_insegnante PASSWORD 'nuova'" \
        "CREATE TABLE settings (key text, value text)" \
        "INSERT INTO pupils VALUES ('eva', 'Eva', 'oggi')"; do
        as_lab "$refused" && fail "the lab's role may: $refused"
    done
    as_lab "SELECT lab_add_answer('nessuna', 1, 1, 1, 1, 0, '0', 1, 1, '', 'oggi')" ||
        fail "the lab's role may not add"
    [ "$(postgres_count 'SELECT COUNT(*) FROM answers')" = 80 ] || fail "an answer without its session was kept"
    echo "the lab's role: no reading, no deletion, no password, nothing but its own rows"

    # Rows another version or a hostile writer left: kept as they are, never run as SQL.
    psql -q -v ON_ERROR_STOP=1 "service=registro-admin" >/dev/null <<'SQL'
INSERT INTO pupils VALUES ('x''); delete from answers;--', '=Bob''); DELETE FROM answers;--', 'ieri');
INSERT INTO sessions (id, pupil_key, started_at, mode, range_level, range_low, range_high)
    VALUES ('non-un-uuid', 'x''); delete from answers;--', 'non è una data', 99, -4, 500, -500);
INSERT INTO answers VALUES ('non-un-uuid', 1, -7, 2147483647, 9, 0, '@abc', 5, -1, 'ignoto', 'mai'),
    ('non-un-uuid', 2, 99999, -3, 0, 1, '', 1, 1e300, '+1', '');
SQL
    local pc
    for pc in a b; do
        on_pc "$pc" "$labpc" class "$teacher_password" >"$work/class-$pc.log" ||
            fail "the class on PC $pc ended with an error"
        grep -qxF "server" "$work/class-$pc.log" || fail "PC $pc did not read the server"
        grep -qF "alunno mario | sessioni 1 | risposte 40" "$work/class-$pc.log" || fail "PC $pc misses mario"
        grep -qF "alunno Anna O'Neil; DROP TABLE pupils;-- | sessioni 1 | risposte 40" "$work/class-$pc.log" ||
            fail "PC $pc misses Anna"
        grep -qF "alunno =Bob'); DELETE FROM answers;-- | sessioni 1 | risposte 2" "$work/class-$pc.log" ||
            fail "PC $pc misses the hostile rows as stored"
    done
    on_pc a "$labpc" class "altra" >/dev/null && fail "a wrong password read the class"
    [ "$(on_pc b "$labpc" csv "$work/classe.csv" "$teacher_password")" = "righe 82" ] ||
        fail "the class's CSV from the server"
    [ "$(postgres_count 'SELECT COUNT(*) FROM answers')" = 82 ] || fail "reading changed the server"
    # Formula-like cells are text to a spreadsheet, and the same text once the quote is taken off.
    grep -qF "\"'=Bob'); DELETE FROM answers;--\";" "$work/classe.csv" || fail "a name read as a formula"
    python3 - "$work/classe.csv" <<'PY' || fail "the CSV does not read back as stored"
import csv, sys
rows = list(csv.reader(open(sys.argv[1], encoding="utf-8-sig"), delimiter=";"))[1:]
plain = lambda cell: cell[1:] if cell[:2] in ("'=", "'+", "'-", "'@") else cell
names = {plain(row[0]) for row in rows}
typed = {plain(row[10]) for row in rows if row[0].startswith("'=")}
errors = {plain(row[13]) for row in rows if row[0].startswith("'=")}
assert names == {"mario", "Anna O'Neil; DROP TABLE pupils;--", "=Bob'); DELETE FROM answers;--"}, names
assert typed == {"@abc", ""} and errors == {"ignoto", "+1"}, (typed, errors)
assert {row[1] for row in rows if row[0].startswith("'=")} == {"non è una data"}
PY
    echo "the class from either PC with the teacher's login: both pupils, the hostile rows as stored, a safe CSV"

    # "ASSEGNA" with the teacher's login; a lab PC's "Allenamento di oggi" reads, by the pupil's
    # key, that pupil's answers and assignment and nothing of anyone else's, and still no table.
    on_pc a "$labpc" assign mario "entro10 passa" 2 "altra" && fail "a wrong password assigned"
    on_pc b "$labpc" assign mario "entro10 passa" 2 "$teacher_password" || fail "the teacher could not assign"
    on_pc b "$labpc" assign "Anna O'Neil; DROP TABLE pupils;--" "prestito" 0 "$teacher_password" ||
        fail "the teacher could not assign to Anna"
    on_pc b "$labpc" assign nessuno "togli" 0 "$teacher_password" && fail "an assignment for no pupil was kept"
    local plan
    plan="$(on_pc b "$labpc" plan mario)"
    [ "$plan" = "sessioni 1 | risposte 40 | assegnate entro10 passa | livello 2" ] ||
        fail "PC b's plan for mario reads: $plan"
    # PC a holds mario's session itself too: the server's copy is left out.
    plan="$(on_pc a "$labpc" plan mario)"
    [ "$plan" = "sessioni 1 | risposte 40 | assegnate entro10 passa | livello 2" ] ||
        fail "PC a's plan for mario reads: $plan"
    plan="$(on_pc a "$labpc" plan "Anna O'Neil; DROP TABLE pupils;--")"
    [ "$plan" = "sessioni 1 | risposte 40 | assegnate prestito | livello 0" ] ||
        fail "PC a's plan for Anna reads: $plan"
    plan="$(on_pc a "$labpc" plan "nessuno")"
    [ "$plan" = "sessioni 0 | risposte 0 | assegnate - | livello -1" ] || fail "a plan for no pupil reads: $plan"
    for refused in "SELECT * FROM assignments" "DELETE FROM assignments" \
        "INSERT INTO assignments VALUES ('mario', 'togli', 1, 'oggi')" "SELECT * FROM sessions"; do
        as_lab "$refused" && fail "the lab's role may: $refused"
    done
    local other
    other="$(psql -qtAX "service=registro" -c "SELECT lab_plan_facts('mario')::text" 2>/dev/null)"
    case "$other" in
    *Anna* | *"$teacher_password"* | *"$(postgres_count "SELECT id FROM sessions WHERE pupil_key = 'mario'")"*)
        fail "the lab's plan of mario tells more than his answers: $other" ;;
    esac
    [ "$(on_pc b "$labpc" assign mario "" 0 "$teacher_password" && on_pc b "$labpc" plan mario)" = \
        "sessioni 1 | risposte 40 | assegnate - | livello -1" ] || fail "the assignment was not taken away"
    echo "the teacher's assignments; a lab PC reads one pupil's plan by key, no table, no session's key"

    # "MISURE" with the teacher's login; a lab PC reads one pupil's measures by the pupil's key
    # through lab_measures, and the table not at all.
    on_pc a "$labpc" measures mario 6 "altra" && fail "a wrong password set measures"
    on_pc b "$labpc" measures mario 6 "$teacher_password" || fail "the teacher could not set measures"
    on_pc b "$labpc" measures nessuno 6 "$teacher_password" && fail "measures for no pupil were kept"
    [ "$(on_pc a "$labpc" pupilmeasures mario)" = "tempo nascosto 1 | operazioni 6 | aiuto 1" ] ||
        fail "PC a's measures for mario read: $(on_pc a "$labpc" pupilmeasures mario)"
    [ "$(on_pc a "$labpc" pupilmeasures "Anna O'Neil; DROP TABLE pupils;--")" = \
        "tempo nascosto 0 | operazioni 10 | aiuto 0" ] || fail "Anna has mario's measures"
    for refused in "SELECT * FROM measures" "DELETE FROM measures" "UPDATE measures SET read_aloud = 1" \
        "INSERT INTO measures VALUES ('anna', 1, 5, 1, 1, 1)"; do
        as_lab "$refused" && fail "the lab's role may: $refused"
    done
    [ "$(postgres_count "SELECT COUNT(*) FROM measures")" = 1 ] || fail "the lab's role changed the measures"
    [ "$(on_pc b "$labpc" measures mario 0 "$teacher_password" && on_pc a "$labpc" pupilmeasures mario)" = \
        "tempo nascosto 0 | operazioni 10 | aiuto 0" ] || fail "the measures were not taken away"
    [ "$(postgres_count "SELECT COUNT(*) FROM measures")" = 0 ] || fail "default measures left a row"
    echo "the teacher's measures; a lab PC reads one pupil's measures by key, not the table"

    [ "$(on_pc b "$labpc" teacher "$teacher_password")" = "giusta" ] || fail "PC b does not know the teacher's login"
    [ "$(on_pc b "$labpc" teacher "altra")" = "sbagliata" ] || fail "PC b took a wrong password"
    on_pc b "$labpc" delete "x'); delete from answers;--" "altra" && fail "a wrong password deleted a pupil"
    on_pc b "$labpc" delete "x'); delete from answers;--" "$teacher_password" ||
        fail "the teacher could not delete a pupil"
    [ "$(postgres_count 'SELECT COUNT(*) FROM answers')" = 80 ] || fail "the deletion took other answers"
    echo "the teacher's login from either PC; a pupil deleted on the server"

    # Luca practises on PC a with the server there, then on PC b with the server away. The
    # teacher deletes him: PC b's rows, older than the deletion, do not bring him back when they
    # go; a session started after the deletion does.
    on_pc a "$labpc" play "Luca" 1 0 60 >"$work/pc-a-luca.log" || fail "PC a did not send Luca's session"
    postgres_stop
    on_pc b "$labpc" play "Luca" 1 0 3 >"$work/pc-b-2.log" && fail "PC b sent with the server stopped"
    [ "$(on_pc b "$labpc" teacher "$teacher_password")" = "assente" ] || fail "the login did not find the server away"
    postgres_start
    [ "$(postgres_count "SELECT COUNT(*) FROM pupils WHERE name_key = 'luca'")" = 1 ] || fail "PC a's Luca is missing"
    sleep 1
    on_pc a "$labpc" assign "Luca" "togli" 1 "$teacher_password" || fail "the teacher could not assign to Luca"
    on_pc a "$labpc" measures "Luca" 5 "$teacher_password" || fail "the teacher could not set Luca's measures"
    on_pc a "$labpc" delete "Luca" "$teacher_password" || fail "the teacher could not delete Luca"
    [ "$(postgres_count "SELECT COUNT(*) FROM assignments WHERE pupil_key = 'luca'")" = 0 ] ||
        fail "Luca's assignment outlived him"
    [ "$(postgres_count "SELECT COUNT(*) FROM measures WHERE pupil_key = 'luca'")" = 0 ] ||
        fail "Luca's measures outlived him"
    on_pc b "$labpc" play "Luca" 0 0 60 >"$work/pc-b-3.log" || fail "PC b did not empty its outbox"
    [ "$(postgres_count "SELECT COUNT(*) FROM pupils WHERE name_key = 'luca'")" = 0 ] ||
        fail "the deleted pupil came back from PC b"
    [ "$(postgres_count 'SELECT COUNT(*) FROM answers')" = 80 ] || fail "the deleted pupil's answers came back"
    sleep 1
    on_pc b "$labpc" play "Luca" 1 0 60 >"$work/pc-b-4.log" || fail "PC b did not send Luca's new session"
    [ "$(postgres_count 'SELECT COUNT(*) FROM answers')" = 120 ] || fail "the new session did not arrive whole"
    [ "$(postgres_count "SELECT COUNT(*) FROM sessions WHERE pupil_key = 'luca' AND end_reason = 'completata'")" = 1 ] ||
        fail "Luca's new session is not the one the server has"
    echo "a deleted pupil stays deleted; a session after the deletion and one left on a PC arrive whole"
}
