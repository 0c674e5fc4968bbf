#pragma once

#include <vector>

namespace quintarlow::learnsim {

// A child's memory of one fact as the ACT-R declarative memory with the spacing effect fitted by
// Pavlik and Anderson: "Practice and forgetting effects on vocabulary memory: an
// activation-based model of the spacing effect", Cognitive Science 29 (2005), and "Using a
// model to compute the optimal schedule of practice", J. Exp. Psychol.: Applied 14 (2008).
//
// Each practice k leaves a trace that decays with its own rate d_k; the activation at time t
// is m(t) = beta + ln(sum_k (t - t_k)^-d_k), and d_k = c e^(m_(k-1)) + a with m_(k-1) the
// activation when practice k came (so a practice of a fact still fresh decays fast: the
// spacing effect). Retrieval succeeds with probability 1 / (1 + e^((tau - m) / s)) and takes
// F e^-m plus the time to hear the question and find the square.
struct ModelParameters {
    // From the 2005 paper's fit (docs/learning.md says which of them a source confirmed).
    double c = 0.217;    // decay scale
    double a = 0.177;    // decay intercept
    double tau = -0.704; // retrieval threshold
    double s = 0.255;    // activation noise
    // Time between sessions counts this much as psychological time (2005 paper), since a
    // day's forgetting is far slower than a minute's extrapolated.
    double h = 0.025;
    // Ours, not the papers' (they timed typed answers of adults): F e^-m of 2 s at m = 0, plus
    // 1.5 s to hear the question and find its square on the board, so a fact just above the
    // threshold takes about 5.5 s, and a well-known one about 2.5 s.
    double latencyF = 2.0;
    double fixedSeconds = 1.5;
    // Ours: a miss followed by the shown answer leaves a trace this much weaker than a right
    // recall. That retrieving beats being told is well established (Roediger and Karpicke 2006,
    // "Test-enhanced learning", Psychological Science 17); the size is our guess.
    double missWeight = 0.5;
};

// Ours: how much easier (positive) or harder a fact is than the child's average, added to the
// child's offset. Its shape follows the problem-size effect (larger products are slower and
// more often wrong) and the rules children lean on (x1, x10, x2, x5, ties), reviewed by
// Zbrodoff and Logan (2005, "What everyone finds: the problem-size effect", in Campbell (ed.),
// Handbook of Mathematical Cognition); the sizes are ours.
double factEase(int a, int b);

// Psychological seconds since the child's first practice (the caller scales gaps by h).
class FactMemory {
public:
    // The activation at `now` (minus infinity before the first practice); `beta` is the child's
    // offset.
    double activation(double now, double beta) const;
    // A practice at `now`: a question answered right, or missed and then told (a weaker trace).
    void practise(double now, double beta, const ModelParameters& model, bool recalled = true);
    bool practised() const { return !m_traces.empty(); }

private:
    struct Trace {
        double at = 0;
        double decay = 0;
        double weight = 1;
    };
    std::vector<Trace> m_traces;
};

double recallProbability(double activation, const ModelParameters& model);
double recallSeconds(double activation, const ModelParameters& model);

} // namespace quintarlow::learnsim
