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
    for (int i = 0; i <= kTableIntervals; ++i)
        table_[i] = At(double(i) / kTableIntervals).cumulative;
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

double PositionDistribution::Quantile(double u) const {
    u = std::clamp(u, 0.0, 1.0);
    const auto* const above = std::upper_bound(table_.begin(), table_.end(), u);
    const int upper = std::clamp(static_cast<int>(above - table_.begin()), 1, kTableIntervals);
    double low = double(upper - 1) / kTableIntervals;
    double high = double(upper) / kTableIntervals;
    const double span = table_[upper] - table_[upper - 1];
    double x = span > 0 ? low + (high - low) * (u - table_[upper - 1]) / span : (low + high) / 2;
    for (int step = 0; step < kMostSteps && high - low > kPrecision; ++step) {
        const Values v = At(x);
        if (v.cumulative < u)
            low = x;
        else
            high = x;
        const double newton = v.density > 0 ? x - (v.cumulative - u) / v.density : low - 1;
        const double next = newton > low && newton < high ? newton : (low + high) / 2;
        if (std::abs(next - x) < kPrecision)
            return next;
        x = next;
    }
    return x;
}

} // namespace physics
