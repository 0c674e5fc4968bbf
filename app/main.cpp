#include "alsasoundplayer.h"
#include "app/datafolder.h"
#include "app/shutdownsignals.h"
#include "app/startuptrace.h"
#include "flitespeech.h"
#include "media/desktopservices.h"
#include "record/serversync.h"
#include "screens/screenset.h"
#include "screens/splash.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>

using namespace quintarlow;

namespace {

// Answers --help and --version before any window exists, so they work without a display.
// Other arguments are left to Qt.
void answerInformationOptions(int argc, char* argv[]) {
    QCoreApplication info(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Two-player spoken multiplication game: four in a line wins."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help))
        parser.showHelp();
    if (parser.isSet(version))
        parser.showVersion();
}

void enterDataFolder() {
    const DataFolderChoice choice = chooseDataFolder(
        QDir::currentPath(), QCoreApplication::applicationDirPath(),
        QStringLiteral(QUINTARLOW_INSTALLED_DATA), QStringLiteral(QUINTARLOW_SOURCE_DATA));
    if (choice.folder.isEmpty()) {
        std::fprintf(stderr, "quintarlow: no pictures or sounds in %s; playing without them\n",
                     qPrintable(choice.tried.join(QStringLiteral(", "))));
        return;
    }
    QDir::setCurrent(choice.folder);
}

} // namespace

int main(int argc, char* argv[]) {
    // The process the game starts to send its record to a school's server: no window.
    if (argc == 2 && qstrcmp(argv[1], "--sync-record") == 0) {
        QCoreApplication sync(argc, argv);
        return runSyncRecord();
    }
    ShutdownSignals::blockInEveryThread();
    QCoreApplication::setApplicationName(QStringLiteral("Quintarlow!"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUINTARLOW_VERSION));
    answerInformationOptions(argc, argv);

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quintarlow.Quintarlow"));
    QApplication::setQuitOnLastWindowClosed(false);
    enterDataFolder();

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
