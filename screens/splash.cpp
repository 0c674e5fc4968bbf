#include "screens/splash.h"

#include "board/boardwindow.h"
#include "core/spokentexts.h"
#include "media/animatedgif.h"
#include "media/desktopservices.h"
#include "media/speech.h"
#include "screens/background.h"
#include "screens/correctanswer.h"
#include "screens/screenset.h"
#include "screens/welcome.h"
#include "screens/winner.h"
#include "widgets/fonts.h"
#include "widgets/vblabel.h"

#include <QFrame>

namespace quintarlow {

namespace {

VbLabel* makeText(QWidget* parent, const QRect& twips, const QString& text, double points,
                  int style, Qt::Alignment alignment = Qt::AlignLeft, bool autoSize = false) {
    auto* label = makeCaption(parent, twips, text, gameFont(Face::Arial, points, style), alignment);
    label->setAutoSize(autoSize);
    return label;
}

} // namespace

SplashScreen::SplashScreen(ScreenSet& screens)
    : ScreenWindow(screens, {.name = QStringLiteral("Splash"), .clientTwips = {7380, 4245}}),
      screens(screens), m_voice(screens.services().speech) {
    auto* frame = new QFrame(this);
    frame->setGeometry(twipsToPixels(QRect(120, 120, 7080, 4050)));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);

    m_dancer = new AnimatedGif(frame, {240, 360, 2295, 2895});
    for (int index = 0; index < static_cast<int>(m_loadingBlocks.size()); ++index) {
        const int width = index == 6 ? 375 : 255;
        auto* block = new VbLabel(frame, {240 + 240 * index, 3240, width, 195});
        block->setBackColour(Colour::Red);
        block->hide();
        m_loadingBlocks[index] = block;
    }
    makeText(frame, {4440, 3240, 2415, 255}, tr("Made by the Quintarlow! team"), 8.25, Regular);
    makeText(frame, {4440, 3480, 2415, 255}, tr("Voice by Flite, made with Qt"), 8.25, Regular);
    makeText(frame, {150, 3660, 3135, 315}, tr("Game Loading Please Wait....."), 9.75, Bold);
    makeText(frame, {5580, 2700, 1275, 285}, tr("Version 3.0"), 12, Bold, Qt::AlignRight, true);
    makeText(frame, {6765, 2340, 90, 360}, QString(), 15.75, Bold, Qt::AlignRight, true);
    makeText(frame, {2520, 1140, 3960, 735}, QStringLiteral("Quintarlow!"), 32.25, Bold | Italic,
             Qt::AlignLeft, true);
    makeText(frame, {2520, 720, 3465, 435}, tr("Multiplication Game"), 18, Bold, Qt::AlignLeft,
             true);

    m_startUpClock.setInterval(1000);
    connect(&m_startUpClock, &QTimer::timeout, this, &SplashScreen::onTick);
    keepOffTaskbar(*this);
    centreOnScreen();
}

void SplashScreen::onLoad() {
    m_ticks = 0;
    setTimerEnabled(m_startUpClock, true);
    m_dancer->setPictureFile(QStringLiteral("gif/dance.gif"));
    m_dancer->startAnimation();
}

void SplashScreen::onTick() {
    if (m_ticks >= 0 && m_ticks < static_cast<int>(m_loadingBlocks.size()))
        m_loadingBlocks[m_ticks]->show();
    ++m_ticks;
    switch (m_ticks) {
    case 1:
        screens.background();
        screens.welcome();
        screens.board();
        screens.winner();
        screens.correctAnswer();
        break;
    case 6:
        m_voice.speak(Texts::welcome());
        break;
    case 7:
        screens.background().show();
        screens.welcome().show();
        screens.welcome().raise();
        screens.welcome().activateWindow();
        break;
    case 10:
        unload();
        break;
    default:
        break;
    }
}

void SplashScreen::onCloseRequest() {
    screens.quitGame();
}

} // namespace quintarlow
