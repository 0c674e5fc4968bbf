#pragma once

#include "screens/screenwindow.h"

#include <QTimer>

namespace quintarlow {

class SoundPlayer;

// The plain blue backdrop over the desktop's work area, behind all the game's windows.
class Background : public ScreenWindow {
    Q_OBJECT
public:
    explicit Background(ScreenSet& screens);
    void onLoad();

    QTimer Timer1{this}; // the short delay before the ring

    void PlaySoundFile(const QString& fileName);

public Q_SLOTS:
    void onTick();

private:
    SoundPlayer& sound;
};

} // namespace quintarlow
