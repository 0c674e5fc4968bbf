#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtEndian>

#include <cstdint>
#include <sys/stat.h>
#include <vector>

namespace quintarlow::testing {

// The little-endian bytes of a value, as WAV files hold them.
template <typename T> QByteArray le(T value) {
    const T little = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char*>(&little), sizeof(T));
}

// A RIFF chunk, padded to an even length.
inline QByteArray chunk(const QByteArray& id, const QByteArray& body) {
    return id + le<quint32>(body.size()) + body + QByteArray(body.size() % 2, '\0');
}

inline QByteArray formatChunk(quint16 code, quint16 channels, quint32 rate, quint16 bits) {
    const quint16 blockAlign = channels * bits / 8;
    return chunk("fmt ", le(code) + le(channels) + le(rate) + le(rate * blockAlign) +
                             le(blockAlign) + le(bits));
}

inline QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + le<quint32>(4 + chunks.size()) + "WAVE" + chunks;
}

inline QByteArray samples16(const std::vector<std::int16_t>& samples) {
    QByteArray bytes(2 * qsizetype(samples.size()), '\0');
    qToLittleEndian<std::int16_t>(samples.data(), samples.size(), bytes.data());
    return bytes;
}

inline QByteArray wav16(quint16 channels, quint32 rate, const std::vector<std::int16_t>& samples) {
    return riff(formatChunk(1, channels, rate, 16) + chunk("data", samples16(samples)));
}

inline bool writeFile(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The threads and open files of this process, to see that nothing is left behind. Qt's own
// worker pool (large pictures are converted on it) keeps idle threads for half a minute; they
// are Qt's to reuse, not the game's, so they are let go before counting.
inline std::pair<int, int> threadsAndHandles() {
    QThreadPool::globalInstance()->waitForDone();
    const auto count = [](const char* folder) {
        return int(QDir(QString::fromLatin1(folder))
                       .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)
                       .size());
    };
    return {count("/proc/self/task"), count("/proc/self/fd")};
}

template <typename Call> qint64 millisecondsTaken(Call&& call) {
    QElapsedTimer timer;
    timer.start();
    call();
    return timer.elapsed();
}

// Gives this process an ALSA configuration of its own, in a temporary folder that also holds the
// test's files, so that the tests behave the same with a sound card as without one, and never
// make a noise. ALSA reads its configuration again whenever ALSA_CONFIG_PATH names another file.
class AlsaTestDevice : public QTemporaryDir {
public:
    // No "default" device at all, as on a machine without a sound card.
    bool useNoDevice() { return use("none.conf", {}); }

    // "default" takes samples as fast as they come, without playing them out, and keeps them.
    bool useCaptureDevice() {
        QFile::remove(capture());
        return useFile("capture.conf", capture());
    }

    QByteArray captured() const {
        QFile file(capture());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // "default" writes into a new pipe, which blocks once full until someone reads it.
    bool usePipe(const QString& pipe) {
        return mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0 && useFile("pipe.conf", pipe);
    }

private:
    QString capture() const { return filePath(QStringLiteral("captured.raw")); }

    bool useFile(const char* name, const QString& file) {
        return use(name, "pcm.!default { type file slave.pcm { type null } file \"" +
                             QFile::encodeName(file) + "\" format \"raw\" }\n");
    }

    bool use(const char* name, const QByteArray& config) {
        const QString path = filePath(QString::fromLatin1(name));
        return writeFile(path, config) && qputenv("ALSA_CONFIG_PATH", QFile::encodeName(path));
    }
};

} // namespace quintarlow::testing
