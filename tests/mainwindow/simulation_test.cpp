// The simulation on the fake platform: normalization, selection, blanking, Start and Stop, and the
// numbers of each frame against a computation of psi of its own.

#include "tests/mainwindow/opened_main_wndo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace testing_main;
using SimulationTest = OpenedMainWndo;

TEST_F(SimulationTest, StartsIdleWithAllShownAndNothingLoaded) {
    EXPECT_EQ(window.dAngle, 0.1);
    EXPECT_EQ(window.Show, (std::array<std::int32_t, 6>{1, 1, 1, 1, 1, 1}));
    EXPECT_FALSE(window.Blanked);
    EXPECT_EQ(window.PsiSqrd, decltype(window.PsiSqrd){});
    for (int k = 0; k < MainWndo::kComponents; ++k) {
        EXPECT_EQ(std::tuple(Phasor(k).magn, Phasor(k).angle), std::tuple(0.0, 0.0));
        EXPECT_TRUE(PhasorPicture(k).Calls().empty()) << "blank until loaded";
    }
    EXPECT_EQ(Frame("GFWFunc").Ops("DrawString").size(), 11u + 5u + 1u) << "tick labels and x/L";
}

TEST_F(SimulationTest, NormalizesTheTypedMagnitudes) {
    constexpr double kMax = 1.7976931348623157e308;
    const struct {
        Strings typed;
        Strings shown;
        std::vector<double> magn; // when given, exactly
    } cases[] = {
        {{"3", "4"},
         {"0.600000", "0.800000", "0.000000", "0.000000", "0.000000", "0.000000"},
         {3 * (1.0 / 5), 4 * (1.0 / 5)}},
        {{"0", "-2"}, {"0.000000", "-1.000000", "0.000000", "0.000000", "0.000000", "0.000000"}, {0, -1}},
        {{"abc", "2"}, {"0.000000", "1.000000", "0.000000", "0.000000", "0.000000", "0.000000"}, {0, 1}},
        {{"0", "-0", "", " ", "x", "nan"},
         {"0.000000", "0.000000", "0.000000", "0.000000", "0.000000", "0.000000"},
         {0, 0, 0, 0, 0, 0}},
        {{"1e200", "1e200"}, {"0.707107", "0.707107", "0.000000", "0.000000", "0.000000", "0.000000"}, {}},
        {{"1e-200", "-1e-200"},
         {"0.707107", "-0.707107", "0.000000", "0.000000", "0.000000", "0.000000"},
         {}},
        {{"1e999", "1e-999", "1e154"},
         {"1.000000", "0.000000", "0.000000", "0.000000", "0.000000", "0.000000"},
         {1, 0, 1e154 / kMax}},
        {{"1e-160", "1e-160", "1e-160", "1e-160"},
         {"0.500000", "0.500000", "0.500000", "0.500000", "0.000000", "0.000000"},
         {0.5, 0.5, 0.5, 0.5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed[0] + " " + c.typed[1]);
        Type(c.typed, {"450", "-30", "1e3"});
        window.DoNormalize();
        EXPECT_EQ(MagnitudeTexts(), c.shown);
        for (std::size_t k = 0; k < c.magn.size(); ++k)
            EXPECT_EQ(Phasor(int(k)).magn, c.magn[k]) << k;
        EXPECT_EQ(std::tuple(Phasor(0).angle, Phasor(1).angle, Phasor(2).angle),
                  std::tuple(450.0, -30.0, 1000.0));
        EXPECT_EQ(Angle(0).Text(), "450") << "angles are read, not rewritten";
        EXPECT_FALSE(window.Blanked);
    }
    EXPECT_EQ(Phasor(1).AccessibleDescription(), "State 2: magnitude 0.500000, angle -30 degrees");
}

TEST_F(SimulationTest, AnEditBlanksThePhasorsOnceAndNormalizingDrawsThemAll) {
    window.DoNormalize();
    for (int k = 0; k < MainWndo::kComponents; ++k) {
        EXPECT_EQ(PhasorPicture(k).Ops("DrawOval").size(), 1u)
            << "every phasor shows after normalizing, " << k;
        PhasorPicture(k).Clear();
    }
    Magnitude(2).NotifyTextEdited("0.5");
    Angle(4).NotifyTextEdited("10");
    EXPECT_TRUE(window.Blanked);
    for (int k = 0; k < MainWndo::kComponents; ++k)
        EXPECT_EQ(PhasorPicture(k).Ops(), Strings{"ClearRect 0 0 70 70"}) << "cleared once, " << k;
    window.PBNorm_Action();
    EXPECT_FALSE(window.Blanked);
    for (int k = 0; k < MainWndo::kComponents; ++k)
        EXPECT_EQ(PhasorPicture(k).Ops().back().rfind("DrawLine 35 35", 0), 0u) << "drawn last, " << k;
}

TEST_F(SimulationTest, FocusSelectsTheWholeTextAndTheRadioButtonsChooseWhatIsShown) {
    Magnitude(3).NotifyTextEdited("0.25é");
    window.EFMagn_GotFocus(3);
    EXPECT_EQ(std::tuple(Magnitude(3).SelStart(), Magnitude(3).SelLength()), std::tuple(0, 5));
    window.EFAngle_GotFocus(1);
    EXPECT_EQ(std::tuple(Angle(1).SelStart(), Angle(1).SelLength()), std::tuple(0, 1));
    window.RBNth_Action(2);
    EXPECT_EQ(window.Show, (std::array<std::int32_t, 6>{0, 0, 1, 0, 0, 0}));
    window.RBTotal_Action();
    EXPECT_EQ(window.Show, (std::array<std::int32_t, 6>{1, 1, 1, 1, 1, 1}));
}

TEST_F(SimulationTest, StartAndStopSwitchTheInputsAndTheTimer) {
    const auto state = [&] {
        std::vector<bool> enabled;
        for (int k = 0; k < MainWndo::kComponents; ++k)
            enabled.push_back(Magnitude(k).Enabled() && Angle(k).Enabled());
        return std::tuple(Start().Caption(), window.Find<tk::Timer>("TMFrame")->Mode(),
                          window.Find("PBNorm")->Enabled(), enabled, Speed().Enabled(),
                          window.Find("RBNth", 3)->Enabled());
    };
    const std::vector<bool> all(6, true), none(6, false);
    window.PBStart_Action();
    EXPECT_EQ(state(), std::tuple("Stop", tk::Timer::kMultiple, false, none, true, true));
    window.PBStart_Action();
    EXPECT_EQ(state(), std::tuple("Start", tk::Timer::kOff, true, all, true, true));
}

TEST_F(SimulationTest, FramesOfTheInitialStateKeepItsDensityAndTurnEachPhaseByNSquaredDegrees) {
    window.PBStart_Action();
    for (int frame = 1; frame <= 50; ++frame) {
        window.TMFrame_Action();
        for (int j = 0; j < MainWndo::kSamples; ++j) {
            const double s = std::sin(std::numbers::pi * 0.01 * j);
            ASSERT_NEAR(window.PsiSqrd[j], s * s, 1e-12) << "frame " << frame << ", sample " << j;
        }
        ExpectFrameMatchesPsi();
    }
    for (int k = 0; k < MainWndo::kComponents; ++k)
        EXPECT_NEAR(Phasor(k).angle, 50.0 * (k + 1) * (k + 1), 1e-9) << k;
    EXPECT_EQ(Phasor(5).magn, 0) << "zero-length phasors turn all the same";
}

TEST_F(SimulationTest, OneComponentShownAloneHasItsMagnitudeDividedOut) {
    Type({"0.3", "0.9", "-0.2"}, {"0", "0", "40"});
    window.PBStart_Action();
    for (const int shown : {1, 2}) {
        window.RBNth_Action(shown);
        window.TMFrame_Action();
        ExpectFrameMatchesPsi();
        const double sign = Phasor(shown).magn < 0 ? -1 : 1;
        const std::complex<double> phase = std::polar(1.0, Phasor(shown).angle * std::numbers::pi / 180);
        EXPECT_NEAR(window.PsiReal[20], sign * std::sin((shown + 1) * std::numbers::pi * 0.2) * phase.real(),
                    1e-9);
        EXPECT_NEAR(*std::max_element(window.PsiSqrd.begin(), window.PsiSqrd.end()), 1, 1e-3)
            << "peak modulus 1";
    }
}

TEST_F(SimulationTest, TwoEqualComponentsSloshAndOppositeSignsDoNotCancelTheScale) {
    Type({"1", "1"});
    window.PBStart_Action();
    std::vector<int> peaks;
    for (int frame = 0; frame < 60; ++frame) {
        window.TMFrame_Action();
        ExpectFrameMatchesPsi();
        peaks.push_back(DensityPeak());
    }
    EXPECT_LT(*std::min_element(peaks.begin(), peaks.end()), 40);
    EXPECT_GT(*std::max_element(peaks.begin(), peaks.end()), 60) << "the peak moves across the box";

    window.PBStart_Action();
    Type({"0.707107", "-0.707107"});
    window.PBStart_Action();
    window.TMFrame_Action();
    ExpectFrameMatchesPsi();
    for (double v : window.PsiSqrd)
        ASSERT_LE(v, 1.0);
    EXPECT_GT(window.PsiSqrd[75], 0.5) << "(psi1 - psi2)/sqrt 2 is drawn, not 0/0";
}

TEST_F(SimulationTest, SpeedIsReadEveryFrameAndStartBeginsAgainFromTheTypedPhases) {
    Type({"1", "0", "0", "0", "0", "1"}, {"10", "0", "0", "0", "0", "20"});
    window.PBStart_Action();
    Speed().SetValue(100);
    window.TMFrame_Action();
    EXPECT_EQ(Phasor(5).angle, 20.0 + 360.0) << "36 x 0.1 x 100 is exactly 360";
    window.TMFrame_Action();
    EXPECT_EQ(Phasor(5).angle, 20.0 + 720.0) << "and the angle is never wrapped";
    Speed().SetValue(1);
    window.TMFrame_Action();
    EXPECT_DOUBLE_EQ(Phasor(0).angle, 10.0 + 10 + 10 + 0.1);
    window.PBStart_Action();
    EXPECT_DOUBLE_EQ(Phasor(0).angle, 10.0 + 20.1) << "Stop keeps the phases reached";
    window.PBStart_Action();
    EXPECT_EQ(std::tuple(Phasor(0).angle, Phasor(5).angle), std::tuple(10.0, 20.0))
        << "Start reloads the typed ones";
}

TEST_F(SimulationTest, AFrameWithNothingShownCompletesDrawsNoCurveAndTheNextDrawsAgain) {
    Type({"1"});
    window.PBStart_Action();
    window.RBNth_Action(3); // a component whose magnitude is 0
    EXPECT_EQ(DensityCurveSegments(), 0);
    EXPECT_TRUE(std::isnan(window.PsiSqrd[50]));
    window.RBTotal_Action();
    EXPECT_EQ(DensityCurveSegments(), 100);
}

TEST_F(SimulationTest, PlotsSetUpTheirAxesAndDrawTheWavefunctionBlackThenRedThenBlackAgain) {
    Graph& wave = *window.Find<Graph>("GFWFunc");
    Graph& prob = *window.Find<Graph>("GFProb");
    EXPECT_EQ(std::tuple(wave.XMin, wave.XMax, wave.YMin, wave.YMax, wave.HasGrid, (wave.YFlags & 256) != 0),
              std::tuple(0.0, 1.0, -1.0, 1.0, true, true));
    EXPECT_EQ(std::tuple(prob.XMin, prob.XMax, prob.YMin, prob.YMax, prob.HasGrid, (prob.YFlags & 256) != 0),
              std::tuple(0.0, 1.0, 0.0, 1.0, true, false));
    EXPECT_EQ(wave.GetSString(wave.XLabel), "@System@#12#x/L");
    window.PBStart_Action();
    for (int frame = 0; frame < 2; ++frame) {
        Frame("GFWFunc").Clear();
        window.TMFrame_Action();
        std::vector<tk::Color> lines; // the curves are the last 200, drawn after the axes
        for (const auto& call : Frame("GFWFunc").Calls())
            if (call.op == "DrawLine")
                lines.push_back(call.color);
        ASSERT_GE(lines.size(), 200u);
        const std::vector<tk::Color> last(lines.end() - 200, lines.end());
        EXPECT_EQ(std::count(last.begin(), last.begin() + 100, tk::RGB(0, 0, 0)), 100);
        EXPECT_EQ(std::count(last.begin() + 100, last.end(), tk::RGB(255, 0, 0)), 100);
        EXPECT_EQ(wave.GX->ForeColor(), tk::RGB(0, 0, 0));
    }
}

} // namespace
