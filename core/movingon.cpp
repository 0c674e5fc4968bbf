#include "core/movingon.h"

#include "core/learningpath.h"

#include <algorithm>

namespace quintarlow {

// Why two weeks: ten school days of a game a day, about a hundred questions. On the path the
// few facts being learned come back every day or two, so a child who learns at all turns one
// of them green within a few days. With the game's own draw a hundred questions ask about half
// of the 144 facts, enough to turn some fact the child nearly knows into a known one. A week would
// name children who only missed a few days' play. A child who did not play in those days is not
// named: that shows as the day they last played, and other practice settings would not change it.
// Nor is a child who began within them: there is nothing yet to compare with.

namespace {

// The facts a child practises: those of their tables, every fact for all tables.
std::vector<Fact> practisedFacts(const std::vector<int>& tables) {
    std::vector<Fact> facts;
    for (const std::vector<Fact>& set : pathSets(tables))
        facts.insert(facts.end(), set.begin(), set.end());
    return facts;
}

// Which facts are known after `history`.
std::vector<bool> known(const std::vector<Fact>& facts, const std::vector<FactAnswer>& history,
                        qint64 fluencyMs) {
    const FactGrid grid = factGrid(history, fluencyMs);
    std::vector<bool> isKnown;
    for (const Fact& fact : facts)
        isKnown.push_back(grid[fact.a - 1][fact.b - 1].status == FactStatus::Known);
    return isKnown;
}

} // namespace

MovingOn movingOn(const std::vector<FactAnswer>& history, qint64 fluencyMs, const QDate& today,
                  const std::vector<int>& tables) {
    const QDate since = today.addDays(1 - StalledDays);
    const auto firstInThem =
        std::find_if(history.begin(), history.end(), [&](const FactAnswer& answer) {
            return answer.day >= since && answer.day <= today;
        });
    if (firstInThem == history.end())
        return MovingOn::NotPlayed;
    const std::vector<Fact> facts = practisedFacts(tables);
    const std::vector<bool> then =
        known(facts, std::vector<FactAnswer>(history.begin(), firstInThem), fluencyMs);
    const std::vector<bool> now = known(facts, history, fluencyMs);
    if (std::all_of(now.begin(), now.end(), [](bool isKnown) { return isKnown; }))
        return MovingOn::AllKnown;
    for (std::size_t fact = 0; fact < facts.size(); ++fact)
        if (now[fact] && !then[fact])
            return MovingOn::MovedOn;
    return firstInThem == history.begin() ? MovingOn::TooSoon : MovingOn::Stalled;
}

} // namespace quintarlow
