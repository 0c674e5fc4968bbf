#pragma once

#include <vector>

namespace quintarlow {

// One multiplication fact as the game asks it: 7 x 8 and 8 x 7 are separate facts, because a
// child may know one and not the other.
struct Fact {
    int a = 0;
    int b = 0;
    friend bool operator==(const Fact&, const Fact&) = default;
};

// How a question ended; the record keeps it and the statistics read it.
enum class Outcome { Right, Wrong, Timeout };

// Per-player practice settings; the default (all tables, misses not asked again) is the
// game's own draw.
struct PracticeSettings {
    std::vector<int> tables; // 1 to 12, ascending; empty means every table
    bool askMissed = false;
    bool isDefault() const { return tables.empty() && !askMissed; }
    friend bool operator==(const PracticeSettings&, const PracticeSettings&) = default;
};

// What the draw needs to know of one player: their settings and, when misses are asked again,
// their facts to practise, weakest first.
inline constexpr int AnswerSeconds = 20;

struct PracticePlan {
    PracticeSettings settings;
    std::vector<Fact> missed;
    // How long the player has for each question.
    int answerSeconds = AnswerSeconds;
};

} // namespace quintarlow
