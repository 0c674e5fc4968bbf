#include "app/shutdownsignals.h"
#include "boardfixture.h"
#include "media/desktopservices.h"
#include "screens/splash.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <unistd.h>

using namespace quintarlow;
using namespace quintarlow::testing;

// Each row brings the game to a screen, sends the process a shutdown signal and runs the main
// loop as the program does: it must end within two seconds with status 0 and nothing showing.
class ShutdownSignalsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void endsCleanlyFromEveryScreen_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("screen");
        for (const auto& [signal, name] :
             {std::pair{SIGTERM, "TERM"}, {SIGINT, "INT"}, {SIGHUP, "HUP"}})
            for (const char* screen : {"splash", "name entry", "names message box", "question",
                                       "pop-up", "winner", "menu", "quit message box"})
                QTest::addRow("SIG%s, %s", name, screen) << signal << QString::fromLatin1(screen);
    }

    void endsCleanlyFromEveryScreen() {
        QFETCH(int, signal);
        QFETCH(QString, screen);
        BoardFixture game(std::make_unique<Game>(), false);
        ScreenSet& screens = game.game->screens;
        MULTIPLICATION& board = game.board;
        // Wired as the program wires them.
        QObject::connect(&screens, &ScreenSet::allUnloaded, qApp, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        ShutdownSignals shutdown;
        QObject::connect(&shutdown, &ShutdownSignals::received, &screens, &ScreenSet::quitGame);

        screens.splash().show();
        if (screen != QLatin1String("splash"))
            for (int tick = 0; tick < 7; ++tick)
                screens.splash().onTick();
        if (!screen.contains(QLatin1String("name")) && screen != QLatin1String("splash"))
            game.enterNames();
        if (screen == QLatin1String("question"))
            board.generateMultipliers();
        if (screen == QLatin1String("pop-up"))
            game.answer(10, 9);
        if (screen == QLatin1String("winner"))
            game.blueWins();
        if (screen == QLatin1String("menu"))
            board.startNewGame();
        QVERIFY(screen == QLatin1String("splash") || board.isVisible() ||
                screens.welcome().isVisible());

        MessageBoxDialogs boxes;
        bool boxWasOpen = false;
        const QObject row; // takes this row's pending timers with it
        // Opened from the loop, as a click would open it; the signal comes while it waits.
        if (screen.endsWith(QLatin1String("message box"))) {
            game.game->dialogs.real = &boxes;
            QTimer::singleShot(0, &row, [&] {
                if (screen.startsWith(QLatin1String("quit")))
                    board.quitGame();
                else {
                    screens.welcome().Text1->clear();
                    screens.welcome().startPlaying();
                }
            });
        }
        QTimer::singleShot(50, &row, [&] {
            boxWasOpen = QApplication::activeModalWidget() != nullptr;
            ::kill(::getpid(), signal);
        });
        QTimer::singleShot(2000, &row, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(boxWasOpen, screen.endsWith(QLatin1String("message box")));
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }
};

int main(int argc, char* argv[]) {
    // Before any thread starts, as in the program.
    ShutdownSignals::blockInEveryThread();
    QApplication app(argc, argv);
    ShutdownSignalsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shutdownsignals.moc"
