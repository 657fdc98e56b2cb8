#include "physics/state.h"

#include "physics/box.h"
#include "physics/normalization.h"

#include <algorithm>
#include <cmath>

namespace physics {

namespace {

bool AllFinite(const Components& values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

} // namespace

bool State::Exists() const {
    return std::any_of(c.begin(), c.end(), [](Complex v) { return v != 0.0; });
}

State StateOf(const Components& magnitudes, const Components& phasesDegrees) {
    if (!AllFinite(magnitudes) || !AllFinite(phasesDegrees))
        return {};
    const Components normalized = Normalized(magnitudes);
    State state;
    for (int k = 0; k < kComponents; ++k)
        state.c[k] = std::polar(1.0, phasesDegrees[k] * kDegreesToRadians) * normalized[k];
    return state;
}

// Each coefficient turns on its own, so no phase difference is ever formed: phases may be as large
// as a double holds without their difference overflowing.
State Turned(const State& state, double periods) {
    State turned;
    for (int k = 0; k < kComponents; ++k)
        turned.c[k] = state.c[k] * std::polar(1.0, EnergyFactor(k + 1) * 360 * periods * kDegreesToRadians);
    return turned;
}

} // namespace physics
