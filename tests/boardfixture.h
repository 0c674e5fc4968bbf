#pragma once

#include "board/multiplication.h"
#include "board/vblabel.h"
#include "fakes.h"
#include "screens/correctanswer.h"
#include "screens/welcome.h"
#include "screens/winner.h"

#include <QLineEdit>
#include <QPushButton>

namespace quintarlow::testing {

inline std::pair<int, int> factorsOf(int product) {
    for (int a = 1; a <= 12; ++a)
        if (product % a == 0 && product / a <= 12)
            return {a, product / a};
    return {0, 0};
}

// A game and the moves a test makes in it; unless told otherwise, the names were entered and
// Blue is to move, with nothing yet recorded.
struct BoardFixture {
    std::unique_ptr<Game> game;
    MULTIPLICATION& board;
    CorrectAnswer& popup;
    WINNER& winner;
    MediaLog& log;

    explicit BoardFixture(std::unique_ptr<Game> played = std::make_unique<Game>(),
                          bool namesEntered = true)
        : game(std::move(played)), board(game->screens.board()),
          popup(game->screens.correctAnswer()), winner(game->screens.winner()), log(game->log) {
        if (namesEntered)
            enterNames();
        log.entries.clear();
    }

    void enterNames() {
        WELCOME& welcome = game->screens.welcome();
        welcome.Text1->setText(QStringLiteral("Rosa"));
        welcome.Text2->setText(QStringLiteral("Ben"));
        welcome.startPlaying();
    }

    void ask(int multiplier1, int multiplier2) {
        game->factors = {multiplier1, multiplier2};
        board.generateMultipliers();
    }

    // Asks for the product on square `asked` and clicks square `clicked`.
    void answer(int asked, int clicked) {
        const auto [a, b] = factorsOf(board.Label1[asked]->caption().toInt());
        ask(a, b);
        board.judgeSquareClick(clicked);
    }
    void claim(int index) { answer(index, index); }

    // Blue takes row 3 with the FREE square while Red answers in row 1.
    void blueWins() {
        for (int index : {25, 9, 26, 10, 27})
            claim(index);
    }

    void runPopupToEnd() {
        for (int tick = 0; tick < 9; ++tick)
            popup.onTick();
    }
};

} // namespace quintarlow::testing
