#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

namespace quintarlow {

// Writes the file's contents into the device; false when the contents could not be made.
using FileFill = std::function<bool(QIODevice&)>;

// The one way the program writes a file: into a file beside it, every write, the flush and the
// sync to disk checked, then renamed into place, so that a full disk or a failed write leaves
// nothing under `path` that looks complete. A device or a pipe named as the target is written
// directly, every write checked. A target inside `keptOutOf` (however the path is spelled:
// symlinks, "..") is refused before anything is written. Returns the reason it failed, empty
// when the file is written.
QString writeWholeFile(const QString& path, const FileFill& fill, const QString& keptOutOf = {});
QString writeWholeFile(const QString& path, const QByteArray& bytes, const QString& keptOutOf = {});

// Why a write to `path` is refused, because it lands inside `keptOutOf`; empty when it is not
// (or `keptOutOf` is empty).
QString refusedTarget(const QString& path, const QString& keptOutOf);

// Overwrites the file's bytes with zeros on the disk and then removes it, so that what it held
// is gone with it (the file as the file system keeps it; a copy-on-write file system or a
// backup may keep older blocks). Returns why not, empty when done or when there is no file.
QString eraseFile(const QString& path);

// What `path` is when it exists and is not a regular file ("a named pipe", "a device", "a
// folder", "a socket"); empty otherwise. Symlinks are followed.
QString notAFile(const QString& path);

// The path a write to `path` lands on: symlinks followed, "." and ".." resolved, also for a
// file that does not exist yet.
QString landingPath(const QString& path);

} // namespace quintarlow
