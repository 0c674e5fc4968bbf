#pragma once

#include "core/game.h"
#include "core/questiondraw.h"
#include "widgets/screenwindow.h"

#include <QObject>
#include <functional>
#include <memory>

class QWidget;

namespace quintarlow {

class Speech;
class SoundPlayer;
class WorkArea;
class Dialogs;
class SplashScreen;
class Background;
class NameEntry;
class BoardWindow;
class CorrectAnswerPopup;
class WinnerWindow;
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

// The game and its six screens, each screen a single instance created on first use. The
// screens draw the game and hand it the player's input; what the game says, plays and reports
// goes from here to the services.
class ScreenSet : public QObject, public ScreenHost {
    Q_OBJECT
public:
    explicit ScreenSet(Services services);
    ~ScreenSet() override;

    Services& services() { return m_services; }
    Game& game() { return m_game; }

    SplashScreen& splash();
    Background& background();
    NameEntry& welcome();
    BoardWindow& board();
    CorrectAnswerPopup& correctAnswer();
    WinnerWindow& winner();

    bool hasBoard() const { return m_board != nullptr; }

    bool confirmQuit(QWidget* asker) override;
    // Hides what is showing and unloads every screen, the backdrop last.
    void quitGame();

    void screenUnloaded() override;

Q_SIGNALS:
    // The last loaded screen has been unloaded: the program is over.
    void allUnloaded();

private:
    std::vector<ScreenWindow*> loadedScreens() const;

    Services m_services;
    Game m_game;
    std::unique_ptr<SplashScreen> m_splash;
    std::unique_ptr<Background> m_background;
    std::unique_ptr<NameEntry> m_welcome;
    std::unique_ptr<BoardWindow> m_board;
    std::unique_ptr<CorrectAnswerPopup> m_correctAnswer;
    std::unique_ptr<WinnerWindow> m_winner;
    bool m_allUnloadedSignalled = false;
};

} // namespace quintarlow
