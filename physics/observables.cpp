#include "physics/observables.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace physics {

namespace {

using std::numbers::pi;

bool OddSum(int m, int n) {
    return (m + n) % 2 == 1;
}

// (m^2 - n^2)^2, the denominator the off-diagonal elements share.
double SquaredGap(int m, int n) {
    const double gap = double(m * m - n * n);
    return gap * gap;
}

// The sum over every pair of states of c_m* c_n element(m, n), real for a Hermitian operator.
template <class Element> double Expectation(const State& state, Element element) {
    Complex sum = 0;
    for (int m = 1; m <= kComponents; ++m)
        for (int n = 1; n <= kComponents; ++n)
            sum += std::conj(state.c[m - 1]) * state.c[n - 1] * element(m, n);
    return sum.real();
}

double SpreadOf(double meanOfSquare, double mean) {
    return std::sqrt(std::max(0.0, meanOfSquare - mean * mean));
}

} // namespace

// 2 int x sin(m pi x) sin(n pi x) dx over [0, 1]: 1/2 on the diagonal; off it, only pairs of
// opposite parity couple.
double PositionElement(int m, int n) {
    if (m == n)
        return 0.5;
    if (!OddSum(m, n))
        return 0;
    return -8.0 * m * n / (pi * pi * SquaredGap(m, n));
}

double PositionSquaredElement(int m, int n) {
    if (m == n)
        return 1.0 / 3 - 1.0 / (2.0 * n * n * pi * pi);
    const double sign = OddSum(m, n) ? -1 : 1;
    return sign * 8.0 * m * n / (pi * pi * SquaredGap(m, n));
}

// -(i/pi) 2 int sin(m pi x) d/dx sin(n pi x) dx: purely imaginary and antisymmetric, so Hermitian.
Complex MomentumElement(int m, int n) {
    if (m == n || !OddSum(m, n))
        return 0;
    return {0, -4.0 * m * n / (pi * double(m * m - n * n))};
}

std::optional<Moments> PositionOf(const State& state) {
    if (!state.Exists())
        return std::nullopt;
    const double mean = Expectation(state, PositionElement);
    return Moments{mean, SpreadOf(Expectation(state, PositionSquaredElement), mean)};
}

// p^2 and H are diagonal on the stationary states: <p^2> = sum |c_n|^2 n^2 in units of (pi hbar/L)^2
// and <E> = the same in units of E_1. The energy's spread is summed as deviations, which stay
// positive, rather than as <E^2> - <E>^2.
std::optional<Observables> Measure(const State& state) {
    const std::optional<Moments> position = PositionOf(state);
    if (!position)
        return std::nullopt;
    Observables o;
    o.position = *position;
    for (int k = 0; k < kComponents; ++k) {
        const int n = k + 1;
        o.weights[k] = std::norm(state.c[k]);
        o.energy.mean += o.weights[k] * n * n;
    }
    double energyVariance = 0;
    for (int k = 0; k < kComponents; ++k) {
        const double deviation = double((k + 1) * (k + 1)) - o.energy.mean;
        energyVariance += o.weights[k] * deviation * deviation;
    }
    o.energy.spread = std::sqrt(energyVariance);
    o.momentum.mean = Expectation(state, MomentumElement);
    o.momentum.spread = SpreadOf(o.energy.mean, o.momentum.mean);
    // dx (in L) times dp (in pi hbar / L) is in units of pi hbar = 2 pi (hbar / 2).
    o.uncertainty = 2 * pi * o.position.spread * o.momentum.spread;
    return o;
}

} // namespace physics
