#pragma once

#include <array>
#include <cstddef>

namespace bench {

// One instant of a state of a particle in a box, sampled at x = 0.01 j (x in units of the
// box length): the real and imaginary parts of the wave function, which turn with the phase, and
// the probability density.
struct WaveSamples {
    static constexpr std::size_t kCount = 101;
    static constexpr double kStep = 0.01;

    std::array<double, kCount> real{};
    std::array<double, kCount> imaginary{};
    std::array<double, kCount> density{};

    static WaveSamples AtPhase(double phase);
    // The superposition of the first six stationary states with these magnitudes and phases in
    // degrees, divided by the sum of the magnitudes' sizes, as the main window shows it.
    static WaveSamples OfState(const std::array<double, 6>& magnitudes, const std::array<double, 6>& degrees);
};

} // namespace bench
