#include "learnmodel.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quintarlow::learnsim {

double FactMemory::activation(double now, double beta) const {
    double strength = 0;
    for (const Trace& trace : m_traces)
        // A trace is at least a second old: the question takes that long to hear.
        strength += std::pow(std::max(now - trace.at, 1.0), -trace.decay);
    if (strength <= 0)
        return -std::numeric_limits<double>::infinity();
    return beta + std::log(strength);
}

void FactMemory::practise(double now, double beta, const ModelParameters& model) {
    const double m = activation(now, beta);
    // e^-inf is 0: a first practice decays at a alone.
    m_traces.push_back({now, model.c * std::exp(m) + model.a});
}

double recallProbability(double activation, const ModelParameters& model) {
    return 1.0 / (1.0 + std::exp((model.tau - activation) / model.s));
}

double recallSeconds(double activation, const ModelParameters& model) {
    return model.latencyF * std::exp(-activation) + model.fixedSeconds;
}

} // namespace quintarlow::learnsim
