#include "core/computerplayer.h"

#include "core/boardlayout.h"

#include <algorithm>
#include <array>
#include <vector>

namespace quintarlow {

namespace {

struct LevelPlay {
    double shareRight;
    double pace; // against a child who knows the facts: the easy computer hesitates
};

LevelPlay playAt(ComputerLevel level) {
    static constexpr std::array<LevelPlay, 3> levels{{{0.5, 1.3}, {0.7, 1.0}, {0.9, 0.75}}};
    return levels[static_cast<std::size_t>(level)];
}

int neighbourProduct(Fact question, std::mt19937& random) {
    std::vector<int> products;
    for (const Fact near : {Fact{question.a, question.b - 1}, Fact{question.a, question.b + 1},
                            Fact{question.a - 1, question.b}, Fact{question.a + 1, question.b}})
        if (near.a >= 1 && near.a <= 12 && near.b >= 1 && near.b <= 12)
            products.push_back(near.a * near.b);
    return products[std::uniform_int_distribution<std::size_t>(0, products.size() - 1)(random)];
}

} // namespace

double shareRight(ComputerLevel level) {
    return playAt(level).shareRight;
}

ComputerAnswer answerAsComputer(Fact question, ComputerLevel level, int answerSeconds,
                                std::mt19937& random) {
    const int product = question.a * question.b;
    const bool right = std::bernoulli_distribution(shareRight(level))(random);
    const double knownMs = 2000.0 + 3000.0 * product / 144.0 +
                           std::uniform_real_distribution<double>(0.0, 1000.0)(random);
    const int thinkingMs = std::min(int(knownMs * playAt(level).pace), answerSeconds * 500);
    return {.square = boardIndexOfProduct(right ? product : neighbourProduct(question, random)),
            .right = right,
            .thinkingMs = thinkingMs};
}

} // namespace quintarlow
