// The two plots: their axes when they open, kept for the frames to start from, and the curves of the
// latest frame.

#include "mainwindow/main_wndo.h"
#include "mainwindow/state_plots.h"

void MainWndo::GFWFunc_Open() {
    waveAxis_ = state_plots::WavefunctionAxis(run_);
    state_plots::SetUpWavefunction(*wavefunction_, waveAxis_);
    wavefunctionAxes_.KeepEmptyPlot(*wavefunction_);
    wavefunction_->SetToolTip(state_plots::WavefunctionTip(run_));
}

void MainWndo::GFProb_Open() {
    densityAxis_ = state_plots::DensityAxis(run_);
    state_plots::SetUpDensity(*probability_, densityAxis_);
    probabilityAxes_.KeepEmptyPlot(*probability_);
    probability_->SetToolTip(state_plots::DensityTip(run_));
}

void MainWndo::GFWFunc_DrawContent() {
    const run::Wave& plotted = run_.Plotted();
    state_plots::DrawWavefunction(*wavefunction_, plotted.real, plotted.imaginary);
}

void MainWndo::GFProb_DrawContent() {
    state_plots::DrawSamples(*probability_, run_.Plotted().density);
    DrawFound();
}

// The plots' ranges change only with the scale, or with the state and the selection under the
// physical scale; never as time runs. Plots that have not opened yet take them when they do.
void MainWndo::ShowScale() {
    if (wavefunction_->IsDefined() && state_plots::WavefunctionAxis(run_) != waveAxis_)
        GFWFunc_Open();
    if (probability_->IsDefined() && state_plots::DensityAxis(run_) != densityAxis_)
        GFProb_Open();
}
