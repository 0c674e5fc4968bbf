#include "core/computerplayer.h"

#include "core/boardlayout.h"

#include <algorithm>
#include <vector>

namespace quintarlow {

namespace {

constexpr ComputerStrength Easy{0.5, 1.3}, Hard{0.9, 0.75};

int neighbourProduct(Fact question, std::mt19937& random) {
    std::vector<int> products;
    for (const Fact near : {Fact{question.a, question.b - 1}, Fact{question.a, question.b + 1},
                            Fact{question.a - 1, question.b}, Fact{question.a + 1, question.b}})
        if (near.a >= 1 && near.a <= 12 && near.b >= 1 && near.b <= 12)
            products.push_back(near.a * near.b);
    return products[std::uniform_int_distribution<std::size_t>(0, products.size() - 1)(random)];
}

} // namespace

ComputerStrength computerStrength(ComputerLevel level, const std::vector<Outcome>& recentOutcomes) {
    if (level != ComputerLevel::Level)
        return level == ComputerLevel::Easy ? Easy : Hard;
    const auto counted =
        recentOutcomes.end() - std::ptrdiff_t(std::min(recentOutcomes.size(), RecentAnswerCount));
    if (counted == recentOutcomes.end())
        return {};
    const double right = double(std::count(counted, recentOutcomes.end(), Outcome::Right));
    return {.shareRight = std::clamp(right / double(recentOutcomes.end() - counted),
                                     Easy.shareRight, Hard.shareRight)};
}

ComputerAnswer answerAsComputer(Fact question, ComputerStrength strength, int answerSeconds,
                                std::mt19937& random) {
    const int product = question.a * question.b;
    const bool right = std::bernoulli_distribution(strength.shareRight)(random);
    const double knownMs = 2000.0 + 3000.0 * product / 144.0 +
                           std::uniform_real_distribution<double>(0.0, 1000.0)(random);
    const int thinkingMs = std::min(int(knownMs * strength.pace), answerSeconds * 500);
    return {.square = boardIndexOfProduct(right ? product : neighbourProduct(question, random)),
            .right = right,
            .thinkingMs = thinkingMs};
}

} // namespace quintarlow
