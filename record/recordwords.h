#pragma once

#include <QCoreApplication>

namespace quintarlow {

// The record's reasons, read by the user inside the game's and the command line's messages.
struct RecordWords {
    Q_DECLARE_TR_FUNCTIONS(quintarlow::RecordWords)
};

} // namespace quintarlow
