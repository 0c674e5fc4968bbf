#include "record/serverrecord.h"

#include "core/playernames.h"
#include "record/recordcsv.h"
#include "record/recordrows.h"
#include "record/recordwords.h"
#include "record/schema.h"
#include "record/serverwriter.h"
#include "record/sqlsteps.h"

#include <QDateTime>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>
#include <QUuid>
#include <QVariant>

namespace quintarlow {

namespace {

// What the server said, on one line; a broken connection's text may name the host, so it is
// only said to be broken.
QString whyNot(const QSqlError& error) {
    if (error.type() == QSqlError::ConnectionError)
        return RecordWords::tr("the connection broke");
    return error.databaseText().simplified();
}

// Within one millisecond by id, so that every read gives the same order.
const QLatin1String inPlayOrder{" ORDER BY played, answer_id"};

} // namespace

std::unique_ptr<ServerRecord> ServerRecord::open(const ServerSettings& settings, QString* error) {
    const QString connection =
        QStringLiteral("server-record-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    std::unique_ptr<ServerRecord> record(new ServerRecord(connection, settings.className));
    QSqlDatabase db = settings.open(connection);
    // The driver's own words may name the host or the user: only what happened is said.
    if (!db.isOpen()) {
        *error = settings.whyNotOpen(db);
        return nullptr;
    }
    const int version = schema::storedVersion(db);
    if (version > schema::newestVersion()) {
        *error = RecordWords::tr("the school's record server holds a newer record than this "
                                 "version of the game knows");
        return nullptr;
    }
    // A login that may only read cannot set up tables; it finds them there.
    if (version < schema::newestVersion() && !schema::upgrade(db).isEmpty()) {
        *error = version < 0 ? RecordWords::tr("the school's record server cannot be read")
                             : RecordWords::tr("the school's record server has no practice "
                                               "record this version of the game can read");
        return nullptr;
    }
    return record;
}

ServerRecord::ServerRecord(QString connection, QString className)
    : m_connection(std::move(connection)), m_className(std::move(className)) {}

ServerRecord::~ServerRecord() {
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

QSqlDatabase ServerRecord::db() const {
    return QSqlDatabase::database(m_connection, false);
}

QSqlQuery ServerRecord::read(const QString& sql, const QVariantList& values) {
    QSqlQuery query = runStatement(db(), sql, values);
    m_readError = failed(query) ? RecordWords::tr("the school's record server cannot be read (%1)")
                                      .arg(whyNot(query.lastError()))
                                : QString();
    return query;
}

std::vector<PlayerSummary> ServerRecord::players() {
    // From the counts the server keeps per child and game, which grow with the games rather
    // than with every answer; only each spelling's last time is turned into text. The games
    // against the computer count as the file counts them (those the child answered in), read
    // from an index of those games alone rather than from every game of the school.
    QSqlQuery query = read(QStringLiteral(
        "SELECT p.player, sum(p.answers), sum(p.rights), (extract(epoch FROM"
        " max(p.last_played)) * 1000)::bigint, (array_agg(p.last_offset ORDER BY p.last_played"
        " DESC))[1], string_agg(p.game_id::text, ','), p.class, count(*) FILTER (WHERE"
        " g.against_computer), count(*) FILTER (WHERE g.against_computer AND g.winner ="
        " p.player) FROM player_games p LEFT JOIN games g ON g.game_id = p.game_id AND"
        " g.against_computer GROUP BY p.class, p.player"));
    PlayerMerge merge;
    while (query.next()) {
        const qint64 lastMs = query.value(3).toLongLong();
        merge.add(query.value(0).toString(), query.value(6).toString(), query.value(1).toInt(),
                  query.value(2).toInt(), lastMs,
                  isoWithOffset(
                      QDateTime::fromMSecsSinceEpoch(lastMs, QTimeZone(query.value(4).toInt()))),
                  query.value(5).toString(), query.value(7).toInt(), query.value(8).toInt());
    }
    if (!m_readError.isEmpty())
        return {};
    QSet<QString> withSettings;
    // The server keeps settings put back to the game's own as a row, so machines learn of it.
    QSqlQuery settings =
        read(QStringLiteral("SELECT player_key, class FROM practice WHERE tables <> '' OR"
                            " ask_missed <> 0 OR path <> 0 OR answer_seconds <> %1")
                 .arg(AnswerSeconds));
    while (settings.next())
        withSettings.unite(
            {settings.value(0).toString(),
             childOfClass(settings.value(0).toString(), settings.value(1).toString())});
    return merge.players(
        [&withSettings](const QString& key) { return withSettings.contains(key); });
}

std::vector<AnswerRow> ServerRecord::answers(const QString& player) {
    QVariantList values;
    const QString filter = keyFilter(player, &values);
    QSqlQuery query =
        read(QStringLiteral("SELECT %1 FROM answer_rows").arg(AnswerColumns) + filter + inPlayOrder,
             values);
    std::vector<AnswerRow> rows;
    while (query.next())
        if (auto row = answerRowFrom(query, &m_readError))
            rows.push_back(std::move(*row));
    return rows;
}

std::vector<FactAnswer> ServerRecord::factAnswers(const QString& player) {
    QVariantList values;
    const QString filter = keyFilter(player, &values);
    QSqlQuery query =
        read(QStringLiteral("SELECT a, b, outcome, ms, %1 FROM answers").arg(LocalDay) + filter +
                 inPlayOrder,
             values);
    std::vector<FactAnswer> facts;
    while (query.next())
        if (const auto fact = factAnswerFrom(query, &m_readError))
            facts.push_back(*fact);
    return facts;
}

std::vector<std::vector<FactAnswer>>
ServerRecord::factAnswersOfEach(const std::vector<QString>& players) {
    // The named children's rows only, each child's packed in play order; an empty name asks
    // for everyone's, in play order across the children.
    QStringList keys;
    bool everyone = false;
    for (const QString& player : players) {
        keys.append(playerKey(classChild(player).name));
        everyone = everyone || player.isEmpty();
    }
    FactsOfEach facts(players);
    if (!everyone) {
        QSqlQuery query = read(QStringLiteral("SELECT player_key, ") + packedFactAnswers() +
                                   QStringLiteral(", class FROM answers WHERE player_key ="
                                                  " ANY (?::text[]) GROUP BY class, player_key"),
                               {textArray(keys)});
        while (query.next())
            facts.addPacked(childOfClass(query.value(0).toString(), query.value(2).toString()),
                            query.value(1).toByteArray(), &m_readError);
        return std::move(facts.each);
    }
    QSqlQuery query =
        read(QStringLiteral("SELECT a, b, outcome, ms, %1, player_key, class FROM answers")
                 .arg(LocalDay) +
             inPlayOrder);
    while (query.next())
        facts.add(childOfClass(query.value(5).toString(), query.value(6).toString()), query,
                  &m_readError);
    return std::move(facts.each);
}

int ServerRecord::forgetPlayer(const QString& name) {
    const ClassChild child = classChild(name);
    const QString key = playerKey(child.name);
    QVariantList gameMarks{key, key, key, key};
    QVariantList childMarks;
    const QString ofChild = childRows(name, &childMarks);
    const QString inClass = child.classKey.isEmpty() ? QString() : QStringLiteral(" AND class = ?");
    if (!inClass.isEmpty())
        gameMarks.append(child.classKey);
    QSqlDatabase database = db();
    if (!database.transaction())
        return -1;
    // Games by every spelling the child's answers were kept under, or by the name itself.
    QSqlQuery games = runStatement(
        database,
        QStringLiteral("DELETE FROM games WHERE (quintarlow_name_key(blue) = ? OR"
                       " quintarlow_name_key(red) = ?"
                       " OR blue IN (SELECT player FROM answers WHERE player_key = ?)"
                       " OR red IN (SELECT player FROM answers WHERE player_key = ?))") +
            inClass,
        gameMarks);
    QSqlQuery answers =
        runStatement(database, QStringLiteral("DELETE FROM answers WHERE ") + ofChild, childMarks);
    QSqlQuery practice =
        runStatement(database, QStringLiteral("DELETE FROM practice WHERE ") + ofChild, childMarks);
    bool done = !failed(games) && !failed(answers) && !failed(practice);
    // Machines are told only of a child this teacher could see: one of another class stays,
    // and so does the child of that name in the teacher's other class.
    if (done &&
        games.numRowsAffected() + answers.numRowsAffected() + practice.numRowsAffected() > 0)
        done = !failed(runStatement(database,
                                    QStringLiteral("SELECT quintarlow_forget_in_class(?, ?)"),
                                    {forgottenHash(child.name), child.classKey}));
    if (!done || !database.commit()) {
        database.rollback();
        return -1;
    }
    return answers.numRowsAffected();
}

PracticeSettings ServerRecord::practiceSettings(const QString& name) {
    QVariantList values;
    QSqlQuery query = read(QStringLiteral("SELECT %1 FROM practice WHERE ").arg(PracticeColumns) +
                               childRows(name, &values),
                           values);
    if (!query.next())
        return {};
    return practiceSettingsFrom(query, 0);
}

bool ServerRecord::setPracticeSettings(const QString& child, const PracticeSettings& settings) {
    const auto [name, inClass] = classChild(child);
    const QString key = playerKey(name);
    // Settings back to the default are kept as such, so that machines learn of the change. A
    // child who has not played yet belongs to the class named in this machine's settings, or
    // to the teacher's only class.
    return !failed(runStatement(
        db(),
        QStringLiteral("INSERT INTO practice (player_key, player, tables, ask_missed, path, "
                       "answer_seconds, class,"
                       " changed) VALUES (?, ?, ?, ?, ?, ?, coalesce(nullif(?, ''), (SELECT class"
                       " FROM answers WHERE player_key = ?"
                       " ORDER BY played DESC LIMIT 1), nullif(quintarlow_class_key(?), ''),"
                       " (SELECT c[1] FROM (SELECT quintarlow_my_classes() AS c) m"
                       " WHERE cardinality(c) = 1), ''), now()) ON CONFLICT (class, player_key)"
                       " DO UPDATE SET player = excluded.player, tables = excluded.tables,"
                       " ask_missed = excluded.ask_missed, path = excluded.path,"
                       " answer_seconds = excluded.answer_seconds, changed = excluded.changed"),
        QVariantList{key, name} + practiceValues(settings) +
            QVariantList{inClass, key, m_className}));
}

int ServerRecord::keepDays() {
    QSqlQuery query = read(QStringLiteral("SELECT keep_days FROM school_settings"));
    return query.next() ? query.value(0).toInt() : 0;
}

SqliteRecord::Merge ServerRecord::importAnswers(const std::vector<AnswerRow>& rows) {
    RecordMerge write = writeToServer(db(), {}, rows, m_className);
    if (!write.error.isEmpty())
        write.error =
            RecordWords::tr("the school's record server refused the answers (%1)").arg(write.error);
    return write;
}

QString ServerRecord::childRows(const QString& child, QVariantList* values) {
    const auto [name, inClass] = classChild(child);
    values->append(playerKey(name));
    if (inClass.isEmpty())
        return QStringLiteral("player_key = ?");
    values->append(inClass);
    return QStringLiteral("player_key = ? AND class = ?");
}

QString ServerRecord::keyFilter(const QString& player, QVariantList* values) {
    if (player.trimmed().isEmpty())
        return {};
    return QStringLiteral(" WHERE ") + childRows(player, values);
}

} // namespace quintarlow
