#include "record/sqlitewriter.h"

#include "record/recordcsv.h"
#include "record/recordwords.h"
#include "record/schema.h"
#include "record/sqlitequeries.h"
#include "record/sqliterecord.h"

#include "core/savedfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <algorithm>

namespace quintarlow {

namespace {

// SQLite's own result codes, as the driver reports them.
constexpr QLatin1String SqliteBusy{"5"};
constexpr QLatin1String SqliteCorrupt{"11"};
constexpr QLatin1String SqliteNotADatabase{"26"};

// Beside the record while it is locked: the answers waiting for it, so that a game killed
// meanwhile loses none of them. Whoever opens the record next adds them.
QString waitingFile(const QString& recordFile) {
    return recordFile + QStringLiteral("-waiting.csv");
}

} // namespace

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

QString forgetBesideTheRecord(const QSqlDatabase& db, const QString& recordFile,
                              const QStringList& spellings) {
    QStringList undone;
    QSqlQuery checkpoint = runStatement(db, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    if (!checkpoint.next() || checkpoint.value(0).toInt() != 0)
        undone << RecordWords::tr("the record's write-ahead log could not be emptied while "
                                  "another program reads the record");
    checkpoint.finish();
    QSet<QString> keys;
    for (const QString& spelling : spellings)
        keys.insert(playerKey(spelling));
    const QString waiting = waitingFile(recordFile);
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
            sayOnStderr(RecordWords::tr("erased %1, a damaged copy of the record that held the "
                                        "forgotten name")
                            .arg(copy.filePath()));
    }
    return undone.join(QStringLiteral("; "));
}

SqliteWriter::SqliteWriter(QString file, bool moveDamagedAside)
    : m_file(std::move(file)), m_connection(QStringLiteral("record-") + newId()),
      m_moveDamagedAside(moveDamagedAside) {}

SqliteWriter::~SqliteWriter() {
    {
        std::lock_guard lock(m_lock);
        m_stopping = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

QString SqliteWriter::start() {
    std::promise<QString> opened;
    auto result = opened.get_future();
    m_thread = std::thread([this, opened = std::move(opened)]() mutable {
        live(false, [&opened](const QString& error) { opened.set_value(error); });
    });
    return result.get();
}

void SqliteWriter::startInBackground() {
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
            sayOnStderr(RecordWords::tr("no practice record (%1); playing without one").arg(error));
            sayGivenUp(error);
        });
    });
}

void SqliteWriter::post(std::function<std::optional<Failure>(QSqlDatabase&)> write,
                        std::optional<AnswerRow> answer) {
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
                sayOnStderr(RecordWords::tr("the practice record %1 cannot be written (%2); "
                                            "playing on without it")
                                .arg(m_file, failure->what));
                sayGivenUp(failure->what);
            }
        },
        std::move(answer));
}

void SqliteWriter::later(Job job) {
    enqueue([this, job = std::move(job)](QSqlDatabase& db) {
        if (!m_givenUp)
            job(db);
    });
}

void SqliteWriter::onWritten(std::function<void()> call) {
    std::lock_guard lock(m_lock);
    m_written = std::move(call);
}

void SqliteWriter::onGivenUp(std::function<void(const QString&)> call) {
    std::lock_guard lock(m_lock);
    m_givenUpCall = std::move(call);
}

void SqliteWriter::onOpened(std::function<void()> call) {
    std::lock_guard lock(m_lock);
    m_openedCall = std::move(call);
}

// Beside stderr, where a parent who started the game from the menu sees it too.
void SqliteWriter::sayGivenUp(const QString& why) {
    std::function<void(const QString&)> givenUp;
    {
        std::lock_guard lock(m_lock);
        givenUp = m_givenUpCall;
    }
    if (givenUp)
        givenUp(why);
}

QString SqliteWriter::whyNot(const Failure& failure) {
    return failure.locked ? RecordWords::tr("locked by another program for more than %1 s")
                                .arg(BusyTimeoutMs / 1000)
                          : failure.what;
}

void SqliteWriter::enqueue(Job job, std::optional<AnswerRow> answer) {
    {
        std::lock_guard lock(m_lock);
        m_jobs.push_back({std::move(job), std::move(answer)});
    }
    m_wake.notify_one();
}

QString SqliteWriter::keptAsideFile() const {
    return waitingFile(m_file);
}

void SqliteWriter::keepAside() {
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
        sayOnStderr(RecordWords::tr("cannot keep the waiting answers in %1: %2")
                        .arg(keptAsideFile(), failure));
    else
        m_keptAside = waiting.size();
}

// Once the last answer kept aside is in the record.
void SqliteWriter::dropKeptAside() {
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
void SqliteWriter::addKeptAside(QSqlDatabase& db) {
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
        sayOnStderr(RecordWords::tr("added %n answers a game could not write while the "
                                    "practice record was locked",
                                    nullptr, merge.added));
}

// Tries `attempt` until it does not fail for a lock. Each try already waits out the busy
// timeout; between tries the thread pauses, longer each time, so that a lock held for
// minutes costs a few tries a minute. Once the program is quitting, the tries go on for
// QuitPatience at most: a quit then waits that long at worst, and what could not be
// written is said.
std::optional<Failure>
SqliteWriter::whenUnlocked(const std::function<std::optional<Failure>()>& attempt) {
    std::optional<Failure> result = attempt();
    std::chrono::milliseconds pause = FirstPause;
    std::optional<std::chrono::steady_clock::time_point> quitBy;
    while (isLocked(result)) {
        keepAside();
        if (!m_saidLocked) {
            m_saidLocked = true;
            sayOnStderr(RecordWords::tr("the practice record %1 is locked by another program; "
                                        "the answers wait and are written once it is free")
                            .arg(m_file));
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

bool SqliteWriter::isLocked(const std::optional<Failure>& failure) {
    return failure && failure->locked;
}

// patient: a file locked by another program is waited for, not refused.
void SqliteWriter::live(bool patient, const std::function<void(const QString&)>& opened) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        const std::optional<Failure> failure =
            patient ? whenUnlocked([&] { return openFile(db); }) : openWithoutWaiting(db);
        if (failure)
            m_openAdvice =
                failure->damaged ? SqliteRecord::unreadableAdvice()
                : failure->locked
                    ? RecordWords::tr("Try again once the other program (a game, an import, a "
                                      "backup) is done with it.")
                    : failure->advice;
        opened(failure ? QStringLiteral("%1: %2").arg(m_file, whyNot(*failure)) : QString());
        serve(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    if (m_lost > 0)
        sayOnStderr(RecordWords::tr("%n reports of this session were not written to the "
                                    "practice record %1",
                                    nullptr, m_lost)
                        .arg(m_file));
}

// Until told to stop, and then until the queue is empty: nothing reported is lost.
void SqliteWriter::serve(QSqlDatabase& db) {
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
std::optional<Failure> SqliteWriter::openWithoutWaiting(QSqlDatabase& db) {
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

std::optional<Failure> SqliteWriter::openFile(QSqlDatabase& db) {
    std::optional<Failure> failure = connect(db);
    if (failure && failure->damaged && m_moveDamagedAside) {
        db.close();
        const QString aside =
            QStringLiteral("%1.damaged-%2")
                .arg(m_file,
                     QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
        if (!QFile::rename(m_file, aside))
            return Failure{RecordWords::tr("damaged and cannot be moved aside")};
        // A journal or write-ahead log left by the damaged file belongs to it, not to the
        // fresh one; the shared-memory index is rebuilt from the log.
        for (const QLatin1String suffix : {QLatin1String("-journal"), QLatin1String("-wal")})
            QFile::rename(m_file + suffix, aside + suffix);
        QFile::remove(m_file + QStringLiteral("-shm"));
        sayOnStderr(RecordWords::tr("the practice record was damaged; kept it as %1 and "
                                    "started a fresh one")
                        .arg(aside));
        failure = connect(db);
    }
    if (failure)
        db.close();
    return failure;
}

std::optional<Failure> SqliteWriter::connect(QSqlDatabase& db) {
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
        return Failure{RecordWords::tr("damaged"), true};
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
            return Failure{
                RecordWords::tr("no write-ahead log: %1").arg(journal.value(0).toString())};
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

std::optional<Failure> SqliteWriter::notThisProgramsRecord(QSqlDatabase& db,
                                                           bool foreignRefused) const {
    const int version = schema::storedVersion(db);
    if (version > schema::newestVersion())
        return Failure{
            RecordWords::tr("it is a practice record of a newer version of Quintarlow! (its "
                            "version %1; this one knows up to %2)")
                .arg(version)
                .arg(schema::newestVersion()),
            false, false,
            RecordWords::tr("Use the newer Quintarlow! that wrote it (its --export-record "
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
    return Failure{RecordWords::tr("it is another program's SQLite database (tables %1), not "
                                   "a practice record")
                       .arg(tables.mid(0, 5).join(QStringLiteral(", "))),
                   false, false,
                   RecordWords::tr("Move that file out of the folder %1 (the game then starts "
                                   "a fresh record there), or put the practice record back.")
                       .arg(QFileInfo(m_file).path())};
}

} // namespace quintarlow
