#pragma once

#include "physics/box.h"

namespace physics {

// The abscissa of sample j in units of L: always kSampleSpacing x j, never a running sum.
inline double SampleX(int j) {
    return kSampleSpacing * j;
}

// The degrees that state n (1 to 6) turns in one frame: (n x n) x step x speed.
double PhaseStep(int n, double stepDegrees, double speed);

// The wavefunction at the samples: the states with a weight other than 0, each weighted and turned
// by its phase (in degrees), divided by the sum of the weights' sizes, so that |psi| stays at most
// 1 whatever their signs; for weights that are not negative that is their plain sum. With no
// weight at all every sample is 0/0, not a number. The density is real^2 + imaginary^2 of the
// divided values.
void Superpose(const Components& weights, const Components& phases, Samples& real, Samples& imaginary,
               Samples& density);

// The physical wavefunction at the samples, sqrt(L) psi(x) = sum of w_n e^(i phase_n) sqrt(2)
// sin(n pi x / L) over the states with a weight other than 0, and the density L |psi|^2: for
// magnitudes whose squares sum to 1 the density's integral over x/L is 1. The sum is Superpose's,
// term for term, multiplied by sqrt(2) where Superpose divides; no weight at all gives 0.
void SuperposePhysical(const Components& weights, const Components& phases, Samples& real, Samples& imaginary,
                       Samples& density);

// Both at once from one sum, as the frames need them: the same samples as Superpose and
// SuperposePhysical give, for half the work.
void SuperposeBoth(const Components& weights, const Components& phases, Samples& real, Samples& imaginary,
                   Samples& density, Samples& physicalReal, Samples& physicalImaginary,
                   Samples& physicalDensity);

// The largest |sqrt(L) psi| that those weights can ever reach, sqrt(2) x the sum of their sizes: a
// range for plots of the physical wavefunction that no instant leaves.
double PhysicalBound(const Components& weights);

} // namespace physics
