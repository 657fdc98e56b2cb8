#pragma once

#include <span>

namespace physics {

// Pearson's chi-square test of counts against the counts a prediction expects.
struct ChiSquare {
    double value = 0;
    int degreesOfFreedom = 0;
    // The probability that chance alone gives a value this large or larger, when the prediction is
    // right.
    double p = 1;
};

// The test of observed counts against expected ones, category by category. Neighbouring categories
// whose expected counts are below 5 are pooled until they reach it, as the test's approximation
// asks. A count where nothing is expected refutes the prediction: the value is infinite and p 0.
// No degrees of freedom (all in one pool) gives p = 1. Both spans have the same length.
ChiSquare ChiSquareTest(std::span<const double> observed, std::span<const double> expected);

// The probability that a chi-square variable of `degreesOfFreedom` exceeds `value`: the
// regularized upper incomplete gamma function Q(k/2, value/2), from its series below a + 1 and
// its continued fraction above.
double ChiSquareTail(double value, int degreesOfFreedom);

} // namespace physics
