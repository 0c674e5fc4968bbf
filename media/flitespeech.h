#pragma once

#include "pcmsound.h"
#include "speech.h"

#include <atomic>
#include <list>
#include <thread>

namespace quintarlow {

// The words as the voice says them, without playing them: mono, at the voice's rate. Runs of
// commas become silences of their own length. Empty when the voice cannot be loaded.
PcmSound synthesiseSpeech(const QString& text);

// Speaks with flite's cmu_us_kal16 voice on ALSA's "default" device. Every utterance gets its
// own worker thread, so Speak returns at once and utterances may overlap. Speak is meant to be
// called from one thread, the one that owns the object.
class FliteSpeech final : public Speech {
public:
    FliteSpeech() = default;
    // Cuts off what is still being said and waits for every worker to end.
    ~FliteSpeech() override;
    FliteSpeech(const FliteSpeech&) = delete;
    FliteSpeech& operator=(const FliteSpeech&) = delete;

    void Speak(const QString& text) override;

private:
    struct Worker {
        std::atomic<bool> finished{false};
        std::jthread thread;
    };

    void joinFinishedWorkers();

    // A list, so that a running worker's flag stays where it is while others come and go.
    std::list<Worker> workers_;
};

} // namespace quintarlow
