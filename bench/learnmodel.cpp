#include "learnmodel.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quintarlow::learnsim {

double FactMemory::activation(double now, double beta) const {
    double strength = 0;
    for (const Trace& trace : m_traces)
        // A trace is at least a second old: the question takes that long to hear.
        strength += trace.weight * std::pow(std::max(now - trace.at, 1.0), -trace.decay);
    if (strength <= 0)
        return -std::numeric_limits<double>::infinity();
    return beta + std::log(strength);
}

void FactMemory::practise(double now, double beta, const ModelParameters& model, bool recalled) {
    const double m = activation(now, beta);
    // e^-inf is 0: a first practice decays at a alone.
    m_traces.push_back({now, model.c * std::exp(m) + model.a, recalled ? 1.0 : model.missWeight});
}

double factEase(int a, int b) {
    const auto either = [&](int factor) { return a == factor || b == factor; };
    if (either(1) || either(10))
        return 0.3;
    if (either(2) || either(5) || a == b)
        return 0.15;
    // From 3 x 4 (12) to 11 x 12 (132): a little harder, to a third of a unit harder.
    return -0.3 * (a * b - 12) / 120.0;
}

double recallProbability(double activation, const ModelParameters& model) {
    return 1.0 / (1.0 + std::exp((model.tau - activation) / model.s));
}

double recallSeconds(double activation, const ModelParameters& model) {
    return model.latencyF * std::exp(-activation) + model.fixedSeconds;
}

} // namespace quintarlow::learnsim
