// The controls of time on the fake platform: the transitions between Idle, Running and Paused, the
// clock against the phases, the mirror at T1/2, and what the status line says.

#include "mainwindow/status_line.h"
#include "tests/mainwindow/opened_main_wndo.h"

#include <map>
#include <random>
#include <tuple>

namespace {

using namespace testing_main;
using State = run::RunState;

class Time : public OpenedMainWndo {
protected:
    // Chooses menu items as the menus would, each not at all while its handler's condition says no:
    // S Start/Stop, P Pause/Resume, F and B a step forth and back, H Go to T1/2, T Go to T1, R Restart.
    void Choose(const std::string& keys) {
        static const std::map<char, const char*> items = {
            {'S', "AnimationStartStop"}, {'P', "AnimationPause"},    {'F', "AnimationStepForward"},
            {'B', "AnimationStepBack"},  {'H', "AnimationGoToHalf"}, {'T', "AnimationGoToPeriod"},
            {'R', "AnimationRestart"},
        };
        for (char key : keys)
            if (const auto* handler = window.Commands().MenuHandler(items.at(key)))
                (*handler)();
    }
    const tk::StatusBar& Status() { return *window.StatusBar(); }
    std::string Clock() { return Status().Parts().at(0); }
};

// The run as the user meets it: the button, the timer, how many of the 15 inputs are on, the
// menu items that are on.
std::string Seen(MainWndo& window) {
    int inputs = window.Find("PBNorm")->Enabled() + window.Find("SLSpeed")->Enabled() +
                 window.Find("RBNth", 3)->Enabled();
    for (int k = 0; k < MainWndo::kComponents; ++k)
        inputs += window.Find("EFMagn", k)->Enabled() + window.Find("EFAngle", k)->Enabled();
    std::string seen = window.Find<tk::PushButton>("PBStart")->Caption() + " " +
                       std::to_string(window.Find<tk::Timer>("TMFrame")->Mode()) + " " +
                       std::to_string(inputs);
    for (const char* item : {"AnimationPause", "AnimationStepBack", "AnimationGoToHalf", "StatesCat"})
        seen += window.Commands().MenuHandler(item) ? std::string(" ") + item : "";
    return seen;
}

TEST_F(Time, EveryTransitionBetweenIdleRunningAndPaused) {
    const std::map<State, std::string> seen = {
        {State::Idle, "Start 0 15 AnimationStepBack AnimationGoToHalf StatesCat"},
        {State::Running, "Stop 2 2 AnimationPause AnimationGoToHalf"},
        {State::Paused, "Stop 0 2 AnimationPause AnimationStepBack AnimationGoToHalf"},
    };
    const struct {
        const char* name;
        std::string choices; // at speed 10 a frame is 10/3600 of a period
        State state;
        std::string clock;
        long long frames;
        bool normalized; // the typed 3 and 4 read 0.6 and 0.8
    } cases[] = {
        {"Start", "S", State::Running, "t = 0.000 T₁", 0, true},
        {"Stop", "SS", State::Idle, "t = 0.000 T₁", 0, true},
        {"Pause", "SP", State::Paused, "t = 0.000 T₁", 0, true},
        {"Resume", "SPP", State::Running, "t = 0.000 T₁", 0, true},
        {"Stop while paused", "SPS", State::Idle, "t = 0.000 T₁", 0, true},
        {"Pause while Idle does nothing", "P", State::Idle, "t = 0.000 T₁", 0, false},
        {"a step from Idle normalizes first and pauses", "F", State::Paused, "t = 0.003 T₁", 1, true},
        {"a step back from Idle", "B", State::Paused, "t = -0.003 T₁", -1, true},
        {"no steps while running", "SF", State::Running, "t = 0.000 T₁", 0, true},
        {"steps while paused", "SPFFB", State::Paused, "t = 0.003 T₁", 1, true},
        {"Resume after a step", "FP", State::Running, "t = 0.003 T₁", 1, true},
        {"Go to from Idle", "H", State::Paused, "t = 0.500 T₁", 0, true},
        {"Go to while running pauses", "SH", State::Paused, "t = 0.500 T₁", 0, true},
        {"a step after Go to", "HF", State::Paused, "t = 0.503 T₁", 1, true},
        {"Restart after steps", "HFFR", State::Paused, "t = 0.000 T₁", 0, true},
        {"Restart from Idle", "R", State::Paused, "t = 0.000 T₁", 0, true},
        {"Start after a paused run begins again", "FSS", State::Running, "t = 0.000 T₁", 0, true},
        {"a step in Idle after a run begins again", "SSF", State::Paused, "t = 0.003 T₁", 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Retype({"3", "4"}, {"30", "90"});
        Choose(c.choices);
        EXPECT_EQ(std::tuple(window.Model().State(), Seen(window), Clock(), window.Model().FramesAdvanced(),
                             Magnitude(1).Text() == "0.800000"),
                  std::tuple(c.state, seen.at(c.state), c.clock, c.frames, c.normalized));
    }
}

// Every phase exactly at its value at Start plus n^2 x 360 x the fraction, whatever the speed. At
// T1/2 psi(L - x) is -psi(x) at Start, so the density is its mirror image; at T1 every state is back:
// checked on the samples, with the degree a little off pi/180.
TEST_F(Time, GoToSetsEveryPhaseExactlyMirrorsAtHalfAPeriodAndRevivesAtOne) {
    const physics::Components typed{30, -45, 0.1, 1000000, 7, 450};
    Type({"0.2", "1", "-0.7", "0", "0.1", "0.5"}, {"30", "-45", "0.1", "1000000", "7", "450"});
    Choose("R");
    const physics::Samples atStart = window.PsiSqrd;
    const struct {
        const char* item;
        int speed;
        double fraction;
        std::string clock;
        bool mirrored; // the density at sample j is the one at 100 - j at Start
    } instants[] = {
        {"AnimationGoToQuarter", 1, 0.25, "t = 0.250 T₁", false},
        {"AnimationGoToHalf", 100, 0.5, "t = 0.500 T₁", true},
        {"AnimationGoToThreeQuarters", 37, 0.75, "t = 0.750 T₁", false},
        {"AnimationGoToPeriod", 10, 1, "t = 1.000 T₁", false},
    };
    for (const auto& c : instants) {
        SCOPED_TRACE(c.item);
        window.Find<tk::Slider>("SLSpeed")->SetValue(c.speed);
        Choose("F");
        (*window.Commands().MenuHandler(c.item))();
        EXPECT_EQ(std::tuple(window.Model().ElapsedPeriods(), Clock()), std::tuple(c.fraction, c.clock));
        for (int k = 0; k < MainWndo::kComponents; ++k)
            EXPECT_EQ(Phasor(k).angle, typed[k] + (k + 1) * (k + 1) * 360 * c.fraction) << k;
        if (c.mirrored || c.fraction == 1) {
            for (int j = 0; j < MainWndo::kSamples; ++j)
                ASSERT_NEAR(window.PsiSqrd[c.mirrored ? 100 - j : j], atStart[j], 1e-9) << j;
        }
    }
    EXPECT_GT(std::abs(atStart[30] - atStart[70]), 1e-3) << "a density that is not its own mirror image";
    EXPECT_EQ(StatusLine::ClockText(-1e-9), "t = 0.000 T₁") << "no minus sign on a zero";
    EXPECT_EQ(StatusLine::ClockText(0.0024999999), "t = 0.003 T₁") << "read to a millionth first";
}

TEST_F(Time, ThousandsOfStepsForthAndBackComeBackToTheSameLine) {
    std::mt19937 random(18);
    std::vector<int> steps(1000, 1);
    steps.resize(2000, -1);
    Type({"0.3", "0.9", "-0.2"}, {"10", "0", "40"});
    for (const int speed : {1, 7, 100}) {
        window.Find<tk::Slider>("SLSpeed")->SetValue(speed);
        Choose("F");
        const std::string before = Status().Line();
        std::shuffle(steps.begin(), steps.end(), random);
        for (const int step : steps) {
            window.StepFrames(step);
            for (const char* graph : {"GFWFunc", "GFProb"}) // what the fake pictures record grows
                Frame(graph).Clear();
        }
        EXPECT_EQ(Status().Line(), before) << "speed " << speed;
    }
}

TEST_F(Time, TheStatusLineSaysWhyNothingIsShownAndLoadsReadyMadeStates) {
    const struct {
        Strings magnitudes;
        std::string choices;
        int alone; // the state shown alone, or 0 for all
        std::string message;
    } cases[] = {
        {{"3", "4"}, "", 0, "Press Normalize to load the new values"},
        {{"0"}, "F", 0, "All magnitudes are 0: nothing to show"},
        {{"3", "4"}, "S", 3, "State 3 has magnitude 0"},
        {{"3", "4"}, "S", 2, "Running"},
        {{"3", "4"}, "H", 0, "Paused"},
        {{"3", "4"}, "RS", 0, "Ready"},
    };
    for (const auto& c : cases) {
        Retype(c.magnitudes);
        window.RBTotal_Action();
        Choose(c.choices);
        if (c.alone)
            window.RBNth_Action(c.alone - 1);
        EXPECT_EQ(Status().Message(), c.message);
    }
    window.Find<tk::Slider>("SLSpeed")->SetValue(37);
    EXPECT_EQ(Status().Parts().at(2), "speed 37") << "at once, not at the next frame";

    (*window.Commands().MenuHandler("StatesPacket"))(); // six decimals and whole degrees, normalized
    EXPECT_EQ(std::tuple(MagnitudeTexts(), Angle(4).Text(), window.Blanked),
              std::tuple("0.443915 0.604980 0.402195 0.000000 0.330149 0.407651 ", "180", false));
}

} // namespace
