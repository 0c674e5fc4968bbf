#include "record/serversync.h"

#include "record/recordrows.h"
#include "record/recordwords.h"
#include "record/schema.h"
#include "record/serverwriter.h"
#include "record/sqliterecord.h"
#include "record/sqlsteps.h"

#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
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
    std::vector<GameRow> games;
    std::vector<AnswerRow> answers;
    bool empty() const { return games.empty() && answers.empty(); }
};

// Ends a transaction on the local file: kept when every step was done, otherwise undone.
bool commitIf(QSqlDatabase& local, bool done) {
    if (done && exec(local, QStringLiteral("COMMIT")))
        return true;
    exec(local, QStringLiteral("ROLLBACK"));
    return false;
}

// A game is sent again once it has ended, so the server learns its winner and end. The marks
// are a set of ids, not a high-water mark on rowid: SQLite reuses the rowids of deleted rows (a
// forgotten player) and VACUUM may renumber them, so a mark on rowid could pass over answers
// never sent.
bool readUnsent(QSqlDatabase& local, Batch& batch) {
    QSqlQuery games = runStatement(
        local, QStringLiteral("SELECT g.game_id, blue, red, winner, started_at, g.ended_at, class, "
                              "against_computer FROM "
                              "games g LEFT JOIN server_sent_games s ON s.game_id = g.game_id "
                              "WHERE s.game_id IS NULL OR s.ended_at IS NOT g.ended_at LIMIT %1")
                   .arg(batchSize));
    while (games.next())
        batch.games.push_back({games.value(0).toString(), games.value(1).toString(),
                               games.value(2).toString(), games.value(3), games.value(4).toString(),
                               games.value(5), games.value(6).toString(), games.value(7).toBool()});
    QSqlQuery answers =
        runStatement(local, QStringLiteral("SELECT %1 FROM answers LEFT JOIN server_sent s USING "
                                           "(answer_id) WHERE s.answer_id IS NULL ORDER BY "
                                           "answers.played_ms, answers.rowid LIMIT %2")
                                .arg(AnswerColumns)
                                .arg(batchSize));
    // A row with an outcome no version of the game writes is left behind, not sent as a guess.
    QString unreadable;
    while (answers.next())
        if (auto row = answerRowFrom(answers, &unreadable))
            batch.answers.push_back(std::move(*row));
    return !failed(games) && !failed(answers);
}

// Failing here only means the batch is sent once more next round.
bool markSent(QSqlDatabase& local, const Batch& batch) {
    if (!exec(local, QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    for (const GameRow& row : batch.games)
        runStatement(local,
                     QStringLiteral("INSERT OR REPLACE INTO server_sent_games VALUES (?, ?)"),
                     {row.gameId, row.endedAt});
    for (const AnswerRow& row : batch.answers)
        runStatement(local, QStringLiteral("INSERT OR IGNORE INTO server_sent VALUES (?)"),
                     {row.answerId});
    return exec(local, QStringLiteral("COMMIT"));
}

// Every spelling of every name this file holds, by the key names compare by.
QHash<QString, QStringList> localPlayers(QSqlDatabase& local) {
    QHash<QString, QStringList> spellings;
    QSqlQuery names = runStatement(
        local, QStringLiteral("SELECT player FROM answers UNION SELECT blue FROM games UNION "
                              "SELECT red FROM games UNION SELECT player FROM practice"));
    while (names.next())
        spellings[playerKey(names.value(0).toString())].append(names.value(0).toString());
    return spellings;
}

// What the school decided reaches this file too: answers past the days it keeps them, and
// players a teacher forgot (what was played before the forgetting; a child who plays again
// afterwards starts a fresh record). Run before sending, so that none of it goes back.
// secure_delete overwrites the deleted rows' bytes, so no readable copy stays in free pages.
bool forgetWhatTheSchoolForgot(QSqlDatabase& server, QSqlDatabase& local) {
    QSqlQuery contact(server);
    if (!contact.exec(QStringLiteral("SELECT quintarlow_contact()")) || !contact.next())
        return false;
    const QVariant keepDays = contact.value(0);
    const QHash<QString, QStringList> players = localPlayers(local);
    QHash<QString, QString> byHash;
    for (auto player = players.begin(); player != players.end(); ++player)
        byHash.insert(forgottenHash(player.key()), player.key());
    QSqlQuery forgotten = runStatement(
        server,
        QStringLiteral(
            "SELECT player_hash, forgotten_ms, class FROM quintarlow_forgotten_among(?)"),
        {textArray(byHash.keys())});
    if (failed(forgotten))
        return false;
    bool done = exec(local, QStringLiteral("PRAGMA secure_delete = ON")) &&
                exec(local, QStringLiteral("BEGIN IMMEDIATE"));
    const QString startedMs =
        QStringLiteral("CAST((julianday(started_at) - 2440587.5) * 86400000 AS INTEGER)");
    if (done && !keepDays.isNull()) {
        const qint64 since =
            QDateTime::currentMSecsSinceEpoch() - keepDays.toLongLong() * 86'400'000;
        done =
            !failed(runStatement(local, QStringLiteral("DELETE FROM answers WHERE played_ms < ?"),
                                 {since})) &&
            !failed(runStatement(
                local, QStringLiteral("DELETE FROM games WHERE %1 < ?").arg(startedMs), {since}));
    }
    QStringList gone; // the spellings whose rows went
    while (done && forgotten.next()) {
        const qint64 at = forgotten.value(1).toLongLong();
        // That class's child, and what was kept of no class; every class's for the school's.
        const QString inClass = QStringLiteral(" AND (? = '*' OR class IN (?, ''))");
        const QVariant forgot = forgotten.value(2);
        for (const QString& spelling : players.value(byHash.value(forgotten.value(0).toString()))) {
            QSqlQuery answers = runStatement(
                local,
                QStringLiteral("DELETE FROM answers WHERE player = ? AND played_ms < ?") + inClass,
                {spelling, at, forgot, forgot});
            if (answers.numRowsAffected() > 0)
                gone.append(spelling);
            done =
                done && !failed(answers) &&
                !failed(runStatement(local,
                                     QStringLiteral("DELETE FROM games WHERE (blue = ? OR red = ?) "
                                                    "AND %1 < ?")
                                             .arg(startedMs) +
                                         inClass,
                                     {spelling, spelling, at, forgot, forgot})) &&
                !failed(runStatement(local,
                                     QStringLiteral("DELETE FROM practice WHERE player_key = ? AND "
                                                    "changed_ms < ?") +
                                         inClass,
                                     {playerKey(spelling), at, forgot, forgot})) &&
                !failed(runStatement(local,
                                     QStringLiteral("DELETE FROM school_facts WHERE "
                                                    "player_key = ?") +
                                         inClass,
                                     {playerKey(spelling), forgot, forgot}));
        }
    }
    if (!commitIf(local, done))
        return false;
    if (!gone.isEmpty())
        if (const QString undone = forgetBesideTheRecord(local, local.databaseName(), gone);
            !undone.isEmpty())
            sayOnStderr(undone);
    return true;
}

// A player's settings are the later change of this machine's and the school's: this
// machine's are offered (the server keeps them if they are later), then the server's are
// kept here for the players this machine knows, also for when the server cannot be reached.
bool exchangePracticeSettings(QSqlDatabase& server, QSqlDatabase& local, const QString& className) {
    // Settings kept before the file knew classes are the class's this machine names.
    QSqlQuery mine = runStatement(local, QStringLiteral("SELECT player_key, player, %1, changed_ms,"
                                                        " class FROM practice WHERE changed_ms > 0")
                                             .arg(PracticeColumns));
    while (mine.next())
        if (failed(runStatement(
                server, QStringLiteral("SELECT quintarlow_offer_practice(?, ?, ?, ?, ?, ?, ?, ?)"),
                QVariantList{mine.value(0), mine.value(1)} +
                    practiceValues(practiceSettingsFrom(mine, 2)) +
                    QVariantList{mine.value(6), mine.value(7).toString().isEmpty()
                                                    ? QVariant(className)
                                                    : mine.value(7)})))
            return false;
    const QHash<QString, QStringList> players = localPlayers(local);
    QSqlQuery schools = runStatement(
        server,
        QStringLiteral("SELECT player_key, %1, changed_ms, class FROM quintarlow_practice_for(?)")
            .arg(PracticeColumns),
        {textArray(players.keys())});
    if (failed(schools) || !exec(local, QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    bool done = true;
    while (done && schools.next()) {
        const QString key = schools.value(0).toString();
        const PracticeSettings school = practiceSettingsFrom(schools, 1);
        const QVariant changedMs = schools.value(5);
        // Kept as the class's child the school says, so two classes' Toms stay two here.
        const QVariant here = keptClass(schools.value(6).toString());
        // Only a change later than this machine's own replaces it; the file keeps no row for
        // the game's own settings.
        done = !failed(runStatement(local,
                                    QStringLiteral("DELETE FROM practice WHERE player_key = ? AND "
                                                   "class IN (?, '') AND changed_ms < ?"),
                                    {key, here, changedMs})) &&
               (school.isDefault() ||
                !failed(runStatement(
                    local,
                    QStringLiteral("INSERT INTO practice (player_key, player, %1, changed_ms,"
                                   " class) SELECT ?, ?, ?, ?, ?, ?, ?, ? WHERE NOT EXISTS (SELECT"
                                   " 1 FROM practice WHERE player_key = ? AND class IN (?, ''))")
                        .arg(PracticeColumns),
                    QVariantList{key, players.value(key).value(0, key)} + practiceValues(school) +
                        QVariantList{changedMs, here, key, here})));
    }
    return commitIf(local, done);
}

// What the school's other machines sent of the children whose questions here are drawn from
// their answers (missed facts asked again, the path), so that a child's plan reads every
// machine's answers. Replaced whole at each contact, so what the school forgot or no longer
// keeps goes from here too. Each is kept as the class's child the school says, so that on a
// machine two classes share, a Tom of 4B never plans from what a Tom of 5A answered.
bool takeOtherMachinesFacts(QSqlDatabase& server, QSqlDatabase& local) {
    QStringList practising;
    QSqlQuery keys = runStatement(
        local, QStringLiteral(
                   "SELECT DISTINCT player_key FROM practice WHERE ask_missed <> 0 OR path <> 0"));
    while (keys.next())
        practising.append(keys.value(0).toString());
    QSqlQuery facts(server);
    if (!practising.isEmpty()) {
        facts = runStatement(
            server, QStringLiteral("SELECT player_key, facts, class FROM quintarlow_facts_for(?)"),
            {textArray(practising)});
        if (failed(facts))
            return false;
    }
    if (!exec(local, QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    bool done = !failed(runStatement(local, QStringLiteral("DELETE FROM school_facts")));
    while (done && facts.isActive() && facts.next())
        done = !failed(runStatement(
            local,
            QStringLiteral("INSERT INTO school_facts (player_key, facts, class) VALUES (?, ?, ?)"),
            {facts.value(0), facts.value(1), keptClass(facts.value(2).toString())}));
    return commitIf(local, done);
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
    // No file yet (opening would make one) or no tables yet: nothing to send or forget.
    bool kept = false;
    if (QFile::exists(localDatabase)) {
        if (!local.db().open())
            return SyncStatus::LocalUnreadable;
        const int localVersion = schema::storedVersion(local.db());
        kept = localVersion > 0;
        if (kept && (localVersion > schema::newestVersion() ||
                     !schema::upgrade(local.db()).isEmpty() || !readUnsent(local.db(), batch)))
            return SyncStatus::LocalUnreadable;
        if (localVersion < 0)
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
    if (!kept)
        return SyncStatus::Sent;
    if (!forgetWhatTheSchoolForgot(server.db(), local.db()))
        return serverFailure(server.db());
    batch = {};
    if (!readUnsent(local.db(), batch))
        return SyncStatus::LocalUnreadable;

    while (!batch.empty()) {
        if (!writeToServer(server.db(), batch.games, batch.answers, settings.className)
                 .error.isEmpty())
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
    return exchangePracticeSettings(server.db(), local.db(), settings.className) &&
                   takeOtherMachinesFacts(server.db(), local.db())
               ? SyncStatus::Sent
               : serverFailure(server.db());
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
