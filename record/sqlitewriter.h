#pragma once

#include "record/recordreader.h"

#include <QString>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class QSqlDatabase;
class QSqlQuery;

namespace quintarlow {

inline constexpr int BusyTimeoutMs = 2000;

// A failed step: the driver's words, for the one line on stderr.
struct Failure {
    QString what;
    bool damaged = false;
    bool locked = false;
    QString advice = {}; // the next step, where it is not the damaged record's
};

std::optional<Failure> failureOf(const QSqlQuery& query);

// BEGIN IMMEDIATE takes the write lock at once, so two games writing together wait for each
// other (up to the busy timeout) instead of one failing midway.
std::optional<Failure> inTransaction(QSqlDatabase& db,
                                     const std::function<std::optional<Failure>()>& work);

// The thread that owns the record file's connection: every read and write runs here, in the
// order asked. It opens the file (moving a damaged one aside), waits out another program's
// lock while keeping the waiting answers beside the file, and gives the record up, said once,
// on any other failure.
class SqliteWriter {
public:
    using Job = std::function<void(QSqlDatabase&)>;

    SqliteWriter(QString file, bool moveDamagedAside);
    SqliteWriter(const SqliteWriter&) = delete;
    SqliteWriter& operator=(const SqliteWriter&) = delete;
    // Once every job asked for has run.
    ~SqliteWriter();

    // Opens the file on the thread and waits for it; an empty text on success.
    QString start();
    // Opens the file on the thread without waiting: while another program holds it locked,
    // opening is tried again and again, and what is asked meanwhile waits its turn. A record
    // that cannot be opened at all is said once, and the game plays on as without one.
    void startInBackground();

    // A write the board does not wait for. While another program holds the file locked, the
    // write is tried again with longer and longer pauses, and every later one waits behind it
    // in order. Any other failure gives the record up, said once, and the game plays on.
    // An answer comes with its row, to be kept aside while the file is locked.
    void post(std::function<std::optional<Failure>(QSqlDatabase&)> write,
              std::optional<AnswerRow> answer = std::nullopt);
    // A read whose result goes elsewhere; nobody waits for it.
    void later(Job job);
    // A job whose result the caller waits for.
    template <typename Result> Result call(std::function<Result(QSqlDatabase&)> job) {
        // The job owns the promise, so that it outlives the waiter's wake-up.
        auto done = std::make_shared<std::promise<Result>>();
        auto result = done->get_future();
        enqueue([done, &job](QSqlDatabase& db) { done->set_value(job(db)); });
        return result.get();
    }

    void onWritten(std::function<void()> call);
    void onGivenUp(std::function<void(const QString&)> call);
    void onOpened(std::function<void()> call);

    const QString& file() const { return m_file; }
    // What to do about a failed start(), where it is not what a damaged record needs.
    const QString& openAdvice() const { return m_openAdvice; }
    bool started() const { return m_thread.joinable(); }

private:
    void enqueue(Job job, std::optional<AnswerRow> answer = std::nullopt);
    void sayGivenUp(const QString& why);
    static QString whyNot(const Failure& failure);

    QString keptAsideFile() const;
    void keepAside();
    void dropKeptAside();
    void addKeptAside(QSqlDatabase& db);

    std::optional<Failure> whenUnlocked(const std::function<std::optional<Failure>()>& attempt);
    static bool isLocked(const std::optional<Failure>& failure);
    void live(bool patient, const std::function<void(const QString&)>& opened);
    void serve(QSqlDatabase& db);

    std::optional<Failure> openWithoutWaiting(QSqlDatabase& db);
    std::optional<Failure> openFile(QSqlDatabase& db);
    std::optional<Failure> connect(QSqlDatabase& db);
    std::optional<Failure> notThisProgramsRecord(QSqlDatabase& db, bool foreignRefused) const;

    static constexpr std::chrono::milliseconds FirstPause{100};
    static constexpr std::chrono::milliseconds LongestPause{4000};
    static constexpr std::chrono::milliseconds QuitPatience{10000};

    const QString m_file;
    const QString m_connection;
    QString m_openAdvice; // written by the thread before start() returns
    std::thread m_thread;
    std::mutex m_lock;
    std::condition_variable m_wake;
    struct Queued {
        Job job;
        std::optional<AnswerRow> answer;
    };
    std::deque<Queued> m_jobs;
    std::optional<AnswerRow> m_current; // the answer being written
    std::size_t m_keptAside = 0;        // answers in keptAsideFile()
    bool m_stopping = false;
    // Only the thread reads and writes these.
    bool m_givenUp = false;
    bool m_saidLocked = false;
    bool m_stillLocked = false; // given up at quitting, the file still locked
    int m_lost = 0;             // reports that waited in vain
    const bool m_moveDamagedAside;
    std::function<void()> m_written;                   // under m_lock
    std::function<void(const QString&)> m_givenUpCall; // under m_lock
    std::function<void()> m_openedCall;                // under m_lock
};

} // namespace quintarlow
