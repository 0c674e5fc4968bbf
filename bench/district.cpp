// A school district on one PostgreSQL server: 1,000 children in 40 classes and ANSWERS answers
// already kept, then 100 machines sending at once through the game's own record and sending
// process, then a teacher's class view and one child's grid read as the window reads them.
//   quintarlow_district SOCKET_FOLDER ANSWERS
// SOCKET_FOLDER is a running server's Unix-socket folder, whose user postgres may make
// databases and roles (bench/district sets one up and removes it). Prints one table.
#include "record/recordsender.h"
#include "record/schoolsetup.h"
#include "record/serverrecord.h"
#include "record/serversync.h"
#include "record/sqliterecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QUuid>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace quintarlow;

namespace {

constexpr int machines = 100;
constexpr int backlogPerMachine =
    300; // answers each machine holds when it first reaches the server
constexpr int classes = 40;
constexpr int liveSeconds = 30;
constexpr int liveEveryMs = 100; // one machine after another: each answers every 10 s

bool run(const QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    std::fprintf(stderr, "district: %s\n  %s\n", qPrintable(sql.left(120)),
                 qPrintable(query.lastError().text()));
    return false;
}

QVariant value(const QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    return query.exec(sql) && query.next() ? query.value(0) : QVariant();
}

QString className(int n) {
    return QStringLiteral("c%1").arg(n % classes + 1, 2, 10, QLatin1Char('0'));
}

// The median and the slowest of five reads, in ms.
template <typename Read> QString timed(Read read) {
    std::vector<qint64> ms;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer clock;
        clock.start();
        read();
        ms.push_back(clock.elapsed());
    }
    std::sort(ms.begin(), ms.end());
    return QStringLiteral("%1 (%2)").arg(ms[2]).arg(ms.back());
}

void row(const char* what, const QString& figure) {
    std::printf("| %s | %s |\n", what, qPrintable(figure));
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && qstrcmp(argv[1], "--sync-record") == 0) {
        QCoreApplication sync(argc, argv);
        return runSyncRecord();
    }
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (argc != 3) {
        std::fprintf(stderr, "usage: quintarlow_district SOCKET_FOLDER ANSWERS\n");
        return 2;
    }
    const qint64 answers = QByteArray(argv[2]).toLongLong();
    ServerSettings owner;
    owner.host = QString::fromLocal8Bit(argv[1]);
    owner.user = QStringLiteral("postgres");
    owner.database = QStringLiteral("postgres");
    {
        QSqlDatabase admin = owner.open(QStringLiteral("admin"));
        if (!admin.isOpen() || !run(admin, QStringLiteral("CREATE DATABASE district")))
            return 1;
    }
    QSqlDatabase::removeDatabase(QStringLiteral("admin"));
    owner.database = QStringLiteral("district");
    QSqlDatabase db = owner.open(QStringLiteral("owner"));
    // Filling millions of rows takes longer than a game's connection ever waits.
    run(db, QStringLiteral("SET statement_timeout = 0"));
    QStringList classNames;
    QStringList classRoles;
    for (int n = 0; n < classes; ++n) {
        classNames.append(className(n));
        classRoles.append(QStringLiteral("quintarlow_class_") + className(n));
    }
    QString error;
    if (setUpSchoolServer(db, classNames, std::nullopt, &error).isEmpty()) {
        std::fprintf(stderr, "district: %s\n", qPrintable(error));
        return 1;
    }
    // One login for the machines of every class, as a room shared by them all.
    run(db, QStringLiteral("CREATE ROLE bench_machine LOGIN IN ROLE quintarlow_machines, ") +
                classRoles.join(QStringLiteral(", ")));
    run(db, QStringLiteral("CREATE ROLE bench_teacher LOGIN IN ROLE quintarlow_teachers, "
                           "quintarlow_class_c07"));

    // A school year of games and answers, made on the server itself: child n is in class
    // n % 40, every game is 30 answers.
    QElapsedTimer clock;
    clock.start();
    const bool filled =
        run(db, QStringLiteral(
                    "INSERT INTO games (game_id, blue, red, winner, started_at, ended_at, class) "
                    "SELECT ('00000000-0000-4000-8000-' || lpad(g::text, 12, '0'))::uuid, "
                    "'Child ' || (g % 1000), 'Child ' || ((g + 40) % 1000), NULL, "
                    "now() - (g % 300) * interval '1 day', NULL, "
                    "'c' || lpad((g % 1000 % 40 + 1)::text, 2, '0') "
                    "FROM generate_series(0, %1) g")
                    .arg(answers / 30)) &&
        run(db,
            QStringLiteral(
                "INSERT INTO answers (answer_id, player, player_key, played, utc_offset, "
                "game_id, turn, a, b, product, answered, outcome, ms, class) "
                "SELECT gen_random_uuid(), 'Child ' || c, 'child ' || c, "
                "now() - (n / 30 % 300) * interval '1 day' + n % 30 * interval '5 s', 3600, "
                "('00000000-0000-4000-8000-' || lpad((n / 30)::text, 12, '0'))::uuid, "
                "n % 30 + 1, x, y, x * y, CASE WHEN n % 7 = 0 THEN x * y % 144 + 1 ELSE x * y END, "
                "CASE WHEN n % 7 = 0 THEN 'wrong' ELSE 'right' END, 900 + n % 4000, "
                "'c' || lpad((c % 40 + 1)::text, 2, '0') FROM generate_series(1, %1) n, "
                "LATERAL (SELECT (n / 30 * 2 + n % 2) % 1000 AS c, 1 + n % 12 AS x, "
                "1 + n / 12 % 12 AS y) v")
                .arg(answers)) &&
        run(db, QStringLiteral("VACUUM ANALYZE"));
    if (!filled)
        return 1;
    std::printf("| what | figure |\n| --- | --- |\n");
    row("answers kept before the machines start", QString::number(answers));
    row("filling them on the server (s)", QString::number(clock.elapsed() / 1000.0, 'f', 1));

    // 100 machines, each a record folder of its own written by the game's record.
    QTemporaryDir folders;
    std::vector<std::unique_ptr<SqliteRecord>> records;
    std::vector<std::unique_ptr<RecordSender>> senders;
    for (int m = 0; m < machines; ++m) {
        const QString folder = folders.filePath(QString::number(m));
        records.push_back(SqliteRecord::open(folder, &error));
        if (!records.back())
            return 1;
        // The backlog in one transaction (the game writes one per answer, which costs a sync
        // of the disk each and would measure the disk, not the server).
        SqliteRecord& record = *records.back();
        std::vector<AnswerRow> backlog;
        const QString game = QUuid::createUuid().toString(QUuid::WithoutBraces);
        for (int a = 0; a < backlogPerMachine; ++a)
            backlog.push_back({QUuid::createUuid().toString(QUuid::WithoutBraces),
                               QStringLiteral("pc%1 blue").arg(m), QDateTime::currentDateTime(),
                               game, a + 1, 7, 8, 56, 56, Outcome::Right, 2000});
        record.importAnswers(backlog);
        record.gameStarted(QStringLiteral("pc%1 blue").arg(m), QStringLiteral("pc%1 red").arg(m),
                           QDateTime::currentDateTime());
        record.waitUntilWritten();
        ServerSettings machine = owner;
        machine.user = QStringLiteral("bench_machine");
        machine.className = className(m);
        senders.push_back(std::make_unique<RecordSender>(
            record.fileName(), machine,
            RecordSender::Command{QCoreApplication::applicationFilePath(),
                                  {QStringLiteral("--sync-record")}},
            [](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); }));
    }
    const qint64 before = value(db, QStringLiteral("SELECT count(*) FROM answers")).toLongLong();
    int running = machines;
    for (const auto& sender : senders)
        QObject::connect(sender.get(), &RecordSender::roundEnded, &app, [&running, &app] {
            if (--running == 0)
                app.quit();
        });
    clock.restart();
    for (const auto& sender : senders)
        sender->sendNow();
    QCoreApplication::exec();
    const qint64 backlogMs = clock.elapsed();
    const qint64 taken =
        value(db, QStringLiteral("SELECT count(*) FROM answers")).toLongLong() - before;
    row("answers taken from 100 machines sending at once", QString::number(taken));
    row("answers per second taken", QString::number(taken * 1000 / std::max<qint64>(backlogMs, 1)));

    // Then as in class: the machines one after another answer, each every 10 s, and each
    // answer starts a round as in the game.
    for (const auto& sender : senders)
        sender->disconnect(&app);
    for (int m = 0; m < machines; ++m)
        records[m]->onWritten([sender = senders[m].get()] {
            QMetaObject::invokeMethod(sender, &RecordSender::sendNow, Qt::QueuedConnection);
        });
    QTimer answer;
    int next = 0;
    QObject::connect(&answer, &QTimer::timeout, &app, [&] {
        records[next % machines]->answerJudged({QStringLiteral("pc%1 blue").arg(next % machines),
                                                QDateTime::currentDateTime(), 6, 7, 42,
                                                Outcome::Right, 2000});
        ++next;
    });
    answer.start(liveEveryMs);
    QTimer::singleShot(liveSeconds * 1000, &app, [&] {
        answer.stop();
        // Whatever is still on its way arrives.
        QTimer::singleShot(5000, &app, &QCoreApplication::quit);
    });
    QCoreApplication::exec();
    for (const auto& record : records) {
        record->waitUntilWritten();
        record->onWritten({});
    }
    senders.clear();
    QSqlQuery late(db);
    late.exec(QStringLiteral(
        "SELECT count(*), percentile_cont(0.5) WITHIN GROUP (ORDER BY ms), "
        "percentile_cont(0.95) WITHIN GROUP (ORDER BY ms) FROM (SELECT extract(epoch FROM "
        "pg_xact_commit_timestamp(xmin) - played) * 1000 AS ms FROM answers WHERE a = 6 AND "
        "player_key LIKE 'pc%') t"));
    if (late.next())
        row("answer to its row on the server, median / 95th percentile (ms)",
            QStringLiteral("%1 / %2 (%3 answers in %4 s)")
                .arg(late.value(1).toDouble(), 0, 'f', 0)
                .arg(late.value(2).toDouble(), 0, 'f', 0)
                .arg(late.value(0).toLongLong())
                .arg(liveSeconds));

    // A teacher of one class, through the record the window reads.
    ServerSettings teacher = owner;
    teacher.user = QStringLiteral("bench_teacher");
    const auto record = ServerRecord::open(teacher, &error);
    if (!record)
        return 1;
    std::vector<QString> names;
    row("a teacher's class view: the class's players (ms, median (slowest) of 5)", timed([&] {
            names.clear();
            for (const PlayerSummary& player : record->players())
                names.push_back(player.name);
        }));
    const std::size_t children = names.size();
    std::size_t classAnswers = 0;
    row("the class's grid: every child's answers' facts (ms, median (slowest) of 5)", timed([&] {
            classAnswers = 0;
            for (const auto& child : record->factAnswersOfEach(names))
                classAnswers += child.size();
        }));
    std::size_t facts = 0;
    const QString child = QStringLiteral("Child 6");
    row("one child's grid: their answers' facts (ms, median (slowest) of 5)",
        timed([&] { facts = record->factAnswers(child).size(); }));
    row("children in the class, answers of the class, answers of the child",
        QStringLiteral("%1, %2, %3").arg(children).arg(classAnswers).arg(facts));
    row("the server's size (MB)",
        QString::number(
            value(db, QStringLiteral("SELECT pg_database_size('district')")).toLongLong() /
            1'000'000));
    return 0;
}
