#include "run/run_model.h"

#include "physics/observables.h"
#include "physics/state.h"
#include "physics/superposition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <functional>
#include <numbers>
#include <string>
#include <tuple>
#include <utility>

namespace {

using run::Change;
using run::RunModel;
using run::RunState;
using run::Selection;

// The changes' names, in the order of their declaration.
const char* NameOf(Change change) {
    static const char* const kNames[] = {"loaded",    "started", "stopped", "paused",  "resumed",
                                         "selection", "edited",  "speed",   "turning", "scale"};
    return kNames[static_cast<int>(change)];
}

// A run with a listener that writes down what it announces, in order.
struct Heard {
    RunModel run;
    std::string log;
    tk::Connection changes = run.Changed.Connect([this](Change c) { log += std::string(NameOf(c)) + " "; });
    tk::Connection frames = run.FrameAdvanced.Connect([this] { log += "frame "; });
};

physics::Typed TwoStates() {
    return {{3, 4}, {30, 90}};
}

struct CommandCase {
    const char* name;
    std::function<void(RunModel&)> commands;
    RunState state;
    const char* heard;
};

class Commands : public testing::TestWithParam<CommandCase> {};

TEST_P(Commands, LeaveTheRunInItsStateAndAnnounceEachChangeOnce) {
    Heard h;
    h.run.Load(TwoStates());
    h.log.clear();
    GetParam().commands(h.run);
    EXPECT_EQ(h.run.State(), GetParam().state);
    EXPECT_EQ(h.log, GetParam().heard);
}

INSTANTIATE_TEST_SUITE_P(
    Run, Commands,
    testing::Values(
        CommandCase{"StartRuns", [](RunModel& r) { r.Start(); }, RunState::Running, "started "},
        CommandCase{"StartWhilePausedDoesNothing", [](RunModel& r) { r.Pause(), r.Start(); },
                    RunState::Paused, "paused "},
        CommandCase{"PauseThenResume", [](RunModel& r) { r.Start(), r.PauseOrResume(), r.PauseOrResume(); },
                    RunState::Running, "started paused resumed "},
        CommandCase{"PauseOrResumeInIdleDoesNothing", [](RunModel& r) { r.PauseOrResume(); }, RunState::Idle,
                    ""},
        CommandCase{"StepFromIdleHoldsFirst", [](RunModel& r) { r.Step(1); }, RunState::Paused,
                    "paused frame "},
        CommandCase{"GoToWhileRunningPauses", [](RunModel& r) { r.Start(), r.GoTo(0.5); }, RunState::Paused,
                    "started paused frame "},
        CommandCase{"StopFromPaused", [](RunModel& r) { r.Restart(), r.Stop(); }, RunState::Idle,
                    "paused frame stopped "},
        CommandCase{"EditedOnceUntilTheNextLoad",
                    [](RunModel& r) { r.MarkEdited(), r.MarkEdited(), r.Load(TwoStates()), r.MarkEdited(); },
                    RunState::Idle, "edited loaded frame edited "},
        CommandCase{"SpeedClampedAndOnlyWhenItChanges",
                    [](RunModel& r) { r.SetSpeed(500), r.SetSpeed(100), r.SetSpeed(0); }, RunState::Idle,
                    "speed speed "},
        CommandCase{
            "AStillRunShowsEachSelectionAtOnce",
            [](RunModel& r) { r.Select(Selection::State(3)), r.Pause(), r.Select(Selection::Total()); },
            RunState::Paused, "selection frame paused selection frame "},
        CommandCase{"TurningTheOtherWayShowsTheSameInstantOnce",
                    [](RunModel& r) { r.SetTimeForward(true), r.SetTimeForward(true); }, RunState::Idle,
                    "turning frame "},
        CommandCase{"ARunningOneAtItsNextFrame",
                    [](RunModel& r) { r.Start(), r.Select(Selection::State(3)); }, RunState::Running,
                    "started selection "}),
    [](const auto& info) { return std::string(info.param.name); });

// sqrt(L) psi at sample j, summed here with exact pi and radians over the shown states, each
// sqrt(2/L) sin(n pi x / L); and the sum of the sizes of their weights, which the scaled samples are
// divided by instead.
std::pair<std::complex<double>, double> IndependentPsi(const RunModel& run, int j) {
    std::complex<double> psi;
    double weight = 0;
    for (int k = 0; k < physics::kComponents; ++k) {
        const double w = run.ShowWeights()[k] * run.Magnitudes()[k];
        psi += w * std::numbers::sqrt2 * std::sin((k + 1) * std::numbers::pi * j / 100.0) *
               std::polar(1.0, run.Phases()[k] * std::numbers::pi / 180);
        weight += std::abs(w);
    }
    return {psi, weight};
}

void ExpectSamplesMatch(const RunModel& run) {
    for (int j = 0; j < physics::kSamples; ++j) {
        const auto [psi, weight] = IndependentPsi(run, j);
        const std::complex<double> scaled = psi / (std::numbers::sqrt2 * weight);
        ASSERT_NEAR(run.Real()[j], scaled.real(), 1e-9) << j;
        ASSERT_NEAR(run.Imaginary()[j], scaled.imag(), 1e-9) << j;
        ASSERT_EQ(run.Density()[j], run.Real()[j] * run.Real()[j] + run.Imaginary()[j] * run.Imaginary()[j]);
        const run::Wave& physical = run.Physical();
        ASSERT_NEAR(physical.real[j], psi.real(), 1e-9) << j;
        ASSERT_NEAR(physical.imaginary[j], psi.imag(), 1e-9) << j;
        ASSERT_NEAR(physical.density[j], std::norm(psi), 1e-9) << j;
    }
    EXPECT_EQ(&run.Plotted(), run.PhysicalScale() ? &run.Physical() : &run.Scaled());
}

TEST(Frames, SampleTheShownStatesAtTheirPhasesNow) {
    RunModel run;
    EXPECT_FALSE(run.Drawn());
    run.Load({{1, -2, 0, 0, 3}, {10, 200, 0, 0, -45}});
    EXPECT_TRUE(run.Drawn()) << "the loaded state is sampled at once";
    ExpectSamplesMatch(run);
    run.Start();
    run.Tick();
    ExpectSamplesMatch(run);
    run.Select(Selection::State(2));
    run.SetPhysicalScale(true);
    run.Tick();
    ExpectSamplesMatch(run);
    EXPECT_NEAR(run.Density()[25], 1.0, 1e-12) << "a state alone peaks at 1 whatever its magnitude";
}

// The bound the physical plots are drawn within holds at every instant of a whole period.
TEST(Frames, NeverLeaveThePhysicalBound) {
    RunModel run;
    run.Load({{1, -2, 0.5, 3, 1, 2}, {5, 50, 100, 150, 200, 250}});
    run.SetSpeed(3);
    double highest = 0;
    for (int frame = 0; frame < 1200; ++frame, run.Step(1))
        for (int j = 0; j < physics::kSamples; ++j)
            highest = std::max(highest,
                               std::abs(std::complex(run.Physical().real[j], run.Physical().imaginary[j])));
    EXPECT_LE(highest, run.PhysicalBound());
    EXPECT_GT(highest, 0.7 * run.PhysicalBound()) << "and is no wider than it need be for this state";
}

// Time forward turns every phase back by the step the other way turns it on, and the clock reads
// the same; its quarters of the period are as exact.
TEST(Frames, TimeForwardTurnsClockwiseWhileTheClockCountsUp) {
    RunModel backward;
    RunModel forward;
    forward.SetTimeForward(true);
    for (RunModel* run : {&backward, &forward}) {
        run->Load({{1, 1, 0, 0, 0, 1}, {10, 20, 0, 0, 0, 30}});
        run->SetSpeed(37);
        run->Start();
        for (int frame = 0; frame < 3; ++frame)
            run->Tick();
    }
    for (int k = 0; k < physics::kComponents; ++k)
        EXPECT_NEAR(forward.Phases()[k] - forward.PhasesAtStart()[k],
                    -(backward.Phases()[k] - backward.PhasesAtStart()[k]), 1e-12);
    EXPECT_NEAR(forward.ElapsedPeriods(), backward.ElapsedPeriods(), 1e-15);
    EXPECT_GT(forward.ElapsedPeriods(), 0);
    forward.GoTo(0.25);
    EXPECT_EQ(forward.Phases()[1], 20 - 4 * 90.0);
    EXPECT_EQ(forward.ElapsedPeriods(), 0.25);
    forward.SetTimeForward(false);
    EXPECT_EQ(forward.Phases()[1], 20 + 4 * 90.0) << "the same instant, reached the other way round";
    EXPECT_EQ(forward.ElapsedPeriods(), 0.25);
}

struct TooFastCase {
    const char* name;
    physics::Typed typed;
    int speed;
    std::array<bool, physics::kComponents> tooFast;
};

class TooFast : public testing::TestWithParam<TooFastCase> {};

// A state turning half a turn or more a frame seems to stand still or turn backwards.
TEST_P(TooFast, AreTheStatesWithAMagnitudeThatTurnHalfATurnAFrame) {
    RunModel run;
    run.SetSpeed(GetParam().speed);
    run.Load(GetParam().typed);
    for (int n = 1; n <= physics::kComponents; ++n)
        EXPECT_EQ(run.TooFastToFollow(n), GetParam().tooFast[n - 1]) << n;
}

const physics::Typed kAllSix{{1, 1, 1, 1, 1, 1}, {}};

INSTANTIATE_TEST_SUITE_P(
    Run, TooFast,
    testing::Values(TooFastCase{"NoneAt49", kAllSix, 49, {}},
                    TooFastCase{"SixFrom50", kAllSix, 50, {0, 0, 0, 0, 0, 1}},
                    TooFastCase{"FiveFrom72", kAllSix, 72, {0, 0, 0, 0, 1, 1}},
                    TooFastCase{"NotWithoutMagnitude", {{1, 1, 1, 1, 1, 0}, {}}, 100, {0, 0, 0, 0, 1, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Frames, TurnStateNByNSquaredTimesTheStepAndNeverWrap) {
    RunModel run;
    run.Load({{1, 0, 0, 0, 0, 1}, {10, 0, 0, 0, 0, 20}});
    run.SetSpeed(100);
    run.Start();
    run.Tick();
    run.Tick();
    EXPECT_EQ(run.Phases()[5], 20.0 + 720.0) << "36 x 0.1 x 100 is exactly 360";
    run.SetSpeed(1);
    run.Tick();
    EXPECT_EQ(run.Phases()[0], 10.0 + 10.0 + 10.0 + 0.1);
    EXPECT_EQ(run.FramesAdvanced(), 3);
}

TEST(Frames, AStepBackUndoesAStepForward) {
    RunModel run;
    run.Load({{1, 1, 1, 1, 1, 1}, {0.3, 1.7, 2, 3, 4, 5}});
    run.SetSpeed(37);
    run.Step(1);
    EXPECT_EQ(run.FramesAdvanced(), 1);
    run.Step(-1);
    for (int k = 0; k < physics::kComponents; ++k)
        EXPECT_NEAR(run.Phases()[k], run.PhasesAtStart()[k], 1e-12) << k;
    EXPECT_EQ(run.FramesAdvanced(), 0);
}

TEST(Frames, GoToAndRestartJumpFromThePhasesAtStart) {
    RunModel run;
    run.Load({{1, 1}, {10, 20}});
    run.Start();
    for (int f = 0; f < 7; ++f)
        run.Tick();
    run.GoTo(0.5);
    EXPECT_EQ(run.FramesAdvanced(), 180) << "the frames of speed 10 that reach T1/2, as the clock says";
    run.Restart();
    EXPECT_EQ(run.Phases(), run.PhasesAtStart());
    EXPECT_EQ(run.FramesAdvanced(), 0);
}

// At T1/2 psi(L - x) is -psi(x) at Start, so the density is its mirror image; at T1 every state is
// back. Checked on the samples, with the degree a little off pi/180.
TEST(Frames, HalfAPeriodMirrorsTheDensityAndAWholeOneRevivesIt) {
    RunModel run;
    run.Load({{0.2, 1, -0.7, 0, 0.1, 0.5}, {30, -45, 0.1, 1000000, 7, 450}});
    run.Restart();
    const physics::Samples atStart = run.Density();
    EXPECT_GT(std::abs(atStart[30] - atStart[70]), 1e-3) << "a density that is not its own mirror image";
    for (const double fraction : {0.5, 1.0}) {
        run.SetSpeed(fraction == 1 ? 37 : 100);
        run.Step(1);
        run.GoTo(fraction);
        for (int j = 0; j < physics::kSamples; ++j)
            ASSERT_NEAR(run.Density()[fraction == 1 ? j : 100 - j], atStart[j], 1e-9) << fraction << " " << j;
    }
}

TEST(Load, NormalizesTheMagnitudesAndKeepsTheTypedAnglesFromFrameZero) {
    RunModel run;
    run.Step(1);
    run.Load({{3, 4}, {450, -30}});
    EXPECT_EQ(run.FramesAdvanced(), 0);
    EXPECT_EQ(std::tuple(run.Magnitudes()[1], run.Phases()[0], run.Phases()[1]),
              std::tuple(4 * (1 / 5.0), 450.0, -30.0));
    EXPECT_TRUE(run.CoefficientsShown());
    run.MarkEdited();
    EXPECT_FALSE(run.CoefficientsShown());
}

struct AngleCase {
    const char* name;
    double typed;
    double loaded;
};

class Angles : public testing::TestWithParam<AngleCase> {};

// Every state gets the angle; the smallest step of state 1 (0.1 degree) is lost above about 1e15.
TEST_P(Angles, AreKeptAsTypedUnlessAFramesStepIsLostToRounding) {
    RunModel run;
    run.Load({{1, 1, 1, 1, 1, 1}, {GetParam().typed, GetParam().typed}});
    EXPECT_EQ(run.Phases()[0], GetParam().loaded);
    EXPECT_EQ(run.PhasesAtStart()[0], GetParam().loaded);
    run.SetSpeed(1);
    run.Step(1);
    EXPECT_NEAR(run.ElapsedPeriods() * 3600, 1.0, 1e-9) << "the clock counts the frame";
}

INSTANTIATE_TEST_SUITE_P(Run, Angles,
                         testing::Values(AngleCase{"Huge", 1e20, std::fmod(1e20, 360.0)},
                                         AngleCase{"HugeNegative", -1e20, std::fmod(-1e20, 360.0)}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SelectionCase {
    const char* name;
    Selection selection;
    Selection::Weights weights;
    std::string fileName;
};

class Selections : public testing::TestWithParam<SelectionCase> {};

TEST_P(Selections, WeighTheStatesAndNameThemselves) {
    EXPECT_EQ(GetParam().selection.ShowWeights(), GetParam().weights);
    EXPECT_EQ(GetParam().selection.Name(), GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(
    Run, Selections,
    testing::Values(SelectionCase{"Total", Selection::Total(), {1, 1, 1, 1, 1, 1}, "Total"},
                    SelectionCase{"Third", Selection::State(3), {0, 0, 1, 0, 0, 0}, "n=3"},
                    SelectionCase{"NoSeventh", Selection::State(7), {1, 1, 1, 1, 1, 1}, "Total"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
