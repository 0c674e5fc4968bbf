#pragma once

#include <QDate>
#include <memory>
#include <vector>

namespace quintarlow {

struct KeptHistory;

// One multiplication fact as the game asks it: 7 x 8 and 8 x 7 are separate facts, because a
// child may know one and not the other.
struct Fact {
    int a = 0;
    int b = 0;
    friend bool operator==(const Fact&, const Fact&) = default;
};

// How a question ended; the record keeps it and the statistics read it.
enum class Outcome { Right, Wrong, Timeout };

// The game's own time to answer a question, and the longest a parent or teacher may give a
// child.
inline constexpr int AnswerSeconds = 20;
inline constexpr int MostAnswerSeconds = 90;

// How well the computer plays against a child alone: easy is right about half the time and
// slow, hard nine times in ten and quick, and at the child's level it follows the child.
enum class ComputerLevel { Easy, Level, Hard };

// Per-player practice settings; the default (all tables, misses not asked again, no path, the
// game's own time to answer, the computer at the child's level) is the game's own draw.
struct PracticeSettings {
    std::vector<int> tables; // 1 to 12, ascending; empty means every table
    bool askMissed = false;
    bool path = false; // the questions follow the child's learning path over the tables
    int answerSeconds = AnswerSeconds;
    ComputerLevel opponent = ComputerLevel::Level; // kept by this machine's file alone
    bool isDefault() const {
        return tables.empty() && !askMissed && !path && answerSeconds == AnswerSeconds &&
               opponent == ComputerLevel::Level;
    }
    friend bool operator==(const PracticeSettings&, const PracticeSettings&) = default;
};

// What the path draws from for one child, as the child stood on the day the game started.
struct PathPlan {
    std::vector<Fact> unknowns; // the few facts not yet known being learned now, first first
    std::vector<Fact> due;      // facts to review today (known or missed since), longest due first
    std::vector<Fact> known;    // the other known facts of the sets open, soonest due first
    QDate day;                  // the day the plan was worked out for
    int knownsBetween = 1;      // known facts asked between two unknown ones today
    bool isEmpty() const { return unknowns.empty() && due.empty() && known.empty(); }
};

// What the draw needs to know of one player: their settings and, when misses are asked again,
// their facts to practise, weakest first; on the path, where the child stands.
struct PracticePlan {
    PracticeSettings settings;
    std::vector<Fact> missed;
    int answerSeconds = AnswerSeconds;
    PathPlan path{}; // empty until the child's answers are read, and off the path
    std::vector<Outcome> recentOutcomes{}; // the child's last answers, oldest first
    // What the record keeps of the child, for what the game tells them at its end; none for a
    // player it keeps nothing of, and until it has read them.
    std::shared_ptr<const KeptHistory> kept{};
};

} // namespace quintarlow
