#include "alsasoundplayer.h"
#include "app/datafolder.h"
#include "app/practicecommand.h"
#include "app/shutdownsignals.h"
#include "app/startuptrace.h"
#include "flitespeech.h"
#include "media/desktopservices.h"
#include "platformchoice.h"
#include "progress/memoryrecord.h"
#include "progress/progresswindow.h"
#include "progress/reportdevices.h"
#include "record/practicerecord.h"
#include "screens/screenset.h"
#include "screens/splash.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

using namespace quintarlow;

namespace {

// Answers --help, --version and --practice before any window exists, so they work without a
// display. Other arguments are left to Qt. True when the progress window is asked for instead
// of a game.
bool answerTerminalOptions(int argc, char* argv[]) {
    QCoreApplication info(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Two-player spoken multiplication game: four in a line wins."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption progress(
        QStringLiteral("progress"),
        QStringLiteral("Open the Practice Record: which facts each player knows."));
    parser.addOption(progress);
    addPracticeOptions(parser);
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help))
        parser.showHelp();
    if (parser.isSet(version))
        parser.showVersion();
    if (isPracticeCommand(QCoreApplication::arguments())) {
        QTextStream out(stdout), err(stderr);
        // The practice record is passed here once this build keeps one.
        std::exit(runPracticeCommand(QCoreApplication::arguments(), nullptr, out, err));
    }
    return parser.isSet(progress);
}

// Must run before the application object exists: Qt picks its platform plugin there.
void runThroughXWaylandOnWayland(int argc, char* argv[]) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    const DisplayEnvironment environment{
        qEnvironmentVariable("XDG_SESSION_TYPE"), qEnvironmentVariable("WAYLAND_DISPLAY"),
        qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("QT_QPA_PLATFORM"), arguments};
    switch (choosePlatform(environment)) {
    case PlatformChoice::Xcb:
        // Wayland itself only when XWayland cannot be reached after all.
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
        break;
    case PlatformChoice::XWaylandMissing:
        std::fprintf(stderr, "quintarlow: Wayland session without XWayland (DISPLAY is not "
                             "set); the game's windows may not keep their places\n");
        break;
    case PlatformChoice::LeaveToQt:
        break;
    }
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
    ShutdownSignals::blockInEveryThread();
    QCoreApplication::setApplicationName(QStringLiteral("Quintarlow!"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUINTARLOW_VERSION));
    const bool progress = answerTerminalOptions(argc, argv);
    runThroughXWaylandOnWayland(argc, argv);

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quintarlow.Quintarlow"));
    if (progress) {
        // Until the practice record is kept, the window has an empty one to show.
        MemoryRecord record;
        MessageBoxDialogs dialogs;
        DesktopReportDevices devices;
        return runProgressWindow(record, dialogs, devices);
    }
    QApplication::setQuitOnLastWindowClosed(false);
    enterDataFolder();

    FliteSpeech speech;
    AlsaSoundPlayer sound;
    ScreenWorkArea workArea;
    MessageBoxDialogs dialogs;
    NoRecord record;
    ScreenSet screens({speech, sound, workArea, dialogs, record, drawQuestionAtRandom});
    QObject::connect(&screens, &ScreenSet::allUnloaded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    ShutdownSignals shutdown;
    QObject::connect(&shutdown, &ShutdownSignals::received, &screens, &ScreenSet::quitGame);

    traceFirstFrame(screens.splash());
    screens.splash().show();
    return QApplication::exec();
}
