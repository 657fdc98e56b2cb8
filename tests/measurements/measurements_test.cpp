// Measurements on the fake platform: what one measurement does to the main window's run, fields,
// status line and density plot, and how the Measurements window gathers outcomes and follows the run.

#include "app/commands.h"
#include "measurements/measurements_wndo.h"
#include "tests/mainwindow/opened_main_wndo.h"

#include <gtest/gtest.h>

namespace {

class Measuring : public testing_main::OpenedMainWndo {
protected:
    Measuring() {
        Type({"0.6", "0.8"}, {"0", "100"});
        window.PBNorm_Action();
    }
    std::string Message() const { return window.StatusBar()->Message(); }
    // The marks of positions found on the density plot since the last look.
    int GreenLines() {
        int count = 0;
        for (const fake::DrawCall& call : Frame("GFProb").Calls())
            count += call.op == "DrawLine" && call.color == tk::kFoundGreen;
        Frame("GFProb").Clear();
        return count;
    }
};

TEST_F(Measuring, CollapsesTheRunningStateAndSaysWhatWasFound) {
    window.PBStart_Action();
    window.TMFrame_Action();
    Choose(command::kMeasureEnergy);
    const bool first = Magnitude(0).Text() == "1.000000";
    EXPECT_EQ(Magnitude(first ? 1 : 0).Text(), "0.000000");
    EXPECT_EQ(Angle(first ? 0 : 1).Text(), first ? "1" : "104"); // as the frame left it, n^2 x 0.1 x 10 on
    EXPECT_EQ(Message(),
              first ? "E = 1 E₁ (n = 1) · collapsed to state 1" : "E = 4 E₁ (n = 2) · collapsed to state 2");
    EXPECT_EQ(window.Model().State(), run::RunState::Running);
    EXPECT_EQ(window.Model().FramesAdvanced(), 0) << "the state found starts from t = 0";

    GreenLines();
    Choose(command::kMeasurePosition);
    EXPECT_NE(Message().find("x = "), std::string::npos);
    EXPECT_NE(Message().find("of which the six states hold"), std::string::npos);
    EXPECT_EQ(GreenLines(), 1);
    window.TMFrame_Action();
    EXPECT_EQ(GreenLines(), 1) << "the mark stays while the state found runs";
    Choose(command::kStatesGround);
    EXPECT_EQ(GreenLines(), 0) << "another state loaded takes the mark away";
}

TEST_F(Measuring, LeavesTheStateAloneWithoutCollapseAndIsOffForTheZeroState) {
    Choose(command::kMeasureCollapse);
    Choose(command::kMeasurePosition);
    EXPECT_EQ(Magnitude(0).Text(), "0.600000");
    Type({"0"});
    window.PBNorm_Action();
    EXPECT_EQ(window.Commands().MenuHandler(command::kMeasureEnergy), nullptr);
}

TEST_F(Measuring, TheWindowGathersInSlicesAndFollowsTheRunWhenItHolds) {
    MeasurementsWndo view(window);
    view.Open();
    view.Add(10);
    EXPECT_EQ(view.Outcomes()->Count(), 10u);
    EXPECT_EQ(view.PositionSummary().substr(0, 16), "Positions\nN = 10");
    view.Add(100'000'000);
    EXPECT_GT(view.Pending(), 0u) << "a slice a frame, not all at once";
    const std::uint64_t sliced = view.Outcomes()->Count();
    view.TMSlices_Action();
    EXPECT_GT(view.Outcomes()->Count(), sliced);

    view.Clear();
    EXPECT_EQ(view.Pending(), 0u);
    window.PBStart_Action();
    view.Add(5);
    EXPECT_EQ(view.Outcomes()->Count(), 0u) << "while the animation runs, outcomes wait for a frame";
    window.TMFrame_Action();
    view.TMSlices_Action(); // the slice just after the frame
    EXPECT_EQ(view.Outcomes()->Count(), 5u) << "a running animation leaves the instant taken";
    window.PauseOrResume();
    EXPECT_EQ(view.Outcomes()->Count(), 0u) << "a pause takes the instant shown";
    EXPECT_NE(view.TallyCsv().find("quantity,from,to,count"), std::string::npos);

    view.Find<tk::EditField>("EFSeed")->NotifyTextEdited("12x");
    EXPECT_EQ(view.Note().substr(0, 27), "The seed is a whole number ");
    view.Find<tk::EditField>("EFSeed")->NotifyTextEdited("18446744073709551615");
    EXPECT_EQ(window.MeasurementLab().Seed(), 18446744073709551615u);

    window.PBStart_Action();
    Type({"0"});
    window.PBNorm_Action();
    EXPECT_FALSE(view.Outcomes());
    EXPECT_FALSE(view.Find<tk::PushButton>("PBAdd1")->Enabled());
    EXPECT_EQ(view.Note(), "No particle: every magnitude is 0, so there is nothing to measure.");
}

} // namespace
