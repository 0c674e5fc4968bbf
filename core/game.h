#pragma once

#include "core/boardlayout.h"
#include "core/colours.h"
#include "core/computerplayer.h"
#include "core/cue.h"
#include "core/fact.h"
#include "core/gamesummary.h"
#include "core/questiondraw.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>
#include <random>

namespace quintarlow {

// Where a game stands; the windows show what each stage allows.
enum class Stage {
    Names,     // waiting for the players' names
    Waiting,   // the player to move may ask for a question
    Asking,    // a question is pending and its clock runs
    Revealing, // a wrong answer or a time-out: the correct answer is shown, then the turn passes
    Won,       // a line of four: the winner is announced
    Menu,      // the game was left by "START NEW GAME": the replay choices are offered
    Over,      // the player quit
};

// "BLUE" or "RED", as the game says and shows whose turn it is.
Player otherPlayer(Player player);

// One game of Quintarlow! without a window: the squares and who holds them, whose turn it is,
// the pending question and its clock, the verdict, the correct answer's reveal, four in a line
// and the replays. It says and plays through `said` and `played`, reports to the record
// through `gameBegan`, `answerJudged` and `gameEnded`, and tells the windows what changed
// through the other signals. Its three clocks are slots a test calls one tick at a time.
class Game : public QObject {
    Q_OBJECT
public:
    using PlanOf = std::function<PracticePlan(const QString& player)>;
    using Draw = std::function<Fact(const PracticePlan& plan, DrawMemory& memory)>;

    Game(PlanOf planOf, Draw draw, QObject* parent = nullptr);

    Stage stage() const { return m_stage; }
    Player toMove() const { return m_toMove; }
    QString name(Player player) const { return player == Player::Red ? m_redName : m_blueName; }
    // The name as the screens show it: the computer's in the language played.
    QString shownName(Player player) const {
        return player == Player::Red && m_againstComputer ? computerShownName() : name(player);
    }
    Player owner(int square) const { return m_owners[static_cast<std::size_t>(square)]; }
    // The pending question; none between questions.
    std::optional<Fact> question() const { return m_question; }
    // The question last asked, pending or not: what the reveal shows.
    Fact lastQuestion() const { return m_lastQuestion; }
    int secondsLeft() const { return m_secondsLeft; }
    // The clock runs from a question to its answer, and on (hidden) through a time-out's
    // reveal.
    bool clockRunning() const { return m_answerClock.isActive(); }
    // The board's two message lines, and whether they show (not during a question).
    const std::array<QString, 2>& messages() const { return m_messages; }
    bool messagesShown() const { return m_messagesShown; }
    Player winner() const { return m_winner; }
    // The four winning squares in scan order, once a line is found.
    const std::array<int, 4>& winningLine() const { return m_winningLine; }
    int revealTicks() const { return m_revealTicks; }
    bool revealRunning() const { return m_revealClock.isActive(); }
    bool announcementPending() const { return m_announcementClock.isActive(); }
    // Set while the computer plays Red; it moves through its own clock's ticks.
    bool againstComputer() const { return m_againstComputer; }
    bool redIsGuest() const { return m_redIsGuest; }
    // Red's turn in a game against the computer: the child's asks and squares are ignored.
    bool computerPlays() const { return m_againstComputer && m_toMove == Player::Red; }
    bool computerClockRunning() const { return m_computerClock.isActive(); }
    // A seeded computer plays the same game again.
    void seedComputer(quint32 seed) { m_computerRandom.seed(seed); }

public Q_SLOTS:
    // The names as typed; Blue moves first. False, and nothing starts, while a name is missing.
    // False too for the same name twice, as the record compares names. A guest's answers as Red
    // are never reported.
    bool start(const QString& blueName, const QString& redName, bool redIsGuest = false);
    // One child plays Blue, the computer Red, as well as the child's plan says.
    bool startAgainstComputer(const QString& blueName);
    // "Generate Multipliers": a question for the player to move, from their plan.
    void ask();
    // A click on board square 0 to 63.
    void choose(int square);
    // A click on the FREE picture that lies over the middle of the FREE square.
    void chooseFreePicture();
    // "START NEW GAME", confirmed: the game is left unfinished and the replays are offered.
    void leave();
    void playAgainSamePlayers();
    void playAgainNewPlayers();
    // The player quits: a game still running ends unfinished, and every clock stops.
    void quit();

    void answerClockTick(); // one second of the answer clock
    void revealTick();      // one second of the correct answer's reveal, nine in all
    // The winner is congratulated at the second tick, and the children told what they did at
    // the tenth.
    void announcementTick();
    // Half a second of the computer's turn: it asks at the third tick after the board is ready
    // for it, and answers once it has thought.
    void computerTick();
    // The computer waits while a question to the child (a new game? quit?) is open.
    void holdComputer(bool held) { m_computerHeld = held; }

Q_SIGNALS:
    void said(const QString& text);
    void played(Cue cue);

    void gameBegan(const QString& blueName, const QString& redName);
    void answerJudged(const QString& player, Fact question, std::optional<int> answered,
                      Outcome outcome, qint64 ms);
    // The winner's name as typed, or empty for a game left unfinished.
    void gameEnded(const QString& winnerName);

    void questionAsked();
    void clockChanged();
    void squareClaimed(int square);
    // A right answer without a line of four: the verdict shows and the turn has passed.
    void verdictShown();
    void revealStarted();
    // Each tick of the reveal; at its end the board is handed back.
    void revealTicked();
    void revealEnded();
    void won();
    void menuOpened();
    // What each child did in the game just ended is in the message lines: after the winner's
    // words, or as the replays are offered.
    void summaryTold();
    // A replay put the board back to its start; new players are asked for their names.
    void boardReset();
    void namesWanted();

private:
    bool begin(const QString& blueName, const QString& redName, bool againstComputer,
               bool redIsGuest);
    void askForPlayerToMove();
    void answer(int square);
    void resetClock();
    void refuseDuringQuestion();
    void refuseWithoutQuestion();
    void reveal(std::optional<int> chosen);
    void claim(int square);
    bool lineOfFourFor(Player player);
    void reportAnswer(std::optional<int> answered, Outcome outcome);
    void endGame(const QString& winnerName);
    std::vector<GameSummary> summaries() const;
    void tellSummaries();
    void resetBoard(Stage stage);

    PlanOf m_planOf;
    Draw m_draw;
    Stage m_stage = Stage::Names;
    Player m_toMove = Player::Blue;
    QString m_blueName;
    QString m_redName;
    std::array<Player, BoardSquareCount> m_owners{};
    std::optional<Fact> m_question;
    Fact m_lastQuestion;
    int m_secondsLeft = AnswerSeconds;
    std::array<QString, 2> m_messages;
    bool m_messagesShown = true;
    Player m_winner = Player::Nobody;
    std::array<int, 4> m_winningLine{};
    bool m_gameRunning = false;
    std::optional<int> m_revealChosen; // the wrong square's product; none after a time-out
    int m_revealTicks = 0;
    QString m_announcement;
    int m_announcementTicks = 0;
    QElapsedTimer m_questionShown;
    // This game's answers of each player the record keeps, and what they are told of it.
    std::vector<FactAnswer> m_blueAnswers;
    std::vector<FactAnswer> m_redAnswers;
    std::vector<GameSummary> m_summaries;
    DrawMemory m_blueDraw; // what the draw remembers of each player between their questions
    DrawMemory m_redDraw;
    QTimer m_answerClock;
    QTimer m_revealClock;
    QTimer m_announcementClock;
    bool m_againstComputer = false;
    bool m_redIsGuest = false;
    std::mt19937 m_computerRandom;
    std::optional<ComputerAnswer> m_computerAnswer; // decided when it asks, clicked when thought
    int m_computerTicks = 0;
    bool m_computerHeld = false;
    QTimer m_computerClock;
};

} // namespace quintarlow
