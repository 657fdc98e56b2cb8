#pragma once

#include "toolkit/color.h"

#include <array>
#include <cstddef>

namespace spacetime {

inline constexpr std::size_t kViridisSize = 256;

// The viridis colour map, darkest first (its source and licence are in viridis.cpp).
extern const std::array<tk::Color, kViridisSize> kViridis;

// The colour of a fraction of the colour bar's range: 0 and below the darkest, 1 and above the
// brightest, each of the 256 colours for an equal part of the range between; not a number is the
// darkest.
tk::Color Viridis(double fraction);

} // namespace spacetime
