#pragma once

#include "physics/box.h"

#include <array>
#include <complex>

namespace physics {

using Complex = std::complex<double>;

// A state of the particle: its coefficient c_n on the normalized stationary state
// phi_n(x) = sqrt(2/L) sin(n pi x / L), for n = index + 1, with sum |c_n|^2 = 1. The zero state,
// every coefficient 0, is no particle at all: none of its observables has a value.
struct State {
    std::array<Complex, kComponents> c{};

    bool Exists() const;
};

// The state the phasors stand for: c_n = magnitude_n e^(i phase_n), phases in degrees turned into
// radians as the frames turn them, scaled so that the squares of the magnitudes sum to 1. Signs
// stay, so a negative magnitude points against its phase. It is the zero state when every
// magnitude is 0, or when a magnitude or phase is not a finite number.
State StateOf(const Components& magnitudes, const Components& phasesDegrees);

// The state `periods` periods T1 of state 1 later, as the animation runs: each phase turns on by
// n^2 x 360 degrees a period, counter-clockwise (a negative count goes back). The animation's phases
// grow where exp(-i E_n t / hbar) would turn them back, so its time runs the other way from the
// physical one.
State Turned(const State& state, double periods);

} // namespace physics
