// What one measurement leaves behind, and a lesson repeated from its seed.

#include "measurement/lab.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const physics::State kTwoStates = physics::StateOf({0.6, 0.8}, {0, 100});

TEST(Lab, RepeatsTheOutcomesOfASeed) {
    measurement::Lab lab;
    lab.SetSeed(7);
    const double first = lab.MeasurePosition(kTwoStates).x;
    const int firstEnergy = lab.MeasureEnergy(kTwoStates).n;
    lab.SetSeed(7);
    EXPECT_EQ(lab.MeasurePosition(kTwoStates).x, first);
    EXPECT_EQ(lab.MeasureEnergy(kTwoStates).n, firstEnergy);
}

TEST(Lab, CollapsesToTheStateFound) {
    measurement::Lab lab;
    for (int i = 0; i < 20; ++i) {
        const measurement::EnergyOutcome energy = lab.MeasureEnergy(kTwoStates);
        const physics::Components alone = energy.n == 1 ? physics::Components{1} : physics::Components{0, 1};
        EXPECT_EQ(energy.collapsed.magnitudes, alone);
        EXPECT_EQ(energy.collapsed.degrees[energy.n - 1], energy.n == 1 ? 0 : 100);
    }
    ASSERT_FALSE(lab.SetCollapseWidth(0));
    // The same seed finds the same x whatever the width, so the two bells stand at one place.
    constexpr std::uint64_t kSeed = 3;
    lab.SetSeed(kSeed);
    ASSERT_TRUE(lab.SetCollapseWidth(0.01));
    const measurement::PositionOutcome narrow = lab.MeasurePosition(kTwoStates);
    lab.SetSeed(kSeed);
    ASSERT_TRUE(lab.SetCollapseWidth(0.1));
    const measurement::PositionOutcome wide = lab.MeasurePosition(kTwoStates);
    ASSERT_EQ(narrow.x, wide.x);
    // A bell narrower than the shortest half-wave, L/6, lies mostly outside the six states.
    EXPECT_LT(narrow.share, 0.5);
    EXPECT_EQ(narrow.width, 0.01);
    EXPECT_GT(wide.share, narrow.share + 0.3);
}

} // namespace
