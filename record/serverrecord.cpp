#include "serverrecord.h"

#include "recordcsv.h"
#include "recordrows.h"
#include "schema.h"

#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

namespace quintarlow {

namespace {

bool failed(const QSqlQuery& query) {
    return query.lastError().type() != QSqlError::NoError;
}

// What the server said, on one line; a broken connection's text may name the host, so it is
// only said to be broken.
QString whyNot(const QSqlError& error) {
    if (error.type() == QSqlError::ConnectionError)
        return QStringLiteral("the connection broke");
    return error.databaseText().simplified();
}

// Within one millisecond by id, so that every read gives the same order.
const QLatin1String inPlayOrder{" ORDER BY played_ms, answer_id"};

} // namespace

std::unique_ptr<ServerRecord> ServerRecord::open(const ServerSettings& settings, QString* error) {
    const QString connection =
        QStringLiteral("server-record-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    std::unique_ptr<ServerRecord> record(new ServerRecord(connection));
    QSqlDatabase db = settings.open(connection);
    // The driver's own words may name the host or the user: only what happened is said.
    if (!db.isOpen()) {
        *error = QStringLiteral("the school's record server cannot be reached");
        return nullptr;
    }
    const int version = schema::storedVersion(db);
    if (version > schema::newestVersion()) {
        *error = QStringLiteral("the school's record server holds a newer record than this "
                                "version of the game knows");
        return nullptr;
    }
    // A login that may only read cannot set up tables; it finds them there.
    if (version < schema::newestVersion() && !schema::upgrade(db).isEmpty()) {
        *error = version < 0 ? QStringLiteral("the school's record server cannot be read")
                             : QStringLiteral("the school's record server has no practice "
                                              "record this version of the game can read");
        return nullptr;
    }
    return record;
}

ServerRecord::ServerRecord(QString connection) : m_connection(std::move(connection)) {}

ServerRecord::~ServerRecord() {
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

QSqlDatabase ServerRecord::db() const {
    return QSqlDatabase::database(m_connection, false);
}

QSqlQuery ServerRecord::read(const QString& sql, const QVariantList& values) {
    QSqlQuery query = runStatement(db(), sql, values);
    m_readError = failed(query) ? QStringLiteral("the school's record server cannot be read (%1)")
                                      .arg(whyNot(query.lastError()))
                                : QString();
    return query;
}

std::vector<PlayerSummary> ServerRecord::players() {
    QSqlQuery query = read(QStringLiteral(
        "SELECT player, count(*), count(*) FILTER (WHERE outcome = 'right'), max(played_ms),"
        " (array_agg(played_at ORDER BY played_ms DESC))[1],"
        " string_agg(DISTINCT game_id, ',') FROM answers GROUP BY player"));
    PlayerMerge merge;
    while (query.next())
        merge.add(query.value(0).toString(), query.value(1).toInt(), query.value(2).toInt(),
                  query.value(3).toLongLong(), query.value(4).toString(),
                  query.value(5).toString());
    if (!m_readError.isEmpty())
        return {};
    QSet<QString> withSettings;
    QSqlQuery settings = read(QStringLiteral("SELECT player_key FROM practice"));
    while (settings.next())
        withSettings.insert(settings.value(0).toString());
    return merge.players(
        [&withSettings](const QString& key) { return withSettings.contains(key); });
}

std::vector<AnswerRow> ServerRecord::answers(const QString& player) {
    QVariantList values;
    const QString filter = playerFilter(db(), player, &values);
    QSqlQuery query = read(
        QStringLiteral("SELECT %1 FROM answers").arg(AnswerColumns) + filter + inPlayOrder, values);
    std::vector<AnswerRow> rows;
    while (query.next())
        if (auto row = answerRowFrom(query, &m_readError))
            rows.push_back(std::move(*row));
    return rows;
}

std::vector<FactAnswer> ServerRecord::factAnswers(const QString& player) {
    QVariantList values;
    const QString filter = playerFilter(db(), player, &values);
    // The day is the date the answer was played on where it was played, as its text says.
    QSqlQuery query =
        read(QStringLiteral("SELECT a, b, outcome, ms, left(played_at, 10) FROM answers") + filter +
                 inPlayOrder,
             values);
    std::vector<FactAnswer> facts;
    while (query.next())
        if (const auto fact = factAnswerFrom(query, &m_readError))
            facts.push_back(*fact);
    return facts;
}

int ServerRecord::forgetPlayer(const QString& name) {
    const QString key = playerKey(name);
    QSqlDatabase database = db();
    QSet<QString> spellings;
    QSqlQuery names =
        runStatement(database,
                     QStringLiteral("SELECT player FROM answers UNION SELECT blue FROM games"
                                    " UNION SELECT red FROM games"),
                     {});
    while (names.next())
        if (playerKey(names.value(0).toString()) == key)
            spellings.insert(names.value(0).toString());
    if (failed(names) || !database.transaction())
        return -1;
    int answers = 0;
    bool done = true;
    for (const QString& spelling : std::as_const(spellings)) {
        QSqlQuery gone = runStatement(
            database, QStringLiteral("DELETE FROM answers WHERE player = ?"), {spelling});
        answers += gone.numRowsAffected();
        done = done && !failed(gone) &&
               !failed(runStatement(database,
                                    QStringLiteral("DELETE FROM games WHERE blue = ? OR red = ?"),
                                    {spelling, spelling}));
        if (!done)
            break;
    }
    done = done &&
           !failed(runStatement(
               database, QStringLiteral("DELETE FROM practice WHERE player_key = ?"), {key})) &&
           database.commit();
    if (!done) {
        database.rollback();
        return -1;
    }
    return answers;
}

PracticeSettings ServerRecord::practiceSettings(const QString& name) {
    QSqlQuery query =
        read(QStringLiteral("SELECT %1 FROM practice WHERE player_key = ?").arg(PracticeColumns),
             {playerKey(name)});
    if (!query.next())
        return {};
    return practiceSettingsFrom(query, 0);
}

bool ServerRecord::setPracticeSettings(const QString& name, const PracticeSettings& settings) {
    const QString key = playerKey(name);
    if (settings.isDefault())
        return !failed(
            runStatement(db(), QStringLiteral("DELETE FROM practice WHERE player_key = ?"), {key}));
    return !failed(runStatement(
        db(),
        QStringLiteral("INSERT INTO practice (player_key, player, %1) VALUES (?, ?, ?, ?, ?, ?)"
                       " ON CONFLICT (player_key) DO UPDATE SET player = excluded.player,"
                       " tables = excluded.tables, ask_missed = excluded.ask_missed,"
                       " path = excluded.path, answer_seconds = excluded.answer_seconds")
            .arg(PracticeColumns),
        QVariantList{key, name.trimmed()} + practiceValues(settings)));
}

SqliteRecord::Merge ServerRecord::importAnswers(const std::vector<AnswerRow>& rows) {
    QSqlDatabase database = db();
    SqliteRecord::Merge merge;
    if (!database.transaction())
        return {0, 0, QStringLiteral("the school's record server cannot be written")};
    QSqlQuery insert(database);
    bool done = insert.prepare(InsertAnswer + QLatin1String(" ON CONFLICT DO NOTHING"));
    for (auto row = rows.begin(); done && row != rows.end(); ++row) {
        for (const QVariant& value : answerValues(*row))
            insert.addBindValue(value);
        done = insert.exec();
        (insert.numRowsAffected() > 0 ? merge.added : merge.skipped)++;
    }
    if (!done || !database.commit()) {
        const QString why = whyNot(done ? database.lastError() : insert.lastError());
        database.rollback();
        return {0, 0,
                QStringLiteral("the school's record server refused the answers (%1)").arg(why)};
    }
    return merge;
}

} // namespace quintarlow
