#include "record/schemasteps.h"

#include "record/recordrows.h"

// The school's server, version 9: the server decides who calls, refuses rows the game could not
// have made, keeps nothing of the forgotten, and gives every class a role of its own.

namespace quintarlow::schema {

// Who calls is the server's to know, not the caller's to say: the classes are those whose
// roles the login holds (every class for the school), and a class a machine names is taken
// only if it is one of them. A machine changes only games it started and that are not over,
// and reads settings and facts of its classes' children only; a teacher's forgetting reaches
// the machines of the teacher's classes. No time is later than the server's clock, so a
// machine whose clock runs ahead cannot make its setting win for ever.
QStringList serverDecidesTheCaller() {
    const QString mine = QStringLiteral("(SELECT quintarlow_caller_sees_all()) OR %1 = ANY"
                                        " (CAST((SELECT quintarlow_caller_classes()) AS text[]))");
    return {
        QStringLiteral("ALTER TABLE games ADD machine text DEFAULT session_user"),
        QStringLiteral("CREATE FUNCTION quintarlow_caller_sees_all() RETURNS boolean STABLE"
                       " LANGUAGE sql RETURN EXISTS (SELECT 1 FROM pg_catalog.pg_roles WHERE"
                       " rolname = session_user AND rolsuper) OR EXISTS (SELECT 1 FROM"
                       " pg_catalog.pg_roles r WHERE r.rolname = 'quintarlow_school' AND"
                       " pg_catalog.pg_has_role(session_user, r.oid, 'MEMBER'))"),
        QStringLiteral("CREATE FUNCTION quintarlow_caller_classes() RETURNS text[] STABLE"
                       " LANGUAGE sql RETURN (SELECT coalesce(array_agg(substr(rolname, 18)),"
                       " '{}') FROM pg_catalog.pg_roles WHERE rolname LIKE"
                       " 'quintarlow\\_class\\_%' AND pg_catalog.pg_has_role(session_user, oid,"
                       " 'MEMBER'))"),
        // A login of one class need not name it.
        QStringLiteral(
            "CREATE FUNCTION quintarlow_caller_class(class_name text) RETURNS text STABLE"
            " LANGUAGE plpgsql AS $$ DECLARE k text := quintarlow_class_key(class_name);"
            " classes text[] := quintarlow_caller_classes(); all_classes boolean :="
            " quintarlow_caller_sees_all(); BEGIN IF k = '' AND NOT all_classes AND"
            " cardinality(classes) = 1 THEN RETURN classes[1]; END IF; IF all_classes OR k ="
            " ANY (classes) THEN RETURN k; END IF; RAISE EXCEPTION 'the login % holds no role"
            " of the class \"%\"', session_user, class_name USING ERRCODE ="
            " 'insufficient_privilege'; END $$"),
        QStringLiteral(
            "CREATE OR REPLACE FUNCTION quintarlow_add_game(id uuid, blue text, red text, winner"
            " text, started timestamptz, ended timestamptz, class_name text) RETURNS void"
            " SECURITY DEFINER LANGUAGE sql AS $$ INSERT INTO games AS g (game_id, blue, red,"
            " winner, started_at, ended_at, class) VALUES (id, blue, red, winner, least(started,"
            " now()), least(ended, CASE WHEN ended IS NOT NULL THEN now() END),"
            " quintarlow_caller_class(class_name)) ON CONFLICT (game_id) DO UPDATE"
            " SET winner = excluded.winner, ended_at = excluded.ended_at"
            " WHERE excluded.ended_at IS NOT NULL AND g.ended_at IS NULL AND g.machine ="
            " session_user AND g.class = excluded.class $$"),
        QStringLiteral(
            "CREATE OR REPLACE FUNCTION quintarlow_add_answer(id uuid, player text, key text,"
            " played timestamptz, utc_offset integer, game uuid, turn integer, a integer,"
            " b integer, product integer, answered integer, outcome text, ms integer,"
            " class_name text) RETURNS boolean SECURITY DEFINER LANGUAGE sql AS $$ WITH added AS"
            " (INSERT INTO answers (answer_id, player, player_key, played, utc_offset, game_id,"
            " turn, a, b, product, answered, outcome, ms, class) VALUES (id, player, key,"
            " least(played, now()), utc_offset, game, turn, a, b, product, answered, outcome,"
            " ms, quintarlow_caller_class(class_name)) ON CONFLICT DO NOTHING RETURNING 1)"
            " SELECT EXISTS (SELECT 1 FROM added) $$"),
        QStringLiteral(
            "CREATE OR REPLACE FUNCTION quintarlow_practice_for(keys text[]) RETURNS TABLE"
            " (player_key text, tables text, ask_missed integer, path integer, answer_seconds"
            " integer, changed_ms bigint) SECURITY DEFINER LANGUAGE sql AS $$ SELECT"
            " p.player_key, p.tables, p.ask_missed, p.path, p.answer_seconds,"
            " (extract(epoch FROM p.changed) * 1000)::bigint FROM practice p WHERE p.player_key"
            " = ANY (keys) AND (") +
            mine.arg(QLatin1String("p.class")) + QStringLiteral(") $$"),
        QStringLiteral(
            "CREATE OR REPLACE FUNCTION quintarlow_offer_practice(key text, player text, tables"
            " text, ask_missed integer, path integer, answer_seconds integer, changed_ms bigint,"
            " class_name text) RETURNS void SECURITY DEFINER LANGUAGE sql AS $$ INSERT INTO"
            " practice AS p (player_key, player, tables, ask_missed, path, answer_seconds,"
            " class, changed) VALUES (key, player, tables, ask_missed, path, answer_seconds,"
            " quintarlow_caller_class(class_name), to_timestamp(changed_ms / 1000.0))"
            " ON CONFLICT (class, player_key) DO UPDATE SET tables = excluded.tables,"
            " ask_missed = excluded.ask_missed, path = excluded.path, answer_seconds ="
            " excluded.answer_seconds, changed = excluded.changed WHERE p.changed <"
            " excluded.changed $$"),
        // A child is a child of a class: a Tom in 4B and one in 5A have settings each.
        QStringLiteral("ALTER TABLE practice DROP CONSTRAINT practice_pkey,"
                       " ADD PRIMARY KEY (class, player_key)"),
        // Teachers write the settings themselves.
        QStringLiteral("CREATE FUNCTION quintarlow_until_now() RETURNS trigger LANGUAGE plpgsql"
                       " AS $$ BEGIN NEW.changed := least(NEW.changed, now()); RETURN NEW; END $$"),
        QStringLiteral("CREATE TRIGGER changed_until_now BEFORE INSERT OR UPDATE ON practice FOR"
                       " EACH ROW EXECUTE FUNCTION quintarlow_until_now()"),
        QStringLiteral("UPDATE practice SET changed = now() WHERE changed > now()"),
        QStringLiteral("CREATE OR REPLACE FUNCTION quintarlow_facts_for(keys text[]) RETURNS"
                       " TABLE (player_key text, facts text) SECURITY DEFINER LANGUAGE sql AS"
                       " $$ SELECT player_key, ") +
            packedFactAnswers() +
            QStringLiteral(" FROM answers a WHERE player_key = ANY (keys) AND a.class = ANY"
                           " (CAST((SELECT quintarlow_caller_classes()) AS text[]))"
                           " AND machine IS DISTINCT FROM session_user"
                           " AND EXISTS (SELECT 1 FROM answers here WHERE"
                           " here.player_key = a.player_key AND here.class = a.class AND"
                           " here.machine = session_user) GROUP BY player_key $$"),
        // Forgetting before classes reached the whole school.
        QStringLiteral("ALTER TABLE forgotten ADD class text NOT NULL DEFAULT '*'"),
        QStringLiteral("ALTER TABLE forgotten ALTER class DROP DEFAULT, DROP CONSTRAINT"
                       " forgotten_pkey, ADD PRIMARY KEY (class, player_hash)"),
        QStringLiteral(
            "CREATE OR REPLACE FUNCTION quintarlow_forget(hash text) RETURNS void SECURITY"
            " DEFINER LANGUAGE sql AS $$ INSERT INTO forgotten (class, player_hash, forgotten)"
            " SELECT c, hash, now() FROM unnest(CASE WHEN quintarlow_caller_sees_all() THEN"
            " ARRAY['*'] ELSE quintarlow_caller_classes() END) c ON CONFLICT (class,"
            " player_hash) DO UPDATE SET forgotten = now() $$"),
        QStringLiteral(
            "CREATE OR REPLACE FUNCTION quintarlow_forgotten_among(hashes text[]) RETURNS TABLE"
            " (player_hash text, forgotten_ms bigint) SECURITY DEFINER LANGUAGE sql AS $$"
            " SELECT f.player_hash, (extract(epoch FROM max(f.forgotten)) * 1000)::bigint FROM"
            " forgotten f WHERE f.player_hash = ANY (hashes) AND (f.class = '*' OR ") +
            mine.arg(QLatin1String("f.class")) + QStringLiteral(") GROUP BY f.player_hash $$"),
        QStringLiteral("REVOKE EXECUTE ON FUNCTION quintarlow_caller_class FROM PUBLIC"),
    };
}

// Rows the game could not have made are refused, each check named for what it keeps out, so
// that the refusal says which. A name is what the game lets a child type: 1 to 30 characters,
// composed (NFC) as one spelling, no control characters. Answers stored before are set aside
// in refused_answers, which nobody but the tables' owner reads, so that none of them stops a
// class's export.
QStringList onlyWhatTheGameMakes() {
    const QString name = QStringLiteral(
        "char_length(%1) BETWEEN 1 AND 30 AND %1 !~ '[\\x01-\\x1f\\x7f-\\x9f]' AND CASE WHEN"
        " pg_catalog.getdatabaseencoding() = 'UTF8' THEN %1 IS NFC NORMALIZED ELSE true END");
    const std::pair<const char*, QString> answerChecks[] = {
        {"outcome_is_right_wrong_or_timeout",
         QStringLiteral("outcome IN ('right', 'wrong', 'timeout')")},
        {"factors_from_1_to_12", QStringLiteral("a BETWEEN 1 AND 12 AND b BETWEEN 1 AND 12")},
        {"product_is_a_times_b", QStringLiteral("product = a * b")},
        {"answered_a_product_of_the_board",
         QStringLiteral("answered IS NULL OR answered BETWEEN 1 AND 144")},
        {"turn_from_1", QStringLiteral("turn >= 1")},
        {"ms_within_a_day", QStringLiteral("ms BETWEEN 0 AND 86400000")},
        {"player_is_a_name", name.arg(QLatin1String("player"))},
    };
    QStringList all;
    QStringList constraints;
    for (const auto& [label, check] : answerChecks) {
        all.append(QLatin1Char('(') + check + QLatin1Char(')'));
        constraints.append(
            QStringLiteral("ADD CONSTRAINT %1 CHECK (%2)").arg(QLatin1String(label), check));
    }
    return {
        QStringLiteral("CREATE TABLE refused_answers (LIKE answers)"),
        QStringLiteral("WITH refused AS (DELETE FROM answers WHERE NOT coalesce(") +
            all.join(QLatin1String(" AND ")) +
            QStringLiteral(", false) RETURNING *) INSERT INTO refused_answers SELECT * FROM"
                           " refused"),
        QStringLiteral("ALTER TABLE answers ") + constraints.join(QLatin1String(", ")),
        // Games and settings are not read by the export: those kept stay as they are.
        QStringLiteral("ALTER TABLE games ADD CONSTRAINT blue_is_a_name CHECK (%1) NOT VALID,"
                       " ADD CONSTRAINT red_is_a_name CHECK (%2) NOT VALID, ADD CONSTRAINT"
                       " winner_is_a_player CHECK (winner IS NULL OR winner IN (blue, red))"
                       " NOT VALID")
            .arg(name.arg(QLatin1String("blue")), name.arg(QLatin1String("red"))),
        QStringLiteral("ALTER TABLE practice ADD CONSTRAINT player_is_a_name CHECK (%1) NOT VALID,"
                       " ADD CONSTRAINT tables_from_1_to_12 CHECK (tables ~"
                       " '^(([1-9]|1[0-2])(,([1-9]|1[0-2]))*)?$') NOT VALID, ADD CONSTRAINT"
                       " answer_seconds_a_game_gives CHECK (answer_seconds BETWEEN 20 AND 90)"
                       " NOT VALID")
            .arg(name.arg(QLatin1String("player"))),
    };
}

// Forgotten is gone from the server: the names of the forgotten are kept only as a hash keyed
// with a secret that only the tables' owner reads (a list of first names reverses a plain
// one), and the statistics the planner keeps of the tables (which hold common values) are
// taken again at once. Retention runs from a command or a timer of the server's owner too,
// not only when a machine calls in, and a child's settings go with their last answer.
QStringList forgottenIsGone() {
    const QString before = QStringLiteral("now() - days * interval '1 day'");
    return {
        QStringLiteral("CREATE TABLE server_secret (secret bytea NOT NULL)"),
        QStringLiteral("INSERT INTO server_secret SELECT uuid_send(gen_random_uuid()) ||"
                       " uuid_send(gen_random_uuid())"),
        QStringLiteral("CREATE FUNCTION quintarlow_keyed(hash text) RETURNS text STABLE LANGUAGE"
                       " sql RETURN encode(sha256((SELECT secret FROM server_secret) ||"
                       " convert_to(hash, 'UTF8')), 'hex')"),
        QStringLiteral("UPDATE forgotten SET player_hash = quintarlow_keyed(player_hash)"),
        QStringLiteral(
            "CREATE OR REPLACE FUNCTION quintarlow_forget(hash text) RETURNS void SECURITY"
            " DEFINER LANGUAGE plpgsql AS $$ BEGIN INSERT INTO forgotten (class, player_hash,"
            " forgotten) SELECT c, quintarlow_keyed(hash), now() FROM unnest(CASE WHEN"
            " quintarlow_caller_sees_all() THEN ARRAY['*'] ELSE quintarlow_caller_classes()"
            " END) c ON CONFLICT (class, player_hash) DO UPDATE SET forgotten = now();"
            " ANALYZE answers, games, practice, player_games; END $$"),
        QStringLiteral(
            "CREATE OR REPLACE FUNCTION quintarlow_forgotten_among(hashes text[]) RETURNS TABLE"
            " (player_hash text, forgotten_ms bigint) SECURITY DEFINER LANGUAGE sql AS $$"
            " SELECT h, (extract(epoch FROM max(f.forgotten)) * 1000)::bigint FROM unnest(hashes)"
            " h JOIN forgotten f ON f.player_hash = quintarlow_keyed(h) WHERE f.class = '*' OR"
            " (SELECT quintarlow_caller_sees_all()) OR f.class = ANY (CAST((SELECT"
            " quintarlow_caller_classes()) AS text[])) GROUP BY h $$"),
        QStringLiteral(
            "CREATE FUNCTION quintarlow_expire() RETURNS TABLE (kept_days integer,"
            " expired_answers bigint, expired_games bigint, expired_settings bigint) SECURITY"
            " DEFINER LANGUAGE plpgsql AS $$ DECLARE days integer; a bigint := 0; g bigint := 0;"
            " s bigint := 0; BEGIN SELECT keep_days INTO days FROM school_settings; IF days IS"
            " NOT NULL THEN DELETE FROM answers WHERE played < %1; GET DIAGNOSTICS a = ROW_COUNT;"
            " DELETE FROM games WHERE started_at < %1; GET DIAGNOSTICS g = ROW_COUNT; DELETE FROM"
            " practice p WHERE p.changed < %1 AND NOT EXISTS (SELECT 1 FROM answers x WHERE"
            " x.class = p.class AND x.player_key = p.player_key); GET DIAGNOSTICS s = ROW_COUNT;"
            " END IF; RETURN QUERY SELECT days, a, g, s; END $$")
            .arg(before),
        QStringLiteral("CREATE OR REPLACE FUNCTION quintarlow_contact() RETURNS integer SECURITY"
                       " DEFINER LANGUAGE sql AS $$ SELECT kept_days FROM quintarlow_expire() $$"),
        QStringLiteral("REVOKE EXECUTE ON FUNCTION quintarlow_keyed, quintarlow_expire FROM"
                       " PUBLIC"),
    };
}

// Every class name has a role of its own: a name of other characters than ASCII ("4Б" and
// "4В" were both "4_") or too long for a role (63 bytes) keeps a readable beginning and a hash
// of the whole name. The rows carry the same key as the role, so a class's teacher sees them.
QStringList eachClassItsRole() {
    return {
        QStringLiteral(
            "CREATE OR REPLACE FUNCTION quintarlow_class_key(class_name text) RETURNS text"
            " IMMUTABLE LANGUAGE sql RETURN (SELECT CASE WHEN k = '' OR (n ~ '^[ -~]*$' AND"
            " length(k) <= 46) THEN k ELSE left(k, 37) || '_' || left(md5(n), 8) END FROM"
            " (SELECT n, coalesce(regexp_replace(n, '[^a-z0-9]', '_', 'g'), '') AS k FROM"
            " (SELECT lower(btrim(class_name)) AS n) named) keyed)"),
    };
}

// A function that runs as the tables' owner must find the tables it names and never an
// object a caller made: a temporary table, view or function named like one of ours would
// otherwise run with the owner's rights. Every function of ours searches the tables' schema,
// then pg_temp last. (Those with a RETURN body were bound to their objects when made.) Run
// again after each step that makes functions.
QString pinSearchPaths() {
    return QStringLiteral(
        "DO $$ DECLARE f regprocedure; BEGIN FOR f IN SELECT p.oid FROM pg_catalog.pg_proc p"
        " WHERE p.pronamespace = current_schema()::regnamespace AND p.proname LIKE"
        " 'quintarlow\\_%' LOOP EXECUTE format('ALTER FUNCTION %s SET search_path = %I, pg_temp',"
        " f, current_schema()); END LOOP; END $$");
}

} // namespace quintarlow::schema
