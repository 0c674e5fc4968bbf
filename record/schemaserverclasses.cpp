#include "record/schemasteps.h"

#include "record/recordrows.h"

// The school's server, versions 10 to 12: a child of a class, forgotten in one class, moved to
// another, keyed by name as the machines key it; games against the computer.

namespace quintarlow::schema {

namespace {

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

} // namespace

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

} // namespace quintarlow::schema
