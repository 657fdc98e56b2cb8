// Measurements on the state shown: a position drawn from |psi(x, t)|^2 or an energy from |c_n|^2,
// the outcome in the status line and, for a position, a mark on the density plot; and the collapse,
// which loads the state the measurement leaves at t = 0, into the fields and the phasors.

#include "mainwindow/main_wndo.h"

#include "app/commands.h"
#include "mainwindow/status_line.h"
#include "physics/box.h"
#include "toolkit/numbers.h"
#include "toolkit/platform.h"
#include "toolkit/translation.h"

#include <cmath>
#include <string>

namespace {

// Where the settings keep the collapse's options.
constexpr const char* kCollapseKey = "measure/collapse";
constexpr const char* kWidthKey = "measure/collapseWidth";

} // namespace

physics::State MainWndo::PresentState() const {
    return physics::StateOf(run_.Magnitudes(), run_.Phases());
}

void MainWndo::AddMeasureHandlers() {
    tk::Settings& remembered = tk::ThePlatform().Settings();
    lab_.SetCollapses(remembered.Flag(kCollapseKey, true));
    if (const auto width = remembered.Value(kWidthKey))
        lab_.SetCollapseWidth(tk::Val(*width));

    const auto measurable = [this] { return PresentState().Exists(); };
    commands_.AddMenuHandler(
        command::kMeasurePosition,
        [this] {
            MeasurePosition();
            return true;
        },
        measurable);
    commands_.AddMenuHandler(
        command::kMeasureEnergy,
        [this] {
            MeasureEnergy();
            return true;
        },
        measurable);
    commands_.AddMenuHandler(command::kMeasureCollapse, [this] {
        lab_.SetCollapses(!lab_.Collapses());
        tk::ThePlatform().Settings().SetFlag(kCollapseKey, lab_.Collapses());
        return true;
    });
    commands_.SetMenuCheck(command::kMeasureCollapse, [this] { return lab_.Collapses(); });
    for (std::size_t i = 0; i < std::size(command::kMeasureWidths); ++i) {
        const double width = measurement::Lab::kOfferedWidths[i];
        commands_.AddMenuHandler(command::kMeasureWidths[i], [this, width] {
            lab_.SetCollapseWidth(width);
            tk::ThePlatform().Settings().SetValue(kWidthKey, tk::Str(width));
            return true;
        });
        commands_.SetMenuCheck(command::kMeasureWidths[i],
                               [this, width] { return lab_.CollapseWidth() == width; });
    }
}

// The mark is set first, so that the frame the collapse draws has it; without a collapse the frame
// is drawn again for it.
void MainWndo::MeasurePosition() {
    const measurement::PositionOutcome outcome = lab_.MeasurePosition(PresentState());
    found_ = outcome.x;
    std::string said =
        tk::Substitute(tk::Translate("MainWndo", "x = %1 L"), {tk::Format(outcome.x, "0.000")});
    if (lab_.Collapses()) {
        Collapse(outcome.collapsed);
        said +=
            " · " + tk::Substitute(tk::Translate("MainWndo", "collapsed to a bell %1 L wide, of which the "
                                                             "six states hold %2 %"),
                                   {tk::Str(outcome.width), tk::Format(100 * outcome.share, "0")});
    } else {
        ShowFrame();
    }
    statusLine_->ShowOutcome(said);
}

void MainWndo::MeasureEnergy() {
    const measurement::EnergyOutcome outcome = lab_.MeasureEnergy(PresentState());
    const bool marked = found_.has_value();
    found_.reset();
    std::string said = tk::Substitute(tk::Translate("MainWndo", "E = %1 E₁ (n = %2)"),
                                      {std::to_string(outcome.n * outcome.n), std::to_string(outcome.n)});
    if (lab_.Collapses()) {
        Collapse(outcome.collapsed);
        said += " · " + tk::Substitute(tk::Translate("MainWndo", "collapsed to state %1"),
                                       {std::to_string(outcome.n)});
    } else if (marked) {
        ShowFrame();
    }
    statusLine_->ShowOutcome(said);
}

// The run begins again from t = 0 with the state the measurement left, in the state it was in:
// running on, held, or ready.
void MainWndo::Collapse(const physics::Typed& typed) {
    const run::RunState was = run_.State();
    collapsing_ = true;
    run_.Stop();
    WriteTyped(typed);
    DoNormalize();
    collapsing_ = false;
    if (was == run::RunState::Running)
        run_.Start();
    else if (was == run::RunState::Paused)
        run_.Pause();
}

// A vertical line at the position found, over the whole height of the plot.
void MainWndo::DrawFound() {
    if (!found_)
        return;
    probability_->SetColor(tk::kFoundGreen);
    probability_->DrawLine(*found_, probability_->YMin, *found_, probability_->YMax);
    probability_->SetColor(tk::kBlack);
}
