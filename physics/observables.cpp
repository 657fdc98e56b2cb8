#include "physics/observables.h"

#include "physics/box.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace physics {

namespace {

using std::numbers::pi;
using Table = std::array<std::array<double, kComponents>, kComponents>;

constexpr bool OddSum(int m, int n) {
    return (m + n) % 2 == 1;
}

// (m^2 - n^2)^2, the denominator the off-diagonal elements share.
constexpr double SquaredGap(int m, int n) {
    const double gap = EnergyFactor(m) - EnergyFactor(n); // exact, as every factor is a small whole number
    return gap * gap;
}

// 2 int_0^1 x sin(m pi x) sin(n pi x) dx, and the same with x^2: the diagonal is a state's own
// mean; off it, x couples only states of opposite parity.
constexpr double PositionElement(int m, int n) {
    if (m == n)
        return 0.5;
    return OddSum(m, n) ? -8.0 * m * n / (pi * pi * SquaredGap(m, n)) : 0;
}

constexpr double PositionSquaredElement(int m, int n) {
    if (m == n)
        return 1.0 / 3 - 1.0 / (2.0 * n * n * pi * pi);
    return (OddSum(m, n) ? -8.0 : 8.0) * m * n / (pi * pi * SquaredGap(m, n));
}

// -(i/pi) 2 int_0^1 sin(m pi x) d/dx sin(n pi x) dx is -i times this: purely imaginary and
// antisymmetric, so the operator is Hermitian.
constexpr double MomentumElement(int m, int n) {
    return m != n && OddSum(m, n) ? 4.0 * m * n / (pi * double(m * m - n * n)) : 0;
}

template <class Element> constexpr Table TableOf(Element element) {
    Table table{};
    for (int m = 1; m <= kComponents; ++m)
        for (int n = 1; n <= kComponents; ++n)
            table[m - 1][n - 1] = element(m, n);
    return table;
}

constexpr Table kPosition = TableOf(PositionElement);
constexpr Table kPositionSquared = TableOf(PositionSquaredElement);
constexpr Table kMomentum = TableOf(MomentumElement);

double SpreadOf(double meanOfSquare, double mean) {
    return std::sqrt(std::max(0.0, meanOfSquare - mean * mean));
}

// Sum over m < n of 2 Im(c_m* c_n) x the momentum element: the pair (m, n) and its mirror (n, m)
// together.
double MeanMomentum(const State& state) {
    double mean = 0;
    for (int m = 0; m < kComponents; ++m)
        for (int n = m + 1; n < kComponents; ++n)
            mean += 2 * (std::conj(state.c[m]) * state.c[n]).imag() * kMomentum[m][n];
    return mean;
}

} // namespace

// <x> and <x^2> together, each pair's product c_m* c_n formed once: the sum over all pairs of a
// real symmetric element is the diagonal plus twice the real part above it.
std::optional<Moments> PositionOf(const State& state) {
    if (!state.Exists())
        return std::nullopt;
    double mean = 0;
    double meanOfSquare = 0;
    for (int m = 0; m < kComponents; ++m) {
        const double weight = std::norm(state.c[m]);
        mean += weight * kPosition[m][m];
        meanOfSquare += weight * kPositionSquared[m][m];
        for (int n = m + 1; n < kComponents; ++n) {
            const double pair = 2 * (std::conj(state.c[m]) * state.c[n]).real();
            mean += pair * kPosition[m][n];
            meanOfSquare += pair * kPositionSquared[m][n];
        }
    }
    return Moments{mean, SpreadOf(meanOfSquare, mean)};
}

// p^2 and H are diagonal on the stationary states, with the same numbers: <p^2> in units of
// (pi hbar / L)^2 and <E> in units of E_1 are both sum |c_n|^2 n^2. The energy's spread is summed
// as squared deviations, which stay positive, rather than as <E^2> - <E>^2.
std::optional<Observables> Measure(const State& state) {
    const std::optional<Moments> position = PositionOf(state);
    if (!position)
        return std::nullopt;
    Observables o;
    o.position = *position;
    for (int k = 0; k < kComponents; ++k) {
        o.weights[k] = std::norm(state.c[k]);
        // Multiplied by n twice rather than by n^2 once, which would round differently.
        o.energy.mean += o.weights[k] * (k + 1) * (k + 1);
    }
    double energyVariance = 0;
    for (int k = 0; k < kComponents; ++k) {
        const double deviation = EnergyFactor(k + 1) - o.energy.mean;
        energyVariance += o.weights[k] * deviation * deviation;
    }
    o.energy.spread = std::sqrt(energyVariance);
    o.momentum.mean = MeanMomentum(state);
    o.momentum.spread = SpreadOf(o.energy.mean, o.momentum.mean);
    // dx (in L) times dp (in pi hbar / L) is in units of pi hbar = 2 pi (hbar / 2).
    o.uncertainty = 2 * pi * o.position.spread * o.momentum.spread;
    return o;
}

} // namespace physics
