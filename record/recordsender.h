#pragma once

#include "record/serversettings.h"
#include "record/serversync.h"

#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

namespace quintarlow {

// Sends the local record to the school's server, in the background, for as long as the game
// runs. The game never waits on the network: each round runs in a separate process
// (`quintarlow --sync-record`), which this class starts and can end at any moment.
//
// Why a process and not a thread: a thread blocked inside libpq on a server that accepted the
// connection and then went silent cannot be stopped. Timeouts cover connecting, keepalives a
// vanished machine, but nothing covers a server that keeps the connection alive and never
// answers; quitting would then have to wait for that thread or leave it running while the
// program's objects are destroyed. A process is killed with SIGKILL at once, and since both the
// server's transaction and the local marks are atomic, a killed round loses nothing: its
// answers are sent again next round and the server skips the ones it has. A fault in the
// database driver cannot take the game down with it either. The cost, starting a process per
// round, is a few milliseconds off the game's thread, once a minute or after an answer.
class RecordSender : public QObject {
    Q_OBJECT
public:
    // The sending process: the game itself with --sync-record, or a test's own program.
    struct Command {
        QString program;
        QStringList arguments;
    };
    using Say = std::function<void(const QString&)>;

    // Says each change (cannot reach, refused, reachable again) once, through say, never with
    // a host, user or path in it.
    RecordSender(QString localDatabase, ServerSettings server, Command command, Say say,
                 QObject* parent = nullptr);
    // Ends a round still running at once, without waiting on the server.
    ~RecordSender() override;

    // The sender for this machine's settings, or none when the record stays local (no server
    // set, or a password in the settings, which is said once).
    static std::unique_ptr<RecordSender> forThisMachine(const QString& localDatabase);

    bool isSending() const { return m_process != nullptr; }
    qint64 sendingProcessId() const;

public Q_SLOTS:
    // At start, after every answer kept locally and every minute. Returns at once: starts a
    // round, or asks for one more after the round under way.
    void sendNow();
    // Every minute: a round that reaches the server even with nothing to send, so that an idle
    // machine learns of a teacher's settings and of forgotten children before its next game.
    void minuteTick();
    // A round that has taken too long is ended; its answers go next round.
    void endLongRound();

Q_SIGNALS:
    void roundEnded(quintarlow::SyncStatus status);

private:
    void roundFinished(SyncStatus status);

    QString m_localDatabase;
    ServerSettings m_server;
    Command m_command;
    Say m_say;
    QProcess* m_process = nullptr; // in Qt's parent tree while a round runs
    bool m_again = false;
    bool m_askServer = true; // the next round reaches the server even with nothing to send
    SyncStatus m_lastStatus = SyncStatus::Sent;
    QTimer m_everyMinute;
    QTimer m_roundLimit;
};

} // namespace quintarlow
