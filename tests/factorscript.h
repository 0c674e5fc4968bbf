#pragma once

#include <deque>

namespace quintarlow::testing {

// Draws the factors a test queued, and 1 once they run out; handed to the screens by reference.
struct FactorScript {
    std::deque<int> factors;
    int operator()() {
        if (factors.empty())
            return 1;
        const int factor = factors.front();
        factors.pop_front();
        return factor;
    }
};

} // namespace quintarlow::testing
