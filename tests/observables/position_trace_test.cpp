// The path of the position: which span of time it covers, on which grid, and what it holds there.

#include "observables/position_trace.h"
#include "physics/observables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

TEST(PositionTrace, CoversTheLastTwoPeriodsOnAFixedGridUpToNow) {
    const physics::State state = physics::StateOf({3, 4, 0, 1}, {0, 90, 0, 45});
    const double step = 1.0 / PositionTrace::kStepsPerPeriod;
    const struct {
        const char* name;
        double now;
        double spanStart;
        std::size_t samples;
        double firstTime;
    } cases[] = {
        {"at Start: the present alone", 0, 0, 1, 0},
        {"after half a period: from Start", 0.5, 0, PositionTrace::kStepsPerPeriod / 2 + 1, 0},
        {"between grid times: the present added", 0.5 + step / 3, 0, PositionTrace::kStepsPerPeriod / 2 + 2,
         0},
        {"after two periods: the last two", 3.75, 1.75, 2 * PositionTrace::kStepsPerPeriod + 1, 1.75},
        {"farther than the grid keeps its digits: nothing", 2 * PositionTrace::kLongestTime, 0, 0, 0},
    };
    for (const auto& c : cases)
        for (const physics::Turning turning :
             {physics::Turning::CounterClockwise, physics::Turning::Clockwise}) {
            SCOPED_TRACE(c.name);
            PositionTrace trace;
            trace.Fill(state, c.now, turning);
            const auto samples = trace.Samples();
            EXPECT_NEAR(trace.SpanStart(), c.spanStart, 1e-12);
            ASSERT_EQ(samples.size(), c.samples);
            if (samples.empty())
                continue;
            EXPECT_NEAR(samples.front().time, c.firstTime, 1e-9);
            EXPECT_EQ(samples.back().time, c.now);
            // Each sample is the state turned back from now to its time, the way time runs, to the
            // accuracy of the steps.
            for (const PositionTrace::Sample& s :
                 {samples.front(), samples[samples.size() / 2], samples.back()}) {
                const double back = physics::TurnSign(turning) * (s.time - c.now);
                const physics::Moments expected = *physics::PositionOf(physics::Turned(state, back));
                EXPECT_NEAR(s.mean, expected.mean, 1e-12) << s.time;
                EXPECT_NEAR(s.spread, expected.spread, 1e-12) << s.time;
            }
        }
    PositionTrace none;
    none.Fill(physics::State{}, 1);
    EXPECT_TRUE(none.Samples().empty()) << "the zero state has no path";
}

} // namespace
