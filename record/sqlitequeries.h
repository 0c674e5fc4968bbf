#pragma once

#include "record/recordrows.h"
#include "record/sqlitewriter.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QSqlDatabase;

namespace quintarlow {

// What the practice record asks of its SQLite file: each runs on the writer's thread with its
// connection, as a job SqliteRecord hands it.

QString newId();

// Adds the rows whose answer id is not kept yet; counts what it added and skipped.
std::optional<Failure> addNewRows(QSqlDatabase& db, const std::vector<AnswerRow>& rows,
                                  RecordMerge& merge);

// The five columns the statistics need, and why a row could not be read (the last such).
struct FactReading {
    std::vector<FactAnswer> answers;
    QString error;
};
FactReading factAnswersOf(QSqlDatabase& db, const QString& player);

struct EachReading {
    std::vector<std::vector<FactAnswer>> each;
    QString error;
};
EachReading factAnswersOfEachIn(QSqlDatabase& db, const std::vector<QString>& players);

struct AnswerReading {
    std::vector<AnswerRow> rows;
    QString error;
};
AnswerReading answerRowsOf(QSqlDatabase& db, const QString& player);

// One line per spelling of a name.
PlayerMerge playersIn(QSqlDatabase& db);

// The practice settings kept for `keys` (every player's when empty). A player without a row
// plays with the defaults.
// Keyed by the child: the name's key, and the class where one is kept.
QHash<QString, PracticeSettings> keptSettings(QSqlDatabase& db, const QStringList& keys = {});

// A child's settings: those of their class (a child of a class, or else `classKey`), or else
// those kept of no class, as a file kept them before it knew classes; where no class is known,
// a class's child of that name.
PracticeSettings settingsOfChild(const QHash<QString, PracticeSettings>& kept,
                                 const QString& player, const QString& classKey);

// The plans the two players of a game start with, by their keys: from their settings in
// `settings`, and where the settings ask for it from their answers here and on the school's
// other machines.
// Every spelling of a name that has answers kept.
QStringList keptNames(QSqlDatabase& db);

QHash<QString, PracticePlan> gamePlans(QSqlDatabase& db, const QStringList& players,
                                       const QHash<QString, PracticeSettings>& settings,
                                       const QString& classKey, qint64 fluencyMs,
                                       const QDate& today);

std::optional<Failure> addGame(QSqlDatabase& db, const QString& game, const QString& blue,
                               const QString& red, const QString& startedAt, bool alone,
                               const QString& classKey);
std::optional<Failure> finishGame(QSqlDatabase& db, const QString& game, const QString& winner,
                                  const QString& endedAt);

// Deletes a child's answers, games and settings (of their class only, for a child of a class)
// in every spelling of the name, and what is kept of them beside the file. The answers
// deleted, or -1 when nothing could be.
int forgetChild(QSqlDatabase& db, const QString& recordFile, const QString& child);

bool savePracticeSettings(QSqlDatabase& db, const QString& child, const PracticeSettings& settings);

} // namespace quintarlow
