#include "media/espeakspeech.h"

#include "media/mediawords.h"

#include <QtGlobal>

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <dlfcn.h>
#include <utility>

namespace quintarlow {

namespace {

// eSpeak NG brings PulseAudio's client and a row of codecs with it: loaded only when a game
// speaks another language, so that an English game starts without them.
struct EspeakLibrary {
    decltype(&espeak_Initialize) initialize = nullptr;
    decltype(&espeak_SetVoiceByName) setVoiceByName = nullptr;
    decltype(&espeak_SetSynthCallback) setSynthCallback = nullptr;
    decltype(&espeak_Synth) synth = nullptr;

    // The library stays loaded until the process ends: eSpeak keeps process-wide state.
    bool load() {
        void* library = dlopen("libespeak-ng.so.1", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return false;
        const auto find = [library]<typename Function>(Function& function, const char* name) {
            function = reinterpret_cast<Function>(dlsym(library, name));
            return function != nullptr;
        };
        return find(initialize, "espeak_Initialize") &&
               find(setVoiceByName, "espeak_SetVoiceByName") &&
               find(setSynthCallback, "espeak_SetSynthCallback") && find(synth, "espeak_Synth");
    }
};

// Where eSpeak's samples go while it says one phrase, and whether to give up on it.
struct Collected {
    std::vector<std::int16_t>* samples;
    const std::stop_token* stop;
};

int collect(short* samples, int count, espeak_EVENT* events) {
    auto* into = static_cast<Collected*>(events ? events->user_data : nullptr);
    if (!into)
        return 0;
    if (samples && count > 0)
        into->samples->insert(into->samples->end(), samples, samples + count);
    return into->stop->stop_requested() ? 1 : 0;
}

class EspeakEngine final : public VoiceEngine {
public:
    explicit EspeakEngine(QString language) : m_language(std::move(language)) {}

    std::mutex& lock() override { return m_lock; }

    QString whatIsMissing() const override {
        if (!m_libraryFound)
            return MediaWords::tr("eSpeak NG is not installed (install the package "
                                  "libespeak-ng1)");
        return MediaWords::tr("eSpeak NG has no voice for \"%1\" (install the package "
                              "espeak-ng-data)")
            .arg(m_language);
    }

    bool load() override {
        if (std::exchange(m_tried, true))
            return m_sampleRate > 0;
        m_libraryFound = m_espeak.load();
        if (!m_libraryFound)
            return false;
        const int sampleRate =
            m_espeak.initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (sampleRate <= 0 || m_espeak.setVoiceByName(qPrintable(m_language)) != EE_OK)
            return false;
        m_espeak.setSynthCallback(&collect);
        m_sampleRate = sampleRate;
        return true;
    }

    // Each phrase is said on its own and stripped of the silence eSpeak puts around it, then
    // followed by its own pause. A phrase that goes on is said with a comma, so that its voice
    // rises as before a pause, not falls as at the end of a sentence.
    PcmSound say(const Utterance& phrases, std::stop_token stop) override {
        PcmSound said{{}, 1, m_sampleRate};
        for (qsizetype index = 0; index < phrases.size(); ++index) {
            const SpeechPhrase& phrase = phrases[index];
            std::vector<std::int16_t> samples;
            Collected collected{&samples, &stop};
            const QByteArray text =
                (phrase.pauseAfterMs > 0 ? phrase.text + QLatin1Char(',') : phrase.text).toUtf8();
            m_espeak.synth(text.constData(), std::size_t(text.size()) + 1, 0, POS_CHARACTER, 0,
                           espeakCHARS_UTF8, nullptr, &collected);
            if (stop.stop_requested())
                return {};
            const auto first = std::find_if(samples.begin(), samples.end(),
                                            [](std::int16_t sample) { return sample != 0; });
            const auto last = std::find_if(samples.rbegin(), samples.rend(),
                                           [](std::int16_t sample) { return sample != 0; });
            if (first != samples.end())
                said.samples.insert(said.samples.end(), first, last.base());
            said.samples.insert(said.samples.end(),
                                std::size_t(phrase.pauseAfterMs) * std::size_t(m_sampleRate) / 1000,
                                0);
        }
        return said;
    }

private:
    QString m_language;
    std::mutex m_lock;
    EspeakLibrary m_espeak;
    bool m_tried = false;
    bool m_libraryFound = true;
    int m_sampleRate = 0;
};

} // namespace

VoiceEngine& espeakEngine(const QString& language) {
    static EspeakEngine engine(language);
    return engine;
}

} // namespace quintarlow
