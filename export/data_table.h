#pragma once

#include "physics/box.h"

#include <array>
#include <string>

namespace exporting {

// The state at one instant, as a data file records it.
struct StateRecord {
    std::array<std::string, physics::kComponents> typedMagnitudes; // the fields as they read
    std::array<std::string, physics::kComponents> typedAngles;
    physics::Components magnitudes{}; // normalized, as the phasors hold them
    physics::Components phases{};     // in degrees, as far as the frames have turned them
    std::string shown;                // what the plots show: "Total", or "n=3" for state 3 alone
    double periods = 0;               // t/T1 since the last normalization
    int speed = 0;
    physics::Samples real{};
    physics::Samples imaginary{};
    physics::Samples density{};
};

// The record as CSV: comment lines ("# ") with the coefficients, the time, the speed and the
// selection, then a header row and the columns x/L, Re ψ, Im ψ and |ψ|² at every sample. Every
// number is the shortest text that reads back as the same double. A typed text keeps its comment
// line one line of UTF-8, whatever it holds: a backslash is written "\\", each byte of a control
// character, of U+2028 or U+2029, or of what is not UTF-8 as "\xNN", and a text with a comma or a
// quote is quoted.
std::string DataTable(const StateRecord& record);

} // namespace exporting
