#include "record/sqlitequeries.h"

#include "record/recordcsv.h"
#include "record/recordwords.h"
#include "record/sqliterecord.h"

#include "core/gamesummary.h"
#include "core/learningpath.h"
#include "core/playernames.h"

#include <QDateTime>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <algorithm>

namespace quintarlow {

namespace {

// The outcomes of the child's last answers here, oldest first, that the computer's level follows.
std::vector<Outcome> recentOutcomesOf(QSqlDatabase& db, const QString& player) {
    QVariantList values;
    const QString filter = playerFilter(db, player, &values);
    QSqlQuery query = runStatement(
        db,
        QStringLiteral("SELECT outcome FROM answers") + filter +
            QStringLiteral(" ORDER BY played_ms DESC, rowid DESC LIMIT %1").arg(RecentAnswerCount),
        values);
    std::vector<Outcome> outcomes;
    while (query.next())
        if (const auto outcome = outcomeOf(query.value(0).toString()))
            outcomes.insert(outcomes.begin(), *outcome);
    return outcomes;
}

// A child's answers here with the facts the school's other machines sent of them, by day:
// within a day the others' come first, since a day is all they carry.
std::vector<FactAnswer> everyMachinesAnswers(QSqlDatabase& db, const QString& player,
                                             const QString& classKey) {
    std::vector<FactAnswer> answers = factAnswersOf(db, childOfClass(player, classKey)).answers;
    // Where no class is known, what the school sent of a class's child of that name.
    QSqlQuery school = runStatement(
        db,
        QStringLiteral("SELECT facts FROM school_facts WHERE player_key = ? AND (class IN (?, '')"
                       " OR ? = '') ORDER BY class = ? DESC"),
        {playerKey(player), keptClass(classKey), keptClass(classKey), keptClass(classKey)});
    if (!school.next())
        return answers;
    FactsOfEach others({player});
    QString unreadable; // an outcome word no version writes: that answer is left out
    others.addPacked(player, school.value(0).toByteArray(), &unreadable);
    std::vector<FactAnswer>& all = others.each.front();
    all.insert(all.end(), answers.begin(), answers.end());
    std::stable_sort(all.begin(), all.end(),
                     [](const FactAnswer& x, const FactAnswer& y) { return x.day < y.day; });
    return std::move(all);
}

} // namespace

std::optional<Failure> addNewRows(QSqlDatabase& db, const std::vector<AnswerRow>& rows,
                                  RecordMerge& merge) {
    // Each prepared once for all the rows: an insert carries the counting of the list of
    // players, which SQLite would otherwise compile again for every row.
    QSqlQuery kept(db);
    kept.setForwardOnly(true);
    if (!kept.prepare(QStringLiteral("SELECT 1 FROM answers WHERE answer_id = ?")))
        return failureOf(kept);
    QSqlQuery insert(db);
    if (!insert.prepare(InsertAnswer))
        return failureOf(insert);
    for (const AnswerRow& row : rows) {
        kept.bindValue(0, row.answerId);
        kept.exec();
        if (auto failure = failureOf(kept))
            return failure;
        const bool known = kept.next();
        kept.finish();
        if (known) {
            ++merge.skipped;
            continue;
        }
        const QVariantList values = answerValues(row);
        for (int i = 0; i < values.size(); ++i)
            insert.bindValue(i, values[i]);
        insert.exec();
        if (auto failure = failureOf(insert))
            return failure;
        ++merge.added;
    }
    return std::nullopt;
}

QString newId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

FactReading factAnswersOf(QSqlDatabase& db, const QString& player) {
    QVariantList values;
    const QString filter = playerFilter(db, player, &values);
    QSqlQuery query =
        runStatement(db,
                     QStringLiteral("SELECT a, b, outcome, ms, played_at FROM answers") + filter +
                         QStringLiteral(" ORDER BY played_ms, rowid"),
                     values);
    FactReading reading;
    while (query.next())
        if (const auto answer = factAnswerFrom(query, &reading.error))
            reading.answers.push_back(*answer);
    return reading;
}

EachReading factAnswersOfEachIn(QSqlDatabase& db, const std::vector<QString>& players) {
    QSqlQuery query =
        runStatement(db, QStringLiteral("SELECT a, b, outcome, ms, played_at, player, class FROM"
                                        " answers ORDER BY played_ms, rowid"));
    FactsOfEach facts(players);
    EachReading reading;
    while (query.next())
        facts.add(childOfClass(query.value(5).toString(), query.value(6).toString()), query,
                  &reading.error);
    reading.each = std::move(facts.each);
    return reading;
}

QHash<QString, PracticeSettings> keptSettings(QSqlDatabase& db, const QStringList& keys) {
    QHash<QString, PracticeSettings> settings;
    QSqlQuery query =
        runStatement(db, QStringLiteral("SELECT player_key, opponent, %1, class FROM practice")
                             .arg(PracticeColumns));
    while (query.next())
        if (keys.isEmpty() || keys.contains(query.value(0).toString())) {
            PracticeSettings kept = practiceSettingsFrom(query, 2);
            kept.opponent = ComputerLevel(std::clamp(query.value(1).toInt(), 0, 2));
            settings.insert(childOfClass(query.value(0).toString(), query.value(6).toString()),
                            kept);
        }
    return settings;
}

PracticeSettings settingsOfChild(const QHash<QString, PracticeSettings>& kept,
                                 const QString& player, const QString& classKey) {
    const auto [name, inClass] = classChild(player);
    const QString mine = inClass.isEmpty() ? classKey : inClass;
    if (const auto found = kept.constFind(playerKey(childOfClass(name, mine)));
        found != kept.constEnd())
        return *found;
    if (const auto found = kept.constFind(playerKey(name)); found != kept.constEnd())
        return *found;
    // A record that plays in no class takes what a class keeps of that name.
    for (auto found = kept.constBegin(); mine.isEmpty() && found != kept.constEnd(); ++found)
        if (classChild(found.key()).name == playerKey(name))
            return *found;
    return {};
}

QStringList keptNames(QSqlDatabase& db) {
    QStringList names;
    QSqlQuery query = runStatement(
        db, QStringLiteral("SELECT DISTINCT player FROM player_games ORDER BY player"));
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

QHash<QString, PracticePlan> gamePlans(QSqlDatabase& db, const QStringList& players,
                                       const QHash<QString, PracticeSettings>& settings,
                                       const QString& classKey, qint64 fluencyMs,
                                       const QDate& today) {
    QHash<QString, PracticePlan> plans;
    for (const QString& player : players) {
        const PracticeSettings kept = settingsOfChild(settings, player, classKey);
        std::vector<FactAnswer> answers = everyMachinesAnswers(db, player, classKey);
        PracticePlan plan = needsAnswers(kept) ? planFromAnswers(kept, answers, fluencyMs, today)
                                               : startingPlan(kept);
        plan.recentOutcomes = recentOutcomesOf(db, player);
        // For what the game tells the child at its end.
        plan.kept = std::make_shared<const KeptHistory>(KeptHistory{std::move(answers), fluencyMs});
        plans.insert(playerKey(player), plan);
    }
    return plans;
}

std::optional<Failure> addGame(QSqlDatabase& db, const QString& game, const QString& blue,
                               const QString& red, const QString& startedAt, bool alone,
                               const QString& classKey) {
    return inTransaction(db, [&] {
        return failureOf(
            runStatement(db,
                         QStringLiteral("INSERT INTO games (game_id, blue, red, started_at,"
                                        " against_computer, class) VALUES (?, ?, ?, ?, ?, ?)"),
                         {game, blue, red, startedAt, int(alone), keptClass(classKey)}));
    });
}

std::optional<Failure> finishGame(QSqlDatabase& db, const QString& game, const QString& winner,
                                  const QString& endedAt) {
    return inTransaction(db, [&] {
        return failureOf(runStatement(
            db,
            QStringLiteral("UPDATE games SET winner = ?, ended_at = ?"
                           " WHERE game_id = ?"),
            {winner.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(winner), endedAt,
             game}));
    });
}

AnswerReading answerRowsOf(QSqlDatabase& db, const QString& player) {
    QVariantList values;
    const QString filter = playerFilter(db, player, &values);
    QSqlQuery query =
        runStatement(db,
                     QStringLiteral("SELECT %1 FROM answers").arg(AnswerColumns) + filter +
                         // Within one millisecond, as reported.
                         QStringLiteral(" ORDER BY played_ms, rowid"),
                     values);
    AnswerReading found;
    while (query.next())
        if (auto row = answerRowFrom(query, &found.error))
            found.rows.push_back(std::move(*row));
    return found;
}

PlayerMerge playersIn(QSqlDatabase& db) {
    // (SQLite takes last_at from the row that holds the MAX.)
    QSqlQuery query =
        runStatement(db, QStringLiteral("SELECT player, SUM(answers), SUM(right_answers),"
                                        " MAX(last_ms), last_at, GROUP_CONCAT(p.game_id),"
                                        " p.class, SUM(g.against_computer), SUM(g.against_computer"
                                        " AND g.winner = player) FROM player_games p"
                                        " LEFT JOIN games g USING (game_id)"
                                        " GROUP BY p.class, player"));
    PlayerMerge found;
    while (query.next())
        found.add(query.value(0).toString(), query.value(6).toString(), query.value(1).toInt(),
                  query.value(2).toInt(), query.value(3).toLongLong(), query.value(4).toString(),
                  query.value(5).toString(), query.value(7).toInt(), query.value(8).toInt());
    return found;
}

int forgetChild(QSqlDatabase& db, const QString& recordFile, const QString& child) {
    const QString key = playerKey(child);
    const auto [name, inClass] = classChild(child);
    // A child of a class: that class's rows only.
    const QString ofClass = inClass.isEmpty() ? QString() : QStringLiteral(" AND class = ?");
    const auto andClass = [&inClass](QVariantList values) {
        if (!inClass.isEmpty())
            values.append(inClass);
        return values;
    };
    int answers = 0;
    QSet<QString> spellings{name};
    const auto failure = inTransaction(db, [&]() -> std::optional<Failure> {
        QSqlQuery names = runStatement(db, QStringLiteral("SELECT player FROM answers UNION"
                                                          " SELECT blue FROM games UNION"
                                                          " SELECT red FROM games"));
        while (names.next())
            if (playerKey(childOfClass(names.value(0).toString(), inClass)) == key)
                spellings.insert(names.value(0).toString());
        for (const QString& spelling : spellings) {
            QSqlQuery gone =
                runStatement(db, QStringLiteral("DELETE FROM answers WHERE player = ?") + ofClass,
                             andClass({spelling}));
            if (auto failure = failureOf(gone))
                return failure;
            answers += gone.numRowsAffected();
            if (auto failure = failureOf(runStatement(
                    db, QStringLiteral("DELETE FROM games WHERE (blue = ? OR red = ?)") + ofClass,
                    andClass({spelling, spelling}))))
                return failure;
        }
        for (const QLatin1String table : {QLatin1String("practice"), QLatin1String("school_facts")})
            if (auto failure = failureOf(runStatement(
                    db, QStringLiteral("DELETE FROM %1 WHERE player_key = ?").arg(table) + ofClass,
                    andClass({playerKey(name)}))))
                return failure;
        return std::optional<Failure>();
    });
    if (failure)
        return -1;
    if (const QString undone = forgetBesideTheRecord(db, recordFile, spellings.values());
        !undone.isEmpty())
        sayOnStderr(undone);
    return answers;
}

bool savePracticeSettings(QSqlDatabase& db, const QString& child,
                          const PracticeSettings& settings) {
    const auto [name, inClass] = classChild(child);
    return !inTransaction(db, [&]() -> std::optional<Failure> {
        if (auto failure = failureOf(runStatement(
                db, QStringLiteral("DELETE FROM practice WHERE player_key = ? AND class = ?"),
                {playerKey(name), keptClass(inClass)})))
            return failure;
        if (settings.isDefault())
            return std::nullopt;
        return failureOf(runStatement(
            db,
            QStringLiteral("INSERT INTO practice (player_key, player, opponent, %1,"
                           " changed_ms, class) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
                .arg(PracticeColumns),
            QVariantList{playerKey(name), name, int(settings.opponent)} + practiceValues(settings) +
                QVariantList{QDateTime::currentMSecsSinceEpoch(), keptClass(inClass)}));
    });
}

} // namespace quintarlow
