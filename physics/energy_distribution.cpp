#include "physics/energy_distribution.h"

#include <complex>

namespace physics {

EnergyDistribution::EnergyDistribution(const State& state) {
    double total = 0;
    for (const Complex& c : state.c)
        total += std::norm(c);
    double sum = 0;
    for (int k = 0; k < kComponents; ++k) {
        sum += std::norm(state.c[k]);
        cumulative_[k] = sum / total;
    }
}

double EnergyDistribution::Probability(int n) const {
    return n == 1 ? cumulative_[0] : cumulative_[n - 1] - cumulative_[n - 2];
}

// The last state with a weight takes what rounding leaves above the last sum.
int EnergyDistribution::Draw(double u) const {
    int last = 1;
    for (int n = 1; n <= kComponents; ++n) {
        if (Probability(n) <= 0)
            continue;
        if (u < cumulative_[n - 1])
            return n;
        last = n;
    }
    return last;
}

} // namespace physics
