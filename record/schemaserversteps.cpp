#include "record/schemasteps.h"

#include "record/recordrows.h"

// The school's server, versions 3 to 6: its own types and a school's classes, the counts per
// child and game, and the facts a child gave on the school's other machines.

namespace quintarlow::schema {

namespace {

// The rows a login may see: every class for the school, otherwise the classes whose roles it
// holds. Each function is evaluated once per statement, not once per row.
const QLatin1String classRows{"(SELECT quintarlow_sees_all()) OR class = ANY"
                              " (CAST((SELECT quintarlow_my_classes()) AS text[]))"};

// Each child's answers per game, as a class's list of children sums them.
QString perGame(const QString& answers) {
    return QStringLiteral("SELECT class, player_key, player, game_id, count(*),"
                          " count(*) FILTER (WHERE outcome = 'right'), max(played),"
                          " (array_agg(utc_offset ORDER BY played DESC))[1] FROM %1 GROUP BY class,"
                          " player_key, player, game_id")
        .arg(answers);
}

} // namespace

// The server's own types and a school's classes. Times become timestamptz with the offset
// they were played at kept beside them, so the export still writes each answer's own local
// time; every child's rows carry their class, and row-level security shows a teacher only the
// classes whose roles they hold. Machines hold no right on the tables: they add and ask
// through the functions below, which run as the tables' owner and return only what a game
// needs.
QStringList serverClasses() {
    return {
        QStringLiteral("ALTER TABLE games ALTER game_id TYPE uuid USING game_id::uuid,"
                       " ALTER started_at TYPE timestamptz USING started_at::timestamptz,"
                       " ALTER ended_at TYPE timestamptz USING ended_at::timestamptz,"
                       " ADD class text NOT NULL DEFAULT ''"),
        QStringLiteral("ALTER TABLE answers ADD played timestamptz, ADD utc_offset integer,"
                       " ADD player_key text, ADD class text NOT NULL DEFAULT ''"),
        // The offset is the text's last six characters ("+01:00").
        QStringLiteral("UPDATE answers SET played = played_at::timestamptz,"
                       " player_key = lower(btrim(player)), utc_offset ="
                       " CASE WHEN played_at ~ '[+-][0-9]{2}:[0-9]{2}$' THEN"
                       " (CASE WHEN substr(right(played_at, 6), 1, 1) = '-' THEN -1 ELSE 1 END)"
                       " * (substr(right(played_at, 5), 1, 2)::integer * 3600"
                       " + right(played_at, 2)::integer * 60) ELSE 0 END"),
        QStringLiteral("ALTER TABLE answers DROP played_at, DROP played_ms,"
                       " ALTER answer_id TYPE uuid USING answer_id::uuid,"
                       " ALTER game_id TYPE uuid USING game_id::uuid,"
                       " ALTER played SET NOT NULL, ALTER utc_offset SET NOT NULL,"
                       " ALTER player_key SET NOT NULL"),
        QStringLiteral("DROP INDEX IF EXISTS answers_by_player"),
        // A class's view reads its children's rows; one child's grid reads one key's rows.
        QStringLiteral("CREATE INDEX answers_by_class ON answers (class, player_key)"),
        QStringLiteral("CREATE INDEX answers_by_child ON answers (player_key, played)"),
        QStringLiteral("CREATE INDEX answers_by_time ON answers (played)"),
        QStringLiteral("CREATE INDEX games_by_class ON games (class)"),
        QStringLiteral("ALTER TABLE practice ADD class text NOT NULL DEFAULT '',"
                       " ADD changed timestamptz NOT NULL DEFAULT now()"),
        // Only a hash of the forgotten name: enough for a machine that knows the name.
        QStringLiteral("CREATE TABLE forgotten (player_hash text PRIMARY KEY,"
                       " forgotten timestamptz NOT NULL)"),
        QStringLiteral("CREATE TABLE school_settings (keep_days integer)"),
        QStringLiteral("INSERT INTO school_settings VALUES (NULL)"),
        // The rows as the file keeps them, read with the reader's own rights.
        QStringLiteral(
            "CREATE VIEW answer_rows WITH (security_invoker = true) AS SELECT"
            " answer_id::text AS answer_id, player, player_key, class,"
            " to_char(played AT TIME ZONE 'UTC' + utc_offset * interval '1 second',"
            " 'YYYY-MM-DD\"T\"HH24:MI:SS.MS') || CASE WHEN utc_offset < 0 THEN '-' ELSE '+' END"
            " || to_char(make_interval(secs => abs(utc_offset)), 'HH24:MI') AS played_at,"
            " (extract(epoch FROM played) * 1000)::bigint AS played_ms, played,"
            " game_id::text AS game_id, turn, a, b, product, answered, outcome, ms"
            " FROM answers"),
        QStringLiteral("CREATE FUNCTION quintarlow_class_key(class_name text) RETURNS text"
                       " IMMUTABLE LANGUAGE sql"
                       " RETURN coalesce(regexp_replace(lower(btrim(class_name)), '[^a-z0-9]', '_',"
                       " 'g'), '')"),
        QStringLiteral("CREATE FUNCTION quintarlow_sees_all() RETURNS boolean STABLE"
                       " LANGUAGE sql RETURN EXISTS (SELECT 1 FROM pg_roles WHERE rolname ="
                       " 'quintarlow_school' AND pg_has_role(oid, 'MEMBER'))"),
        QStringLiteral("CREATE FUNCTION quintarlow_my_classes() RETURNS text[] STABLE"
                       " LANGUAGE sql RETURN (SELECT coalesce(array_agg(substr(rolname, 18)),"
                       " '{}') FROM pg_roles WHERE rolname LIKE 'quintarlow\\_class\\_%'"
                       " AND pg_has_role(oid, 'MEMBER'))"),
        QStringLiteral("CREATE FUNCTION quintarlow_policies() RETURNS void LANGUAGE plpgsql AS $$"
                       " DECLARE t text; BEGIN FOREACH t IN ARRAY"
                       " ARRAY['answers', 'games', 'practice'] LOOP"
                       " EXECUTE format('ALTER TABLE %I ENABLE ROW LEVEL SECURITY', t);"
                       " EXECUTE format('CREATE POLICY by_class ON %I USING (") +
            classRows + QStringLiteral(")', t); END LOOP; END $$"),
        QStringLiteral("SELECT quintarlow_policies()"),
        QStringLiteral("DROP FUNCTION quintarlow_policies()"),
        QStringLiteral(
            "CREATE FUNCTION quintarlow_add_game(id uuid, blue text, red text, winner text,"
            " started timestamptz, ended timestamptz, class_name text) RETURNS void"
            " SECURITY DEFINER SET search_path FROM CURRENT LANGUAGE sql AS $$"
            " INSERT INTO games (game_id, blue, red, winner, started_at, ended_at, class)"
            " VALUES (id, blue, red, winner, started, ended, quintarlow_class_key(class_name))"
            " ON CONFLICT (game_id) DO UPDATE SET winner = excluded.winner,"
            " ended_at = excluded.ended_at WHERE excluded.ended_at IS NOT NULL $$"),
        QStringLiteral(
            "CREATE FUNCTION quintarlow_add_answer(id uuid, player text, key text,"
            " played timestamptz, utc_offset integer, game uuid, turn integer, a integer,"
            " b integer, product integer, answered integer, outcome text, ms integer,"
            " class_name text) RETURNS boolean SECURITY DEFINER SET search_path FROM CURRENT"
            " LANGUAGE sql AS $$ WITH added AS (INSERT INTO answers (answer_id, player,"
            " player_key, played, utc_offset, game_id, turn, a, b, product, answered, outcome,"
            " ms, class) VALUES (id, player, key, played, utc_offset, game, turn, a, b,"
            " product, answered, outcome, ms, quintarlow_class_key(class_name))"
            " ON CONFLICT DO NOTHING RETURNING 1) SELECT EXISTS (SELECT 1 FROM added) $$"),
        // At each contact: what the school keeps, and older answers gone.
        QStringLiteral(
            "CREATE FUNCTION quintarlow_contact() RETURNS integer SECURITY DEFINER"
            " SET search_path FROM CURRENT LANGUAGE plpgsql AS $$ DECLARE days integer; BEGIN"
            " SELECT keep_days INTO days FROM school_settings; IF days IS NOT NULL THEN"
            " DELETE FROM answers WHERE played < now() - days * interval '1 day';"
            " DELETE FROM games WHERE started_at < now() - days * interval '1 day'; END IF;"
            " RETURN days; END $$"),
        QStringLiteral(
            "CREATE FUNCTION quintarlow_practice_for(keys text[]) RETURNS TABLE (player_key"
            " text, tables text, ask_missed integer, changed_ms bigint) SECURITY DEFINER"
            " SET search_path FROM CURRENT LANGUAGE sql AS $$ SELECT p.player_key, p.tables,"
            " p.ask_missed, (extract(epoch FROM p.changed) * 1000)::bigint FROM practice p"
            " WHERE p.player_key = ANY (keys) $$"),
        QStringLiteral(
            "CREATE FUNCTION quintarlow_offer_practice(key text, player text, tables text,"
            " ask_missed integer, changed_ms bigint, class_name text) RETURNS void"
            " SECURITY DEFINER SET search_path FROM CURRENT LANGUAGE sql AS $$"
            " INSERT INTO practice AS p (player_key, player, tables, ask_missed, class, changed)"
            " VALUES (key, player, tables, ask_missed, quintarlow_class_key(class_name),"
            " to_timestamp(changed_ms / 1000.0)) ON CONFLICT (player_key) DO UPDATE SET"
            " tables = excluded.tables, ask_missed = excluded.ask_missed,"
            " changed = excluded.changed WHERE p.changed < excluded.changed $$"),
        QStringLiteral(
            "CREATE FUNCTION quintarlow_forgotten_among(hashes text[]) RETURNS TABLE"
            " (player_hash text, forgotten_ms bigint) SECURITY DEFINER SET search_path FROM"
            " CURRENT LANGUAGE sql AS $$ SELECT f.player_hash, (extract(epoch FROM f.forgotten)"
            " * 1000)::bigint FROM forgotten f WHERE f.player_hash = ANY (hashes) $$"),
        QStringLiteral("CREATE FUNCTION quintarlow_forget(hash text) RETURNS void SECURITY"
                       " DEFINER SET search_path FROM CURRENT LANGUAGE sql AS $$ INSERT INTO"
                       " forgotten VALUES (hash, now()) ON CONFLICT (player_hash) DO UPDATE"
                       " SET forgotten = now() $$"),
        QStringLiteral("REVOKE EXECUTE ON FUNCTION quintarlow_add_game, quintarlow_add_answer,"
                       " quintarlow_contact, quintarlow_practice_for, quintarlow_offer_practice,"
                       " quintarlow_forgotten_among, quintarlow_forget FROM PUBLIC"),
    };
}

// A function made again loses its rights: the roles set up already get them back.
QString grantAgain(const QString& functions) {
    return QStringLiteral("DO $$ DECLARE r text; BEGIN FOREACH r IN ARRAY"
                          " ARRAY['quintarlow_machines', 'quintarlow_teachers'] LOOP IF EXISTS"
                          " (SELECT 1 FROM pg_roles WHERE rolname = r) THEN EXECUTE format('GRANT"
                          " EXECUTE ON FUNCTION %1 TO %I', r); END IF; END LOOP; END $$")
        .arg(functions);
}

// A class's list of children counts every answer of the class at each look, which grows with
// the school's years. The server keeps the counts per child and game instead, updated as
// answers come and go (a child forgotten, answers past the days kept), behind the same
// row-level security as the answers and read by no machine. The settings' functions also carry
// the learning path and the time to answer, so a teacher's choice of them reaches the machines.
QStringList childrenPerGame() {
    const QString same = QStringLiteral("(class, player_key, player, game_id)");
    return {
        QStringLiteral("CREATE TABLE player_games (class text NOT NULL, player_key text NOT NULL,"
                       " player text NOT NULL, game_id uuid NOT NULL, answers integer NOT NULL,"
                       " rights integer NOT NULL, last_played timestamptz NOT NULL,"
                       " last_offset integer NOT NULL, PRIMARY KEY ") +
            same + QLatin1Char(')'),
        QStringLiteral("INSERT INTO player_games ") + perGame(QStringLiteral("answers")),
        QStringLiteral("ALTER TABLE player_games ENABLE ROW LEVEL SECURITY"),
        QStringLiteral("CREATE POLICY by_class ON player_games USING (") + classRows +
            QLatin1Char(')'),
        // Run as the tables' owner, since neither machines nor teachers may write the counts.
        QStringLiteral("CREATE FUNCTION quintarlow_count_added() RETURNS trigger SECURITY DEFINER"
                       " SET search_path FROM CURRENT LANGUAGE plpgsql AS $$ BEGIN"
                       " INSERT INTO player_games AS s ") +
            perGame(QStringLiteral("added")) + QStringLiteral(" ON CONFLICT ") + same +
            QStringLiteral(
                " DO UPDATE SET answers = s.answers + excluded.answers,"
                " rights = s.rights + excluded.rights, last_offset = CASE WHEN"
                " excluded.last_played >= s.last_played THEN excluded.last_offset ELSE"
                " s.last_offset END, last_played = greatest(s.last_played, excluded.last_played);"
                " RETURN NULL; END $$"),
        // The games whose answers went are counted again from what is left of them (most
        // contacts remove none). The planner is told how few they are, so that it reads
        // those children's answers by their index rather than every answer.
        QStringLiteral(
            "CREATE FUNCTION quintarlow_count_removed() RETURNS trigger SECURITY DEFINER"
            " SET search_path FROM CURRENT LANGUAGE plpgsql AS $$ BEGIN"
            " IF NOT EXISTS (SELECT 1 FROM removed) THEN RETURN NULL; END IF;"
            " CREATE TEMPORARY TABLE touched ON COMMIT DROP AS SELECT DISTINCT class,"
            " player_key, player, game_id FROM removed; ANALYZE touched;"
            " DELETE FROM player_games s USING touched t WHERE (s.class, s.player_key, s.player,"
            " s.game_id) = (t.class, t.player_key, t.player, t.game_id);"
            " INSERT INTO player_games AS s ") +
            perGame(QStringLiteral("(SELECT a.* FROM answers a JOIN touched t USING ") + same +
                    QStringLiteral(") left_over")) +
            QStringLiteral(" ON CONFLICT ") + same +
            QStringLiteral(" DO UPDATE SET answers = excluded.answers, rights = excluded.rights,"
                           " last_played = excluded.last_played,"
                           " last_offset = excluded.last_offset;"
                           " DROP TABLE touched; RETURN NULL; END $$"),
        QStringLiteral("CREATE TRIGGER count_added AFTER INSERT ON answers REFERENCING NEW TABLE"
                       " AS added FOR EACH STATEMENT EXECUTE FUNCTION quintarlow_count_added()"),
        QStringLiteral("CREATE TRIGGER count_removed AFTER DELETE ON answers REFERENCING OLD"
                       " TABLE AS removed FOR EACH STATEMENT EXECUTE FUNCTION"
                       " quintarlow_count_removed()"),
        // A class's grid reads every child's answers: from the index alone, in each child's
        // order, rather than from pages spread over the whole table.
        QStringLiteral("DROP INDEX answers_by_child"),
        QStringLiteral("CREATE INDEX answers_by_child ON answers (player_key, played, answer_id)"
                       " INCLUDE (class, a, b, outcome, ms, utc_offset)"),
        QStringLiteral("DROP FUNCTION quintarlow_practice_for(text[])"),
        QStringLiteral(
            "CREATE FUNCTION quintarlow_practice_for(keys text[]) RETURNS TABLE (player_key"
            " text, tables text, ask_missed integer, path integer, answer_seconds integer,"
            " changed_ms bigint) SECURITY DEFINER SET search_path FROM CURRENT LANGUAGE sql AS"
            " $$ SELECT p.player_key, p.tables, p.ask_missed, p.path, p.answer_seconds,"
            " (extract(epoch FROM p.changed) * 1000)::bigint FROM practice p"
            " WHERE p.player_key = ANY (keys) $$"),
        QStringLiteral("DROP FUNCTION quintarlow_offer_practice(text, text, text, integer, bigint,"
                       " text)"),
        QStringLiteral(
            "CREATE FUNCTION quintarlow_offer_practice(key text, player text, tables text,"
            " ask_missed integer, path integer, answer_seconds integer, changed_ms bigint,"
            " class_name text) RETURNS void SECURITY DEFINER SET search_path FROM CURRENT"
            " LANGUAGE sql AS $$ INSERT INTO practice AS p (player_key, player, tables,"
            " ask_missed, path, answer_seconds, class, changed) VALUES (key, player, tables,"
            " ask_missed, path, answer_seconds, quintarlow_class_key(class_name),"
            " to_timestamp(changed_ms / 1000.0)) ON CONFLICT (player_key) DO UPDATE SET"
            " tables = excluded.tables, ask_missed = excluded.ask_missed, path = excluded.path,"
            " answer_seconds = excluded.answer_seconds, changed = excluded.changed"
            " WHERE p.changed < excluded.changed $$"),
        QStringLiteral("REVOKE EXECUTE ON FUNCTION quintarlow_practice_for,"
                       " quintarlow_offer_practice, quintarlow_count_added,"
                       " quintarlow_count_removed FROM PUBLIC"),
        grantAgain(QStringLiteral("quintarlow_practice_for, quintarlow_offer_practice")),
    };
}

// A child's plan on a machine (missed facts asked again, the learning path) reads the answers
// the child gave on the school's other machines too. The server tells which login sent each
// answer (earlier answers: none), and a machine asks for a child's facts, outcomes, times and
// days from the other logins, packed as the class view reads them: no names, games or times
// of day. Only of children who have answered on that machine, so that a machine's password
// found by a child opens no other child's facts.
QStringList factsFromOtherMachines() {
    return {
        QStringLiteral("ALTER TABLE answers ADD machine text"),
        QStringLiteral("ALTER TABLE answers ALTER machine SET DEFAULT session_user"),
        QStringLiteral("CREATE FUNCTION quintarlow_facts_for(keys text[]) RETURNS TABLE"
                       " (player_key text, facts text) SECURITY DEFINER SET search_path FROM"
                       " CURRENT LANGUAGE sql AS $$ SELECT player_key, ") +
            packedFactAnswers() +
            QStringLiteral(" FROM answers a WHERE player_key = ANY (keys)"
                           " AND machine IS DISTINCT FROM session_user"
                           " AND EXISTS (SELECT 1 FROM answers here WHERE here.player_key ="
                           " a.player_key AND here.machine = session_user) GROUP BY player_key $$"),
        QStringLiteral("REVOKE EXECUTE ON FUNCTION quintarlow_facts_for FROM PUBLIC"),
        grantAgain(QStringLiteral("quintarlow_facts_for")),
    };
}

} // namespace quintarlow::schema
