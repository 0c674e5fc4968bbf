#include "alsasoundplayer.h"
#include "app/datafolder.h"
#include "app/recordcommands.h"
#include "app/shutdownsignals.h"
#include "app/startuptrace.h"
#include "flitespeech.h"
#include "media/desktopservices.h"
#include "screens/screenset.h"
#include "screens/splash.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>
#include <variant>

using namespace quintarlow;

namespace {

// What the command line asks of the game itself.
struct GameOptions {
    bool record = true;
};

// Answers --help, --version and the record commands before any window exists, so they work
// without a display: an exit status then. Other arguments are left to Qt.
std::variant<int, GameOptions> answerWithoutDisplay(int argc, char* argv[]) {
    QCoreApplication info(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Two-player spoken multiplication game: four in a line wins."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const RecordCommands recordCommands(parser);
    // Options that choose what the program opens (a window other than the game's) are added
    // here and handed on in GameOptions.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help))
        parser.showHelp();
    if (parser.isSet(version))
        parser.showVersion();
    if (const auto status = recordCommands.run(parser))
        return *status;
    return GameOptions{.record = !recordCommands.noRecord(parser)};
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
    const auto answered = answerWithoutDisplay(argc, argv);
    if (const int* status = std::get_if<int>(&answered))
        return *status;
    const GameOptions options = std::get<GameOptions>(answered);

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quintarlow.Quintarlow"));
    QApplication::setQuitOnLastWindowClosed(false);
    enterDataFolder();

    FliteSpeech speech;
    AlsaSoundPlayer sound;
    ScreenWorkArea workArea;
    MessageBoxDialogs dialogs;
    // Made before the screens and gone after them, so that every report is written.
    PlayRecord record(options.record);
    ScreenSet screens({speech, sound, workArea, dialogs, record.record(), drawFactorUniformly});
    QObject::connect(&screens, &ScreenSet::allUnloaded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    ShutdownSignals shutdown;
    QObject::connect(&shutdown, &ShutdownSignals::received, &screens, &ScreenSet::quitGame);

    traceFirstFrame(screens.splash());
    screens.splash().show();
    return QApplication::exec();
}
