#pragma once

namespace bench {

// Runs the main window's frame timer for ten seconds on the current display and prints the
// intervals between frames (median and 95th percentile) and the process's CPU use while it runs
// and while it is stopped. Returns whether they meet 33 +- 3 ms and under 5 % of a core.
bool TimeTheFrameTimer();

} // namespace bench
