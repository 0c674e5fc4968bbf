#pragma once

#include "core/computerplayer.h"
#include "core/fact.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace quintarlow {

// One judged answer as the board saw it. A refused click (a corner, FREE, no question yet)
// is not an answer and is never reported.
struct JudgedAnswer {
    QString player;              // as typed
    QDateTime judgedAt;          // local time, with its offset from UTC
    int a = 0;                   // the first factor, as shown and spoken
    int b = 0;                   // the second factor
    std::optional<int> answered; // the value on the square chosen; none on a time-out
    Outcome outcome = Outcome::Right;
    qint64 ms = 0; // from the question being shown to the verdict
};

// Where the board reports what happens in a game. Every call returns at once: the record
// never holds up a turn, and a record that cannot be written changes nothing in the game.
class PracticeRecord {
public:
    virtual ~PracticeRecord() = default;
    // A game begins: the board shows with these names, Blue to move. The record keeps every
    // name exactly as given; only comparing names trims them and ignores case.
    virtual void gameStarted(const QString& blue, const QString& red, const QDateTime& at) = 0;
    // One child plays Blue against the computer, whose answers are never reported. A record
    // that cannot mark such a game keeps it as a game against a Red player of that name.
    virtual void gameStartedAgainstComputer(const QString& blue, const QDateTime& at) {
        gameStarted(blue, ComputerName, at);
    }
    // Numbered by the record as the game's next turn.
    virtual void answerJudged(const JudgedAnswer& answer) = 0;
    // The game ends: a line of four (winner's name, which may be all blanks) or left
    // unfinished (an empty winner) by a new game, new players or quitting.
    virtual void gameFinished(const QString& winner, const QDateTime& at) = 0;
    // How this player's questions are drawn, as the record knew it when the game started;
    // answered from memory, so asking costs a turn nothing.
    virtual PracticePlan practicePlan(const QString& player) const = 0;
    // The players' names the record holds, for the name boxes to offer as a child types, so that
    // a typo does not start a new child. Answered from memory, never by waiting for the record:
    // none until it has read them.
    virtual QStringList playerNames() const { return {}; }
};

// Plays without keeping anything: --no-record, and a record that could not be opened.
class NoRecord final : public PracticeRecord {
public:
    void gameStarted(const QString&, const QString&, const QDateTime&) override {}
    void answerJudged(const JudgedAnswer&) override {}
    void gameFinished(const QString&, const QDateTime&) override {}
    PracticePlan practicePlan(const QString&) const override { return {}; }
};

} // namespace quintarlow
