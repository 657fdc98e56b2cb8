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
    bool physicalScale = false; // whether the plots show the physical wavefunction
    // sqrt(L) psi and L |psi|^2 of the shown states, the physical wavefunction and density.
    physics::Samples real{};
    physics::Samples imaginary{};
    physics::Samples density{};
    // The same divided by sqrt(2) x the sum of |c_n| over the shown states, and its square: what the
    // plots show without the physical scale.
    physics::Samples scaledReal{};
    physics::Samples scaledImaginary{};
    physics::Samples scaledDensity{};
};

// The record as CSV: comment lines ("# ") with the coefficients, the time, the speed, the
// selection and the scale plotted, then a header row and at every sample the columns x/L, √L·Re ψ,
// √L·Im ψ and L·|ψ|², then the scaled ones, which a comment line defines. Every
// number is the shortest text that reads back as the same double. A typed text keeps its comment
// line one line of UTF-8, whatever it holds: a backslash is written "\\", each byte of a control
// character, of U+2028 or U+2029, or of what is not UTF-8 as "\xNN", and a text with a comma or a
// quote is quoted.
std::string DataTable(const StateRecord& record);

} // namespace exporting
