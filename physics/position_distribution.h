#pragma once

#include "physics/box.h"
#include "physics/state.h"

#include <array>

namespace physics {

// Where a measurement of position finds the particle: the density |psi(x)|^2 of a state over the
// box and its cumulative distribution, both in closed form, and the inverse of the latter, which
// turns a uniform random number into a position drawn from the density. Positions are in units of
// L; the density is L |psi|^2, whose integral over the box is 1.
//
// With 2 sin(m pi x) sin(n pi x) = cos((m - n) pi x) - cos((m + n) pi x), the integral of
// |psi|^2 from 0 to x is x plus a sum of sin(j pi x), j = 1 to 12, whose weights the constructor
// works out once from the pairs of coefficients.
class PositionDistribution {
public:
    static constexpr int kHarmonics = 2 * kComponents;

    // The state need not be normalized; it must exist (State::Exists).
    explicit PositionDistribution(const State& state);

    double Density(double x) const;
    // The probability of finding the particle between 0 and x, for x in [0, 1].
    double Cumulative(double x) const;
    // The x in [0, 1] where Cumulative(x) = u, for u in [0, 1]: found within a bracket from a table
    // of the cumulative distribution and its slope, the density, started from the cubic through the
    // bracket's ends, then refined by Newton's method kept inside the bracket, with bisection where
    // Newton would leave it or stalls (at a node, where the density is 0).
    double Quantile(double u) const;

private:
    static constexpr int kTableIntervals = 1024;

    // The cumulative distribution and the density at x from one pair of sin and cos.
    struct Values {
        double cumulative, density;
    };
    Values At(double x) const;
    // Where the cubic that runs from one end of table interval `upper` - 1 to the other, with the
    // slopes of x(u) there, reaches u; the straight line where a slope is too steep to trust.
    double FirstGuess(int upper, double u) const;

    std::array<double, kHarmonics> sineWeights_{}; // of sin(j pi x), j = index + 1
    std::array<double, kTableIntervals + 1> cumulative_{};
    std::array<double, kTableIntervals + 1> density_{};
};

} // namespace physics
