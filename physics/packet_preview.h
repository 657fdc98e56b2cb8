#pragma once

#include "physics/box.h"
#include "physics/packet.h"

namespace physics {

// What the Build a Packet dialog draws: the packet's density L|psi0|^2 and the density of its
// projection onto the six states, the sum of c_n phi_n before the coefficients are scaled to a
// whole particle, at the 101 samples. The area under the first is 1 over the box, under the second
// the packet's share in the six states.
struct PacketPreview {
    Samples packet{};
    Samples projection{};
};

PacketPreview PreviewOf(const PacketShape& shape, const Packet& packet);

} // namespace physics
