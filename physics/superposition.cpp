#include "physics/superposition.h"

#include <cmath>

namespace physics {

double PhaseStep(int n, double stepDegrees, double speed) {
    return EnergyFactor(n) * stepDegrees * speed;
}

// The order of the operations is part of the result: each state's terms are added sample by
// sample in state order, and the division comes last.
void Superpose(const Components& weights, const Components& phases, Samples& real, Samples& imaginary,
               Samples& density) {
    const double dx = kSampleSpacing;
    real.fill(0);
    imaginary.fill(0);
    density.fill(0);
    double totalWeight = 0;
    for (int k = 0; k < kComponents; ++k) {
        const double w = weights[k];
        if (w == 0)
            continue;
        const int n = k + 1;
        const double c = std::cos(phases[k] * kDegreesToRadians);
        const double s = std::sin(phases[k] * kDegreesToRadians);
        const double kappa = (static_cast<double>(n) * kPi) * dx;
        totalWeight = totalWeight + std::abs(w);
        for (int j = 0; j < kSamples; ++j) {
            const double a = w * std::sin(kappa * j);
            real[j] = real[j] + a * c;
            imaginary[j] = imaginary[j] + a * s;
        }
    }
    for (int j = 0; j < kSamples; ++j) {
        real[j] = real[j] / totalWeight;
        imaginary[j] = imaginary[j] / totalWeight;
        density[j] = real[j] * real[j] + imaginary[j] * imaginary[j];
    }
}

} // namespace physics
