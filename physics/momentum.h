#pragma once

#include "physics/state.h"

#include <array>

// The momentum picture of a state: its amplitude at momentum p is the Fourier transform of the
// wavefunction over the box, int_0^L exp(-i p x / hbar) psi(x) dx / sqrt(2 pi hbar). Momenta are in
// units of pi hbar / L, so state n alone peaks near p = +n and -n.
namespace physics {

// The transform of phi_n at p, scaled so that its squared modulus is a density per unit of
// pi hbar / L. Exact, with no loss of digits near p = +n or -n, where the closed form is 0/0.
Complex MomentumAmplitude(int n, double p);

// The momentum density |psi~(p)|^2 of the state, per unit of pi hbar / L.
double MomentumDensity(const State& state, double p);

// The momentum density at evenly spaced momenta from -kMaxMomentum to +kMaxMomentum, with the
// transforms of the stationary states worked out once.
class MomentumProfile {
public:
    static constexpr double kMaxMomentum = 10;
    static constexpr int kPoints = 201;
    // No state's density exceeds this anywhere in the range (the sum over n of the squared
    // transforms bounds it, by Cauchy-Schwarz, and stays below 0.471 there).
    static constexpr double kHighestDensity = 0.5;
    using Densities = std::array<double, kPoints>;

    MomentumProfile();

    static double MomentumAt(int i);
    // Writes the state's density at every momentum; the zero state gives 0 everywhere.
    void Fill(const State& state, Densities& densities) const;

private:
    std::array<std::array<Complex, kComponents>, kPoints> amplitudes_{};
};

} // namespace physics
