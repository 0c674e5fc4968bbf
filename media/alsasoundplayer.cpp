#include "media/alsasoundplayer.h"

#include "media/alsaoutput.h"
#include "media/wavsound.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace quintarlow {

namespace {
using namespace std::chrono_literals;
constexpr auto startMargin = 500ms;
// How long the previous playback may take to let go of the device after its time is up
// before the device counts as stuck.
constexpr auto releaseTime = 100ms;
} // namespace

// One sound on its thread, shared with that thread so that either may outlive the other.
struct AlsaSoundPlayer::Playback {
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    std::stop_source stop;

    bool waitUntil(AlsaOutput::Clock::time_point deadline) {
        std::unique_lock lock(mutex);
        return ended.wait_until(lock, deadline, [this] { return done; });
    }
};

std::chrono::milliseconds playbackTimeLimit(std::chrono::milliseconds soundLength) {
    const auto length = std::clamp(soundLength, 0ms, longestSoundPlayback);
    return std::min(length + startMargin, longestSoundPlayback);
}

AlsaSoundPlayer::AlsaSoundPlayer() = default;

AlsaSoundPlayer::~AlsaSoundPlayer() {
    // Never waits: a playback still running is stuck in the device and is left to it.
    if (last_)
        last_->stop.request_stop();
}

void AlsaSoundPlayer::playSoundFile(const QString& fileName) {
    if (last_ && !last_->waitUntil(AlsaOutput::Clock::now() + releaseTime))
        return;
    const auto started = AlsaOutput::Clock::now();
    auto sound = std::make_shared<const PcmSound>(readWavOrDefault(fileName, longestSoundPlayback));
    const auto deadline = started + playbackTimeLimit(sound->duration());
    auto playback = std::make_shared<Playback>();
    try {
        std::thread([playback, sound, deadline] {
            if (std::optional<AlsaOutput> output = AlsaOutput::openDefault())
                output->play(*sound, deadline, playback->stop.get_token());
            const std::scoped_lock lock(playback->mutex);
            playback->done = true;
            playback->ended.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        return; // out of threads: this sound goes unheard
    }
    last_ = playback;
    if (!playback->waitUntil(deadline))
        playback->stop.request_stop();
}

} // namespace quintarlow
