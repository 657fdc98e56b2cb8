// An axis's scale as a value: the 1-2-5 steps, the 5 % rule, the scale of a requested range, and
// the ticks a scale shows.

#include "graph/axis_scale.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <variant>
#include <vector>

namespace {

using axes::AxisScale;
using Doubles = std::vector<double>;

const double kNaN = std::nan("");

// A value within 5 % of a step of a whole step counts as on it, from either side.
TEST(AxisScale, StepsAreOneTwoFiveAndValuesWithinFivePercentOfAWholeStepCountAsOnIt) {
    struct Row {
        const char* name;
        double value;
        double above; // StepsAtOrAbove(value, 1)
        double below; // StepsAtOrBelow(value, 1)
    };
    for (const Row& row : {
             Row{"on a step", 3, 3, 3},
             Row{"6 % above", 3.06, 4, 3},
             Row{"6 % below", 2.94, 3, 2},
         })
        EXPECT_EQ(Doubles({axes::StepsAtOrAbove(row.value, 1), axes::StepsAtOrBelow(row.value, 1)}),
                  Doubles({row.above, row.below}))
            << row.name;
}

// On 450 pixels with spacing 7, tick index -5 is a minor step of 0.02 (major 0.1), -4 of 0.05 (major
// 0.2), -3 of 0.1 (major 0.5), -2 of 0.2 (major 1), -1 of 0.5 (major 2, here in thousands). The
// refusals reach the owner as messages (axis_ranges_test.cpp).
TEST(AxisScale, ARangeGetsItsPowerStepAndAdjustedRange) {
    struct Row {
        const char* name;
        double lo, hi;
        bool adjust;
        Doubles scale; // power, tick index, min, max, pixels a unit
    };
    for (const Row& row : {
             Row{"whole major steps stay", 0, 1, true, {0, -5, 0, 1, 450}},
             Row{"widened to whole major steps", 0.6, 9.7, true, {0, -2, 0, 10, 45}},
             Row{"within 5 % of a major step of the tick at 1", 0.97, 10, true, {0, -2, 1, 10, 50}},
             Row{"thousands", 0, 20000, true, {3, -1, 0, 20000, 0.0225}},
             // ceil(3 log10(1.53 x 7 / 450) - 0.15), not of 1.6
             Row{"the step follows the requested range", 0.01, 1.54, true, {0, -5, 0, 1.6, 281.25}},
         }) {
        const auto s = std::get<AxisScale>(axes::ScaleAxis(row.lo, row.hi, 450, 7, row.adjust));
        EXPECT_THAT((Doubles{double(s.tPower), double(s.tickN), s.min, s.max, s.vToPix}),
                    testing::Pointwise(testing::DoubleEq(), row.scale))
            << row.name;
    }
}

TEST(AxisScale, TicksRunFromTheFirstToTheLastWithinFivePercentOfAMinorStepMajorsFromTheFirstShown) {
    struct Row {
        const char* name;
        AxisScale scale;
        std::vector<std::int64_t> ticks; // first, last, first major; empty when they cannot be numbered
        Doubles outerMajors;             // the values of the outer major ticks, in units of 10^power
    };
    for (const Row& row : {
             Row{"0 to 1 by 0.02", {0, 1, 450, -5, 0}, {0, 50, 0}, {0, 1}},
             Row{"unadjusted from 0.004: the majors start at 0.1",
                 {0.004, 1, 450, -5, 0},
                 {1, 50, 5},
                 {0, 1}},
             Row{"by 0.5, major 2: ends within 5 % of a major tick",
                 {-9.95, 9.95, 20, -1, 0},
                 {-19, 19, -16},
                 {-10, 10}},
             Row{"too far from zero", {1e15, 1e15 + 1, 450, -5, 0}, {}, {1e15, 1e15 + 1}},
         }) {
        std::vector<std::int64_t> ticks;
        if (const auto range = axes::TicksOf(row.scale))
            ticks = {range->first, range->last, range->firstMajor};
        EXPECT_EQ(ticks, row.ticks) << row.name;
        const auto [first, last] = axes::OuterMajorValues(row.scale);
        EXPECT_THAT((Doubles{first, last}), testing::Pointwise(testing::DoubleEq(), row.outerMajors))
            << row.name;
    }
}

} // namespace
