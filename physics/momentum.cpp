#include "physics/momentum.h"

#include <cmath>
#include <numbers>

namespace physics {

namespace {

using std::numbers::pi;

double Sinc(double u) {
    return u == 0 ? 1 : std::sin(u) / u;
}

Complex Sum(const std::array<Complex, kComponents>& amplitudes, const State& state) {
    Complex sum = 0;
    for (int k = 0; k < kComponents; ++k)
        sum += state.c[k] * amplitudes[k];
    return sum;
}

} // namespace

// sqrt(2) int_0^1 exp(-i pi p x) sin(n pi x) dx / sqrt(2) = n (1 - (-1)^n e^(-i pi p)) / (pi (n^2 - p^2)),
// written with a sinc so that the factor that vanishes at p = n (for p >= 0) or at p = -n (for
// p < 0) divides out exactly; the denominator left over is then at least n.
Complex MomentumAmplitude(int n, double p) {
    const Complex turn = std::polar(1.0, pi * (n - p) / 2);
    if (p >= 0)
        return Complex(0, -n) * turn * Sinc(pi * (n - p) / 2) / (n + p);
    const double sign = n % 2 == 1 ? 1 : -1;
    return Complex(0, -n) * turn * sign * Sinc(pi * (n + p) / 2) / (n - p);
}

double MomentumDensity(const State& state, double p) {
    std::array<Complex, kComponents> amplitudes{};
    for (int k = 0; k < kComponents; ++k)
        amplitudes[k] = MomentumAmplitude(k + 1, p);
    return std::norm(Sum(amplitudes, state));
}

MomentumProfile::MomentumProfile() {
    for (int i = 0; i < kPoints; ++i)
        for (int k = 0; k < kComponents; ++k)
            amplitudes_[i][k] = MomentumAmplitude(k + 1, MomentumAt(i));
}

double MomentumProfile::MomentumAt(int i) {
    return -kMaxMomentum + 2 * kMaxMomentum * i / (kPoints - 1);
}

void MomentumProfile::Fill(const State& state, Densities& densities) const {
    for (int i = 0; i < kPoints; ++i)
        densities[i] = std::norm(Sum(amplitudes_[i], state));
}

} // namespace physics
