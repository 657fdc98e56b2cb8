#pragma once

#include "physics/box.h"
#include "physics/state.h"

#include <optional>

// What can be measured on a state of the box, from closed forms: each expectation value is a sum
// over pairs of states of c_m* c_n times the integral of phi_m (operator) phi_n over the box,
// and those integrals are known exactly. Lengths are in units of L, momenta in units of pi hbar/L
// (state n alone has |p| = n), energies in units of E_1 (E_n = n^2 E_1).
namespace physics {

// The mean of a quantity and its spread, the square root of its variance.
struct Moments {
    double mean = 0;
    double spread = 0;
};

struct Observables {
    Components weights{};   // |c_n|^2, the probability of finding energy E_n
    Moments energy;         // E / E_1
    Moments position;       // x / L
    Moments momentum;       // p / (pi hbar / L)
    double uncertainty = 0; // dx dp / (hbar / 2), at least 1
};

// The position alone, which a plot of it over time needs many times a frame.
std::optional<Moments> PositionOf(const State& state);

// Everything at once; none for the zero state.
std::optional<Observables> Measure(const State& state);

} // namespace physics
