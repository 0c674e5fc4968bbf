#include "alsasoundplayer.h"
#include "boardfixture.h"
#include "media/testwav.h"
#include "screens/background.h"
#include "screens/splash.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QTest>

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

} // namespace

// A whole game, two of them, with the real pictures and the real sound player (on a device that
// takes samples as fast as they come), over a copy of the data folder with one file damaged.
class DamagedDataTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gameGoesOnAndSaysOnceWhatIsMissing_data() {
        QTest::addColumn<QString>("file");     // empty: all missing, or none without a device
        QTest::addColumn<QByteArray>("bytes"); // what the file holds instead; null: missing
        QTest::addColumn<int>("lines");        // about the damaged file; -1: none or one
        QTest::addColumn<bool>("soundDevice");

        QTest::newRow("no sound device") << QString() << QByteArray() << 0 << false;
        QTest::newRow("empty data folder") << QString() << QByteArray() << 1 << true;
        const QByteArray notAPicture = "GIF? no, just some text\n";
        for (const QString& file : dataFiles()) {
            QFile original(QStringLiteral(QUINTARLOW_DATA "/") + file);
            QVERIFY(original.open(QIODevice::ReadOnly));
            const QByteArray whole = original.readAll();
            const auto row = [&](const char* damage, const QByteArray& bytes, int lines) {
                QTest::addRow("%s %s", qPrintable(file), damage) << file << bytes << lines << true;
            };
            // The pictures' frames run out at the cut, which the animation may not reach.
            row("cut in half", whole.left(whole.size() / 2),
                file.endsWith(QLatin1String("WAV")) ? 1 : -1);
            if (file.endsWith(QLatin1String(".gif"))) {
                row("not a GIF", notAPicture, 1);
                continue;
            }
            row("A-law, not PCM", riff(formatChunk(6, 2, 8000, 8) + chunk("data", "abcd")), 1);
            row("three minutes long", wav16(1, 8000, std::vector<std::int16_t>(8000 * 180, 9)), 0);
        }
    }

    void gameGoesOnAndSaysOnceWhatIsMissing() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(int, lines);
        QFETCH(bool, soundDevice);
        QVERIFY(soundDevice ? device_.useCaptureDevice() : device_.useNoDevice());
        const QTemporaryDir data;
        if (!file.isEmpty() || !soundDevice) {
            QVERIFY(QDir().mkpath(data.filePath(QStringLiteral("gif"))));
            for (const QString& each : dataFiles())
                QVERIFY(
                    QFile::copy(QStringLiteral(QUINTARLOW_DATA "/") + each, data.filePath(each)));
        }
        if (!file.isEmpty()) {
            QFile damaged(data.filePath(file));
            QVERIFY(damaged.remove());
            if (!bytes.isNull())
                QVERIFY(writeFile(damaged.fileName(), bytes));
        }
        QVERIFY(QDir::setCurrent(data.path()));
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(recordWarning);

        AlsaSoundPlayer sound;
        BoardFixture game(std::make_unique<Game>(nullptr, &sound), false);
        ScreenSet& screens = game.game->screens;
        QElapsedTimer longestSound;
        qint64 longest = 0;
        const auto timed = [&](auto step) {
            longestSound.start();
            step();
            longest = std::max(longest, longestSound.elapsed());
        };
        for (int tick = 0; tick < 10; ++tick)
            screens.splash().onTick();
        timed([&] { screens.background().onTick(); });
        for (int round = 0; round < 2; ++round) {
            game.enterNames();
            timed([&] { game.answer(10, 9); }); // wrong: the pop-up answers for Blue
            game.runPopupToEnd();
            for (int index : {25, 9, 26, 10, 27}) // Red's row through the FREE square
                timed([&] { game.claim(index); });
            QVERIFY(game.winner.isVisible());
            game.winner.playAgainNewPlayers();
        }
        qInstallMessageHandler(previous);
        QVERIFY(QDir::setCurrent(QStringLiteral(QUINTARLOW_DATA)));

        // The game went on: a third game could start from the name entry.
        QVERIFY(screens.welcome().isVisible());
        QVERIFY2(longest < 6000, qPrintable(QString::number(longest)));
        for (const QString& each : dataFiles()) {
            const int expected = (file.isEmpty() && soundDevice) || each == file ? lines : 0;
            const qsizetype seen = warnings.filter(data.filePath(each)).size();
            QVERIFY2(expected < 0 ? seen <= 1 : seen == expected,
                     qPrintable(QStringLiteral("%1: %2 lines in\n").arg(each).arg(seen) +
                                warnings.join(QLatin1Char('\n'))));
        }
    }

private:
    AlsaTestDevice device_;
};

QTEST_MAIN(DamagedDataTest)
#include "tst_damageddata.moc"
