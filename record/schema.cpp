#include "record/schema.h"

#include "core/playernames.h"
#include "record/recordrows.h"
#include "record/recordwords.h"
#include "record/sqlsteps.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace quintarlow::schema {

namespace {

bool isPostgres(const QSqlDatabase& db) {
    return db.driverName() == QLatin1String("QPSQL");
}

// Any number: every Quintarlow! program migrating the same server waits on this lock.
constexpr qint64 migrationLock = 0x51756e746172;

bool writeVersion(const QSqlDatabase& db, int from, int to, QString* error) {
    if (!isPostgres(db))
        return exec(db, QStringLiteral("PRAGMA user_version = %1").arg(to), error);
    if (from == 0 &&
        !exec(db, QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)"), error))
        return false;
    return exec(db,
                from == 0
                    ? QStringLiteral("INSERT INTO schema_version (version) VALUES (%1)").arg(to)
                    : QStringLiteral("UPDATE schema_version SET version = %1").arg(to),
                error);
}

// Takes the database for this program alone until COMMIT or ROLLBACK. SQLite's IMMEDIATE takes
// the write lock at once; PostgreSQL's DDL is transactional and the advisory lock makes a
// second program wait until the first has committed its tables.
bool beginAlone(const QSqlDatabase& db, QString* error) {
    if (!isPostgres(db))
        return exec(db, QStringLiteral("BEGIN IMMEDIATE"), error);
    return exec(db, QStringLiteral("BEGIN"), error) &&
           exec(db, QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(migrationLock), error);
}

QString newerRecord(int stored) {
    return RecordWords::tr("the record is at version %1, newer than this program knows (%2)")
        .arg(stored)
        .arg(newestVersion());
}

// The rows a login may see: every class for the school, otherwise the classes whose roles it
// holds. Each function is evaluated once per statement, not once per row.
const QLatin1String classRows{"(SELECT quintarlow_sees_all()) OR class = ANY"
                              " (CAST((SELECT quintarlow_my_classes()) AS text[]))"};

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

// Each child's answers per game, as a class's list of children sums them.
QString perGame(const QString& answers) {
    return QStringLiteral("SELECT class, player_key, player, game_id, count(*),"
                          " count(*) FILTER (WHERE outcome = 'right'), max(played),"
                          " (array_agg(utc_offset ORDER BY played DESC))[1] FROM %1 GROUP BY class,"
                          " player_key, player, game_id")
        .arg(answers);
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

// The file's list of players counted afresh from its answers. SQLite takes played_at from the
// row that holds the MAX.
QString countEveryGame() {
    return QStringLiteral("INSERT INTO player_games SELECT player, game_id, COUNT(*),"
                          " SUM(outcome = 'right'), MAX(played_ms), played_at FROM answers"
                          " GROUP BY player, game_id");
}

// Ids in one form, lower case without braces, as every later import writes them: an answer
// imported earlier in capitals or braces and again in the plain form is kept once.
QStringList canonicalIds() {
    const auto canonical = [](const char* column) {
        return QStringLiteral("lower(trim(%1, '{}'))").arg(QLatin1String(column));
    };
    QStringList steps;
    for (const auto& [table, column] : {std::pair{"answers", "answer_id"},
                                        {"games", "game_id"},
                                        {"server_sent", "answer_id"},
                                        {"server_sent_games", "game_id"}})
        steps << QStringLiteral("DELETE FROM %1 WHERE rowid NOT IN (SELECT MIN(rowid) FROM %1"
                                " GROUP BY %2)")
                     .arg(QLatin1String(table), canonical(column))
              << QStringLiteral("UPDATE %1 SET %2 = %3 WHERE %2 <> %3")
                     .arg(QLatin1String(table), QLatin1String(column), canonical(column));
    steps << QStringLiteral("UPDATE answers SET game_id = %1 WHERE game_id <> %1")
                 .arg(canonical("game_id"));
    return steps;
}

// Names kept before the one rule for names: composed, without control or invisible characters,
// so that two spellings that look the same are one player. Practice settings and the school's
// facts are keyed by the name: of two that become one, the later settings stay. The list of
// players is counted afresh, since ids and names changed under it.
QString mergeNamesAlike(const QSqlDatabase& db) {
    QString error;
    QStringList spellings;
    QSqlQuery names(db);
    if (!names.exec(QStringLiteral("SELECT player FROM answers UNION SELECT blue FROM games UNION"
                                   " SELECT red FROM games UNION SELECT winner FROM games"
                                   " WHERE winner IS NOT NULL UNION SELECT player FROM practice")))
        return names.lastError().databaseText();
    while (names.next())
        spellings.append(names.value(0).toString());
    names.finish();
    const auto update = [&db, &error](const QString& sql, const QVariantList& values) {
        QSqlQuery query(db);
        query.prepare(sql);
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        if (!query.exec() && error.isEmpty())
            error = query.lastError().databaseText();
    };
    for (const QString& spelling : std::as_const(spellings)) {
        const QString kept = withoutRefusedCharacters(spelling);
        if (kept == spelling || kept.isEmpty())
            continue;
        for (const char* column :
             {"answers SET player = ? WHERE player", "games SET blue = ? WHERE blue",
              "games SET red = ? WHERE red", "games SET winner = ? WHERE winner",
              "practice SET player = ? WHERE player"})
            update(QStringLiteral("UPDATE %1 = ?").arg(QLatin1String(column)), {kept, spelling});
    }
    QSqlQuery keys(db);
    QList<std::pair<QString, QString>> rekeyed;
    for (const char* table : {"practice", "school_facts"}) {
        if (!keys.exec(QStringLiteral("SELECT player_key FROM %1").arg(QLatin1String(table))))
            return keys.lastError().databaseText();
        rekeyed.clear();
        while (keys.next())
            if (const QString old = keys.value(0).toString();
                nameKey(withoutRefusedCharacters(old)) != old)
                rekeyed.append({old, nameKey(withoutRefusedCharacters(old))});
        keys.finish();
        for (const auto& [old, key] : std::as_const(rekeyed)) {
            // The later settings win; the school's facts come again at the next contact.
            update(QStringLiteral("DELETE FROM %1 WHERE player_key = ?%2")
                       .arg(QLatin1String(table),
                            table == std::string_view("practice")
                                ? QStringLiteral(" AND changed_ms < (SELECT MAX(changed_ms) FROM"
                                                 " practice WHERE player_key IN (?, ?))")
                                : QString()),
                   table == std::string_view("practice") ? QVariantList{key, old, key}
                                                         : QVariantList{key});
            update(QStringLiteral("DELETE FROM %1 WHERE player_key = ? AND EXISTS (SELECT 1 FROM"
                                  " %1 WHERE player_key = ?)")
                       .arg(QLatin1String(table)),
                   {old, key});
            update(QStringLiteral("UPDATE %1 SET player_key = ? WHERE player_key = ?")
                       .arg(QLatin1String(table)),
                   {key, old});
        }
    }
    update(QStringLiteral("DELETE FROM player_games"), {});
    update(countEveryGame(), {});
    return error;
}

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

// A child is a child of a class on the machine too: two Toms of two classes sharing a machine
// keep their answers, settings and the school's facts apart. What the file kept before is of no
// class, as it was; a machine sends it for the class its settings name, as before.
QStringList childOfAClassHere() {
    const auto keyedByClass = [](const char* table, const char* columns, const char* kept) {
        return QStringList{
            QStringLiteral("CREATE TABLE %1_by_class (class TEXT NOT NULL DEFAULT '',"
                           " player_key TEXT NOT NULL, %2, PRIMARY KEY (class, player_key))")
                .arg(QLatin1String(table), QLatin1String(columns)),
            QStringLiteral("INSERT INTO %1_by_class (player_key, %2) SELECT player_key, %2 FROM %1")
                .arg(QLatin1String(table), QLatin1String(kept)),
            QStringLiteral("DROP TABLE %1").arg(QLatin1String(table)),
            QStringLiteral("ALTER TABLE %1_by_class RENAME TO %1").arg(QLatin1String(table))};
    };
    return QStringList{
               QStringLiteral("ALTER TABLE answers ADD COLUMN class TEXT NOT NULL DEFAULT ''"),
               QStringLiteral("ALTER TABLE games ADD COLUMN class TEXT NOT NULL DEFAULT ''"),
               QStringLiteral("ALTER TABLE player_games ADD COLUMN class TEXT NOT NULL DEFAULT ''"),
               QStringLiteral("DROP TRIGGER answer_counted"),
               QStringLiteral(
                   "CREATE TRIGGER answer_counted AFTER INSERT ON answers BEGIN"
                   " INSERT INTO player_games (player, game_id, answers, right_answers, last_ms,"
                   " last_at, class) VALUES (new.player, new.game_id, 1, new.outcome = 'right',"
                   " new.played_ms, new.played_at, new.class) ON CONFLICT (player, game_id) DO"
                   " UPDATE SET answers = answers + 1, right_answers = right_answers +"
                   " excluded.right_answers, last_at = CASE WHEN excluded.last_ms > last_ms THEN"
                   " excluded.last_at ELSE last_at END, last_ms = MAX(last_ms, excluded.last_ms);"
                   " END")} +
           keyedByClass("practice",
                        "player TEXT NOT NULL, tables TEXT NOT NULL, ask_missed INTEGER NOT NULL,"
                        " changed_ms BIGINT NOT NULL DEFAULT 0, path INTEGER NOT NULL DEFAULT 0,"
                        " answer_seconds INTEGER NOT NULL DEFAULT 20",
                        "player, tables, ask_missed, changed_ms, path, answer_seconds") +
           keyedByClass("school_facts", "facts TEXT NOT NULL", "facts");
}

// A teacher of two classes forgets one class's child of a name, not the other's: the machines
// of that class alone are told.
QStringList forgetInOneClass() {
    return {
        QStringLiteral(
            "CREATE FUNCTION quintarlow_forget_in_class(hash text, class_name text) RETURNS void"
            " SECURITY DEFINER LANGUAGE plpgsql AS $$ BEGIN IF coalesce(class_name, '') = ''"
            " THEN PERFORM quintarlow_forget(hash); RETURN; END IF; INSERT INTO forgotten"
            " (class, player_hash, forgotten) VALUES (quintarlow_caller_class(class_name),"
            " quintarlow_keyed(hash), now()) ON CONFLICT (class, player_hash) DO UPDATE SET"
            " forgotten = now(); ANALYZE answers, games, practice, player_games; END $$"),
        QStringLiteral("REVOKE EXECUTE ON FUNCTION quintarlow_forget_in_class FROM PUBLIC"),
    };
}

// A child who changes class keeps their answers and settings: a teacher of both classes, the
// school, or the tables' owners move them, never a machine, and never onto a child of the same
// name there already. The counts per game move with them, and `alsoMoved` runs after them.
QString moveChildFunction(const QString& create, const QString& alsoMoved) {
    return create +
           QStringLiteral(
               " quintarlow_move_child(key text, from_class text, to_class text)"
               " RETURNS bigint SECURITY DEFINER LANGUAGE plpgsql AS $$ DECLARE f text :="
               " quintarlow_class_key(from_class); t text := quintarlow_class_key(to_class);"
               " classes text[] := quintarlow_caller_classes(); moved bigint; BEGIN"
               " IF NOT (quintarlow_caller_sees_all() OR pg_catalog.pg_has_role(session_user,"
               " 'quintarlow_records', 'MEMBER') OR (pg_catalog.pg_has_role(session_user,"
               " 'quintarlow_teachers', 'MEMBER') AND f = ANY (classes) AND t = ANY (classes)))"
               " THEN RAISE EXCEPTION 'the login % teaches not both \"%\" and \"%\"',"
               " session_user, from_class, to_class USING ERRCODE = 'insufficient_privilege';"
               " END IF; IF f = t OR t = '' THEN RAISE EXCEPTION 'no other class to move to'"
               " USING ERRCODE = 'invalid_parameter_value'; END IF; IF EXISTS (SELECT 1 FROM"
               " answers WHERE class = t AND player_key = key) OR EXISTS (SELECT 1 FROM practice"
               " WHERE class = t AND player_key = key) THEN RAISE EXCEPTION 'a child of that name"
               " is in \"%\" already', to_class USING ERRCODE = 'unique_violation'; END IF;"
               " UPDATE answers SET class = t WHERE class = f AND player_key = key;"
               " GET DIAGNOSTICS moved = ROW_COUNT; UPDATE player_games SET class = t WHERE"
               " class = f AND player_key = key;") +
           alsoMoved +
           QStringLiteral(
               " UPDATE practice SET class = t WHERE class = f AND player_key = key; IF moved = 0"
               " AND NOT FOUND THEN RAISE EXCEPTION 'no child of that name in \"%\"',"
               " from_class USING ERRCODE = 'no_data_found'; END IF; RETURN moved; END $$");
}

// The games stay with the class they were played in.
QStringList movingAChild() {
    return {
        moveChildFunction(QStringLiteral("CREATE FUNCTION"), {}),
        QStringLiteral("REVOKE EXECUTE ON FUNCTION quintarlow_move_child FROM PUBLIC"),
        // A machine two classes share learns which class's child each setting is.
        QStringLiteral("DROP FUNCTION quintarlow_practice_for(text[])"),
        QStringLiteral(
            "CREATE FUNCTION quintarlow_practice_for(keys text[]) RETURNS TABLE (player_key text,"
            " tables text, ask_missed integer, path integer, answer_seconds integer, changed_ms"
            " bigint, class text) SECURITY DEFINER LANGUAGE sql AS $$ SELECT p.player_key,"
            " p.tables, p.ask_missed, p.path, p.answer_seconds, (extract(epoch FROM p.changed) *"
            " 1000)::bigint, p.class FROM practice p WHERE p.player_key = ANY (keys) AND ((SELECT"
            " quintarlow_caller_sees_all()) OR p.class = ANY (CAST((SELECT"
            " quintarlow_caller_classes()) AS text[]))) $$"),
        QStringLiteral("REVOKE EXECUTE ON FUNCTION quintarlow_practice_for FROM PUBLIC"),
        grantAgain(QStringLiteral("quintarlow_practice_for")),
        // ... and which class forgot each child ('*': the whole school).
        QStringLiteral("DROP FUNCTION quintarlow_forgotten_among(text[])"),
        QStringLiteral(
            "CREATE FUNCTION quintarlow_forgotten_among(hashes text[]) RETURNS TABLE (player_hash"
            " text, forgotten_ms bigint, class text) SECURITY DEFINER LANGUAGE sql AS $$ SELECT h,"
            " (extract(epoch FROM f.forgotten) * 1000)::bigint, f.class FROM unnest(hashes) h"
            " JOIN forgotten f ON f.player_hash = quintarlow_keyed(h) WHERE f.class = '*' OR"
            " (SELECT quintarlow_caller_sees_all()) OR f.class = ANY (CAST((SELECT"
            " quintarlow_caller_classes()) AS text[])) $$"),
        QStringLiteral("REVOKE EXECUTE ON FUNCTION quintarlow_forgotten_among FROM PUBLIC"),
        grantAgain(QStringLiteral("quintarlow_forgotten_among")),
    };
}

// A machine two classes share keeps each class's child's facts apart: each comes with the class
// it was played in. A moved child's games against the computer that are over go with them, so
// the new class's teachers see what they played alone; a game of two stays with the class it
// was played in, where the other child's record needs it, and so does one still being played,
// whose machine ends it there.
QStringList factsAndGamesOfTheChildsClass() {
    return {
        QStringLiteral("DROP FUNCTION quintarlow_facts_for(text[])"),
        QStringLiteral("CREATE FUNCTION quintarlow_facts_for(keys text[]) RETURNS TABLE"
                       " (player_key text, facts text, class text) SECURITY DEFINER LANGUAGE sql"
                       " AS $$ SELECT player_key, ") +
            packedFactAnswers() +
            QStringLiteral(", a.class FROM answers a WHERE player_key = ANY (keys) AND a.class ="
                           " ANY (CAST((SELECT quintarlow_caller_classes()) AS text[])) AND"
                           " machine IS DISTINCT FROM session_user AND EXISTS (SELECT 1 FROM"
                           " answers here WHERE here.player_key = a.player_key AND here.class ="
                           " a.class AND here.machine = session_user) GROUP BY a.class,"
                           " player_key $$"),
        QStringLiteral("REVOKE EXECUTE ON FUNCTION quintarlow_facts_for FROM PUBLIC"),
        grantAgain(QStringLiteral("quintarlow_facts_for")),
        // A class's list counts each child's games alone from the few games of that kind.
        QStringLiteral("CREATE INDEX games_against_computer ON games (game_id) WHERE"
                       " against_computer"),
        moveChildFunction(
            QStringLiteral("CREATE OR REPLACE FUNCTION"),
            QStringLiteral(" UPDATE games SET class = t WHERE class = f AND against_computer AND"
                           " ended_at IS NOT NULL AND game_id IN (SELECT game_id FROM"
                           " player_games WHERE class = t AND player_key = key);")),
    };
}

// Names compare on the server as on the machines: trimmed of every blank, folded as Unicode's
// simple case folding does (PostgreSQL's lower() by ICU's root locale, then the few letters
// where folding and lowering part: a final sigma, a long s, the Greek letter variants; a dotted
// capital I stays), composed. Keys kept before by lower(btrim()) are made again by it. Where
// the server has no ICU or stores no UTF-8, names compare as before.
QStringList oneKeyForAName() {
    const QString key = QStringLiteral(
        "coalesce((SELECT normalize(translate(string_agg(lower(part COLLATE \"und-x-icu\"), 'İ'"
        " ORDER BY n), 'ςϐϑϕϖϰϱϵſẛιͅ', 'σβθφπκρεsṡιι'), NFC) FROM unnest(string_to_array("
        "btrim(name, E' \\u00a0\\u1680\\u2000\\u2001\\u2002\\u2003\\u2004\\u2005\\u2006"
        "\\u2007\\u2008\\u2009\\u200a\\u2028\\u2029\\u202f\\u205f\\u3000\\t\\n\\u000b"
        "\\f\\r\\u0085'), 'İ')) WITH ORDINALITY AS parts(part, n)), '')");
    QStringList steps{
        QStringLiteral(
            "DO $do$ BEGIN IF pg_catalog.getdatabaseencoding() = 'UTF8' AND EXISTS (SELECT 1 FROM"
            " pg_catalog.pg_collation WHERE collname = 'und-x-icu') THEN EXECUTE $f$CREATE FUNCTION"
            " quintarlow_name_key(name text) RETURNS text IMMUTABLE LANGUAGE sql RETURN %1$f$; ELSE"
            " EXECUTE $f$CREATE FUNCTION quintarlow_name_key(name text) RETURNS text IMMUTABLE"
            " LANGUAGE sql RETURN lower(btrim(name))$f$; END IF; END $do$")
            .arg(key)};
    for (const char* table : {"answers", "player_games"})
        steps << QStringLiteral("UPDATE %1 SET player_key = quintarlow_name_key(player) WHERE"
                                " player_key <> quintarlow_name_key(player)")
                     .arg(QLatin1String(table));
    return steps << QStringLiteral(
               "UPDATE practice p SET player_key = quintarlow_name_key(player) WHERE player_key"
               " <> quintarlow_name_key(player) AND NOT EXISTS (SELECT 1 FROM practice q WHERE"
               " q.class = p.class AND q.player_key = quintarlow_name_key(p.player))");
}

// The server keys a child by the name itself: a key sent beside the name is the caller's word,
// and a machine could file one child's answers or settings under another's key. Answers arrive
// only through quintarlow_add_answer, which now keys them itself (a trigger on every row would
// slow a district's bulk loads); teachers write settings directly, so those get a trigger.
QStringList keyedByTheirNames() {
    QStringList steps;
    for (QString step : serverDecidesTheCaller())
        if (step.contains(QLatin1String("FUNCTION quintarlow_add_answer(")))
            steps << step.replace(
                QLatin1String("VALUES (id, player, key,"),
                QLatin1String("VALUES (id, player, quintarlow_name_key(player),"));
    steps << QStringLiteral("CREATE FUNCTION quintarlow_keyed_by_name() RETURNS trigger LANGUAGE"
                            " plpgsql AS $$ BEGIN NEW.player_key :="
                            " quintarlow_name_key(NEW.player); RETURN NEW; END $$")
          << QStringLiteral("CREATE TRIGGER keyed_by_name BEFORE INSERT OR UPDATE OF player,"
                            " player_key ON practice FOR EACH ROW EXECUTE FUNCTION"
                            " quintarlow_keyed_by_name()");
    return steps;
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

} // namespace

// A machine marks the games a child played alone. Machines of the earlier version call the
// function without the mark: their games are games of two.
QStringList gamesAgainstTheComputer() {
    return {
        QStringLiteral("ALTER TABLE games ADD COLUMN against_computer boolean NOT NULL DEFAULT"
                       " false"),
        QStringLiteral("DROP FUNCTION quintarlow_add_game(uuid, text, text, text, timestamptz,"
                       " timestamptz, text)"),
        QStringLiteral(
            "CREATE FUNCTION quintarlow_add_game(id uuid, blue text, red text, winner text,"
            " started timestamptz, ended timestamptz, class_name text, alone boolean DEFAULT"
            " false) RETURNS void SECURITY DEFINER LANGUAGE sql AS $$ INSERT INTO games AS g"
            " (game_id, blue, red, winner, started_at, ended_at, class, against_computer) VALUES"
            " (id, blue, red, winner, least(started, now()), least(ended, CASE WHEN ended IS NOT"
            " NULL THEN now() END), quintarlow_caller_class(class_name), alone) ON CONFLICT"
            " (game_id) DO UPDATE SET winner = excluded.winner, ended_at = excluded.ended_at"
            " WHERE excluded.ended_at IS NOT NULL AND g.ended_at IS NULL AND g.machine ="
            " session_user AND g.class = excluded.class $$"),
        QStringLiteral("REVOKE EXECUTE ON FUNCTION quintarlow_add_game FROM PUBLIC"),
        // The function made again lost its rights: the roles set up already get them back.
        QStringLiteral(
            "DO $$ DECLARE r text; BEGIN FOREACH r IN ARRAY ARRAY['quintarlow_machines',"
            " 'quintarlow_teachers'] LOOP IF EXISTS (SELECT 1 FROM pg_roles WHERE rolname = r)"
            " THEN EXECUTE format('GRANT EXECUTE ON FUNCTION quintarlow_add_game TO %I', r);"
            " END IF; END LOOP; END $$"),
    };
}

const std::vector<Migration>& migrations() {
    static const std::vector<Migration> all{
        {1,
         {QStringLiteral("CREATE TABLE games (game_id TEXT PRIMARY KEY, blue TEXT NOT NULL, "
                         "red TEXT NOT NULL, winner TEXT, started_at TEXT NOT NULL, "
                         "ended_at TEXT)"),
          QStringLiteral("CREATE TABLE answers (answer_id TEXT PRIMARY KEY, "
                         "player TEXT NOT NULL, played_at TEXT NOT NULL, "
                         "played_ms BIGINT NOT NULL, game_id TEXT NOT NULL, "
                         "turn INTEGER NOT NULL, a INTEGER NOT NULL, b INTEGER NOT NULL, "
                         "product INTEGER NOT NULL, answered INTEGER, outcome TEXT NOT NULL, "
                         "ms INTEGER NOT NULL)"),
          // Export reads in time order; the window reads one player at a time.
          QStringLiteral("CREATE INDEX answers_by_time ON answers (played_ms)"),
          QStringLiteral("CREATE INDEX answers_by_player ON answers (player)")},
         {},
         {}},
        {2,
         {QStringLiteral("CREATE TABLE practice (player_key TEXT PRIMARY KEY, "
                         "player TEXT NOT NULL, tables TEXT NOT NULL, "
                         "ask_missed INTEGER NOT NULL)")},
         {},
         {}},
        {3,
         {},
         // Which answers and games the server has confirmed (files made before this step
         // already have them), and when a player's settings were last changed, so that the
         // later of a machine's and a teacher's change wins.
         {QStringLiteral("CREATE TABLE IF NOT EXISTS server_sent (answer_id TEXT PRIMARY KEY)"),
          QStringLiteral("CREATE TABLE IF NOT EXISTS server_sent_games "
                         "(game_id TEXT PRIMARY KEY, ended_at TEXT)"),
          QStringLiteral("ALTER TABLE practice ADD COLUMN changed_ms BIGINT NOT NULL DEFAULT 0")},
         serverClasses()},
        // The learning path and the time to answer; a kept row gets the game's own.
        {4,
         {QStringLiteral("ALTER TABLE practice ADD COLUMN path INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral(
              "ALTER TABLE practice ADD COLUMN answer_seconds INTEGER NOT NULL DEFAULT 20")},
         {},
         {}},
        // What the list of players shows, per spelling and game, kept by the file and by the
        // server themselves as answers come and go: counted from every answer, a class's year
        // took the list longer than the whole window to draw.
        {5,
         {},
         {QStringLiteral("CREATE TABLE player_games (player TEXT NOT NULL, game_id TEXT NOT NULL,"
                         " answers INTEGER NOT NULL, right_answers INTEGER NOT NULL,"
                         " last_ms BIGINT NOT NULL, last_at TEXT NOT NULL,"
                         " PRIMARY KEY (player, game_id)) WITHOUT ROWID"),
          // SQLite takes played_at from the row that holds the MAX.
          countEveryGame(),
          QStringLiteral("CREATE TRIGGER answer_counted AFTER INSERT ON answers BEGIN"
                         " INSERT INTO player_games VALUES (new.player, new.game_id, 1,"
                         " new.outcome = 'right', new.played_ms, new.played_at)"
                         " ON CONFLICT (player, game_id) DO UPDATE SET answers = answers + 1,"
                         " right_answers = right_answers + excluded.right_answers,"
                         " last_at = CASE WHEN excluded.last_ms > last_ms"
                         " THEN excluded.last_at ELSE last_at END,"
                         " last_ms = MAX(last_ms, excluded.last_ms); END"),
          // The last answer is looked up again only when the one that was last goes.
          QStringLiteral("CREATE TRIGGER answer_uncounted AFTER DELETE ON answers BEGIN"
                         " UPDATE player_games SET answers = answers - 1,"
                         " right_answers = right_answers - (old.outcome = 'right')"
                         " WHERE player = old.player AND game_id = old.game_id;"
                         " DELETE FROM player_games WHERE player = old.player"
                         " AND game_id = old.game_id AND answers = 0;"
                         " UPDATE player_games SET (last_ms, last_at) = (SELECT played_ms,"
                         " played_at FROM answers WHERE player = old.player"
                         " AND game_id = old.game_id ORDER BY played_ms DESC LIMIT 1)"
                         " WHERE player = old.player AND game_id = old.game_id"
                         " AND last_ms = old.played_ms; END")},
         childrenPerGame()},
        // What the school's other machines saw of the children practising here, replaced at
        // each contact, kept for when the server cannot be reached.
        {6,
         {},
         {QStringLiteral("CREATE TABLE school_facts (player_key TEXT PRIMARY KEY,"
                         " facts TEXT NOT NULL)")},
         factsFromOtherMachines()},
        {7, {}, canonicalIds(), {}, mergeNamesAlike},
        // A game one child played against the computer, whose answers are not kept.
        {8,
         {},
         {QStringLiteral(
             "ALTER TABLE games ADD COLUMN against_computer INTEGER NOT NULL DEFAULT 0")},
         {}},
        {9,
         {},
         {},
         serverDecidesTheCaller() + onlyWhatTheGameMakes() + forgottenIsGone() +
             eachClassItsRole() + QStringList{pinSearchPaths()}},
        // A child of a class here: the file keeps each answer's class, and the server forgets in
        // one class, moves a child to another and keys names as the machines do.
        {10,
         {},
         childOfAClassHere(),
         forgetInOneClass() + movingAChild() + oneKeyForAName() + QStringList{pinSearchPaths()}},
        // Playing alone: how well the computer plays each child, kept by this machine only; the
        // server marks a game against the computer as the file does.
        {11,
         {},
         {QStringLiteral("ALTER TABLE practice ADD COLUMN opponent INTEGER NOT NULL DEFAULT 1")},
         gamesAgainstTheComputer() + QStringList{pinSearchPaths()}},
        // Two classes sharing a machine: each class's child's facts; a moved child's games alone.
        {12,
         {},
         {},
         factsAndGamesOfTheChildsClass() + keyedByTheirNames() + QStringList{pinSearchPaths()}},
    };
    return all;
}

int newestVersion() {
    return migrations().back().version;
}

int storedVersion(const QSqlDatabase& db) {
    QSqlQuery query(db);
    if (isPostgres(db)) {
        // Read from the catalog with this statement's snapshot: to_regclass and the like go
        // by a cache that, inside a transaction, may still miss a table another program has
        // just committed, and the migration lock would then be taken for nothing.
        if (!query.exec(QStringLiteral(
                "SELECT EXISTS (SELECT 1 FROM pg_catalog.pg_class c JOIN pg_catalog.pg_namespace "
                "n ON n.oid = c.relnamespace WHERE c.relname = 'schema_version' AND "
                "n.nspname = current_schema())")) ||
            !query.next())
            return -1;
        if (!query.value(0).toBool())
            return 0;
        if (!query.exec(QStringLiteral("SELECT max(version) FROM schema_version")) || !query.next())
            return -1;
        return query.value(0).toInt();
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return -1;
    return query.value(0).toInt();
}

QString upgrade(const QSqlDatabase& db) {
    // Most starts find the tables ready: only reading, which a login without the right to
    // create tables may do.
    int stored = storedVersion(db);
    if (stored == newestVersion())
        return {};
    if (stored > newestVersion())
        return newerRecord(stored);

    QString error;
    if (!beginAlone(db, &error))
        return RecordWords::tr("the record's tables cannot be set up: %1").arg(error);
    // Another program may have set them up while this one waited.
    stored = storedVersion(db);
    if (stored < 0 || stored > newestVersion()) {
        exec(db, QStringLiteral("ROLLBACK"), nullptr);
        return stored < 0 ? RecordWords::tr("the record's version cannot be read")
                          : newerRecord(stored);
    }
    bool done = true;
    for (const Migration& migration : migrations()) {
        if (migration.version <= stored)
            continue;
        for (const QStringList* statements :
             {&migration.statements, isPostgres(db) ? &migration.serverOnly : &migration.localOnly})
            for (const QString& statement : *statements)
                done = done && exec(db, statement, &error);
        if (done && !isPostgres(db) && migration.localCode) {
            error = migration.localCode(db);
            done = error.isEmpty();
        }
    }
    done = done &&
           (stored == newestVersion() || writeVersion(db, stored, newestVersion(), &error)) &&
           exec(db, QStringLiteral("COMMIT"), &error);
    if (done)
        return {};
    exec(db, QStringLiteral("ROLLBACK"), nullptr);
    return RecordWords::tr("the record's tables cannot be set up: %1").arg(error);
}

} // namespace quintarlow::schema
