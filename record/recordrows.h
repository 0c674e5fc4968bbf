#pragma once

#include "record/recordreader.h"
#include "record/sqlsteps.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

class QSqlDatabase;
class QSqlQuery;

namespace quintarlow {

// The record's rows as the local file and a school's server both keep them, read and written
// the same way by either.

// A player's practice tables as kept: "3,4,6"; empty for every table.
QString keptTablesText(const std::vector<int>& tables);
std::vector<int> keptTables(const QString& text);

// A player's practice settings as the practice table keeps them: these columns, in this order,
// read by practiceSettingsFrom (from column `first` on) and written from practiceValues.
inline constexpr QLatin1String PracticeColumns{"tables, ask_missed, path, answer_seconds"};
PracticeSettings practiceSettingsFrom(const QSqlQuery& query, int first);
QVariantList practiceValues(const PracticeSettings& settings);

// The columns answerRowFrom reads, in its order.
inline constexpr QLatin1String AnswerColumns{
    "answer_id, player, played_at, game_id, turn, a, b, product, answered, outcome, ms, class"};
// None for a row whose outcome is no known word; `error` then says which row.
std::optional<AnswerRow> answerRowFrom(const QSqlQuery& query, QString* error);
// The same of the statistics' five columns: a, b, outcome, ms, played_at (its first ten
// characters are the local date).
std::optional<FactAnswer> factAnswerFrom(const QSqlQuery& query, QString* error);

// Every named player's answers out of one read of everyone's in play order, each row handed
// over with its player's spelling as kept: the class view's 40 children are then one pass over
// a class's year, not 40. Names compare as playerKey does; an empty name takes every row.
class FactsOfEach {
public:
    explicit FactsOfEach(const std::vector<QString>& players);
    // The row's five columns are read only when a named player takes it.
    void add(const QString& spelling, const QSqlQuery& query, QString* error);
    // A player's answers packed in one text, as packedFactAnswers() has the server write them.
    void addPacked(const QString& spelling, const QByteArray& packed, QString* error);
    std::vector<std::vector<FactAnswer>> each; // in the names' order

private:
    const std::vector<std::size_t>& takers(const QString& spelling);
    QHash<QString, std::vector<std::size_t>> m_byKey;
    QHash<QString, std::vector<std::size_t>> m_bySpelling;
    std::vector<std::size_t> m_everyone;
};

// The date an answer was played on, where it was played: the server keeps the time in UTC and
// the offset beside it.
inline constexpr QLatin1String LocalDay{
    "(played AT TIME ZONE 'UTC' + utc_offset * interval '1 second')::date"};

// Each player's answers as one text, "a b outcome ms day,..." in play order, the day counted
// from 1 January 1970 where the answer was played: a class's year on a school's server is a
// quarter of a million rows, and the time went in handing each row over, not in finding it.
QString packedFactAnswers();

// A PostgreSQL array of texts, written as one value: a name may hold quotes and backslashes.
QString textArray(const QStringList& texts);

// One answer row added, with answerValues(row) for its places.
inline constexpr QLatin1String InsertAnswer{
    "INSERT INTO answers (answer_id, player, played_at, played_ms, game_id, turn, a, b, product,"
    " answered, outcome, ms, class) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"};
QVariantList answerValues(const AnswerRow& row);

// Which rows are one player's (everyone's for an empty name; a child of a class, that class's
// and those of no class, kept before the file knew classes): a name may have been typed with other
// capitals or spaces around it, so the spellings kept are found first, and the rows then read
// through the index on the name rather than by looking at every row.
QString playerFilter(const QSqlDatabase& db, const QString& player, QVariantList* values);

// A class's name as the school's server keys its rows and role: trimmed, lower case, other
// characters than ASCII letters and digits as "_"; a name of other letters, or too long for a
// role, keeps its beginning and a hash of the whole name.
QString classKey(const QString& className);
// A class's key as a column keeps it: no class is an empty text, never a null, which the
// columns refuse.
inline QVariant keptClass(const QString& classKey) {
    return classKey.isEmpty() ? QVariant(QStringLiteral("")) : QVariant(classKey);
}

// The player list from one line per spelling of a name and class, as the database counts them:
// a class's year is 100,000 answers, too many to hand over one by one for a list of names.
class PlayerMerge {
public:
    // gameIds: the spelling's games, comma-separated; classKey empty where no class is known; of
    // the games, `alone` against the computer, `wonAlone` won.
    void add(const QString& name, const QString& classKey, int answers, int right, qint64 lastMs,
             const QString& lastAt, const QString& gameIds, int alone = 0, int wonAlone = 0);
    // The one who played last first. A name found in two classes is two children, each named
    // with their class (childOfClass); `key` is the name's key, or the child's.
    std::vector<PlayerSummary>
    players(const std::function<bool(const QString& key)>& hasPracticeSettings) const;

private:
    std::vector<PlayerSummary> m_summaries;
    std::vector<QString> m_classes; // of each summary
    QHash<QString, std::size_t> m_byKey;
    QHash<QString, qint64> m_lastMs;
    QHash<QString, QSet<QString>> m_games;
    QHash<QString, QSet<QString>> m_classesOfName;
};

} // namespace quintarlow
