#include "run/selection.h"

namespace run {

Selection::Weights Selection::ShowWeights() const {
    Weights weights{};
    for (int k = 0; k < physics::kComponents; ++k)
        weights[k] = IsTotal() || k + 1 == state_ ? 1 : 0;
    return weights;
}

std::string Selection::Name() const {
    return IsTotal() ? "Total" : "n=" + std::to_string(state_);
}

} // namespace run
