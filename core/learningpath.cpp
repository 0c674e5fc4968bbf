#include "learningpath.h"

#include "questiondraw.h"

#include <QRandomGenerator>
#include <algorithm>
#include <map>

namespace quintarlow {

// Why the numbers in learningpath.h are what they are:
// - ReviewDays 1, 2, 4, 8: the Leitner system's doubling intervals. Reviews spread over growing
//   gaps keep about twice as much weeks later as the same practice in one sitting, and more
//   practice within one sitting adds little (Rohrer and Taylor 2006).
// - KnownBox 2: known means answered right within the fluency time on more than one day; one
//   fluent day can be the fresh memory of that very game.
// - UnknownsAtOnce 3: incremental rehearsal teaches one to three unknown facts at a time
//   (Burns and colleagues); more at once and a child's few questions a game no longer come
//   back to each of them within the game.
// - KnownsBetweenUnknowns 2: incremental rehearsal mixes each unknown fact among seven to nine
//   known ones. A game gives a child about ten questions, not the fifty of a rehearsal
//   sitting: at one unknown in nine a child meets one unknown fact a game, and the simulated
//   class (docs/learning.md) then needs more questions to know the 144 facts than practising
//   chosen tables does. Two knowns between unknowns keeps the known facts a third of the game
//   and most answers right, and is the ratio the simulation found fastest.

namespace {

constexpr int HighestBox = static_cast<int>(ReviewDays.size());

// The order a teacher builds the tables up in: the easy ones first, then those that lean on
// them (3 = 2 + 1, 9 = 10 - 1, 4 = 2 x 2), then the rest.
constexpr std::array<int, FactorCount> StrategyOrder = {1, 2, 5, 10, 3, 9, 4, 6, 8, 7, 11, 12};

FactPlace& placeOf(PathGrid& grid, const Fact& fact) {
    return grid[fact.a - 1][fact.b - 1];
}
const FactPlace& placeOf(const PathGrid& grid, const Fact& fact) {
    return grid[fact.a - 1][fact.b - 1];
}

bool onTheBoard(int a, int b) {
    return a >= 1 && a <= FactorCount && b >= 1 && b <= FactorCount;
}

bool isKnown(const FactPlace& place) {
    return place.stage == FactStage::Known || place.stage == FactStage::Due;
}

// A fact from a list, any but `avoid` when there is another; the list is not empty.
Fact anyBut(const std::vector<Fact>& facts, const std::optional<Fact>& avoid,
            QRandomGenerator& random) {
    std::vector<Fact> choice;
    std::copy_if(facts.begin(), facts.end(), std::back_inserter(choice),
                 [&](const Fact& fact) { return fact != avoid; });
    if (choice.empty())
        return facts.front();
    return choice[random.bounded(static_cast<quint32>(choice.size()))];
}

} // namespace

PathGrid pathGrid(const std::vector<FactAnswer>& history, qint64 fluencyMs, const QDate& today) {
    PathGrid grid;
    for (const FactAnswer& answer : history) {
        if (!onTheBoard(answer.a, answer.b))
            continue;
        FactPlace& place = placeOf(grid, {answer.a, answer.b});
        place.lastSeen = answer.day;
        if (answer.outcome != Outcome::Right) {
            place.box = 0;
            place.due = answer.day;
        } else if (answer.ms <= fluencyMs && (!place.due.isValid() || answer.day >= place.due)) {
            place.box = std::min(place.box + 1, HighestBox);
            place.due = answer.day.addDays(ReviewDays[place.box - 1]);
        }
        place.stage = FactStage::Learning;
    }
    for (auto& row : grid)
        for (FactPlace& place : row)
            if (place.box >= KnownBox)
                place.stage = place.due <= today ? FactStage::Due : FactStage::Known;
    return grid;
}

std::vector<std::vector<Fact>> pathSets(const std::vector<int>& tables) {
    std::vector<int> order;
    std::copy_if(
        StrategyOrder.begin(), StrategyOrder.end(), std::back_inserter(order), [&](int table) {
            return tables.empty() || std::find(tables.begin(), tables.end(), table) != tables.end();
        });
    std::vector<std::vector<Fact>> sets;
    std::vector<int> earlier;
    for (int table : order) {
        std::vector<Fact> set;
        for (int other = 1; other <= FactorCount; ++other) {
            if (std::find(earlier.begin(), earlier.end(), other) != earlier.end())
                continue;
            set.push_back({table, other});
            if (other != table)
                set.push_back({other, table});
        }
        sets.push_back(std::move(set));
        earlier.push_back(table);
    }
    return sets;
}

PathPlan pathPlan(const PathGrid& grid, const std::vector<int>& tables) {
    const auto sets = pathSets(tables);
    std::size_t open = 0; // the sets open are those before this one
    for (std::size_t set = 0; set < sets.size(); ++set)
        if (std::any_of(sets[set].begin(), sets[set].end(), [&](const Fact& fact) {
                return placeOf(grid, fact).stage != FactStage::New;
            }))
            open = set + 1;
    const auto allKnown = [&](std::size_t upTo) {
        for (std::size_t set = 0; set < upTo; ++set)
            for (const Fact& fact : sets[set])
                if (!isKnown(placeOf(grid, fact)))
                    return false;
        return true;
    };
    while (open < sets.size() && (open == 0 || allKnown(open)))
        ++open;

    PathPlan plan;
    std::vector<Fact> fresh;
    std::multimap<QDate, Fact> due; // longest due first
    for (std::size_t set = 0; set < open; ++set)
        for (const Fact& fact : sets[set]) {
            const FactPlace& place = placeOf(grid, fact);
            switch (place.stage) {
            case FactStage::New:
                fresh.push_back(fact);
                break;
            case FactStage::Learning:
                plan.unknowns.push_back(fact);
                break;
            case FactStage::Due:
                due.emplace(place.due, fact);
                break;
            case FactStage::Known:
                plan.known.push_back(fact);
                break;
            }
        }
    plan.unknowns.insert(plan.unknowns.end(), fresh.begin(), fresh.end());
    if (plan.unknowns.size() > std::size_t(UnknownsAtOnce))
        plan.unknowns.resize(UnknownsAtOnce);
    for (const auto& [day, fact] : due)
        plan.due.push_back(fact);
    return plan;
}

Fact drawOnPath(const PathPlan& path, DrawMemory& memory, QRandomGenerator& random) {
    if (memory.reviewedOn != path.day) {
        memory.reviewed.clear();
        memory.reviewedOn = path.day;
    }
    const auto notAgain = [&](const std::vector<Fact>& facts) {
        std::vector<Fact> left;
        std::copy_if(facts.begin(), facts.end(), std::back_inserter(left), [&](const Fact& fact) {
            return fact != memory.previous &&
                   std::find(memory.reviewed.begin(), memory.reviewed.end(), fact) ==
                       memory.reviewed.end();
        });
        return left;
    };
    const std::vector<Fact> reviews = notAgain(path.due);
    const bool knownsLeft = !reviews.empty() || !path.known.empty() || !path.due.empty();

    Fact question;
    if (!path.unknowns.empty() &&
        (memory.knownsSinceUnknown >= KnownsBetweenUnknowns || !knownsLeft)) {
        const std::size_t count = path.unknowns.size();
        question = path.unknowns[std::size_t(memory.nextUnknown) % count];
        if (question == memory.previous && count > 1)
            question = path.unknowns[std::size_t(++memory.nextUnknown) % count];
        ++memory.nextUnknown;
        memory.knownsSinceUnknown = 0;
    } else {
        if (!reviews.empty()) {
            question = reviews.front();
            memory.reviewed.push_back(question);
        } else if (!path.known.empty()) {
            question = anyBut(path.known, memory.previous, random);
        } else {
            question = anyBut(path.due, memory.previous, random);
        }
        ++memory.knownsSinceUnknown;
    }
    memory.previous = question;
    return question;
}

PracticePlan startingPlan(const PracticeSettings& settings) {
    PracticePlan plan;
    plan.settings = settings;
    plan.answerSeconds = std::clamp(settings.answerSeconds, AnswerSeconds, MostAnswerSeconds);
    return plan;
}

bool needsAnswers(const PracticeSettings& settings) {
    return settings.askMissed || settings.path;
}

PracticePlan planFromAnswers(const PracticeSettings& settings,
                             const std::vector<FactAnswer>& history, qint64 fluencyMs,
                             const QDate& today) {
    PracticePlan plan = startingPlan(settings);
    if (settings.askMissed)
        for (const FactToPractise& weak : factsToPractise(history, fluencyMs))
            plan.missed.push_back(weak.fact);
    if (settings.path) {
        plan.path = pathPlan(pathGrid(history, fluencyMs, today), settings.tables);
        plan.path.day = today;
    }
    return plan;
}

} // namespace quintarlow
