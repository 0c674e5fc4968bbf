#include "background.h"

#include "boardlayout.h"
#include "media/desktopservices.h"
#include "media/soundplayer.h"
#include "media/workarea.h"
#include "screens/screenset.h"

namespace quintarlow {

namespace {
// The backdrop reaches this far below the work area, so a panel at the bottom is covered too.
constexpr int ExtraHeightTwips = 400;
} // namespace

Background::Background(ScreenSet& screens)
    : ScreenWindow(screens, {.name = QStringLiteral("Background"),
                             .clientTwips = {4680, 3090},
                             .backColour = Colour::Blue,
                             .gameIcon = true,
                             .frameless = true}),
      sound(screens.services().sound) {
    setWindowFlag(Qt::WindowStaysOnBottomHint);
    keepOffTaskbar(*this);
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &Background::onTick);
}

void Background::onLoad() {
    const QRect area = screens.services().workArea.ReadWorkArea();
    setFixedSize(area.width(), area.height() + twipsToPixels(ExtraHeightTwips));
    move(area.left(), 0);
    setTimerEnabled(Timer1, true);
}

void Background::PlaySoundFile(const QString& fileName) {
    sound.PlaySoundFile(fileName);
}

void Background::onTick() {
    PlaySoundFile(QStringLiteral("ring.WAV"));
    setTimerEnabled(Timer1, false);
}

} // namespace quintarlow
