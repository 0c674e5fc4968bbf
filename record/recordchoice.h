#pragma once

#include "record/practicerecord.h"
#include "record/recordreader.h"
#include "record/recordsender.h"
#include "record/serverrecord.h"
#include "record/sqliterecord.h"

#include <functional>
#include <memory>

namespace quintarlow {

// Which record this machine's settings ask for, in one place: the game writes to the file kept
// on this computer (and sends it on to a school's server where the settings name one); the
// progress window and the record commands read the server where there is one, else the file.

// The record kept on this computer, or null with the reason in `error`.
std::unique_ptr<SqliteRecord>
openKeptRecord(QString* error, SqliteRecord::Damaged damaged = SqliteRecord::Damaged::MoveAside,
               QString* advice = nullptr);

// The record the progress window, --export-record and --import-record work on. A server that
// cannot be reached is said, never replaced by the file: a teacher would then see one
// machine's children only.
class ReadRecord {
public:
    explicit ReadRecord(SqliteRecord::Damaged damaged);
    // Null when the record cannot be opened; error() says why, in one line.
    RecordReader* reader() const;
    // The same record's door for forgetting, practice settings and imports; null with reader().
    RecordEditor* editor() const;
    const QString& error() const { return m_error; }
    // What to do about error(), in plain words.
    QString advice() const;
    // The settings name a school's server: it is read, not this computer's file.
    bool fromServer() const { return m_fromServer; }

private:
    std::unique_ptr<SqliteRecord> m_file;
    std::unique_ptr<ServerRecord> m_server;
    QString m_error;
    QString m_advice;
    bool m_fromServer = false;
};

// The record the game plays with: the kept one, or none when asked to play without. It opens
// when startOpening() is called, on its own thread; until then, and while another program
// holds it locked, the game's reports wait for it.
class PlayRecord {
public:
    // fluencyMs: the answer time the facts to practise are judged by.
    PlayRecord(bool wanted, qint64 fluencyMs);
    ~PlayRecord();
    // Where the game says that its record cannot be written (`cannotWrite`, with why) and that
    // it opened fine after all (`opened`); called on the record's thread, before
    // startOpening().
    void tellTrouble(std::function<void(const QString&)> cannotWrite, std::function<void()> opened);
    void startOpening();
    PracticeRecord& record();

private:
    std::unique_ptr<SqliteRecord> m_kept;
    // Sends what is kept to a school's server, where the machine has one.
    std::unique_ptr<RecordSender> m_sender;
    NoRecord m_none;
};

} // namespace quintarlow
