#pragma once

namespace physics {

// The time since Start in periods T1 of state 1, from the phase (in degrees) that state 1 has
// turned through since then. Every state turns n^2 times as fast as state 1, so this is the true
// time whatever the speed was; T1 is also the revival time of the box, after which every state is
// back where it started.
inline double PeriodsElapsed(double phase1AtStart, double phase1) {
    return (phase1 - phase1AtStart) / 360;
}

} // namespace physics
