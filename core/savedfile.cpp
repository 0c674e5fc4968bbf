#include "core/savedfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace quintarlow {

namespace {

// A device's own words for a failure the file device does not keep (fsync's).
QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Every byte written, or the reason not.
QString writeAll(QFileDevice& file, const FileFill& fill) {
    if (!fill(file))
        return file.error() != QFileDevice::NoError
                   ? file.errorString()
                   : QStringLiteral("the contents could not be made");
    if (file.error() != QFileDevice::NoError || !file.flush())
        return file.errorString();
    return {};
}

QString writeDirectly(const QString& path, const FileFill& fill) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    return writeAll(file, fill);
}

} // namespace

QString eraseFile(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return file.errorString();
    const QByteArray zeros(64 * 1024, '\0');
    for (qint64 left = file.size(); left > 0; left -= zeros.size())
        if (file.write(zeros.constData(), std::min<qint64>(left, zeros.size())) < 0)
            return file.errorString();
    if (::fsync(file.handle()) != 0)
        return systemError();
    file.close();
    if (!file.remove())
        return file.errorString();
    return {};
}

QString notAFile(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode))
        return {};
    if (S_ISFIFO(status.st_mode))
        return QStringLiteral("a named pipe");
    if (S_ISDIR(status.st_mode))
        return QStringLiteral("a folder");
    if (S_ISSOCK(status.st_mode))
        return QStringLiteral("a socket");
    return QStringLiteral("a device");
}

QString landingPath(const QString& path) {
    QFileInfo info(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
    // A chain of links, as the kernel follows it (it gives up after 40).
    for (int hop = 0; info.isSymLink() && hop < 40; ++hop)
        info.setFile(QDir::cleanPath(info.dir().absoluteFilePath(info.symLinkTarget())));
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = landingPath(info.path());
    return QDir(folder.isEmpty() ? info.path() : folder).filePath(info.fileName());
}

QString refusedTarget(const QString& path, const QString& keptOutOf) {
    if (keptOutOf.isEmpty())
        return {};
    const QString target = landingPath(path);
    const QString folder = landingPath(keptOutOf);
    if (target != folder && !target.startsWith(folder + QLatin1Char('/')))
        return {};
    return QStringLiteral("it is in %1, the folder of the practice record, which no command "
                          "writes over")
        .arg(folder);
}

QString writeWholeFile(const QString& path, const FileFill& fill, const QString& keptOutOf) {
    if (QString refused = refusedTarget(path, keptOutOf); !refused.isEmpty())
        return refused;
    const QString target = landingPath(path);
    if (const QString kind = notAFile(target); kind == QLatin1String("a folder"))
        return QStringLiteral("it is a folder");
    else if (!kind.isEmpty())
        return writeDirectly(target, fill);
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QString failure = writeAll(file, fill);
    // The rename that follows must not leave a name whose contents the disk never took.
    if (failure.isEmpty() && ::fsync(file.handle()) != 0)
        failure = systemError();
    if (!failure.isEmpty()) {
        file.cancelWriting();
        file.commit();
        return failure;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString writeWholeFile(const QString& path, const QByteArray& bytes, const QString& keptOutOf) {
    return writeWholeFile(
        path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); },
        keptOutOf);
}

} // namespace quintarlow
