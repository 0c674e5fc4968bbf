#pragma once

#include "core/fact.h"
#include "core/factstats.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace quintarlow {

// What the record knew of a child when the game started: their answers before it, oldest
// first, and the fluency time their facts are judged by.
struct KeptHistory {
    std::vector<FactAnswer> answers;
    qint64 fluencyMs = DefaultFluencyMs;
};

// What one child did in the game just ended, told to them when it ends.
struct GameSummary {
    QString name;
    int asked = 0;
    int right = 0;
    int newlyKnown = 0; // facts the Practice Record calls known after the game, not before
    // On the path, the table being learned (0 once every one is); else none.
    int learningTable = 0;
    std::vector<int> tables; // the chosen tables practised off the path; empty: all
    bool onPath = false;
};

// The summary of `game` (this game's answers, on `today`) for a child whose answers before it
// were `before`.
GameSummary summariseGame(const QString& name, const KeptHistory& before,
                          const std::vector<FactAnswer>& game, const PracticeSettings& settings,
                          const QDate& today);

// "Maya: 7 of 9 right", "2 new facts known", "learning the 5s": as the board shows it, in parts
// that go on one line or over two; and as the voice says it.
QStringList shownSummary(const GameSummary& summary);
QString spokenSummary(const GameSummary& summary);

} // namespace quintarlow
