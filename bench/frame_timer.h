#pragma once

namespace bench {

// Runs the main window's frame timer on the current display for five rounds of two seconds, each
// followed by two seconds of its pictures only blitted at the same pace (each precomputed twice,
// swapped and repainted), then stopped; prints the intervals between frames (median and 95th
// percentile) and the median CPU use of the process on both sides, and stopped. Returns whether the
// intervals meet 33 +- 3 ms and the CPU use is at most twice the floor's.
bool TimeTheFrameTimer();

// Runs the main window's frame timer for ten seconds with the presentation view open as large as
// the screen, then ten more with the view's pictures only blitted instead (each precomputed twice,
// swapped and repainted at every frame); prints the intervals between frames with the view and the
// process's CPU use in both. Returns whether the 95th percentile is at most 36 ms and the CPU use is
// at most twice the floor's.
bool TimeThePresentation();

// Runs the main window's frame timer for ten seconds with the space-time picture of a packet open
// beside it; prints the intervals between frames and the process's CPU use. Returns whether the
// intervals meet 33 +- 3 ms.
bool TimeTheFrameTimerWithSpaceTime();

} // namespace bench
