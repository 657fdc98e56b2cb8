#pragma once

#include "physics/carpet.h"

#include <string>

namespace spacetime {

// The grid as a CSV table: a comment line saying what it holds, a header row with x/L of each
// column, then a row for each instant, t/T1 first and L |psi|^2 at each x after it, to six
// significant digits, which is more than any plot of it shows.
std::string GridCsv(const physics::Carpet& carpet);

} // namespace spacetime
