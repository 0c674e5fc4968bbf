#include "core/questiondraw.h"

#include "core/learningpath.h"

#include <QRandomGenerator>
#include <algorithm>
#include <vector>

namespace quintarlow {

namespace {

constexpr int HighestFactor = 12;

int factor(QRandomGenerator& random) {
    return static_cast<int>(random.bounded(1, HighestFactor + 1));
}

bool onTheBoard(const Fact& fact) {
    return fact.a >= 1 && fact.a <= HighestFactor && fact.b >= 1 && fact.b <= HighestFactor;
}

Fact fromTables(const std::vector<int>& tables, QRandomGenerator& random) {
    if (tables.empty()) {
        const int a = factor(random);
        return {a, factor(random)};
    }
    const int chosen = tables[random.bounded(static_cast<quint32>(tables.size()))];
    const int other = factor(random);
    return random.bounded(2U) == 0 ? Fact{chosen, other} : Fact{other, chosen};
}

} // namespace

Fact drawQuestion(const PracticePlan& plan, DrawMemory& memory, QRandomGenerator& random) {
    if (plan.settings.path && !plan.path.isEmpty())
        return drawOnPath(plan.path, memory, random);
    std::vector<Fact> candidates;
    if (plan.settings.askMissed)
        // A fact the board has no square for would be a question nobody can answer.
        std::copy_if(plan.missed.begin(), plan.missed.end(), std::back_inserter(candidates),
                     [&](const Fact& fact) { return onTheBoard(fact) && fact != memory.previous; });
    // Settings from a record may name tables outside 1 to 12; those are left out.
    std::vector<int> tables;
    std::copy_if(plan.settings.tables.begin(), plan.settings.tables.end(),
                 std::back_inserter(tables),
                 [](int table) { return table >= 1 && table <= HighestFactor; });

    Fact question;
    if (!candidates.empty() && random.bounded(2U) == 0) {
        question = candidates[random.bounded(static_cast<quint32>(candidates.size()))];
    } else {
        const bool previousWasMissed = plan.settings.askMissed && memory.previous &&
                                       std::find(plan.missed.begin(), plan.missed.end(),
                                                 *memory.previous) != plan.missed.end();
        do
            question = fromTables(tables, random);
        while (previousWasMissed && question == *memory.previous);
    }
    memory.previous = question;
    return question;
}

} // namespace quintarlow
