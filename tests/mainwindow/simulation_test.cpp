// The simulation on the fake platform: normalization, selection, blanking, and the numbers of each
// frame against a computation of psi of its own.

#include "tests/mainwindow/opened_main_wndo.h"

#include "toolkit/numbers.h"

#include <tuple>

namespace {

using namespace testing_main;
using Simulation = OpenedMainWndo;
using Shown = std::array<std::int32_t, 6>;

TEST_F(Simulation, NormalizesTheTypedMagnitudesAndLoadsThePhasors) {
    EXPECT_EQ(std::tuple(window.dAngle, window.Show, window.Blanked),
              std::tuple(0.1, Shown{1, 1, 1, 1, 1, 1}, false));
    EXPECT_TRUE(Picture(0).Calls().empty()) << "blank until loaded";
    const struct {
        Strings typed;
        std::string shown;
        std::vector<double> magn; // exactly, when given
    } cases[] = {
        {{"3", "4"}, "0.600000 0.800000 0.000000 ", {3 * (1.0 / 5), 4 * (1.0 / 5)}},
        {{"0", "-2"}, "0.000000 -1.000000 0.000000 ", {0, -1}},
        {{"1e200", "1e200"}, "0.707107 0.707107 0.000000 ", {}},
        {{"1e-200", "-1e-200"}, "0.707107 -0.707107 0.000000 ", {}},
        {{"1e-160", "1e-160", "1e-160"}, "0.577350 0.577350 0.577350 ", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed[0] + " " + c.typed[1]);
        Type(c.typed, {"450", "-30"});
        window.PBNorm_Action();
        EXPECT_EQ(MagnitudeTexts().substr(0, c.shown.size()), c.shown);
        for (std::size_t k = 0; k < c.magn.size(); ++k)
            EXPECT_EQ(Phasor(int(k)).magn, c.magn[k]) << k;
        EXPECT_EQ(std::tuple(Phasor(0).angle, Phasor(1).angle, Angle(0).Text()),
                  std::tuple(450.0, -30.0, "450"));
        for (int k = 0; k < MainWndo::kComponents; ++k)
            EXPECT_EQ(Picture(k).Ops().back().rfind("DrawLine 35 35", 0), 0u) << "every phasor drawn, " << k;
        EXPECT_FALSE(window.Blanked);
    }
    EXPECT_EQ(Phasor(1).AccessibleDescription(), "State 2: magnitude 0.577350, angle -30 degrees");
}

TEST_F(Simulation, EditsBlankOnceFocusSelectsAllAndTheRadioButtonsChoose) {
    window.DoNormalize();
    for (int k = 0; k < MainWndo::kComponents; ++k)
        Picture(k).Clear();
    Magnitude(2).NotifyTextEdited("0.25é");
    Angle(4).NotifyTextEdited("10");
    for (int k = 0; k < MainWndo::kComponents; ++k)
        EXPECT_EQ(Picture(k).Ops(), Strings{"ClearRect 0 0 70 70"}) << "cleared once, " << k;
    EXPECT_TRUE(window.Blanked);
    window.EFMagn_GotFocus(2);
    EXPECT_EQ(std::tuple(Magnitude(2).SelStart(), Magnitude(2).SelLength()), std::tuple(0, 5));
    window.EFAngle_GotFocus(1);
    EXPECT_EQ(std::tuple(Angle(1).SelStart(), Angle(1).SelLength()), std::tuple(0, 1));
    window.RBNth_Action(2);
    EXPECT_EQ(window.Show, (Shown{0, 0, 1, 0, 0, 0}));
    window.RBTotal_Action();
    EXPECT_EQ(window.Show, (Shown{1, 1, 1, 1, 1, 1}));
}

TEST_F(Simulation, FramesFollowPsiForEveryKindOfState) {
    Toggle(); // the initial state: |psi|^2 stays sin^2(pi x), phase n turns n^2 degrees a frame
    for (int frame = 1; frame <= 30; ++frame) {
        window.TMFrame_Action();
        ExpectFrameMatchesPsi();
        for (int j = 0; j < MainWndo::kSamples; ++j)
            ASSERT_NEAR(window.PsiSqrd[j], std::pow(std::sin(std::numbers::pi * 0.01 * j), 2), 1e-12);
    }
    for (int k = 0; k < MainWndo::kComponents; ++k)
        EXPECT_NEAR(Phasor(k).angle, 30.0 * (k + 1) * (k + 1), 1e-9) << "zero-length phasors turn too, " << k;
    Toggle();

    Type({"0.3", "0.9", "-0.2"}, {"0", "0", "40"}); // one state alone: its magnitude divides out
    Toggle();
    for (const int shown : {1, 2}) {
        window.RBNth_Action(shown);
        window.TMFrame_Action();
        ExpectFrameMatchesPsi();
        EXPECT_NEAR(*std::max_element(window.PsiSqrd.begin(), window.PsiSqrd.end()), 1, 1e-3);
    }
    Toggle();

    Type({"0.707107", "-0.707107"}); // (psi1 - psi2)/sqrt 2: drawn, not 0/0, and |psi| at most 1
    window.RBTotal_Action();
    Toggle();
    window.TMFrame_Action();
    ExpectFrameMatchesPsi();
    EXPECT_GT(window.PsiSqrd[75], 0.5);
    EXPECT_LE(*std::max_element(window.PsiSqrd.begin(), window.PsiSqrd.end()), 1.0);
}

TEST_F(Simulation, SpeedIsReadEveryFrameAndStartBeginsAgainFromTheTypedPhases) {
    Type({"1", "0", "0", "0", "0", "1"}, {"10", "0", "0", "0", "0", "20"});
    Toggle();
    window.Find<tk::Slider>("SLSpeed")->SetValue(100);
    window.TMFrame_Action();
    window.TMFrame_Action();
    EXPECT_EQ(Phasor(5).angle, 20.0 + 720.0) << "36 x 0.1 x 100 is exactly 360, never wrapped";
    window.Find<tk::Slider>("SLSpeed")->SetValue(1);
    window.TMFrame_Action();
    EXPECT_DOUBLE_EQ(Phasor(0).angle, 10.0 + 20.1);
    Toggle();
    EXPECT_DOUBLE_EQ(Phasor(0).angle, 10.0 + 20.1) << "Stop keeps the phases reached";
    Toggle();
    EXPECT_EQ(std::tuple(Phasor(0).angle, Phasor(5).angle), std::tuple(10.0, 20.0))
        << "Start reloads the typed ones";
}

TEST_F(Simulation, PlotsDrawTheirAxesAndCurvesInOrderAndNothingForAnEmptySelection) {
    Graph& wave = *window.Find<Graph>("GFWFunc");
    Graph& prob = *window.Find<Graph>("GFProb");
    EXPECT_EQ(std::tuple(wave.YMin, wave.YMax, wave.HasGrid, (wave.YFlags & 256) != 0,
                         wave.GetSString(wave.XLabel)),
              std::tuple(-1.0, 1.0, true, true, "@System@#12#x/L"));
    EXPECT_EQ(std::tuple(prob.YMin, prob.YMax, prob.HasGrid, (prob.YFlags & 256) != 0),
              std::tuple(0.0, 1.0, true, false));
    Toggle();
    for (int frame = 0; frame < 2; ++frame) { // black, then red over it, then black again
        Frame("GFWFunc").Clear();
        window.TMFrame_Action();
        std::string colours; // of every line: the curves come last, after the axes
        for (const auto& call : Frame("GFWFunc").Calls())
            if (call.op == "DrawLine")
                colours += call.color == 0 ? 'k' : call.color == tk::RGB(255, 0, 0) ? 'r' : '-';
        EXPECT_TRUE(colours.ends_with(std::string(100, 'k') + std::string(100, 'r'))) << colours;
        EXPECT_EQ(std::count(colours.begin(), colours.end(), 'r'), 100);
        EXPECT_EQ(wave.GX->ForeColor(), tk::RGB(0, 0, 0));
    }
    window.RBNth_Action(3); // a component whose magnitude is 0: 0/0, no curve, and the next frame draws
    EXPECT_EQ(DensityCurveSegments(), 0);
    EXPECT_TRUE(std::isnan(window.PsiSqrd[50]));
    window.RBTotal_Action();
    EXPECT_EQ(DensityCurveSegments(), 100);
}

} // namespace
