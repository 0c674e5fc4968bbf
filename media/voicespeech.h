#pragma once

#include "media/pcmsound.h"
#include "media/speech.h"
#include "media/voiceengine.h"

#include <functional>
#include <memory>

namespace quintarlow {

// The words as the voice says them, without playing them: mono, at the voice's rate, raised to
// the game's loudness. Runs of commas become silences of their own length. Empty when the
// voice cannot be loaded.
PcmSound synthesiseSpeech(VoiceEngine& engine, const QString& text);

// What a measuring tool may ask of the voice; the game uses none of it.
struct SpeechHooks {
    // Called on the speaking thread as the first samples of a text go to the device.
    std::function<void(const QString& text)> firstSamplesHandedOver;
    // Without a sound device, synthesise all the same and hand the samples to nobody.
    bool speakWithoutDevice = false;
};

// The game's one voice on ALSA's "default" device. A new `speak` cuts off whatever is being said
// and says the new text from its start; an empty or blank text cuts off nothing. `speak` itself
// returns at once.
// The text is synthesised and played an utterance at a time on a worker thread, which ends when
// there is nothing left to say. `speak` is meant to be called from one thread, the one that owns
// the object.
class VoiceSpeech : public Speech {
public:
    explicit VoiceSpeech(VoiceEngine& engine, SpeechHooks hooks = {});
    // Cuts off what is being said. Waits a moment for the worker to end, and never for a
    // worker stuck in the device: that one is left behind and ends when the device lets go.
    ~VoiceSpeech() override;
    VoiceSpeech(const VoiceSpeech&) = delete;
    VoiceSpeech& operator=(const VoiceSpeech&) = delete;

    void speak(const QString& text) override;

    struct Voice;

private:
    std::shared_ptr<Voice> voice_;
};

} // namespace quintarlow
