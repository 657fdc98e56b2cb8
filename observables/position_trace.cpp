#include "observables/position_trace.h"

#include "physics/observables.h"

#include <cmath>

namespace {

// The step's turn of each coefficient, which the grid's states are multiplied by one after another:
// 360 steps lose no more than a few hundred rounding errors, far below what a plot shows.
physics::State OneStep(double sign) {
    physics::State unit;
    unit.c.fill(1);
    return physics::Turned(unit, sign / PositionTrace::kStepsPerPeriod);
}

} // namespace

void PositionTrace::Fill(const physics::State& state, double now, physics::Turning turning) {
    count_ = 0;
    const bool reachable = std::isfinite(now) && std::abs(now) <= kLongestTime;
    spanStart_ = reachable && (now < 0 || now > kPeriods) ? now - kPeriods : 0;
    if (!reachable || !state.Exists())
        return;
    const double sign = physics::TurnSign(turning);
    static const physics::State counterClockwise = OneStep(1);
    static const physics::State clockwise = OneStep(-1);
    const physics::State& step = sign > 0 ? counterClockwise : clockwise;
    const double first = std::ceil(spanStart_ * kStepsPerPeriod);
    const double last = std::floor(now * kStepsPerPeriod);
    physics::State turned = physics::Turned(state, sign * (first / kStepsPerPeriod - now));
    for (double k = first; k <= last; ++k) {
        Add(turned, k / kStepsPerPeriod);
        for (int n = 0; n < physics::kComponents; ++n)
            turned.c[n] *= step.c[n];
    }
    if (count_ == 0 || samples_[count_ - 1].time < now)
        Add(state, now);
}

void PositionTrace::Add(const physics::State& state, double time) {
    if (count_ == kCapacity)
        return;
    const physics::Moments position = physics::PositionOf(state).value_or(physics::Moments{});
    samples_[count_++] = {time, position.mean, position.spread};
}
