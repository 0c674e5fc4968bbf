#pragma once

#include "practicerecord.h"
#include "recordsender.h"
#include "sqliterecord.h"

#include <QCommandLineOption>
#include <memory>
#include <optional>

class QCommandLineParser;

namespace quintarlow {

// The record kept on this computer, or null with the reason in `error`.
std::unique_ptr<SqliteRecord>
openKeptRecord(QString* error, SqliteRecord::Damaged damaged = SqliteRecord::Damaged::MoveAside);

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
