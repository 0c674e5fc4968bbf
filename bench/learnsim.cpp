// A class of simulated children playing one game a school day, for comparing the ways the game
// can draw their questions (docs/learning.md says what it found and how).
//
//   quintarlow_learnsim [--seeds N] [--first-seed S] [--days D] [--way uniform|best|path]
//                       [--trace DAYS]

#include "learnmodel.h"

#include "core/fact.h"
#include "core/factstats.h"
#include "core/learningpath.h"
#include "core/questiondraw.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstdio>
#include <random>

using namespace quintarlow;
using namespace quintarlow::learnsim;

namespace {

constexpr int ClassSize = 30;      // played in pairs
constexpr int FewestQuestions = 8; // a child's questions in one game: about ten
constexpr int MostQuestions = 12;
constexpr double SecondsBetweenQuestions = 25; // a child waits for the other's turn between
constexpr double ChildSpread = 0.25;           // per-child activation offset beta: sd (ours)
constexpr qint64 FluencyMs = DefaultFluencyMs; // as the progress window chooses until changed
constexpr int AllFacts = FactorCount * FactorCount;
// The strategy order a teacher following today's best chooses tables in.
constexpr std::array<int, FactorCount> TeachingOrder = {1, 2, 5, 10, 3, 9, 4, 6, 8, 7, 11, 12};

enum class Way { Uniform, TodaysBest, Path };
const char* wayName(Way way) {
    switch (way) {
    case Way::Uniform:
        return "uniform (the default)";
    case Way::TodaysBest:
        return "best of today: chosen table + missed facts";
    case Way::Path:
        return "learning path";
    }
    return "";
}

struct Child {
    double beta = 0;
    std::array<FactMemory, AllFacts> memory;
    std::vector<FactAnswer> history;
    double now = 0; // psychological seconds
    int questions = 0;
    int rights = 0;
    std::bitset<AllFacts> everKnown; // by the game's rule, on some day
    int daysToAll = -1; // school days until each of the 144 had been known, -1 while not
    int questionsToAll = -1;
    int daysToRecall = -1; // until the model recalls all 144 fluently the next morning
    int questionsToRecall = -1;
    int knownAt20 = 0;
    int recalledAt20 = 0; // as the model has it: fluent and more likely recalled than not
    int rightsToAll = 0;  // right answers until all were known (or the run's end)
    int questionsCounted = 0;
};

// Known by the game's rule on `today`, marked in `ever` too; how many.
int knownFacts(const std::vector<FactAnswer>& history, const QDate& today,
               std::bitset<AllFacts>& ever) {
    const PathGrid grid = pathGrid(history, FluencyMs, today);
    int known = 0;
    for (std::size_t fact = 0; fact < std::size_t(AllFacts); ++fact) {
        const FactStage stage = grid[fact / FactorCount][fact % FactorCount].stage;
        if (stage == FactStage::Known || stage == FactStage::Due) {
            ++known;
            ever.set(fact);
        }
    }
    return known;
}

// Facts the model recalls at `at` more likely than not, within the fluency time.
int recalledFacts(const Child& child, double at, const ModelParameters& model) {
    int recalled = 0;
    for (const FactMemory& memory : child.memory) {
        const double m = memory.activation(at, child.beta);
        recalled += memory.practised() && recallProbability(m, model) > 0.5 &&
                    recallSeconds(m, model) * 1000 <= FluencyMs;
    }
    return recalled;
}

// Today's best as a teacher with the progress window runs it: the first table in teaching
// order not yet all known in the window's grid, misses asked again; every table once all are.
PracticeSettings teachersChoice(const std::vector<FactAnswer>& history) {
    const FactGrid grid = factGrid(history, FluencyMs);
    for (int table : TeachingOrder)
        for (int other = 1; other <= FactorCount; ++other)
            if (grid[table - 1][other - 1].status != FactStatus::Known ||
                grid[other - 1][table - 1].status != FactStatus::Known)
                return {{table}, true};
    return {{}, true};
}

QString why(const PathPlan& path, const Fact& fact, const PathGrid& grid) {
    const auto in = [&](const std::vector<Fact>& facts) {
        return std::find(facts.begin(), facts.end(), fact) != facts.end();
    };
    if (in(path.unknowns))
        return grid[fact.a - 1][fact.b - 1].stage == FactStage::New ? QStringLiteral("new")
                                                                    : QStringLiteral("learning");
    if (in(path.due))
        return grid[fact.a - 1][fact.b - 1].stage == FactStage::Learning ? QStringLiteral("lapsed")
                                                                         : QStringLiteral("due");
    return QStringLiteral("known");
}

struct Run {
    std::vector<Child> children;
};

Run simulate(Way way, quint32 seed, int days, int traceDays, int countDay) {
    const ModelParameters model;
    QRandomGenerator random(seed);
    std::mt19937 normalSource(seed);
    std::normal_distribution<double> spread(0, ChildSpread);
    Run run;
    run.children.resize(ClassSize);
    for (Child& child : run.children)
        child.beta = spread(normalSource);

    // School days from a Monday; a weekend's two days pass between Friday and Monday.
    QDate day(2026, 9, 7);
    for (int schoolDay = 1; schoolDay <= days; ++schoolDay) {
        bool everyoneKnows = true;
        for (std::size_t pair = 0; pair < run.children.size(); pair += 2) {
            const int questions = int(random.bounded(FewestQuestions, MostQuestions + 1));
            for (std::size_t seat = pair; seat < pair + 2; ++seat) {
                Child& child = run.children[seat];
                const PracticeSettings settings = way == Way::Uniform ? PracticeSettings{}
                                                  : way == Way::Path
                                                      ? PracticeSettings{{}, false, true}
                                                      : teachersChoice(child.history);
                const PracticePlan plan = planFromAnswers(settings, child.history, FluencyMs, day);
                const bool tracing = seat == 0 && schoolDay <= traceDays;
                const PathGrid grid =
                    tracing ? pathGrid(child.history, FluencyMs, day) : PathGrid{};
                if (tracing)
                    std::printf("day %d (%s): learning %s; %zu due, %zu other known\n", schoolDay,
                                qPrintable(day.toString(QStringLiteral("ddd d MMM"))),
                                qPrintable([&] {
                                    QStringList facts;
                                    for (const Fact& f : plan.path.unknowns)
                                        facts << QStringLiteral("%1x%2").arg(f.a).arg(f.b);
                                    return facts.join(QLatin1Char(' '));
                                }()),
                                plan.path.due.size(), plan.path.known.size());
                DrawMemory drawn;
                for (int question = 0; question < questions; ++question) {
                    const Fact fact = drawQuestion(plan, drawn, random);
                    FactMemory& memory =
                        child.memory[std::size_t((fact.a - 1) * FactorCount + fact.b - 1)];
                    const double m = memory.activation(child.now, child.beta);
                    const bool recalled =
                        memory.practised() && random.generateDouble() < recallProbability(m, model);
                    const double seconds = recalled ? recallSeconds(m, model) : AnswerSeconds;
                    const bool right = recalled && seconds < AnswerSeconds;
                    const qint64 ms = qint64(std::min<double>(seconds, AnswerSeconds) * 1000);
                    child.history.push_back(
                        {fact.a, fact.b, right ? Outcome::Right : Outcome::Wrong, ms, day});
                    if (tracing)
                        std::printf("  %2dx%-2d %-8s %s in %.1f s\n", fact.a, fact.b,
                                    qPrintable(why(plan.path, fact, grid)),
                                    right ? "right" : "missed", double(ms) / 1000);
                    // The game says the right answer after a miss: a practice either way.
                    memory.practise(child.now, child.beta, model);
                    ++child.questions;
                    child.rights += right;
                    if (child.daysToAll < 0 || child.daysToRecall < 0) {
                        ++child.questionsCounted;
                        child.rightsToAll += right;
                    }
                    child.now += SecondsBetweenQuestions;
                }
            }
        }
        const QDate next = day.addDays(day.dayOfWeek() == Qt::Friday ? 3 : 1);
        for (Child& child : run.children) {
            const int known = knownFacts(child.history, next, child.everKnown);
            if (child.daysToAll < 0 && int(child.everKnown.count()) == AllFacts) {
                child.daysToAll = schoolDay;
                child.questionsToAll = child.questions;
            }
            // The next morning, as the model has it.
            const double morning = child.now + model.h * 86400 * day.daysTo(next);
            const int recalled = recalledFacts(child, morning, model);
            if (child.daysToRecall < 0 && recalled == AllFacts) {
                child.daysToRecall = schoolDay;
                child.questionsToRecall = child.questions;
            }
            if (schoolDay == countDay) {
                child.knownAt20 = known;
                child.recalledAt20 = recalled;
            }
            everyoneKnows = everyoneKnows && child.daysToAll > 0 && child.daysToRecall > 0;
        }
        // Time passes for everyone until the next game: scaled as psychological time.
        for (Child& child : run.children)
            child.now += model.h * 86400 * day.daysTo(next);
        day = next;
        if (everyoneKnows && schoolDay >= countDay)
            break;
    }
    return run;
}

// "median [lower quartile, upper quartile]"; children who never got there count as more than
// any who did, and a quartile among them reads "not reached".
QString quartiles(std::vector<double> values, int decimals = 0) {
    std::sort(values.begin(), values.end());
    const auto at = [&](double q) {
        const double value = values[std::size_t(q * double(values.size() - 1) + 0.5)];
        return value == INFINITY ? QStringLiteral("never") : QString::number(value, 'f', decimals);
    };
    return QStringLiteral("%1 [%2, %3]").arg(at(0.5), at(0.25), at(0.75));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const auto option = [&](const char* name, int fallback) {
        const qsizetype at = arguments.indexOf(QLatin1String(name));
        return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1].toInt() : fallback;
    };
    const int seeds = option("--seeds", 20);
    const int firstSeed = option("--first-seed", 1);
    const int days = option("--days", 400);
    const int traceDays = option("--trace", 0);
    const int countDay = option("--count-day", 20); // when the known facts are counted
    if (traceDays > 0) {
        std::printf("One child on the learning path, seed %d: what each game asked and why\n",
                    firstSeed);
        simulate(Way::Path, quint32(firstSeed), traceDays, traceDays, 0);
        return 0;
    }
    std::printf("%d seeds from %d, %d children each, at most %d school days; fluency %lld ms\n\n",
                seeds, firstSeed, ClassSize, days, FluencyMs);
    std::printf("| way of drawing | school days until each fact known (game) | questions until "
                "then | school days until all 144 recalled (model) | questions until then | "
                "known after %d days (game) | recalled after %d days (model) | share right |\n",
                countDay, countDay);
    std::printf("|---|---|---|---|---|---|---|---|\n");
    const qsizetype named = arguments.indexOf(QLatin1String("--way"));
    const QString only =
        named >= 0 && named + 1 < arguments.size() ? arguments[named + 1] : QString();
    for (Way way : {Way::Uniform, Way::TodaysBest, Way::Path}) {
        if (!only.isEmpty() && QLatin1String(wayName(way)).indexOf(only) < 0)
            continue;
        std::vector<double> daysToAll, questionsToAll, daysToRecall, questionsToRecall, known20,
            recalled20, shareRight;
        for (int seed = firstSeed; seed < firstSeed + seeds; ++seed)
            for (const Child& child : simulate(way, quint32(seed), days, 0, countDay).children) {
                daysToAll.push_back(child.daysToAll < 0 ? INFINITY : child.daysToAll);
                questionsToAll.push_back(child.questionsToAll < 0 ? INFINITY
                                                                  : child.questionsToAll);
                daysToRecall.push_back(child.daysToRecall < 0 ? INFINITY : child.daysToRecall);
                questionsToRecall.push_back(child.questionsToRecall < 0 ? INFINITY
                                                                        : child.questionsToRecall);
                known20.push_back(child.knownAt20);
                recalled20.push_back(child.recalledAt20);
                shareRight.push_back(100.0 * child.rightsToAll / child.questionsCounted);
            }
        std::printf("| %s | %s | %s | %s | %s | %s | %s | %s %% |\n", wayName(way),
                    qPrintable(quartiles(daysToAll)), qPrintable(quartiles(questionsToAll)),
                    qPrintable(quartiles(daysToRecall)), qPrintable(quartiles(questionsToRecall)),
                    qPrintable(quartiles(known20)), qPrintable(quartiles(recalled20)),
                    qPrintable(quartiles(shareRight)));
        std::fflush(stdout);
    }
    return 0;
}
