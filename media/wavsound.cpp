#include "media/wavsound.h"

#include "media/mediawords.h"
#include "media/unusablefile.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace quintarlow {

namespace {

struct WavFormat {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    int blockAlign = 0;
};

constexpr quint16 formatPcm = 0x0001;
constexpr quint16 formatExtensible = 0xFFFE;
// Anything longer is not a format chunk any writer produces; refusing it keeps a damaged size
// field from asking for gigabytes.
constexpr quint32 largestFormatChunk = 1024;

quint16 le16(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

quint32 le32(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

std::optional<WavFormat> parseFormat(const QByteArray& chunk) {
    if (chunk.size() < 16)
        return std::nullopt;
    quint16 code = le16(chunk, 0);
    // Some tools write plain PCM in the extensible layout; the real code is then the first two
    // bytes of the sub-format GUID.
    if (code == formatExtensible) {
        if (chunk.size() < 40)
            return std::nullopt;
        code = le16(chunk, 24);
    }
    if (code != formatPcm)
        return std::nullopt;
    WavFormat format;
    format.channels = le16(chunk, 2);
    format.sampleRate = static_cast<int>(std::min<quint32>(le32(chunk, 4), 1'000'000));
    format.blockAlign = le16(chunk, 12);
    format.bitsPerSample = le16(chunk, 14);
    if (format.channels < 1 || format.channels > 2)
        return std::nullopt;
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16)
        return std::nullopt;
    if (format.sampleRate < 4000 || format.sampleRate > 192000)
        return std::nullopt;
    if (format.blockAlign != format.channels * format.bitsPerSample / 8)
        return std::nullopt;
    return format;
}

std::int64_t framesWithin(std::chrono::milliseconds longest, int sampleRate) {
    if (longest.count() <= 0)
        return 0;
    if (longest.count() > std::numeric_limits<std::int64_t>::max() / sampleRate)
        return std::numeric_limits<std::int64_t>::max();
    return longest.count() * sampleRate / 1000;
}

PcmSound decodeSamples(const QByteArray& bytes, const WavFormat& format) {
    PcmSound sound;
    sound.channels = format.channels;
    sound.sampleRate = format.sampleRate;
    if (format.bitsPerSample == 8) {
        sound.samples.reserve(bytes.size());
        for (const char byte : bytes) {
            // 8-bit WAV samples are unsigned with the silence at 128.
            const int centred = static_cast<unsigned char>(byte) - 128;
            sound.samples.push_back(static_cast<std::int16_t>(centred * 256));
        }
    } else {
        const auto count = bytes.size() / 2;
        sound.samples.reserve(count);
        for (qsizetype index = 0; index < count; ++index)
            sound.samples.push_back(qFromLittleEndian<qint16>(bytes.constData() + 2 * index));
    }
    return sound;
}

} // namespace

std::optional<PcmSound> readWavFile(const QString& fileName, std::chrono::milliseconds longest) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return std::nullopt;

    std::optional<WavFormat> format;
    for (;;) {
        const QByteArray header = file.read(8);
        if (header.size() < 8)
            return std::nullopt;
        const QByteArray id = header.left(4);
        const quint32 size = le32(header, 4);
        const qint64 remaining = file.size() - file.pos();
        if (id == "data") {
            if (!format || size > remaining)
                return std::nullopt;
            const std::int64_t frames = std::min<std::int64_t>(
                size / format->blockAlign, framesWithin(longest, format->sampleRate));
            if (frames <= 0)
                return std::nullopt;
            const qint64 bytes = frames * format->blockAlign;
            const QByteArray data = file.read(bytes);
            if (data.size() != bytes)
                return std::nullopt;
            return decodeSamples(data, *format);
        }
        if (id == "fmt ") {
            if (size > largestFormatChunk || size > remaining)
                return std::nullopt;
            format = parseFormat(file.read(size));
            if (!format)
                return std::nullopt;
            if (size % 2 != 0)
                file.skip(1);
            continue;
        }
        // Chunks are padded to an even length.
        if (!file.seek(file.pos() + size + size % 2))
            return std::nullopt;
    }
}

PcmSound fallbackTone() {
    constexpr int rate = 22050;
    constexpr double frequency = 880.0;
    constexpr int frames = rate * 150 / 1000;
    constexpr int attackFrames = rate * 5 / 1000;
    constexpr double peak = 0.35 * 32767.0;
    PcmSound tone;
    tone.sampleRate = rate;
    tone.samples.reserve(frames);
    for (int frame = 0; frame < frames; ++frame) {
        // A quick rise and a cosine fade to nothing: no click at either end.
        const double rise = std::min(1.0, static_cast<double>(frame) / attackFrames);
        const double fade =
            0.5 * (1.0 + std::cos(std::numbers::pi * frame / static_cast<double>(frames - 1)));
        const double wave = std::sin(2.0 * std::numbers::pi * frequency * frame / rate);
        tone.samples.push_back(static_cast<std::int16_t>(std::lround(peak * rise * fade * wave)));
    }
    return tone;
}

const PcmSound& defaultSound() {
    static const PcmSound sound =
        readWavFile(QString::fromLatin1(defaultSoundResource)).value_or(fallbackTone());
    return sound;
}

PcmSound readWavOrDefault(const QString& fileName, std::chrono::milliseconds longest) {
    if (std::optional<PcmSound> sound = readWavFile(fileName, longest))
        return std::move(*sound);
    reportUnusableFile(fileName, MediaWords::tr("Quintarlow!: the sound %1 is missing or damaged; "
                                                "a short beep plays instead."));
    return defaultSound();
}

} // namespace quintarlow
