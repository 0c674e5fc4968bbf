#include "core/movingon.h"

#include "core/learningpath.h"

#include <algorithm>

namespace quintarlow {

// Why two weeks: ten school days of a game a day, about a hundred questions. On the path the
// few facts being learned come back every day or two and a fact is known after fluent answers
// on two days, so a child who learns at all gets a fact there within a few days. With the
// game's own draw a hundred questions ask about half of the 144 facts, enough to turn some
// fact the child nearly knows into a known one. A week would name children who only missed a
// few days' play. A child who did not play in those days is not named: that shows as the day
// they last played, and other practice settings would not change it. Nor is a child who began
// within them: there is nothing yet to compare with.

namespace {

// The facts a child practises: those of their tables, every fact for all tables.
std::vector<Fact> practisedFacts(const std::vector<int>& tables) {
    std::vector<Fact> facts;
    for (const std::vector<Fact>& set : pathSets(tables))
        facts.insert(facts.end(), set.begin(), set.end());
    return facts;
}

// Which facts are known after `history`, judged as the child is shown them.
std::vector<bool> known(const std::vector<Fact>& facts, const std::vector<FactAnswer>& history,
                        qint64 fluencyMs, const QDate& day, bool onPath) {
    std::vector<bool> isKnown;
    if (onPath) {
        const PathGrid grid = pathGrid(history, fluencyMs, day);
        for (const Fact& fact : facts) {
            const FactStage stage = grid[fact.a - 1][fact.b - 1].stage;
            isKnown.push_back(stage == FactStage::Known || stage == FactStage::Due);
        }
    } else {
        const FactGrid grid = factGrid(history, fluencyMs);
        for (const Fact& fact : facts)
            isKnown.push_back(grid[fact.a - 1][fact.b - 1].status == FactStatus::Known);
    }
    return isKnown;
}

} // namespace

bool hasStalled(const std::vector<FactAnswer>& history, qint64 fluencyMs, const QDate& today,
                const PracticeSettings& settings) {
    const QDate since = today.addDays(1 - StalledDays);
    const auto firstInThem =
        std::find_if(history.begin(), history.end(), [&](const FactAnswer& answer) {
            return answer.day >= since && answer.day <= today;
        });
    if (firstInThem == history.end() || firstInThem == history.begin())
        return false;
    const std::vector<Fact> facts = practisedFacts(settings.tables);
    const std::vector<FactAnswer> before(history.begin(), firstInThem);
    const std::vector<bool> then = known(facts, before, fluencyMs, since, settings.path);
    const std::vector<bool> now = known(facts, history, fluencyMs, today, settings.path);
    if (std::all_of(now.begin(), now.end(), [](bool isKnown) { return isKnown; }))
        return false;
    for (std::size_t fact = 0; fact < facts.size(); ++fact)
        if (now[fact] && !then[fact])
            return false;
    return true;
}

} // namespace quintarlow
