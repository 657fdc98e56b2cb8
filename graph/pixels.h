#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Pixel positions and lengths computed in real numbers. A value beyond the int32 range is held at
// the nearest int32 and one that is not a number gives 0, so that absurd sizes or positions stay
// defined.
namespace pixels {

// Truncated toward zero, as layout positions are.
inline std::int32_t Truncated(double v) {
    using Limits = std::numeric_limits<std::int32_t>;
    if (std::isnan(v))
        return 0;
    if (v <= Limits::min())
        return Limits::min();
    if (v >= Limits::max())
        return Limits::max();
    return static_cast<std::int32_t>(v);
}

// Rounded to the nearest integer, as script sizes and offsets are.
inline std::int32_t Rounded(double v) {
    return Truncated(std::round(v));
}

} // namespace pixels
