#pragma once

#include "physics/box.h"

namespace physics {

// Ready-made states to start a lesson from.
enum class Preset {
    Ground,     // state 1 alone
    FirstTwo,   // states 1 and 2 in equal parts: the simplest sloshing
    FirstThree, // states 1, 2 and 3 in equal parts
    Packet,     // a narrow bump near x = L/4
    Cat,        // two such bumps, near L/4 and 3L/4, in phase
};

// The magnitude fields show six decimals, in this format of tk::Format; what is typed is rounded to
// them, a millionth.
inline constexpr const char* kMagnitudeFormat = "0.000000";
inline constexpr double kFieldResolution = 1e6;

// The coefficients of a state as they are typed: magnitudes, normalized and rounded to the six
// decimals of the fields, and angles in whole degrees (0, or 180 for a negative amplitude).
struct Typed {
    Components magnitudes{};
    Components degrees{};
};

Typed TypedPreset(Preset preset);

// The amplitudes of a bump exp(-(x - centre)^2 / (2 width^2)) across the box (x in units of L),
// projected onto the six states: the integral of bump x sin(n pi x) over the box, by the midpoint
// rule. Not normalized.
Components BumpAmplitudes(double centre, double width);

} // namespace physics
