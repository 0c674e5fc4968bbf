#include "record/recordchoice.h"

#include "record/recordrows.h"
#include "record/recordwords.h"

#include <QMetaObject>

namespace quintarlow {

std::unique_ptr<SqliteRecord> openKeptRecord(QString* error, SqliteRecord::Damaged damaged,
                                             QString* advice) {
    return SqliteRecord::open(SqliteRecord::defaultFolder(), error, damaged, advice);
}

ReadRecord::ReadRecord(SqliteRecord::Damaged damaged) {
    QString problem;
    const ServerSettings server = ServerSettings::forThisMachine(&problem);
    // Settings meant to name a server: reading the file instead would look like a school
    // with one machine.
    if (!problem.isEmpty()) {
        m_error = problem;
        m_advice = RecordWords::tr("The settings are kept in /etc/xdg/quintarlow/quintarlow.conf "
                                   "and ~/.config/quintarlow/quintarlow.conf.");
        return;
    }
    m_fromServer = server.isSet();
    if (m_fromServer) {
        m_server = ServerRecord::open(server, &m_error);
        // The error says what to do next about the server itself.
        if (!m_server)
            m_advice = RecordWords::tr("See the README, For schools.");
    } else
        m_file = openKeptRecord(&m_error, damaged, &m_advice);
}

QString ReadRecord::advice() const {
    if (!m_advice.isEmpty())
        return m_advice;
    return m_fromServer ? ServerRecord::unreadableAdvice() : SqliteRecord::unreadableAdvice();
}

RecordReader* ReadRecord::reader() const {
    if (m_server)
        return m_server.get();
    return m_file.get();
}

RecordEditor* ReadRecord::editor() const {
    if (m_server)
        return m_server.get();
    return m_file.get();
}

PlayRecord::PlayRecord(bool wanted, qint64 fluencyMs) {
    if (!wanted)
        return;
    m_kept = SqliteRecord::openForPlay(SqliteRecord::defaultFolder());
    m_kept->setFluencyMs(fluencyMs);
    QString problem;
    if (const ServerSettings server = ServerSettings::forThisMachine(&problem);
        problem.isEmpty() && server.isSet())
        m_kept->playInClass(classKey(server.className));
    m_sender = RecordSender::forThisMachine(m_kept->fileName());
    if (!m_sender)
        return;
    // The record's thread only asks; the round itself starts on the game's thread.
    m_kept->onWritten([sender = m_sender.get()] {
        QMetaObject::invokeMethod(sender, &RecordSender::sendNow, Qt::QueuedConnection);
    });
    // The round may have brought the school's practice settings into the file.
    QObject::connect(m_sender.get(), &RecordSender::roundEnded, m_sender.get(),
                     [kept = m_kept.get()] { kept->reloadSettings(); });
}

void PlayRecord::tellTrouble(std::function<void(const QString&)> cannotWrite,
                             std::function<void()> opened) {
    if (!m_kept)
        return;
    m_kept->onGivenUp(std::move(cannotWrite));
    m_kept->onOpened(std::move(opened));
}

void PlayRecord::startOpening() {
    if (m_kept)
        m_kept->startOpening();
    if (m_sender)
        m_sender->sendNow();
}

PlayRecord::~PlayRecord() {
    // Everything reported is written before the sender it would ask goes.
    if (m_kept && m_sender) {
        m_kept->waitUntilWritten();
        m_kept->onWritten({});
    }
}

PracticeRecord& PlayRecord::record() {
    if (m_kept)
        return *m_kept;
    return m_none;
}

} // namespace quintarlow
