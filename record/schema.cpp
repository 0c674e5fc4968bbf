#include "record/schema.h"

#include "record/recordwords.h"
#include "record/schemasteps.h"
#include "record/sqlsteps.h"

#include <QSqlDatabase>
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

} // namespace

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
