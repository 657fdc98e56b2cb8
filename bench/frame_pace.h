#pragma once

#include <chrono>
#include <vector>

// The pace of frames as the timings judge it, one home for the bench's steps.
namespace bench {

using Clock = std::chrono::steady_clock;

// The frame period the animation keeps, and how far an interval may stray from it.
inline constexpr double kPeriodMs = 33;
inline constexpr double kToleranceMs = 3;
// The 95th percentile of the intervals while a window that works at each frame is open.
inline constexpr double kMostP95Ms = 36;

// Whether an interval lies within the tolerance of the frame period.
bool OnPace(double ms);
// The value a share of the way up the sorted values.
double Percentile(std::vector<double> values, double share);
// The milliseconds between each frame's start and the next's.
std::vector<double> Intervals(const std::vector<Clock::time_point>& frames);
// "met" or "MISSED", as the bench reports each target.
const char* Verdict(bool met);

} // namespace bench
