#include "serverrecord.h"

#include "recordcsv.h"
#include "schema.h"

#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <algorithm>

namespace quintarlow {

namespace {

Outcome outcomeOf(const QString& name) {
    for (const Outcome outcome : {Outcome::Right, Outcome::Wrong, Outcome::Timeout})
        if (outcomeName(outcome) == name)
            return outcome;
    return Outcome::Timeout;
}

QString tablesText(const std::vector<int>& tables) {
    QStringList numbers;
    for (int table : tables)
        numbers.append(QString::number(table));
    return numbers.join(QLatin1Char(','));
}

std::vector<int> tablesFrom(const QString& text) {
    std::vector<int> tables;
    for (const QString& number : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (const int table = number.toInt(); table >= 1 && table <= 12)
            tables.push_back(table);
    std::sort(tables.begin(), tables.end());
    return tables;
}

QSqlQuery run(const QSqlDatabase& db, const QString& sql, const QVariantList& values) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        return query;
    for (const QVariant& value : values)
        query.addBindValue(value);
    query.exec();
    return query;
}

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

// Within one millisecond, in the order the server took them.
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
    QSqlQuery query = run(db(), sql, values);
    m_readError = failed(query) ? QStringLiteral("the school's record server cannot be read (%1)")
                                      .arg(whyNot(query.lastError()))
                                : QString();
    return query;
}

QString ServerRecord::playerFilter(const QString& player, QVariantList* values) {
    if (player.trimmed().isEmpty())
        return {};
    const QString key = playerKey(player);
    QStringList marks;
    QSqlQuery names = read(QStringLiteral("SELECT DISTINCT player FROM answers"));
    while (names.next()) {
        if (playerKey(names.value(0).toString()) == key) {
            values->append(names.value(0));
            marks.append(QStringLiteral("?"));
        }
    }
    if (marks.isEmpty())
        return QStringLiteral(" WHERE false");
    return QStringLiteral(" WHERE player IN (%1)").arg(marks.join(QStringLiteral(", ")));
}

std::vector<PlayerSummary> ServerRecord::players() {
    // Counted by the server, one line per spelling of a name; the spellings are merged here by
    // the same rule as everywhere else, which SQL's lower() does not follow.
    QSqlQuery query = read(QStringLiteral(
        "SELECT player, count(*), count(*) FILTER (WHERE outcome = 'right'), max(played_ms),"
        " (array_agg(played_at ORDER BY played_ms DESC))[1],"
        " string_agg(DISTINCT game_id, ',') FROM answers GROUP BY player"));
    std::vector<PlayerSummary> summaries;
    QHash<QString, std::size_t> byKey;
    QHash<QString, qint64> lastMs;
    QHash<QString, QSet<QString>> games;
    while (query.next()) {
        const QString name = query.value(0).toString();
        const QString key = playerKey(name);
        if (!byKey.contains(key)) {
            byKey.insert(key, summaries.size());
            summaries.push_back({});
        }
        PlayerSummary& summary = summaries[byKey.value(key)];
        summary.answers += query.value(1).toInt();
        summary.right += query.value(2).toInt();
        const qint64 ms = query.value(3).toLongLong();
        if (summary.name.isEmpty() || ms > lastMs.value(key)) {
            summary.name = name; // the spelling used last
            summary.lastPlayed =
                QDateTime::fromString(query.value(4).toString(), Qt::ISODateWithMs);
            lastMs.insert(key, ms);
        }
        for (const QString& game :
             query.value(5).toString().split(QLatin1Char(','), Qt::SkipEmptyParts))
            games[key].insert(game);
    }
    if (!m_readError.isEmpty())
        return {};
    QSet<QString> withSettings;
    QSqlQuery settings = read(QStringLiteral("SELECT player_key FROM practice"));
    while (settings.next())
        withSettings.insert(settings.value(0).toString());
    for (PlayerSummary& summary : summaries) {
        summary.games = static_cast<int>(games.value(playerKey(summary.name)).size());
        summary.hasPracticeSettings = withSettings.contains(playerKey(summary.name));
    }
    std::stable_sort(
        summaries.begin(), summaries.end(),
        [](const PlayerSummary& x, const PlayerSummary& y) { return x.lastPlayed > y.lastPlayed; });
    return summaries;
}

std::vector<AnswerRow> ServerRecord::answers(const QString& player) {
    QVariantList values;
    const QString filter = playerFilter(player, &values);
    if (!m_readError.isEmpty())
        return {};
    QSqlQuery query = read(QStringLiteral("SELECT answer_id, player, played_at, game_id, turn, a,"
                                          " b, product, answered, outcome, ms FROM answers") +
                               filter + inPlayOrder,
                           values);
    std::vector<AnswerRow> rows;
    while (query.next()) {
        AnswerRow row;
        row.answerId = query.value(0).toString();
        row.player = query.value(1).toString();
        row.playedAt = QDateTime::fromString(query.value(2).toString(), Qt::ISODateWithMs);
        row.gameId = query.value(3).toString();
        row.turn = query.value(4).toInt();
        row.a = query.value(5).toInt();
        row.b = query.value(6).toInt();
        row.product = query.value(7).toInt();
        if (!query.isNull(8))
            row.answered = query.value(8).toInt();
        row.outcome = outcomeOf(query.value(9).toString());
        row.ms = query.value(10).toLongLong();
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<FactAnswer> ServerRecord::factAnswers(const QString& player) {
    QVariantList values;
    const QString filter = playerFilter(player, &values);
    if (!m_readError.isEmpty())
        return {};
    // The day is the date the answer was played on where it was played, as its text says.
    QSqlQuery query =
        read(QStringLiteral("SELECT a, b, outcome, ms, left(played_at, 10) FROM answers") + filter +
                 inPlayOrder,
             values);
    std::vector<FactAnswer> facts;
    while (query.next())
        facts.push_back({query.value(0).toInt(), query.value(1).toInt(),
                         outcomeOf(query.value(2).toString()), query.value(3).toLongLong(),
                         QDate::fromString(query.value(4).toString(), Qt::ISODate)});
    return facts;
}

int ServerRecord::forgetPlayer(const QString& name) {
    const QString key = playerKey(name);
    QSqlDatabase database = db();
    QSet<QString> spellings;
    QSqlQuery names = run(database,
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
        QSqlQuery gone =
            run(database, QStringLiteral("DELETE FROM answers WHERE player = ?"), {spelling});
        answers += gone.numRowsAffected();
        done = done && !failed(gone) &&
               !failed(run(database, QStringLiteral("DELETE FROM games WHERE blue = ? OR red = ?"),
                           {spelling, spelling}));
        if (!done)
            break;
    }
    done = done &&
           !failed(
               run(database, QStringLiteral("DELETE FROM practice WHERE player_key = ?"), {key})) &&
           database.commit();
    if (!done) {
        database.rollback();
        return -1;
    }
    return answers;
}

PracticeSettings ServerRecord::practiceSettings(const QString& name) {
    QSqlQuery query =
        read(QStringLiteral("SELECT tables, ask_missed FROM practice WHERE player_key = ?"),
             {playerKey(name)});
    if (!query.next())
        return {};
    return {tablesFrom(query.value(0).toString()), query.value(1).toInt() != 0};
}

bool ServerRecord::setPracticeSettings(const QString& name, const PracticeSettings& settings) {
    const QString key = playerKey(name);
    if (settings.isDefault())
        return !failed(
            run(db(), QStringLiteral("DELETE FROM practice WHERE player_key = ?"), {key}));
    return !failed(
        run(db(),
            QStringLiteral("INSERT INTO practice (player_key, player, tables,"
                           " ask_missed) VALUES (?, ?, ?, ?) ON CONFLICT (player_key)"
                           " DO UPDATE SET player = excluded.player,"
                           " tables = excluded.tables,"
                           " ask_missed = excluded.ask_missed"),
            {key, name.trimmed(), tablesText(settings.tables), settings.askMissed ? 1 : 0}));
}

SqliteRecord::Merge ServerRecord::importAnswers(const std::vector<AnswerRow>& rows) {
    QSqlDatabase database = db();
    SqliteRecord::Merge merge;
    if (!database.transaction())
        return {0, 0, QStringLiteral("the school's record server cannot be written")};
    QSqlQuery insert(database);
    bool done = insert.prepare(
        QStringLiteral("INSERT INTO answers (answer_id, player, played_at, played_ms, game_id,"
                       " turn, a, b, product, answered, outcome, ms)"
                       " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING"));
    for (auto row = rows.begin(); done && row != rows.end(); ++row) {
        for (const QVariant& value :
             {QVariant(row->answerId), QVariant(row->player),
              QVariant(isoWithOffset(row->playedAt)), QVariant(row->playedAt.toMSecsSinceEpoch()),
              QVariant(row->gameId), QVariant(row->turn), QVariant(row->a), QVariant(row->b),
              QVariant(row->product),
              row->answered ? QVariant(*row->answered) : QVariant(QMetaType(QMetaType::Int)),
              QVariant(outcomeName(row->outcome)), QVariant(row->ms)})
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
