#pragma once

#include "core/fact.h"

#include <QDate>
#include <optional>
#include <vector>

class QRandomGenerator;

namespace quintarlow {

// What the draw remembers of one player from one of their questions to the next.
struct DrawMemory {
    std::optional<Fact> previous; // the player's last question
    // On the learning path: known facts asked since the last unknown one, whose turn it is
    // among the unknown ones, and the reviews already asked on the plan's day.
    int knownsSinceUnknown = 0;
    int nextUnknown = 0;
    std::vector<Fact> reviewed;
    QDate reviewedOn;
    // The products whose squares the player holds now: on the path, a question whose square is
    // still to win goes first among those that teach about as much.
    std::vector<int> heldProducts;
};

// The one place where a question is drawn.
//
// The default plan is the game's own draw: each factor uniformly from 1 to 12, independently.
// With tables chosen, one factor comes from the chosen tables and the other from 1 to 12, and
// a coin decides which of them is asked first, so 3 x 7 and 7 x 3 both occur.
// With missed facts asked again, a coin decides each question whenever the list holds a fact
// other than the player's last question: heads, a fact from the list (any but that one, all
// equally likely); tails, and whenever no such fact is left, the draw above. So at most half
// of the questions come from the list: exactly half while it holds two facts or more, a third
// with a single fact, none with an empty list. A missed fact is never asked twice in a row:
// a draw from the tables that would repeat it is drawn again.
// On the learning path, once the child's place on it is known, drawOnPath decides instead.
Fact drawQuestion(const PracticePlan& plan, DrawMemory& memory, QRandomGenerator& random);

} // namespace quintarlow
