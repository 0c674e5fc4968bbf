#pragma once

#include "core/fact.h"

#include <QStringList>
#include <vector>

namespace quintarlow {

// A list of tables as a teacher types it: "3,4,6" or "all".
struct TableList {
    std::vector<int> tables; // ascending, each once; empty for all
    QString error;           // one line naming what is wrong; empty when the list is good
};

// Blanks around the entries are allowed and repeats are dropped; every table from 1 to 12
// chosen is the same as "all".
TableList parseTables(const QString& text);
// "all" or "3,4,6": what parseTables reads back to the same tables.
QString tablesText(const std::vector<int>& tables);

// What a report says of the settings: "practising the 3s and 4s; missed facts asked again",
// "following the learning path over the 3s; 40 seconds to answer", or nothing for the default.
QString practiceWords(const PracticeSettings& settings);

// "7s", "3s and 4s", "2s, 5s and 10s": a list as a sentence says it, the last joined by "and".
QString listed(const QStringList& items);
// "the 3s and 4s"
QString tablesWords(const std::vector<int>& tables);

} // namespace quintarlow
