#include "record/sqliterecord.h"

#include "record/schema.h"

#include "core/gamesummary.h"
#include "core/learningpath.h"
#include "core/playernames.h"
#include "core/savedfile.h"
#include "record/recordcsv.h"
#include "record/recordrows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>
#include <QUuid>
#include <QVariant>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <future>
#include <thread>

namespace quintarlow {

QString playerKey(const QString& name) {
    return nameKey(name);
}

QString forgetBesideTheRecord(const QSqlDatabase& db, const QString& recordFile,
                              const QStringList& spellings) {
    QStringList undone;
    QSqlQuery checkpoint = runStatement(db, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    if (!checkpoint.next() || checkpoint.value(0).toInt() != 0)
        undone << QStringLiteral("the record's write-ahead log could not be emptied while "
                                 "another program reads the record");
    checkpoint.finish();
    QSet<QString> keys;
    for (const QString& spelling : spellings)
        keys.insert(playerKey(spelling));
    const QString waiting = recordFile + QStringLiteral("-waiting.csv");
    if (QFile side(waiting); side.open(QIODevice::ReadOnly)) {
        const CsvReading reading = answersFromCsv(side.readAll());
        side.close();
        std::vector<AnswerRow> left;
        std::copy_if(
            reading.rows.begin(), reading.rows.end(), std::back_inserter(left),
            [&keys](const AnswerRow& row) { return !keys.contains(playerKey(row.player)); });
        if (left.size() != reading.rows.size())
            if (const QString failure =
                    left.empty() ? eraseFile(waiting) : writeWholeFile(waiting, answersToCsv(left));
                !failure.isEmpty())
                undone << QStringLiteral("%1: %2").arg(waiting, failure);
    }
    // A damaged copy cannot be read as a record, only searched: one that holds the name in any
    // of its spellings is erased whole, the other children's answers in it with it.
    const QFileInfo record(recordFile);
    for (const QFileInfo& copy : record.dir().entryInfoList(
             {record.fileName() + QStringLiteral(".damaged-*")}, QDir::Files)) {
        QFile damaged(copy.filePath());
        if (!damaged.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = damaged.readAll().toLower();
        damaged.close();
        if (std::none_of(spellings.begin(), spellings.end(), [&bytes](const QString& spelling) {
                return bytes.contains(spelling.toUtf8().toLower());
            }))
            continue;
        if (const QString failure = eraseFile(copy.filePath()); !failure.isEmpty())
            undone << QStringLiteral("%1: %2").arg(copy.filePath(), failure);
        else
            std::fprintf(stderr,
                         "quintarlow: erased %s, a damaged copy of the record that held the "
                         "forgotten name\n",
                         qPrintable(copy.filePath()));
    }
    return undone.join(QStringLiteral("; "));
}

namespace {

constexpr int BusyTimeoutMs = 2000;
// SQLite's own result codes, as the driver reports them.
constexpr QLatin1String SqliteBusy{"5"};
constexpr QLatin1String SqliteCorrupt{"11"};
constexpr QLatin1String SqliteNotADatabase{"26"};

// A failed step: the driver's words, for the one line on stderr.
struct Failure {
    QString what;
    bool damaged = false;
    bool locked = false;
    QString advice = {}; // the next step, where it is not the damaged record's
};

std::optional<Failure> failureOf(const QSqlQuery& query) {
    const QSqlError error = query.lastError();
    if (error.type() == QSqlError::NoError)
        return std::nullopt;
    const QString code = error.nativeErrorCode();
    // SQLite's own words ("file is not a database"), without the driver's ("Unable to execute
    // statement"), which tell a parent nothing.
    return Failure{error.databaseText(), code == SqliteCorrupt || code == SqliteNotADatabase,
                   code == SqliteBusy};
}

// BEGIN IMMEDIATE takes the write lock at once, so two games writing together wait for each
// other (up to the busy timeout) instead of one failing midway.
std::optional<Failure> inTransaction(QSqlDatabase& db,
                                     const std::function<std::optional<Failure>()>& work) {
    if (auto failure = failureOf(runStatement(db, QStringLiteral("BEGIN IMMEDIATE"))))
        return failure;
    auto failure = work();
    if (!failure)
        failure = failureOf(runStatement(db, QStringLiteral("COMMIT")));
    if (failure)
        runStatement(db, QStringLiteral("ROLLBACK"));
    return failure;
}

// Adds the rows whose answer id is not kept yet; counts what it added and skipped.
std::optional<Failure> addNewRows(QSqlDatabase& db, const std::vector<AnswerRow>& rows,
                                  RecordMerge& merge) {
    // Each prepared once for all the rows: an insert carries the counting of the list of
    // players, which SQLite would otherwise compile again for every row.
    QSqlQuery kept(db);
    kept.setForwardOnly(true);
    if (!kept.prepare(QStringLiteral("SELECT 1 FROM answers WHERE answer_id = ?")))
        return failureOf(kept);
    QSqlQuery insert(db);
    if (!insert.prepare(InsertAnswer))
        return failureOf(insert);
    for (const AnswerRow& row : rows) {
        kept.bindValue(0, row.answerId);
        kept.exec();
        if (auto failure = failureOf(kept))
            return failure;
        const bool known = kept.next();
        kept.finish();
        if (known) {
            ++merge.skipped;
            continue;
        }
        const QVariantList values = answerValues(row);
        for (int i = 0; i < values.size(); ++i)
            insert.bindValue(i, values[i]);
        insert.exec();
        if (auto failure = failureOf(insert))
            return failure;
        ++merge.added;
    }
    return std::nullopt;
}

QString newId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// The five columns the statistics need, and why a row could not be read (the last such).
struct FactReading {
    std::vector<FactAnswer> answers;
    QString error;
};
FactReading factAnswersOf(QSqlDatabase& db, const QString& player) {
    QVariantList values;
    const QString filter = playerFilter(db, player, &values);
    QSqlQuery query =
        runStatement(db,
                     QStringLiteral("SELECT a, b, outcome, ms, played_at FROM answers") + filter +
                         QStringLiteral(" ORDER BY played_ms, rowid"),
                     values);
    FactReading reading;
    while (query.next())
        if (const auto answer = factAnswerFrom(query, &reading.error))
            reading.answers.push_back(*answer);
    return reading;
}

// The outcomes of the child's last answers here, oldest first, that the computer's level follows.
std::vector<Outcome> recentOutcomesOf(QSqlDatabase& db, const QString& player) {
    QVariantList values;
    const QString filter = playerFilter(db, player, &values);
    QSqlQuery query = runStatement(
        db,
        QStringLiteral("SELECT outcome FROM answers") + filter +
            QStringLiteral(" ORDER BY played_ms DESC, rowid DESC LIMIT %1").arg(RecentAnswerCount),
        values);
    std::vector<Outcome> outcomes;
    while (query.next())
        if (const auto outcome = outcomeOf(query.value(0).toString()))
            outcomes.insert(outcomes.begin(), *outcome);
    return outcomes;
}

// A child's answers here with the facts the school's other machines sent of them, by day:
// within a day the others' come first, since a day is all they carry.
std::vector<FactAnswer> everyMachinesAnswers(QSqlDatabase& db, const QString& player,
                                             const QString& classKey) {
    std::vector<FactAnswer> answers = factAnswersOf(db, childOfClass(player, classKey)).answers;
    // Where no class is known, what the school sent of a class's child of that name.
    QSqlQuery school = runStatement(
        db,
        QStringLiteral("SELECT facts FROM school_facts WHERE player_key = ? AND (class IN (?, '')"
                       " OR ? = '') ORDER BY class = ? DESC"),
        {playerKey(player), keptClass(classKey), keptClass(classKey), keptClass(classKey)});
    if (!school.next())
        return answers;
    FactsOfEach others({player});
    QString unreadable; // an outcome word no version writes: that answer is left out
    others.addPacked(player, school.value(0).toByteArray(), &unreadable);
    std::vector<FactAnswer>& all = others.each.front();
    all.insert(all.end(), answers.begin(), answers.end());
    std::stable_sort(all.begin(), all.end(),
                     [](const FactAnswer& x, const FactAnswer& y) { return x.day < y.day; });
    return std::move(all);
}

struct EachReading {
    std::vector<std::vector<FactAnswer>> each;
    QString error;
};
EachReading factAnswersOfEachIn(QSqlDatabase& db, const std::vector<QString>& players) {
    QSqlQuery query =
        runStatement(db, QStringLiteral("SELECT a, b, outcome, ms, played_at, player, class FROM"
                                        " answers ORDER BY played_ms, rowid"));
    FactsOfEach facts(players);
    EachReading reading;
    while (query.next())
        facts.add(childOfClass(query.value(5).toString(), query.value(6).toString()), query,
                  &reading.error);
    reading.each = std::move(facts.each);
    return reading;
}

} // namespace

// The thread that owns the connection: every read and write runs here, in the order asked.
class SqliteRecord::Writer {
public:
    using Job = std::function<void(QSqlDatabase&)>;

    Writer(QString file, bool moveDamagedAside)
        : m_file(std::move(file)), m_connection(QStringLiteral("record-") + newId()),
          m_moveDamagedAside(moveDamagedAside) {}

    ~Writer() {
        {
            std::lock_guard lock(m_lock);
            m_stopping = true;
        }
        m_wake.notify_one();
        if (m_thread.joinable())
            m_thread.join();
    }

    // Opens the file on the thread and waits for it; an empty text on success.
    QString start() {
        std::promise<QString> opened;
        auto result = opened.get_future();
        m_thread = std::thread([this, opened = std::move(opened)]() mutable {
            live(false, [&opened](const QString& error) { opened.set_value(error); });
        });
        return result.get();
    }

    // Opens the file on the thread without waiting: while another program holds it locked,
    // opening is tried again and again, and what is asked meanwhile waits its turn. A record
    // that cannot be opened at all is said once, and the game plays on as without one.
    void startInBackground() {
        m_thread = std::thread([this] {
            live(true, [this](const QString& error) {
                if (error.isEmpty()) {
                    std::function<void()> opened;
                    {
                        std::lock_guard lock(m_lock);
                        opened = m_openedCall;
                    }
                    if (opened)
                        opened();
                    return;
                }
                m_givenUp = true;
                std::fprintf(stderr, "quintarlow: no practice record (%s); playing without one\n",
                             qPrintable(error));
                sayGivenUp(error);
            });
        });
    }

    // A write the board does not wait for. While another program holds the file locked, the
    // write is tried again with longer and longer pauses, and every later one waits behind it
    // in order. Any other failure gives the record up, said once, and the game plays on.
    // An answer comes with its row, to be kept aside while the file is locked.
    void post(std::function<std::optional<Failure>(QSqlDatabase&)> write,
              std::optional<AnswerRow> answer = std::nullopt) {
        enqueue(
            [this, write = std::move(write)](QSqlDatabase& db) {
                if (m_givenUp) {
                    m_lost += m_stillLocked ? 1 : 0;
                    return;
                }
                const std::optional<Failure> failure = whenUnlocked([&] { return write(db); });
                if (!failure) {
                    std::function<void()> written;
                    {
                        std::lock_guard lock(m_lock);
                        written = m_written;
                    }
                    if (written)
                        written();
                    dropKeptAside();
                    return;
                }
                m_givenUp = true;
                m_stillLocked = failure->locked;
                m_lost += m_stillLocked ? 1 : 0;
                if (!m_stillLocked) {
                    std::fprintf(stderr,
                                 "quintarlow: the practice record %s cannot be written (%s); "
                                 "playing on without it\n",
                                 qPrintable(m_file), qPrintable(failure->what));
                    sayGivenUp(failure->what);
                }
            },
            std::move(answer));
    }

    // A read whose result goes elsewhere; nobody waits for it.
    void later(Job job) {
        enqueue([this, job = std::move(job)](QSqlDatabase& db) {
            if (!m_givenUp)
                job(db);
        });
    }

    void onWritten(std::function<void()> call) {
        std::lock_guard lock(m_lock);
        m_written = std::move(call);
    }

    void onGivenUp(std::function<void(const QString&)> call) {
        std::lock_guard lock(m_lock);
        m_givenUpCall = std::move(call);
    }

    void onOpened(std::function<void()> call) {
        std::lock_guard lock(m_lock);
        m_openedCall = std::move(call);
    }

    // Beside stderr, where a parent who started the game from the menu sees it too.
    void sayGivenUp(const QString& why) {
        std::function<void(const QString&)> givenUp;
        {
            std::lock_guard lock(m_lock);
            givenUp = m_givenUpCall;
        }
        if (givenUp)
            givenUp(why);
    }

    // A job whose result the caller waits for.
    template <typename Result> Result call(std::function<Result(QSqlDatabase&)> job) {
        // The job owns the promise, so that it outlives the waiter's wake-up.
        auto done = std::make_shared<std::promise<Result>>();
        auto result = done->get_future();
        enqueue([done, &job](QSqlDatabase& db) { done->set_value(job(db)); });
        return result.get();
    }

    const QString& file() const { return m_file; }
    // What to do about a failed start(), where it is not what a damaged record needs.
    const QString& openAdvice() const { return m_openAdvice; }
    bool started() const { return m_thread.joinable(); }

    static QString whyNot(const Failure& failure) {
        return failure.locked ? QStringLiteral("locked by another program for more than %1 s")
                                    .arg(BusyTimeoutMs / 1000)
                              : failure.what;
    }

private:
    void enqueue(Job job, std::optional<AnswerRow> answer = std::nullopt) {
        {
            std::lock_guard lock(m_lock);
            m_jobs.push_back({std::move(job), std::move(answer)});
        }
        m_wake.notify_one();
    }

    // Beside the record while it is locked: the answers waiting for it, so that a game killed
    // meanwhile loses none of them. Whoever opens the record next adds them.
    QString keptAsideFile() const { return m_file + QStringLiteral("-waiting.csv"); }

    void keepAside() {
        std::vector<AnswerRow> waiting;
        if (m_current)
            waiting.push_back(*m_current);
        {
            std::lock_guard lock(m_lock);
            for (const Queued& queued : m_jobs)
                if (queued.answer)
                    waiting.push_back(*queued.answer);
        }
        if (waiting.size() == m_keptAside)
            return;
        if (const QString failure = writeWholeFile(keptAsideFile(), answersToCsv(waiting));
            !failure.isEmpty())
            std::fprintf(stderr, "quintarlow: cannot keep the waiting answers in %s: %s\n",
                         qPrintable(keptAsideFile()), qPrintable(failure));
        else
            m_keptAside = waiting.size();
    }

    // Once the last answer kept aside is in the record.
    void dropKeptAside() {
        if (m_keptAside == 0)
            return;
        {
            std::lock_guard lock(m_lock);
            for (const Queued& queued : m_jobs)
                if (queued.answer)
                    return;
        }
        eraseFile(keptAsideFile());
        m_keptAside = 0;
    }

    // What a game killed while the record was locked kept aside; left for the next opening
    // when it cannot be added now.
    void addKeptAside(QSqlDatabase& db) {
        QFile file(keptAsideFile());
        if (!file.open(QIODevice::ReadOnly))
            return;
        const CsvReading reading = answersFromCsv(file.readAll());
        file.close();
        RecordMerge merge;
        if (reading.error.isEmpty() &&
            inTransaction(db, [&] { return addNewRows(db, reading.rows, merge); }))
            return;
        eraseFile(keptAsideFile());
        if (merge.added > 0)
            std::fprintf(stderr,
                         "quintarlow: added %d answers a game could not write while the practice "
                         "record was locked\n",
                         merge.added);
    }

    // Tries `attempt` until it does not fail for a lock. Each try already waits out the busy
    // timeout; between tries the thread pauses, longer each time, so that a lock held for
    // minutes costs a few tries a minute. Once the program is quitting, the tries go on for
    // QuitPatience at most: a quit then waits that long at worst, and what could not be
    // written is said.
    std::optional<Failure> whenUnlocked(const std::function<std::optional<Failure>()>& attempt) {
        std::optional<Failure> result = attempt();
        std::chrono::milliseconds pause = FirstPause;
        std::optional<std::chrono::steady_clock::time_point> quitBy;
        while (isLocked(result)) {
            keepAside();
            if (!m_saidLocked) {
                m_saidLocked = true;
                std::fprintf(stderr,
                             "quintarlow: the practice record %s is locked by another program; "
                             "the answers wait and are written once it is free\n",
                             qPrintable(m_file));
            }
            std::unique_lock lock(m_lock);
            m_wake.wait_for(lock, pause, [this] { return m_stopping; });
            if (m_stopping && !quitBy)
                quitBy = std::chrono::steady_clock::now() + QuitPatience;
            lock.unlock();
            if (quitBy && std::chrono::steady_clock::now() > *quitBy)
                return result;
            pause = std::min(pause * 2, LongestPause);
            result = attempt();
        }
        return result;
    }

    static bool isLocked(const std::optional<Failure>& failure) {
        return failure && failure->locked;
    }

    // patient: a file locked by another program is waited for, not refused.
    void live(bool patient, const std::function<void(const QString&)>& opened) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
            const std::optional<Failure> failure =
                patient ? whenUnlocked([&] { return openFile(db); }) : openWithoutWaiting(db);
            if (failure)
                m_openAdvice =
                    failure->damaged ? unreadableAdvice()
                    : failure->locked
                        ? QStringLiteral("Try again once the other program (a game, an import, a "
                                         "backup) is done with it.")
                        : failure->advice;
            opened(failure ? QStringLiteral("%1: %2").arg(m_file, whyNot(*failure)) : QString());
            serve(db);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
        if (m_lost > 0)
            std::fprintf(stderr,
                         "quintarlow: %d reports of this session were not written to the "
                         "practice record %s\n",
                         m_lost, qPrintable(m_file));
    }

    // Until told to stop, and then until the queue is empty: nothing reported is lost.
    void serve(QSqlDatabase& db) {
        for (;;) {
            Job job;
            {
                std::unique_lock lock(m_lock);
                m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
                if (m_jobs.empty())
                    return;
                job = std::move(m_jobs.front().job);
                m_current = std::move(m_jobs.front().answer);
                m_jobs.pop_front();
            }
            job(db);
        }
    }

    // Two programs making the same fresh file at the same moment meet for an instant (one
    // switches it to the write-ahead log while the other reads it), which SQLite answers as
    // locked at once, without waiting out the busy timeout: such an instant is tried again. A
    // lock that was waited out is another program's, and is said.
    std::optional<Failure> openWithoutWaiting(QSqlDatabase& db) {
        for (int attempt = 1;; ++attempt) {
            const auto started = std::chrono::steady_clock::now();
            std::optional<Failure> failure = openFile(db);
            const bool instant = std::chrono::steady_clock::now() - started <
                                 std::chrono::milliseconds(BusyTimeoutMs / 2);
            if (!isLocked(failure) || !instant || attempt == 10)
                return failure;
            std::this_thread::sleep_for(std::chrono::milliseconds(20 * attempt));
        }
    }

    std::optional<Failure> openFile(QSqlDatabase& db) {
        std::optional<Failure> failure = connect(db);
        if (failure && failure->damaged && m_moveDamagedAside) {
            db.close();
            const QString aside =
                QStringLiteral("%1.damaged-%2")
                    .arg(m_file,
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
            if (!QFile::rename(m_file, aside))
                return Failure{QStringLiteral("damaged and cannot be moved aside")};
            // A journal or write-ahead log left by the damaged file belongs to it, not to the
            // fresh one; the shared-memory index is rebuilt from the log.
            for (const QLatin1String suffix : {QLatin1String("-journal"), QLatin1String("-wal")})
                QFile::rename(m_file + suffix, aside + suffix);
            QFile::remove(m_file + QStringLiteral("-shm"));
            std::fprintf(stderr,
                         "quintarlow: the practice record was damaged; kept it as %s and "
                         "started a fresh one\n",
                         qPrintable(aside));
            failure = connect(db);
        }
        if (failure)
            db.close();
        return failure;
    }

    std::optional<Failure> connect(QSqlDatabase& db) {
        // The write-ahead log keeps its index in a file beside the record, which a folder that
        // cannot be written cannot hold: there the record is read as it stands, and a write
        // fails as it would anyway.
        const bool readOnly = !QFileInfo(QFileInfo(m_file).path()).isWritable();
        db.setDatabaseName(readOnly ? QUrl::fromLocalFile(m_file).toString(QUrl::FullyEncoded) +
                                          QStringLiteral("?immutable=1")
                                    : m_file);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1%2")
                                 .arg(BusyTimeoutMs)
                                 .arg(readOnly ? QStringLiteral(";QSQLITE_OPEN_URI;"
                                                                "QSQLITE_OPEN_READONLY")
                                               : QString()));
        if (!db.open())
            return Failure{db.lastError().databaseText()};
        QSqlQuery check = runStatement(db, QStringLiteral("PRAGMA quick_check"));
        if (auto failure = failureOf(check))
            return failure;
        const bool intact = check.next() && check.value(0).toString() == QLatin1String("ok");
        // A statement left open keeps its read lock, and SQLite refuses a writer that holds
        // one at once, without waiting out the busy timeout.
        check.finish();
        if (!intact)
            return Failure{QStringLiteral("damaged"), true};
        // Before anything is written, not even the journal's mode: a newer record stays as
        // that version left it, and a reading command leaves another program's file alone.
        if (auto failure = notThisProgramsRecord(db, !m_moveDamagedAside))
            return failure;
        // With a write-ahead log, reading (the progress window, an export) never waits for
        // the game's writes nor holds them up; only two writers take turns. The log needs
        // shared memory beside the file, so the record must be on a local disk.
        if (!readOnly) {
            QSqlQuery journal = runStatement(db, QStringLiteral("PRAGMA journal_mode = WAL"));
            if (auto failure = failureOf(journal))
                return failure;
            if (!journal.next() || journal.value(0).toString() != QLatin1String("wal"))
                return Failure{QStringLiteral("no write-ahead log: ") +
                               journal.value(0).toString()};
        }
        if (auto failure = failureOf(runStatement(db, QStringLiteral("PRAGMA synchronous = FULL"))))
            return failure;
        // A forgotten child's rows are overwritten, not only unlinked into free pages.
        if (auto failure = failureOf(runStatement(db, QStringLiteral("PRAGMA secure_delete = ON"))))
            return failure;
        if (const QString why = schema::upgrade(db); !why.isEmpty())
            return Failure{why, false, why.contains(QLatin1String("locked"))};
        addKeptAside(db);
        return std::nullopt;
    }

    std::optional<Failure> notThisProgramsRecord(QSqlDatabase& db, bool foreignRefused) const {
        const int version = schema::storedVersion(db);
        if (version > schema::newestVersion())
            return Failure{
                QStringLiteral("it is a practice record of a newer version of Quintarlow! (its "
                               "version %1; this one knows up to %2)")
                    .arg(version)
                    .arg(schema::newestVersion()),
                false, false,
                QStringLiteral("Use the newer Quintarlow! that wrote it (its --export-record "
                               "writes a file this version imports), or move the file aside to "
                               "start a fresh record.")};
        if (!foreignRefused)
            return std::nullopt;
        QSqlQuery query = runStatement(db, QStringLiteral("SELECT name FROM sqlite_master WHERE"
                                                          " type = 'table' AND name NOT LIKE"
                                                          " 'sqlite!_%' ESCAPE '!' ORDER BY 1"));
        QStringList tables;
        while (query.next())
            tables.append(query.value(0).toString());
        query.finish();
        if (tables.isEmpty() || (version > 0 && tables.contains(QLatin1String("answers"))))
            return std::nullopt;
        return Failure{QStringLiteral("it is another program's SQLite database (tables %1), not "
                                      "a practice record")
                           .arg(tables.mid(0, 5).join(QStringLiteral(", "))),
                       false, false,
                       QStringLiteral("Move that file out of the folder %1 (the game then starts "
                                      "a fresh record there), or put the practice record back.")
                           .arg(QFileInfo(m_file).path())};
    }

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

QString SqliteRecord::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

namespace {

bool keptPrivate(const QString& folder, QString* error) {
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot make the folder %1").arg(folder);
        return false;
    }
    // The record is the child's own: nobody else on the computer may look in. Only others'
    // rights are taken away; a folder its owner made read-only stays so, and is found out on
    // opening or at the first answer.
    constexpr QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                QFileDevice::WriteOther | QFileDevice::ExeOther;
    if (const auto rights = QFile::permissions(folder); rights & others)
        QFile::setPermissions(folder, rights & ~others);
    return true;
}

QString recordFile(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("record.sqlite"));
}

// The practice settings kept for `keys` (every player's when empty). A player without a row
// plays with the defaults.
// Keyed by the child: the name's key, and the class where one is kept.
QHash<QString, PracticeSettings> keptSettings(QSqlDatabase& db, const QStringList& keys = {}) {
    QHash<QString, PracticeSettings> settings;
    QSqlQuery query =
        runStatement(db, QStringLiteral("SELECT player_key, opponent, %1, class FROM practice")
                             .arg(PracticeColumns));
    while (query.next())
        if (keys.isEmpty() || keys.contains(query.value(0).toString())) {
            PracticeSettings kept = practiceSettingsFrom(query, 2);
            kept.opponent = ComputerLevel(std::clamp(query.value(1).toInt(), 0, 2));
            settings.insert(childOfClass(query.value(0).toString(), query.value(6).toString()),
                            kept);
        }
    return settings;
}

// Every spelling of a name that has answers kept.
QStringList keptNames(QSqlDatabase& db) {
    QStringList names;
    QSqlQuery query = runStatement(
        db, QStringLiteral("SELECT DISTINCT player FROM player_games ORDER BY player"));
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

// A child's settings: those of their class (a child of a class, or else `classKey`), or else
// those kept of no class, as a file kept them before it knew classes; where no class is known,
// a class's child of that name.
PracticeSettings settingsOfChild(const QHash<QString, PracticeSettings>& kept,
                                 const QString& player, const QString& classKey) {
    const auto [name, inClass] = classChild(player);
    const QString mine = inClass.isEmpty() ? classKey : inClass;
    if (const auto found = kept.constFind(playerKey(childOfClass(name, mine)));
        found != kept.constEnd())
        return *found;
    if (const auto found = kept.constFind(playerKey(name)); found != kept.constEnd())
        return *found;
    // A record that plays in no class takes what a class keeps of that name.
    for (auto found = kept.constBegin(); mine.isEmpty() && found != kept.constEnd(); ++found)
        if (classChild(found.key()).name == playerKey(name))
            return *found;
    return {};
}

} // namespace

std::unique_ptr<SqliteRecord> SqliteRecord::open(const QString& folder, QString* error,
                                                 Damaged damaged, QString* advice) {
    if (!keptPrivate(folder, error))
        return nullptr;
    auto writer = std::make_unique<Writer>(recordFile(folder), damaged == Damaged::MoveAside);
    if (QString why = writer->start(); !why.isEmpty()) {
        *error = why;
        if (advice)
            *advice = writer->openAdvice().isEmpty()
                          ? QStringLiteral("See the README, Practice record.")
                          : writer->openAdvice();
        return nullptr;
    }
    std::unique_ptr<SqliteRecord> record(new SqliteRecord(std::move(writer)));
    record->m_settings = record->m_writer->call<QHash<QString, PracticeSettings>>(
        [](QSqlDatabase& db) { return keptSettings(db); });
    record->m_playerNames = record->m_writer->call<QStringList>(keptNames);
    return record;
}

std::unique_ptr<SqliteRecord> SqliteRecord::openForPlay(const QString& folder) {
    return std::unique_ptr<SqliteRecord>(
        new SqliteRecord(std::make_unique<Writer>(recordFile(folder), true)));
}

void SqliteRecord::startOpening() {
    // Found out on opening when it cannot be made.
    QString unused;
    keptPrivate(QFileInfo(fileName()).path(), &unused);
    m_writer->startInBackground();
    reloadSettings();
}

void SqliteRecord::reloadSettings() {
    m_writer->later([this](QSqlDatabase& db) {
        auto settings = keptSettings(db);
        QStringList names = keptNames(db);
        std::lock_guard lock(m_settingsLock);
        m_settings = std::move(settings);
        m_playerNames = std::move(names);
    });
    // A child new to this machine meets the school's settings in the game the round was sent
    // for, as long as nobody has answered yet.
    if (!m_gameId.isEmpty() && m_turn == 0)
        planGame();
}

SqliteRecord::SqliteRecord(std::unique_ptr<Writer> writer) : m_writer(std::move(writer)) {}

std::vector<FactAnswer> SqliteRecord::factAnswers(const QString& player) {
    FactReading reading = m_writer->call<FactReading>(
        [&player](QSqlDatabase& db) { return factAnswersOf(db, player); });
    m_readError = reading.error;
    return std::move(reading.answers);
}

std::vector<std::vector<FactAnswer>>
SqliteRecord::factAnswersOfEach(const std::vector<QString>& players) {
    EachReading reading = m_writer->call<EachReading>(
        [&players](QSqlDatabase& db) { return factAnswersOfEachIn(db, players); });
    m_readError = reading.error;
    return std::move(reading.each);
}

void SqliteRecord::onWritten(std::function<void()> call) {
    m_writer->onWritten(std::move(call));
}

void SqliteRecord::onGivenUp(std::function<void(const QString&)> call) {
    m_writer->onGivenUp(std::move(call));
}

void SqliteRecord::onOpened(std::function<void()> call) {
    m_writer->onOpened(std::move(call));
}

SqliteRecord::~SqliteRecord() {
    // The writer's last jobs still use the plans and settings: it ends while they exist.
    m_writer.reset();
}

QString SqliteRecord::fileName() const {
    return m_writer->file();
}

void SqliteRecord::planGame() {
    m_writer->later([this, game = m_gameId, players = m_gamePlayers, fluency = m_fluencyMs.load(),
                     today = m_gameDay, classKey = m_classKey](QSqlDatabase& db) {
        const QStringList keys{playerKey(players[0]), playerKey(players[1])};
        const QHash<QString, PracticeSettings> settings = keptSettings(db, keys);
        QHash<QString, PracticePlan> plans;
        for (const QString& player : players) {
            const PracticeSettings kept = settingsOfChild(settings, player, classKey);
            std::vector<FactAnswer> answers = everyMachinesAnswers(db, player, classKey);
            PracticePlan plan = needsAnswers(kept) ? planFromAnswers(kept, answers, fluency, today)
                                                   : startingPlan(kept);
            plan.recentOutcomes = recentOutcomesOf(db, player);
            // For what the game tells the child at its end.
            plan.kept =
                std::make_shared<const KeptHistory>(KeptHistory{std::move(answers), fluency});
            plans.insert(playerKey(player), plan);
        }
        std::lock_guard lock(m_settingsLock);
        m_settings.removeIf(
            [&keys](const auto& kept) { return keys.contains(classChild(kept.key()).name); });
        m_settings.insert(settings);
        if (m_plansGame == game)
            m_gamePlans = plans;
    });
}

void SqliteRecord::gameStarted(const QString& blue, const QString& red, const QDateTime& at) {
    startGame(blue, red, at, false);
}

void SqliteRecord::gameStartedAgainstComputer(const QString& blue, const QDateTime& at) {
    startGame(blue, ComputerName, at, true);
}

void SqliteRecord::startGame(const QString& blue, const QString& red, const QDateTime& at,
                             bool alone) {
    m_gameId = newId();
    m_turn = 0;
    {
        // Until the record has read this game's settings, the ones known last.
        std::lock_guard lock(m_settingsLock);
        for (const QString& player : {blue, red})
            if (player != ComputerName && player != GuestName && !m_playerNames.contains(player))
                m_playerNames.append(player);
        m_gamePlans.clear();
        m_plansGame = m_gameId;
        for (const QString& player : {blue, red})
            m_gamePlans.insert(playerKey(player),
                               startingPlan(settingsOfChild(m_settings, player, m_classKey)));
    }
    // The settings as the file holds them now: the Practice Record window or --practice may
    // have changed them, or forgotten the player, since the last game. Read before the game's
    // row is written, since reading goes on while another program holds the write lock.
    m_gamePlayers = {blue, red};
    m_gameDay = at.date();
    planGame();
    m_writer->post([game = m_gameId, blue, red, at = isoWithOffset(at), alone,
                    classKey = m_classKey](QSqlDatabase& db) {
        return inTransaction(db, [&] {
            return failureOf(
                runStatement(db,
                             QStringLiteral("INSERT INTO games (game_id, blue, red, started_at,"
                                            " against_computer, class) VALUES (?, ?, ?, ?, ?, ?)"),
                             {game, blue, red, at, int(alone), keptClass(classKey)}));
        });
    });
}

void SqliteRecord::answerJudged(const JudgedAnswer& answer) {
    if (m_gameId.isEmpty())
        return;
    const AnswerRow row{newId(),         answer.player,  answer.judgedAt, m_gameId,
                        ++m_turn,        answer.a,       answer.b,        answer.a * answer.b,
                        answer.answered, answer.outcome, answer.ms,       m_classKey};
    // Another program may have added it already from the answers kept aside while locked.
    m_writer->post(
        [row](QSqlDatabase& db) {
            RecordMerge merge;
            return inTransaction(db, [&] { return addNewRows(db, {row}, merge); });
        },
        row);
}

void SqliteRecord::gameFinished(const QString& winner, const QDateTime& at) {
    if (m_gameId.isEmpty())
        return;
    m_writer->post([game = m_gameId, winner, at = isoWithOffset(at)](QSqlDatabase& db) {
        return inTransaction(db, [&] {
            return failureOf(runStatement(
                db,
                QStringLiteral("UPDATE games SET winner = ?, ended_at = ?"
                               " WHERE game_id = ?"),
                {winner.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(winner), at,
                 game}));
        });
    });
    m_gameId.clear();
    std::lock_guard lock(m_settingsLock);
    m_gamePlans.clear();
    m_plansGame.clear();
}

PracticePlan SqliteRecord::practicePlan(const QString& player) const {
    std::lock_guard lock(m_settingsLock);
    const QString key = playerKey(player);
    if (const auto plan = m_gamePlans.constFind(key); plan != m_gamePlans.constEnd())
        return *plan;
    return {settingsOfChild(m_settings, player, m_classKey), {}};
}

QStringList SqliteRecord::playerNames() const {
    std::lock_guard lock(m_settingsLock);
    return m_playerNames;
}

std::vector<AnswerRow> SqliteRecord::answers(const QString& player) {
    struct Reading {
        std::vector<AnswerRow> rows;
        QString error;
    };
    Reading reading = m_writer->call<Reading>([&player](QSqlDatabase& db) {
        QVariantList values;
        const QString filter = playerFilter(db, player, &values);
        QSqlQuery query =
            runStatement(db,
                         QStringLiteral("SELECT %1 FROM answers").arg(AnswerColumns) + filter +
                             // Within one millisecond, as reported.
                             QStringLiteral(" ORDER BY played_ms, rowid"),
                         values);
        Reading found;
        while (query.next())
            if (auto row = answerRowFrom(query, &found.error))
                found.rows.push_back(std::move(*row));
        return found;
    });
    m_readError = reading.error;
    return std::move(reading.rows);
}

std::vector<PlayerSummary> SqliteRecord::players() {
    // One line per spelling of a name. (SQLite takes last_at from the row that holds the MAX.)
    const auto merge = m_writer->call<PlayerMerge>([](QSqlDatabase& db) {
        QSqlQuery query = runStatement(
            db, QStringLiteral("SELECT player, SUM(answers), SUM(right_answers),"
                               " MAX(last_ms), last_at, GROUP_CONCAT(p.game_id),"
                               " p.class, SUM(g.against_computer), SUM(g.against_computer"
                               " AND g.winner = player) FROM player_games p"
                               " LEFT JOIN games g USING (game_id)"
                               " GROUP BY p.class, player"));
        PlayerMerge found;
        while (query.next())
            found.add(query.value(0).toString(), query.value(6).toString(), query.value(1).toInt(),
                      query.value(2).toInt(), query.value(3).toLongLong(),
                      query.value(4).toString(), query.value(5).toString(), query.value(7).toInt(),
                      query.value(8).toInt());
        return found;
    });
    std::lock_guard lock(m_settingsLock);
    return merge.players([this](const QString& key) {
        // A child listed by name alone may have settings of their one class.
        return m_settings.contains(key) ||
               std::any_of(m_settings.keyBegin(), m_settings.keyEnd(),
                           [&key](const QString& kept) { return classChild(kept).name == key; });
    });
}

int SqliteRecord::forgetPlayer(const QString& child) {
    const QString key = playerKey(child);
    const auto [name, inClass] = classChild(child);
    // A child of a class: that class's rows only.
    const QString ofClass = inClass.isEmpty() ? QString() : QStringLiteral(" AND class = ?");
    const auto andClass = [&inClass](QVariantList values) {
        if (!inClass.isEmpty())
            values.append(inClass);
        return values;
    };
    const int deleted = m_writer->call<int>([&, file = fileName()](QSqlDatabase& db) {
        int answers = 0;
        QSet<QString> spellings{name};
        const auto failure = inTransaction(db, [&]() -> std::optional<Failure> {
            QSqlQuery names = runStatement(db, QStringLiteral("SELECT player FROM answers UNION"
                                                              " SELECT blue FROM games UNION"
                                                              " SELECT red FROM games"));
            while (names.next())
                if (playerKey(childOfClass(names.value(0).toString(), inClass)) == key)
                    spellings.insert(names.value(0).toString());
            for (const QString& spelling : spellings) {
                QSqlQuery gone = runStatement(
                    db, QStringLiteral("DELETE FROM answers WHERE player = ?") + ofClass,
                    andClass({spelling}));
                if (auto failure = failureOf(gone))
                    return failure;
                answers += gone.numRowsAffected();
                if (auto failure = failureOf(runStatement(
                        db,
                        QStringLiteral("DELETE FROM games WHERE (blue = ? OR red = ?)") + ofClass,
                        andClass({spelling, spelling}))))
                    return failure;
            }
            for (const QLatin1String table :
                 {QLatin1String("practice"), QLatin1String("school_facts")})
                if (auto failure = failureOf(runStatement(
                        db,
                        QStringLiteral("DELETE FROM %1 WHERE player_key = ?").arg(table) + ofClass,
                        andClass({playerKey(name)}))))
                    return failure;
            return std::optional<Failure>();
        });
        if (failure)
            return -1;
        if (const QString undone = forgetBesideTheRecord(db, file, spellings.values());
            !undone.isEmpty())
            std::fprintf(stderr, "quintarlow: %s\n", qPrintable(undone));
        return answers;
    });
    if (deleted >= 0) {
        std::lock_guard lock(m_settingsLock);
        m_settings.remove(key);
    }
    return deleted;
}

PracticeSettings SqliteRecord::practiceSettings(const QString& name) {
    std::lock_guard lock(m_settingsLock);
    return settingsOfChild(m_settings, name, {});
}

bool SqliteRecord::setPracticeSettings(const QString& child, const PracticeSettings& settings) {
    const QString key = playerKey(child);
    const auto [name, inClass] = classChild(child);
    const bool saved = m_writer->call<bool>([&](QSqlDatabase& db) {
        return !inTransaction(db, [&]() -> std::optional<Failure> {
            if (auto failure = failureOf(runStatement(
                    db, QStringLiteral("DELETE FROM practice WHERE player_key = ? AND class = ?"),
                    {playerKey(name), keptClass(inClass)})))
                return failure;
            if (settings.isDefault())
                return std::nullopt;
            return failureOf(runStatement(
                db,
                QStringLiteral("INSERT INTO practice (player_key, player, opponent, %1,"
                               " changed_ms, class) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
                    .arg(PracticeColumns),
                QVariantList{playerKey(name), name, int(settings.opponent)} +
                    practiceValues(settings) +
                    QVariantList{QDateTime::currentMSecsSinceEpoch(), keptClass(inClass)}));
        });
    });
    if (saved) {
        std::lock_guard lock(m_settingsLock);
        if (settings.isDefault())
            m_settings.remove(key);
        else
            m_settings.insert(key, settings);
    }
    return saved;
}

SqliteRecord::Merge SqliteRecord::importAnswers(const std::vector<AnswerRow>& rows) {
    return m_writer->call<Merge>([&rows](QSqlDatabase& db) {
        Merge merge;
        if (const auto failure = inTransaction(db, [&] { return addNewRows(db, rows, merge); }))
            return Merge{0, 0,
                         failure->locked
                             ? QStringLiteral("the practice record is locked by another program "
                                              "(another import, a game, a backup) for more than "
                                              "%1 s. Try again once it is done")
                                   .arg(BusyTimeoutMs / 1000)
                             : failure->what};
        return merge;
    });
}

void SqliteRecord::waitUntilWritten() {
    // A record never asked to open has nothing to write, and nobody to wait for.
    if (!m_writer->started())
        return;
    m_writer->call<bool>([](QSqlDatabase&) { return true; });
}

} // namespace quintarlow
