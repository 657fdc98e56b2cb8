#include "bench/frame_stats.h"

#include <algorithm>
#include <chrono>

namespace bench {

namespace {

template <typename Key> std::vector<FrameSample> SortedBy(std::vector<FrameSample> samples, Key key) {
    std::sort(samples.begin(), samples.end(), [&](const auto& a, const auto& b) { return key(a) < key(b); });
    return samples;
}

double Milliseconds(const FrameSample& s) {
    return s.milliseconds;
}

const FrameSample& Median(const std::vector<FrameSample>& sorted) {
    return sorted[sorted.size() / 2];
}

} // namespace

// The sample is reserved before the clock starts, so that keeping it allocates nothing in the frame.
void FrameStats::Measure(const std::function<void()>& frame, PaintCounter& paints) {
    samples_.emplace_back();
    paints.TakeRange();
    const AllocationCount before = AllocationsSoFar();
    const auto start = std::chrono::steady_clock::now();
    frame();
    const auto end = std::chrono::steady_clock::now();
    FrameSample& sample = samples_.back();
    sample.allocations = AllocationsSoFar() - before;
    sample.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    sample.paints = paints.TakeRange();
}

double FrameStats::MinMs() const {
    return SortedBy(samples_, Milliseconds).front().milliseconds;
}

double FrameStats::MedianMs() const {
    return Median(SortedBy(samples_, Milliseconds)).milliseconds;
}

double FrameStats::MaxMs() const {
    return SortedBy(samples_, Milliseconds).back().milliseconds;
}

AllocationCount FrameStats::MedianAllocations() const {
    return Median(SortedBy(samples_, [](const FrameSample& s) { return s.allocations.Total(); })).allocations;
}

PaintCounter::Range FrameStats::Paints() const {
    PaintCounter::Range range{samples_.front().paints.fewest, 0};
    for (const FrameSample& s : samples_) {
        range.fewest = std::min(range.fewest, s.paints.fewest);
        range.most = std::max(range.most, s.paints.most);
    }
    return range;
}

} // namespace bench
