#include "app/heaparenas.h"
#include "boardfixture.h"
#include "media/alsasoundplayer.h"
#include "media/flitespeech.h"
#include "media/testwav.h"
#include "screens/background.h"
#include "screens/splash.h"

#include <QDir>
#include <QDirIterator>
#include <QTest>
#include <unistd.h>

using namespace quintarlow;
using namespace quintarlow::testing;

namespace {

// What the test's message handler saw; the handler is a plain function, so it lives here.
QStringList warnings;

void recordWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg)
        warnings.append(message);
}

QStringList dataFiles() {
    QStringList files;
    for (QDirIterator it(QStringLiteral(QUINTARLOW_DATA), QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        files.append(QDir(QStringLiteral(QUINTARLOW_DATA)).relativeFilePath(it.next()));
    files.sort();
    return files;
}

qint64 residentKb() {
    QFile statm("/proc/self/statm");
    statm.open(QIODevice::ReadOnly);
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE) / 1024;
}

// Blue wins on row 3 after a wrong answer and a time-out on Red's side; every fifth game is
// left through "START NEW GAME" instead, every third replay has new players.
void playOneGame(BoardFixture& game, int number) {
    BoardWindow& board = game.board;
    game.claim(25);
    game.answer(10, 9);
    game.runPopupToEnd();
    game.claim(26);
    board.onBlueBlinkTick();
    board.onRedBlinkTick();
    if (number % 5 == 4) {
        control(board, "newGameButton")->click();
    } else {
        control(board, "askButton")->click();
        for (int tick = 0; tick < 21; ++tick)
            game.model.answerClockTick();
        game.runPopupToEnd();
        game.claim(27);
        board.onWinningLineTick();
        game.model.announcementTick();
        game.model.announcementTick();
    }
    QVERIFY2(game.winner.isVisible(), qPrintable(QString("game %1").arg(number)));
    (number % 3 == 2 ? control(game.winner, "newPlayersButton")
                     : control(game.winner, "samePlayersButton"))
        ->click();
    if (number % 3 == 2)
        game.enterNames();
}

} // namespace

// Whole games in one process with the real pictures, voice and sound player (on a device that
// takes samples as fast as they come): many of them, or two over a copy of the data folder with
// one file damaged. The game goes on, names each damaged file once and leaves nothing behind.
class RealGamesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The program's heap as main sets it up: without it, what each speech worker's own heap keeps
    // looks like growth.
    void initTestCase() {
        shareOneHeap();
        silenceOffscreenRaise();
    }

    // QUINTARLOW_SOAK_GAMES sets how many games the first row plays (docs/reliability.md).
    void gamesGoOnAndSayOnceWhatIsMissing_data() {
        QTest::addColumn<QString>("file");     // empty: none damaged; "*": every one missing
        QTest::addColumn<QByteArray>("bytes"); // what the file holds instead; null: missing
        QTest::addColumn<int>("lines");        // about the damaged file; -1: none or one
        QTest::addColumn<bool>("soundDevice");
        QTest::addColumn<int>("games");

        const int many = qEnvironmentVariableIntValue("QUINTARLOW_SOAK_GAMES");
        QTest::newRow("many games")
            << QString() << QByteArray() << 0 << true << qMax(11, many ? many : 50);
        QTest::newRow("no sound device") << QString() << QByteArray() << 0 << false << 2;
        QTest::newRow("empty data folder") << "*" << QByteArray() << 1 << true << 2;
        const QByteArray notAPicture = "GIF? no, just some text\n";
        for (const QString& file : dataFiles()) {
            QFile original(QStringLiteral(QUINTARLOW_DATA "/") + file);
            QVERIFY(original.open(QIODevice::ReadOnly));
            const QByteArray whole = original.readAll();
            const auto row = [&](const char* damage, const QByteArray& bytes, int lines) {
                QTest::addRow("%s %s", qPrintable(file), damage)
                    << file << bytes << lines << true << 2;
            };
            // The pictures' frames run out at the cut, which the animation may not reach.
            row("cut in half", whole.left(whole.size() / 2), file.endsWith("WAV") ? 1 : -1);
            if (file.endsWith(".gif")) {
                row("not a GIF", notAPicture, 1);
                continue;
            }
            row("A-law, not PCM", riff(formatChunk(6, 2, 8000, 8) + chunk("data", "abcd")), 1);
            row("three minutes long", wav16(1, 8000, std::vector<std::int16_t>(8000 * 180, 9)), 0);
        }
    }

    void gamesGoOnAndSayOnceWhatIsMissing() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(int, lines);
        QFETCH(bool, soundDevice);
        QFETCH(int, games);
        QVERIFY(soundDevice ? device_.useCaptureDevice() : device_.useNoDevice());
        const QTemporaryDir data;
        if (file != "*") {
            QVERIFY(QDir().mkpath(data.filePath("gif")));
            for (const QString& each : dataFiles())
                QVERIFY(
                    QFile::copy(QStringLiteral(QUINTARLOW_DATA "/") + each, data.filePath(each)));
        }
        if (!file.isEmpty() && file != "*") {
            QFile damaged(data.filePath(file));
            QVERIFY(damaged.remove());
            if (!bytes.isNull())
                QVERIFY(writeFile(damaged.fileName(), bytes));
        }
        QVERIFY(QDir::setCurrent(data.path()));
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(recordWarning);
        const auto before = threadsAndHandles();
        auto afterTen = before;
        qint64 residentAfterTen = 0, longestGame = 0;
        {
            FliteSpeech speech;
            AlsaSoundPlayer sound;
            BoardFixture game(std::make_unique<Screens>(&speech, &sound), false);
            ScreenSet& screens = game.game->screens;
            for (int tick = 0; tick < 10; ++tick)
                screens.splash().onTick();
            screens.background().onTick();
            game.enterNames();
            for (int played = 0; played < games && !QTest::currentTestFailed(); ++played) {
                longestGame =
                    std::max(longestGame, millisecondsTaken([&] { playOneGame(game, played); }));
                // Between games the program is back in its event loop.
                QCoreApplication::processEvents();
                if (played == 9) {
                    // Speech workers end by themselves, each soon after its text is spoken.
                    QTRY_COMPARE(threadsAndHandles().first, before.first);
                    residentAfterTen = residentKb();
                    afterTen = threadsAndHandles();
                }
            }
            // The game went on: the board is ready for the next question.
            QVERIFY(game.board.isVisible() && control(game.board, "askButton")->isEnabled());
            if (games > 10) {
                const qint64 growth = residentKb() - residentAfterTen;
#ifndef __SANITIZE_ADDRESS__ // which holds freed memory back on purpose; it finds leaks itself
                QVERIFY2(growth < 2048, qPrintable(QString("grew by %1 kB").arg(growth)));
#endif
                QTRY_COMPARE(threadsAndHandles(), afterTen);
            }
        }
        qInstallMessageHandler(previous);
        QVERIFY(QDir::setCurrent(QStringLiteral(QUINTARLOW_DATA)));
        QTRY_COMPARE(threadsAndHandles(), before);
        // A sound that plays too long holds the whole game up.
        QVERIFY2(longestGame < 6000, qPrintable(QString::number(longestGame)));
        for (const QString& each : dataFiles()) {
            const int expected = file == "*" || each == file ? lines : 0;
            const qsizetype seen = warnings.filter(data.filePath(each)).size();
            QVERIFY2(expected < 0 ? seen <= 1 : seen == expected,
                     qPrintable(QStringLiteral("%1: %2 lines in\n").arg(each).arg(seen) +
                                warnings.join(QLatin1Char('\n'))));
        }
    }

private:
    AlsaTestDevice device_;
};

QTEST_MAIN(RealGamesTest)
#include "tst_realgames.moc"
