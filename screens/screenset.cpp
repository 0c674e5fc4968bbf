#include "screens/screenset.h"

#include "board/boardwindow.h"
#include "media/dialogs.h"
#include "media/soundplayer.h"
#include "media/speech.h"
#include "record/practicerecord.h"
#include "screens/background.h"
#include "screens/correctanswer.h"
#include "screens/splash.h"
#include "screens/welcome.h"
#include "screens/winner.h"
#include "widgets/keyboard.h"
#include "widgets/screenwindow.h"
#include "widgets/vblabel.h"
#include "widgets/vblabelaccessible.h"

#include <QAccessible>
#include <QRandomGenerator>

namespace quintarlow {

Fact drawQuestionAtRandom(const PracticePlan& plan, DrawMemory& memory) {
    return drawQuestion(plan, memory, *QRandomGenerator::global());
}

ScreenSet::ScreenSet(Services services)
    : m_services(std::move(services)),
      m_game([this](const QString& player) { return m_services.record.practicePlan(player); },
             [this](const PracticePlan& plan, DrawMemory& memory) {
                 return m_services.drawQuestion(plan, memory);
             }) {
    if (!m_services.drawQuestion)
        m_services.drawQuestion = drawQuestionAtRandom;
    connect(&m_game, &Game::said, this,
            [this](const QString& text) { m_services.speech.speak(text); });
    connect(&m_game, &Game::played, this,
            [this](Cue cue) { m_services.sound.playSoundFile(soundFileOf(cue)); });
    connect(&m_game, &Game::gameBegan, this, [this](const QString& blue, const QString& red) {
        if (m_game.againstComputer())
            m_services.record.gameStartedAgainstComputer(blue, QDateTime::currentDateTime());
        else
            m_services.record.gameStarted(blue, m_game.redIsGuest() ? QString(GuestName) : red,
                                          QDateTime::currentDateTime());
    });
    connect(&m_game, &Game::answerJudged, this,
            [this](const QString& player, Fact question, std::optional<int> answered,
                   Outcome outcome, qint64 ms) {
                m_services.record.answerJudged({.player = player,
                                                .judgedAt = QDateTime::currentDateTime(),
                                                .a = question.a,
                                                .b = question.b,
                                                .answered = answered,
                                                .outcome = outcome,
                                                .ms = ms});
            });
    connect(&m_game, &Game::gameEnded, this, [this](const QString& winner) {
        const bool guestWon = m_game.redIsGuest() && m_game.winner() == Player::Red;
        m_services.record.gameFinished(guestWon ? QString(GuestName) : winner,
                                       QDateTime::currentDateTime());
    });
    new KeyboardCues(this);
    QAccessible::installFactory(accessibleVbLabel);
    QAccessible::installFactory(accessibleScreenWindow);
}

// Screens are destroyed before the services they hold references to.
ScreenSet::~ScreenSet() = default;

namespace {

template <typename Screen> Screen& loadOnFirstUse(std::unique_ptr<Screen>& slot, ScreenSet& set) {
    if (!slot) {
        slot = std::make_unique<Screen>(set);
        slot->onLoad();
    }
    return *slot;
}

} // namespace

SplashScreen& ScreenSet::splash() {
    return loadOnFirstUse(m_splash, *this);
}
Background& ScreenSet::background() {
    return loadOnFirstUse(m_background, *this);
}
NameEntry& ScreenSet::welcome() {
    return loadOnFirstUse(m_welcome, *this);
}
BoardWindow& ScreenSet::board() {
    if (!m_board) {
        m_board = std::make_unique<BoardWindow>(*this, m_game, m_services.dialogs);
        m_board->onLoad();
    }
    return *m_board;
}
// The screens over the board follow the game after the board does: it is disabled before one
// shows and enabled again before it goes.
CorrectAnswerPopup& ScreenSet::correctAnswer() {
    board();
    return loadOnFirstUse(m_correctAnswer, *this);
}
// The winner screen also takes the board's corner as its own place.
WinnerWindow& ScreenSet::winner() {
    board();
    return loadOnFirstUse(m_winner, *this);
}

std::vector<ScreenWindow*> ScreenSet::loadedScreens() const {
    std::vector<ScreenWindow*> screens;
    for (ScreenWindow* screen :
         std::initializer_list<ScreenWindow*>{m_splash.get(), m_background.get(), m_welcome.get(),
                                              m_board.get(), m_correctAnswer.get(), m_winner.get()})
        if (screen && !screen->isUnloaded())
            screens.push_back(screen);
    return screens;
}

bool ScreenSet::confirmQuit(QWidget* asker) {
    m_game.holdComputer(true);
    const bool sure =
        m_services.dialogs.askYesNo(asker, tr("Are you sure?"), tr("Close the Program"));
    m_game.holdComputer(false);
    if (!sure)
        return false;
    quitGame();
    return true;
}

void ScreenSet::quitGame() {
    m_game.quit();
    for (ScreenWindow* screen : loadedScreens())
        if (screen != m_background.get())
            screen->hide();
    if (m_background)
        m_background->hide();
    for (ScreenWindow* screen : std::initializer_list<ScreenWindow*>{
             m_correctAnswer.get(), m_welcome.get(), m_winner.get(), m_board.get(), m_splash.get(),
             m_background.get()})
        if (screen)
            screen->unload();
}

void ScreenSet::screenUnloaded() {
    if (loadedScreens().empty() && !m_allUnloadedSignalled) {
        m_allUnloadedSignalled = true;
        Q_EMIT allUnloaded();
    }
}

} // namespace quintarlow
