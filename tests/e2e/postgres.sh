# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
# shellcheck shell=bash
# A private PostgreSQL 15 for the school-server cases and the load check: its data, log and
# socket in one folder, no TCP at all, a database "registro" made with
# scripts/registro-postgresql.sql, and a libpq service file naming it as the service "registro"
# for the lab's role. The teacher's role logs in with a SCRAM password, every other with none. PostgreSQL refuses to run as root: then the folder belongs to the user
# "postgres" of the Debian package and the server runs as that user.
#
#   postgres_create            makes the folder; sets postgres_root and PGSERVICEFILE
#   postgres_start / postgres_stop
# Needs, when set by the sourcing script, the array `started` of scripts/desktop.sh.

readonly postgres_bin=/usr/lib/postgresql/15/bin
postgres_root=""

postgres_available() {
    [ -x "$postgres_bin/initdb" ] && [ -x "$postgres_bin/pg_ctl" ] && command -v psql >/dev/null 2>&1
}

as_postgres() { # as_postgres COMMAND...: as the server's user when we are root
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

postgres_create() {
    here_postgres="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
    postgres_root="$(mktemp -d "${TMPDIR:-/tmp}/vovo-postgres.XXXXXX")"
    [ "$(id -u)" -eq 0 ] && chown postgres: "$postgres_root"
    as_postgres "$postgres_bin/initdb" -D "$postgres_root/data" -U postgres --auth=trust \
        --encoding=UTF8 --locale=C.UTF-8 >"$postgres_root/initdb.log" 2>&1 || {
        cat "$postgres_root/initdb.log" >&2
        return 1
    }
    # Only the socket in the folder: no TCP port is opened.
    cat >>"$postgres_root/data/postgresql.conf" <<CONF
listen_addresses = ''
unix_socket_directories = '$postgres_root'
fsync = on
CONF
    local hba="$postgres_root/data/pg_hba.conf"
    { echo "local all vovo_insegnante scram-sha-256"; cat "$hba"; } >"$hba.new" && mv "$hba.new" "$hba"
    [ "$(id -u)" -eq 0 ] && chown postgres: "$hba"
    export PGSERVICEFILE="$postgres_root/pg_service.conf"
    cat >"$PGSERVICEFILE" <<CONF
[registro]
host=$postgres_root
dbname=registro
user=vovo_lab

[registro-admin]
host=$postgres_root
dbname=registro
user=postgres
CONF
    postgres_start || return 1
    as_postgres psql -q -h "$postgres_root" -U postgres -d postgres \
        -c "CREATE DATABASE registro" >/dev/null || return 1
    psql -q -v ON_ERROR_STOP=1 "service=registro-admin" \
        -f "$here_postgres/../../scripts/registro-postgresql.sql" >/dev/null
}

postgres_pid() {
    head -n 1 "$postgres_root/data/postmaster.pid" 2>/dev/null
}

postgres_start() {
    as_postgres "$postgres_bin/pg_ctl" -D "$postgres_root/data" -l "$postgres_root/server.log" \
        -w -t 30 start >/dev/null || {
        cat "$postgres_root/server.log" >&2
        return 1
    }
    # The clean-up stops it by its process id should the case end first.
    if declare -p started >/dev/null 2>&1; then
        started+=("$(postgres_pid)")
    fi
}

postgres_stop() {
    [ -n "$postgres_root" ] && [ -e "$postgres_root/data/postmaster.pid" ] || return 0
    as_postgres "$postgres_bin/pg_ctl" -D "$postgres_root/data" -m fast -w -t 30 stop >/dev/null
}

postgres_remove() {
    postgres_stop
    [ -n "$postgres_root" ] && rm -rf "$postgres_root"
    postgres_root=""
}

# One number from the register's database, as the administrator sees it.
postgres_count() {
    psql -qtAX "service=registro-admin" -c "$1"
}
