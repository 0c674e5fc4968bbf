#include "alsasoundplayer.h"
#include "app/shutdownsignals.h"
#include "app/startuptrace.h"
#include "flitespeech.h"
#include "media/desktopservices.h"
#include "screens/screenset.h"
#include "screens/splash.h"

#include <QApplication>

using namespace quintarlow;

int main(int argc, char* argv[]) {
    ShutdownSignals::blockInEveryThread();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintarlow!"));
    QApplication::setDesktopFileName(QStringLiteral("quintarlow"));
    QApplication::setQuitOnLastWindowClosed(false);

    FliteSpeech speech;
    AlsaSoundPlayer sound;
    ScreenWorkArea workArea;
    MessageBoxDialogs dialogs;
    ScreenSet screens({speech, sound, workArea, dialogs, drawFactorUniformly});
    QObject::connect(&screens, &ScreenSet::allUnloaded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    ShutdownSignals shutdown;
    QObject::connect(&shutdown, &ShutdownSignals::received, &screens, &ScreenSet::quitGame);

    traceFirstFrame(screens.splash());
    screens.splash().show();
    return QApplication::exec();
}
