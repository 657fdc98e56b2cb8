#include "physics/goodness_of_fit.h"

#include <cmath>
#include <limits>
#include <vector>

namespace physics {

namespace {

// Pearson's rule of thumb: fewer expected counts than this make the chi-square law a poor guide.
constexpr double kLeastExpected = 5;
constexpr int kMostTerms = 1000;
constexpr double kEpsilon = 1e-16;
constexpr double kTiny = 1e-300;

// P(a, x) by its power series, for x < a + 1.
double LowerBySeries(double a, double x) {
    double term = 1 / a;
    double sum = term;
    for (int n = 1; n < kMostTerms && std::abs(term) > std::abs(sum) * kEpsilon; ++n) {
        term *= x / (a + n);
        sum += term;
    }
    return sum * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// Q(a, x) by its continued fraction, evaluated by the modified Lentz method, for x >= a + 1.
double UpperByFraction(double a, double x) {
    double b = x + 1 - a;
    double c = 1 / kTiny;
    double d = 1 / b;
    double fraction = d;
    for (int i = 1; i < kMostTerms; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        d = std::abs(d) < kTiny ? kTiny : d;
        c = b + an / c;
        c = std::abs(c) < kTiny ? kTiny : c;
        d = 1 / d;
        const double change = d * c;
        fraction *= change;
        if (std::abs(change - 1) < kEpsilon)
            break;
    }
    return std::exp(-x + a * std::log(x) - std::lgamma(a)) * fraction;
}

} // namespace

double ChiSquareTail(double value, int degreesOfFreedom) {
    if (degreesOfFreedom <= 0 || !(value > 0))
        return 1;
    if (std::isinf(value))
        return 0;
    const double a = degreesOfFreedom / 2.0;
    const double x = value / 2;
    return x < a + 1 ? 1 - LowerBySeries(a, x) : UpperByFraction(a, x);
}

ChiSquare ChiSquareTest(std::span<const double> observed, std::span<const double> expected) {
    for (std::size_t i = 0; i < expected.size(); ++i)
        if (!(expected[i] > 0) && observed[i] > 0)
            return {std::numeric_limits<double>::infinity(), static_cast<int>(expected.size()) - 1, 0};
    std::vector<double> pooledObserved;
    std::vector<double> pooledExpected;
    double o = 0;
    double e = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        o += observed[i];
        e += expected[i];
        if (e >= kLeastExpected) {
            pooledObserved.push_back(o);
            pooledExpected.push_back(e);
            o = e = 0;
        }
    }
    // What is left joins the last pool, or forms the only one.
    if (pooledExpected.empty() || e > 0 || o > 0) {
        if (pooledExpected.empty()) {
            pooledObserved.push_back(0);
            pooledExpected.push_back(0);
        }
        pooledObserved.back() += o;
        pooledExpected.back() += e;
    }
    ChiSquare test;
    for (std::size_t i = 0; i < pooledExpected.size(); ++i) {
        const double gap = pooledObserved[i] - pooledExpected[i];
        if (pooledExpected[i] > 0)
            test.value += gap * gap / pooledExpected[i];
    }
    test.degreesOfFreedom = static_cast<int>(pooledExpected.size()) - 1;
    test.p = ChiSquareTail(test.value, test.degreesOfFreedom);
    return test;
}

} // namespace physics
