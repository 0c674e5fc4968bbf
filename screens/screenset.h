#pragma once

#include "questiondraw.h"

#include <QObject>
#include <functional>
#include <memory>

class QWidget;

namespace quintarlow {

class Speech;
class SoundPlayer;
class WorkArea;
class Dialogs;
class ScreenWindow;
class frmSplash;
class Background;
class WELCOME;
class MULTIPLICATION;
class CorrectAnswer;
class WINNER;
class PracticeRecord;

// What the screens need from outside the program; the application wires the real ones,
// tests wire recording fakes.
struct Services {
    Speech& speech;
    SoundPlayer& sound;
    WorkArea& workArea;
    Dialogs& dialogs;
    // Where every game and judged answer is reported; NoRecord plays without one.
    PracticeRecord& record;
    // Draws the question for one player from their plan; `memory` is that player's own.
    std::function<Fact(const PracticePlan& plan, DrawMemory& memory)> drawQuestion;
};

Fact drawQuestionAtRandom(const PracticePlan& plan, DrawMemory& memory);

// The game's six screens, each a single instance created on first use. Screens work on each
// other directly through this set.
class ScreenSet : public QObject {
    Q_OBJECT
public:
    explicit ScreenSet(Services services);
    ~ScreenSet() override;

    Services& services() { return m_services; }

    frmSplash& splash();
    Background& background();
    WELCOME& welcome();
    MULTIPLICATION& board();
    CorrectAnswer& correctAnswer();
    WINNER& winner();

    bool hasBoard() const { return m_board != nullptr; }

    // Asks "Are you sure?" under the title "Close the Program"; on Yes ends the game.
    bool confirmQuit(QWidget* asker);
    // Hides what is showing and unloads every screen, the backdrop last.
    void quitGame();

    // A game begins with the names on the board, or ends with a winner (empty when it is left
    // unfinished); a game ends once however it is left.
    void beginGame();
    void endGame(const QString& winner);

    // Called by each screen as it is unloaded.
    void screenUnloaded();

Q_SIGNALS:
    // The last loaded screen has been unloaded: the program is over.
    void allUnloaded();

private:
    std::vector<ScreenWindow*> loadedScreens() const;

    Services m_services;
    std::unique_ptr<frmSplash> m_splash;
    std::unique_ptr<Background> m_background;
    std::unique_ptr<WELCOME> m_welcome;
    std::unique_ptr<MULTIPLICATION> m_board;
    std::unique_ptr<CorrectAnswer> m_correctAnswer;
    std::unique_ptr<WINNER> m_winner;
    bool m_allUnloadedSignalled = false;
    bool m_gameRunning = false;
};

} // namespace quintarlow
