#pragma once

#include "physics/box.h"

namespace physics {

// The magnitudes scaled so that their squares sum to 1: each multiplied by one factor,
// 1 / sqrt(sum of squares), computed once. Signs stay. The zero state has nothing to scale and
// stays the zero state. When the squares overflow or underflow a double, the magnitudes are first
// divided by the largest of them; ordinary magnitudes never take that path, so their results are
// those of the plain product to the last bit.
Components Normalized(const Components& magnitudes);

} // namespace physics
