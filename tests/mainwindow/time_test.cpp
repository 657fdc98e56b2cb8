// The controls of time on the fake platform: the transitions between Idle, Running and Paused, the
// clock against the phases, the instants Go to reaches, and what the status line says.

#include "mainwindow/status_line.h"
#include "tests/mainwindow/opened_main_wndo.h"

#include <map>
#include <random>
#include <tuple>

namespace {

using namespace testing_main;
using State = MainWndo::Run; // testing::Test has a Run of its own

class Time : public OpenedMainWndo {
protected:
    // Chooses a menu item as the menus would: not at all while its handler's condition says no.
    void Choose(const char* item) {
        if (const auto* handler = window.MenuHandler(item))
            (*handler)();
    }
    const tk::StatusBar& Status() { return *window.StatusBar(); }
    std::string Clock() { return Status().Parts().at(0); }
    void SetSpeed(int speed) { window.Find<tk::Slider>("SLSpeed")->SetValue(speed); }
    void BackToIdle() {
        if (window.RunState() != State::Idle)
            window.PBStart_Action();
    }
    // The graphs' and phasors' recordings grow with every frame; long runs forget them.
    void ForgetDrawing() {
        Frame("GFWFunc").Clear();
        Frame("GFProb").Clear();
        for (int k = 0; k < MainWndo::kComponents; ++k)
            Picture(k).Clear();
    }
};

// Each state as the user meets it: the button, the timer, the inputs, the menu items on.
std::tuple<State, std::string, int, bool, int, std::string> StateSeen(MainWndo& window) {
    int enabledFields = 0;
    for (int k = 0; k < MainWndo::kComponents; ++k)
        enabledFields += window.Find("EFMagn", k)->Enabled() + window.Find("EFAngle", k)->Enabled();
    std::string items;
    for (const char* item : {"AnimationStartStop", "AnimationPause", "AnimationStepBack", "AnimationGoToHalf",
                             "AnimationRestart", "StatesCat"})
        items += window.MenuHandler(item) ? std::string(item) + " " : "";
    return {window.RunState(),
            window.Find<tk::PushButton>("PBStart")->Caption(),
            window.Find<tk::Timer>("TMFrame")->Mode(),
            window.Find("PBNorm")->Enabled(),
            enabledFields + window.Find("SLSpeed")->Enabled() + window.Find("RBNth", 3)->Enabled(),
            items};
}

TEST_F(Time, EveryTransitionBetweenIdleRunningAndPaused) {
    const std::map<State, decltype(StateSeen(window))> seen = {
        {State::Idle,
         {State::Idle, "Start", 0, true, 14,
          "AnimationStartStop AnimationStepBack AnimationGoToHalf AnimationRestart StatesCat "}},
        {State::Running,
         {State::Running, "Stop", 2, false, 2,
          "AnimationStartStop AnimationPause AnimationGoToHalf AnimationRestart "}},
        {State::Paused,
         {State::Paused, "Stop", 0, false, 2,
          "AnimationStartStop AnimationPause AnimationStepBack AnimationGoToHalf AnimationRestart "}},
    };
    // S Start/Stop, P Pause/Resume, F and B a step forward and back, H go to T1/2, R Restart, each
    // chosen from the menu; at speed 10 a frame is 10/3600 of a period.
    const std::map<char, const char*> items = {
        {'S', "AnimationStartStop"}, {'P', "AnimationPause"},    {'F', "AnimationStepForward"},
        {'B', "AnimationStepBack"},  {'H', "AnimationGoToHalf"}, {'R', "AnimationRestart"},
    };
    const struct {
        const char* name;
        std::string choices;
        State run;
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
        BackToIdle();
        Type({"3", "4"}, {"30", "90"});
        for (char choice : c.choices)
            Choose(items.at(choice));
        EXPECT_EQ(StateSeen(window), seen.at(c.run));
        EXPECT_EQ(std::tuple(Clock(), window.FramesAdvanced(), Magnitude(1).Text() == "0.800000"),
                  std::tuple(c.clock, c.frames, c.normalized));
    }
    BackToIdle();
    window.PauseOrResume();
    EXPECT_EQ(window.RunState(), State::Idle) << "Pause while Idle, as a stale shortcut would";
    window.PBStart_Action();
    window.StepFrames(1);
    EXPECT_EQ(std::pair(window.RunState(), window.FramesAdvanced()), std::pair(State::Paused, 1LL))
        << "a step while running, as a stale shortcut would: pauses, then steps";
}

// Go to: every phase exactly at its value at Start plus n^2 x 360 x the fraction, whatever the
// speed. Frames of the timer: n frames at speed s are n x s / 3600 periods.
TEST_F(Time, TheClockReadsThePhaseOfState1) {
    Type({"1", "1", "1", "1", "1", "1"}, {"30", "-45", "0.1", "1000000", "7", "450"});
    const struct {
        const char* item;
        int speed;
        double fraction;
        std::string clock;
    } instants[] = {
        {"AnimationGoToQuarter", 1, 0.25, "t = 0.250 T₁"},
        {"AnimationGoToHalf", 100, 0.5, "t = 0.500 T₁"},
        {"AnimationGoToThreeQuarters", 37, 0.75, "t = 0.750 T₁"},
        {"AnimationGoToPeriod", 10, 1, "t = 1.000 T₁"},
    };
    const physics::Components typed{30, -45, 0.1, 1000000, 7, 450};
    for (const auto& c : instants) {
        SCOPED_TRACE(c.item);
        SetSpeed(c.speed);
        Choose("AnimationStepForward");
        Choose(c.item);
        EXPECT_EQ(std::tuple(window.ElapsedPeriods(), Clock()), std::tuple(c.fraction, c.clock));
        for (int k = 0; k < MainWndo::kComponents; ++k)
            EXPECT_EQ(Phasor(k).angle, typed[k] + (k + 1) * (k + 1) * 360 * c.fraction) << k;
    }

    const struct {
        int frames, speed;
        std::string clock;
    } runs[] = {{9, 1, "t = 0.003 T₁"},
                {900, 10, "t = 2.500 T₁"},
                {250, 37, "t = 2.569 T₁"},
                {360, 100, "t = 10.000 T₁"}};
    for (const auto& c : runs) {
        SCOPED_TRACE(c.clock);
        BackToIdle();
        window.PBStart_Action();
        SetSpeed(c.speed);
        for (int i = 0; i < c.frames; ++i) {
            window.TMFrame_Action();
            ForgetDrawing();
        }
        EXPECT_NEAR(window.ElapsedPeriods(), c.frames * c.speed / 3600.0, 1e-12);
        EXPECT_EQ(
            std::tuple(Clock(), Status().Parts().at(1), Status().Parts().at(2)),
            std::tuple(c.clock, "frame " + std::to_string(c.frames), "speed " + std::to_string(c.speed)));
    }
    EXPECT_EQ(StatusLine::ClockText(-1e-9), "t = 0.000 T₁") << "no minus sign on a zero";
    EXPECT_EQ(StatusLine::ClockText(0.0024999999), "t = 0.003 T₁") << "read to a millionth first";
    EXPECT_EQ(StatusLine::ClockText(100000 * 100 / 3600.0 + 2e-9), "t = 2777.778 T₁")
        << "100,000 frames at 100";
}

// psi(L - x) at T1/2 is -psi(x) at Start, so the density is its mirror image; at T1 every state is
// back. Checked on the samples, with the degree a little off pi/180.
TEST_F(Time, HalfAPeriodMirrorsTheDensityAndAWholeOneBringsItBack) {
    const struct {
        const char* name;
        Strings magnitudes, angles;
    } states[] = {
        {"states 1 and 2", {"3", "4"}, {"30", "90"}},
        {"all six, turned apart", {"1", "2", "3", "4", "5", "6"}, {"0", "45", "90", "135", "180", "225"}},
        {"odd angles and a sign",
         {"0.2", "0", "-0.7", "0", "0", "0.5"},
         {"0.1", "0", "33.3", "0", "0", "-77"}},
    };
    for (const auto& c : states) {
        SCOPED_TRACE(c.name);
        BackToIdle();
        Type(c.magnitudes, c.angles);
        Choose("AnimationRestart");
        const physics::Samples atStart = window.PsiSqrd;
        Choose("AnimationGoToHalf");
        for (int j = 0; j < MainWndo::kSamples; ++j)
            ASSERT_NEAR(window.PsiSqrd[100 - j], atStart[j], 1e-9) << j;
        EXPECT_GT(std::abs(window.PsiSqrd[30] - atStart[30]), 1e-3) << "not the same density";
        Choose("AnimationGoToPeriod");
        for (int j = 0; j < MainWndo::kSamples; ++j)
            ASSERT_NEAR(window.PsiSqrd[j], atStart[j], 1e-9) << j;
    }
}

TEST_F(Time, ThousandsOfStepsForthAndBackComeBackToTheSameLine) {
    std::mt19937 random(18);
    Type({"0.3", "0.9", "-0.2"}, {"10", "0", "40"});
    for (const int speed : {1, 7, 100}) {
        SetSpeed(speed);
        Choose("AnimationStepForward");
        const std::string before = Status().Line();
        std::vector<int> steps(1000, 1);
        steps.resize(2000, -1);
        std::shuffle(steps.begin(), steps.end(), random);
        for (const int step : steps) {
            window.StepFrames(step);
            ForgetDrawing();
        }
        EXPECT_EQ(Status().Line(), before) << "speed " << speed;
    }
}

TEST_F(Time, TheStatusLineSaysWhyNothingIsShown) {
    const struct {
        const char* name;
        Strings magnitudes;
        std::vector<const char*> then; // menu items chosen after typing
        int alone;                     // the state shown alone, or 0 for all
        std::string message;
    } cases[] = {
        {"typed, not normalized", {"3", "4"}, {}, 0, "Press Normalize to load the new values"},
        {"every magnitude 0, a step",
         {"0"},
         {"AnimationStepForward"},
         0,
         "All magnitudes are 0: nothing to show"},
        {"state 3 alone, magnitude 0", {"3", "4"}, {"AnimationStartStop"}, 3, "State 3 has magnitude 0"},
        {"state 2 alone", {"3", "4"}, {"AnimationStartStop"}, 2, "Running"},
        {"paused", {"3", "4"}, {"AnimationGoToHalf"}, 0, "Paused"},
        {"stopped after a restart", {"3", "4"}, {"AnimationRestart", "AnimationStartStop"}, 0, "Ready"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BackToIdle();
        window.RBTotal_Action();
        Type(c.magnitudes);
        for (const char* item : c.then)
            Choose(item);
        if (c.alone)
            window.RBNth_Action(c.alone - 1);
        EXPECT_EQ(Status().Message(), c.message);
        EXPECT_EQ(Status().Line().find("NaN"), std::string::npos) << Status().Line();
    }
    SetSpeed(37);
    EXPECT_EQ(Status().Parts().at(2), "speed 37") << "at once, not at the next frame";
}

// One write a frame: the plots and phasors change, the line is set once.
TEST_F(Time, TheStatusLineIsWrittenOnceAFrame) {
    class CountingPeer : public tk::ControlPeer {
    public:
        int texts = 0;
        void Apply(tk::Aspect aspect) override { texts += aspect == tk::Aspect::Text; }
    };
    auto peer = std::make_unique<CountingPeer>();
    CountingPeer& counted = *peer;
    window.StatusBar()->AttachPeer(std::move(peer));
    window.PBStart_Action();
    counted.texts = 0;
    for (int i = 0; i < 5; ++i)
        window.TMFrame_Action();
    EXPECT_EQ(counted.texts, 5);
}

// Idle only; six decimals and whole degrees in the fields, then normalized.
TEST_F(Time, ReadyMadeStatesWriteTheTwelveFields) {
    Choose("StatesPacket");
    EXPECT_EQ(MagnitudeTexts(), "0.443915 0.604980 0.402195 0.000000 0.330149 0.407651 ");
    EXPECT_EQ(std::tuple(Angle(0).Text(), Angle(4).Text(), Angle(5).Text(), window.Blanked),
              std::tuple("0", "180", "180", false));
    Choose("AnimationGoToHalf");
    Choose("StatesGround");
    EXPECT_EQ(Magnitude(0).Text(), "0.443915") << "not while paused";
    BackToIdle();
    Choose("StatesFirstTwo");
    EXPECT_EQ(MagnitudeTexts(), "0.707107 0.707107 0.000000 0.000000 0.000000 0.000000 ");
}

} // namespace
