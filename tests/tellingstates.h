#pragma once

#include "boardfixture.h"
#include "screens/splash.h"

#include <functional>

namespace quintarlow::testing {

// Every screen in the states that show the most of it: long captions, three-digit claims,
// names at their longest, a disabled board behind each screen opened over it. `look` gets a
// name for the state and the screens showing in it.
inline void
forEachTellingState(const std::function<void(const QString&, const QList<ScreenWindow*>&)>& look) {
    {
        Screens game;
        SplashScreen& splash = game.screens.splash();
        splash.show();
        for (int tick = 0; tick < 4; ++tick)
            splash.onTick();
        look("splash", {&splash});
        look("welcome", {&game.screens.welcome()});
    }
    {
        BoardFixture fixture;
        fixture.claim(20);
        fixture.claim(44);
        fixture.ask(12, 9);
        for (int tick = 0; tick < 7; ++tick)
            fixture.model.answerClockTick();
        look("board-question", {&fixture.board});
        fixture.board.clickSquare(boardIndexOfProduct(48));
        look("popup", {&fixture.board, &fixture.popup});
        fixture.runPopupToEnd();
        fixture.blueWins();
        fixture.board.onWinningLineTick();
        look("won", {&fixture.board, &fixture.winner});
        control(fixture.winner, "samePlayersButton")->click();
        control(fixture.board, "newGameButton")->click();
        look("menu", {&fixture.board, &fixture.winner});
    }
    for (const bool longNames : {false, true}) {
        BoardFixture fixture(std::make_unique<Screens>(), !longNames);
        if (longNames) {
            NameEntry& welcome = fixture.game->screens.welcome();
            control<QLineEdit>(welcome, "redNameBox")->setText(QString(30, QLatin1Char('W')));
            control<QLineEdit>(welcome, "blueNameBox")->setText("MMMMMMMMMMMMMM MMMMMMMMMMMMMMM");
            welcome.startPlaying();
        }
        for (int index : {55, 57, 58, 59, 60, 61, 62})
            fixture.claim(index);
        if (!longNames) {
            look("three-digits", {&fixture.board});
            continue;
        }
        for (int index : {25, 1, 26, 2, 27})
            fixture.claim(index);
        look("long-names", {&fixture.board, &fixture.winner});
    }
}

} // namespace quintarlow::testing
