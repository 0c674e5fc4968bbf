#pragma once

#include "practicerecord.h"

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
};

struct PlayerSummary {
    QString name;
    int games = 0;
    int answers = 0;
    int right = 0;
    QDateTime lastPlayed;
    bool hasPracticeSettings = false;
};

// What reading the record needs; the progress window only reads.
class RecordReader {
public:
    virtual ~RecordReader() = default;
    // Every player, the one who played last first.
    virtual std::vector<PlayerSummary> players() = 0;
    // One player's answers (every player's for an empty name), oldest first.
    virtual std::vector<AnswerRow> answers(const QString& player) = 0;

    // The only changes the progress window makes, each on a parent's or teacher's word.
    // Deletes the player's answers and games; returns how many answers went, -1 on failure.
    virtual int forgetPlayer(const QString& name) = 0;
    // Names compare trimmed and ignoring case.
    virtual PracticeSettings practiceSettings(const QString& name) = 0;
    virtual bool setPracticeSettings(const QString& name, const PracticeSettings& settings) = 0;
};

} // namespace quintarlow
