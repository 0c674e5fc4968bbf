// Draws every screen of the game in its telling states into PNG files, through the real
// screens with silent fakes, so the look of a state can be checked without playing to it.
//   quintarlow_screenshots OUTPUT_FOLDER   (run it in the data folder)
#include "boardfixture.h"
#include "screens/splash.h"

#include <QApplication>
#include <QDir>
#include <QTest>

using namespace quintarlow;
using namespace quintarlow::testing;

namespace {

void save(QWidget& screen, const QString& folder, const QString& name) {
    screen.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    {
        Game game;
        frmSplash& splash = game.screens.splash();
        splash.show();
        for (int tick = 0; tick < 4; ++tick)
            splash.onTick();
        save(splash, folder, QStringLiteral("splash"));
        save(game.screens.welcome(), folder, QStringLiteral("welcome"));
    }
    BoardFixture fixture;
    fixture.board.show();
    fixture.claim(20);
    fixture.claim(44);
    fixture.ask(6, 7);
    for (int tick = 0; tick < 7; ++tick)
        fixture.board.onClockTick();
    save(fixture.board, folder, QStringLiteral("board-question"));
    fixture.board.judgeSquareClick(boardIndexOfProduct(48));
    save(fixture.popup, folder, QStringLiteral("popup"));
    fixture.runPopupToEnd();
    for (int index : {25, 9, 26, 10, 27})
        fixture.claim(index);
    fixture.board.onWinningLineTick();
    save(fixture.board, folder, QStringLiteral("board-won"));
    save(fixture.winner, folder, QStringLiteral("winner"));
    QTest::mouseClick(fixture.winner.Command1, Qt::LeftButton);
    fixture.board.Command2->click();
    save(fixture.winner, folder, QStringLiteral("winner-menu"));
    return 0;
}
