#pragma once

#include <array>
#include <cstddef>

namespace bench {

// One instant of the ground state of a particle in a box, sampled at x = 0.01 j (x in units of the
// box length): the real and imaginary parts of the wave function, which turn with the phase, and
// the probability density.
struct WaveSamples {
    static constexpr std::size_t kCount = 101;
    static constexpr double kStep = 0.01;

    std::array<double, kCount> real{};
    std::array<double, kCount> imaginary{};
    std::array<double, kCount> density{};

    static WaveSamples AtPhase(double phase);
};

} // namespace bench
