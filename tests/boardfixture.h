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

// A game whose names were entered, with Blue to move and nothing yet recorded.
struct BoardFixture {
    std::unique_ptr<Game> game = std::make_unique<Game>();
    MULTIPLICATION& board = game->screens.board();
    CorrectAnswer& popup = game->screens.correctAnswer();
    WINNER& winner = game->screens.winner();
    MediaLog& log = game->log;

    BoardFixture() {
        WELCOME& welcome = game->screens.welcome();
        welcome.Text1->setText(QStringLiteral("Rosa"));
        welcome.Text2->setText(QStringLiteral("Ben"));
        welcome.startPlaying();
        log.clear();
    }

    BoardState& state() { return board.boardState(); }

    void ask(int multiplier1, int multiplier2) {
        game->factors = {multiplier1, multiplier2};
        board.generateMultipliers();
    }

    // Asks for the product on square `index` and clicks it.
    void claim(int index) {
        const auto [a, b] = factorsOf(board.Label1[index]->caption().toInt());
        ask(a, b);
        board.judgeSquareClick(index);
    }

    void runPopupToEnd() {
        for (int tick = 0; tick < 9; ++tick)
            popup.onTick();
    }
};

} // namespace quintarlow::testing
