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

} // namespace physics
