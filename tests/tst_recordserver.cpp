// The practice record on a school's PostgreSQL server: its tables, where the settings come
// from, sending answers from local record folders to a real server this test starts, and
// reading the whole school back from it.

#include "core/playernames.h"
#include "record/recordcsv.h"
#include "record/recordrows.h"
#include "record/recordsender.h"
#include "record/schema.h"
#include "record/schoolsetup.h"
#include "record/serverrecord.h"
#include "record/serversettings.h"
#include "record/serversync.h"
#include "record/serverwriter.h"
#include "record/sqliterecord.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QUuid>

#include <algorithm>
#include <csignal>
#include <functional>
#include <memory>
#include <pwd.h>
#include <unistd.h>

using namespace quintarlow;

namespace {

// Runs a query and hands back every row's values, each row joined by '|'.
QStringList rows(const QSqlDatabase& db, const QString& select) {
    QSqlQuery query(db);
    if (!query.exec(select))
        return {"error: " + query.lastError().text()};
    QStringList all;
    while (query.next()) {
        QStringList values;
        for (int i = 0; i < query.record().count(); ++i)
            values.append(query.isNull(i) ? "NULL" : query.value(i).toString());
        all.append(values.join(QLatin1Char('|')));
    }
    return all;
}

// A PostgreSQL server of the test's own, on a Unix socket in a temporary folder and on no
// network address; run as the postgres user when the test runs as root, as PostgreSQL insists.
class TestPostgres {
public:
    // The newest installed server's programs, or empty.
    static QString findPrograms() {
        QDir versions("/usr/lib/postgresql");
        for (const QString& version : versions.entryList(QDir::Dirs, QDir::Name | QDir::Reversed))
            if (QFile::exists(versions.filePath(version + "/bin/pg_ctl")))
                return versions.filePath(version + "/bin");
        return {};
    }

    explicit TestPostgres(QString bin) : m_bin(std::move(bin)) {}
    ~TestPostgres() {
        if (m_running)
            run("pg_ctl -w -D %1/data -m immediate stop");
    }

    bool create() {
        const passwd* postgres = getpwnam("postgres");
        return m_dir.isValid() &&
               (geteuid() != 0 || (postgres && chown(QFile::encodeName(m_dir.path()).constData(),
                                                     postgres->pw_uid, postgres->pw_gid) == 0)) &&
               run("initdb -D %1/data -A trust -U postgres --no-sync") && start();
    }
    bool start() {
        m_running = run("pg_ctl -w -D %1/data -l %1/log "
                        "-o \"-k %1 -c listen_addresses='' -c fsync=off\" start");
        return m_running;
    }
    bool stop() {
        m_running = !run("pg_ctl -w -D %1/data -m fast stop");
        return !m_running;
    }

    ServerSettings settings(const QString& database) const {
        ServerSettings server;
        server.host = m_dir.path();
        server.database = database;
        server.user = "postgres";
        return server;
    }

private:
    // %1 in the command is the server's folder.
    bool run(const QString& command) {
        QStringList arguments = QProcess::splitCommand(m_bin + '/' + command.arg(m_dir.path()));
        if (geteuid() == 0)
            arguments = QStringList{"runuser", "-u", "postgres", "--"} + arguments;
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(arguments.takeFirst(), arguments);
        return process.waitForFinished(120'000) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

    QString m_bin;
    QTemporaryDir m_dir;
    bool m_running = false;
};

const QString zoe = "Zoë \"O'Neil\", Jr";

// A local record file as the game keeps it, in a folder of its own; empty, or with the newest
// tables.
class LocalRecord {
public:
    explicit LocalRecord(bool withTables = true) : m_name(QUuid::createUuid().toString()) {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", m_name);
        db.setDatabaseName(path());
        if (db.open() && withTables)
            schema::upgrade(db);
    }
    ~LocalRecord() {
        QSqlDatabase::database(m_name).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name); }
    // The file as the game opens it.
    std::unique_ptr<SqliteRecord> game() const {
        QString error;
        return SqliteRecord::open(m_dir.path(), &error);
    }
    QString path() const { return m_dir.filePath("record.sqlite"); }

    QString addGame(const QString& blue = "Ann", const QString& red = "Bo") {
        const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        runStatement(db(),
                     "INSERT INTO games (game_id, blue, red, winner, started_at, "
                     "ended_at) VALUES (?, ?, ?, NULL, "
                     "'2026-12-07T10:00:00+01:00', NULL)",
                     {id, blue, red});
        return id;
    }
    // Answers are played a second apart, in the order they are added.
    QString addAnswer(const QString& game, int turn, const QVariant& answered,
                      const QString& outcome, const QString& player = zoe,
                      qint64 startMs = 1'796'634'000'000) {
        const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        const qint64 ms = startMs + 1000 * turn;
        runStatement(db(),
                     "INSERT INTO answers (answer_id, player, played_at, played_ms,"
                     " game_id, turn, a, b, product, answered, outcome, ms) VALUES"
                     " (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                     {id, player,
                      isoWithOffset(QDateTime::fromMSecsSinceEpoch(ms, QTimeZone(3600))), ms, game,
                      turn, 7, 8, 56, answered, outcome, 1500 + turn});
        return id;
    }

private:
    QTemporaryDir m_dir;
    QString m_name;
};

// The record a login's window reads; none ends the run, for every use would crash on it.
std::unique_ptr<ServerRecord> recordOf(const ServerSettings& server) {
    QString error;
    auto record = ServerRecord::open(server, &error);
    if (!record)
        qFatal("%s", qPrintable(error));
    return record;
}

// Three spellings of two children over two games, as a school's machines send them; the last
// answer is played last, after midnight where it was played but not yet in UTC.
std::vector<AnswerRow> classAnswers() {
    const auto at = [](int day, int hour) {
        return QDateTime(QDate(2026, 12, day), QTime(hour, 30), QTimeZone(3600));
    };
    const auto id = [](int n) {
        return QStringLiteral("00000000-0000-4000-8000-%1").arg(n, 12, 10, QLatin1Char('0'));
    };
    return {{id(1), "Ann", at(7, 10), id(10), 1, 7, 8, 56, 56, Outcome::Right, 1200},
            {id(2), "Bo", at(7, 11), id(10), 2, 6, 9, 54, 45, Outcome::Wrong, 3000},
            {id(3), "ann", at(7, 12), id(20), 1, 3, 4, 12, std::nullopt, Outcome::Timeout, 20000},
            {id(4), "ANN", at(8, 0), id(20), 2, 12, 12, 144, 144, Outcome::Right, 900}};
}

// The player list as the window shows it, one line per child.
QStringList listed(const std::vector<PlayerSummary>& players) {
    QStringList lines;
    for (const PlayerSummary& player : players)
        lines.append(QString::asprintf("%s %d games %d answers %d right, last %s, %d alone, %d won",
                                       qPrintable(player.name), player.games, player.answers,
                                       player.right,
                                       qPrintable(player.lastPlayed.toString(Qt::ISODateWithMs)),
                                       player.gamesAlone, player.wonAlone));
    return lines;
}

// The same rows counted by a family's file, which counts each answer at each look.
QStringList listedByAFile(const std::vector<AnswerRow>& rows) {
    QTemporaryDir folder;
    QString error;
    const auto file = SqliteRecord::open(folder.path(), &error);
    if (!file)
        return {error};
    const SqliteRecord::Merge merge = file->importAnswers(rows);
    return merge.error.isEmpty() ? listed(file->players()) : QStringList{merge.error};
}

} // namespace

class TestRecordServer : public QObject {
    Q_OBJECT

    std::unique_ptr<TestPostgres> m_postgres;
    QSqlDatabase m_admin;
    int m_databases = 0;
    bool m_loginsJoined = false; // the logins are in their group roles, made by the first set-up

    // A fresh database on the test's server, with no tables in it.
    ServerSettings newDatabase(const QString& options = {}) {
        const QString name = QStringLiteral("school%1").arg(++m_databases);
        QSqlQuery(m_admin).exec("CREATE DATABASE " + name + options);
        return m_postgres->settings(name);
    }
    static QSqlDatabase openServer(const ServerSettings& server) {
        const QString name = QStringLiteral("server-%1-%2").arg(server.database, server.user);
        return QSqlDatabase::contains(name) ? QSqlDatabase::database(name) : server.open(name);
    }
    static ServerSettings as(ServerSettings server, const QString& login,
                             const QString& className = {}) {
        std::tie(server.user, server.className) = std::tie(login, className);
        return server;
    }
    // A school with classes 4B and 5A, a machine of each and of both, their teachers, a teacher
    // of both and the head.
    ServerSettings schoolDatabase(std::optional<int> keepDays = std::nullopt) {
        const ServerSettings server = newDatabase();
        QString error;
        setUpSchoolServer(openServer(server), {"4B", "5A"}, keepDays, &error);
        if (std::exchange(m_loginsJoined, true))
            return server;
        QSqlQuery(m_admin).exec(
            "GRANT quintarlow_machines TO pc_4b, pc_5a, pc_both; GRANT quintarlow_teachers TO "
            "teacher_4b, teacher_5a, teacher_both; GRANT quintarlow_school TO head; GRANT "
            "quintarlow_class_4b TO pc_4b, teacher_4b, pc_both, teacher_both; GRANT "
            "quintarlow_class_5a TO pc_5a, teacher_5a, pc_both, teacher_both");
        return server;
    }
    // Runs the statements as the login on a connection of its own, closed afterwards, and
    // hands back what the last one returned (or its error).
    static QStringList runAs(const ServerSettings& server, const QString& login,
                             const QStringList& statements) {
        QStringList got;
        {
            QSqlDatabase db = as(server, login).open("attack");
            for (const QString& statement : statements)
                got = rows(db, statement);
        }
        QSqlDatabase::removeDatabase("attack");
        return got;
    }
    // Rows a machine of the class sends straight to the server; false unless all are added.
    static bool sent(const ServerSettings& server, const QString& className,
                     const std::vector<AnswerRow>& answers,
                     const std::vector<GameRow>& games = {}) {
        return writeToServer(openServer(server), games, answers, className).added ==
               int(answers.size());
    }
    // 6 x 7 at `ms`, where the clocks are `offset` seconds ahead of UTC; in game `game` (a game
    // of its own when 0).
    static AnswerRow answer(const QString& player, qint64 ms, Outcome outcome = Outcome::Right,
                            int offset = 3600, int game = 0) {
        const auto id = [] { return QUuid::createUuid().toString(QUuid::WithoutBraces); };
        const QDateTime at = QDateTime::fromMSecsSinceEpoch(ms, QTimeZone(offset));
        const QString gameId =
            game ? QStringLiteral("00000000-0000-4000-8000-%1").arg(game, 12, 10, QChar('0'))
                 : id();
        return {id(), player, at, gameId, 1, 6, 7, 42, 42, outcome, 2000};
    }

    // What the next game on the machine draws the player's questions by and times them with,
    // from the file alone.
    static PracticePlan nextPlan(const LocalRecord& local, const QString& player) {
        const auto game = local.game();
        if (!game)
            return PracticePlan{{{0}}, {}}; // no game has a table 0
        game->gameStarted(player, "Di", QDateTime::currentDateTime());
        game->waitUntilWritten();
        return game->practicePlan(player);
    }
    static QString drawn(const PracticePlan& plan) {
        return QString::asprintf("%s|%d|%d|%d", qPrintable(keptTablesText(plan.settings.tables)),
                                 int(plan.settings.askMissed), int(plan.settings.path),
                                 plan.answerSeconds);
    }

    // What the sending process says goes to `said`, when a test looks at it.
    static std::unique_ptr<RecordSender>
    sender(const LocalRecord& local, const ServerSettings& server, QStringList* said = nullptr) {
        return std::make_unique<RecordSender>(
            local.path(), server,
            RecordSender::Command{QCoreApplication::applicationFilePath(), {"--sync-record"}},
            [said](const QString& line) { said ? said->append(line) : void(); });
    }
    // One whole round, as a kept answer (or the game's minute tick) starts it.
    static SyncStatus round(RecordSender& sender,
                            void (RecordSender::*start)() = &RecordSender::sendNow) {
        QSignalSpy ended(&sender, &RecordSender::roundEnded);
        (sender.*start)();
        return ended.wait(60'000) ? ended.takeFirst().at(0).value<SyncStatus>()
                                  : SyncStatus::NotStarted;
    }

private Q_SLOTS:
    void initTestCase() {
        const QString bin = TestPostgres::findPrograms();
        if (bin.isEmpty())
            return;
        m_postgres = std::make_unique<TestPostgres>(bin);
        QVERIFY(m_postgres->create());
        m_admin = openServer(m_postgres->settings("postgres"));
        QVERIFY2(m_admin.isOpen(), qPrintable(m_admin.lastError().text()));
        for (const char* login :
             {"pc_4b", "pc_5a", "teacher_4b", "teacher_5a", "head", "pc_both", "teacher_both"})
            QVERIFY(QSqlQuery(m_admin).exec(QStringLiteral("CREATE ROLE %1 LOGIN").arg(login)));
    }
    void cleanupTestCase() {
        m_admin.close();
        m_postgres.reset();
    }
    void init() {
        const QStringList local{"localFileUpgrades", "settingsComeFromTheMachineAndTheUser",
                                "aServerThatNeverAnswersHoldsUpNothing"};
        if (!m_postgres && !local.contains(QTest::currentTestFunction()))
            QSKIP("PostgreSQL is not installed (Debian: postgresql); the server is not tried");
    }

    // A file of an earlier version is brought up to date with what it holds; one of a newer
    // version is refused by every command (record_process.sh).
    void localFileUpgrades_data() {
        QTest::addColumn<int>("from");
        QTest::newRow("empty file") << 0;
        QTest::newRow("first version, with an answer") << 1;
        QTest::newRow("before classes, with settings and the school's facts") << 9;
    }
    void localFileUpgrades() {
        QFETCH(int, from);
        LocalRecord local(false);
        QSqlDatabase db = local.db();
        for (const schema::Migration& migration : schema::migrations())
            for (const QString& statement : migration.statements + migration.localOnly)
                if (migration.version <= from)
                    QVERIFY2(QSqlQuery(db).exec(statement), qPrintable(statement));
        QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = %1").arg(from));
        if (from > 0)
            local.addAnswer(local.addGame(), 1, 56, "right");
        QVERIFY(from != 9 || QSqlQuery(db).exec("INSERT INTO practice (player_key, player, tables,"
                                                " ask_missed) VALUES ('ann', '', '3', 0)"));

        QCOMPARE(schema::upgrade(db), QString());
        QCOMPARE(schema::storedVersion(db), schema::newestVersion());
        QCOMPARE(rows(db, "SELECT count(*) FROM answers"),
                 QStringList(QString::number(from > 0 ? 1 : 0)));
        // Kept as no class's, which every class's child of that name reads.
        QCOMPARE(rows(db, "SELECT class || player_key || tables FROM practice"),
                 QStringList(from == 9 ? 1 : 0, "ann3"));
    }

    void settingsComeFromTheMachineAndTheUser_data() {
        for (const char* column : {"machine", "user", "host", "sslMode"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<bool>("problem");
        // A line: the case @ the machine's file @ the user's @ the host read @ TLS @ a problem.
        const QString cases = QStringLiteral(R"(
nothing set @  @  @  @ require @ 0
machine, across the network @ $school @  @ db.school.example @ require @ 0
machine, the server's own socket @ [record]|host=/var/run/postgresql @  @ /var/run/postgresql @ prefer @ 0
machine, loopback @ [record]|host=127.0.0.1 @  @ 127.0.0.1 @ prefer @ 0
machine, stricter TLS @ $school|sslmode=verify-full @  @ db.school.example @ verify-full @ 0
user's own server @ $school @ [record]|host=localhost @ localhost @ prefer @ 0
user turns it off @ $school @ [record]|host= @  @ require @ 0
a password in the file @ $school|password=s3cret @  @  @ require @ 1
)");
        for (const QString& line : cases.split('\n', Qt::SkipEmptyParts)) {
            QStringList column = line.split(" @ ");
            for (QString& text : column)
                text.replace("$school", "[record]|host=db.school.example|database=q")
                    .replace('|', '\n');
            QTest::newRow(qPrintable(column[0]))
                << column[1] << column[2] << column[3] << column[4] << (column[5] == "1");
        }
    }
    void settingsComeFromTheMachineAndTheUser() {
        QFETCH(QString, machine);
        QFETCH(QString, user);
        QTemporaryDir folders[2]; // by scope: the user's, the machine's
        for (const auto& [scope, text] :
             {std::pair{QSettings::SystemScope, machine}, {QSettings::UserScope, user}}) {
            QFile file(folders[scope].filePath("quintarlow/quintarlow.conf"));
            QVERIFY(QDir(folders[scope].path()).mkpath("quintarlow") &&
                    file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.size());
            QSettings::setPath(QSettings::NativeFormat, scope, folders[scope].path());
        }
        QString said;
        const ServerSettings read = ServerSettings::forThisMachine(&said);
        QTEST(read.host, "host");
        QTEST(read.effectiveSslMode(), "sslMode");
        QTEST(!said.isEmpty(), "problem");
        QVERIFY(!said.contains("s3cret"));
        // As the sending process receives them.
        QCOMPARE(ServerSettings::deserialize(read.serialize()), read);
    }

    void answersAndGamesReachTheServerOnceInOrderOrWait() {
        const ServerSettings server = newDatabase();
        LocalRecord local;
        const QString game = local.addGame(zoe);
        QSqlQuery(local.db()).exec("UPDATE games SET against_computer = 1");
        local.addAnswer(game, 1, 56, "right");
        local.addAnswer(game, 2, 54, "wrong");
        local.addAnswer(game, 3, QVariant(), "timeout");
        QStringList said;
        const auto sending = sender(local, server, &said);
        QCOMPARE(round(*sending), SyncStatus::Sent);

        // The game ends after it was first sent, while the server is down: its winner and end
        // follow, and the answers played meanwhile arrive once each, in order.
        QVERIFY(m_postgres->stop());
        runStatement(local.db(),
                     "UPDATE games SET winner = ?, ended_at = '2026-12-07T10:05:00+01:00'", {zoe});
        QStringList played;
        for (int turn = 4; turn <= 10; ++turn) {
            played.append(local.addAnswer(game, turn, 56, "right"));
            QCOMPARE(round(*sending), SyncStatus::Unreachable);
        }
        QCOMPARE(said, QStringList{"quintarlow: the school's record server cannot "
                                   "be reached; answers are kept on this computer "
                                   "and sent later"});
        QVERIFY(m_postgres->start());
        // The admin connection broke when the server stopped.
        m_admin.close();
        QVERIFY(m_admin.open());
        QCOMPARE(round(*sending), SyncStatus::Sent);
        QCOMPARE(round(*sending), SyncStatus::Sent);
        QCOMPARE(said.size(), 2);
        QVERIFY(said.last().contains("reachable again"));

        QSqlDatabase db = openServer(server);
        const QString everyAnswer =
            "SELECT answer_id, player, played_at, played_ms, game_id, turn, a, b, "
            "product, answered, outcome, ms FROM %1 ORDER BY played_ms";
        const QStringList sentRows = rows(db, everyAnswer.arg("answer_rows"));
        QCOMPARE(sentRows.size(), 10);
        QCOMPARE(sentRows, rows(local.db(), everyAnswer.arg("answers")));
        // A table keeps rows where they were inserted: ctid is the order of arrival.
        QCOMPARE(rows(db, "SELECT answer_id::text FROM answers ORDER BY ctid").mid(3), played);
        QCOMPARE(rows(db, "SELECT game_id::text, blue, red, winner, ended_at = "
                          "'2026-12-07T09:05:00Z', against_computer FROM games"),
                 QStringList{game + "|" + zoe + "|Bo|" + zoe + "|true|true"});
        // Played alone and won, in the list and the report, as this machine's file says it.
        QCOMPARE(listed(recordOf(server)->players()), listed(local.game()->players()));

        // A server of a newer version than this game knows is refused, and an answer waits
        // until the server is back at one it knows.
        const QString newer = QString::number(schema::newestVersion() + 1);
        QVERIFY(QSqlQuery(db).exec("UPDATE schema_version SET version = " + newer));
        const QString waiting = local.addAnswer(game, 11, 56, "right");
        QCOMPARE(round(*sending), SyncStatus::NewerServer);
        QCOMPARE(said.mid(2),
                 QStringList{"quintarlow: the school's record server holds a newer record than "
                             "this version of the game knows; answers are kept on this computer"});
        QString error;
        QVERIFY(!ServerRecord::open(server, &error));
        QCOMPARE(said.last(), "quintarlow: " + error + "; answers are kept on this computer");
        QCOMPARE(rows(db, "SELECT version, (SELECT count(*) FROM answers) FROM schema_version"),
                 QStringList{newer + "|10"});
        QSqlQuery(db).exec(
            QStringLiteral("UPDATE schema_version SET version = %1").arg(schema::newestVersion()));
        QCOMPARE(round(*sending), SyncStatus::Sent);
        QCOMPARE(rows(db, "SELECT answer_id::text FROM answers ORDER BY ctid").last(), waiting);
    }

    void aServerThatNeverAnswersHoldsUpNothing() {
        QTemporaryDir socketFolder;
        QLocalServer silent;
        QVERIFY(silent.listen(socketFolder.filePath(".s.PGSQL.5432")));
        ServerSettings server;
        std::tie(server.host, server.database) = std::pair(socketFolder.path(), "school");
        LocalRecord local;
        local.addAnswer(local.addGame(), 1, 56, "right");
        QStringList said;
        auto sending = sender(local, server, &said);

        // A round that takes too long is ended, and says so.
        QSignalSpy ended(sending.get(), &RecordSender::roundEnded);
        QSignalSpy connected(&silent, &QLocalServer::newConnection);
        sending->sendNow();
        QVERIFY(connected.wait(30'000));
        sending->endLongRound();
        QVERIFY(ended.wait(10'000));
        QCOMPARE(ended.takeFirst().at(0).value<SyncStatus>(), SyncStatus::Unreachable);
        QCOMPARE(said.size(), 1);

        const auto msTaken = [](const std::function<void()>& action) {
            QElapsedTimer clock;
            clock.start();
            return (action(), clock.elapsed());
        };
        QCOMPARE_LT(msTaken([&] { sending->sendNow(); }), 250);
        QVERIFY(connected.wait(30'000));
        const qint64 child = sending->sendingProcessId();
        QVERIFY(child > 0);
        QCOMPARE_LT(msTaken([&] { sending.reset(); }), 1000);
        QCOMPARE(kill(static_cast<pid_t>(child), 0), -1);
    }

    void twoRecordFoldersSendingToOneServerAtOnce() {
        // Nothing on the server yet: the first rounds race to make its tables too.
        const ServerSettings server = newDatabase();
        LocalRecord first, second;
        QStringList played;
        for (LocalRecord* local : {&first, &second}) {
            const QString game = local->addGame();
            for (int turn = 1; turn <= 20; ++turn)
                played.append(local->addAnswer(game, turn, 56, "right"));
        }
        QStringList said;
        // Two games on the first folder's account at once as well.
        const std::unique_ptr<RecordSender> senders[] = {sender(first, server, &said),
                                                         sender(first, server, &said),
                                                         sender(second, server, &said)};
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const auto& sending : senders) {
            spies.push_back(std::make_unique<QSignalSpy>(sending.get(), &RecordSender::roundEnded));
            sending->sendNow();
        }
        for (const auto& ended : spies) {
            QVERIFY(!ended->isEmpty() || ended->wait(60'000));
            QCOMPARE(ended->takeFirst().at(0).value<SyncStatus>(), SyncStatus::Sent);
        }
        played.sort();
        QCOMPARE(rows(openServer(server), "SELECT answer_id::text FROM answers ORDER BY answer_id"),
                 played);
        QCOMPARE(said, QStringList());
    }

    void theSetUpSaysWhatItDidAndRepeatsNothing() {
        QSqlDatabase db = openServer(newDatabase());
        QString error;
        const QStringList first = setUpSchoolServer(db, {"4B", " 5 a"}, 30, &error);
        for (const QString& line :
             QStringList{QStringLiteral("Brought the tables from version 0 to %1.")
                             .arg(schema::newestVersion()),
                         "Answers are now kept 30 days.",
                         "Gave quintarlow_teachers DELETE, SELECT on answers."})
            QVERIFY2(first.contains(line), qPrintable(error + first.join('\n')));
        // As the earlier hand-typed set-up had it: every machine read every answer; as a copy
        // of the database has it: every login makes temporary tables; and as PostgreSQL before
        // 15 made the schema: every login makes functions there.
        const QString temporary = "GRANT TEMPORARY ON DATABASE " + db.databaseName() + " TO ";
        QVERIFY(QSqlQuery(db).exec("GRANT SELECT ON answers TO quintarlow_machines"));
        QVERIFY(QSqlQuery(db).exec(temporary + "PUBLIC; GRANT CREATE ON SCHEMA public TO PUBLIC"));
        QCOMPARE(setUpSchoolServer(db, {"4B", " 5 a"}, 30, &error),
                 QStringList({"Took TEMPORARY and CONNECT on the database from PUBLIC.",
                              "Took CREATE on the schema public from PUBLIC.",
                              "Took SELECT on answers from quintarlow_machines."}));
        QCOMPARE(setUpSchoolServer(db, {"4b"}, 30, &error),
                 QStringList{"Everything was set up already; nothing changed."});
        QCOMPARE(rows(db, "SELECT 1 FROM pg_roles WHERE rolname = 'quintarlow_class_5_a'"),
                 QStringList{"1"});
        // PUBLIC's right given by another login is not the owner's to take: set-up refuses.
        for (const QString& statement :
             QStringList{temporary + "head WITH GRANT OPTION", "SET ROLE head",
                         temporary + "PUBLIC", "RESET ROLE"})
            QVERIFY2(QSqlQuery(db).exec(statement), qPrintable(statement));
        QCOMPARE(setUpSchoolServer(db, {"4b"}, 30, &error), QStringList());
        QVERIFY2(error.startsWith("every login may still connect"), qPrintable(error));
    }

    // Each class's rows carry the key of the class's own role, whatever its name.
    void eachClassNameHasItsOwnRole_data() {
        QTest::addColumn<QStringList>("classes");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("Cyrillic letters") << QStringList{"4Б", "4В"} << QString();
        QTest::newRow("names longer than a role's")
            << QStringList{QString(65, 'x'), QString(64, 'x') + 'y'} << QString();
        QTest::newRow("told apart by punctuation only")
            << QStringList{"4-b", "4 B"}
            << "the classes \"4-b\" and \"4 B\" would share the "
               "role quintarlow_class_4_b";
    }
    void eachClassNameHasItsOwnRole() {
        QFETCH(QStringList, classes);
        QFETCH(QString, refusal);
        const ServerSettings server = newDatabase();
        QSqlDatabase db = openServer(server);
        QString error;
        setUpSchoolServer(db, classes, std::nullopt, &error);
        QVERIFY2(error.startsWith(refusal), qPrintable(error));
        if (!refusal.isEmpty())
            return;
        // Sent by a machine of those classes, which keys each class as it keeps it.
        QSqlQuery(db).exec("CREATE ROLE pc_every LOGIN IN ROLE quintarlow_machines");
        QVERIFY(QSqlQuery(db).exec(
            "DO $$ BEGIN EXECUTE (SELECT 'GRANT ' || string_agg(quote_ident(rolname), ', ') || ' TO"
            " pc_every' FROM pg_roles WHERE rolname LIKE 'quintarlow\\_class\\_%'); END $$"));
        LocalRecord local;
        for (const QString& className : classes) {
            local.addAnswer(local.addGame(), 1, 56, "right");
            runStatement(local.db(), "UPDATE answers SET class = ? WHERE class = ''",
                         {classKey(className)});
        }
        QCOMPARE(sendUnsent(local.path(), as(server, "pc_every", classes[0]), false),
                 SyncStatus::Sent);
        QCOMPARE(rows(db, "SELECT count(DISTINCT class) FROM answers a JOIN pg_roles r ON "
                          "r.rolname = 'quintarlow_class_' || a.class"),
                 QStringList{QString::number(classes.size())});
    }

    // The list of children comes from counts the server keeps as answers come and go; it must
    // say what counting the answers themselves says, to the window and to psql alike, and each
    // login sees its own classes' children only.
    void theClassListCountsWhatIsKept_data() {
        QTest::addColumn<QString>("login");
        QTest::addColumn<int>("keepDays");
        QTest::addColumn<QString>("changedBy");
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("children"); // in the login's list afterwards
        // 4B's Ann and 5A's ann are two children.
        QTest::newRow("as sent, the school") << "head" << 0 << QString() << QString() << 4;
        QTest::newRow("as sent, 4B's teacher") << "teacher_4b" << 0 << QString() << QString() << 2;
        QTest::newRow("as sent, a machine") << "pc_4b" << 0 << QString() << QString() << 0;
        QTest::newRow("a child forgotten") << "head" << 0 << "teacher_4b"
                                           << "DELETE FROM answers WHERE player_key = 'cy'" << 3;
        QTest::newRow("answers past the days kept, at a machine's contact")
            << "head" << 30 << "pc_4b"
            << "SELECT quintarlow_contact()" << 4;
        QTest::newRow("a game's last answer deleted by hand")
            << "teacher_4b" << 0 << "teacher_4b"
            << "DELETE FROM answers WHERE outcome = 'timeout'" << 2;
    }
    void theClassListCountsWhatIsKept() {
        QFETCH(QString, login);
        QFETCH(int, keepDays);
        QFETCH(QString, changedBy);
        QFETCH(QString, change);
        QFETCH(int, children);
        const ServerSettings server =
            schoolDatabase(keepDays > 0 ? std::optional(keepDays) : std::nullopt);
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        const qint64 day = 86'400'000;
        // One game on both sides of 30 days; a game whose last answer was played in another
        // time zone; three spellings of one child; a child of the same name in another class.
        const std::vector<std::pair<QString, AnswerRow>> byClass{
            {"4B", answer("Ann", now - 31 * day, Outcome::Right, 3600, 1)},
            {"4B", answer("Ann", now - 29 * day, Outcome::Wrong, 3600, 1)},
            {"4B", answer("ann", now - 2 * day, Outcome::Right, -18000, 2)},
            {"4B", answer("Cy", now - 2 * day + 500, Outcome::Right, 3600, 2)},
            {"4B", answer("ann", now - 2 * day + 1000, Outcome::Timeout, 7200, 2)},
            {"5A", answer("Bo", now - day, Outcome::Right, 3600, 3)},
            {"5A", answer("ann", now - 5 * day, Outcome::Wrong, 0, 4)},
        };
        for (const auto& [className, row] : byClass)
            QVERIFY(sent(server, className, {row}));
        if (!change.isEmpty()) {
            const QStringList changed = rows(openServer(as(server, changedBy)), change);
            QVERIFY2(!changed.value(0).startsWith("error:"), qPrintable(changed.join(';')));
        }

        const auto record = recordOf(as(server, login));
        const QStringList list = listed(record->players());
        QCOMPARE(record->readError().isEmpty(), children > 0);
        QCOMPARE(list.size(), children);
        QCOMPARE(list, listedByAFile(record->answers({})));
        for (const char* table : {"answers", "player_games"}) {
            const QStringList psql = rows(
                openServer(as(server, login)),
                QStringLiteral("SELECT count(DISTINCT (class, player_key)) FROM %1").arg(table));
            QVERIFY2(children ? psql == QStringList{QString::number(children)}
                              : psql.value(0).contains("permission denied"),
                     qPrintable(table + psql.join(';')));
        }
    }

    // A Tom in 4B and a Tom in 5A are two children to a teacher of both: in the list, the
    // grid, the settings, forgetting and the export, and in a file the export goes into.
    void twoTomsOfTwoClassesStayTwo() {
        const ServerSettings server = schoolDatabase();
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        for (const auto& [className, ms] :
             {std::pair{"4B", now - 2000}, {"5A", now - 1000}, {"5A", now}})
            QVERIFY(sent(server, className, {answer("Tom", ms)}));
        const auto head = recordOf(as(server, "head"));
        const std::vector<PlayerSummary> toms = head->players();
        QCOMPARE(toms.size(), 2u);
        QCOMPARE(QStringList({shownName(toms[0].name), shownName(toms[1].name)}),
                 QStringList({"Tom (5A)", "Tom (4B)"}));
        QCOMPARE(QList<std::size_t>({head->answers(toms[0].name).size(),
                                     head->factAnswersOfEach({toms[1].name}).front().size()}),
                 QList<std::size_t>({2, 1}));
        QCOMPARE(listedByAFile(answersFromCsv(answersToCsv(head->answers({}))).rows), listed(toms));
        QVERIFY(head->setPracticeSettings(toms[1].name, {{7}, false, false, 20}));
        QCOMPARE(rows(openServer(server), "SELECT class, tables FROM practice"),
                 QStringList{"4b|7"});
        QCOMPARE(head->practiceSettings(toms[0].name).tables, std::vector<int>());
        QCOMPARE(head->forgetPlayer(toms[1].name), 1);
        QCOMPARE(listed(head->players()),
                 QStringList{QString(listed(toms)[0]).replace(toms[0].name, "Tom")});
    }

    // A child moved to another class keeps their answers, counts and settings, on the word of
    // a teacher of both classes or the school's only, and never onto a child of that name.
    void aChildMovesToAnotherClass_data() {
        QTest::addColumn<QStringList>("move"); // the login, the child, the refusal (none: moved)
        // A machine and another class's teacher are refused among the attacks below.
        for (const char* move : {"teacher_both| ANN|", "head|Ann|", "head|Tom|is in \"5A\" already",
                                 "head|Cy|no child of that name"})
            QTest::newRow(move) << QString::fromUtf8(move).split('|');
    }
    void aChildMovesToAnotherClass() {
        QFETCH(QStringList, move);
        const QString refusal = move[2];
        const ServerSettings server = schoolDatabase();
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        // Ann played alone, then against Tom.
        const QString at = isoWithOffset(QDateTime::currentDateTime());
        const std::vector<GameRow> games{
            {QUuid::createUuid().toString(), "Ann", "Cy", "Ann", at, at, "4b", true},
            {QUuid::createUuid().toString(), "Ann", "Tom", "Ann", at, at, "4b"}};
        for (const auto& [player, className, game] :
             {std::tuple{"Ann", "4B", 0}, {"ann", "4B", 1}, {"Tom", "4B", 1}, {"Tom", "5A", 1}}) {
            AnswerRow row = answer(player, now);
            row.gameId = games[game].gameId;
            QVERIFY(sent(server, className, {row}, games));
        }
        QString error;
        QVERIFY(recordOf(as(server, "teacher_4b"))
                    ->setPracticeSettings("Ann", {{7}, false, false, 20}));
        const QString said =
            moveSchoolChild(openServer(as(server, move[0])), move[1], "4B", "5A", &error);
        QCOMPARE(said.isEmpty(), !refusal.isEmpty());
        QVERIFY2(error.contains(refusal), qPrintable(error));
        // Ann's answers, their counts and her settings, in one class, with her game alone; the
        // game of two stays where Tom is.
        QCOMPARE(rows(openServer(server),
                      "SELECT string_agg(DISTINCT class, ','), count(*), (SELECT string_agg(class,"
                      " ',' ORDER BY against_computer) FROM games) FROM (SELECT class FROM"
                      " answers WHERE player_key = 'ann' UNION ALL SELECT class FROM player_games"
                      " WHERE player_key = 'ann' UNION ALL SELECT class FROM practice WHERE"
                      " player_key = 'ann') kept"),
                 QStringList{refusal.isEmpty() ? "5a|5|4b,5a" : "4b|5|4b,4b"});
    }

    // The server keys a name as the machines do, whatever the letters; one that stores no UTF-8
    // keys names trimmed and in lower case, as before.
    void namesKeyedAlikeOnBothSides() {
        QSqlDatabase db = openServer(newDatabase());
        QSqlDatabase plain = openServer(
            newDatabase(" ENCODING 'SQL_ASCII' LC_COLLATE 'C' LC_CTYPE 'C' TEMPLATE template0"));
        QVERIFY(schema::upgrade(db).isEmpty() && schema::upgrade(plain).isEmpty());
        QCOMPARE(rows(plain, "SELECT quintarlow_name_key(' KELVIN ')"), QStringList{"kelvin"});
        for (const QStringView name :
             {u" Zoë ", u"ZOE\u0308", u"Straße", u"STRASSE", u"ẞ", u"ΟΔΥΣΣΕΥΣ", u"ſam", u"İpek",
              u"ǅenan", u"\u00a0Ann\u3000", u"KELVIN"})
            QCOMPARE(rows(db, QStringLiteral("SELECT quintarlow_name_key($n$%1$n$)").arg(name)),
                     QStringList{nameKey(name.toString())});
    }

    void settingsTravelAndTheLaterChangeWins_data() {
        QTest::addColumn<qint64>("machineChangeMs"); // after the teacher's; 0: none
        // Kept on the machine and on the server: tables, missed facts, path, seconds.
        QTest::addColumn<QString>("settings");
        QTest::newRow("the teacher's only") << qint64(0) << "3,4|0|1|40";
        QTest::newRow("the machine's, earlier") << qint64(-3'600'000) << "3,4|0|1|40";
        QTest::newRow("the machine's, later, made offline") << qint64(3'600'000) << "7|1|0|60";
    }
    void settingsTravelAndTheLaterChangeWins() {
        QFETCH(qint64, machineChangeMs);
        QFETCH(QString, settings);
        const ServerSettings server = schoolDatabase();
        // Cy has not played yet: Cy joins the class named in the teacher's settings.
        const auto teacher = recordOf(as(server, "teacher_4b", "4B"));
        QVERIFY(teacher->setPracticeSettings("Cy", {{3, 4}, false, true, 40}));
        LocalRecord local;
        // Cy new to the machine: the round the game's own row starts brings the settings, which
        // the game takes while nobody has answered yet.
        const auto game = local.game();
        game->gameStarted("Cy", "Di", QDateTime::currentDateTime());
        game->waitUntilWritten();
        if (machineChangeMs != 0)
            runStatement(local.db(),
                         "INSERT INTO practice (player_key, player, tables, ask_missed, path,"
                         " answer_seconds, changed_ms) VALUES ('cy', 'Cy', '7', 1, 0, 60, ?)",
                         {QDateTime::currentMSecsSinceEpoch() + machineChangeMs});
        const auto sending = sender(local, as(server, "pc_4b", "4B"));
        QCOMPARE(round(*sending), SyncStatus::Sent);
        game->reloadSettings();
        game->waitUntilWritten();
        QCOMPARE(drawn(game->practicePlan("Cy")), settings);

        const QString kept = QStringLiteral("SELECT %1%2 FROM practice").arg(PracticeColumns);
        QCOMPARE(rows(local.db(), kept.arg("")), QStringList{settings});
        QCOMPARE(rows(openServer(server), kept.arg(", class")), QStringList{settings + "|4b"});
        // What the game draws by, also when the server cannot be reached.
        QCOMPARE(drawn(nextPlan(local, "CY")), settings);
        if (machineChangeMs > 0)
            return;
        // A machine nobody plays on (once the game just drawn by is sent) still asks each minute,
        // so the next game there starts with the teacher's new choice.
        QCOMPARE(round(*sending), SyncStatus::Sent);
        QVERIFY(teacher->setPracticeSettings("Cy", {{}, false, true, 40}));
        QCOMPARE(round(*sending, &RecordSender::minuteTick), SyncStatus::Sent);
        QCOMPARE(drawn(nextPlan(local, "Cy")), "|0|1|40");
    }

    // A machine two classes share keeps each class's Tom: the settings the school has for each,
    // the facts other machines saw of each, and what is left when one class's Tom is forgotten.
    void aSharedMachineKeepsEachClasssTom() {
        const ServerSettings server = schoolDatabase();
        for (const auto& [classKey, tables] : {std::pair{"4b", 3}, {"5a", 5}}) {
            QVERIFY(recordOf(as(server, "head"))
                        ->setPracticeSettings(childOfClass("Tom", classKey), {{tables}, true}));
            AnswerRow elsewhere = answer("Tom", QDateTime::currentMSecsSinceEpoch());
            std::tie(elsewhere.a, elsewhere.product) = std::pair{tables, tables * elsewhere.b};
            QVERIFY(sent(server, classKey, {elsewhere}));
        }
        LocalRecord local;
        for (const char* classKey : {"4b", "5a"}) {
            local.addAnswer(local.addGame("Tom", "Di"), 1, 56, "right", "Tom");
            runStatement(local.db(), "UPDATE answers SET class = ? WHERE class = ''", {classKey});
        }
        const auto sending = sender(local, as(server, "pc_both", "4B"));
        const QString kept = "SELECT class, tables FROM practice ORDER BY class";
        QCOMPARE(round(*sending), SyncStatus::Sent);
        QCOMPARE(rows(local.db(), kept) + rows(local.db(), "SELECT class, substr(facts, 1, 1) FROM"
                                                           " school_facts ORDER BY class"),
                 QStringList({"4b|3", "5a|5", "4b|3", "5a|5"}));
        QCOMPARE(recordOf(as(server, "head"))->forgetPlayer(childOfClass("Tom", "4b")), 2);
        QCOMPARE(round(*sending, &RecordSender::minuteTick), SyncStatus::Sent);
        QCOMPARE(rows(local.db(), kept) + rows(local.db(), "SELECT class FROM answers"),
                 QStringList({"5a|5", "5a"}));
    }

    // A child's missed facts come from every machine they played on: this machine's own
    // answers are counted once. Forgotten by their teacher, the child goes from the machines of
    // their class: their answers, also those never sent, and what it keeps of the others'.
    void aChildsPlanReadsEveryMachinesAnswersUntilTheChildIsForgotten() {
        const ServerSettings server = schoolDatabase();
        AnswerRow elsewhere = answer(zoe, QDateTime::currentMSecsSinceEpoch() - 86'400'000);
        elsewhere.outcome = Outcome::Wrong;
        elsewhere.answered = 24;
        QVERIFY(sent(server, "4B", {elsewhere}));
        LocalRecord local;
        const QString game = local.addGame(zoe, "Di");
        local.addAnswer(game, 1, 54, "wrong");
        runStatement(local.db(),
                     "INSERT INTO practice (player_key, player, tables, ask_missed, path,"
                     " answer_seconds, changed_ms) VALUES (?, ?, '', 1, 0, 20, 1)",
                     {nameKey(zoe), zoe});
        // Not to a machine the child has not answered on.
        const QString facts =
            "SELECT facts FROM quintarlow_facts_for(ARRAY[$n$" + nameKey(zoe) + "$n$])";
        QCOMPARE(rows(openServer(as(server, "pc_4b")), facts), QStringList());
        const auto sending = sender(local, as(server, "pc_4b", "4B"));
        QCOMPARE(round(*sending), SyncStatus::Sent);
        QCOMPARE(rows(local.db(), "SELECT count(*) FROM school_facts WHERE facts NOT LIKE '%,%'"),
                 QStringList{"1"});
        QVERIFY(std::ranges::is_permutation(nextPlan(local, zoe).missed,
                                            std::vector<Fact>{{6, 7}, {7, 8}}));
        QCOMPARE(rows(openServer(as(server, "pc_4b")), facts).size(), 1); // once it has answered
        // Played while the machine was off the network.
        local.addAnswer(game, 2, 56, "right");
        local.addAnswer(game, 3, 56, "right", "Bo");
        // Another class's teacher cannot, and machines are not told.
        QCOMPARE(recordOf(as(server, "teacher_5a"))->forgetPlayer(zoe), 0);
        QCOMPARE(recordOf(as(server, "teacher_4b"))->forgetPlayer(zoe), 2);
        QCOMPARE(round(*sending), SyncStatus::Sent);

        QCOMPARE(rows(local.db(), "SELECT count(*) FROM school_facts"), QStringList{"0"});
        QFile file(local.path());
        QVERIFY(file.open(QIODevice::ReadOnly) && !file.readAll().contains(zoe.toUtf8()));
        QCOMPARE(rows(local.db(), "SELECT player FROM answers"), QStringList{"Bo"});
        QSqlDatabase db = openServer(server);
        QCOMPARE(rows(db, "SELECT player FROM answers"), QStringList{"Bo"});
        // Kept keyed with the server's secret, not as a hash a list of names reverses.
        QCOMPARE(rows(db, "SELECT count(*) FROM forgotten WHERE player_hash NOT IN ('" +
                              forgottenHash(zoe) + "', encode(sha256('" + forgottenHash(zoe) +
                              "'), 'hex'))"),
                 QStringList{"1"});
    }

    void oldAnswersExpireOnServerAndMachine() {
        const ServerSettings server = schoolDatabase(30);
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        const qint64 daysAgo31 = now - 31 * qint64(86'400'000);
        QVERIFY(sent(server, "4B", {answer("Ann", daysAgo31)}));
        QString error;
        // The server's owner, from a timer, with no machine on.
        QCOMPARE(expireSchoolRecord(openServer(server), &error),
                 "Deleted what is older than 30 days: answers 1, games 0, settings 0.");
        LocalRecord local;
        const QString game = local.addGame();
        local.addAnswer(game, 1, 56, "right", "Bo", daysAgo31);
        local.addAnswer(game, 2, 56, "right", "Bo", now - 29 * qint64(86'400'000));
        QCOMPARE(round(*sender(local, as(server, "pc_4b", "4B"))), SyncStatus::Sent);

        QCOMPARE(rows(local.db(), "SELECT turn FROM answers"), QStringList{"2"});
        QCOMPARE(rows(openServer(server), "SELECT player, turn FROM answers"), QStringList{"Bo|2"});
        QCOMPARE(recordOf(as(server, "teacher_4b"))->keepDays(), 30);
    }

    // $A adds an answer; $G4 and $G5 are 4B's game, still played, and 5A's, over.
    static QString expanded(QString sql) {
        return sql.replace("$A", "SELECT quintarlow_add_answer(gen_random_uuid(), ")
            .replace("$G4", "'00000000-0000-4000-8000-00000000004b'")
            .replace("$G5", "'00000000-0000-4000-8000-00000000005a'");
    }
    // Whatever a login may do, whoever reads its password may do: each attack is tried as the
    // login that would try it, on a school where 4B and 5A each have a Tom. A line: the attack @
    // its login @ its statements (;;) @ what the last returned, or part of its error (empty:
    // anything) @ who checks @ with what @ what the check finds.
    void eachLoginCanDoNoMoreThanTheGameDoes_data() {
        for (const char* column : {"login", "got", "checker", "check", "kept"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<QStringList>("attack");
        const QString attacks = QStringLiteral(R"(
a temporary table shadows the school's settings @ pc_4b @ CREATE TEMPORARY TABLE school_settings (keep_days integer) ;; INSERT INTO school_settings VALUES (-36500) ;; SELECT quintarlow_contact() @ 365 @ postgres @ SELECT count(*) FROM answers @ 4
a temporary view runs the caller's function as the tables' owner @ pc_4b @ CREATE FUNCTION pg_temp.grab() RETURNS integer LANGUAGE sql AS $$ GRANT quintarlow_school TO pc_4b; SELECT 1 $$ ;; CREATE TEMPORARY VIEW school_settings AS SELECT pg_temp.grab() AS keep_days ;; SELECT quintarlow_contact() @ 365 @ postgres @ SELECT pg_has_role('pc_4b', 'quintarlow_school', 'MEMBER'), count(*) FROM pg_proc p JOIN pg_roles r ON r.oid = p.proowner WHERE p.prosecdef AND (r.rolsuper OR r.rolcreaterole OR r.rolcanlogin OR EXISTS (SELECT 1 FROM pg_auth_members m WHERE m.member = r.oid)) @ false|0
an answer added to another class @ pc_4b @ $A 'Zoë', 'zoë', now(), 3600, $G4, 1, 7, 8, 56, 56, 'right', 1500, '5A') @ the login pc_4b holds no role of the class "5A" @ postgres @ SELECT count(*) FROM answers WHERE class = '5a' @ 2
another class's child's facts, after one forged answer @ pc_4b @ $A 'Bo', 'bo', now(), 3600, $G4, 1, 7, 8, 56, 56, 'right', 1500, '4B') ;; SELECT count(*) FROM quintarlow_facts_for('{bo}') @ 0 @ postgres @ SELECT count(*) FROM answers @ 5
a game of another class rewritten @ pc_4b @ SELECT quintarlow_add_game($G5, 'Bo', 'Tom', 'Tom', now(), now(), '4B') @  @ postgres @ SELECT winner, class FROM games WHERE game_id = $G5 @ Bo|5a
a game another login started @ teacher_4b @ SELECT quintarlow_add_game($G4, 'Ann', 'Tom', 'Tom', now(), now(), '4B') @  @ postgres @ SELECT count(winner) FROM games @ 1
a finished game rewritten by its machine @ pc_5a @ SELECT quintarlow_add_game($G5, 'Bo', 'Tom', 'Tom', now(), now(), '5A') @  @ postgres @ SELECT winner, class FROM games WHERE game_id = $G5 @ Bo|5a
a setting dated in the year 3000 @ pc_4b @ SELECT quintarlow_offer_practice('ann', 'Ann', '7,8', 1, 0, 20, 32503680000000, '4B') @  @ postgres @ SELECT tables, changed <= now() FROM practice WHERE player_key = 'ann' @ 7,8|true
an answer dated in the year 3000 @ pc_4b @ $A 'Ann', 'ann', now() + interval '1000 years', 3600, $G4, 1, 7, 8, 56, 56, 'right', 1500, '4B') @ true @ postgres @ SELECT count(*) FROM answers WHERE played > now() @ 0
an answer filed under another child's key @ pc_4b @ $A 'Ann', 'tom', now(), 3600, $G4, 1, 7, 8, 56, 56, 'right', 1500, '4B') @ true @ postgres @ SELECT count(*) FROM answers WHERE player_key = 'tom' @ 2
a setting filed under another child's key @ teacher_4b @ INSERT INTO practice (player_key, player, tables, ask_missed, class) VALUES ('bo', 'Ann', '3', 0, '4b') RETURNING player_key @ ann @ postgres @ SELECT count(*) FROM practice WHERE player_key = 'bo' @ 0
another class's child's settings @ pc_4b @ SELECT count(*) FROM quintarlow_practice_for('{tom}') @ 0 @ postgres @ SELECT tables FROM practice @ 7
two Toms: 4B's teacher forgets theirs @ teacher_4b @ DELETE FROM answers WHERE player_key = 'tom' ;; SELECT quintarlow_forget(encode(sha256('tom'), 'hex')) @  @ pc_5a @ SELECT count(*) FROM quintarlow_forgotten_among(ARRAY[encode(sha256('tom'), 'hex')]) @ 0
two Toms: 4B's teacher sets theirs @ teacher_4b @ INSERT INTO practice (player_key, player, tables, ask_missed, class) VALUES ('tom', 'Tom', '3', 0, '4b') RETURNING tables @ 3 @ postgres @ SELECT class, tables FROM practice ORDER BY class @ 4b|3;5a|7
a forgotten name in the statistics @ teacher_4b @ DELETE FROM answers WHERE player_key = 'tom' ;; SELECT quintarlow_forget(encode(sha256('tom'), 'hex')) @  @ postgres @ SELECT count(*) FROM pg_stats WHERE tablename = 'answers' AND most_common_vals::text LIKE '%tom%' @ 0
retention with no machine, by the server's owner @ postgres @ UPDATE answers SET played = now() - interval '400 days' WHERE player_key = 'bo' ;; INSERT INTO practice (player_key, player, tables, ask_missed, class, changed) VALUES ('bo', 'Bo', '3', 0, '5a', now() - interval '400 days') ;; SELECT * FROM quintarlow_expire() @ 365|1|0|1 @ postgres @ SELECT count(*) FROM practice @ 1
a child moved by a machine @ pc_4b @ SELECT quintarlow_move_child('ann', '4B', '5A') @ permission denied @ postgres @ SELECT string_agg(DISTINCT class, ',') FROM answers WHERE player_key = 'ann' @ 4b
a child moved by another class's teacher @ teacher_5a @ SELECT quintarlow_move_child('ann', '4B', '5A') @ teaches not both @ postgres @ SELECT string_agg(DISTINCT class, ',') FROM answers WHERE player_key = 'ann' @ 4b
a child forgotten in its class by a machine @ pc_4b @ SELECT quintarlow_forget_in_class(encode(sha256('ann'), 'hex'), '4B') @ permission denied @ pc_4b @ SELECT count(*) FROM quintarlow_forgotten_among(ARRAY[encode(sha256('ann'), 'hex')]) @ 0
a child forgotten in another class by a teacher @ teacher_4b @ SELECT quintarlow_forget_in_class(encode(sha256('tom'), 'hex'), '5A') @ holds no role of the class "5A" @ pc_5a @ SELECT count(*) FROM quintarlow_forgotten_among(ARRAY[encode(sha256('tom'), 'hex')]) @ 0
the name key replaced by a machine @ pc_4b @ CREATE OR REPLACE FUNCTION quintarlow_name_key(name text) RETURNS text LANGUAGE sql AS $$ SELECT 'tom' $$ @ must be owner @ postgres @ SELECT quintarlow_name_key(' ANN ') @ ann
the name key replaced by another class's teacher @ teacher_5a @ CREATE OR REPLACE FUNCTION quintarlow_name_key(name text) RETURNS text LANGUAGE sql AS $$ SELECT 'tom' $$ @ must be owner @ postgres @ SELECT quintarlow_name_key(' ANN ') @ ann
the server's secret read by a teacher @ teacher_4b @ SELECT quintarlow_keyed('tom') @ permission denied @ postgres @ SELECT count(*) FROM server_secret @ 1
an impossible outcome @ pc_4b @ $A 'Ann', 'ann', now(), 3600, $G4, 1, 7, 8, 56, 56, 'bogus', 1500, '4B') @ constraint "outcome_is_right_wrong_or_timeout" @ postgres @ SELECT count(*) FROM answers @ 4
an impossible factor of 1000 @ pc_4b @ $A 'Ann', 'ann', now(), 3600, $G4, 1, 1000, 8, 8000, 56, 'wrong', 1500, '4B') @ constraint "factors_from_1_to_12" @ postgres @ SELECT count(*) FROM answers @ 4
an impossible factor of -5 @ pc_4b @ $A 'Ann', 'ann', now(), 3600, $G4, 1, 7, -5, -35, 56, 'wrong', 1500, '4B') @ constraint "factors_from_1_to_12" @ postgres @ SELECT count(*) FROM answers @ 4
an impossible product @ pc_4b @ $A 'Ann', 'ann', now(), 3600, $G4, 1, 7, 8, 57, 57, 'right', 1500, '4B') @ constraint "product_is_a_times_b" @ postgres @ SELECT count(*) FROM answers @ 4
an impossible answer @ pc_4b @ $A 'Ann', 'ann', now(), 3600, $G4, 1, 7, 8, 56, 1000, 'wrong', 1500, '4B') @ constraint "answered_a_product_of_the_board" @ postgres @ SELECT count(*) FROM answers @ 4
an impossible turn @ pc_4b @ $A 'Ann', 'ann', now(), 3600, $G4, 0, 7, 8, 56, 56, 'right', 1500, '4B') @ constraint "turn_from_1" @ postgres @ SELECT count(*) FROM answers @ 4
an impossible time of -100 ms @ pc_4b @ $A 'Ann', 'ann', now(), 3600, $G4, 1, 7, 8, 56, 56, 'right', -100, '4B') @ constraint "ms_within_a_day" @ postgres @ SELECT count(*) FROM answers @ 4
an impossible time of 2 days @ pc_4b @ $A 'Ann', 'ann', now(), 3600, $G4, 1, 7, 8, 56, 56, 'right', 172800000, '4B') @ constraint "ms_within_a_day" @ postgres @ SELECT count(*) FROM answers @ 4
an impossible empty name @ pc_4b @ $A '', '', now(), 3600, $G4, 1, 7, 8, 56, 56, 'right', 1500, '4B') @ constraint "player_is_a_name" @ postgres @ SELECT count(*) FROM answers @ 4
an impossible name of 31 characters @ pc_4b @ $A repeat('x', 31), 'x', now(), 3600, $G4, 1, 7, 8, 56, 56, 'right', 1500, '4B') @ constraint "player_is_a_name" @ postgres @ SELECT count(*) FROM answers @ 4
an impossible control character in a name @ pc_4b @ $A E'To\nm', 'tom', now(), 3600, $G4, 1, 7, 8, 56, 56, 'right', 1500, '4B') @ constraint "player_is_a_name" @ postgres @ SELECT count(*) FROM answers @ 4
an impossible name not composed @ pc_4b @ $A U&'Zoe\0308', 'zoë', now(), 3600, $G4, 1, 7, 8, 56, 56, 'right', 1500, '4B') @ constraint "player_is_a_name" @ postgres @ SELECT count(*) FROM answers @ 4
)");
        for (const QString& line : attacks.split('\n', Qt::SkipEmptyParts)) {
            const QStringList column = line.split(" @ ");
            QTest::newRow(qPrintable(column[0]))
                << column[1] << column[3] << column[4] << expanded(column[5]) << column[6]
                << expanded(column[2]).split(" ;; ");
        }
    }
    void eachLoginCanDoNoMoreThanTheGameDoes() {
        QFETCH(QString, login);
        QFETCH(QStringList, attack);
        QFETCH(QString, got);
        QFETCH(QString, checker);
        QFETCH(QString, check);
        QFETCH(QString, kept);
        const ServerSettings server = schoolDatabase(365);
        QSqlDatabase db = openServer(server);
        // As a copy of the database or a hand-typed grant would leave it, and the schema as
        // PostgreSQL before 15 made it.
        QVERIFY(QSqlQuery(db).exec("GRANT TEMPORARY ON DATABASE " + server.database +
                                   " TO PUBLIC; GRANT CREATE ON SCHEMA public TO PUBLIC"));
        // Each line: a login @ what it sent (;;).
        const QString school = QStringLiteral(R"(
pc_4b @ SELECT quintarlow_add_game($G4, 'Ann', 'Tom', NULL, now() - interval '1 day', NULL, '4B') ;; $A 'Ann', 'ann', now() - interval '1 day', 3600, $G4, 1, 7, 8, 56, 56, 'right', 1500, '4B') ;; $A 'Tom', 'tom', now() - interval '1 day', 3600, $G4, 2, 6, 7, 42, 42, 'right', 1500, '4B')
pc_5a @ SELECT quintarlow_add_game($G5, 'Bo', 'Tom', 'Bo', now() - interval '1 day', now(), '5A') ;; $A 'Bo', 'bo', now() - interval '1 day', 3600, $G5, 1, 7, 8, 56, 56, 'right', 1500, '5A') ;; $A 'Tom', 'tom', now() - interval '1 day', 3600, $G5, 2, 6, 7, 42, 42, 'right', 1500, '5A')
teacher_5a @ INSERT INTO practice (player_key, player, tables, ask_missed, class) VALUES ('tom', 'Tom', '7', 0, '5a') RETURNING true
)");
        for (const QString& line : school.split('\n', Qt::SkipEmptyParts)) {
            const QStringList column = line.split(" @ ");
            QCOMPARE(runAs(server, column[0], expanded(column[1]).split(" ;; ")),
                     QStringList{"true"});
        }
        QVERIFY(QSqlQuery(db).exec("ANALYZE answers"));

        const QString said = runAs(server, login, attack).join(';');
        QVERIFY2(got.isEmpty() || said == got || (said.startsWith("error:") && said.contains(got)),
                 qPrintable(said));
        QCOMPARE(runAs(server, checker, {check}).join(';'), kept);
    }

    // The window and the commands on a teacher's machine, against what the machines sent to a
    // server of this version or an earlier one, or what a teacher imported from an exported file
    // twice, as merging a machine that never reached the server might do.
    void theServerIsReadAsOneRecord_data() {
        QTest::addColumn<int>("from"); // 0: this version, imported
        QTest::newRow("imported from a file, twice") << 0;
        QTest::newRow("ids and times kept as text") << 2;
        QTest::newRow("classes, before the children were counted per game") << 4;
    }
    void theServerIsReadAsOneRecord() {
        QFETCH(int, from);
        const ServerSettings server = newDatabase();
        QSqlDatabase db = openServer(server);
        for (const schema::Migration& migration : schema::migrations())
            for (const QString& statement : migration.statements + migration.serverOnly)
                if (migration.version <= from)
                    QVERIFY2(QSqlQuery(db).exec(statement), qPrintable(statement));
        QVERIFY(from == 0 || QSqlQuery(db).exec(
                                 QStringLiteral("CREATE TABLE schema_version (version INTEGER "
                                                "NOT NULL); INSERT INTO schema_version VALUES (%1)")
                                     .arg(from)));
        if (from == 0) {
            const CsvReading csv = answersFromCsv(answersToCsv(classAnswers()));
            QCOMPARE(csv.error, QString());
            for (int added : {4, 0}) { // the second time adds nothing
                const SqliteRecord::Merge merge = recordOf(server)->importAnswers(csv.rows);
                QVERIFY2(merge.error.isEmpty(), qPrintable(merge.error));
                QCOMPARE(std::pair(merge.added, merge.skipped), std::pair(added, 4 - added));
            }
        } else if (from == 2) {
            const QString before = QString(InsertAnswer).remove(", class").chopped(4) + ')';
            for (const AnswerRow& row : classAnswers())
                QVERIFY(runStatement(db, before, answerValues(row).mid(0, 12)).isActive());
        } else {
            QCOMPARE(writeToServer(db, {}, classAnswers(), "4B").added, 4);
            // A row no game made, sent before the server refused such rows: set aside.
            QVERIFY(QSqlQuery(db).exec(
                "INSERT INTO answers (answer_id, player, player_key, played, utc_offset, game_id,"
                " turn, a, b, product, answered, outcome, ms, class) VALUES (gen_random_uuid(),"
                " 'Ann', 'ann', now(), 0, gen_random_uuid(), 1, 1000, -5, 56, 56, 'bogus', -100,"
                " '4b')"));
            // As that version's set-up left it (the group roles are the whole cluster's).
            schoolDatabase();
            QVERIFY(QSqlQuery(db).exec("GRANT EXECUTE ON FUNCTION quintarlow_practice_for, "
                                       "quintarlow_offer_practice TO quintarlow_machines"));
        }
        QVERIFY(QSqlQuery(db).exec("INSERT INTO practice (player_key, player, tables, ask_missed) "
                                   "VALUES ('ann', 'Ann', '6,7', 1); INSERT INTO games VALUES ("
                                   "'00000000-0000-4000-8000-000000000010', 'Ann', 'Bo', 'Bo', "
                                   "'2026-12-07T10:00:00.000+01:00', NULL)"));
        const auto record = recordOf(server);
        std::vector<AnswerRow> sent = classAnswers();
        for (AnswerRow& row : sent)
            row.className = from == 4 ? "4b" : QString();
        QCOMPARE(answersToCsv(record->answers({})), answersToCsv(sent));
        const auto last = [](int row) {
            return classAnswers()[row].playedAt.toString(Qt::ISODateWithMs) + ", 0 alone, 0 won";
        };
        QCOMPARE(listed(record->players()),
                 QStringList({"ANN 2 games 3 answers 2 right, last " + last(3),
                              "Bo 1 games 1 answers 0 right, last " + last(1)}));
        QCOMPARE(record->readError(), QString());
        QCOMPARE(record->practiceSettings("ANN").tables, (std::vector<int>{6, 7}));
        QCOMPARE(rows(db, "SELECT pg_typeof(game_id), pg_typeof(started_at) FROM games"),
                 QStringList{"uuid|timestamp with time zone"});
        // The machines still ask for their players' settings, now with the path and the time.
        if (from == 4)
            QCOMPARE(rows(db, "SELECT has_function_privilege('quintarlow_machines', "
                              "'quintarlow_practice_for(text[])', 'EXECUTE'), (SELECT outcome "
                              "FROM refused_answers)"),
                     QStringList{"true|bogus"});
        const auto text = [](const std::vector<FactAnswer>& read, bool whole = false) {
            QStringList words;
            for (const FactAnswer& fact : read)
                words.append(QString::asprintf("%dx%d %s", fact.a, fact.b,
                                               qPrintable(fact.day.toString(Qt::ISODate))) +
                             (whole ? QStringLiteral(" %1 %2").arg(int(fact.outcome)).arg(fact.ms)
                                    : QString()));
            return words;
        };
        // One child in any spelling, the whole class, nobody of that name: a x b and the day,
        // oldest first. The class view reads every child at once, and finds the same.
        for (const auto& [player, facts] :
             {std::pair{" aNN ", "7x8 2026-12-07,3x4 2026-12-07,12x12 2026-12-08"},
              {"", "7x8 2026-12-07,6x9 2026-12-07,3x4 2026-12-07,12x12 2026-12-08"},
              {"Cy", ""}}) {
            QCOMPARE(text(record->factAnswers(player)).join(','), facts);
            const auto each = record->factAnswersOfEach({"Bo", player});
            QCOMPARE(each.size(), 2u);
            QCOMPARE(text(each[1], true), text(record->factAnswers(player), true));
        }
    }
};

// The test program is also the sending process the senders start, as the game is.
int main(int argc, char* argv[]) {
    if (argc == 2 && qstrcmp(argv[1], "--sync-record") == 0) {
        QCoreApplication sync(argc, argv);
        return runSyncRecord();
    }
    QCoreApplication app(argc, argv);
    TestRecordServer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recordserver.moc"
