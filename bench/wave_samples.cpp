#include "bench/wave_samples.h"

#include <cmath>
#include <numbers>

namespace bench {

WaveSamples WaveSamples::AtPhase(double phase) {
    WaveSamples samples;
    for (std::size_t j = 0; j < kCount; ++j) {
        const double amplitude = std::sin(std::numbers::pi * kStep * double(j));
        samples.real[j] = std::cos(phase) * amplitude;
        samples.imaginary[j] = -std::sin(phase) * amplitude;
        samples.density[j] = amplitude * amplitude;
    }
    return samples;
}

} // namespace bench
