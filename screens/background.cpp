#include "screens/background.h"

#include "core/boardlayout.h"
#include "media/desktopservices.h"
#include "media/soundplayer.h"
#include "media/workarea.h"
#include "screens/screenset.h"
#include "widgets/vblabel.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

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
      screens(screens), sound(screens.services().sound) {
    setWindowFlag(Qt::WindowStaysOnBottomHint);
    keepOffTaskbar(*this);
    letServerPaint();
    m_ringDelay.setInterval(100);
    connect(&m_ringDelay, &QTimer::timeout, this, &Background::onTick);
}

void Background::letServerPaint() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !x11 || !x11->connection())
        return;
    const uint32_t pixel =
        static_cast<uint32_t>(toQColor(backColour(), palette()).rgb() & 0xFFFFFF);
    xcb_change_window_attributes(x11->connection(), static_cast<xcb_window_t>(winId()),
                                 XCB_CW_BACK_PIXEL, &pixel);
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
    m_serverPaints = true;
}

QPaintEngine* Background::paintEngine() const {
    return m_serverPaints ? nullptr : ScreenWindow::paintEngine();
}

void Background::paintEvent(QPaintEvent* event) {
    if (!m_serverPaints)
        ScreenWindow::paintEvent(event);
}

void Background::onLoad() {
    const QRect area = screens.services().workArea.readWorkArea();
    setFixedSize(area.width(), area.height() + twipsToPixels(ExtraHeightTwips));
    move(area.left(), 0);
    setTimerEnabled(m_ringDelay, true);
}

void Background::onTick() {
    sound.playSoundFile(QStringLiteral("ring.WAV"));
    setTimerEnabled(m_ringDelay, false);
}

} // namespace quintarlow
