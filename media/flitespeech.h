#pragma once

#include "media/voicespeech.h"

namespace quintarlow {

// flite's cmu_us_kal16, the English voice.
VoiceEngine& fliteEngine();

// The game's English voice.
class FliteSpeech final : public VoiceSpeech {
public:
    explicit FliteSpeech(SpeechHooks hooks = {}) : VoiceSpeech(fliteEngine(), std::move(hooks)) {}
};

inline PcmSound synthesiseSpeech(const QString& text) {
    return synthesiseSpeech(fliteEngine(), text);
}

} // namespace quintarlow
