#pragma once

#include "physics/observables.h"

#include <array>
#include <optional>
#include <string>

// The Observables window's values as lines of text, which the user can select and copy and a
// screen reader reads: the run, then |c_n|^2 beside each level, then the observables, each to four
// significant digits, with "—" where there is no state to have a value.
namespace values_table {

// Where the run stands, said above the values: while it runs or is paused, the time of the frame
// shown; when it is stopped, the values are those of the state at Start.
struct RunStatus {
    bool running = false;
    bool paused = false;
    bool edited = false;      // the fields were edited since the state was loaded into the phasors
    bool timeReversed = true; // the phases turn counter-clockwise, so time runs against nature's
    double periods = 0;       // t / T1 since the last normalization
};

// The table's words in the user's language, looked up once by the window that writes the table
// every frame; the observables' labels are padded to one width in a fixed-pitch font.
struct Words {
    static constexpr int kObservables = 7;
    std::string running, paused; // with %1 for the time
    std::string stopped, edited, noState, noValue, momentumNote;
    std::array<std::string, kObservables> labels;
    std::string momentumGap; // as many empty lines as the note has

    static Words LookedUp();
};

// Replaces `text` with the table. The text's storage is reused, so a table no longer than one
// written before allocates nothing.
void Write(const std::optional<physics::Observables>& values, const RunStatus& status, const Words& words,
           std::string& text);

} // namespace values_table
