#include "record/memoryrecord.h"

#include "core/playernames.h"

#include <QSet>
#include <algorithm>

namespace quintarlow {

std::vector<PlayerSummary> MemoryRecord::players() {
    if (!failure.isEmpty())
        return {};
    std::vector<PlayerSummary> summaries;
    QHash<QString, std::size_t> index;
    std::vector<QSet<QString>> games;
    // A game's answers mostly follow each other: its id is looked up once, not once an answer.
    std::vector<QString> lastGame;
    for (const AnswerRow& row : rows) {
        auto found = index.find(row.player);
        if (found == index.end()) {
            found = index.insert(row.player, summaries.size());
            PlayerSummary summary;
            summary.name = row.player;
            summaries.push_back(summary);
            games.emplace_back();
            lastGame.emplace_back();
        }
        const std::size_t at = *found;
        PlayerSummary& summary = summaries[at];
        ++summary.answers;
        summary.right += row.outcome == Outcome::Right;
        summary.lastPlayed = std::max(summary.lastPlayed, row.playedAt);
        if (lastGame[at] != row.gameId) {
            games[at].insert(row.gameId);
            lastGame[at] = row.gameId;
        }
    }
    for (std::size_t i = 0; i < summaries.size(); ++i) {
        summaries[i].games = static_cast<int>(games[i].size());
        summaries[i].hasPracticeSettings = !practiceSettings(summaries[i].name).isDefault();
        std::tie(summaries[i].gamesAlone, summaries[i].wonAlone) = alone.value(summaries[i].name);
    }
    std::stable_sort(
        summaries.begin(), summaries.end(),
        [](const PlayerSummary& x, const PlayerSummary& y) { return x.lastPlayed > y.lastPlayed; });
    return summaries;
}

std::vector<AnswerRow> MemoryRecord::answers(const QString& player) {
    if (!failure.isEmpty())
        return {};
    std::vector<AnswerRow> answers;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(answers),
                 [&](const AnswerRow& row) { return player.isEmpty() || row.player == player; });
    return answers;
}

std::vector<FactAnswer> MemoryRecord::factAnswers(const QString& player) {
    if (!failure.isEmpty())
        return {};
    std::vector<FactAnswer> answers;
    for (const AnswerRow& row : rows)
        if (player.isEmpty() || row.player == player)
            answers.push_back({row.a, row.b, row.outcome, row.ms, row.playedAt.date()});
    return answers;
}

std::vector<std::vector<FactAnswer>>
MemoryRecord::factAnswersOfEach(const std::vector<QString>& players) {
    std::vector<std::vector<FactAnswer>> each(players.size());
    if (!failure.isEmpty())
        return each;
    // One pass over the rows: the bench's class year is 100,000 of them.
    QHash<QString, std::vector<std::size_t>> slots;
    std::vector<std::size_t> everyone;
    for (std::size_t i = 0; i < players.size(); ++i)
        (players[i].isEmpty() ? everyone : slots[players[i]]).push_back(i);
    for (const AnswerRow& row : rows) {
        const auto found = slots.constFind(row.player);
        if (found == slots.cend() && everyone.empty())
            continue;
        const FactAnswer answer{row.a, row.b, row.outcome, row.ms, row.playedAt.date()};
        if (found != slots.cend())
            for (std::size_t slot : *found)
                each[slot].push_back(answer);
        for (std::size_t slot : everyone)
            each[slot].push_back(answer);
    }
    return each;
}

int MemoryRecord::forgetPlayer(const QString& name) {
    forgotten.append(name);
    if (!failure.isEmpty())
        return -1;
    const auto gone = std::erase_if(rows, [&](const AnswerRow& row) { return row.player == name; });
    settings.remove(nameKey(name));
    return static_cast<int>(gone);
}

PracticeSettings MemoryRecord::practiceSettings(const QString& name) {
    return settings.value(nameKey(name));
}

bool MemoryRecord::setPracticeSettings(const QString& name, const PracticeSettings& chosen) {
    if (!failure.isEmpty())
        return false;
    settings.insert(nameKey(name), chosen);
    return true;
}

} // namespace quintarlow
