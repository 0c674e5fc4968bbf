#pragma once

#include <QCoreApplication>

#include <cstdio>

namespace quintarlow {

// The record's reasons, read by the user inside the game's and the command line's messages.
struct RecordWords {
    Q_DECLARE_TR_FUNCTIONS(quintarlow::RecordWords)
};

// A line for whoever started the game from a terminal or reads the desktop's log.
inline void sayOnStderr(const QString& line) {
    std::fprintf(stderr, "quintarlow: %s\n", qPrintable(line));
}

} // namespace quintarlow
