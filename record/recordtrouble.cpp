#include "record/recordtrouble.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>

namespace quintarlow {

namespace {
const QString TroubleKey = QStringLiteral("recordTrouble");

// The same file the progress window keeps its choices in: the window reads it from there.
QSettings settings() {
    return QSettings(QStringLiteral("quintarlow"), QStringLiteral("progress"));
}
} // namespace

void RecordTrouble::cannotWrite(const QString& why, const QDateTime& at) {
    if (said)
        return;
    said = true;
    const QString line =
        QCoreApplication::translate("RecordTrouble",
                                    "On %1 the game could not write the practice record (%2), so "
                                    "the answers played since then are not kept. Make room on "
                                    "the disk or let the game write to its folder, then play "
                                    "again.")
            .arg(QLocale().toString(
                     at, QCoreApplication::translate("RecordTrouble", "d MMMM yyyy 'at' HH:mm")),
                 why);
    settings().setValue(TroubleKey, line);
    notify(QCoreApplication::translate("RecordTrouble",
                                       "Quintarlow! is not keeping its practice record"),
           line);
}

void RecordTrouble::recordOpened() {
    settings().remove(TroubleKey);
}

QString RecordTrouble::lastTrouble() {
    return settings().value(TroubleKey).toString();
}

} // namespace quintarlow
