// The model on its own: the samples of a superposition to the last bit, the normalization of
// ordinary, huge and tiny magnitudes, the clock, and the ready-made states. (The scaled samples'
// division by the weights' sizes is the run model's test's.)

#include "physics/clock.h"
#include "physics/normalization.h"
#include "physics/presets.h"
#include "physics/superposition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <tuple>

namespace {

using physics::Components;

// Digits computed apart, with pi as 3.14159265358979 and a degree as 0.01745329251994 radians: a
// closer pi, or another order of the operations, changes the last bits. The phases are those of
// the state 3, 4 typed at 10 and -20 degrees after one frame at speed 37.
TEST(Superposition, GivesTheSamplesBitForBit) {
    const Components weights = physics::Normalized({3, 4, 0, 0, 0, 0});
    const Components phases{10 + physics::PhaseStep(1, physics::kPhaseStep, 37),
                            -20 + physics::PhaseStep(2, physics::kPhaseStep, 37)};
    physics::Samples real;
    physics::Samples imaginary;
    physics::Samples density;
    physics::Superpose(weights, phases, real, imaginary, density);
    const struct {
        int j;
        double real, imaginary, density;
    } samples[] = {
        {37, 0x1.980cbbb6da704p-1, 0x1.c5d79f9be4e62p-5, 0x1.46c695e4bb213p-1},
        {50, 0x1.aa5f0b9ce1a92p-2, 0x1.9fc0a07576ecbp-4, 0x1.7829cbc14e616p-3},
        {83, -0x1.259d167d745f2p-2, 0x1.8d872647ee676p-4, 0x1.7755bd210c2c8p-4},
    };
    for (const auto& c : samples)
        EXPECT_EQ(std::tuple(real[c.j], imaginary[c.j], density[c.j]),
                  std::tuple(c.real, c.imaginary, c.density))
            << c.j;
}

// The physical density L |psi|^2 integrated over x/L by the trapezoid rule on the samples: each
// shown state's share |c_n|^2, whatever the phases, for the total 1; no weight, nothing.
TEST(Superposition, GivesThePhysicalDensityWithTheShownStatesShareAsItsArea) {
    const struct {
        const char* name;
        Components weights;
        Components phases;
        double area;
    } cases[] = {
        {"six states normalized", physics::Normalized({1, -2, 0.5, 3, 1, 2}), {5, 50, 100, 150, 200, 250}, 1},
        {"state 3 of 0.6, 0.8 alone", {0, 0, 0.6}, {0, 0, 33}, 0.36},
        {"no weight", {}, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        physics::Samples real;
        physics::Samples imaginary;
        physics::Samples density;
        physics::SuperposePhysical(c.weights, c.phases, real, imaginary, density);
        double area = (density.front() + density.back()) / 2;
        for (int j = 1; j + 1 < physics::kSamples; ++j)
            area += density[j];
        EXPECT_NEAR(area * physics::kSampleSpacing, c.area, 1e-12);
    }
}

TEST(Normalization, ScalesByOneReciprocalKeepingSignsAndSurvivesExtremes) {
    const double r = 1 / std::sqrt(2.0);
    const struct {
        const char* name;
        Components typed;
        Components normalized;
    } cases[] = {
        {"3 and 4, each times 1/5", {3, 4}, {3 * (1.0 / 5), 4 * (1.0 / 5)}},
        {"a negative one stays negative", {0, -2}, {0, -1}},
        {"squares that overflow", {1e200, 1e200}, {r, r}},
        {"squares that are subnormal", {1e-160, 1e-160, 1e-160, 1e-160}, {0.5, 0.5, 0.5, 0.5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Components normalized = physics::Normalized(c.typed);
        for (int k = 0; k < physics::kComponents; ++k)
            EXPECT_NEAR(normalized[k], c.normalized[k], 1e-15) << k;
    }
    EXPECT_EQ(physics::Normalized({3, 4})[1], 4 * (1.0 / 5)) << "a product, to the last bit";
}

// Whole frames add up to n x speed / 3600 periods, however many, far closer than the thousandth the
// clock shows.
TEST(Clock, CountsFramesToWithinRounding) {
    const std::pair<long, int> runs[] = {{7, 3}, {100000, 37}, {100000, 100}};
    for (const auto& [frames, speed] : runs) {
        double phase1 = 12.5;
        for (long i = 0; i < frames; ++i)
            phase1 = phase1 + physics::PhaseStep(1, physics::kPhaseStep, speed);
        EXPECT_NEAR(physics::PeriodsElapsed(12.5, phase1), double(frames) * speed / 3600, 1e-8)
            << frames << " frames at speed " << speed;
    }
}

// The cat's coefficients follow sin(n pi/4) and sin(3 n pi/4) damped by the bump's width (the digits
// worked out apart; the packet's are the main window's test's); the packet's density lies near L/4.
TEST(Presets, GiveTheTypedCoefficientsOfEachState) {
    const physics::Typed cat = physics::TypedPreset(physics::Preset::Cat);
    EXPECT_EQ(std::tuple(cat.magnitudes, cat.degrees),
              std::tuple(Components{0.649024, 0, 0.588027, 0, 0.482693, 0}, Components{0, 0, 0, 0, 180, 0}));
    const physics::Typed packet = physics::TypedPreset(physics::Preset::Packet);
    physics::Samples real;
    physics::Samples imaginary;
    physics::Samples density;
    physics::Superpose(packet.magnitudes, packet.degrees, real, imaginary, density);
    const auto peak = std::max_element(density.begin(), density.end()) - density.begin();
    const double all = std::accumulate(density.begin(), density.end(), 0.0);
    EXPECT_TRUE(peak >= 24 && peak <= 27) << peak;
    EXPECT_GT(std::accumulate(density.begin(), density.begin() + 50, 0.0) / all, 0.95) << "in the left half";
}

} // namespace
