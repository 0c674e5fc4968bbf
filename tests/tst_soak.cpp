#include "alsasoundplayer.h"
#include "boardfixture.h"
#include "flitespeech.h"
#include "screens/background.h"
#include "screens/splash.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <unistd.h>

using namespace quintarlow;
using namespace quintarlow::testing;

namespace {

int entriesIn(const char* folder) {
    return int(
        QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size());
}

qint64 residentKb() {
    QFile statm("/proc/self/statm");
    statm.open(QIODevice::ReadOnly);
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE) / 1024;
}

// The game as the program wires it, with the real voice and sound, on a fixed work area and
// with every question answered Yes.
struct RealGame {
    FliteSpeech speech;
    AlsaSoundPlayer sound;
    BoardFixture moves{std::make_unique<Game>(&speech, &sound), false};
    ScreenSet& screens = moves.game->screens;
    MULTIPLICATION& board = moves.board;

    // Blue wins on row 3 after a wrong answer and a time-out on Red's side; every fifth game
    // is left through "START NEW GAME" instead, every third replay has new players.
    void playOneGame(int game) {
        moves.claim(25);
        moves.answer(10, 9);
        moves.runPopupToEnd();
        moves.claim(26);
        board.onBlueBlinkTick();
        board.onRedBlinkTick();
        if (game % 5 == 4) {
            board.Command2->click();
        } else {
            board.Command1->click();
            for (int tick = 0; tick < 21; ++tick)
                board.onClockTick();
            moves.runPopupToEnd();
            moves.claim(27);
            board.onWinningLineTick();
            screens.winner().onTick();
            screens.winner().onTick();
        }
        QVERIFY2(screens.winner().isVisible(), qPrintable(QString("game %1").arg(game)));
        (game % 3 == 2 ? screens.winner().Command2 : screens.winner().Command1)->click();
        if (game % 3 == 2)
            moves.enterNames();
    }
};

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { silenceOffscreenRaise(); }

    // QUINTARLOW_SOAK_GAMES sets how many games (docs/reliability.md).
    void manyGames() {
        const int games = qMax(11, qEnvironmentVariableIntValue("QUINTARLOW_SOAK_GAMES"));
        const int threads = entriesIn("/proc/self/task"), files = entriesIn("/proc/self/fd");
        qint64 residentAfterTen = 0;
        int filesAfterTen = 0;
        {
            RealGame game;
            game.screens.splash().show();
            for (int tick = 0; tick < 10; ++tick)
                game.screens.splash().onTick();
            game.screens.background().onTick();
            game.moves.enterNames();
            for (int played = 0; played < games && !QTest::currentTestFailed(); ++played) {
                game.playOneGame(played);
                // Between games the program is back in its event loop.
                QCoreApplication::processEvents();
                if (played == 9) {
                    // Speech workers end by themselves, each soon after its text is spoken.
                    QTRY_COMPARE(entriesIn("/proc/self/task"), threads);
                    residentAfterTen = residentKb();
                    filesAfterTen = entriesIn("/proc/self/fd");
                }
            }
            const qint64 growth = residentKb() - residentAfterTen;
            qInfo("%d games: resident %lld kB after ten games, %lld kB more after all; "
                  "%d threads and %d files open at the start, %d files during play",
                  games, residentAfterTen, growth, threads, files, filesAfterTen);
#ifndef __SANITIZE_ADDRESS__ // which holds freed memory back on purpose; it finds leaks itself
            QVERIFY2(growth < 2048, qPrintable(QString("grew by %1 kB").arg(growth)));
#endif
            QTRY_COMPARE(entriesIn("/proc/self/task"), threads);
            QCOMPARE(entriesIn("/proc/self/fd"), filesAfterTen);
            game.board.Command3->click();
        }
        QCOMPARE(entriesIn("/proc/self/task"), threads);
        QCOMPARE(entriesIn("/proc/self/fd"), files);
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
