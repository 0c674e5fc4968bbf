#include "app/datafolder.h"

#include <QDir>
#include <QFileInfo>

namespace quintarlow {

DataFolderChoice chooseDataFolder(const QString& current, const QString& executableFolder,
                                  const QString& installedRelative, const QString& sourceData) {
    const QDir executable(executableFolder);
    QStringList candidates{current, QDir::cleanPath(executable.filePath(installedRelative))};
    if (!sourceData.isEmpty() && executable.exists(QStringLiteral("CMakeCache.txt")))
        candidates.append(sourceData);

    DataFolderChoice choice;
    for (const QString& candidate : candidates) {
        choice.tried.append(QDir::toNativeSeparators(candidate));
        if (QFileInfo(QDir(candidate).filePath(QStringLiteral("gif"))).isDir()) {
            choice.folder = candidate;
            break;
        }
    }
    return choice;
}

} // namespace quintarlow
