#pragma once

#include "core/factstats.h"
#include "record/practicerecord.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace quintarlow {

// One kept answer, as the progress window and the export read it.
struct AnswerRow {
    QString answerId; // unique across computers
    QString player;
    QDateTime playedAt; // with the offset it was played at
    QString gameId;
    int turn = 0;
    int a = 0;
    int b = 0;
    int product = 0;
    std::optional<int> answered; // none on a time-out
    Outcome outcome = Outcome::Right;
    qint64 ms = 0;
    QString className = {}; // the class's key; empty where no class is known
};

struct PlayerSummary {
    QString name; // a child of a class (childOfClass) where two classes have that name
    int games = 0;
    int answers = 0;
    int right = 0;
    QDateTime lastPlayed;
    bool hasPracticeSettings = false;
    int gamesAlone = 0; // against the computer, with an answer of the player's
    int wonAlone = 0;
};

// What adding another computer's answers did.
struct RecordMerge {
    int added = 0;
    int skipped = 0;
    QString error; // empty on success; nothing was added otherwise
};

// What reading the record needs: the progress window, the reports and the export.
class RecordReader {
public:
    virtual ~RecordReader() = default;
    // Every player, the one who played last first.
    virtual std::vector<PlayerSummary> players() = 0;
    // One player's answers (every player's for an empty name; a name of blanks is a player),
    // oldest first.
    virtual std::vector<AnswerRow> answers(const QString& player) = 0;
    // The same answers as the statistics read them. A record can answer this with a query of
    // its own: a class's year is 100,000 answers, and the grid needs only five columns of them.
    virtual std::vector<FactAnswer> factAnswers(const QString& player) {
        std::vector<FactAnswer> facts;
        for (const AnswerRow& row : answers(player))
            facts.push_back({row.a, row.b, row.outcome, row.ms, row.playedAt.date()});
        return facts;
    }
    // The answers of each of the named players, as factAnswers reads them, in the names'
    // order. The class view needs every child's: a record answers with one read of its own
    // rather than one per child, each a pass over a class's year.
    virtual std::vector<std::vector<FactAnswer>>
    factAnswersOfEach(const std::vector<QString>& players) {
        std::vector<std::vector<FactAnswer>> each;
        for (const QString& player : players)
            each.push_back(factAnswers(player));
        return each;
    }
    // Why the record cannot be read (it could not be opened, or its last read failed); empty
    // while it reads fine. An unreadable record reads as empty, so the window asks this to
    // tell an empty record from a broken one.
    virtual QString readError() const { return {}; }
    // What a parent or teacher can do about it, in plain words; empty when nothing helps.
    virtual QString readAdvice() const { return {}; }
    // How many days answers are kept before they are deleted; 0: for as long as the record is.
    virtual int keepDays() { return 0; }
};

// The only changes made to the record outside a game, each on a parent's or teacher's word.
class RecordEditor {
public:
    virtual ~RecordEditor() = default;
    // Deletes the player's answers and games; returns how many answers went, -1 on failure.
    virtual int forgetPlayer(const QString& name) = 0;
    // Names compare trimmed and ignoring case.
    virtual PracticeSettings practiceSettings(const QString& name) = 0;
    virtual bool setPracticeSettings(const QString& name, const PracticeSettings& settings) = 0;

    // --import-record: adds the rows whose answer id is not kept yet, all or none. A record
    // that holds no answers of its own (the window's in-memory one) takes none.
    virtual RecordMerge importAnswers(const std::vector<AnswerRow>& rows) {
        return {0, 0, rows.empty() ? QString() : QStringLiteral("this record takes no answers")};
    }
};

} // namespace quintarlow
