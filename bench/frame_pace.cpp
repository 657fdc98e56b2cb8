#include "bench/frame_pace.h"

#include <algorithm>
#include <cmath>

namespace bench {

bool OnPace(double ms) {
    return std::abs(ms - kPeriodMs) <= kToleranceMs;
}

double Percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(share * double(values.size())))];
}

std::vector<double> Intervals(const std::vector<Clock::time_point>& frames) {
    std::vector<double> intervals;
    for (std::size_t i = 1; i < frames.size(); ++i)
        intervals.push_back(std::chrono::duration<double, std::milli>(frames[i] - frames[i - 1]).count());
    return intervals;
}

const char* Verdict(bool met) {
    return met ? "met" : "MISSED";
}

} // namespace bench
