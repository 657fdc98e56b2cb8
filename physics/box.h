#pragma once

#include <array>

// The particle in a box of width L: a superposition of the first six stationary states
// sin(n pi x / L), sampled at 101 points across the box. Positions are in units of L, phases in
// degrees. Every constant of the model lives here, as the literal the frames are computed with.
namespace physics {

inline constexpr int kComponents = 6;
inline constexpr int kSamples = 101;
// Sample j lies at x/L = kSampleSpacing x j, so the samples run from wall to wall.
inline constexpr double kSampleSpacing = 0.01;
// Degrees to radians and pi as these literals, not the closest doubles: the samples' last bits
// depend on them.
inline constexpr double kDegreesToRadians = 0.01745329251994;
inline constexpr double kPi = 3.14159265358979;
// The phase step of state 1 at speed 1, in degrees per frame; state n turns n^2 times as fast.
inline constexpr double kPhaseStep = 0.1;

// The energy of state n in units of the energy E1 of state 1, n^2: also how many times as fast as
// state 1 its phase turns.
constexpr double EnergyFactor(int n) {
    return static_cast<double>(n * n);
}

// One value per stationary state n = index + 1.
using Components = std::array<double, kComponents>;
// One value per sample j.
using Samples = std::array<double, kSamples>;

} // namespace physics
