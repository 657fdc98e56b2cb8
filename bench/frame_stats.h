#pragma once

#include "bench/allocation_counter.h"
#include "bench/paint_counter.h"

#include <functional>
#include <vector>

namespace bench {

// What one frame cost: its time, the heap allocations made during it and the paints it caused.
struct FrameSample {
    double milliseconds = 0;
    AllocationCount allocations;
    PaintCounter::Range paints;
};

// Times frames of one kind and sums them up.
class FrameStats {
public:
    // Runs one frame (which processes its own repaints) and keeps its sample.
    void Measure(const std::function<void()>& frame, PaintCounter& paints);

    double MinMs() const;
    double MedianMs() const;
    double MaxMs() const;
    // The allocations of the median frame by count, so that one frame that grew a cache does not
    // stand for the warm ones.
    AllocationCount MedianAllocations() const;
    // The fewest and the most paints any control received in any frame.
    PaintCounter::Range Paints() const;

private:
    std::vector<FrameSample> samples_;
};

} // namespace bench
