#pragma once

#include "physics/box.h"

namespace bench {

// One instant of a state of the particle in the box, as the main window samples it: the real and
// imaginary parts of the wave function, which turn with the phase, and the probability density.
struct WaveSamples {
    physics::Samples real{};
    physics::Samples imaginary{};
    physics::Samples density{};

    // The ground state alone, at this phase in degrees.
    static WaveSamples AtPhase(double degrees);
    // The superposition of the six stationary states with these magnitudes and phases in degrees.
    static WaveSamples OfState(const physics::Components& magnitudes, const physics::Components& degrees);
};

} // namespace bench
