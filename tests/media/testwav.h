#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <cstdint>
#include <optional>
#include <vector>

namespace quintarlow::testing {

inline QByteArray le16(quint16 value) {
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

inline QByteArray le32(quint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

inline QByteArray chunk(const QByteArray& id, const QByteArray& body,
                        std::optional<quint32> declaredSize = std::nullopt) {
    QByteArray bytes = id + le32(declaredSize.value_or(static_cast<quint32>(body.size()))) + body;
    if (body.size() % 2 != 0 && !declaredSize)
        bytes += '\0';
    return bytes;
}

inline QByteArray formatChunk(int code, int channels, int rate, int bits) {
    const int blockAlign = channels * bits / 8;
    return chunk("fmt ", le16(code) + le16(channels) + le32(rate) + le32(rate * blockAlign) +
                             le16(blockAlign) + le16(bits));
}

inline QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + le32(4 + chunks.size()) + "WAVE" + chunks;
}

inline QByteArray samples16(const std::vector<std::int16_t>& samples) {
    QByteArray bytes;
    for (const std::int16_t sample : samples)
        bytes += le16(static_cast<quint16>(sample));
    return bytes;
}

inline QByteArray wav16(int channels, int rate, const std::vector<std::int16_t>& samples) {
    return riff(formatChunk(1, channels, rate, 16) + chunk("data", samples16(samples)));
}

inline bool writeFile(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace quintarlow::testing
