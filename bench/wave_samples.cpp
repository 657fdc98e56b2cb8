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

WaveSamples WaveSamples::OfState(const std::array<double, 6>& magnitudes,
                                 const std::array<double, 6>& degrees) {
    WaveSamples samples;
    double weight = 0;
    for (std::size_t k = 0; k < magnitudes.size(); ++k) {
        const double w = magnitudes[k];
        const double c = std::cos(degrees[k] * 0.01745329251994);
        const double s = std::sin(degrees[k] * 0.01745329251994);
        const double kappa = (double(k + 1) * 3.14159265358979) * kStep;
        weight += std::abs(w);
        for (std::size_t j = 0; j < kCount; ++j) {
            const double a = w * std::sin(kappa * double(j));
            samples.real[j] += a * c;
            samples.imaginary[j] += a * s;
        }
    }
    for (std::size_t j = 0; j < kCount; ++j) {
        samples.real[j] /= weight;
        samples.imaginary[j] /= weight;
        samples.density[j] = samples.real[j] * samples.real[j] + samples.imaginary[j] * samples.imaginary[j];
    }
    return samples;
}

} // namespace bench
