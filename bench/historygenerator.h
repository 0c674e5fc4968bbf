#pragma once

#include "record/recordreader.h"

#include <QDate>
#include <QIODevice>

namespace quintarlow {

// A made-up record to measure and look at the progress window with. The same options always
// give the same answers, ids included.
struct HistoryOptions {
    int players = 40;
    int answers = 100000;
    int days = 200;             // games spread over this many school days
    QDate lastDay{2026, 12, 4}; // the last of them
    quint64 seed = 26;
};

// Games of two players taking turns, oldest first. Each player knows each fact to a degree of
// their own and gets better at it with practice.
std::vector<AnswerRow> generateHistory(const HistoryOptions& options);

} // namespace quintarlow
