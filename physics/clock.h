#pragma once

#include "physics/box.h"

namespace physics {

// Which way the phases turn as the clock counts up. Counter-clockwise, the phases grow: the
// coefficients go as exp(+i E_n t / hbar), so the animation's time runs against nature's and a
// packet moves against its <p>. Clockwise, exp(-i E_n t / hbar), is nature's own way.
enum class Turning { CounterClockwise, Clockwise };

// The sign of every phase step: +1 counter-clockwise, -1 clockwise.
constexpr double TurnSign(Turning turning) {
    return turning == Turning::Clockwise ? -1.0 : 1.0;
}

// The time since Start in periods T1 of state 1, from the phase (in degrees) that state 1 has
// turned through since then. Every state turns n^2 times as fast as state 1, so this is the true
// time whatever the speed was; T1 is also the revival time of the box, after which every state is
// back where it started.
inline double PeriodsElapsed(double phase1AtStart, double phase1) {
    return (phase1 - phase1AtStart) / 360;
}

// The phases (in degrees) a fraction of T1 after Start: state n has turned n^2 whole turns a
// period, so its phase is its phase at Start plus (n x n) x 360 x fraction. For the quarters of
// the period every product is exact.
inline Components PhasesAt(const Components& phasesAtStart, double fraction) {
    Components phases{};
    for (int k = 0; k < kComponents; ++k)
        phases[k] = phasesAtStart[k] + EnergyFactor(k + 1) * 360 * fraction;
    return phases;
}

} // namespace physics
