#include "record/recordsender.h"

#include "record/recordwords.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <utility>

namespace quintarlow {

namespace {

constexpr int minuteMs = 60'000;
// Longer than connecting (10 s) and one statement (20 s) may take, shorter than a minute.
constexpr int roundLimitMs = 45'000;

QString message(SyncStatus status) {
    switch (status) {
    case SyncStatus::Sent:
        return RecordWords::tr("quintarlow: the school's record server is reachable again; kept "
                               "answers are sent");
    case SyncStatus::Unreachable:
        return RecordWords::tr("quintarlow: the school's record server cannot be reached; "
                               "answers are kept on this computer and sent later");
    case SyncStatus::NewerServer:
        return RecordWords::tr("quintarlow: the school's record server holds a newer record than "
                               "this version of the game knows; answers are kept on this "
                               "computer");
    case SyncStatus::Refused:
        return RecordWords::tr("quintarlow: the school's record server refused the answers; "
                               "answers are kept on this computer and sent later");
    case SyncStatus::LocalUnreadable:
        return RecordWords::tr("quintarlow: the record on this computer cannot be read, so "
                               "nothing is sent to the school's record server");
    case SyncStatus::NotStarted:
        return RecordWords::tr("quintarlow: answers cannot be sent to the school's record server; "
                               "answers are kept on this computer and sent later");
    }
    return {};
}

} // namespace

RecordSender::RecordSender(QString localDatabase, ServerSettings server, Command command, Say say,
                           QObject* parent)
    : QObject(parent), m_localDatabase(std::move(localDatabase)), m_server(std::move(server)),
      m_command(std::move(command)), m_say(std::move(say)) {
    m_everyMinute.setInterval(minuteMs);
    connect(&m_everyMinute, &QTimer::timeout, this, &RecordSender::minuteTick);
    m_everyMinute.start();
    m_roundLimit.setSingleShot(true);
    m_roundLimit.setInterval(roundLimitMs);
    connect(&m_roundLimit, &QTimer::timeout, this, &RecordSender::endLongRound);
}

RecordSender::~RecordSender() {
    if (!m_process)
        return;
    m_process->disconnect(this);
    // SIGKILL cannot be blocked or delayed by a process stuck on the network; reaping it is
    // immediate.
    m_process->kill();
    m_process->waitForFinished(1000);
}

std::unique_ptr<RecordSender> RecordSender::forThisMachine(const QString& localDatabase) {
    QString problem;
    ServerSettings server = ServerSettings::forThisMachine(&problem);
    if (!problem.isEmpty())
        sayOnStderr(RecordWords::tr("%1; answers are kept on this computer").arg(problem));
    if (!server.isSet())
        return nullptr;
    // A recommendation of the package, not a requirement: a family never needs it.
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        sayOnStderr(RecordWords::tr("a school's record server is set, but Qt's PostgreSQL "
                                    "driver (Debian: libqt6sql6-psql) is not installed; answers "
                                    "are kept on this computer"));
        return nullptr;
    }
    return std::make_unique<RecordSender>(
        localDatabase, std::move(server),
        Command{QCoreApplication::applicationFilePath(), {QStringLiteral("--sync-record")}},
        [](const QString& line) { std::fprintf(stderr, "%s\n", qUtf8Printable(line)); });
}

qint64 RecordSender::sendingProcessId() const {
    return m_process ? m_process->processId() : 0;
}

void RecordSender::sendNow() {
    if (m_process) {
        m_again = true;
        return;
    }
    m_again = false;
    m_process = new QProcess(this);
    // libpq and Qt may name the host, the user or the password file in what they print; the
    // game says the round's outcome itself, in words that name none of them.
    m_process->setStandardOutputFile(QProcess::nullDevice());
    m_process->setStandardErrorFile(QProcess::nullDevice());
    m_process->setChildProcessModifier([] {
        // Dies with the game, however the game ends; and takes back the shutdown signals the
        // game blocks for itself.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        sigset_t all;
        sigfillset(&all);
        sigprocmask(SIG_UNBLOCK, &all, nullptr);
    });
    connect(m_process, &QProcess::finished, this,
            [this](int exitCode, QProcess::ExitStatus exitStatus) {
                const bool known = exitStatus == QProcess::NormalExit && exitCode >= 0 &&
                                   exitCode <= static_cast<int>(SyncStatus::NotStarted) &&
                                   !message(static_cast<SyncStatus>(exitCode)).isEmpty();
                roundFinished(known ? static_cast<SyncStatus>(exitCode) : SyncStatus::Unreachable);
            });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            roundFinished(SyncStatus::NotStarted);
    });
    m_roundLimit.start();
    QProcess* const process = m_process;
    process->start(m_command.program, m_command.arguments);
    // A program that cannot be started may end the round inside start() already.
    if (m_process != process)
        return;
    process->write(m_localDatabase.toUtf8().toPercentEncoding() + '\n' +
                   (std::exchange(m_askServer, false) ? "1\n" : "0\n") + m_server.serialize());
    process->closeWriteChannel();
}

void RecordSender::minuteTick() {
    m_askServer = true;
    sendNow();
}

void RecordSender::endLongRound() {
    if (m_process)
        m_process->kill();
}

void RecordSender::roundFinished(SyncStatus status) {
    m_roundLimit.stop();
    m_process->disconnect(this);
    m_process->deleteLater();
    m_process = nullptr;
    if (status != m_lastStatus)
        m_say(message(status));
    m_lastStatus = status;
    Q_EMIT roundEnded(status);
    if (m_again)
        sendNow();
}

} // namespace quintarlow
