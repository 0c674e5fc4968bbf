#include "screenset.h"

#include "board/multiplication.h"
#include "board/vblabel.h"
#include "board/vblabelaccessible.h"
#include "media/dialogs.h"
#include "practicerecord.h"
#include "screens/background.h"
#include "screens/correctanswer.h"
#include "screens/keyboard.h"
#include "screens/screenwindow.h"
#include "screens/splash.h"
#include "screens/welcome.h"
#include "screens/winner.h"

#include <QAccessible>
#include <QRandomGenerator>

namespace quintarlow {

Fact drawQuestionAtRandom(const PracticePlan& plan, DrawMemory& memory) {
    return drawQuestion(plan, memory, *QRandomGenerator::global());
}

ScreenSet::ScreenSet(Services services) : m_services(std::move(services)) {
    if (!m_services.drawQuestion)
        m_services.drawQuestion = drawQuestionAtRandom;
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

frmSplash& ScreenSet::splash() {
    return loadOnFirstUse(m_splash, *this);
}
Background& ScreenSet::background() {
    return loadOnFirstUse(m_background, *this);
}
WELCOME& ScreenSet::welcome() {
    return loadOnFirstUse(m_welcome, *this);
}
MULTIPLICATION& ScreenSet::board() {
    return loadOnFirstUse(m_board, *this);
}
CorrectAnswer& ScreenSet::correctAnswer() {
    return loadOnFirstUse(m_correctAnswer, *this);
}
// The winner screen takes the board's corner as its own place, so the board comes first.
WINNER& ScreenSet::winner() {
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
    if (!m_services.dialogs.askYesNo(asker, QStringLiteral("Are you sure?"),
                                     QStringLiteral("Close the Program")))
        return false;
    quitGame();
    return true;
}

void ScreenSet::beginGame() {
    MULTIPLICATION& shown = board();
    m_gameRunning = true;
    m_services.record.gameStarted(shown.lblBlue->caption().trimmed(),
                                  shown.lblRed->caption().trimmed(), QDateTime::currentDateTime());
}

void ScreenSet::endGame(const QString& winner) {
    if (!m_gameRunning)
        return;
    m_gameRunning = false;
    m_services.record.gameFinished(winner.trimmed(), QDateTime::currentDateTime());
}

void ScreenSet::quitGame() {
    endGame(QString());
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
