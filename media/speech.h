#pragma once

#include <QString>

namespace quintarlow {

// A screen's voice. Speak returns at once; the words go on in the background and may
// overlap with another screen's.
class Speech {
public:
    virtual ~Speech() = default;
    virtual void Speak(const QString& text) = 0;
};

} // namespace quintarlow
