#pragma once

#include "physics/box.h"

#include <optional>

// A Gaussian wave packet in the box, written as the six stationary states can hold it.
namespace physics {

// psi0(x) = A exp(-(x - centre)^2 / (4 width^2)) exp(i pi wavenumber x), normalized over the box.
// Its density |psi0|^2 is a bell curve of standard deviation `width`: the width a teacher reads
// off the plot of the density. Lengths are in units of L; the wavenumber is in units of pi/L, the
// momentum units of the observables, so a packet of wavenumber n moves like state n.
struct PacketShape {
    double centre = 0.5;
    double width = 0.05;
    double wavenumber = 0;
};

// The packet's projection onto the six states, ready to be typed into the fields.
struct Packet {
    Components magnitudes{}; // |c_n|, scaled so that their squares sum to 1
    Components degrees{};    // arg c_n in degrees, at most a half turn either way
    // Sum of |c_n|^2 before that scaling: the share of the packet the six states hold, at most 1. A
    // packet much narrower than the shortest half-wave, L/6, has most of itself outside them.
    double share = 0;
};

// None when the shape has no finite centre, no positive finite width or no finite wavenumber, or
// when so little of the packet lies in the box (a centre far outside it) that it has no size there.
std::optional<Packet> PacketOf(const PacketShape& shape);

} // namespace physics
