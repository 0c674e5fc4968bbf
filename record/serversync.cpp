#include "serversync.h"

#include "schema.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace quintarlow {

namespace {

constexpr int batchSize = 500;

// Closes and removes a Qt SQL connection however the round ends.
class Connection {
public:
    explicit Connection(QString name) : m_name(std::move(name)) {}
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection() {
        m_db = {};
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase& db() { return m_db; }
    const QString& name() const { return m_name; }

private:
    QString m_name;
    QSqlDatabase m_db;
};

struct Batch {
    std::vector<QSqlRecord> games;
    std::vector<QSqlRecord> answers;
    bool empty() const { return games.empty() && answers.empty(); }
};

bool exec(QSqlDatabase& db, const QString& statement) {
    return QSqlQuery(db).exec(statement);
}

// The marks are a set of ids, not a high-water mark on rowid: SQLite reuses the rowids of
// deleted rows (a forgotten player) and VACUUM may renumber them, so a mark on rowid could
// pass over answers never sent.
bool prepareLocal(QSqlDatabase& local) {
    return exec(local, QStringLiteral("CREATE TABLE IF NOT EXISTS server_sent "
                                      "(answer_id TEXT PRIMARY KEY)")) &&
           exec(local, QStringLiteral("CREATE TABLE IF NOT EXISTS server_sent_games "
                                      "(game_id TEXT PRIMARY KEY, ended_at TEXT)"));
}

bool readRows(QSqlDatabase& db, const QString& select, std::vector<QSqlRecord>& rows) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(select))
        return false;
    while (query.next())
        rows.push_back(query.record());
    return true;
}

// A game is sent again once it has ended, so the server learns its winner and end.
bool readUnsent(QSqlDatabase& local, Batch& batch) {
    return readRows(local,
                    QStringLiteral("SELECT g.* FROM games g LEFT JOIN server_sent_games s "
                                   "ON s.game_id = g.game_id WHERE s.game_id IS NULL "
                                   "OR s.ended_at IS NOT g.ended_at LIMIT %1")
                        .arg(batchSize),
                    batch.games) &&
           readRows(local,
                    QStringLiteral("SELECT a.* FROM answers a LEFT JOIN server_sent s "
                                   "ON s.answer_id = a.answer_id WHERE s.answer_id IS NULL "
                                   "ORDER BY a.played_ms, a.rowid LIMIT %1")
                        .arg(batchSize),
                    batch.answers);
}

bool insertAll(QSqlDatabase& db, const QString& statement, const std::vector<QSqlRecord>& rows) {
    QSqlQuery query(db);
    if (!query.prepare(statement))
        return false;
    for (const QSqlRecord& row : rows) {
        for (int i = 0; i < row.count(); ++i)
            query.addBindValue(row.value(i));
        if (!query.exec())
            return false;
    }
    return true;
}

QString insertStatement(const QSqlRecord& row, const QString& table, const QString& onConflict) {
    QStringList names;
    for (int i = 0; i < row.count(); ++i)
        names.append(row.fieldName(i));
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) ON CONFLICT %4")
        .arg(table, names.join(QLatin1Char(',')),
             QStringList(names.size(), QStringLiteral("?")).join(QLatin1Char(',')), onConflict);
}

bool sendToServer(QSqlDatabase& server, const Batch& batch) {
    if (!exec(server, QStringLiteral("BEGIN")))
        return false;
    // An older copy of a game (a second game on the same account sending too) never takes a
    // finished game's end away.
    const bool sent =
        (batch.games.empty() ||
         insertAll(server,
                   insertStatement(batch.games.front(), QStringLiteral("games"),
                                   QStringLiteral("(game_id) DO UPDATE SET winner = "
                                                  "excluded.winner, ended_at = excluded.ended_at "
                                                  "WHERE excluded.ended_at IS NOT NULL")),
                   batch.games)) &&
        (batch.answers.empty() ||
         insertAll(server,
                   insertStatement(batch.answers.front(), QStringLiteral("answers"),
                                   QStringLiteral("DO NOTHING")),
                   batch.answers)) &&
        exec(server, QStringLiteral("COMMIT"));
    if (!sent)
        exec(server, QStringLiteral("ROLLBACK"));
    return sent;
}

// Failing here only means the batch is sent once more next round.
bool markSent(QSqlDatabase& local, const Batch& batch) {
    if (!exec(local, QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    QSqlQuery game(local);
    game.prepare(QStringLiteral("INSERT OR REPLACE INTO server_sent_games VALUES (?, ?)"));
    for (const QSqlRecord& row : batch.games) {
        game.addBindValue(row.value(QStringLiteral("game_id")));
        game.addBindValue(row.value(QStringLiteral("ended_at")));
        game.exec();
    }
    QSqlQuery answer(local);
    answer.prepare(QStringLiteral("INSERT OR IGNORE INTO server_sent VALUES (?)"));
    for (const QSqlRecord& row : batch.answers) {
        answer.addBindValue(row.value(QStringLiteral("answer_id")));
        answer.exec();
    }
    return exec(local, QStringLiteral("COMMIT"));
}

SyncStatus serverFailure(const QSqlDatabase& server) {
    return server.lastError().type() == QSqlError::ConnectionError || !server.isOpen()
               ? SyncStatus::Unreachable
               : SyncStatus::Refused;
}

} // namespace

SyncStatus sendUnsent(const QString& localDatabase, const ServerSettings& settings,
                      bool evenIfNothingToSend) {
    Connection local(QStringLiteral("quintarlow-local"));
    local.db() = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), local.name());
    local.db().setDatabaseName(localDatabase);
    // The game writes an answer in a few milliseconds; this process waits for it rather than
    // the other way round.
    local.db().setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    Batch batch;
    // No file yet (opening would make one) or no tables yet: nothing to send.
    if (QFile::exists(localDatabase)) {
        if (!local.db().open())
            return SyncStatus::LocalUnreadable;
        const int localVersion = schema::storedVersion(local.db());
        if (localVersion != 0 && (localVersion < 0 || localVersion > schema::newestVersion() ||
                                  !prepareLocal(local.db()) || !readUnsent(local.db(), batch)))
            return SyncStatus::LocalUnreadable;
    }
    if (batch.empty() && !evenIfNothingToSend)
        return SyncStatus::Sent;

    Connection server(QStringLiteral("quintarlow-server"));
    server.db() = settings.open(server.name());
    if (!server.db().isOpen())
        return SyncStatus::Unreachable;
    const int serverVersion = schema::storedVersion(server.db());
    if (serverVersion > schema::newestVersion())
        return SyncStatus::NewerServer;
    if (!schema::upgrade(server.db()).isEmpty())
        return serverFailure(server.db());

    while (!batch.empty()) {
        if (!sendToServer(server.db(), batch))
            return serverFailure(server.db());
        // Marks that could not be written leave the rest to the next round rather than
        // sending the same batch over and over.
        if (!markSent(local.db(), batch))
            return SyncStatus::Sent;
        const bool wasFull = batch.games.size() == batchSize || batch.answers.size() == batchSize;
        batch = {};
        if (wasFull && !readUnsent(local.db(), batch))
            return SyncStatus::LocalUnreadable;
    }
    return SyncStatus::Sent;
}

int runSyncRecord() {
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return static_cast<int>(SyncStatus::LocalUnreadable);
    // The local database's path, whether to reach the server with nothing to send, then the
    // server settings.
    QList<QByteArray> lines = input.readAll().split('\n');
    while (lines.size() < 2)
        lines.append(QByteArray());
    const QString localDatabase = QString::fromUtf8(QByteArray::fromPercentEncoding(lines[0]));
    const bool evenIfNothingToSend = lines[1] == "1";
    lines.remove(0, 2);
    return static_cast<int>(sendUnsent(localDatabase, ServerSettings::deserialize(lines.join('\n')),
                                       evenIfNothingToSend));
}

} // namespace quintarlow
