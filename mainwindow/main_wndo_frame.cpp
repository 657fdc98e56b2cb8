// The animation: Start and Stop, one frame of the time evolution, and how the window follows the
// run through every change of it.

#include "mainwindow/main_wndo.h"

#include "toolkit/numbers.h"
#include "toolkit/translation.h"

void MainWndo::PBStart_Action() {
    if (run_.State() == run::RunState::Idle) {
        DoNormalize();
        run_.Start();
    } else {
        run_.Stop();
    }
}

void MainWndo::TMFrame_Action() {
    run_.Tick();
}

void MainWndo::FollowChange(run::Change change) {
    switch (change) {
    case run::Change::Loaded:
        if (!collapsing_)
            found_.reset();
        ShowLoaded();
        ShowScale();
        ShowTooFast();
        break;
    case run::Change::Edited:
        for (PhasorDiagram* phasor : phasors_)
            phasor->Blank();
        break;
    case run::Change::Started:
    case run::Change::Stopped:
    case run::Change::Paused:
    case run::Change::Resumed:
        ShowRunState(change);
        break;
    case run::Change::Selection:
        ShowScale();
        break;
    case run::Change::Scale:
        ShowScale();
        if (run_.Drawn())
            ShowFrame();
        break;
    case run::Change::Speed:
        ShowTooFast();
        break;
    case run::Change::Turning:
        break;
    }
    UpdateMenus();
}

// The normalized magnitudes go back into their fields with six decimals; the window's own writing
// is no edit of the user's, so it blanks nothing. The phasors take the magnitudes, and draw them
// with the loaded phases as the run samples the loaded state right after.
void MainWndo::ShowLoaded() {
    const physics::Components& magnitudes = run_.Magnitudes();
    writingFields_ = true;
    for (int k = 0; k < kComponents; ++k) {
        magnitudes_[k]->SetText(tk::Format(magnitudes[k], physics::kMagnitudeFormat));
        phasors_[k]->magn = magnitudes[k];
    }
    writingFields_ = false;
}

// A state that turns half a turn or more a frame has its circle drawn in red, and its description
// says why; a phasor that changed is redrawn where it shows the coefficients.
void MainWndo::ShowTooFast() {
    const physics::Components& magnitudes = run_.Magnitudes();
    const physics::Components& phases = run_.PhasesAtStart();
    for (int k = 0; k < kComponents; ++k) {
        PhasorDiagram& phasor = *phasors_[k];
        const bool tooFast = run_.TooFastToFollow(k + 1);
        const bool changed = phasor.tooFast != tooFast;
        phasor.tooFast = tooFast;
        std::string description =
            tk::Substitute(tk::Translate("MainWndo", "State %1: magnitude %2, angle %3 degrees"),
                           {std::to_string(k + 1), tk::Format(magnitudes[k], physics::kMagnitudeFormat),
                            tk::Str(phases[k])});
        if (phasor.tooFast)
            description += " " + tk::Translate("MainWndo", "(too fast to follow at this speed)");
        phasor.SetAccessibleDescription(description);
        if (changed && run_.CoefficientsShown())
            phasor.Update();
    }
}

// Idle takes input with the timer off; Running and Paused lock the inputs, and only Running runs
// the timer. The Start button says what a click does; Stop hands the focus to the first field.
void MainWndo::ShowRunState(run::Change change) {
    const run::RunState state = run_.State();
    const bool idle = state == run::RunState::Idle;
    timer_->SetMode(state == run::RunState::Running ? tk::Timer::kMultiple : tk::Timer::kOff);
    // The focus leaves the inputs before they are locked, for the Start button: else it would pass
    // from each field to the next as they are locked, selecting each one's text on its way.
    if (change == run::Change::Started || change == run::Change::Paused)
        start_->SetFocus();
    normalize_->SetEnabled(idle);
    for (int k = 0; k < kComponents; ++k) {
        angles_[k]->SetEnabled(idle);
        magnitudes_[k]->SetEnabled(idle);
    }
    if (change == run::Change::Stopped)
        magnitudes_[0]->SetFocus();
    start_->SetCaption(idle ? startCaption_ : stopCaption_);
}

// Every phasor shows its new phase, whether or not its state is shown, then both plots the samples:
// the pixels of ReDrawAll, drawn over the copy of their axes and shown by one repaint each.
void MainWndo::ShowFrame() {
    const physics::Components& phases = run_.Phases();
    for (int k = 0; k < kComponents; ++k) {
        phasors_[k]->angle = phases[k];
        phasors_[k]->Update();
    }
    wavefunctionAxes_.StartFrame(*wavefunction_);
    wavefunction_->GetContentForRepaint();
    probabilityAxes_.StartFrame(*probability_);
    probability_->GetContentForRepaint();
}
