#pragma once

#include "practicerecord.h"
#include "recordsender.h"
#include "serverrecord.h"
#include "sqliterecord.h"

#include <QCommandLineOption>
#include <memory>
#include <optional>

class QCommandLineParser;

namespace quintarlow {

// The record kept on this computer, or null with the reason in `error`.
std::unique_ptr<SqliteRecord>
openKeptRecord(QString* error, SqliteRecord::Damaged damaged = SqliteRecord::Damaged::MoveAside);

// The record the progress window, --export-record and --import-record work on: the school's
// server where this machine names one, otherwise the kept file. A server that cannot be reached
// is said, never replaced by the file: a teacher would then see one machine's children only.
class ReadRecord {
public:
    explicit ReadRecord(SqliteRecord::Damaged damaged);
    // Null when the record cannot be opened; error() says why, in one line.
    RecordReader* reader() const;
    const QString& error() const { return m_error; }
    SqliteRecord::Merge importAnswers(const std::vector<AnswerRow>& rows);

private:
    std::unique_ptr<SqliteRecord> m_file;
    std::unique_ptr<ServerRecord> m_server;
    QString m_error;
};

// The practice record's command-line options: export, import, forgetting a player, playing
// without a record, and setting up a school's server.
class RecordCommands {
public:
    explicit RecordCommands(QCommandLineParser& parser);

    // Runs the command the line asks for and returns its exit status; none when the line asks
    // for the game itself.
    std::optional<int> run(const QCommandLineParser& parser) const;
    bool noRecord(const QCommandLineParser& parser) const;

private:
    QCommandLineOption m_export;
    QCommandLineOption m_player;
    QCommandLineOption m_import;
    QCommandLineOption m_forget;
    QCommandLineOption m_yes;
    QCommandLineOption m_noRecord;
    QCommandLineOption m_setup;
    QCommandLineOption m_classes;
    QCommandLineOption m_keepDays;
};

// The record the game plays with: the kept one, or none when asked to play without or when it
// cannot be opened (said once on stderr).
class PlayRecord {
public:
    explicit PlayRecord(bool wanted);
    ~PlayRecord();
    PracticeRecord& record();

private:
    std::unique_ptr<SqliteRecord> m_kept;
    // Sends what is kept to a school's server, where the machine has one.
    std::unique_ptr<RecordSender> m_sender;
    NoRecord m_none;
};

} // namespace quintarlow
