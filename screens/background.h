#pragma once

#include "widgets/screenwindow.h"

#include <QTimer>

namespace quintarlow {

class ScreenSet;
class SoundPlayer;

// The plain blue backdrop over the desktop's work area, behind all the game's windows.
class Background : public ScreenWindow {
    Q_OBJECT
public:
    explicit Background(ScreenSet& screens);
    void onLoad();

public Q_SLOTS:
    void onTick();

protected:
    QPaintEngine* paintEngine() const override;
    void paintEvent(QPaintEvent* event) override;

private:
    // On X11 the server fills the window with its background colour, so Qt keeps no
    // screen-sized buffer for a window that never shows anything but blue.
    void letServerPaint();

    ScreenSet& screens;
    SoundPlayer& sound;
    bool m_serverPaints = false;
    QTimer m_ringDelay{this};
};

} // namespace quintarlow
