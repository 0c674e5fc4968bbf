#pragma once

#include "media/pcmsound.h"
#include "media/speechpauses.h"

#include <QList>

#include <mutex>
#include <optional>
#include <stop_token>

namespace quintarlow {

// Phrases said in one go, each followed by its pause.
using Utterance = QList<SpeechPhrase>;

// A speech synthesiser as the game's voice uses it. Synthesisers keep process-wide state and are
// not known to be thread-safe: every call is made with `lock()` held.
class VoiceEngine {
public:
    virtual ~VoiceEngine() = default;
    virtual std::mutex& lock() = 0;
    // Loads the voice on its first call; false when it cannot be, and the game stays silent.
    virtual bool load() = 0;
    // When load() fails: what is missing and which package brings it.
    virtual QString whatIsMissing() const = 0;
    // The phrases said, each followed by exactly its pause in silence; empty when stopped.
    virtual PcmSound say(const Utterance& phrases, std::stop_token stop) = 0;
    // Called once the voice's level has been worked out, which reads most of its data.
    virtual void levelWorkedOut() {}
    // How many characters of text one utterance may hold before the synthesiser slows down.
    virtual qsizetype longestUtterance() const { return 80; }

    // The gain that brings the voice to the game's level, worked out on first use.
    std::optional<double> gainDb;
    // A voice that cannot be loaded is said once on stderr, however many texts go unsaid.
    bool missingTold = false;
};

} // namespace quintarlow
