// The model on its own: the samples of a superposition to the last bit, the normalization of
// ordinary, zero, huge and tiny magnitudes, the clock, and the ready-made states.

#include "physics/clock.h"
#include "physics/normalization.h"
#include "physics/presets.h"
#include "physics/superposition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

TEST(Superposition, DividesBySizesAndLeavesNoWeightNotANumber) {
    const struct {
        const char* name;
        Components weights;
        double lowestPeak, highestPeak; // of the density; NaN: every sample is 0/0
    } cases[] = {
        {"state 2 alone, its magnitude divided out", {0, 0.3}, 1, 1},
        {"opposite signs, divided by their sizes, stay within 1", {0.707107, -0.707107}, 0.5, 1},
        {"no weight", {}, NAN, NAN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        physics::Samples real;
        physics::Samples imaginary;
        physics::Samples density;
        physics::Superpose(c.weights, {}, real, imaginary, density);
        if (std::isnan(c.lowestPeak)) {
            EXPECT_TRUE(std::all_of(density.begin(), density.end(), [](double v) { return std::isnan(v); }));
            continue;
        }
        const double peak = *std::max_element(density.begin(), density.end());
        EXPECT_TRUE(peak >= c.lowestPeak - 1e-12 && peak <= c.highestPeak + 1e-12) << peak;
        EXPECT_EQ(std::tuple(real[0], density[100] < 1e-20), std::tuple(0.0, true)) << "zero at both walls";
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
        {"the zero state stays itself", {}, {}},
        {"squares that overflow", {1e200, 1e200}, {r, r}},
        {"squares that underflow", {1e-200, -1e-200}, {r, -r}},
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

// The quarters of the period are exact whatever the phases at Start; whole frames add up to
// n x speed / 3600 periods, however many, far closer than the thousandth the clock shows.
TEST(Clock, ReadsQuartersExactlyAndFramesToWithinRounding) {
    const Components start{30, -45, 0.1, 1e6, 7, 450};
    for (const double fraction : {0.0, 0.25, 0.5, 0.75, 1.0}) {
        const Components phases = physics::PhasesAt(start, fraction);
        for (int k = 0; k < physics::kComponents; ++k)
            EXPECT_EQ(phases[k] - start[k], (k + 1) * (k + 1) * 360 * fraction) << fraction << " " << k;
        EXPECT_EQ(physics::PeriodsElapsed(0, physics::PhasesAt({}, fraction)[0]), fraction);
    }
    const struct {
        long frames;
        int speed;
    } runs[] = {{3600, 1}, {7, 3}, {900, 10}, {100000, 37}, {100000, 100}};
    for (const auto& run : runs) {
        double phase1 = 12.5;
        for (long i = 0; i < run.frames; ++i)
            phase1 = phase1 + physics::PhaseStep(1, physics::kPhaseStep, run.speed);
        EXPECT_NEAR(physics::PeriodsElapsed(12.5, phase1), double(run.frames) * run.speed / 3600, 1e-8)
            << run.frames << " frames at speed " << run.speed;
    }
}

// The simple states exactly; the packets by where their density lies, from the typed coefficients.
TEST(Presets, GiveTheTypedCoefficientsOfEachState) {
    const double half = 0.707107;
    const double third = 0.57735;
    const struct {
        physics::Preset preset;
        Components magnitudes;
    } simple[] = {
        {physics::Preset::Ground, {1}},
        {physics::Preset::FirstTwo, {half, half}},
        {physics::Preset::FirstThree, {third, third, third}},
    };
    for (const auto& c : simple) {
        const physics::Typed typed = physics::TypedPreset(c.preset);
        EXPECT_EQ(std::tuple(typed.magnitudes, typed.degrees), std::tuple(c.magnitudes, Components{}));
    }

    const auto density = [](physics::Preset preset) {
        const physics::Typed typed = physics::TypedPreset(preset);
        physics::Samples real;
        physics::Samples imaginary;
        physics::Samples density;
        physics::Superpose(typed.magnitudes, typed.degrees, real, imaginary, density);
        return density;
    };
    const struct {
        const char* name;
        physics::Preset preset;
        int firstPeak, lastPeak;    // samples where the density is highest
        double leftLeast, leftMost; // the share of the density in the left half of the box
    } packets[] = {
        {"one packet near L/4", physics::Preset::Packet, 24, 27, 0.95, 1},
        {"two packets, at L/4 and 3L/4", physics::Preset::Cat, 24, 76, 0.5 - 1e-6, 0.5 + 1e-6},
    };
    for (const auto& c : packets) {
        SCOPED_TRACE(c.name);
        const physics::Samples d = density(c.preset);
        const double highest = *std::max_element(d.begin(), d.end());
        std::vector<int> peaks;
        for (int j = 0; j < physics::kSamples; ++j)
            if (d[j] > highest * 0.999)
                peaks.push_back(j);
        EXPECT_TRUE(peaks.front() >= c.firstPeak && peaks.back() <= c.lastPeak)
            << peaks.front() << " " << peaks.back();
        double left = 0;
        double all = 0;
        for (int j = 0; j < physics::kSamples; ++j) {
            left += j < 50 ? d[j] : j == 50 ? d[j] / 2 : 0;
            all += d[j];
        }
        EXPECT_TRUE(left / all >= c.leftLeast && left / all <= c.leftMost) << left / all;
    }
    const physics::Typed packet = physics::TypedPreset(physics::Preset::Packet);
    EXPECT_EQ(packet.degrees, (Components{0, 0, 0, 0, 180, 180})) << "the signs of sin(n pi / 4)";
    EXPECT_EQ(packet.magnitudes[3], 0) << "sin(pi) is 0";
    const physics::Typed cat = physics::TypedPreset(physics::Preset::Cat);
    EXPECT_EQ(std::tuple(cat.magnitudes[1], cat.magnitudes[3], cat.magnitudes[5]), std::tuple(0.0, 0.0, 0.0))
        << "two packets in phase, mirror images: only the symmetric states";
}

} // namespace
