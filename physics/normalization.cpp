#include "physics/normalization.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace physics {

namespace {

double SumOfSquares(const Components& m) {
    double q = 0;
    for (double v : m)
        q = q + v * v;
    return q;
}

double NormalizingFactor(double q) {
    return q == 0 ? 0 : 1.0 / std::sqrt(q);
}

bool OutOfRange(double q, const Components& m) {
    return !std::isfinite(q) || (q < DBL_MIN && q > 0) || (q == 0 && m != Components{});
}

} // namespace

Components Normalized(const Components& magnitudes) {
    Components m = magnitudes;
    double q = SumOfSquares(m);
    if (OutOfRange(q, m)) {
        double largest = 0;
        for (double v : m)
            largest = std::max(largest, std::abs(v));
        for (double& v : m)
            v = v / largest;
        q = SumOfSquares(m);
    }
    const double f = NormalizingFactor(q);
    for (double& v : m)
        v = v * f;
    return m;
}

} // namespace physics
