// Drives the game through its own handlers, with the services the game itself uses, into the
// states bench/run measures. Not a test: it prints figures and judges nothing.
//   quintarlow_benchgame welcome|board|question [SECONDS]
//                                                reach that state, print "ready", keep running
//                                                (for SECONDS, then end: for heaptrack or perf)
//   quintarlow_benchgame click RUNS               click latency, game square against a bare one
//   quintarlow_benchgame session GAMES            memory, threads and files over many games
// Run it in the data folder, as the game.
#include "app/heaparenas.h"
#include "board/boardwindow.h"
#include "media/alsasoundplayer.h"
#include "media/desktopservices.h"
#include "media/flitespeech.h"
#include "record/practicerecord.h"
#include "screens/correctanswer.h"
#include "screens/screenset.h"
#include "screens/splash.h"
#include "screens/welcome.h"
#include "screens/winner.h"
#include "widgets/vblabel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <deque>

using namespace quintarlow;

namespace {

using Clock = std::chrono::steady_clock;

// A claim's sound plays synchronously before the square changes colour; the click latency
// leaves it out, as a sound device's buffer would otherwise be measured.
class SilentSound final : public SoundPlayer {
public:
    void playSoundFile(const QString&) override {}
};

// The game as app/main.cpp wires it, with the factors of each question chosen by the bench.
struct BenchGame {
    explicit BenchGame(SoundPlayer& sound)
        : screens({speech, sound, workArea, dialogs, record,
                   [this](const PracticePlan& plan, DrawMemory& memory) {
                       if (factors.size() < 2)
                           return drawQuestionAtRandom(plan, memory);
                       const Fact question{factors[0], factors[1]};
                       factors.clear();
                       return question;
                   }}) {}

    // The start-up sequence's ten ticks, one after another: the name entry is up.
    void startUp() {
        SplashScreen& splash = screens.splash();
        splash.show();
        for (int tick = 0; tick < 10; ++tick)
            splash.onTick();
    }

    void enterNames() {
        NameEntry& welcome = screens.welcome();
        welcome.findChild<QLineEdit*>(QStringLiteral("redNameBox"))
            ->setText(QStringLiteral("Rosa"));
        welcome.findChild<QLineEdit*>(QStringLiteral("blueNameBox"))
            ->setText(QStringLiteral("Ben"));
        welcome.startPlaying();
    }

    // Asks for the product on board square `index`.
    void askFor(int index) {
        const int product = squareCaption(index).toInt();
        for (int a = 1; a <= 12; ++a)
            if (product % a == 0 && product / a <= 12) {
                factors = {a, product / a};
                break;
            }
        screens.game().ask();
    }

    void claim(int index) {
        askFor(index);
        screens.board().clickSquare(index);
    }

    FliteSpeech speech;
    ScreenWorkArea workArea;
    MessageBoxDialogs dialogs;
    NoRecord record;
    std::deque<int> factors;
    ScreenSet screens;
};

void waitUntilShown(QWidget& window) {
    if (!QTest::qWaitForWindowExposed(&window, 10000))
        std::fprintf(stderr, "benchgame: %s was never exposed\n", qPrintable(window.objectName()));
    QTest::qWait(200);
}

int holdState(const QString& state, int seconds) {
    AlsaSoundPlayer sound;
    BenchGame game(sound);
    game.startUp();
    QWidget* shown = &game.screens.welcome();
    if (state != QLatin1String("welcome")) {
        game.enterNames();
        shown = &game.screens.board();
    }
    if (state == QLatin1String("question"))
        game.screens.game().ask();
    waitUntilShown(*shown);
    std::printf("ready\n");
    std::fflush(stdout);
    if (seconds > 0)
        QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    return QApplication::exec();
}

// The colour of one pixel as the X server holds it, that is, as it is on screen.
QColor onScreen(QWidget& widget, QPoint point) {
    const QPoint inWindow = widget.mapTo(widget.window(), point);
    const QImage pixel =
        widget.screen()
            ->grabWindow(widget.window()->winId(), inWindow.x(), inWindow.y(), 1, 1)
            .toImage();
    return pixel.isNull() ? QColor() : pixel.pixelColor(0, 0);
}

// Milliseconds from a press on `target` to `colour` on screen at a point inside it.
double clickToColour(QWidget& target, const QColor& colour) {
    const QPoint point(4, 4);
    QWindow* window = target.window()->windowHandle();
    const QPoint inWindow = target.mapTo(target.window(), point);
    const Clock::time_point pressed = Clock::now();
    QTest::mousePress(window, Qt::LeftButton, {}, inWindow);
    const Clock::time_point deadline = pressed + std::chrono::seconds(2);
    while (onScreen(target, point) != colour && Clock::now() < deadline)
        QCoreApplication::processEvents();
    const Clock::time_point seen = Clock::now();
    QTest::mouseRelease(window, Qt::LeftButton, {}, inWindow);
    if (seen >= deadline)
        return -1;
    return std::chrono::duration<double, std::milli>(seen - pressed).count();
}

// The reference: a bare widget of a square's size that takes the claim colour when pressed.
class BarePatch : public QWidget {
public:
    using QWidget::QWidget;
    QColor colour = Qt::white;

protected:
    void mousePressEvent(QMouseEvent*) override {
        colour = Qt::blue;
        update();
    }
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), colour); }
};

int clickLatency(int runs) {
    SilentSound sound;
    BenchGame game(sound);
    game.startUp();
    game.enterNames();
    BoardWindow& board = game.screens.board();
    waitUntilShown(board);

    QWidget bareWindow;
    bareWindow.setFixedSize(board.size());
    auto* patch = new BarePatch(&bareWindow);
    const auto squareOf = [&board](int index) {
        return board.findChild<VbLabel*>(squareObjectName(index));
    };
    patch->setGeometry(squareOf(0)->geometry());
    bareWindow.move(board.pos());
    bareWindow.show();
    waitUntilShown(bareWindow);

    constexpr int clicked = 20;
    const QColor blue = toQColor(Colour::Blue, board.palette());
    for (int run = 0; run < runs; ++run) {
        board.raise();
        game.askFor(clicked);
        QTest::qWait(50);
        const double gameMs = clickToColour(*squareOf(clicked), blue);
        // Back to an empty board with Blue to move, for the next run: the game is left, as
        // "START NEW GAME" leaves it, and played again.
        game.screens.game().leave();
        game.screens.game().playAgainSamePlayers();

        bareWindow.raise();
        patch->colour = Qt::white;
        patch->update();
        QTest::qWait(50);
        const double bareMs = clickToColour(*patch, blue);
        std::printf("click game_ms=%.3f reference_ms=%.3f\n", gameMs, bareMs);
        if (gameMs < 0 || bareMs < 0)
            return 1;
    }
    return 0;
}

QString statusField(const QByteArray& status, const char* name) {
    for (const QByteArray& line : status.split('\n'))
        if (line.startsWith(name))
            return QString::fromLatin1(line.mid(qstrlen(name) + 1).trimmed().split(' ').first());
    return QStringLiteral("?");
}

void printProcessFigures(int games) {
    QFile file(QStringLiteral("/proc/self/status"));
    file.open(QIODevice::ReadOnly);
    const QByteArray status = file.readAll();
    const auto fds = QDir(QStringLiteral("/proc/self/fd"))
                         .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System);
    std::printf("session games=%d rss_kb=%s hwm_kb=%s threads=%s fds=%lld\n", games,
                qPrintable(statusField(status, "VmRSS:")),
                qPrintable(statusField(status, "VmHWM:")),
                qPrintable(statusField(status, "Threads:")), static_cast<long long>(fds.size()));
    std::fflush(stdout);
}

// One whole game through the handlers: a wrong answer and its pop-up, then Blue wins along
// row 3 with the FREE square while Red answers in row 1; the winner is announced and the
// players play again, alternately as the same and as new players.
void playOneGame(BenchGame& game, int number) {
    BoardWindow& board = game.screens.board();
    game.askFor(20);
    board.clickSquare(21);
    for (int tick = 0; tick < 9; ++tick)
        game.screens.game().revealTick();
    for (int index : {9, 25, 10, 26, 12, 27})
        game.claim(index);
    game.screens.game().announcementTick();
    game.screens.game().announcementTick();
    if (number % 2 == 1) {
        game.screens.game().playAgainSamePlayers();
    } else {
        game.screens.game().playAgainNewPlayers();
        game.enterNames();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

int longSession(int games) {
    AlsaSoundPlayer sound;
    BenchGame game(sound);
    game.startUp();
    game.enterNames();
    waitUntilShown(game.screens.board());
    const Clock::time_point started = Clock::now();
    for (int number = 1; number <= games; ++number) {
        playOneGame(game, number);
        if (number == 1 || number == games)
            printProcessFigures(number);
    }
    std::printf("session seconds=%.1f\n",
                std::chrono::duration<double>(Clock::now() - started).count());
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    shareOneHeap();
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int count = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    if (mode == QLatin1String("welcome") || mode == QLatin1String("board") ||
        mode == QLatin1String("question"))
        return holdState(mode, count);
    if (mode == QLatin1String("click") && count > 0)
        return clickLatency(count);
    if (mode == QLatin1String("session") && count > 0)
        return longSession(count);
    std::fprintf(stderr,
                 "usage: %s welcome|board|question [SECONDS] | click RUNS | session GAMES\n",
                 argv[0]);
    return 2;
}
