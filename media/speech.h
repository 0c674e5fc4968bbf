#pragma once

#include <QString>

namespace quintarlow {

// The game's one voice. `speak` returns at once; the words go on in the background until the
// next text cuts them off. A text with nothing to say (empty or blank) is no new text: it
// leaves whatever is being said alone.
class Speech {
public:
    virtual ~Speech() = default;
    virtual void speak(const QString& text) = 0;
};

} // namespace quintarlow
