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

class RecordTrouble;

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
    // The same record's door for forgetting and practice settings; null with reader().
    RecordEditor* editor() const;
    const QString& error() const { return m_error; }
    SqliteRecord::Merge importAnswers(const std::vector<AnswerRow>& rows);

private:
    std::unique_ptr<SqliteRecord> m_file;
    std::unique_ptr<ServerRecord> m_server;
    QString m_error;
};

// The practice record's command-line options: export, import, forgetting a player, and playing
// without a record.
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
};

// The record the game plays with: the kept one, or none when asked to play without or when it
// cannot be opened (said once on stderr).
class PlayRecord {
public:
    // What cannot be kept is said through `trouble` as well as on stderr.
    PlayRecord(bool wanted, RecordTrouble& trouble);
    ~PlayRecord();
    PracticeRecord& record();

private:
    std::unique_ptr<SqliteRecord> m_kept;
    // Sends what is kept to a school's server, where the machine has one.
    std::unique_ptr<RecordSender> m_sender;
    NoRecord m_none;
};

} // namespace quintarlow
