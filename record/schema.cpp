#include "schema.h"

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

bool run(const QSqlDatabase& db, const QString& statement, QString* error) {
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    if (error)
        *error = query.lastError().databaseText();
    return false;
}

bool writeVersion(const QSqlDatabase& db, int from, int to, QString* error) {
    if (!isPostgres(db))
        return run(db, QStringLiteral("PRAGMA user_version = %1").arg(to), error);
    if (from == 0 &&
        !run(db, QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)"), error))
        return false;
    return run(db,
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
        return run(db, QStringLiteral("BEGIN IMMEDIATE"), error);
    return run(db, QStringLiteral("BEGIN"), error) &&
           run(db, QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(migrationLock), error);
}

QString newerRecord(int stored) {
    return QStringLiteral("the record is at version %1, newer than this program knows (%2)")
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
          QStringLiteral("CREATE INDEX answers_by_player ON answers (player)")}},
        {2,
         {QStringLiteral("CREATE TABLE practice (player_key TEXT PRIMARY KEY, "
                         "player TEXT NOT NULL, tables TEXT NOT NULL, "
                         "ask_missed INTEGER NOT NULL)")}},
        // The learning path and the time to answer; a kept row gets the game's own.
        {3,
         {QStringLiteral("ALTER TABLE practice ADD COLUMN path INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral(
              "ALTER TABLE practice ADD COLUMN answer_seconds INTEGER NOT NULL DEFAULT 20")}},
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
        return QStringLiteral("the record's tables cannot be set up: %1").arg(error);
    // Another program may have set them up while this one waited.
    stored = storedVersion(db);
    if (stored < 0 || stored > newestVersion()) {
        run(db, QStringLiteral("ROLLBACK"), nullptr);
        return stored < 0 ? QStringLiteral("the record's version cannot be read")
                          : newerRecord(stored);
    }
    bool done = true;
    for (const Migration& migration : migrations()) {
        if (migration.version <= stored)
            continue;
        for (const QString& statement : migration.statements)
            done = done && run(db, statement, &error);
    }
    done = done &&
           (stored == newestVersion() || writeVersion(db, stored, newestVersion(), &error)) &&
           run(db, QStringLiteral("COMMIT"), &error);
    if (done)
        return {};
    run(db, QStringLiteral("ROLLBACK"), nullptr);
    return QStringLiteral("the record's tables cannot be set up: %1").arg(error);
}

} // namespace quintarlow::schema
