#pragma once

namespace bench {

// Runs the main window's frame timer for ten seconds on the current display and prints the
// intervals between frames (median and 95th percentile) and the process's CPU use while it runs
// and while it is stopped. Returns whether they meet 33 +- 3 ms and under 5 % of a core.
bool TimeTheFrameTimer();

// Runs the main window's frame timer for ten seconds with the presentation view open as large as
// the screen, then ten more with the view's pictures only blitted instead (each precomputed twice,
// swapped and repainted at every frame); prints the intervals between frames with the view and the
// process's CPU use in both. Returns whether the 95th percentile is at most 36 ms and the CPU use is
// at most twice the floor's.
bool TimeThePresentation();

} // namespace bench
