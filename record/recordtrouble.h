#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

namespace quintarlow {

// A record the game could not write is said where a parent will see it, without stopping the
// game or touching its screens: once on the desktop, and on the progress window's own line
// until the game next opens its record fine.
class RecordTrouble {
public:
    // Says a summary and its body on the desktop; returns at once.
    using Notify = std::function<void(const QString& summary, const QString& body)>;

    explicit RecordTrouble(Notify notify) : notify(std::move(notify)) {}

    // The answers from `at` on are not kept, for the reason given; said once a run.
    void cannotWrite(const QString& why, const QDateTime& at);
    // The record opened fine: what was said before is over.
    void recordOpened();

    // The progress window's line; empty when the last game kept its record.
    static QString lastTrouble();

private:
    Notify notify;
    bool said = false;
};

} // namespace quintarlow
