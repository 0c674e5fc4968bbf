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

// Each row opens a message box from the main loop, as a click does, and sends the process a
// shutdown signal while the box waits: the program's loop must end within two seconds with
// status 0 and nothing showing. (The program without a box open: exit_on_signal.sh; quitting
// from every screen: the random player.)
class ShutdownSignalsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void endsCleanlyFromAMessageBox_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("screen");
        for (const auto& [signal, name] :
             {std::pair{SIGTERM, "TERM"}, {SIGINT, "INT"}, {SIGHUP, "HUP"}})
            for (const char* screen : {"names message box", "quit message box"})
                QTest::addRow("SIG%s, %s", name, screen) << signal << QString::fromLatin1(screen);
    }

    void endsCleanlyFromAMessageBox() {
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
        for (int tick = 0; tick < 7; ++tick)
            screens.splash().onTick();
        if (screen.startsWith(QLatin1String("quit")))
            game.enterNames();

        MessageBoxDialogs boxes;
        bool boxWasOpen = false;
        const QObject row; // takes this row's pending timers with it
        // Opened from the loop, as a click would open it; the signal comes while it waits.
        game.game->dialogs.real = &boxes;
        QTimer::singleShot(0, &row, [&] {
            if (screen.startsWith(QLatin1String("quit")))
                board.quitGame();
            else
                screens.welcome().startPlaying(); // the names are still the default texts
        });
        QTimer::singleShot(50, &row, [&] {
            boxWasOpen = QApplication::activeModalWidget() != nullptr;
            ::kill(::getpid(), signal);
        });
        QTimer::singleShot(2000, &row, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(boxWasOpen);
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
