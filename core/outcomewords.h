#pragma once

#include "core/fact.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace quintarlow {

// The words the record keeps an outcome as, in its tables and its exchange file: written from
// and read back through this one list, so a word it does not hold is an error, never a guess.
inline constexpr std::array<std::pair<Outcome, std::string_view>, 3> OutcomeWords{
    {{Outcome::Right, "right"}, {Outcome::Wrong, "wrong"}, {Outcome::Timeout, "timeout"}}};

constexpr std::string_view outcomeWord(Outcome outcome) {
    for (const auto& [kept, word] : OutcomeWords)
        if (kept == outcome)
            return word;
    return {};
}

constexpr std::optional<Outcome> outcomeOfWord(std::string_view word) {
    for (const auto& [outcome, kept] : OutcomeWords)
        if (kept == word)
            return outcome;
    return std::nullopt;
}

} // namespace quintarlow
