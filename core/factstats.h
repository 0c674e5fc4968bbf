#pragma once

#include "fact.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace quintarlow {

// One answer as the statistics read it: which fact, how it ended, how long it took and on
// which day (local to where it was played). A history lists them oldest first.
struct FactAnswer {
    int a = 0;
    int b = 0;
    Outcome outcome = Outcome::Right;
    qint64 ms = 0;
    QDate day;
};

// The fluency times a parent or teacher can choose, and the one chosen until they do.
inline constexpr std::array<int, 3> FluencyChoicesMs = {3000, 6000, 10000};
inline constexpr int DefaultFluencyMs = 6000;

// Factors run from 1 to 12; the grid has a cell for each ordered pair.
inline constexpr int FactorCount = 12;

enum class FactStatus {
    NotAsked,
    Known,  // right in at least 2 of the last 3 tries, each of those within the fluency time
    Slow,   // answered right at least as often as not lately, but not yet known
    Missed, // wrong or timed out in the last 3 tries more often than right
};

struct FactStats {
    FactStatus status = FactStatus::NotAsked;
    int tries = 0;
    int rights = 0;
    std::optional<qint64> medianRightMs; // none until it is answered right once
    std::vector<Outcome> lastFive;       // oldest first
};

// A fact's statistics from its own answers (oldest first; other facts' answers are skipped).
FactStats factStats(const std::vector<FactAnswer>& history, Fact fact, qint64 fluencyMs);

// Every fact's statistics at once, indexed [a - 1][b - 1]; one pass over the history.
using FactGrid = std::array<std::array<FactStats, FactorCount>, FactorCount>;
FactGrid factGrid(const std::vector<FactAnswer>& history, qint64 fluencyMs);

struct FactToPractise {
    Fact fact;
    QString text; // "7 × 8 = 56: missed 3 of the last 4"
};

// The weakest facts, weakest first; at most `count`, fewer when fewer are weak.
std::vector<FactToPractise> factsToPractise(const std::vector<FactAnswer>& history,
                                            qint64 fluencyMs, int count = 6);
// The same from statistics already worked out.
std::vector<FactToPractise> factsToPractise(const FactGrid& grid, int count = 6);

// One day of play, as the progress chart draws it.
struct DayProgress {
    QDate day;
    int answers = 0;
    int rights = 0;
    std::optional<qint64> medianRightMs;
};

// The last `days` days that have answers, oldest first.
std::vector<DayProgress> dailyProgress(const std::vector<FactAnswer>& history, int days = 30);

// "missed", "known", ... as the legend and the screen reader say them.
QString statusWords(FactStatus status);
// "2.4": seconds with one decimal, as a cell shows them.
QString secondsText(qint64 ms);
// "7 times 8: known, median 2.4 seconds, 5 tries, 4 right, last five: right, wrong, ..."
QString factDescription(Fact fact, const FactStats& stats);

} // namespace quintarlow
