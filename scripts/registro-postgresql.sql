-- SPDX-License-Identifier: GPL-3.0-or-later
-- SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
--
-- The lab's register on the school's PostgreSQL server. Run it once, as the database's owner,
-- in an empty database (e.g. "registro"):
--     psql -d registro -f registro-postgresql.sql
-- It is safe to run again, and brings an older register's roles to these. It makes the
-- register's tables and two roles:
--  - vovo_lab, the lab PCs' role: it may only add rows, and read what one pupil's "Allenamento
--    di oggi" and measures need when it names that pupil, through the lab_* functions below. It lists no
--    pupil, reads no table and no password, and deletes nothing. Its password sits in each
--    PC's libpq password file (~/.pgpass), where whoever sits at the PC can read it: whoever
--    knows a pupil's name can so read that pupil's answers (lab_plan_facts).
--        ALTER ROLE vovo_lab PASSWORD '...';
--  - vovo_insegnante, the teacher's own login: it reads, exports, assigns, sets measures and deletes. Its password is
--    the one typed in "REGISTRO DELLA CLASSE" at each opening and is never stored on a PC:
--        SET password_encryption = 'scram-sha-256';
--        ALTER ROLE vovo_insegnante PASSWORD '...';
--    and in pg_hba.conf a "scram-sha-256" line for it.
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
    aid_used integer NOT NULL DEFAULT 0, -- 1: the number line was drawn before the answer
    UNIQUE (session_id, operation_no)
);
-- A register made before the number line.
ALTER TABLE answers ADD COLUMN IF NOT EXISTS aid_used integer NOT NULL DEFAULT 0;

CREATE TABLE IF NOT EXISTS reviews (
    session_id text NOT NULL REFERENCES sessions (id) ON DELETE CASCADE,
    review_no integer NOT NULL,
    done_at text NOT NULL,
    reviewed integer NOT NULL,
    now_right integer NOT NULL,
    UNIQUE (session_id, review_no)
);

-- What the teacher set for a pupil's "Allenamento di oggi" ("ASSEGNA"): the families to practise
-- until they are learned or the teacher changes them, and the range. Written by the teacher's
-- login alone; gone with its pupil.
CREATE TABLE IF NOT EXISTS assignments (
    pupil_key text PRIMARY KEY REFERENCES pupils (name_key) ON DELETE CASCADE,
    families text NOT NULL,             -- the families' codes, blank-separated in teaching order
    range_level integer NOT NULL,       -- 1..6; 0 as the pupil's history says
    set_at text NOT NULL
);

-- The accommodations of a pupil's personal plan ("MISURE"): one row per pupil with any. Written
-- by the teacher's login alone, read by a lab PC only through lab_measures; gone with its pupil.
CREATE TABLE IF NOT EXISTS measures (
    pupil_key text PRIMARY KEY REFERENCES pupils (name_key) ON DELETE CASCADE,
    time_hidden integer NOT NULL,
    exercise_size integer NOT NULL,     -- operations per exercise, 5..10
    read_aloud integer NOT NULL,
    large_contrast integer NOT NULL,
    aid_offered integer NOT NULL
);

-- What the teacher deleted, so that a PC still holding older rows cannot bring them back: a
-- digest of the pupil's key (NULL for the whole register) and the server's local time. A row
-- leaves after DeletionsKeptDays (180 days, in forget_old_deletions).
CREATE TABLE IF NOT EXISTS deletions (
    pupil_digest text,
    deleted_at text NOT NULL
);

CREATE OR REPLACE FUNCTION pupil_digest(p_key text) RETURNS text
    LANGUAGE sql IMMUTABLE STRICT
    RETURN encode(sha256(convert_to(p_key, 'UTF8')), 'hex');

CREATE OR REPLACE FUNCTION server_now() RETURNS text
    LANGUAGE sql STABLE
    RETURN to_char(localtimestamp, 'YYYY-MM-DD HH24:MI:SS');

CREATE OR REPLACE FUNCTION forget_old_deletions() RETURNS void
    LANGUAGE sql SECURITY DEFINER SET search_path = public, pg_temp
    BEGIN ATOMIC
        DELETE FROM deletions WHERE deleted_at
            < to_char(localtimestamp - interval '180 days', 'YYYY-MM-DD HH24:MI:SS');
    END;

-- Every deleted pupil ("ELIMINA ALUNNO", and each one of "SVUOTA REGISTRO").
CREATE OR REPLACE FUNCTION remember_deletions() RETURNS trigger
    LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
    PERFORM forget_old_deletions();
    INSERT INTO deletions (pupil_digest, deleted_at)
        SELECT pupil_digest(gone.name_key), server_now() FROM gone;
    RETURN NULL;
END
$$;
DROP TRIGGER IF EXISTS pupils_deleted ON pupils;
CREATE TRIGGER pupils_deleted AFTER DELETE ON pupils REFERENCING OLD TABLE AS gone
    FOR EACH STATEMENT EXECUTE FUNCTION remember_deletions();

-- "SVUOTA REGISTRO": the whole register, the pupils no PC has sent yet included.
CREATE OR REPLACE FUNCTION register_emptied() RETURNS void
    LANGUAGE sql SECURITY DEFINER SET search_path = public, pg_temp
    BEGIN ATOMIC
        INSERT INTO deletions (pupil_digest, deleted_at) VALUES (NULL, server_now());
    END;

-- The lab PCs' only way in. A session started before its pupil (or the whole register) was
-- deleted is dropped, with its answers and reviews; each returns whether the row is kept.
CREATE OR REPLACE FUNCTION lab_add_session(p_id text, p_pupil_key text, p_started_at text,
    p_ended_at text, p_end_reason text, p_mode integer, p_range_level integer,
    p_range_low integer, p_range_high integer, p_display_name text, p_first_seen text)
    RETURNS boolean
    LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
    IF EXISTS (SELECT FROM deletions WHERE (pupil_digest IS NULL
            OR pupil_digest = pupil_digest(p_pupil_key)) AND deleted_at > p_started_at) THEN
        RETURN false;
    END IF;
    INSERT INTO pupils (name_key, display_name, first_seen)
        VALUES (p_pupil_key, p_display_name, p_first_seen) ON CONFLICT (name_key) DO NOTHING;
    -- A session's end arrives after its start: the one change a PC may make.
    INSERT INTO sessions (id, pupil_key, started_at, ended_at, end_reason, mode, range_level,
            range_low, range_high)
        VALUES (p_id, p_pupil_key, p_started_at, p_ended_at, p_end_reason, p_mode,
            p_range_level, p_range_low, p_range_high)
        ON CONFLICT (id) DO UPDATE SET ended_at = excluded.ended_at,
            end_reason = excluded.end_reason
        WHERE sessions.ended_at IS NULL AND excluded.ended_at IS NOT NULL
            AND sessions.pupil_key = excluded.pupil_key;
    RETURN true;
END
$$;

-- Made again with the number line's column, which PCs of an older version leave to its default.
DROP FUNCTION IF EXISTS lab_add_answer(text, integer, integer, integer, integer, integer, text,
    integer, double precision, text, text);
CREATE OR REPLACE FUNCTION lab_add_answer(p_session_id text, p_operation_no integer,
    p_minuend integer, p_subtrahend integer, p_asked_term integer, p_expected integer,
    p_typed text, p_is_right integer, p_seconds double precision, p_error_label text,
    p_answered_at text, p_aid_used integer DEFAULT 0) RETURNS boolean
    LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
    IF NOT EXISTS (SELECT FROM sessions WHERE id = p_session_id) THEN
        RETURN false; -- its session was deleted
    END IF;
    INSERT INTO answers (session_id, operation_no, minuend, subtrahend, asked_term, expected,
            typed, is_right, seconds, error_label, answered_at, aid_used)
        VALUES (p_session_id, p_operation_no, p_minuend, p_subtrahend, p_asked_term, p_expected,
            p_typed, p_is_right, p_seconds, p_error_label, p_answered_at, p_aid_used)
        ON CONFLICT (session_id, operation_no) DO NOTHING;
    RETURN true;
END
$$;

CREATE OR REPLACE FUNCTION lab_add_review(p_session_id text, p_review_no integer,
    p_done_at text, p_reviewed integer, p_now_right integer) RETURNS boolean
    LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
    IF NOT EXISTS (SELECT FROM sessions WHERE id = p_session_id) THEN
        RETURN false;
    END IF;
    INSERT INTO reviews VALUES (p_session_id, p_review_no, p_done_at, p_reviewed, p_now_right)
        ON CONFLICT (session_id, review_no) DO NOTHING;
    RETURN true;
END
$$;

-- "Allenamento di oggi" on a lab PC: what the plan needs of ONE pupil, asked by the pupil's key,
-- and nothing else: the teacher's assignment and every judged answer with its session's day,
-- session by session, oldest first. No name, no time of day and no session's id: a session is
-- known by a digest of its id, which lets the PC leave out the sessions its own file still
-- holds but not add rows to them.
CREATE OR REPLACE FUNCTION lab_plan_facts(p_pupil_key text) RETURNS json
    LANGUAGE sql STABLE SECURITY DEFINER SET search_path = public, pg_temp
    RETURN json_build_object(
        'assignment', (SELECT json_build_object('families', families, 'range_level', range_level)
            FROM assignments WHERE pupil_key = p_pupil_key),
        'sessions', COALESCE((SELECT json_agg(json_build_object(
                'digest', pupil_digest(s.id), 'day', substr(s.started_at, 1, 10),
                'answers', (SELECT json_agg(json_build_array(a.minuend, a.subtrahend,
                        a.asked_term, a.typed, a.is_right, a.seconds) ORDER BY a.operation_no)
                    FROM answers a WHERE a.session_id = s.id))
            ORDER BY s.started_at, s.rowid)
            FROM sessions s WHERE s.pupil_key = p_pupil_key
                AND EXISTS (SELECT FROM answers a WHERE a.session_id = s.id)), '[]'));

-- The accommodations of ONE pupil, asked by the pupil's key when the name is accepted on a lab
-- PC, and nothing else: NULL for a pupil without measures.
CREATE OR REPLACE FUNCTION lab_measures(p_pupil_key text) RETURNS json
    LANGUAGE sql STABLE SECURITY DEFINER SET search_path = public, pg_temp
    RETURN (SELECT json_build_object('time_hidden', time_hidden, 'exercise_size', exercise_size,
            'read_aloud', read_aloud, 'large_contrast', large_contrast,
            'aid_offered', aid_offered)
        FROM measures WHERE pupil_key = p_pupil_key);

COMMIT;
-- @end of tables

-- The teacher's password is no longer kept in a table: it is vovo_insegnante's own.
DROP TABLE IF EXISTS settings;

DO $$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'vovo_lab') THEN
        CREATE ROLE vovo_lab LOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'vovo_insegnante') THEN
        CREATE ROLE vovo_insegnante LOGIN;
    END IF;
END
$$;
REVOKE ALL ON pupils, sessions, answers, reviews, deletions, assignments, measures
    FROM PUBLIC, vovo_lab, vovo_insegnante;
REVOKE ALL ON FUNCTION lab_add_session, lab_add_answer, lab_add_review, lab_plan_facts,
    lab_measures, remember_deletions, forget_old_deletions, register_emptied FROM PUBLIC;
GRANT CONNECT ON DATABASE registro TO vovo_lab, vovo_insegnante;
GRANT USAGE ON SCHEMA public TO vovo_lab, vovo_insegnante;

-- The lab PCs: add, and read one pupil's plan and measures by the pupil's key; nothing else.
GRANT EXECUTE ON FUNCTION lab_add_session, lab_add_answer, lab_add_review, lab_plan_facts,
    lab_measures TO vovo_lab;

-- The teacher: read, export and delete ("ELIMINA ALUNNO", "SVUOTA REGISTRO").
GRANT SELECT, DELETE ON pupils, sessions, answers, reviews TO vovo_insegnante;
GRANT EXECUTE ON FUNCTION register_emptied TO vovo_insegnante;
-- "ASSEGNA".
GRANT SELECT, INSERT, UPDATE, DELETE ON assignments TO vovo_insegnante;
-- "MISURE".
GRANT SELECT, INSERT, UPDATE, DELETE ON measures TO vovo_insegnante;
