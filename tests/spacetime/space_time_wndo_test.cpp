// The space-time picture on the fake platform, following a main window: when it works the picture
// out again and when a frame draws only the cursor, how the pointer and the keys set the time, and
// the grid it writes as CSV.

#include "app/commands.h"
#include "spacetime/grid_csv.h"
#include "spacetime/space_time_wndo.h"
#include "tests/mainwindow/opened_main_wndo.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

namespace {

class SpaceTimeTest : public testing_main::OpenedMainWndo {
protected:
    SpaceTimeTest() {
        Type({"0.6", "0.8"});
        window.PBNorm_Action();
        view.Open();
    }

    PointerGraph& Plot() { return *view.Find<PointerGraph>("GFCarpet"); }
    fake::RecordingGraphics& PlotFrame() { return *static_cast<fake::FakePicture&>(*Plot().GXP).Recorder(); }
    // A point of the heat map, as fractions of it across and down.
    std::pair<int, int> At(double across, double down) {
        const Graph& g = Plot();
        return {g.GLeft + 1 + static_cast<int>(across * (g.GWidth - 1)),
                g.GTop + 1 + static_cast<int>(down * (g.GHeight - 1))};
    }
    void Key(const std::string& keys) {
        for (const auto& command : view.KeyCommands())
            if (command.keys == keys)
                command.action();
    }

    SpaceTimeWndo view{window};
};

// Each step, and whether the picture is worked out again for it: only what it shows counts, never
// the time, whose frames draw the cursor over the kept picture.
TEST_F(SpaceTimeTest, WorksThePictureOutAgainOnlyWhenWhatItShowsChanges) {
    const struct {
        const char* name;
        std::function<void()> step;
        int recomputed;
    } steps[] = {
        {"ten frames of a run",
         [&] {
             window.PBStart_Action();
             for (int i = 0; i < 10; ++i)
                 window.TMFrame_Action();
         },
         0},
        {"another state in the main window, the picture showing the total", [&] { window.RBNth_Action(1); },
         0},
        {"the picture following the main window's choice", [&] { view.Choose({.followSelection = true}); },
         1},
        {"another state in the main window, followed", [&] { window.RBNth_Action(0); }, 1},
        {"half a period", [&] { view.Choose({.followSelection = true, .halfPeriod = true}); }, 1},
        {"the physical scale",
         [&] { view.Choose({.followSelection = true, .halfPeriod = true, .physical = true}); }, 1},
        {"time forward", [&] { Choose(command::kAnimationTimeForward); }, 1},
        {"a new state",
         [&] {
             window.PBStart_Action();
             Type({"1", "0", "1"});
             window.PBNorm_Action();
         },
         1},
        {"the fields edited", [&] { Type({"2"}); }, 0},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.name);
        const int before = view.Recomputations();
        PlotFrame().Clear();
        s.step();
        EXPECT_EQ(view.Recomputations() - before, s.recomputed);
    }
    window.PBStart_Action();
    PlotFrame().Clear();
    for (int i = 0; i < 3; ++i)
        window.TMFrame_Action();
    std::string calls;
    for (const std::string& call : PlotFrame().Ops())
        calls += call.substr(0, call.find(' ')) + " ";
    EXPECT_EQ(calls, "DrawPicture DrawLine DrawPicture DrawLine DrawPicture DrawLine ")
        << "a frame: the kept picture, then the cursor";
}

// A press or a drag goes to the instant under the pointer, paused, within the span shown; the keys
// step a frame; the pointer at rest reads the grid below it.
TEST_F(SpaceTimeTest, SetsTheTimeFromThePointerAndTheKeys) {
    const struct {
        const char* name;
        bool halfPeriod;
        double down;
        double periods;
    } presses[] = {
        {"the top: t = 0", false, 0, 0},
        {"a quarter of the way down", false, 0.25, 0.25},
        {"the bottom", false, 1, 1},
        {"halfway down half a period", true, 0.5, 0.25},
    };
    const double pixel = 1.0 / (Plot().GHeight - 1);
    for (const auto& c : presses) {
        SCOPED_TRACE(c.name);
        view.Choose({.halfPeriod = c.halfPeriod});
        const auto [x, y] = At(0.5, c.down);
        Plot().Event_MouseDown(x, y);
        EXPECT_EQ(window.Model().State(), run::RunState::Paused);
        EXPECT_NEAR(window.Model().ElapsedPeriods(), c.periods, pixel);
    }
    view.Choose({});
    const auto [x, y] = At(0.25, 0.5);
    Plot().Event_MouseDrag(x, y);
    EXPECT_NEAR(window.Model().ElapsedPeriods(), 0.5, pixel);
    const long long frames = window.Model().FramesAdvanced();
    for (const char* key : {"Down", "Right", "Right", "Up", "Left"})
        Key(key);
    EXPECT_EQ(window.Model().FramesAdvanced(), frames + 1) << "down or right a frame on, up or left back";
    Plot().Event_MouseMove(x, y);
    EXPECT_EQ(view.Reading().substr(0, 8), "x = 0.25") << view.Reading();
    Plot().Event_MouseExit();
    EXPECT_EQ(view.Reading().find("x = "), std::string::npos);
}

// The ground state alone, 2 sin^2(pi x/L) at every instant, on a grid of 4 x 3 over half a period:
// a header of the columns' x/L, then a row for each instant, t/T1 first.
TEST(GridCsv, HoldsTheColumnsPositionsThenARowForEachInstant) {
    physics::Carpet carpet;
    carpet.Resize(4, 3);
    physics::State ground;
    ground.c[0] = 1;
    carpet.Fill(ground, physics::Turning::CounterClockwise, 0.5);
    const std::string row = ",0.292893,1.70711,1.70711,0.292893\n";
    EXPECT_EQ(spacetime::GridCsv(carpet),
              "# L|psi(x,t)|^2 of the particle in the box; columns x/L, rows t/T1\n"
              "t/T1,0.125,0.375,0.625,0.875\n0" +
                  row + "0.166667" + row + "0.333333" + row);
}

} // namespace
