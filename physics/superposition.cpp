#include "physics/superposition.h"

#include <cmath>
#include <numbers>

namespace physics {

double PhaseStep(int n, double stepDegrees, double speed) {
    return EnergyFactor(n) * stepDegrees * speed;
}

namespace {

// The shown states summed at the samples, each weighted and turned by its phase; returns the sum of
// the weights' sizes. The order of the operations is part of the result: each state's terms are
// added sample by sample in state order.
double Sum(const Components& weights, const Components& phases, Samples& real, Samples& imaginary) {
    const double dx = kSampleSpacing;
    real.fill(0);
    imaginary.fill(0);
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
    return totalWeight;
}

// Each sample of the sum scaled, and the density of the scaled values.
template <class Scale> void Scaled(Samples& real, Samples& imaginary, Samples& density, Scale scale) {
    for (int j = 0; j < kSamples; ++j) {
        real[j] = scale(real[j]);
        imaginary[j] = scale(imaginary[j]);
        density[j] = real[j] * real[j] + imaginary[j] * imaginary[j];
    }
}

} // namespace

// The division comes last, after the whole sum.
void Superpose(const Components& weights, const Components& phases, Samples& real, Samples& imaginary,
               Samples& density) {
    const double totalWeight = Sum(weights, phases, real, imaginary);
    Scaled(real, imaginary, density, [totalWeight](double v) { return v / totalWeight; });
}

void SuperposePhysical(const Components& weights, const Components& phases, Samples& real, Samples& imaginary,
                       Samples& density) {
    Sum(weights, phases, real, imaginary);
    Scaled(real, imaginary, density, [](double v) { return std::numbers::sqrt2 * v; });
}

void SuperposeBoth(const Components& weights, const Components& phases, Samples& real, Samples& imaginary,
                   Samples& density, Samples& physicalReal, Samples& physicalImaginary,
                   Samples& physicalDensity) {
    const double totalWeight = Sum(weights, phases, real, imaginary);
    physicalReal = real;
    physicalImaginary = imaginary;
    Scaled(real, imaginary, density, [totalWeight](double v) { return v / totalWeight; });
    Scaled(physicalReal, physicalImaginary, physicalDensity,
           [](double v) { return std::numbers::sqrt2 * v; });
}

double PhysicalBound(const Components& weights) {
    double total = 0;
    for (const double w : weights)
        total += std::abs(w);
    return std::numbers::sqrt2 * total;
}

} // namespace physics
