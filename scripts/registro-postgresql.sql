-- SPDX-License-Identifier: GPL-3.0-or-later
-- SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
--
-- The lab's register on the school's PostgreSQL server. Run it once, as the database's owner,
-- in an empty database (e.g. "registro"):
--     psql -d registro -f registro-postgresql.sql
-- It is safe to run again. It makes the register's tables and one role, vovo_lab, for the lab
-- PCs; give that role a password with ALTER ROLE vovo_lab PASSWORD '...' when the lab PCs
-- connect over the network, and put it in each PC's libpq password file (~/.pgpass).
--
-- The tables mirror each PC's own register file, column by column and with the same text
-- forms (times as local 'yyyy-MM-dd HH:mm:ss'), so that the program reads both with the same
-- queries. Each session has a unique id (a UUID) and each answer the unique key
-- (session_id, operation_no): a PC sending the same answer twice leaves one copy.

-- @tables: the program runs this part itself when the tables are missing and its role may
-- create them.
BEGIN;

-- Names sorted as on each PC: without regard to case.
CREATE COLLATION IF NOT EXISTS nocase (provider = icu, locale = 'und-u-ks-level2', deterministic = false);

CREATE TABLE IF NOT EXISTS pupils (
    name_key text PRIMARY KEY,          -- trimmed, blanks collapsed, case-folded
    display_name text NOT NULL,         -- as first typed
    first_seen text NOT NULL
);

CREATE TABLE IF NOT EXISTS sessions (
    id text PRIMARY KEY,                -- UUID, made by the PC
    pupil_key text NOT NULL REFERENCES pupils (name_key) ON DELETE CASCADE,
    started_at text NOT NULL,
    ended_at text,
    end_reason text,                    -- completata, interrotta; NULL while open
    mode integer NOT NULL,
    range_level integer NOT NULL,
    range_low integer NOT NULL,
    range_high integer NOT NULL,
    -- The order the sessions arrived in, as a PC's file keeps it: it breaks ties between
    -- sessions started in the same second.
    rowid bigint GENERATED ALWAYS AS IDENTITY
);
CREATE INDEX IF NOT EXISTS sessions_by_pupil ON sessions (pupil_key, started_at);

CREATE TABLE IF NOT EXISTS answers (
    session_id text NOT NULL REFERENCES sessions (id) ON DELETE CASCADE,
    operation_no integer NOT NULL,
    minuend integer NOT NULL,
    subtrahend integer NOT NULL,
    asked_term integer NOT NULL,        -- 1 difference, 2 minuend, 3 subtrahend
    expected integer NOT NULL,
    typed text NOT NULL,
    is_right integer NOT NULL,
    seconds double precision NOT NULL,
    error_label text NOT NULL,          -- empty for a right answer
    answered_at text NOT NULL,
    UNIQUE (session_id, operation_no)
);

CREATE TABLE IF NOT EXISTS reviews (
    session_id text NOT NULL REFERENCES sessions (id) ON DELETE CASCADE,
    review_no integer NOT NULL,
    done_at text NOT NULL,
    reviewed integer NOT NULL,
    now_right integer NOT NULL,
    UNIQUE (session_id, review_no)
);

-- The teacher's password for the whole lab, as an Argon2id hash, under the key
-- 'teacher_password'.
CREATE TABLE IF NOT EXISTS settings (
    key text PRIMARY KEY,
    value text NOT NULL
);

COMMIT;
-- @end of tables

-- The lab PCs' role: it reads and adds to the register. Beyond that it may only
--  - record a session's end, which a PC sends after the session's start (two columns);
--  - change the teacher's password (one column);
--  - delete, because the teacher's "ELIMINA ALUNNO" and "SVUOTA REGISTRO" act on the server.
-- It cannot create, alter or drop anything, nor read any other table.
DO $$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'vovo_lab') THEN
        CREATE ROLE vovo_lab LOGIN;
    END IF;
END
$$;
REVOKE ALL ON pupils, sessions, answers, reviews, settings FROM PUBLIC;
GRANT CONNECT ON DATABASE registro TO vovo_lab;
GRANT USAGE ON SCHEMA public TO vovo_lab;
GRANT SELECT, INSERT, DELETE ON pupils, sessions, answers, reviews TO vovo_lab;
GRANT UPDATE (ended_at, end_reason) ON sessions TO vovo_lab;
GRANT SELECT, INSERT ON settings TO vovo_lab;
GRANT UPDATE (value) ON settings TO vovo_lab;
