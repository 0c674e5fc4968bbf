#pragma once

#include <QFile>
#include <QTemporaryDir>

namespace quintarlow::testing {

// Gives this process an ALSA configuration of its own, so that the tests behave the same with
// a sound card as without one, and never make a noise. ALSA reads its configuration again
// whenever ALSA_CONFIG_PATH names another file.
class AlsaTestDevice {
public:
    bool isValid() const { return directory_.isValid(); }
    QString filePath(const QString& name) const { return directory_.filePath(name); }

    // No "default" device at all, as on a machine without a sound card.
    bool useNoDevice() { return use(QStringLiteral("none.conf"), {}); }

    // "default" takes samples as fast as they come and keeps them in a file.
    bool useCaptureDevice() {
        QFile::remove(filePath(QStringLiteral("captured.raw")));
        return use(QStringLiteral("capture.conf"),
                   "pcm.!default { type file slave.pcm { type null } file \"" +
                       QFile::encodeName(filePath(QStringLiteral("captured.raw"))) +
                       "\" format \"raw\" }\n");
    }

    QByteArray captured() const {
        QFile file(filePath(QStringLiteral("captured.raw")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    bool use(const QString& name, const QByteArray& config) {
        QFile file(filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(config) != config.size())
            return false;
        file.close();
        return qputenv("ALSA_CONFIG_PATH", QFile::encodeName(file.fileName()));
    }

    QTemporaryDir directory_;
};

} // namespace quintarlow::testing
