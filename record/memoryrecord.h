#pragma once

#include "record/recordreader.h"

#include <QHash>

namespace quintarlow {

// A record kept in memory: for the tests, the bench and a window opened without a record.
class MemoryRecord final : public RecordReader, public RecordEditor {
public:
    MemoryRecord() = default;
    explicit MemoryRecord(std::vector<AnswerRow> answers) : rows(std::move(answers)) {}

    std::vector<AnswerRow> rows; // oldest first
    QString failure;             // when set, nothing can be read and nothing is changed
    QString advice;              // what to do about the failure
    QStringList forgotten;       // the names forgetPlayer was called with
    // Each player's games against the computer and how many they won, as a file counts them.
    QHash<QString, std::pair<int, int>> alone;

    std::vector<PlayerSummary> players() override;
    std::vector<AnswerRow> answers(const QString& player) override;
    std::vector<FactAnswer> factAnswers(const QString& player) override;
    std::vector<std::vector<FactAnswer>>
    factAnswersOfEach(const std::vector<QString>& players) override;
    int forgetPlayer(const QString& name) override;
    PracticeSettings practiceSettings(const QString& name) override;
    bool setPracticeSettings(const QString& name, const PracticeSettings& settings) override;
    QString readError() const override { return failure; }
    QString readAdvice() const override { return advice; }

private:
    QHash<QString, PracticeSettings> settings;
};

} // namespace quintarlow
