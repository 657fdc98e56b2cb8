// The main window on the fake platform: what it writes into its fields, which inputs and menu
// items are on, what its phasors, plots and status line show. The run's arithmetic and transitions
// are the run model's tests; here the window is driven through its controls and menus.

#include "app/commands.h"
#include "mainwindow/status_line.h"
#include "tests/mainwindow/opened_main_wndo.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

using namespace testing_main;
using Shown = std::array<std::int32_t, 6>;

class MainWindow : public OpenedMainWndo {
protected:
    void Press(const char* button) { window.Find<tk::PushButton>(button)->NotifyAction(); }
    std::string Fields() {
        std::string texts;
        for (int k = 0; k < MainWndo::kComponents; ++k)
            texts += Magnitude(k).Text() + " ";
        return texts;
    }
    std::string Status() { return window.StatusBar()->Line(); }
    // The lines a frame draws in a plot, by colour: 'k' black, 'r' red, '-' any other.
    std::string FrameLines(const char* graph) {
        Frame(graph).Clear();
        window.Find<tk::Timer>("TMFrame")->Fire();
        std::string colours;
        for (const auto& call : Frame(graph).Calls())
            if (call.op == "DrawLine")
                colours += call.color == 0 ? 'k' : call.color == tk::RGB(255, 0, 0) ? 'r' : '-';
        return colours;
    }
};

// What the user meets in each state of a run: the button, the timer, how many of the 15 inputs
// are on, the menu items that are on; and whether the typed 3 and 4 were loaded (0.8 in field 2).
TEST_F(MainWindow, ShowsEachStateOfTheRunAndLoadsTheTypedValuesBeforeTheFirstCommand) {
    const struct {
        const char* name;
        Strings items;
        std::string seen;
        std::string clock;
        bool loaded;
    } cases[] = {
        {"idle", {}, "Start 0 15 AnimationStepBack AnimationGoToHalf StatesCat", "t = 0.000 T₁", false},
        {"running",
         {"AnimationStartStop"},
         "Stop 2 2 AnimationPause AnimationGoToHalf StatesCat",
         "t = 0.000 T₁",
         true},
        {"paused",
         {"AnimationStartStop", "AnimationPause"},
         "Stop 0 2 AnimationPause AnimationStepBack AnimationGoToHalf StatesCat",
         "t = 0.000 T₁",
         true},
        {"a step from idle",
         {"AnimationStepForward"},
         "Stop 0 2 AnimationPause AnimationStepBack AnimationGoToHalf StatesCat",
         "t = 0.003 T₁",
         true},
        {"half a period",
         {"AnimationGoToHalf"},
         "Stop 0 2 AnimationPause AnimationStepBack AnimationGoToHalf StatesCat",
         "t = 0.500 T₁",
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (window.Model().State() != run::RunState::Idle)
            Press("PBStart");
        Type({"3", "4"}, {"30", "90"});
        for (const std::string& item : c.items)
            Choose(item);
        int inputs = window.Find("PBNorm")->Enabled() + window.Find("SLSpeed")->Enabled() +
                     window.Find("RBNth", 3)->Enabled();
        for (int k = 0; k < MainWndo::kComponents; ++k)
            inputs += Magnitude(k).Enabled() + Angle(k).Enabled();
        std::string seen = window.Find<tk::PushButton>("PBStart")->Caption() + " " +
                           std::to_string(window.Find<tk::Timer>("TMFrame")->Mode()) + " " +
                           std::to_string(inputs);
        for (const char* item : {"AnimationPause", "AnimationStepBack", "AnimationGoToHalf", "StatesCat"})
            seen += window.Commands().MenuHandler(item) ? std::string(" ") + item : "";
        EXPECT_EQ(std::tuple(seen, window.StatusBar()->Parts().at(0), Magnitude(1).Text() == "0.800000"),
                  std::tuple(c.seen, c.clock, c.loaded));
    }
}

// Normalize writes six decimals into the fields and loads every phasor; an angle is read as a
// number and left as typed.
TEST_F(MainWindow, NormalizeWritesTheFieldsAndDrawsThePhasors) {
    EXPECT_EQ(Picture(0).Ops().back(), "DrawLine 35 35 70 35") << "the fields' state, loaded at launch";
    const struct {
        Strings magnitudes;
        std::string angle;
        std::string fields;
        std::string line; // the first phasor's
    } cases[] = {
        {{"3", "4"}, "90", "0.600000 0.800000 0.000000 0.000000 0.000000 0.000000 ", "DrawLine 35 35 35 13"},
        {{"12 monkeys", "1e-300"},
         "1,5e2", // a decimal comma reads as a point: 150 degrees
         "1.000000 0.000000 0.000000 0.000000 0.000000 0.000000 ",
         "DrawLine 35 35 4 17"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.magnitudes[0]);
        Type(c.magnitudes, {c.angle});
        Press("PBNorm");
        EXPECT_EQ(std::tuple(Fields(), Angle(0).Text(), Picture(0).Ops().back(), window.Blanked),
                  std::tuple(c.fields, c.angle, c.line, false));
        EXPECT_EQ(Picture(5).Ops().back(), "DrawLine 35 35 35 35") << "every phasor drawn";
    }

    Choose("StatesPacket"); // six decimals and whole degrees, normalized
    EXPECT_EQ(std::tuple(Fields(), Angle(4).Text(), window.Blanked),
              std::tuple("0.443915 0.604980 0.402195 0.000000 0.330149 0.407651 ", "180", false));
    Press("PBStart");
    window.TMFrame_Action();
    Choose("StatesGround"); // a run stops first, and the state shows at t = 0
    EXPECT_EQ(std::tuple(window.Model().State(), Fields(), window.StatusBar()->Parts().at(0)),
              std::tuple(run::RunState::Idle, "1.000000 0.000000 0.000000 0.000000 0.000000 0.000000 ",
                         "t = 0.000 T₁"));
}

TEST_F(MainWindow, EditsBlankThePhasorsOnceFocusSelectsAllAndTheRadioButtonsChoose) {
    for (const char* field : {"EFMagn", "EFAngle"}) {
        SCOPED_TRACE(field);
        Press("PBNorm");
        for (int k = 0; k < MainWndo::kComponents; ++k)
            Picture(k).Clear();
        window.Find<tk::EditField>(field, 2)->NotifyTextEdited("0.25é");
        window.Find<tk::EditField>(field, 4)->NotifyTextEdited("10");
        for (int k = 0; k < MainWndo::kComponents; ++k)
            EXPECT_EQ(Picture(k).Ops(), Strings{"ClearRect 0 0 70 70"}) << "cleared once, " << k;
        EXPECT_EQ(window.StatusBar()->Message(), "Press Normalize to load the new values");
        window.Find<tk::EditField>(field, 2)->NotifyFocusIn();
        EXPECT_EQ(std::tuple(window.Find<tk::EditField>(field, 2)->SelStart(),
                             window.Find<tk::EditField>(field, 2)->SelLength()),
                  std::tuple(0, 5))
            << "in characters";
    }
    window.Find<tk::RadioButton>("RBNth", 2)->NotifyChosen();
    EXPECT_EQ(window.Show, (Shown{0, 0, 1, 0, 0, 0}));
    window.Find<tk::RadioButton>("RBTotal")->NotifyChosen();
    EXPECT_EQ(window.Show, (Shown{1, 1, 1, 1, 1, 1}));
}

// Each frame turns the phasors and draws both plots: the real part in black, then the imaginary
// part in red, the axes before them; a state alone whose magnitude is 0 draws no curve.
TEST_F(MainWindow, FramesTurnThePhasorsAndDrawBothPlots) {
    Type({"1", "0", "0", "0", "0", "1"}, {"10", "0", "0", "0", "0", "20"});
    Press("PBStart");
    for (int frame = 0; frame < 2; ++frame) {
        const std::string wave = FrameLines("GFWFunc");
        EXPECT_TRUE(wave.ends_with(std::string(100, 'k') + std::string(100, 'r'))) << wave;
        EXPECT_EQ(std::count(wave.begin(), wave.end(), 'r'), 100);
        EXPECT_EQ(window.Find<Graph>("GFWFunc")->GX->ForeColor(), tk::RGB(0, 0, 0));
    }
    EXPECT_EQ(Phasor(5).angle, window.Model().Phases()[5]);
    const Strings ops = Picture(5).Ops();
    EXPECT_EQ(std::count(ops.begin(), ops.end(), "DrawOval 0 0 70 70"), 4)
        << "loaded at launch and at Start, then drawn again at each of the two frames";
    const std::string density = FrameLines("GFProb");
    EXPECT_TRUE(density.ends_with(std::string(100, 'k'))) << density;
    const Graph& prob = *window.Find<Graph>("GFProb");
    EXPECT_EQ(std::tuple(prob.YMin, prob.YMax), std::tuple(0.0, 1.0));

    window.Find<tk::RadioButton>("RBNth", 3)->NotifyChosen();
    const std::string none = FrameLines("GFProb");
    window.Find<tk::RadioButton>("RBTotal")->NotifyChosen();
    EXPECT_EQ(FrameLines("GFProb").size() - none.size(), 100u);
}

TEST_F(MainWindow, TheStatusLineSaysWhyNothingIsShown) {
    const struct {
        Strings magnitudes;
        Strings items;
        int alone; // the state shown alone, or 0 for all
        std::string line;
    } cases[] = {
        {{"3", "4"}, {}, 0, "Press Normalize to load the new values · t = 0.000 T₁ · frame 0 · speed 10"},
        {{"0"},
         {"AnimationStepForward"},
         0,
         "All magnitudes are 0: nothing to show or measure · t = 0.003 T₁ · frame 1 · speed 10"},
        {{"3", "4"},
         {"AnimationStartStop"},
         3,
         "State 3 has magnitude 0 · t = 0.000 T₁ · frame 0 · speed 10"},
        {{"3", "4"}, {"AnimationStepBack"}, 0, "Paused · t = -0.003 T₁ · frame -1 · speed 10"},
    };
    for (const auto& c : cases) {
        if (window.Model().State() != run::RunState::Idle)
            Press("PBStart");
        Type(c.magnitudes);
        window.Find<tk::RadioButton>("RBTotal")->NotifyChosen();
        for (const std::string& item : c.items)
            Choose(item);
        if (c.alone)
            window.Find<tk::RadioButton>("RBNth", c.alone - 1)->NotifyChosen();
        EXPECT_EQ(Status(), c.line);
    }
    window.Find<tk::Slider>("SLSpeed")->NotifyValue(37);
    EXPECT_EQ(window.StatusBar()->Parts().at(2), "speed 37") << "at once, not at the next frame";
    EXPECT_EQ(StatusLine::ClockText(-1e-9), "t = 0.000 T₁") << "no minus sign on a zero";
    EXPECT_EQ(StatusLine::ClockText(0.0024999999), "t = 0.003 T₁") << "read to a millionth first";
}

// The options switch from the menus (their check marks are the start-up test's), and a window made
// later starts with them, as the next session does. The physical scale fixes the plots' ranges by the
// state: sqrt(2) for state 1 alone, up to a half.
TEST_F(MainWindow, OptionsSwitchFromTheMenusAndAreRemembered) {
    Type({"1"});
    Press("PBNorm");
    const Graph& wave = *window.Find<Graph>("GFWFunc");
    const Graph& density = *window.Find<Graph>("GFProb");
    const auto ranges = [&] { return std::tuple(wave.YMin, wave.YMax, density.YMax); };
    Choose(command::kViewPhysicalScale);
    Choose(command::kAnimationTimeForward);
    EXPECT_EQ(ranges(), std::tuple(-1.5, 1.5, 2.0));
    Choose(command::kViewPhysicalScale);
    EXPECT_EQ(ranges(), std::tuple(-1.0, 1.0, 1.0));

    MainWndo next;
    next.Open();
    EXPECT_EQ(std::pair(next.Model().PhysicalScale(), next.Model().TimeForward()), std::pair(false, true));
}

// From speed 50 state 6 turns half a turn a frame: the status line names it and its circle is red.
TEST_F(MainWindow, SaysWhichStatesTurnTooFastToFollow) {
    Type({"1", "0", "0", "0", "1", "1"});
    window.Find<tk::Slider>("SLSpeed")->NotifyValue(50);
    Press("PBStart");
    EXPECT_EQ(window.StatusBar()->Message(), "Too fast to follow: state 6 turns 180° or more a frame");
    const auto circleColour = [this](int k) {
        tk::Color last = tk::kWhite;
        for (const auto& call : Picture(k).Calls())
            if (call.op == "DrawOval")
                last = call.color;
        return last;
    };
    EXPECT_EQ(std::tuple(circleColour(0), circleColour(4), circleColour(5)),
              std::tuple(tk::kBlack, tk::kBlack, tk::kCurveRed));
}

} // namespace
