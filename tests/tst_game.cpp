// The game's rules on the model alone, without a window: a seeded random player checked after
// every move against a model of the rules of its own, and the answer clock of a plan.
#include "core/boardlayout.h"
#include "core/game.h"
#include "core/namecheck.h"

#include <QRandomGenerator>
#include <QTest>
#include <deque>
#include <memory>
#include <random>
#include <set>

using namespace quintarlow;

namespace {

// Factors whose product is `product`, the smaller first where there are several.
Fact factorsOf(int product) {
    int a = 1;
    while (product % a != 0 || product / a > 12)
        ++a;
    return {a, product / a};
}

// A game over scripted factors and plans that keeps what it said, played and reported.
struct Played {
    std::deque<int> factors;
    int answerSeconds = AnswerSeconds;
    ComputerLevel opponent = ComputerLevel::Level;
    bool kept = false; // the record keeps the players, none of whose answers it holds yet
    QStringList said, played, reports, planFor;
    std::vector<int> held; // the products the player asked holds, as the draw was told
    Game game{[this](const QString& player) {
                  planFor << player;
                  PracticePlan plan;
                  plan.answerSeconds = answerSeconds;
                  plan.settings.opponent = opponent;
                  if (kept)
                      plan.kept = std::make_shared<const KeptHistory>();
                  return plan;
              },
              [this](const PracticePlan&, DrawMemory& memory) {
                  held = memory.heldProducts;
                  const int a = next();
                  return Fact{a, next()};
              }};

    Played() {
        QObject::connect(&game, &Game::said, [this](const QString& text) { said << text; });
        QObject::connect(&game, &Game::played,
                         [this](Cue cue) { played << (cue == Cue::Right ? "right" : "wrong"); });
        QObject::connect(&game, &Game::gameBegan, [this](const QString& blue, const QString& red) {
            reports << "start: " + blue + " / " + red;
        });
        QObject::connect(&game, &Game::answerJudged,
                         [this](const QString& player, Fact q, std::optional<int> answered,
                                Outcome outcome, qint64) {
                             reports << QString::asprintf(
                                 "answer: %s %dx%d %s %d", qPrintable(player), q.a, q.b,
                                 answered ? qPrintable(QString::number(*answered)) : "-",
                                 int(outcome));
                         });
        QObject::connect(&game, &Game::gameEnded,
                         [this](const QString& winner) { reports << "finish: " + winner; });
    }
    // The next question asks for the product on `square`.
    void questionFor(int square) {
        const Fact question = factorsOf(squareProduct(square));
        factors = {question.a, question.b};
    }
    // Asks for the product on `square` and answers it there.
    void claim(int square) { (questionFor(square), game.ask(), game.choose(square)); }
    int next() {
        const int factor = factors.empty() ? 7 : factors.front();
        if (!factors.empty())
            factors.pop_front();
        return factor;
    }
};

using enum Stage;

// A player who does anything in any order: names, questions, any square, every clock, the
// replays. The rules it expects are written here again, apart from the game's.
class RandomPlayer {
public:
    explicit RandomPlayer(quint32 seed) : rng(seed) { newGame(); }
    QStringList recent;
    std::map<QString, int> seen;

    QString step() {
        using Move = void (RandomPlayer::*)();
        static constexpr std::array<Move, 10> moves{
            &RandomPlayer::typeNames,        &RandomPlayer::ask,
            &RandomPlayer::choose,           &RandomPlayer::freePicture,
            &RandomPlayer::clockTick,        &RandomPlayer::revealTick,
            &RandomPlayer::announcementTick, &RandomPlayer::leave,
            &RandomPlayer::replay,           &RandomPlayer::quit};
        (this->*moves[std::discrete_distribution<std::size_t>{3, 12, 30, 2, 20, 15, 3, 2, 4,
                                                              0.05}(rng)])();
        if (recent.size() > 12)
            recent.removeFirst();
        return broken();
    }

private:
    int uniform(int low, int high) { return std::uniform_int_distribution(low, high)(rng); }
    void act(const QString& what, const std::function<void()>& action) {
        recent << what;
        action();
    }

    void newGame() {
        played = std::make_unique<Played>();
        expectedPlayed.clear();
        expectedReports.clear();
        played->answerSeconds = uniform(0, 1) ? AnswerSeconds : 40;
        std::tie(phase, owner, blueToMove, running) = std::tuple(Names, Owners{}, true, false);
        ++seen["games"];
    }

    void typeNames() {
        static const QStringList names{
            "", redNamePlaceholder(), blueNamePlaceholder(), " Ana ", "ana", "Ben", "<b>x</b>"};
        const QString typedBlue = names[uniform(0, int(names.size()) - 1)];
        const QString typedRed = names[uniform(0, int(names.size()) - 1)];
        const bool accepted = played->game.start(typedBlue, typedRed);
        recent << QStringLiteral("names '%1' '%2'").arg(typedBlue, typedRed);
        const bool given = !typedBlue.isEmpty() && !typedRed.isEmpty() &&
                           typedBlue != "Blue Player - Enter Name Here" &&
                           typedRed != "Red Player - Enter Name Here" &&
                           typedBlue.trimmed().toLower() != typedRed.trimmed().toLower();
        if (accepted != (phase == Names && given))
            fault = "names accepted wrongly";
        if (accepted) {
            std::tie(phase, blue, red) = std::tuple(Waiting, typedBlue, typedRed);
            expectBegin();
            expectedSaid << QStringLiteral("four in a row,,across, up and down or diagonally "
                                           "wins,, you have %1 seconds to answer,, blue goes first")
                                .arg(played->answerSeconds);
        }
        ++seen[accepted ? "names accepted" : "names refused"];
    }

    void ask() {
        // Half the questions fall on row 3 or column 4, so that lines of four get made.
        static const std::vector<int> lines{24, 25, 26, 27, 29, 30, 31, 4, 12, 20, 36, 44, 52};
        auto [a, b] = uniform(0, 1) ? factorsOf(squareProduct(lines[uniform(0, 12)]))
                                    : Fact{uniform(1, 12), uniform(1, 12)};
        played->factors = {a, b};
        act(QStringLiteral("ask %1x%2").arg(a).arg(b), [this] { played->game.ask(); });
        if (phase != Waiting)
            return;
        std::tie(phase, product, clockTicks, timedOut) = std::tuple(Asking, a * b, 0, false);
        question = {a, b};
        expectedSaid << QStringLiteral("%1, times, %2").arg(a).arg(b);
        ++seen["questions"];
    }

    // Any square; half the time the right one, when the board has it.
    void choose() {
        const int square = uniform(0, 3) && boardIndexOfProduct(product) >= 0
                               ? boardIndexOfProduct(product)
                               : uniform(0, 63);
        act(QStringLiteral("choose %1").arg(square), [&] { played->game.choose(square); });
        const bool special =
            square == 0 || square == 7 || square == 56 || square == 63 || square == 28;
        if (phase == Waiting || (phase == Asking && special)) {
            expectedPlayed << "wrong";
        } else if (phase == Asking && squareCaption(square).toInt() != product) {
            expectAnswer(squareCaption(square), "1");
            expectedPlayed << "wrong";
            revealPrompt = squareCaption(square) + "  that is wrong. ";
            std::tie(phase, revealTicks, timedOut) = std::tuple(Revealing, 0, false);
            ++seen["wrong answers"];
        } else if (phase == Asking) {
            expectAnswer(squareCaption(square), "0");
            expectedPlayed << "right";
            owner[square] = blueToMove ? 1 : 2;
            phase = hasLine(owner[square]) ? Won : Waiting;
            if (phase == Won)
                (expectEnd(blueToMove ? blue : red), winnerIsBlue = blueToMove);
            blueToMove = !blueToMove;
            ++seen[phase == Won ? "wins" : "claims"];
        }
    }

    // Before a question it is refused with a sound; during one only with words.
    void freePicture() {
        act("FREE picture", [this] { played->game.chooseFreePicture(); });
        if (phase == Waiting)
            expectedPlayed << "wrong";
    }
    void announcementTick() {
        act("announcement tick", [this] { played->game.announcementTick(); });
    }

    // One second, or a player who waits up to 45.
    void clockTick() {
        for (int tick = uniform(0, 3) ? 1 : uniform(2, 45); tick > 0; --tick)
            oneClockTick();
    }
    void oneClockTick() {
        act("clock tick", [this] { played->game.answerClockTick(); });
        if (phase == Asking || (phase == Revealing && timedOut))
            ++clockTicks;
        if (phase == Asking && clockTicks == played->answerSeconds + 1) {
            expectAnswer("-", "2");
            expectedPlayed << "wrong";
            revealPrompt = "you are out of time. ";
            std::tie(phase, revealTicks, timedOut) = std::tuple(Revealing, 0, true);
            ++seen["time-outs"];
        }
    }

    void revealTick() {
        act("reveal tick", [this] { played->game.revealTick(); });
        if (phase != Revealing)
            return;
        if (++revealTicks == 1) {
            blueToMove = !blueToMove;
            expectedSaid << QString::asprintf("%s the correct answer was,, %d, it is, %ss turn.",
                                              qPrintable(revealPrompt), product,
                                              blueToMove ? "BLUE" : "RED");
        }
        if (revealTicks == 9)
            phase = Waiting;
    }

    void leave() {
        act("leave", [this] { played->game.leave(); });
        if (phase != Waiting)
            return;
        phase = Menu;
        expectEnd("");
    }

    void replay() {
        const bool same = uniform(0, 1);
        act(same ? "same players" : "new players", [&] {
            same ? played->game.playAgainSamePlayers() : played->game.playAgainNewPlayers();
        });
        if (phase != Won && phase != Menu)
            return;
        std::tie(phase, blueToMove) = std::pair(same ? Waiting : Names, true);
        owner = {};
        if (same)
            expectBegin();
    }

    void quit() {
        act("quit", [this] { played->game.quit(); });
        if (running)
            expectEnd("");
        if (played->game.clockRunning() || played->game.revealRunning() ||
            played->game.announcementPending())
            fault = "a clock runs on after quitting";
        if (fault.isEmpty() && played->reports != expectedReports)
            fault = "reports: " + played->reports.join(" | ");
        newGame();
    }

    void expectBegin() {
        expectedReports << "start: " + blue + " / " + red;
        running = true;
    }
    void expectEnd(const QString& winner) {
        expectedReports << "finish: " + winner;
        running = false;
    }
    void expectAnswer(const QString& answered, const char* outcome) {
        expectedReports << QString::asprintf("answer: %s %dx%d %s %s",
                                             qPrintable(blueToMove ? blue : red), question.a,
                                             question.b, qPrintable(answered), outcome);
    }

    // Four in a line across, down or diagonally; the FREE square counts for both players.
    bool hasLine(int who) const {
        static constexpr int directions[4][2]{{0, 1}, {1, 0}, {1, 1}, {1, -1}};
        for (int start = 0; start < 64; ++start)
            for (auto [down, across] : directions) {
                int row = start / 8, column = start % 8, run = 0;
                while (run < 4 && row < 8 && column >= 0 && column < 8 &&
                       (row * 8 + column == 28 || owner[row * 8 + column] == who))
                    ++run, row += down, column += across;
                if (run == 4)
                    return true;
            }
        return false;
    }

    // The first rule the game breaks, or nothing.
    QString broken() {
        if (!fault.isEmpty())
            return fault;
        const Game& game = played->game;
        if (game.stage() != phase)
            return QString::asprintf("stage %d in phase %d", int(game.stage()), int(phase));
        for (int index = 0; index < 64; ++index)
            if (int(game.owner(index)) != owner[index])
                return QString::asprintf("square %d is not owned by %d", index, owner[index]);
        // Refusals and verdicts: a sound for each, in order; every question said as drawn.
        if (played->played != expectedPlayed)
            return "sounds: " + played->played.join(' ');
        for (const QString& text : expectedSaid)
            if (!played->said.contains(text))
                return "not said: " + text;
        expectedSaid.clear();
        const std::pair<bool, const char*> rules[]{
            {phase != Won && game.toMove() != (blueToMove ? Player::Blue : Player::Red),
             "the turn went to the wrong player"},
            {game.clockRunning() != (phase == Asking || (phase == Revealing && timedOut)),
             "the clock runs without a question"},
            {phase == Asking && game.secondsLeft() != played->answerSeconds - clockTicks,
             "the clock shows the wrong time"},
            {game.revealRunning() != (phase == Revealing), "the reveal runs wrongly"},
            {phase == Won && game.winner() != (winnerIsBlue ? Player::Blue : Player::Red),
             "wrong winner"},
            {played->reports != expectedReports, "reported wrongly"}};
        for (const auto& [violated, rule] : rules)
            if (violated)
                return rule + (": " + played->reports.join(" | "));
        return {};
    }

    std::mt19937 rng;
    std::unique_ptr<Played> played;
    Stage phase = Names;
    int product = 0, clockTicks = 0, revealTicks = 0;
    Fact question;
    bool blueToMove = true, timedOut = false, running = false, winnerIsBlue = true;
    QString blue, red, fault, revealPrompt;
    QStringList expectedPlayed, expectedSaid, expectedReports;
    using Owners = std::array<int, 64>; // 0 nobody, 1 Blue, 2 Red
    Owners owner{};
};

} // namespace

class GameTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // QUINTARLOW_SEED and QUINTARLOW_ACTIONS choose another run (docs/reliability.md).
    void randomPlay() {
        bool given = false;
        const quint32 chosen = qEnvironmentVariable("QUINTARLOW_SEED").toUInt(&given);
        const quint32 used = given ? chosen : 20;
        const int actions = qEnvironmentVariableIntValue("QUINTARLOW_ACTIONS");
        RandomPlayer player(used);
        for (int action = 1; action <= (actions > 0 ? actions : 100000); ++action)
            if (const QString fault = player.step(); !fault.isEmpty())
                QFAIL(qPrintable(QString::asprintf("seed %u, action %d: %s; last actions:\n  %s",
                                                   used, action, qPrintable(fault),
                                                   qPrintable(player.recent.join("\n  ")))));
        QStringList figures;
        for (const auto& [what, count] : player.seen)
            figures.append(QString::number(count) + ' ' + what);
        qInfo("seed %u: %s", used, qPrintable(figures.join(", ")));
        // A run that never gets this far proves little.
        for (const char* part : {"wins", "time-outs", "wrong answers", "names refused"})
            QVERIFY2(player.seen[part] > 0, part);
    }

    // Two ticks after a win the winner is congratulated, and at the tenth each child the record
    // keeps hears and reads what they did; a replay before that leaves the voice nothing to say
    // at the second tick, which cuts nothing off, and tells nobody anything. A game left by the
    // menu tells at once.
    void congratulation_data() {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QStringList>("said");
        QTest::addColumn<QString>("shown");
        const QString told = "Ben,, %1 of %1 right,, 0 new facts known,, Rosa,, 2 of 2 right,, 0 "
                             "new facts known";
        QTest::newRow("won") << "won"
                             << QStringList{"attention! attention! we have a winner! "
                                            "congratulations to the,, blue, player",
                                            told.arg(3)}
                             << "Ben: 3 of 3 right, 0 new facts known";
        QTest::newRow("replayed first")
            << "replayed" << QStringList{"blue goes first", ""} << "BLUE GOES FIRST";
        QTest::newRow("left") << "left" << QStringList{told.arg(2)}
                              << "Ben: 2 of 2 right, 0 new facts known";
    }
    void congratulation() {
        QFETCH(QString, ending);
        Played played;
        played.kept = true;
        QVERIFY(played.game.start("Ben", "Rosa"));
        // Blue takes row 3 with the FREE square while Red answers in row 1.
        for (int square : {25, 9, 26, 10})
            played.claim(square);
        // Red's draw was told the products Red holds.
        QCOMPARE(played.held, std::vector{squareCaption(9).toInt()});
        if (ending == "left")
            (played.said.clear(), played.game.leave());
        else
            (played.claim(27), played.said.clear());
        QCOMPARE(played.game.stage(), ending == "left" ? Stage::Menu : Stage::Won);
        played.game.announcementTick();
        if (ending == "replayed")
            played.game.playAgainSamePlayers();
        for (int tick = 1; tick < 9; ++tick)
            played.game.announcementTick();
        const QStringList beforeTheTenth = played.said;
        played.game.announcementTick();
        QTEST(played.said, "said");
        QCOMPARE(beforeTheTenth, played.said.mid(0, ending == "won" ? 1 : 2));
        QTEST(played.game.messages()[0], "shown");
        QVERIFY(!played.game.announcementPending());
    }

    // What a child is told of a game from their answers before it and in it (each "2x3 R 1": 2 x
    // 3 right, W wrong, a day ago; "1s": each fact of the 1s), as the learning path counts facts
    // known: fluent on two days.
    void summaryOfAGame_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("answers"); // before the game, in it
        QTest::addColumn<PracticeSettings>("settings");
        QTest::addColumn<QString>("shown");
        const PracticeSettings path{{}, false, true}, all;
        QTest::newRow("a first game") << "Maya" << QStringList{"", "3x4 R 0, 5x6 W 0"} << all
                                      << "Maya: 1 of 2 right, 0 new facts known";
        QTest::newRow("fluent on a second day")
            << "Maya" << QStringList{"2x3 R 1", "2x3 R 0, 2x4 R 0"} << path
            << "Maya: 2 of 2 right, 1 new fact known, learning the 1s";
        QTest::newRow("the 1s known") << "Maya" << QStringList{"1s R 2, 1s R 1", "2x2 W 0"} << path
                                      << "Maya: 0 of 1 right, 0 new facts known, learning the 2s";
        QTest::newRow("tables chosen")
            << "Ben %2" << QStringList{"3x4 R 1", "3x4 R 0"} << PracticeSettings{{3, 4}}
            << "Ben %2: 1 of 1 right, 1 new fact known, practising the tables 3, 4";
    }
    void summaryOfAGame() {
        QFETCH(QStringList, answers);
        std::array<std::vector<FactAnswer>, 2> made;
        for (std::size_t when = 0; when < made.size(); ++when)
            for (const QString& answer : answers[int(when)].split(", ", Qt::SkipEmptyParts)) {
                const QStringList part = answer.split(' '), factors = part[0].split('x');
                const auto add = [&](int a, int b) {
                    made[when].push_back({a, b, part[1] == "W" ? Outcome::Wrong : Outcome::Right,
                                          1000, QDate::currentDate().addDays(-part[2].toInt())});
                };
                for (int n = 1; part[0] == "1s" && n <= 12; ++n)
                    (add(1, n), add(n, 1));
                if (factors.size() == 2)
                    add(factors[0].toInt(), factors[1].toInt());
            }
        QFETCH(QString, name);
        QFETCH(PracticeSettings, settings);
        QTEST(shownSummary(summariseGame(name, {made[0]}, made[1], settings, QDate::currentDate()))
                  .join(", "),
              "shown");
    }

    // Red practises the 3s and has 7 x 8 asked again; Blue has no settings. Forty wrong
    // answers in one game: each player's questions follow their own plan, and the draw
    // remembers each player apart.
    void eachPlayerIsAskedByTheirOwnPlan() {
        QRandomGenerator random(27);
        Game game(
            [](const QString& player) {
                return player == "Rosa" ? PracticePlan{{{3}, true}, {{7, 8}}} : PracticePlan{};
            },
            [&](const PracticePlan& plan, DrawMemory& memory) {
                return drawQuestion(plan, memory, random);
            });
        QVERIFY(game.start("Ben", "Rosa"));
        std::map<Player, std::vector<Fact>> asked;
        for (int turn = 0; turn < 40; ++turn) {
            const Player asking = game.toMove();
            game.ask();
            const Fact question = *game.question();
            asked[asking].push_back(question);
            game.choose(boardIndexOfProduct(question.a * question.b == 1 ? 2 : 1));
            for (int tick = 0; tick < 9; ++tick)
                game.revealTick();
        }
        const std::vector<Fact>& red = asked[Player::Red];
        QCOMPARE(red.size(), std::size_t(20));
        for (std::size_t turn = 0; turn < red.size(); ++turn) {
            const bool missed = red[turn] == Fact{7, 8};
            QVERIFY(missed || red[turn].a == 3 || red[turn].b == 3);
            QVERIFY(!(missed && turn > 0 && red[turn - 1] == red[turn]));
        }
        QVERIFY(std::count(red.begin(), red.end(), Fact{7, 8}) > 0);
        const std::vector<Fact>& blue = asked[Player::Blue];
        QVERIFY(std::any_of(blue.begin(), blue.end(), [](const Fact& f) {
            return f.a != 3 && f.b != 3 && f != Fact{7, 8};
        }));
    }

    // One child against the computer, by ticks: it waits while a confirmation is open, asks at
    // its third tick, thinks within half the clock and answers, while the child's asks and
    // squares do nothing. Its questions are the child's, and only the child's answers are
    // reported. The child wins along row 3 or, answering 7 x 7 wrong, the computer along row 1;
    // it thinks as slowly or as quickly as the child's plan sets it.
    void gameAgainstTheComputer_data() {
        QTest::addColumn<bool>("childWins");
        QTest::addColumn<ComputerLevel>("opponent");
        QTest::addColumn<int>("fewestTicks");
        QTest::addColumn<int>("mostTicks");
        QTest::newRow("the child wins") << true << ComputerLevel::Hard << 3 << 9;
        QTest::newRow("the computer wins") << false << ComputerLevel::Easy << 6 << 20;
    }
    void gameAgainstTheComputer() {
        QFETCH(bool, childWins);
        QFETCH(int, fewestTicks);
        QFETCH(int, mostTicks);
        Played played;
        QFETCH(ComputerLevel, opponent);
        played.opponent = opponent;
        Game& game = played.game;
        game.seedComputer(8);
        QVERIFY(!game.startAgainstComputer(" the computer") && game.startAgainstComputer("Ben"));
        std::deque<int> childSquares{25, 26, 27}, computerSquares{9, 10, 11, 12};
        int computerWrong = 0;
        for (int turn = 0; game.stage() != Stage::Won && turn < 200; ++turn) {
            if (game.toMove() == Player::Blue && childWins)
                (played.claim(childSquares.front()), childSquares.pop_front());
            else if (game.toMove() == Player::Blue)
                (game.ask(), game.choose(boardIndexOfProduct(48)));
            if (game.toMove() == Player::Red && game.stage() == Stage::Waiting) {
                const int target = computerSquares.front();
                played.questionFor(target);
                const qsizetype heard = played.said.size() + played.played.size();
                for (int tick = 0; tick < 5; ++tick)
                    (game.holdComputer(true), game.computerTick(), game.holdComputer(false));
                int ticks = 0;
                for (; game.stage() == Stage::Waiting && ticks < 5; ++ticks)
                    (game.ask(), game.choose(target), game.chooseFreePicture(),
                     game.computerTick());
                QCOMPARE(played.said.size() + played.played.size() - heard, 1); // the question
                // The computer's draw is told the child's squares as held, not to retake them.
                for (int square : {25, 26, 27})
                    QCOMPARE(std::ranges::count(played.held, squareProduct(square)),
                             int(game.owner(square) == Player::Blue));
                QCOMPARE(ticks, 3);
                for (ticks = 0; game.stage() == Stage::Asking && ticks < 40; ++ticks)
                    (game.choose(target), game.computerTick());
                QVERIFY(ticks >= fewestTicks && ticks <= mostTicks);
                computerWrong += game.stage() == Stage::Revealing;
                if (game.owner(target) == Player::Red)
                    computerSquares.pop_front();
            }
            for (int tick = 0; tick < 9; ++tick)
                game.revealTick();
        }
        QCOMPARE(game.winner(), childWins ? Player::Blue : Player::Red);
        QVERIFY(childWins || computerWrong > 0);
        QCOMPARE(played.planFor.filter("Ben").size(), played.planFor.size());
        QCOMPARE(played.reports.first() + played.reports.last(),
                 "start: Ben / The Computerfinish: " + (childWins ? QString("Ben") : ComputerName));
        QCOMPARE(played.reports.filter("answer: Ben").size(),
                 played.reports.filter("answer").size());
    }

    // Over 1,000 seeded questions at each level: the share right within a few points of the
    // level's, or of the child's last 50 answers (`history`, oldest first: W wrong, R right)
    // kept within 50 to 90 %; a wrong answer always a neighbouring fact's product, the pause
    // about 2 to 6 s on average, longer for larger products and at most half the clock.
    void computerAnswers_data() {
        QTest::addColumn<QByteArray>("history");
        QTest::addColumn<ComputerLevel>("level");
        QTest::addColumn<double>("share");
        QTest::addColumn<int>("meanMs"); // within 400 ms
        const QByteArray none, right(50, 'R');
        QTest::newRow("easy") << right << ComputerLevel::Easy << 0.5 << 4400;
        QTest::newRow("hard") << none << ComputerLevel::Hard << 0.9 << 2550;
        QTest::newRow("no answers yet") << none << ComputerLevel::Level << 0.7 << 3400;
        QTest::newRow("the last 50") << QByteArray(19, 'W') + QByteArray(41, 'R') + "WWWWWWWWW"
                                     << ComputerLevel::Level << 0.82 << 3400;
        QTest::newRow("weak child")
            << QByteArray("RRWWWWWWWW") << ComputerLevel::Level << 0.5 << 3400;
        QTest::newRow("strong child") << right << ComputerLevel::Level << 0.9 << 3400;
    }
    void computerAnswers() {
        QFETCH(QByteArray, history);
        std::vector<Outcome> outcomes;
        for (const char answer : history)
            outcomes.push_back(answer == 'R' ? Outcome::Right : Outcome::Wrong);
        QFETCH(ComputerLevel, level);
        const ComputerStrength strength = computerStrength(level, outcomes);
        std::mt19937 random(31);
        int right = 0;
        std::array<double, 2> ms{}, counted{}; // products to 72 and above, on a 20 s clock
        for (int turn = 0; turn < 1000; ++turn) {
            const int a = int(random() % 12) + 1, b = int(random() % 12) + 1;
            const int seconds = turn % 2 ? 8 : 20;
            const ComputerAnswer answer = answerAsComputer({a, b}, strength, seconds, random);
            const int product = squareProduct(answer.square), large = a * b > 72;
            QCOMPARE(answer.right, product == a * b);
            const std::set near{a * (b - 1), a * (b + 1), (a - 1) * b, (a + 1) * b};
            QVERIFY(answer.right || near.contains(product));
            QVERIFY(answer.thinkingMs >= 1500 && answer.thinkingMs <= seconds * 500);
            right += answer.right;
            (ms[large] += seconds == 20 ? answer.thinkingMs : 0, counted[large] += seconds == 20);
        }
        const double mean = (ms[0] + ms[1]) / (counted[0] + counted[1]);
        qInfo("%d of 1000 right, %.0f ms thinking on average", right, mean);
        QFETCH(double, share);
        QFETCH(int, meanMs);
        QVERIFY(std::abs(right / 1000.0 - share) < 0.04 && std::abs(mean - meanMs) < 400);
        QVERIFY(ms[1] / counted[1] > ms[0] / counted[0] + 500);
    }
};

QTEST_GUILESS_MAIN(GameTest)
#include "tst_game.moc"
