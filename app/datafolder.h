#pragma once

#include <QString>
#include <QStringList>

namespace quintarlow {

struct DataFolderChoice {
    QString folder{}; // empty when no candidate holds the pictures
    QStringList tried{};
};

// The screens open their pictures and sounds by paths relative to the current folder, so the
// game picks one folder holding gif/ at start-up: the current folder, else the installed data
// at `installedRelative` from the executable's folder, else the source tree's `sourceData` when
// the executable sits in a CMake build folder.
DataFolderChoice chooseDataFolder(const QString& current, const QString& executableFolder,
                                  const QString& installedRelative, const QString& sourceData);

} // namespace quintarlow
