#pragma once

#include "observables/position_trace.h"
#include "physics/momentum.h"
#include "physics/observables.h"

#include <optional>
#include <span>
#include <string>

// What the Observables window shows, as CSV for a lab report: each table after a comment line
// that names it and a row of column heads. The values of the observables, the probability of each
// energy level, the path of <x> and its spread over the span the plot shows, and the momentum
// distribution. Every number is the shortest text that reads back as the same double; a value the
// state does not have (there is no state) is an empty field.
namespace observables_csv {

struct Shown {
    std::optional<physics::Observables> values;
    double periods = 0; // t/T1 of the state measured
    std::span<const PositionTrace::Sample> path;
    const physics::MomentumProfile::Densities* densities = nullptr;
};

std::string Csv(const Shown& shown);

} // namespace observables_csv
