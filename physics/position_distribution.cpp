#include "physics/position_distribution.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace physics {

namespace {

using std::numbers::pi;

constexpr int kMostSteps = 60;
// Closer than this the bracket is as good as a point: far below the resolution of any histogram.
constexpr double kPrecision = 1e-14;
// A first guess this close in probability, where the density is at least kSteadyDensity, is
// finished by one Newton step, whose error is of the order of the square of this: no check needed.
constexpr double kNearEnough = 1e-9;
constexpr double kSteadyDensity = 1e-3;
// Beyond this slope, relative to the straight line, the cubic may turn back within the interval.
constexpr double kSteepestSlope = 3;

} // namespace

PositionDistribution::PositionDistribution(const State& state) {
    double total = 0;
    for (const Complex& c : state.c)
        total += std::norm(c);
    for (int m = 1; m <= kComponents; ++m) {
        // x - sin(2 m pi x) / (2 m pi), the integral of 2 sin^2(m pi x)
        sineWeights_[2 * m - 1] -= std::norm(state.c[m - 1]) / (2 * m * pi) / total;
        for (int n = m + 1; n <= kComponents; ++n) {
            // the pair (m, n) and its mirror (n, m) together: twice the real part
            const double pair = 2 * (std::conj(state.c[m - 1]) * state.c[n - 1]).real() / total;
            sineWeights_[n - m - 1] += pair / ((n - m) * pi);
            sineWeights_[n + m - 1] -= pair / ((n + m) * pi);
        }
    }
    for (int i = 0; i <= kTableIntervals; ++i) {
        const Values v = At(double(i) / kTableIntervals);
        cumulative_[i] = v.cumulative;
        density_[i] = v.density;
    }
}

// sin(j pi x) and cos(j pi x) for every j by the recurrence of the multiple angles, from one sin
// and one cos.
PositionDistribution::Values PositionDistribution::At(double x) const {
    const double s1 = std::sin(pi * x);
    const double c1 = std::cos(pi * x);
    double sine = s1;
    double cosine = c1;
    Values values{x, 1};
    for (int j = 1; j <= kHarmonics; ++j) {
        values.cumulative += sineWeights_[j - 1] * sine;
        values.density += sineWeights_[j - 1] * j * pi * cosine;
        const double nextSine = sine * c1 + cosine * s1;
        cosine = cosine * c1 - sine * s1;
        sine = nextSine;
    }
    return values;
}

double PositionDistribution::Density(double x) const {
    return std::max(0.0, At(x).density);
}

double PositionDistribution::Cumulative(double x) const {
    return std::clamp(At(x).cumulative, 0.0, 1.0);
}

double PositionDistribution::FirstGuess(int upper, double u) const {
    const double low = double(upper - 1) / kTableIntervals;
    const double width = 1.0 / kTableIntervals;
    const double rise = cumulative_[upper] - cumulative_[upper - 1];
    if (!(rise > 0))
        return low + width / 2;
    const double s = (u - cumulative_[upper - 1]) / rise;
    // dx/du at the ends, relative to the straight line's width / rise
    const double m0 = rise / (width * density_[upper - 1]);
    const double m1 = rise / (width * density_[upper]);
    if (!(m0 < kSteepestSlope && m1 < kSteepestSlope))
        return low + width * s;
    const double s2 = s * s;
    const double s3 = s2 * s;
    return low + width * ((s3 - 2 * s2 + s) * m0 + (3 * s2 - 2 * s3) + (s3 - s2) * m1);
}

double PositionDistribution::Quantile(double u) const {
    u = std::clamp(u, 0.0, 1.0);
    const auto* const above = std::upper_bound(cumulative_.begin(), cumulative_.end(), u);
    const int upper = std::clamp(static_cast<int>(above - cumulative_.begin()), 1, kTableIntervals);
    double low = double(upper - 1) / kTableIntervals;
    double high = double(upper) / kTableIntervals;
    double x = std::clamp(FirstGuess(upper, u), low, high);
    for (int step = 0; step < kMostSteps && high - low > kPrecision; ++step) {
        const Values v = At(x);
        if (v.cumulative < u)
            low = x;
        else
            high = x;
        const double newton = v.density > 0 ? x - (v.cumulative - u) / v.density : low - 1;
        const bool inside = newton > low && newton < high;
        if (inside && std::abs(v.cumulative - u) < kNearEnough && v.density > kSteadyDensity)
            return newton;
        const double next = inside ? newton : (low + high) / 2;
        if (std::abs(next - x) < kPrecision)
            return next;
        x = next;
    }
    return x;
}

} // namespace physics
