#pragma once

#include "physics/box.h"
#include "physics/state.h"

namespace physics {

// What a measurement of energy finds: E_n = n^2 E_1 with the probability |c_n|^2 (divided by the
// sum of them all, for a state that is not normalized). The state must exist (State::Exists).
class EnergyDistribution {
public:
    explicit EnergyDistribution(const State& state);

    // The probability of state n, 1 to 6.
    double Probability(int n) const;
    // The state n that a uniform random number u in [0, 1) picks from the cumulative
    // probabilities: never one of probability 0.
    int Draw(double u) const;

private:
    Components cumulative_{}; // the probabilities of states 1 to index + 1
};

} // namespace physics
