#include "app/commandtext.h"
#include "app/datafolder.h"
#include "app/gamelanguage.h"
#include "app/heaparenas.h"
#include "app/languagechoice.h"
#include "app/platformchoice.h"
#include "app/practicecommand.h"
#include "app/recordcommands.h"
#include "app/reportcommand.h"
#include "app/shutdownsignals.h"
#include "app/startuptrace.h"
#include "media/alsasoundplayer.h"
#include "media/desktopnotifier.h"
#include "media/desktopservices.h"
#include "media/espeakspeech.h"
#include "media/flitespeech.h"
#include "progress/progresswindow.h"
#include "progress/reportdevices.h"
#include "record/memoryrecord.h"
#include "record/recordtrouble.h"
#include "record/serversync.h"
#include "record/sqliterecord.h"
#include "screens/screenset.h"
#include "screens/splash.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <variant>

using namespace quintarlow;

namespace {

// What the command line asks of the program once it has a display.
struct GameOptions {
    bool record = true;
    bool progress = false; // the Practice Record window instead of a game
};

// The command line less Qt's own options, for this program's parser to judge the rest.
QStringList withoutQtOptions(const QStringList& arguments) {
    // Qt's own options, which the application object reads later: with a value, and without
    // one. Each may be written with one dash or two, and with its value after "=".
    static const QStringList withValue{
        QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"), QStringLiteral("plugin"),
        QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
        QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
        QStringLiteral("session"),       QStringLiteral("display"),
        QStringLiteral("geometry"),      QStringLiteral("title"),
        QStringLiteral("name"),          QStringLiteral("style"),
        QStringLiteral("stylesheet")};
    static const QStringList flags{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                   QStringLiteral("nograb"), QStringLiteral("dograb"),
                                   QStringLiteral("sync")};
    QStringList own;
    for (qsizetype index = 0; index < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        QString name = argument;
        if (name.startsWith(QLatin1String("--")))
            name.remove(0, 2);
        else if (name.startsWith(QLatin1Char('-')))
            name.remove(0, 1);
        else {
            own.append(argument);
            continue;
        }
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        const QString bare = name.left(equals);
        if (withValue.contains(bare)) {
            if (equals < 0)
                ++index; // its value
        } else if (!flags.contains(bare) || equals >= 0) {
            own.append(argument);
        }
    }
    return own;
}

// Answers --help, --version, --practice and the record commands before any window exists, so
// they work without a display: an exit status then. A mistyped option or a missing value is
// said in one line, also before anything needs a display. Qt's own options are left to Qt.
std::variant<int, GameOptions> answerWithoutDisplay(int argc, char* argv[],
                                                    const GameTranslations& translations) {
    QCoreApplication info(argc, argv);
    translations.install();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandText::tr("Two-player spoken multiplication game: four in a line wins."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const RecordCommands recordCommands(parser);
    addPracticeOptions(parser);
    addReportOptions(parser);
    const QCommandLineOption progress(
        QStringLiteral("progress"),
        CommandText::tr("Open the Practice Record: which facts each player knows."));
    parser.addOption(progress);
    // Read before the parser, so that its help is in the language; here so that it is known.
    parser.addOption(
        {QStringLiteral("language"),
         QCoreApplication::translate("main", "Play in LANGUAGE (%1), not the desktop's.")
             .arg(readyLanguages().join(QStringLiteral(", "))),
         QStringLiteral("LANGUAGE")});
    const QStringList own = withoutQtOptions(QCoreApplication::arguments());
    const bool parsed = parser.parse(own);
    if (!parsed || parser.positionalArguments().size() > 0) {
        const QString why = parsed ? CommandText::tr("Unexpected argument '%1'.")
                                         .arg(parser.positionalArguments().constFirst())
                                   : parser.errorText().split(QLatin1Char('\n')).constFirst();
        std::fprintf(stderr, "quintarlow: %s\n",
                     qPrintable(CommandText::tr("%1 See quintarlow --help.").arg(why)));
        return 2;
    }
    if (parser.isSet(help))
        parser.showHelp();
    if (parser.isSet(version))
        parser.showVersion();
    const CommandInterruption interruption;
    if (const auto status = recordCommands.run(parser))
        return *status;
    if (isPracticeCommand(QCoreApplication::arguments())) {
        QTextStream out(stdout), err(stderr);
        // The school's server where one is set; while it cannot be reached, this computer's
        // file, whose change the server takes at the next contact if it is the later one.
        const ReadRecord school(SqliteRecord::Damaged::MoveAside);
        RecordEditor* record = school.editor();
        std::unique_ptr<SqliteRecord> kept;
        if (!record && !school.fromServer()) {
            err << "quintarlow: "
                << CommandText::tr("cannot open the practice record: %1. Nothing was changed. %2")
                       .arg(school.error(), school.advice())
                << Qt::endl;
            return 1;
        }
        if (!record) {
            QString error, advice;
            kept = openKeptRecord(&error, SqliteRecord::Damaged::MoveAside, &advice);
            record = kept.get();
            err << "quintarlow: "
                << (kept ? CommandText::tr("%1; kept on this computer until it can be reached")
                               .arg(school.error())
                         : CommandText::tr("%1; nor can the practice record on this computer be "
                                           "opened: %2. %3")
                               .arg(school.error(), error, advice))
                << Qt::endl;
        }
        QStringList names;
        if (RecordReader* reader = school.reader() ? school.reader() : kept.get())
            for (const PlayerSummary& summary : reader->players())
                names.append(summary.name);
        return runPracticeCommand(QCoreApplication::arguments(), record, names, out, err);
    }
    return GameOptions{.record = !recordCommands.noRecord(parser),
                       .progress = parser.isSet(progress)};
}

// Must run before the application object exists: Qt picks its platform plugin there.
void runThroughXWaylandOnWayland(int argc, char* argv[], const GameTranslations& translations) {
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
        std::fprintf(stderr, "quintarlow: %s\n",
                     qPrintable(translations.beforeTheApplication(QT_TRANSLATE_NOOP(
                         "quintarlow::CommandText",
                         "Wayland session without XWayland (DISPLAY is not set); the game's "
                         "windows may not keep their places"))));
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
        std::fprintf(stderr, "quintarlow: %s\n",
                     qPrintable(CommandText::tr("no pictures or sounds in %1; playing without them")
                                    .arg(choice.tried.join(QStringLiteral(", ")))));
        return;
    }
    QDir::setCurrent(choice.folder);
}

// The window reads the record as it is: a damaged file is told of, never moved aside for a
// fresh one, since a parent looking is no reason to start the children's record again.
int showProgress() {
    // The signals a desktop ends a session with are blocked for the game's own handling; the
    // window only reads, so it simply closes.
    ShutdownSignals shutdown;
    QObject::connect(&shutdown, &ShutdownSignals::received, qApp, &QCoreApplication::quit);
    MessageBoxDialogs dialogs;
    DesktopReportDevices devices;
    const ReadRecord record(SqliteRecord::Damaged::Refuse);
    if (RecordReader* reader = record.reader())
        return runProgressWindow(*reader, *record.editor(), dialogs, devices);
    MemoryRecord unreadable;
    unreadable.failure = record.error();
    unreadable.advice = record.advice();
    return runProgressWindow(unreadable, unreadable, dialogs, devices);
}

// The record says its trouble on its own thread; the parent hears it on the game's, between
// turns.
void tellTroubleOf(PlayRecord& record, RecordTrouble& trouble) {
    record.tellTrouble(
        [&trouble](const QString& why) {
            QMetaObject::invokeMethod(
                qApp, [&trouble, why] { trouble.cannotWrite(why, QDateTime::currentDateTime()); },
                Qt::QueuedConnection);
        },
        [&trouble] {
            QMetaObject::invokeMethod(
                qApp, [&trouble] { trouble.recordOpened(); }, Qt::QueuedConnection);
        });
}

// Beside the program in a build folder, else in the installed data.
QStringList translationFolders() {
    const QString programFolder = QFileInfo(QStringLiteral("/proc/self/exe"))
                                      .symLinkTarget()
                                      .section(QLatin1Char('/'), 0, -2);
    return {programFolder + QStringLiteral("/translations"),
            programFolder + QLatin1Char('/') + QStringLiteral(QUINTARLOW_INSTALLED_DATA) +
                QStringLiteral("/translations")};
}

} // namespace

int main(int argc, char* argv[]) {
    shareOneHeap();
    // The process the game starts to send its record to a school's server: no window.
    if (argc == 2 && qstrcmp(argv[1], "--sync-record") == 0) {
        QCoreApplication sync(argc, argv);
        return runSyncRecord();
    }
    ShutdownSignals::blockInEveryThread();
    QCoreApplication::setApplicationName(QStringLiteral("Quintarlow!"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUINTARLOW_VERSION));
    const LanguageChoice language = askedLanguage(argc, argv);
    if (!language.notShipped.isEmpty())
        std::fprintf(stderr, "quintarlow: no translation into \"%s\"; playing in English\n",
                     qPrintable(language.notShipped));
    const GameTranslations translations(language.code, translationFolders());
    if (!translations.complete())
        std::fprintf(stderr, "quintarlow: the translation into \"%s\" is not installed\n",
                     qPrintable(language.code));
    if (isReportCommand(argc, argv)) {
        // The pages are drawn without a window, so that reports are made where no display is.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication reports(argc, argv);
        translations.install();
        const CommandInterruption interruption;
        return runReportCommand(QCoreApplication::arguments());
    }
    const auto answered = answerWithoutDisplay(argc, argv, translations);
    if (const int* status = std::get_if<int>(&answered))
        return *status;
    const GameOptions options = std::get<GameOptions>(answered);
    runThroughXWaylandOnWayland(argc, argv, translations);

    QApplication app(argc, argv);
    translations.install();
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quintarlow.Quintarlow"));
    if (options.progress)
        return showProgress();
    QApplication::setQuitOnLastWindowClosed(false);
    enterDataFolder();

    VoiceSpeech speech(language.code == QLatin1String("en") ? fliteEngine()
                                                            : espeakEngine(language.code));
    AlsaSoundPlayer sound;
    ScreenWorkArea workArea;
    MessageBoxDialogs dialogs;
    // Made before the screens and gone after them, so that every report is written. It opens
    // once the splash's first frame is up, on its own thread.
    DesktopNotifier notifier;
    RecordTrouble trouble([&notifier](const QString& summary, const QString& body) {
        notifier.notify(summary, body);
    });
    PlayRecord record(options.record, chosenFluencyMs());
    tellTroubleOf(record, trouble);
    ScreenSet screens({speech, sound, workArea, dialogs, record.record(), drawQuestionAtRandom});
    QObject::connect(&screens, &ScreenSet::allUnloaded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    ShutdownSignals shutdown;
    QObject::connect(&shutdown, &ShutdownSignals::received, &screens, &ScreenSet::quitGame);

    traceFirstFrame(screens.splash());
    // A large or locked record must not hold the splash back, not even by the processor time
    // its opening takes.
    afterFirstFrame(screens.splash(), [&record] { record.startOpening(); });
    screens.splash().show();
    return QApplication::exec();
}
