#include "sqliterecord.h"

#include "schema.h"

#include "recordcsv.h"
#include "recordrows.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUuid>
#include <QVariant>
#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <future>
#include <thread>

namespace quintarlow {

QString playerKey(const QString& name) {
    return name.trimmed().toCaseFolded();
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
};

std::optional<Failure> failureOf(const QSqlQuery& query) {
    const QSqlError error = query.lastError();
    if (error.type() == QSqlError::NoError)
        return std::nullopt;
    const QString code = error.nativeErrorCode();
    return Failure{error.text(), code == SqliteCorrupt || code == SqliteNotADatabase,
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

std::optional<Failure> insertAnswer(QSqlDatabase& db, const AnswerRow& row) {
    return failureOf(runStatement(db, InsertAnswer, answerValues(row)));
}

QString newId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// The five columns the statistics need. The day is the local date the answer was played on,
// as its own text says it.
std::vector<FactAnswer> factAnswersOf(QSqlDatabase& db, const QString& player) {
    QVariantList values;
    const QString filter = playerFilter(db, player, &values);
    QSqlQuery query =
        runStatement(db,
                     QStringLiteral("SELECT a, b, outcome, ms, played_at FROM answers") + filter +
                         QStringLiteral(" ORDER BY played_ms, rowid"),
                     values);
    std::vector<FactAnswer> answers;
    while (query.next())
        answers.push_back({query.value(0).toInt(), query.value(1).toInt(),
                           outcomeOf(query.value(2).toString()), query.value(3).toLongLong(),
                           QDate::fromString(query.value(4).toString().left(10), Qt::ISODate)});
    return answers;
}

QHash<QString, PracticeSettings> settingsOf(QSqlDatabase& db) {
    QHash<QString, PracticeSettings> settings;
    QSqlQuery query =
        runStatement(db, QStringLiteral("SELECT player_key, tables, ask_missed FROM practice"));
    while (query.next())
        settings.insert(query.value(0).toString(),
                        {keptTables(query.value(1).toString()), query.value(2).toBool()});
    return settings;
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

    // Opens the file on the thread; an empty text on success.
    QString start() {
        std::promise<QString> opened;
        auto result = opened.get_future();
        m_thread = std::thread([this, opened = std::move(opened)]() mutable { live(opened); });
        return result.get();
    }

    // A write the board does not wait for. After the first failure the record is given up,
    // said once, and the game plays on as without one.
    void post(std::function<std::optional<Failure>(QSqlDatabase&)> write) {
        enqueue([this, write = std::move(write)](QSqlDatabase& db) {
            if (m_givenUp)
                return;
            if (const auto failure = write(db); !failure) {
                std::function<void()> written;
                {
                    std::lock_guard lock(m_lock);
                    written = m_written;
                }
                if (written)
                    written();
            } else {
                m_givenUp = true;
                std::fprintf(stderr,
                             "quintarlow: the practice record %s cannot be written (%s); "
                             "playing on without it\n",
                             qPrintable(m_file), qPrintable(whyNot(*failure)));
            }
        });
    }

    // A read whose result goes elsewhere; nobody waits for it.
    void later(Job job) { enqueue(std::move(job)); }

    void onWritten(std::function<void()> call) {
        std::lock_guard lock(m_lock);
        m_written = std::move(call);
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

    static QString whyNot(const Failure& failure) {
        return failure.locked ? QStringLiteral("locked by another game for more than 2 s")
                              : failure.what;
    }

private:
    void enqueue(Job job) {
        {
            std::lock_guard lock(m_lock);
            m_jobs.push_back(std::move(job));
        }
        m_wake.notify_one();
    }

    void live(std::promise<QString>& opened) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
            QString error = openFile(db);
            const bool ok = error.isEmpty();
            opened.set_value(std::move(error));
            if (ok)
                serve(db);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
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
                job = std::move(m_jobs.front());
                m_jobs.pop_front();
            }
            job(db);
        }
    }

    QString openFile(QSqlDatabase& db) {
        std::optional<Failure> failure = connect(db);
        if (failure && failure->damaged && m_moveDamagedAside) {
            db.close();
            const QString aside =
                QStringLiteral("%1.damaged-%2")
                    .arg(m_file,
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
            if (!QFile::rename(m_file, aside))
                return QStringLiteral("%1 is damaged and cannot be moved aside").arg(m_file);
            // A journal left by the damaged file belongs to it, not to the fresh one.
            QFile::rename(m_file + QStringLiteral("-journal"), aside + QStringLiteral("-journal"));
            std::fprintf(stderr,
                         "quintarlow: the practice record was damaged; kept it as %s and "
                         "started a fresh one\n",
                         qPrintable(aside));
            failure = connect(db);
        }
        if (failure)
            return QStringLiteral("%1: %2").arg(m_file, whyNot(*failure));
        return {};
    }

    std::optional<Failure> connect(QSqlDatabase& db) {
        db.setDatabaseName(m_file);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
        if (!db.open())
            return Failure{db.lastError().text()};
        QSqlQuery check = runStatement(db, QStringLiteral("PRAGMA quick_check"));
        if (auto failure = failureOf(check))
            return failure;
        const bool intact = check.next() && check.value(0).toString() == QLatin1String("ok");
        // A statement left open keeps its read lock, and SQLite refuses a writer that holds
        // one at once, without waiting out the busy timeout.
        check.finish();
        if (!intact)
            return Failure{QStringLiteral("damaged"), true};
        if (auto failure = failureOf(runStatement(db, QStringLiteral("PRAGMA synchronous = FULL"))))
            return failure;
        // A forgotten child's rows are overwritten, not only unlinked into free pages.
        if (auto failure = failureOf(runStatement(db, QStringLiteral("PRAGMA secure_delete = ON"))))
            return failure;
        if (const QString why = schema::upgrade(db); !why.isEmpty())
            return Failure{why};
        return std::nullopt;
    }

    const QString m_file;
    const QString m_connection;
    std::thread m_thread;
    std::mutex m_lock;
    std::condition_variable m_wake;
    std::deque<Job> m_jobs;
    bool m_stopping = false;
    bool m_givenUp = false; // only the thread reads and writes it
    const bool m_moveDamagedAside;
    std::function<void()> m_written; // under m_lock
};

QString SqliteRecord::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

std::unique_ptr<SqliteRecord> SqliteRecord::open(const QString& folder, QString* error,
                                                 Damaged damaged) {
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot make the folder %1").arg(folder);
        return nullptr;
    }
    // The record is the child's own: nobody else on the computer may look in. Only others'
    // rights are taken away; a folder its owner made read-only stays so, and is found out on
    // opening or at the first answer.
    constexpr QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                QFileDevice::WriteOther | QFileDevice::ExeOther;
    if (const auto rights = QFile::permissions(folder); rights & others)
        QFile::setPermissions(folder, rights & ~others);
    auto writer = std::make_unique<Writer>(QDir(folder).filePath(QStringLiteral("record.sqlite")),
                                           damaged == Damaged::MoveAside);
    if (QString why = writer->start(); !why.isEmpty()) {
        *error = why;
        return nullptr;
    }
    std::unique_ptr<SqliteRecord> record(new SqliteRecord(std::move(writer)));
    record->m_settings = record->m_writer->call<QHash<QString, PracticeSettings>>(settingsOf);
    return record;
}

void SqliteRecord::reloadSettings() {
    m_writer->later([this](QSqlDatabase& db) {
        QHash<QString, PracticeSettings> settings = settingsOf(db);
        std::lock_guard lock(m_settingsLock);
        m_settings = std::move(settings);
    });
}

SqliteRecord::SqliteRecord(std::unique_ptr<Writer> writer) : m_writer(std::move(writer)) {}

std::vector<FactAnswer> SqliteRecord::factAnswers(const QString& player) {
    return m_writer->call<std::vector<FactAnswer>>(
        [&player](QSqlDatabase& db) { return factAnswersOf(db, player); });
}

void SqliteRecord::onWritten(std::function<void()> call) {
    m_writer->onWritten(std::move(call));
}

SqliteRecord::~SqliteRecord() = default;

QString SqliteRecord::fileName() const {
    return m_writer->file();
}

void SqliteRecord::gameStarted(const QString& blue, const QString& red, const QDateTime& at) {
    m_gameId = newId();
    m_turn = 0;
    QStringList missing; // players whose misses are asked again
    {
        std::lock_guard lock(m_settingsLock);
        m_gamePlans.clear();
        m_plansGame = m_gameId;
        for (const QString& player : {blue, red}) {
            const PracticeSettings settings = m_settings.value(playerKey(player));
            m_gamePlans.insert(playerKey(player), {settings, {}});
            if (settings.askMissed)
                missing.append(player.trimmed());
        }
    }
    m_writer->post([game = m_gameId, blue = blue.trimmed(), red = red.trimmed(),
                    at = isoWithOffset(at)](QSqlDatabase& db) {
        return inTransaction(db, [&] {
            return failureOf(
                runStatement(db,
                             QStringLiteral("INSERT INTO games (game_id, blue, red, started_at)"
                                            " VALUES (?, ?, ?, ?)"),
                             {game, blue, red, at}));
        });
    });
    if (missing.isEmpty())
        return;
    m_writer->later([this, game = m_gameId, missing,
                     fluency = m_fluencyMs.load()](QSqlDatabase& db) {
        for (const QString& player : missing) {
            std::vector<Fact> facts;
            for (const FactToPractise& weak : factsToPractise(factAnswersOf(db, player), fluency))
                facts.push_back(weak.fact);
            std::lock_guard lock(m_settingsLock);
            if (m_plansGame == game)
                m_gamePlans[playerKey(player)].missed = std::move(facts);
        }
    });
}

void SqliteRecord::answerJudged(const JudgedAnswer& answer) {
    if (m_gameId.isEmpty())
        return;
    const AnswerRow row{
        newId(),  answer.player.trimmed(), answer.judgedAt, m_gameId,       ++m_turn, answer.a,
        answer.b, answer.a * answer.b,     answer.answered, answer.outcome, answer.ms};
    m_writer->post([row](QSqlDatabase& db) {
        return inTransaction(db, [&] { return insertAnswer(db, row); });
    });
}

void SqliteRecord::gameFinished(const QString& winner, const QDateTime& at) {
    if (m_gameId.isEmpty())
        return;
    m_writer->post(
        [game = m_gameId, winner = winner.trimmed(), at = isoWithOffset(at)](QSqlDatabase& db) {
            return inTransaction(db, [&] {
                return failureOf(runStatement(
                    db,
                    QStringLiteral("UPDATE games SET winner = ?, ended_at = ?"
                                   " WHERE game_id = ?"),
                    {winner.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(winner),
                     at, game}));
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
    return {m_settings.value(key), {}};
}

std::vector<AnswerRow> SqliteRecord::answers(const QString& player) {
    return m_writer->call<std::vector<AnswerRow>>([&player](QSqlDatabase& db) {
        QVariantList values;
        const QString filter = playerFilter(db, player, &values);
        QSqlQuery query =
            runStatement(db,
                         QStringLiteral("SELECT %1 FROM answers").arg(AnswerColumns) + filter +
                             // Within one millisecond, as reported.
                             QStringLiteral(" ORDER BY played_ms, rowid"),
                         values);
        std::vector<AnswerRow> rows;
        while (query.next())
            rows.push_back(answerRowFrom(query));
        return rows;
    });
}

std::vector<PlayerSummary> SqliteRecord::players() {
    // One line per spelling of a name. (SQLite takes played_at from the row that holds the MAX.)
    const auto merge = m_writer->call<PlayerMerge>([](QSqlDatabase& db) {
        QSqlQuery query =
            runStatement(db, QStringLiteral("SELECT player, COUNT(*),"
                                            " SUM(outcome = 'right'), MAX(played_ms),"
                                            " played_at, GROUP_CONCAT(DISTINCT game_id)"
                                            " FROM answers GROUP BY player"));
        PlayerMerge found;
        while (query.next())
            found.add(query.value(0).toString(), query.value(1).toInt(), query.value(2).toInt(),
                      query.value(3).toLongLong(), query.value(4).toString(),
                      query.value(5).toString());
        return found;
    });
    std::lock_guard lock(m_settingsLock);
    return merge.players([this](const QString& key) { return m_settings.contains(key); });
}

int SqliteRecord::forgetPlayer(const QString& name) {
    const QString key = playerKey(name);
    const int deleted = m_writer->call<int>([&key](QSqlDatabase& db) {
        int answers = 0;
        const auto failure = inTransaction(db, [&]() -> std::optional<Failure> {
            QSet<QString> spellings;
            QSqlQuery names = runStatement(db, QStringLiteral("SELECT player FROM answers UNION"
                                                              " SELECT blue FROM games UNION"
                                                              " SELECT red FROM games"));
            while (names.next())
                if (playerKey(names.value(0).toString()) == key)
                    spellings.insert(names.value(0).toString());
            for (const QString& spelling : spellings) {
                QSqlQuery gone = runStatement(
                    db, QStringLiteral("DELETE FROM answers WHERE player = ?"), {spelling});
                if (auto failure = failureOf(gone))
                    return failure;
                answers += gone.numRowsAffected();
                if (auto failure = failureOf(runStatement(
                        db, QStringLiteral("DELETE FROM games WHERE blue = ? OR red = ?"),
                        {spelling, spelling})))
                    return failure;
            }
            return failureOf(runStatement(
                db, QStringLiteral("DELETE FROM practice WHERE player_key = ?"), {key}));
        });
        return failure ? -1 : answers;
    });
    if (deleted >= 0) {
        std::lock_guard lock(m_settingsLock);
        m_settings.remove(key);
    }
    return deleted;
}

PracticeSettings SqliteRecord::practiceSettings(const QString& name) {
    std::lock_guard lock(m_settingsLock);
    return m_settings.value(playerKey(name));
}

bool SqliteRecord::setPracticeSettings(const QString& name, const PracticeSettings& settings) {
    const QString key = playerKey(name);
    const bool saved = m_writer->call<bool>([&](QSqlDatabase& db) {
        return !inTransaction(db, [&]() -> std::optional<Failure> {
            if (auto failure = failureOf(runStatement(
                    db, QStringLiteral("DELETE FROM practice WHERE player_key = ?"), {key})))
                return failure;
            if (settings.isDefault())
                return std::nullopt;
            return failureOf(
                runStatement(db,
                             QStringLiteral("INSERT INTO practice (player_key, player, tables,"
                                            " ask_missed, changed_ms) VALUES (?, ?, ?, ?, ?)"),
                             {key, name.trimmed(), keptTablesText(settings.tables),
                              settings.askMissed ? 1 : 0, QDateTime::currentMSecsSinceEpoch()}));
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
        const auto failure = inTransaction(db, [&]() -> std::optional<Failure> {
            for (const AnswerRow& row : rows) {
                QSqlQuery kept =
                    runStatement(db, QStringLiteral("SELECT 1 FROM answers WHERE answer_id = ?"),
                                 {row.answerId});
                if (auto failure = failureOf(kept))
                    return failure;
                if (kept.next()) {
                    ++merge.skipped;
                    continue;
                }
                if (auto failure = insertAnswer(db, row))
                    return failure;
                ++merge.added;
            }
            return std::nullopt;
        });
        if (failure)
            return Merge{0, 0, Writer::whyNot(*failure)};
        return merge;
    });
}

void SqliteRecord::waitUntilWritten() {
    m_writer->call<bool>([](QSqlDatabase&) { return true; });
}

} // namespace quintarlow
