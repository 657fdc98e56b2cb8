// The Observables window on the fake platform, following a main window: what its table says as
// the state is loaded, runs and stops, for states with and without values, and how it opens and
// lays itself out.

#include "app/commands.h"
#include "observables/observables_wndo.h"
#include "tests/mainwindow/opened_main_wndo.h"
#include "toolkit/numbers.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

const Strings kValueLabels = {"⟨x⟩/L", "Δx/L", "⟨p⟩/(πħ/L)", "Δp/(πħ/L)", "Δx·Δp/(ħ/2)", "⟨E⟩/E₁", "ΔE/E₁"};

// The main window of the main window's tests, with the Observables window following it.
class ObservablesTest : public testing_main::OpenedMainWndo {
protected:
    ObservablesTest() { observables.Open(); }

    const std::string& Table() { return observables.Find<tk::TextArea>("TAValues")->Text(); }
    std::string FirstLine() { return Table().substr(0, Table().find('\n')); }
    // The text after the label on its line.
    std::string Value(const std::string& label) {
        const std::size_t at = Table().find(label);
        if (at == std::string::npos)
            return "no " + label;
        const std::size_t end = Table().find('\n', at);
        const std::string rest = Table().substr(at + label.size(), end - at - label.size());
        return rest.substr(rest.find_first_not_of(' '));
    }
    int LinesDrawn(const char* plot) {
        auto& frame = *static_cast<fake::FakePicture&>(*observables.Find<Graph>(plot)->GXP).Recorder();
        const auto lines = int(frame.Ops("DrawLine").size());
        frame.Clear();
        return lines;
    }

    ObservablesWndo observables{window};
};

TEST_F(ObservablesTest, FollowsTheStateAsItIsLoadedRunsAndStops) {
    Type({"3", "4"}, {"0", "90"});
    window.PBNorm_Action();
    EXPECT_EQ(std::tuple(FirstLine(), Value("⟨E⟩/E₁"), Value("⟨x⟩/L"), Value("⟨p⟩/(πħ/L)")),
              std::tuple("Stopped: the state at Start, t = 0", "2.920", "0.5000", "-0.8149"));
    window.PBStart_Action();
    LinesDrawn("GFTrace");
    LinesDrawn("GFMomentum");
    for (int frame = 0; frame < 3; ++frame)
        window.TMFrame_Action();
    EXPECT_EQ(std::tuple(FirstLine(), Value("⟨E⟩/E₁")), std::tuple("Running, t = 0.008333 T₁", "2.920"));
    EXPECT_NE(Value("⟨x⟩/L"), "0.5000") << "the packet moved";
    EXPECT_GT(LinesDrawn("GFTrace"), 3 * 2 * 3) << "every frame draws the path, its band and the time axis";
    EXPECT_EQ(LinesDrawn("GFMomentum"), 3 * 200) << "the curve alone, over a copy of the axes";
    const std::string moved = Value("⟨x⟩/L");
    window.PauseOrResume();
    window.StepFrames(1);
    EXPECT_EQ(std::tuple(FirstLine(), Value("⟨x⟩/L") != moved), std::tuple("Paused, t = 0.01111 T₁", true))
        << "a paused run shows its frame, and a step the next one";
    window.PBStart_Action();
    EXPECT_EQ(std::tuple(FirstLine(), Value("⟨x⟩/L")),
              std::tuple("Stopped: the state at Start, t = 0", "0.5000"));
    Magnitude(0).NotifyTextEdited("2");
    EXPECT_NE(Table().find("\nFields edited: press Normalize\n"), std::string::npos) << Table();
}

// The note that a packet moves against <p> stands only while time runs backwards and the state
// moves; else empty lines keep the rows below it in place.
TEST_F(ObservablesTest, SayThatTimeRunsBackwardsOnlyWhileItDoesAndTheStateMoves) {
    const struct {
        const char* name;
        Strings magnitudes;
        bool timeForward;
        bool note;
    } cases[] = {
        {"two states, backwards", {"3", "4"}, false, true},
        {"one state stands still", {"0", "1"}, false, false},
    };
    const auto linesBetweenMomentumRows = [this] {
        const std::size_t mean = Table().find("⟨p⟩/(πħ/L)");
        return std::count(Table().begin() + long(mean), Table().begin() + long(Table().find("Δp/(πħ/L)")),
                          '\n');
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (window.Model().TimeForward() != c.timeForward)
            Choose(command::kAnimationTimeForward);
        Type(c.magnitudes);
        window.PBNorm_Action();
        EXPECT_EQ(Table().find("Time runs backwards") != std::string::npos, c.note) << Table();
        EXPECT_EQ(linesBetweenMomentumRows(), 1 + 3);
    }
}

// The zero state has no values: a dash for each. (That no value is ever a non-number is the soak's.)
TEST_F(ObservablesTest, ShowsADashForEachValueOfTheZeroState) {
    Type({"0"});
    window.PBNorm_Action();
    for (const std::string& label : kValueLabels)
        EXPECT_EQ(Value(label), "—") << label;
}

// From this window the picture is its own, named after it, with the table's lines where the window
// shows them; its data holds the values the table shows, the path up to now and the momentum
// distribution, and the main window's status line tells the file written.
TEST_F(ObservablesTest, ExportsItsOwnPictureAndData) {
    Type({"3", "4"}, {"0", "90"});
    window.PBStart_Action();
    for (int frame = 0; frame < 40; ++frame) // 40 degrees of state 1
        window.TMFrame_Action();
    auto& output = fake_.platform.output;
    (*observables.MenuHandler(command::kEditCopyPicture))();
    EXPECT_EQ(output.uses.back(), "Copy 760x764 Parvok at t/T₁ = 0.111 (parvok-observables-t0.111.svg)");
    EXPECT_THAT(output.drawn.Ops(), testing::Contains("DrawString '" + FirstLine() + "' 450 47"));
    fake_.platform.dialogs.saveAnswers = {tk::SaveAnswer{"/tmp/o.csv", 0}};
    (*observables.MenuHandler(command::kFileExportData))();
    EXPECT_EQ(window.StatusBar()->Notice(), "Saved “o.csv”");
    const std::string& csv = output.files.at("/tmp/o.csv");
    const auto rowsUnder = [&csv](const std::string& head) { // up to the next empty line
        const std::size_t from = csv.find(head + "\n") + head.size() + 1;
        return csv.substr(from, csv.find("\n\n", from) - from);
    };
    const std::string values = rowsUnder("quantity,value");
    EXPECT_EQ(tk::Significant(std::stod(values.substr(values.find(',') + 1)), 4), Value("⟨x⟩/L"));
    EXPECT_TRUE(rowsUnder("n,Eₙ/E₁,|cₙ|²").ends_with("\n6,36,0"));
    const std::string path = rowsUnder("t/T₁,⟨x⟩/L,Δx/L");
    EXPECT_EQ(std::count(path.begin(), path.end(), '\n'), 14) << "every 3 degrees from 0 to 39, and now";
    EXPECT_EQ(path.substr(path.rfind('\n') + 1, path.find(',', path.rfind('\n')) - path.rfind('\n') - 1),
              tk::Str(window.Model().ElapsedPeriods()));
    const std::string momenta = rowsUnder("p/(πħ/L),|ψ̃(p)|²");
    EXPECT_EQ(std::count(momenta.begin(), momenta.end(), '\n'), 201);
}

// View > Observables opens the one window, brings it back once it was closed, and a closed window
// follows nothing.
TEST(ObservablesMenu, OpensOneWindowAndANewOneOnceItWasClosed) {
    fake::ScopedFakePlatform fake;
    tk::MenuHandlers owner;
    ObservablesWndo::AddMenuHandlerTo(owner);
    const auto open = [&owner] { (*owner.MenuHandler("ViewObservables"))(); };
    const std::size_t others =
        MainWndo::Instance().Model().FrameAdvanced.SubscriberCount(); // the window's own views
    open();
    ObservablesWndo* first = &ObservablesWndo::Instance();
    open();
    EXPECT_EQ(&ObservablesWndo::Instance(), first);
    EXPECT_EQ(MainWndo::Instance().Model().FrameAdvanced.SubscriberCount(), others + 1);
    first->Close();
    EXPECT_EQ(MainWndo::Instance().Model().FrameAdvanced.SubscriberCount(), others);
    open();
    EXPECT_TRUE(ObservablesWndo::Instance().IsOpen());
    EXPECT_EQ(MainWndo::Instance().Model().FrameAdvanced.SubscriberCount(), others + 1);
    ObservablesWndo::Release();
    MainWndo::Release();
    MenuBar1::Release();
}

} // namespace
