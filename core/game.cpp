#include "core/game.h"

#include "core/fourinline.h"
#include "core/namecheck.h"
#include "core/playernames.h"
#include "core/spokentexts.h"

#include <QRandomGenerator>

namespace quintarlow {

namespace {

constexpr int ComputerTickMs = 500;
// About 1.5 s after the board is ready for it, so that the verdict's speech has begun.
constexpr int ComputerAsksAtTick = 3;
// Once the winner's words (about six seconds from the second tick) have been said.
constexpr int SummaryAtTick = 10;

} // namespace

Player otherPlayer(Player player) {
    return player == Player::Blue ? Player::Red : Player::Blue;
}

Game::Game(PlanOf planOf, Draw draw, QObject* parent)
    : QObject(parent), m_planOf(std::move(planOf)),
      m_draw(std::move(draw)), m_messages{Texts::blueGoesFirst(), QString()} {
    m_answerClock.setInterval(1000);
    m_revealClock.setInterval(1000);
    m_announcementClock.setInterval(1000);
    m_computerClock.setInterval(ComputerTickMs);
    m_computerRandom.seed(QRandomGenerator::global()->generate());
    connect(&m_answerClock, &QTimer::timeout, this, &Game::answerClockTick);
    connect(&m_revealClock, &QTimer::timeout, this, &Game::revealTick);
    connect(&m_announcementClock, &QTimer::timeout, this, &Game::announcementTick);
    connect(&m_computerClock, &QTimer::timeout, this, &Game::computerTick);
}

bool Game::start(const QString& blueName, const QString& redName, bool redIsGuest) {
    return begin(blueName, redName, false, redIsGuest);
}

bool Game::startAgainstComputer(const QString& blueName) {
    return begin(blueName, ComputerName, true, false);
}

bool Game::begin(const QString& blueName, const QString& redName, bool computer, bool redIsGuest) {
    if (m_stage != Stage::Names || namesProblem(redName, blueName) != NamesProblem::None)
        return false;
    m_againstComputer = computer;
    m_redIsGuest = redIsGuest;
    m_computerTicks = 0;
    if (computer)
        m_computerClock.start();
    else
        m_computerClock.stop();
    m_blueName = composedName(blueName);
    m_redName = composedName(redName);
    m_toMove = Player::Blue;
    m_stage = Stage::Waiting;
    resetClock();
    m_gameRunning = true;
    Q_EMIT gameBegan(m_blueName, m_redName);
    // The computer answers on the child's clock, so a game alone has one time to say.
    const int blueSeconds = m_planOf(m_blueName).answerSeconds;
    const int redSeconds = computer ? blueSeconds : m_planOf(m_redName).answerSeconds;
    Q_EMIT said(Texts::rules(blueSeconds, redSeconds).toLower());
    return true;
}

void Game::ask() {
    if (!computerPlays())
        askForPlayerToMove();
}

void Game::askForPlayerToMove() {
    if (m_stage != Stage::Waiting)
        return;
    const bool blue = m_toMove == Player::Blue;
    // The computer is asked what the child is learning, so that each of its turns shows the
    // child one of those facts answered.
    const PracticePlan plan = m_planOf(m_againstComputer ? m_blueName : name(m_toMove));
    DrawMemory& memory = blue ? m_blueDraw : m_redDraw;
    memory.heldProducts.clear();
    // The computer counts the child's squares as held too: told only its own, the draw steers it
    // onto the child's squares, and it takes them back turn after turn while nobody wins.
    const bool computer = computerPlays();
    for (int square = 0; square < BoardSquareCount; ++square) {
        const Player owner = m_owners[std::size_t(square)];
        if ((owner == m_toMove || (computer && owner != Player::Nobody)) &&
            squareKind(square) == SquareKind::Numbered)
            memory.heldProducts.push_back(squareProduct(square));
    }
    const Fact drawn = m_draw(plan, memory);
    m_question = drawn;
    m_lastQuestion = drawn;
    m_questionShown.start();
    m_secondsLeft = plan.answerSeconds;
    m_stage = Stage::Asking;
    m_messages = {};
    m_messagesShown = false;
    m_answerClock.start();
    Q_EMIT said(Texts::question(drawn.a, drawn.b));
    Q_EMIT questionAsked();
}

void Game::choose(int square) {
    if (!computerPlays())
        answer(square);
}

void Game::answer(int square) {
    if (m_stage != Stage::Waiting && m_stage != Stage::Asking)
        return; // the board is out of play
    if (!m_question) {
        refuseWithoutQuestion();
        return;
    }
    if (squareKind(square) != SquareKind::Numbered) {
        Q_EMIT played(Cue::Wrong);
        refuseDuringQuestion();
        return;
    }
    const int chosen = squareProduct(square);
    const bool right = chosen == m_question->a * m_question->b;
    reportAnswer(chosen, right ? Outcome::Right : Outcome::Wrong);
    resetClock();
    m_messagesShown = true;
    if (right) {
        claim(square);
        return;
    }
    Q_EMIT played(Cue::Wrong);
    m_messages[0] = Texts::youWereWrong();
    reveal(chosen);
}

void Game::chooseFreePicture() {
    if ((m_stage != Stage::Waiting && m_stage != Stage::Asking) || computerPlays())
        return;
    if (m_question)
        refuseDuringQuestion();
    else
        refuseWithoutQuestion();
}

void Game::refuseWithoutQuestion() {
    Q_EMIT played(Cue::Wrong);
    Q_EMIT said(Texts::generateYourMultipliers(m_toMove));
}

// The hint cuts the question short, as every new text cuts off the last, so the question is
// asked again after it: the player still has to answer it.
void Game::refuseDuringQuestion() {
    Q_EMIT said(Texts::invalidSelection(m_question->a, m_question->b));
}

void Game::claim(int square) {
    Q_EMIT played(Cue::Right);
    const Player claimant = m_toMove;
    m_owners[static_cast<std::size_t>(square)] = claimant;
    m_toMove = otherPlayer(claimant);
    m_question.reset();
    Q_EMIT squareClaimed(square);
    if (lineOfFourFor(claimant)) {
        m_winner = claimant;
        m_stage = Stage::Won;
        m_messages = {};
        endGame(name(claimant));
        m_announcement = Texts::winnerAnnouncement(claimant);
        if (!m_announcementClock.isActive())
            m_announcementClock.start();
        Q_EMIT won();
        return;
    }
    m_stage = Stage::Waiting;
    m_messages = {Texts::correct(), Texts::turnLine(m_toMove)};
    Q_EMIT said(Texts::rightAnswer(squareProduct(square), claimant));
    Q_EMIT verdictShown();
}

bool Game::lineOfFourFor(Player player) {
    const FourInLineResult scan = findFourInLine(m_owners, player);
    if (scan.found)
        m_winningLine = scan.winSquares;
    return scan.found;
}

// The computer's answers are not a child's: the record never hears of them.
void Game::reportAnswer(std::optional<int> answered, Outcome outcome) {
    if (computerPlays() || (m_redIsGuest && m_toMove == Player::Red))
        return;
    (m_toMove == Player::Blue ? m_blueAnswers : m_redAnswers)
        .push_back({m_question->a, m_question->b, outcome, m_questionShown.elapsed(),
                    QDate::currentDate()});
    Q_EMIT answerJudged(name(m_toMove), *m_question, answered, outcome, m_questionShown.elapsed());
}

void Game::reveal(std::optional<int> chosen) {
    m_question.reset();
    m_stage = Stage::Revealing;
    m_revealTicks = 0;
    m_revealChosen = chosen;
    m_revealClock.start();
    Q_EMIT revealStarted();
}

void Game::revealTick() {
    if (m_stage != Stage::Revealing)
        return;
    const int tick = m_revealTicks;
    if (tick == 0) {
        m_toMove = otherPlayer(m_toMove);
        Q_EMIT said(Texts::correctAnswerSpeech(m_revealChosen, m_lastQuestion.a * m_lastQuestion.b,
                                               m_toMove));
    }
    if (tick == 7)
        m_messages[0] = Texts::turnLine(m_toMove) + QLatin1Char('.');
    m_revealTicks = tick + 1;
    if (tick == 8) {
        m_stage = Stage::Waiting;
        resetClock();
        m_revealClock.stop();
    }
    Q_EMIT revealTicked();
    if (tick == 8)
        Q_EMIT revealEnded();
}

void Game::answerClockTick() {
    if (!m_answerClock.isActive())
        return;
    --m_secondsLeft;
    Q_EMIT clockChanged();
    if (m_secondsLeft != -1)
        return;
    reportAnswer(std::nullopt, Outcome::Timeout);
    Q_EMIT played(Cue::Wrong);
    m_messagesShown = true;
    // The clock runs on, hidden, until the reveal hands the board back.
    reveal(std::nullopt);
}

void Game::computerTick() {
    if (m_computerHeld)
        return;
    if (!computerPlays() || (m_stage != Stage::Waiting && m_stage != Stage::Asking)) {
        m_computerTicks = 0;
        return;
    }
    ++m_computerTicks;
    if (m_stage == Stage::Waiting && m_computerTicks == ComputerAsksAtTick) {
        askForPlayerToMove();
        const PracticePlan child = m_planOf(m_blueName);
        m_computerAnswer = answerAsComputer(
            *m_question, computerStrength(child.settings.opponent, child.recentOutcomes),
            m_secondsLeft, m_computerRandom);
        m_computerTicks = 0;
    } else if (m_stage == Stage::Asking &&
               m_computerTicks * ComputerTickMs >= m_computerAnswer->thinkingMs) {
        m_computerTicks = 0;
        answer(m_computerAnswer->square);
    }
}

void Game::resetClock() {
    m_answerClock.stop();
    m_secondsLeft = AnswerSeconds;
    Q_EMIT clockChanged();
}

void Game::announcementTick() {
    if (!m_announcementClock.isActive())
        return;
    if (m_announcementTicks != 1) {
        if (++m_announcementTicks < SummaryAtTick)
            return;
        m_announcementTicks = 0;
        m_announcementClock.stop();
        tellSummaries();
        return;
    }
    // A replay before the second tick has emptied it: the voice is handed nothing to say.
    Q_EMIT said(m_announcement);
    if (!m_summaries.empty()) {
        ++m_announcementTicks;
        return;
    }
    m_announcementTicks = 0;
    m_announcementClock.stop();
}

void Game::leave() {
    if (m_stage != Stage::Waiting)
        return;
    endGame(QString());
    m_stage = Stage::Menu;
    tellSummaries();
    Q_EMIT menuOpened();
}

void Game::resetBoard(Stage stage) {
    m_owners = {};
    m_stage = stage;
    m_toMove = Player::Blue;
    m_winner = Player::Nobody;
    m_question.reset();
    m_messages = {Texts::blueGoesFirst(), QString()};
    m_messagesShown = true;
    m_announcement.clear();
    m_summaries.clear();
    resetClock();
    Q_EMIT boardReset();
}

void Game::playAgainSamePlayers() {
    if (m_stage != Stage::Won && m_stage != Stage::Menu)
        return;
    resetBoard(Stage::Waiting);
    Q_EMIT said(Texts::blueGoesFirstSpoken());
    m_gameRunning = true;
    Q_EMIT gameBegan(m_blueName, m_redName);
}

void Game::playAgainNewPlayers() {
    if (m_stage != Stage::Won && m_stage != Stage::Menu)
        return;
    m_computerClock.stop();
    resetBoard(Stage::Names);
    Q_EMIT namesWanted();
    Q_EMIT said(Texts::enterPlayersNames());
}

void Game::quit() {
    endGame(QString());
    m_stage = Stage::Over;
    for (QTimer* clock : {&m_answerClock, &m_revealClock, &m_announcementClock, &m_computerClock})
        clock->stop();
}

void Game::endGame(const QString& winnerName) {
    if (!m_gameRunning)
        return;
    m_gameRunning = false;
    // Worked out before the record hears of the end, which lets go of the game's plans then.
    m_summaries = summaries();
    m_blueAnswers.clear();
    m_redAnswers.clear();
    Q_EMIT gameEnded(winnerName);
}

// Each child the record keeps who answered in the game: never the computer nor a guest, whose
// answers are not reported.
std::vector<GameSummary> Game::summaries() const {
    std::vector<GameSummary> told;
    for (const Player player : {Player::Blue, Player::Red}) {
        const std::vector<FactAnswer>& answers =
            player == Player::Blue ? m_blueAnswers : m_redAnswers;
        if (answers.empty())
            continue;
        const PracticePlan plan = m_planOf(name(player));
        if (plan.kept)
            told.push_back(summariseGame(name(player), *plan.kept, answers, plan.settings,
                                         QDate::currentDate()));
    }
    return told;
}

// A line of the board for each child, or both for a child alone, whose summary then reads at
// the message lines' own size; the voice says them one after the other.
void Game::tellSummaries() {
    if (m_summaries.empty() || (m_stage != Stage::Won && m_stage != Stage::Menu))
        return;
    QStringList spoken;
    for (const GameSummary& summary : m_summaries)
        spoken.append(spokenSummary(summary));
    const QString comma = QStringLiteral(", ");
    const QStringList first = shownSummary(m_summaries.front());
    m_messages = m_summaries.size() == 1
                     ? std::array{first.front(), first.mid(1).join(comma)}
                     : std::array{first.join(comma), shownSummary(m_summaries.back()).join(comma)};
    m_messagesShown = true;
    Q_EMIT said(spoken.join(QLatin1String(",, ")));
    Q_EMIT summaryTold();
}

} // namespace quintarlow
