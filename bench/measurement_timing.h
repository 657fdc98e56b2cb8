#pragma once

namespace bench {

// Times a million positions drawn from the packet's density by the closed-form cumulative
// distribution and its bracketed inversion, and a million measured copies tallied (a position and an
// energy each, binned), the median of five rounds; returns whether the positions take under 0.5 s.
bool TimeTheSampling();

// Runs the main window's animation on the current display with the Measurements window open, five
// rounds of two seconds left alone, each followed by two seconds asking it for 10,000 more outcomes
// every tenth of a second; prints the intervals between frames of both and the outcomes gathered. Returns
// whether, while gathering, the median interval is 33 +- 3 ms and the 95th percentile at most 36 ms.
bool TimeTheFramesWhileGathering();

} // namespace bench
