// The animation: Start and Stop, and one frame of the time evolution.

#include "mainwindow/main_wndo.h"

#include "physics/clock.h"
#include "physics/superposition.h"

void MainWndo::PBStart_Action() {
    if (start_->Caption() == startCaption_) {
        BeginRun();
        timer_->SetMode(tk::Timer::kMultiple);
        StateChanged.Emit(Change::Started);
        return;
    }
    timer_->SetMode(tk::Timer::kOff);
    normalize_->SetEnabled(true);
    for (int k = 0; k < kComponents; ++k) {
        angles_[k]->SetEnabled(true);
        magnitudes_[k]->SetEnabled(true);
    }
    magnitudes_[0]->SetFocus();
    start_->SetCaption(startCaption_);
    StateChanged.Emit(Change::Stopped);
}

void MainWndo::BeginRun() {
    start_->SetCaption(stopCaption_);
    DoNormalize();
    normalize_->SetEnabled(false);
    for (int k = 0; k < kComponents; ++k) {
        angles_[k]->SetEnabled(false);
        magnitudes_[k]->SetEnabled(false);
    }
}

void MainWndo::TMFrame_Action() {
    ShowFrame(1);
}

// Every phase advances by n^2 x dAngle x speed degrees a frame, the slider read afresh for each,
// and every phasor shows its new phase; then the shown components are summed at the samples. One
// frame forward adds the step itself, to the last bit.
void MainWndo::ShowFrame(int frames) {
    physics::Components weights{};
    physics::Components phases{};
    for (int k = 0; k < kComponents; ++k) {
        PhasorDiagram& phasor = *phasors_[k];
        const double step = physics::PhaseStep(k + 1, dAngle, static_cast<double>(speed_->Value()));
        phasor.angle = phasor.angle + static_cast<double>(frames) * step;
        phasor.Update();
        weights[k] = static_cast<double>(Show[k]) * phasor.magn;
        phases[k] = phasor.angle;
    }
    framesAdvanced_ += frames;
    physics::Superpose(weights, phases, PsiReal, PsiIm, PsiSqrd);
    wavefunction_->ReDrawAll();
    probability_->ReDrawAll();
    frameShown_ = true;
    FrameShown.Emit();
}

physics::Components MainWndo::Magnitudes() const {
    physics::Components magnitudes{};
    for (int k = 0; k < kComponents; ++k)
        magnitudes[k] = phasors_[k]->magn;
    return magnitudes;
}

physics::Components MainWndo::Phases() const {
    physics::Components phases{};
    for (int k = 0; k < kComponents; ++k)
        phases[k] = phasors_[k]->angle;
    return phases;
}

double MainWndo::ElapsedPeriods() const {
    return physics::PeriodsElapsed(loadedPhases_[0], phasors_[0]->angle);
}

int MainWndo::Speed() const {
    return speed_->Value();
}

bool MainWndo::Running() const {
    return timer_->Mode() != tk::Timer::kOff;
}

MainWndo::Run MainWndo::RunState() const {
    if (Running())
        return Run::Running;
    return start_->Caption() == stopCaption_ ? Run::Paused : Run::Idle;
}
