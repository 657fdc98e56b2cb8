// The two plots: their axes when they open, kept for the frames to start from, and the curves of the
// latest frame.

#include "mainwindow/main_wndo.h"
#include "mainwindow/state_plots.h"

void MainWndo::GFWFunc_Open() {
    state_plots::SetUpWavefunction(*wavefunction_);
    wavefunctionAxes_.KeepEmptyPlot(*wavefunction_);
}

void MainWndo::GFProb_Open() {
    state_plots::SetUpDensity(*probability_);
    probabilityAxes_.KeepEmptyPlot(*probability_);
}

void MainWndo::GFWFunc_DrawContent() {
    state_plots::DrawWavefunction(*wavefunction_, PsiReal, PsiIm);
}

void MainWndo::GFProb_DrawContent() {
    state_plots::DrawSamples(*probability_, PsiSqrd);
}
