#pragma once

#include "board/boardwindow.h"
#include "fakes.h"
#include "screens/correctanswer.h"
#include "screens/welcome.h"
#include "screens/winner.h"
#include "widgets/vblabel.h"

#include <QLineEdit>
#include <QPushButton>

namespace quintarlow::testing {

inline std::pair<int, int> factorsOf(int product) {
    for (int a = 1; a <= 12; ++a)
        if (product % a == 0 && product / a <= 12)
            return {a, product / a};
    return {0, 0};
}

// The screens and the moves a test makes in them; unless told otherwise, the names were
// entered and Blue is to move, with nothing yet recorded.
struct BoardFixture {
    std::unique_ptr<Screens> game;
    Game& model;
    BoardWindow& board;
    CorrectAnswerPopup& popup;
    WinnerWindow& winner;
    MediaLog& log;

    explicit BoardFixture(std::unique_ptr<Screens> played = std::make_unique<Screens>(),
                          bool namesEntered = true)
        : game(std::move(played)), model(game->screens.game()), board(game->screens.board()),
          popup(game->screens.correctAnswer()), winner(game->screens.winner()), log(game->log) {
        if (namesEntered)
            enterNames();
        log.entries.clear();
    }

    void enterNames() {
        NameEntry& welcome = game->screens.welcome();
        control<QLineEdit>(welcome, "redNameBox")->setText("Rosa");
        control<QLineEdit>(welcome, "blueNameBox")->setText("Ben");
        welcome.startPlaying();
    }

    void ask(int multiplier1, int multiplier2) {
        game->factors = {multiplier1, multiplier2};
        model.ask();
    }

    // Asks for the product on square `asked` and clicks square `clicked`.
    void answer(int asked, int clicked) {
        const auto [a, b] = factorsOf(squareCaption(asked).toInt());
        ask(a, b);
        board.clickSquare(clicked);
    }
    void claim(int index) { answer(index, index); }

    // Blue takes row 3 with the FREE square while Red answers in row 1.
    void blueWins() {
        for (int index : {25, 9, 26, 10, 27})
            claim(index);
    }

    void runPopupToEnd() {
        for (int tick = 0; tick < 9; ++tick)
            model.revealTick();
    }
};

} // namespace quintarlow::testing
