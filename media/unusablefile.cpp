#include "media/unusablefile.h"

#include <QFileInfo>
#include <QSet>

#include <mutex>

namespace quintarlow {

void reportUnusableFile(const QString& fileName, const QString& saying) {
    // Kept for the whole run, as the files are, and shared by every screen and the speech
    // threads: the one place that knows what has been said already.
    static std::mutex lock;
    static QSet<QString> reported;
    const QString path = QFileInfo(fileName).absoluteFilePath();
    {
        const std::scoped_lock guard(lock);
        if (reported.contains(path))
            return;
        reported.insert(path);
    }
    qWarning("%s", qUtf8Printable(saying.arg(path)));
}

} // namespace quintarlow
