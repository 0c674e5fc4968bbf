#pragma once

#include "media/voicespeech.h"

namespace quintarlow {

// eSpeak NG's voice for a language other than English ("de", "es", "fr", "it", "nb"). eSpeak
// keeps process-wide state, so a process speaks the language of its first call.
VoiceEngine& espeakEngine(const QString& language);

} // namespace quintarlow
