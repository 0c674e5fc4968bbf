#include "boardfixture.h"
#include "screens/background.h"
#include "screens/splash.h"

#include <QApplication>
#include <QTest>
#include <QWindow>
#include <random>
#include <set>

using namespace quintarlow;
using namespace quintarlow::testing;

namespace {

enum class Phase { Splash, Names, Waiting, Pending, Popup, Won, Menu, Ended };
using enum Phase;

// The game's windows, in a fixed order: a seed must replay the same run.
std::vector<QWidget*> windows(bool visibleOnly = true) {
    std::vector<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() || !visibleOnly)
            windows.push_back(window);
    std::sort(windows.begin(), windows.end(),
              [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
    return windows;
}

// The desktop keeps a window above another only when it is a dialog transient for it. Offscreen
// shows no stacking order; under a real window manager it can be compared here as well.
bool keptAbove(QWidget& window, QWidget& board) {
    return window.windowType() == Qt::Dialog && window.windowHandle() &&
           window.windowHandle()->transientParent() == board.windowHandle();
}

// A player who clicks anywhere, presses whatever shows, lets any timer tick, closes windows and
// types anything. After every action the screens are held to a model of the rules, kept apart
// from the screens' own state.
class RandomPlayer {
public:
    explicit RandomPlayer(quint32 seed) : rng(seed) { newGame(); }
    QStringList recent;
    std::map<QString, int> seen;

    QString step() {
        // Half the questions fall on row 3 or column 4, so that lines of four get made.
        static const std::vector<int> lines{24, 25, 26, 27, 29, 30, 31, 4, 12, 20, 36, 44, 52};
        factors = uniform(0, 1) ? factorsOf(squareCaption(pick(lines)).toInt())
                                : std::pair(uniform(1, 12), uniform(1, 12));
        game->factors = {factors.first, factors.second};
        yes = uniform(0, 14) == 0;
        game->dialogs.answers = {yes};
        game->dialogs.asked.clear();
        boxesDue = 0;
        // Ticks are the player's to give: no timer may fire by itself while a click is handled.
        for (QWidget* window : QApplication::topLevelWidgets())
            for (QTimer* timer : window->findChildren<QTimer*>(Qt::FindDirectChildrenOnly))
                timer->setInterval(24 * 3600 * 1000);
        // Clicks only: keys are the play test's.
        static std::discrete_distribution<int> kinds{25, 20, 20, 30, 1, 10};
        const std::function<void()> actions[]{[this] { click(false); },  [this] { click(true); },
                                              [this] { pressButton(); }, [this] { tick(); },
                                              [this] { closeWindow(); }, [this] { typeName(); }};
        actions[waitTicks > 0 ? 3 : kinds(rng)]();
        if (recent.size() > 12)
            recent.removeFirst();
        const QString fault = broken();
        if (fault.isEmpty() && phase == Ended)
            newGame();
        return fault;
    }

private:
    int uniform(int low, int high) { return std::uniform_int_distribution(low, high)(rng); }
    template <typename T> T pick(const std::vector<T>& from) {
        return from[uniform(0, int(from.size()) - 1)];
    }

    void newGame() {
        game = std::make_unique<Game>();
        std::tie(phase, splashTicks, ended, waitTicks, blueToMove) =
            std::tuple(Splash, 0, 0, 0, true);
        owner = {};
        QObject::connect(&game->screens, &ScreenSet::allUnloaded, [this] { ++ended; });
        game->screens.splash().show();
        ++seen["games"];
    }

    // Anywhere in a visible window; a player who plays along asks, or clicks the answer.
    void click(bool playAlong) {
        QWidget* window = pick(windows());
        QPoint at(uniform(0, window->width() - 1), uniform(0, window->height() - 1));
        if (playAlong && (phase == Waiting || phase == Pending)) {
            window = &game->screens.board();
            at = game->screens.board().Command1->geometry().center();
            for (VbLabel* square : game->screens.board().Label1)
                if (phase == Pending && square->caption() == QString::number(product))
                    at = square->geometry().center();
        }
        recent.append(
            QString("click %1 at %2,%3").arg(window->objectName()).arg(at.x()).arg(at.y()));
        use(window->childAt(at));
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
    }

    void pressButton() {
        std::vector<QPushButton*> buttons;
        for (QWidget* window : windows())
            for (QPushButton* button : window->findChildren<QPushButton*>())
                buttons.push_back(button);
        if (buttons.empty())
            return tick();
        QPushButton* button = pick(buttons);
        recent.append("press " + button->text());
        use(button);
        button->click();
    }

    // One tick of a running timer of any screen, given as the timer's own event so that it runs
    // the screen's tick slot; or the next of a wait, a run of ticks of one timer.
    void tick() {
        std::vector<QTimer*> running;
        for (QWidget* window : windows(false))
            for (QTimer* timer : window->findChildren<QTimer*>(Qt::FindDirectChildrenOnly))
                if (timer->isActive())
                    running.push_back(timer);
        if (running.empty())
            return;
        if (waitTicks-- <= 0 ||
            std::find(running.begin(), running.end(), waitingOn) == running.end()) {
            waitingOn = pick(running);
            waitTicks = uniform(0, 2) == 0 ? uniform(3, 25) : 0;
        }
        ScreenSet& s = game->screens;
        if (waitingOn == &s.splash().Timer1 && ++splashTicks == 7)
            phase = Names;
        if (s.hasBoard() && waitingOn == &s.board().Timer2 && phase == Pending &&
            ++clockTicks == 21) {
            std::tie(phase, popupTicks, timedOut) = std::tuple(Popup, 0, true);
            ++seen["time-outs"];
        }
        if (s.hasBoard() && waitingOn == &s.correctAnswer().Timer1) {
            blueToMove = popupTicks == 0 ? !blueToMove : blueToMove;
            phase = ++popupTicks == 9 ? Waiting : phase;
        }
        recent.append("tick " + waitingOn->parent()->objectName());
        QTimerEvent event(waitingOn->timerId());
        QCoreApplication::sendEvent(waitingOn, &event);
    }

    void closeWindow() {
        QWidget* window = pick(windows());
        recent.append("close " + window->objectName() + (yes ? ", Yes" : ", No"));
        // The splash just ends the program; the pop-up goes away by itself.
        if (window == &game->screens.splash())
            phase = Ended;
        else if (window != &game->screens.correctAnswer())
            asked(Ended);
        window->close();
    }

    void typeName() {
        if (phase != Names)
            return click(false);
        static const std::vector<QString> whole{"", "Red Player - Enter Name Here",
                                                "Blue Player - Enter Name Here",
                                                "red player - enter name here"};
        static const QString letters = "aZ 0<>&;'\"/\\ëΩ李\u202e-";
        QString name = pick(whole);
        for (int length = uniform(0, 2) ? uniform(1, 40) : 0; length > 0; --length)
            name += letters[uniform(0, int(letters.size()) - 1)];
        QLineEdit* box =
            uniform(0, 1) ? game->screens.welcome().Text1 : game->screens.welcome().Text2;
        recent.append("type " + name);
        box->selectAll();
        box->insert(name);
    }

    void asked(Phase onYes) { std::tie(boxesDue, phase) = std::pair(1, yes ? onYes : phase); }

    // What the rules say a player's use of a control does in the current state.
    void use(QWidget* control) {
        if (!control || !game->screens.hasBoard())
            return;
        MULTIPLICATION& board = game->screens.board();
        WINNER& winner = game->screens.winner();
        WELCOME& welcome = game->screens.welcome();
        if (phase == Waiting && control == board.Command1) {
            std::tie(phase, product, clockTicks, timedOut) =
                std::tuple(Pending, factors.first * factors.second, 0, false);
            ++seen["questions"];
        } else if (phase == Waiting && (control == board.Command2 || control == board.Command3)) {
            asked(control == board.Command2 ? Menu : Ended);
        } else if (phase == Pending) {
            for (int index = 0; index < SquareLabelCount; ++index)
                if (control == board.Label1[index])
                    answer(index < BoardSquareCount ? index : boardIndexInFrontOf(index));
        } else if ((phase == Won || phase == Menu) && control == winner.Command3) {
            asked(Ended);
        } else if ((phase == Won || phase == Menu) &&
                   (control == winner.Command1 || control == winner.Command2)) {
            std::tie(phase, blueToMove) =
                std::pair(control == winner.Command1 ? Waiting : Names, true);
            owner = {};
        } else if (phase == Names && control == welcome.Command1) {
            redName = welcome.Text1->text();
            blueName = welcome.Text2->text();
            const bool refused = redName.isEmpty() || blueName.isEmpty() ||
                                 redName == "Red Player - Enter Name Here" ||
                                 blueName == "Blue Player - Enter Name Here";
            std::tie(boxesDue, phase) = std::pair(refused ? 1 : 0, refused ? Names : Waiting);
            ++seen[refused ? "names refused" : "names accepted"];
        }
    }

    void answer(int square) {
        if (square == 0 || square == 7 || square == 56 || square == 63 || square == 28)
            return; // refused: the question stays
        if (game->screens.board().Label1[square]->caption().toInt() != product) {
            std::tie(phase, popupTicks, timedOut) = std::tuple(Popup, 0, false);
            ++seen["wrong answers"];
            return;
        }
        owner[square] = blueToMove ? 1 : 2;
        winnerName = blueToMove ? blueName : redName;
        phase = hasLine(owner[square]) ? Won : Waiting;
        blueToMove = phase == Won ? blueToMove : !blueToMove;
        ++seen[phase == Won ? "wins" : "claims"];
    }

    // Four in a line across, down or diagonally; the FREE square counts for both players.
    bool hasLine(int who) const {
        static constexpr int directions[4][2]{{0, 1}, {1, 0}, {1, 1}, {1, -1}};
        for (int start = 0; start < BoardSquareCount; ++start)
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

    // The first rule the screens break, or nothing.
    QString broken() {
        ScreenSet& s = game->screens;
        const bool up = phase != Ended, loaded = up && s.hasBoard();
        std::set<QWidget*> expected;
        if (up && splashTicks < 10)
            expected.insert(&s.splash());
        if (loaded)
            for (auto [shown, window] : std::initializer_list<std::pair<bool, QWidget*>>{
                     {splashTicks >= 7, &s.background()},
                     {phase == Names, &s.welcome()},
                     {phase >= Waiting && phase <= Menu, &s.board()},
                     {phase == Popup, &s.correctAnswer()},
                     {phase == Won || phase == Menu, &s.winner()}})
                if (shown)
                    expected.insert(window);
        const auto visible = windows();
        if (std::set<QWidget*>(visible.begin(), visible.end()) != expected)
            return QString::asprintf("%zu windows showing, %zu in phase %d", visible.size(),
                                     expected.size(), int(phase));
        if (game->dialogs.asked.size() != boxesDue)
            return "message boxes: " + game->dialogs.asked.join('|');
        if (!loaded)
            return up || ended == 1 ? QString() : "the game did not end once";

        MULTIPLICATION& board = s.board();
        CorrectAnswer& popup = s.correctAnswer();
        WINNER& winner = s.winner();
        const bool waiting = phase == Waiting, pending = phase == Pending;
        for (int index = 0; index < BoardSquareCount; ++index) {
            const VbColour back = board.Label1[index]->backColour();
            if ((back == Colour::Blue ? 1 : back == Colour::Red ? 2 : 0) != owner[index])
                return QString::asprintf("square %d is not owned by %d", index, owner[index]);
        }
        bool takesInput = s.splash().Timer1.isActive() || popup.Timer1.isActive() ||
                          (board.isEnabled() && board.Timer2.isActive());
        for (QWidget* window : visible)
            for (QPushButton* button : window->findChildren<QPushButton*>())
                takesInput = takesInput || (button->isEnabled() && button->isVisible());
        const std::pair<bool, const char*> rules[]{
            {board.isVisible() && board.isEnabled() != (waiting || pending),
             "board enabled wrongly"},
            {board.isVisible() &&
                 (board.Command1->isEnabled() != waiting ||
                  board.Command2->isEnabled() != waiting || board.Command3->isEnabled() != waiting),
             "board buttons enabled wrongly"},
            {board.Timer2.isActive() != (pending || (phase == Popup && timedOut)),
             "clock runs without a question"},
            {board.isVisible() && phase != Won &&
                 board.boardState().TurnColour != (blueToMove ? "BLUE" : "RED"),
             "the turn went to the wrong player"},
            {phase == Won && winner.lblName->caption() != winnerName, "wrong winner"},
            {popup.Timer1.isActive() != (phase == Popup), "pop-up sequence runs wrongly"},
            {popup.isVisible() && !keptAbove(popup, board), "pop-up not kept above the board"},
            {winner.isVisible() && !keptAbove(winner, board), "winner not kept above the board"},
            {!takesInput, "stuck: nothing takes input"}};
        for (const auto& [violated, rule] : rules)
            if (violated)
                return rule;
        return {};
    }

    std::mt19937 rng;
    std::unique_ptr<Game> game;
    Phase phase = Splash;
    int splashTicks = 0, product = 0, clockTicks = 0, popupTicks = 0, boxesDue = 0, ended = 0;
    int waitTicks = 0;
    QTimer* waitingOn = nullptr;
    bool blueToMove = true, timedOut = false, yes = false;
    QString blueName, redName, winnerName;
    std::array<int, BoardSquareCount> owner{}; // 0 nobody, 1 Blue, 2 Red
    std::pair<int, int> factors;
};

} // namespace

class RandomPlayerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { silenceOffscreenRaise(); }

    // QUINTARLOW_SEED and QUINTARLOW_ACTIONS choose another run (docs/reliability.md).
    void randomPlay() {
        bool given = false;
        const quint32 chosen = qEnvironmentVariable("QUINTARLOW_SEED").toUInt(&given);
        const quint32 used = given ? chosen : 20;
        const int actions = qEnvironmentVariableIntValue("QUINTARLOW_ACTIONS");
        RandomPlayer player(used);
        for (int action = 1; action <= (actions > 0 ? actions : 20000); ++action)
            if (const QString fault = player.step(); !fault.isEmpty())
                QFAIL(qPrintable(QString("seed %1, action %2: %3; last actions:\n  %4")
                                     .arg(used)
                                     .arg(action)
                                     .arg(fault, player.recent.join("\n  "))));
        QStringList figures;
        for (const auto& [what, count] : player.seen)
            figures.append(QString::number(count) + ' ' + what);
        qInfo("seed %u: %s", used, qPrintable(figures.join(", ")));
        // A run that never gets this far proves little.
        for (const char* part : {"wins", "time-outs", "wrong answers", "names refused"})
            QVERIFY2(player.seen[part] > 0, part);
    }
};

QTEST_MAIN(RandomPlayerTest)
#include "tst_randomplayer.moc"
