#include "boardfixture.h"
#include "core/boardlayout.h"
#include "core/gamesummary.h"
#include "core/playernames.h"
#include "record/recordcsv.h"
#include "record/sqliterecord.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <cstdio>
#include <functional>

using namespace quintarlow;
using namespace quintarlow::testing;

using Moves = std::function<void(BoardFixture&)>;
Q_DECLARE_METATYPE(Moves)
Q_DECLARE_METATYPE(quintarlow::PracticeSettings)

namespace {

// The record in a folder it makes itself, as under a fresh XDG_DATA_HOME.
QString folderIn(const QTemporaryDir& dir) {
    return dir.filePath("Quintarlow!");
}

std::unique_ptr<SqliteRecord> openIn(const QTemporaryDir& dir) {
    QString error;
    auto record = SqliteRecord::open(folderIn(dir), &error);
    if (!record) // every use would crash on it
        qFatal("cannot open the record: %s", qPrintable(error));
    return record;
}

// Runs `statements` on the record's file as another program would; the first column of the
// last one's rows.
QStringList onFile(const QTemporaryDir& dir, const QStringList& statements) {
    QStringList column;
    {
        QSqlDatabase file = QSqlDatabase::addDatabase("QSQLITE", "edit");
        file.setDatabaseName(folderIn(dir) + "/record.sqlite");
        file.open();
        for (const QString& statement : statements) {
            QSqlQuery query(file);
            if (!query.exec(statement))
                column = QStringList{"failed: " + statement};
            else
                for (column.clear(); query.next();)
                    column.append(query.value(0).toString());
        }
    }
    QSqlDatabase::removeDatabase("edit");
    return column;
}

JudgedAnswer judged(const QString& player, int a, int b, std::optional<int> answered) {
    const Outcome outcome = !answered            ? Outcome::Timeout
                            : *answered == a * b ? Outcome::Right
                                                 : Outcome::Wrong;
    return {player, QDateTime::currentDateTime(), a, b, answered, outcome, 1234};
}

QStringList factsText(const std::vector<FactAnswer>& facts) {
    QStringList words;
    for (const FactAnswer& fact : facts)
        words.append(QString::asprintf("%dx%d %d", fact.a, fact.b, int(fact.outcome)));
    return words;
}

const QByteArray GoodLine =
    "3f0b6f7e-2c55-4a43-9d0e-0d6f3a1e9b11,Ben,2026-12-07T10:00:00.000+01:00,"
    "8a4e2d1c-1111-4f4f-8a8a-123456789abc,1,3,4,12,12,right,2500\r\n";

// The answer GoodLine holds, for a test to change what it needs.
AnswerRow goodRow() {
    return answersFromCsv(CsvHeader.latin1() + QByteArray("\r\n") + GoodLine).rows.at(0);
}

} // namespace

// What the board reports to the record, and what the record keeps and exchanges.
class RecordTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { silenceOffscreenRaise(); }

    // Judged answers only, for the player to move, factors in the order shown; each game once.
    void turnsLeaveRows_data() {
        QTest::addColumn<Moves>("moves");
        QTest::addColumn<QStringList>("expected");
        const QString start = "start: Ben / Rosa";
        QTest::newRow("right, factors as shown") << Moves([](BoardFixture& f) {
            f.ask(4, 3);
            f.board.clickSquare(boardIndexOfProduct(12));
        }) << QStringList{start, "answer: Ben 4x3 12 right"};
        QTest::newRow("won, replay with the same players") << Moves([](BoardFixture& f) {
            f.blueWins();
            control(f.winner, "samePlayersButton")->click();
        }) << QStringList{start, "finish: Ben", start};
        QTest::newRow("won, replay with new players, names as typed") << Moves([](BoardFixture& f) {
            f.blueWins();
            control(f.winner, "newPlayersButton")->click();
            control<QLineEdit>(f.game->screens.welcome(), "redNameBox")->setText(" Ana ");
            control<QLineEdit>(f.game->screens.welcome(), "blueNameBox")->setText("Tom");
            f.game->screens.welcome().startPlaying();
        }) << QStringList{start, "finish: Ben", "start: Tom /  Ana "};
        QTest::newRow("START NEW GAME mid-game leaves it unfinished") << Moves([](BoardFixture& f) {
            f.claim(25);
            f.board.startNewGame();
            control(f.winner, "samePlayersButton")->click();
        }) << QStringList{start, "finish: ", start};
        QTest::newRow("START NEW GAME declined") << Moves([](BoardFixture& f) {
            f.game->dialogs.answers = {false};
            f.board.startNewGame();
        }) << QStringList{start};
        QTest::newRow("quit after a win ends the game once") << Moves([](BoardFixture& f) {
            f.blueWins();
            f.game->screens.quitGame();
        }) << QStringList{start, "finish: Ben"};
        QTest::newRow("quit mid-game") << Moves([](BoardFixture& f) { f.game->screens.quitGame(); })
                                       << QStringList{start, "finish: "};
    }
    void turnsLeaveRows() {
        QFETCH(Moves, moves);
        QFETCH(QStringList, expected);
        BoardFixture f;
        moves(f);
        // The games alone, unless the case is about the answers.
        QStringList entries = f.game->record.entries;
        if (expected.filter("answer: ").isEmpty())
            entries = entries.filter(QRegularExpression("^(?!answer: )"));
        QCOMPARE(entries, expected);
    }

    // What the board reports is there after the record is closed and opened again.
    void keptAcrossRuns() {
        QTemporaryDir dir;
        {
            auto record = openIn(dir);
            record->gameStarted("Ben", "Rosa", QDateTime::currentDateTime());
            record->answerJudged(judged("Ben", 3, 4, 12));
            record->answerJudged(judged("Rosa", 4, 3, 13));
            record->answerJudged(judged("Ben", 7, 8, std::nullopt));
            record->gameFinished(QString(), QDateTime::currentDateTime());
            QVERIFY(
                record->setPracticeSettings(" Ben", {{3, 4}, true, true, 40, ComputerLevel::Hard}));
        }
        // The child's own: nobody else on the computer may look in.
        QCOMPARE(QFileInfo(folderIn(dir)).permissions() & 0x0077, QFileDevice::Permissions());
        auto record = openIn(dir);
        const auto rows = record->answers(QString());
        QStringList seen;
        for (const AnswerRow& row : rows)
            seen.append(QString::asprintf(
                "%d %s %dx%d=%d %s %s %lld", row.turn, qPrintable(row.player), row.a, row.b,
                row.product, row.answered ? qPrintable(QString::number(*row.answered)) : "-",
                qPrintable(outcomeName(row.outcome)), qlonglong(row.ms)));
        QCOMPARE(seen, (QStringList{"1 Ben 3x4=12 12 right 1234", "2 Rosa 4x3=12 13 wrong 1234",
                                    "3 Ben 7x8=56 - timeout 1234"}));
        QCOMPARE(rows[0].gameId, rows[2].gameId);
        QCOMPARE(record->answers("BEN ").size(), 2u);
        QCOMPARE(record->practicePlan("ben").settings,
                 (PracticeSettings{{3, 4}, true, true, 40, ComputerLevel::Hard}));
        // The names offered on the name entry: those with answers, then each name a game starts
        // with, never the computer's.
        QCOMPARE(record->playerNames(), (QStringList{"Ben", "Rosa"}));
        record->gameStartedAgainstComputer("Mia", QDateTime::currentDateTime());
        QCOMPARE(record->playerNames(), (QStringList{"Ben", "Rosa", "Mia"}));
        // Ben's misses are asked again from the window's facts to practise, weakest first.
        record->gameStarted("Ben", "Rosa", QDateTime::currentDateTime());
        record->waitUntilWritten();
        const PracticePlan ben = record->practicePlan("BEN");
        QVERIFY(!ben.missed.empty());
        QCOMPARE(ben.missed.front(), (Fact{7, 8}));
        // Ben's time and path: 3 x 4 answered once is what he learns on the 3s.
        QCOMPARE(ben.answerSeconds, 40);
        QCOMPARE(ben.recentOutcomes, (std::vector{Outcome::Right, Outcome::Timeout}));
        QCOMPARE(ben.path.unknowns.front(), (Fact{3, 4}));
        QCOMPARE(ben.kept->answers.size(), 2u);
        QVERIFY(record->practicePlan("Rosa").missed.empty());
        // Forgotten while the record stays open, with answers waiting beside it: no file there
        // keeps her name, and Ben's answers still wait.
        const QString file = folderIn(dir) + "/record.sqlite";
        QFile waiting(file + "-waiting.csv");
        QVERIFY(waiting.open(QIODevice::WriteOnly) &&
                waiting.write(answersToCsv(record->answers(QString()))) > 0);
        waiting.close();
        QCOMPARE(record->forgetPlayer("rosa"), 1);
        for (const char* suffix : {"", "-wal", "-waiting.csv"}) {
            QFile kept(file + QLatin1String(suffix));
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QVERIFY2(!kept.readAll().contains("Rosa"), suffix);
        }
        waiting.open(QIODevice::ReadOnly);
        QCOMPARE(answersFromCsv(waiting.readAll()).rows.size(), 2u);
        QCOMPARE(record->answers(QString()).size(), 2u);
        QCOMPARE(record->players().size(), 1u);
        // A kept outcome of no known word is an error that names the answer, never a time-out.
        QCOMPARE(onFile(dir, {"UPDATE answers SET outcome = 'nearly' WHERE a = 7"}), QStringList());
        QCOMPARE(record->answers(QString()).size(), 1u);
        QVERIFY2(record->readError().contains("\"nearly\""), qPrintable(record->readError()));
        QCOMPARE(record->factAnswers("ben").size(), 1u);
        QVERIFY(!record->readError().isEmpty());
        record->answers("Rosa");
        QCOMPARE(record->readError(), QString());
    }

    // A machine two classes share keeps each class's Tom: their answers, list and settings.
    void eachClassItsTomOnOneMachine() {
        QTemporaryDir dir;
        auto record = openIn(dir);
        for (const auto& [classKey, answered] : {std::pair{"4b", 12}, std::pair{"5a", 13}}) {
            record->playInClass(QLatin1String(classKey));
            record->gameStarted("Tom", "Ann", QDateTime::currentDateTime());
            record->answerJudged(judged("Tom", 3, 4, answered));
            record->gameFinished(QString(), QDateTime::currentDateTime());
            QVERIFY(record->setPracticeSettings(childOfClass("Tom", QLatin1String(classKey)),
                                                {{answered - 9}, false, false, 20}));
        }
        QStringList seen;
        for (const PlayerSummary& player : record->players())
            seen << shownName(player.name) + QStringLiteral(" %1").arg(player.hasPracticeSettings);
        QCOMPARE(seen, QStringList({"Tom (5A) 1", "Tom (4B) 1"}));
        const std::vector<AnswerRow> fours = record->answers(childOfClass("Tom", "4b"));
        QCOMPARE(fours.size(), 1u);
        QCOMPARE(*fours.front().answered, 12);
        QCOMPARE(record->practicePlan("TOM").settings.tables, std::vector<int>{4});
        record->playInClass("4b");
        QCOMPARE(record->practicePlan("TOM").settings.tables, std::vector<int>{3});
    }

    // The list's counts follow the answers however they come and go, also in a file that
    // another program changed or that was made before the list was kept beside the answers.
    void theListCountsWhatIsKept_data() {
        QTest::addColumn<QStringList>("statements"); // run on the file between two openings
        QTest::addColumn<QStringList>("listed");     // name, games, answers, right, last played
        QTest::newRow("as played") << QStringList()
                                   << QStringList{" aNN  2 3 2 2026-12-08T09:00:00+01:00",
                                                  "Bo 1 1 0 2026-12-07T10:02:00+01:00"};
        QTest::newRow("the last answer of a game gone")
            << QStringList{"DELETE FROM answers WHERE player = ' aNN ' OR played_ms % 120000 = "
                           "60000"}
            << QStringList{"Bo 1 1 0 2026-12-07T10:02:00+01:00",
                           "Ann 1 1 1 2026-12-07T10:00:00+01:00"};
        QTest::newRow("the older days gone")
            << QStringList{"DELETE FROM answers WHERE played_at < '2026-12-08'"}
            << QStringList{" aNN  1 1 1 2026-12-08T09:00:00+01:00"};
        QTest::newRow("a game alone, lost")
            << QStringList{"INSERT INTO games VALUES ('8a4e2d1c-2222-4f4f-8a8a-123456789abc', ' "
                           "aNN ',"
                           " 'The Computer', 'The Computer', '2026-12-08T09:00:00+01:00', NULL, 1, "
                           "'')"}
            << QStringList{" aNN  2 3 2 2026-12-08T09:00:00+01:00 1 alone, 0 won",
                           "Bo 1 1 0 2026-12-07T10:02:00+01:00"};
        QTest::newRow("a file from before the list was kept")
            << QString("DROP TRIGGER answer_counted; DROP TRIGGER answer_uncounted; DROP TABLE "
                       "player_games; DROP TABLE school_facts; ALTER TABLE games DROP COLUMN "
                       "against_computer; ALTER TABLE practice DROP COLUMN opponent; ALTER TABLE "
                       "games DROP COLUMN class; ALTER TABLE answers DROP COLUMN class; PRAGMA "
                       "user_version = 4")
                   .split("; ")
            << QStringList{" aNN  2 3 2 2026-12-08T09:00:00+01:00",
                           "Bo 1 1 0 2026-12-07T10:02:00+01:00"};
    }
    void theListCountsWhatIsKept() {
        QFETCH(QStringList, statements);
        QFETCH(QStringList, listed);
        QTemporaryDir dir;
        const auto answer = [](const char* player, const char* game, const char* at,
                               Outcome outcome) {
            AnswerRow row = goodRow();
            std::tie(row.answerId, row.player, row.gameId, row.playedAt, row.outcome,
                     row.answered) =
                std::tuple(QUuid::createUuid().toString(QUuid::WithoutBraces), QString(player),
                           QString(game), QDateTime::fromString(at, Qt::ISODate), outcome,
                           outcome == Outcome::Timeout ? std::nullopt : std::optional(12));
            return row;
        };
        const char* first = "8a4e2d1c-1111-4f4f-8a8a-123456789abc";
        const char* second = "8a4e2d1c-2222-4f4f-8a8a-123456789abc";
        QCOMPARE(openIn(dir)
                     ->importAnswers(
                         {answer("Ann", first, "2026-12-07T10:00:00+01:00", Outcome::Right),
                          answer("Ann", first, "2026-12-07T10:01:00+01:00", Outcome::Wrong),
                          answer("Bo", first, "2026-12-07T10:02:00+01:00", Outcome::Timeout),
                          answer(" aNN ", second, "2026-12-08T09:00:00+01:00", Outcome::Right)})
                     .added,
                 4);
        // The class view's one read of every child finds each name's answers as that name's own
        // read does, whatever capitals and spaces they were kept under.
        const std::vector<QString> names{"ANN", "Cy", "bo", QString()};
        const auto each = openIn(dir)->factAnswersOfEach(names);
        QCOMPARE(each.size(), names.size());
        QCOMPARE(each[0].size(), 3u);
        for (std::size_t i = 0; i < names.size(); ++i)
            QCOMPARE(factsText(each[i]), factsText(openIn(dir)->factAnswers(names[i])));
        QVERIFY(!onFile(dir, statements).join(' ').startsWith("failed"));
        QStringList seen;
        for (const PlayerSummary& player : openIn(dir)->players())
            seen.append(QString::asprintf("%s %d %d %d %s", qPrintable(player.name), player.games,
                                          player.answers, player.right,
                                          qPrintable(player.lastPlayed.toString(Qt::ISODate))) +
                        (player.gamesAlone ? QStringLiteral(" %1 alone, %2 won")
                                                 .arg(player.gamesAlone)
                                                 .arg(player.wonAlone)
                                           : QString()));
        QCOMPARE(seen, listed);
    }

    // Settings changed during a game apply from the next game on.
    // Awkward names survive the file exactly; a second import changes nothing. A name of
    // blanks is a player like any other: the winner, and never everyone.
    void exportImportExportIsIdentical() {
        const QStringList names = QString("   |\"Quote\" O\"Neil| Padded |Comma, Jr.|Maximiliana "
                                          "Wolfeschlegelstein|Ana\u00a0Bo|Зоя Ковалёва|李小龍|"
                                          "=HYPERLINK(\"http://x.org\")|'Tis|مريم")
                                      .split('|');
        QTemporaryDir first, second;
        QByteArray exported;
        {
            auto record = openIn(first);
            for (qsizetype index = 0; index + 1 < names.size(); index += 2) {
                record->gameStarted(names[index], names[index + 1], QDateTime::currentDateTime());
                record->answerJudged(judged(names[index], 6, 7, 42));
                record->answerJudged(judged(names[index + 1], 12, 12, std::nullopt));
            }
            record->gameStartedAgainstComputer(names.first(), QDateTime::currentDateTime());
            record->gameStarted(names.last(), names.first(), QDateTime::currentDateTime());
            record->answerJudged(judged(names.last(), 1, 9, 8));
            record->gameFinished(names.first(), QDateTime::currentDateTime());
            exported = answersToCsv(record->answers(QString()));
            QCOMPARE(record->answers(names.first()).size(), 1u);
        }
        QCOMPARE(onFile(first, {"SELECT winner FROM games WHERE winner IS NOT NULL"}),
                 QStringList{names.first()});
        QCOMPARE(
            onFile(first, {"SELECT group_concat(blue || red) FROM games WHERE against_computer"}),
            QStringList{names.first() + ComputerName});
        const CsvReading reading = answersFromCsv(exported);
        QCOMPARE(reading.error, QString());
        QVERIFY(std::ranges::equal(reading.rows, names, {}, &AnswerRow::player));
        auto fresh = openIn(second);
        QCOMPARE(fresh->importAnswers(reading.rows).added, 11);
        QCOMPARE(answersToCsv(fresh->answers(QString())), exported);
        const auto again = fresh->importAnswers(reading.rows);
        QCOMPARE(std::pair(again.added, again.skipped), std::pair(0, 11));
    }

    // What a spreadsheet would run as a formula is written as text behind an apostrophe, and
    // read back exactly as typed, with the byte-order mark or without.
    void cellsNoSpreadsheetRuns_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("cell");
        for (const auto& [name, cell] : {std::pair{"=1+1", "'=1+1"},
                                         {"+1", "'+1"},
                                         {"-1", "'-1"},
                                         {"@SUM(1)", "'@SUM(1)"},
                                         {"'Tis", "''Tis"},
                                         {"Ana=Bo-Li", "Ana=Bo-Li"}})
            QTest::newRow(cell) << QString(name) << QByteArray(cell);
    }
    void cellsNoSpreadsheetRuns() {
        QFETCH(QString, name);
        QFETCH(QByteArray, cell);
        AnswerRow row = goodRow();
        row.player = name;
        const QByteArray csv = answersToCsv({row});
        QVERIFY(csv.startsWith("\xEF\xBB\xBF" + QByteArray(CsvHeader.latin1()) + "\r\n"));
        QVERIFY2(csv.contains(',' + cell + ','), csv.constData());
        for (const QByteArray& file : {csv, csv.mid(3)}) {
            const CsvReading reading = answersFromCsv(file);
            QCOMPARE(reading.error, QString());
            QCOMPARE(reading.rows.at(0).player, name);
        }
    }

    // A bad file is refused whole, naming the line it went wrong on.
    void importRefusals_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("line");
        QTest::newRow("wrong header") << "id,player\r\n" + GoodLine << "line 1:";
        // After a good line, the good line with a part changed: the case, the part, into what,
        // and the line named.
        for (const auto& [name, part, changed, line] :
             std::initializer_list<std::array<const char*, 4>>{
                 {"short line", ",Ben,", ",Ben,\r\n", "line 3:"},
                 {"garbled quotes", ",Ben,", ",B\"e\"n,", "line 3:"},
                 {"factor out of range", ",3,4,12,12,", ",13,4,52,52,", "line 3:"},
                 {"product is not a times b", ",3,4,12,12,", ",3,4,13,13,", "line 3:"},
                 {"negative time", ",2500", ",-5", "line 3:"},
                 {"unknown outcome", "right", "nearly", "line 3:"},
                 {"time without its offset", "00.000+01:00", "00.000", "line 3:"},
                 {"a name with a line break", ",Ben,", ",\"Be\nn\",",
                  "line 3: player holds a control"}})
            QTest::newRow(name) << QByteArray(CsvHeader.latin1()) + "\r\n" + GoodLine +
                                       QByteArray(GoodLine).replace(part, changed)
                                << QString(line);
    }
    void importRefusals() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, line);
        const CsvReading reading = answersFromCsv(csv);
        QVERIFY2(reading.error.startsWith(line), qPrintable(reading.error));
        QVERIFY(reading.rows.empty());
    }

    // Two games on the same account write at once while another program holds the file for
    // longer than the busy timeout: the answers wait in order and are all written once it lets
    // go, even when the game is quitting meanwhile.
    void lockedLongerThanTheTimeout() {
        QTemporaryDir dir;
        openIn(dir).reset();
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE");
        other.setDatabaseName(folderIn(dir) + "/record.sqlite");
        QVERIFY(other.open());
        QVERIFY(QSqlQuery(other).exec("BEGIN IMMEDIATE"));
        QProcess writers[2];
        for (QProcess& writer : writers)
            writer.start(QCoreApplication::applicationFilePath(), {"write", folderIn(dir), "60"});
        QVERIFY(!writers[1].waitForFinished(3000)); // waiting beyond 2 s, not failed
        // Reading goes on while the lock is held.
        QCOMPARE(openIn(dir)->answers(QString()).size(), 0u);
        QVERIFY(QSqlQuery(other).exec("ROLLBACK"));
        for (QProcess& writer : writers) {
            QVERIFY(writer.waitForFinished(20000));
            QCOMPARE(writer.exitCode(), 0);
            const QByteArray said = writer.readAllStandardError();
            QVERIFY2(said.contains("is locked by another program") && said.count('\n') == 1,
                     said.constData());
        }
        auto record = openIn(dir);
        QCOMPARE(record->answers(QString()).size(), 120u);
        QCOMPARE(record->players().size(), 2u);
        other.close();
    }

    // Settings changed or a player forgotten by another program (the Practice Record window,
    // --practice) while a game runs are what the next game plays with.
    void settingsOfAnotherProgramAtTheNextGame_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<PracticeSettings>("next");
        QTest::newRow("set") << "sevens" << PracticeSettings{{7}, false};
        QTest::newRow("forgotten") << "forget" << PracticeSettings();
    }
    void settingsOfAnotherProgramAtTheNextGame() {
        QFETCH(QString, change);
        QFETCH(PracticeSettings, next);
        QTemporaryDir dir;
        const PracticeSettings threes{{3}, false};
        QVERIFY(openIn(dir)->setPracticeSettings("Ben", threes));
        auto record = openIn(dir);
        record->gameStarted("Ben", "Rosa", QDateTime::currentDateTime());
        record->waitUntilWritten();
        QCOMPARE(record->practicePlan("Ben").settings, threes);
        QProcess other;
        other.start(QCoreApplication::applicationFilePath(), {change, folderIn(dir), "ben "});
        QVERIFY(other.waitForFinished(20000));
        QCOMPARE(other.exitCode(), 0);
        QCOMPARE(record->practicePlan("Ben").settings, threes);
        record->gameFinished(QString(), QDateTime::currentDateTime());
        record->gameStarted("Ben", "Rosa", QDateTime::currentDateTime());
        record->waitUntilWritten();
        QCOMPARE(record->practicePlan("Ben").settings, next);
        QCOMPARE(record->practiceSettings("Ben"), next);
    }

    // Quitting while the record still works out the players' facts to practise: the job
    // finishes before what it uses is gone (the sanitizer build sees it otherwise).
    void quitRightAfterTheStart() {
        QTemporaryDir dir;
        {
            auto record = openIn(dir);
            QVERIFY(record->setPracticeSettings("Ben", {{}, true}));
            record->gameStarted("Ben", "Rosa", QDateTime::currentDateTime());
            for (int answer = 0; answer < 200; ++answer)
                record->answerJudged(judged("Ben", 1 + answer % 12, 7, 1));
        }
        for (int quit = 0; quit < 20; ++quit) {
            auto record = openIn(dir);
            record->gameStarted("Ben", "Ben", QDateTime::currentDateTime());
        }
        QCOMPARE(openIn(dir)->answers(QString()).size(), 200u);
    }
};

// Another program at the record in FOLDER, saying on stderr, as the game does, when it cannot
// open it: `write FOLDER COUNT` plays one game of COUNT answers as fast as the board could
// report them; `sevens FOLDER NAME` and `forget FOLDER NAME` do what the Practice Record window
// does.
int otherProgram(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QString error;
    auto record = SqliteRecord::open(QString::fromLocal8Bit(argv[2]), &error);
    if (!record) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const QString nameOrCount = QString::fromLocal8Bit(argv[3]);
    if (qstrcmp(argv[1], "write") != 0)
        return (qstrcmp(argv[1], "forget") == 0
                    ? record->forgetPlayer(nameOrCount) >= 0
                    : record->setPracticeSettings(nameOrCount, {{7}, false}))
                   ? 0
                   : 1;
    const QString player = QStringLiteral("Writer %1").arg(QCoreApplication::applicationPid());
    record->gameStarted(player, "Other", QDateTime::currentDateTime());
    for (int answer = 0; answer < nameOrCount.toInt(); ++answer)
        record->answerJudged(judged(player, 2, 5, 10));
    record->gameFinished(player, QDateTime::currentDateTime());
    return 0;
}

int main(int argc, char* argv[]) {
    if (argc == 4 && QByteArrayList{"write", "sevens", "forget"}.contains(argv[1]))
        return otherProgram(argc, argv);
    QApplication app(argc, argv);
    RecordTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_record.moc"
