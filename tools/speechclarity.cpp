// What the voice sounds like, for judging its clarity and level (tools/speech-clarity-check.sh):
//   quintarlow_speechclarity speak FOLDER     every question the game asks, as the game says it,
//                                             into FOLDER/AxB.wav (mono 16-bit WAV)
//   quintarlow_speechclarity measure FILE...  one line of figures for each WAV file
// The questions go through the voice's own synthesis and levelling, the samples that reach the
// device, without a device. The figures are the game's own loudness measure and how the peaks
// sit: how many samples come within 0.1 dB of the file's largest one, and the longest run of
// such samples one after another (a held or clipped peak makes runs).

#include "core/spokentexts.h"
#include "media/flitespeech.h"
#include "media/loudness.h"
#include "media/wavsound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace quintarlow;

namespace {

template <typename T> QByteArray littleEndian(T value) {
    const T little = qToLittleEndian(value);
    return {reinterpret_cast<const char*>(&little), sizeof(T)};
}

bool writeWav(const QString& fileName, const PcmSound& sound) {
    QByteArray data(2 * qsizetype(sound.samples.size()), '\0');
    qToLittleEndian<std::int16_t>(sound.samples.data(), sound.samples.size(), data.data());
    const auto rate = quint32(sound.sampleRate);
    const auto channels = quint16(sound.channels);
    const QByteArray format = littleEndian<quint16>(1) + littleEndian(channels) +
                              littleEndian(rate) + littleEndian<quint32>(rate * channels * 2) +
                              littleEndian<quint16>(channels * 2) + littleEndian<quint16>(16);
    const QByteArray chunks = "fmt " + littleEndian<quint32>(format.size()) + format + "data" +
                              littleEndian<quint32>(data.size()) + data;
    QFile file(fileName);
    const QByteArray bytes = "RIFF" + littleEndian<quint32>(4 + chunks.size()) + "WAVE" + chunks;
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

int speak(const QString& folder) {
    if (!QDir().mkpath(folder))
        return 1;
    for (int first = 1; first <= 12; ++first)
        for (int second = 1; second <= 12; ++second) {
            const PcmSound spoken = synthesiseSpeech(Texts::question(first, second));
            if (spoken.samples.empty() ||
                !writeWav(QDir(folder).filePath(QStringLiteral("%1x%2.wav").arg(first).arg(second)),
                          spoken)) {
                std::fprintf(stderr, "could not say or write %dx%d\n", first, second);
                return 1;
            }
        }
    return 0;
}

int measure(const QStringList& files) {
    std::printf("file\tvoiced_dbfs\tpeak_dbfs\tnear_peak\tlongest_run\n");
    for (const QString& file : files) {
        const std::optional<PcmSound> sound = readWavFile(file);
        if (!sound) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
            return 1;
        }
        int peak = 0;
        for (const std::int16_t sample : sound->samples)
            peak = std::max(peak, std::abs(int(sample)));
        const double nearPeak = peak * std::pow(10.0, -0.1 / 20.0);
        int near = 0, run = 0, longest = 0;
        for (const std::int16_t sample : sound->samples) {
            run = std::abs(int(sample)) >= nearPeak ? run + 1 : 0;
            near += run > 0;
            longest = std::max(longest, run);
        }
        std::printf("%s\t%.2f\t%.2f\t%d\t%d\n", qPrintable(QFileInfo(file).fileName()),
                    voicedLevelDbfs(*sound), peakDbfs(*sound), near, longest);
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() == 2 && arguments.front() == QLatin1String("speak"))
        return speak(arguments.back());
    if (arguments.size() >= 2 && arguments.front() == QLatin1String("measure"))
        return measure(arguments.mid(1));
    std::fprintf(stderr, "usage: quintarlow_speechclarity speak FOLDER\n"
                         "       quintarlow_speechclarity measure FILE...\n");
    return 2;
}
