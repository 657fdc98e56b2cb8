#pragma once

#include "physics/clock.h"
#include "physics/state.h"

#include <array>
#include <span>

// The path of the position over the last two periods T1 up to now: <x> and its spread at times
// fixed on a grid, so that the curve keeps its shape as it scrolls, and at the present instant.
// Times are in periods T1 since Start; the states before now are the present one turned back.
class PositionTrace {
public:
    static constexpr double kPeriods = 2;       // the span of time shown
    static constexpr int kStepsPerPeriod = 120; // every 3 degrees that state 1 turns
    // Times farther from Start than this show no trace: there the grid's times lose their digits.
    static constexpr double kLongestTime = 1e6;

    struct Sample {
        double time;
        double mean;
        double spread;
    };

    // The samples of `state`, which is the state at time `now`, from the start of the span to now.
    // The span starts at Start (time 0) until two periods have passed, and two periods back after.
    // The zero state has no samples. The states before now are turned back the way `turning` says
    // time runs.
    void Fill(const physics::State& state, double now,
              physics::Turning turning = physics::Turning::CounterClockwise);

    // The span of time the samples belong to: kPeriods long, ending at now once now passed kPeriods.
    double SpanStart() const { return spanStart_; }
    std::span<const Sample> Samples() const { return {samples_.data(), count_}; }

private:
    static constexpr std::size_t kCapacity = std::size_t(kPeriods * kStepsPerPeriod) + 2;
    void Add(const physics::State& state, double time);

    std::array<Sample, kCapacity> samples_{};
    std::size_t count_ = 0;
    double spanStart_ = 0;
};
