#pragma once

#include <QCoreApplication>

namespace quintarlow {

// The lines the sounds, pictures and voices say on stderr to whoever started the game.
struct MediaWords {
    Q_DECLARE_TR_FUNCTIONS(quintarlow::MediaWords)
};

} // namespace quintarlow
