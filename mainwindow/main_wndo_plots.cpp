// The two plots: their axes when they open, and the curves of the latest frame.

#include "mainwindow/main_wndo.h"

#include "physics/superposition.h"

namespace {

// A curve through all samples, each at its own abscissa.
void DrawSamples(Graph& graph, const physics::Samples& samples) {
    graph.CurveStart(0, samples[0]);
    for (int j = 1; j < physics::kSamples; ++j)
        graph.CurveTo(physics::SampleX(j), samples[j]);
}

} // namespace

void MainWndo::GFWFunc_Open() {
    wavefunction_->SetXLabel("x/L");
    wavefunction_->SetYZeroLn(true);
    wavefunction_->SetGrid(true);
    wavefunction_->DefineGraph(0, 1, -1, 1);
}

void MainWndo::GFProb_Open() {
    probability_->SetXLabel("x/L");
    probability_->SetGrid(true);
    probability_->DefineGraph(0, 1, 0, 1);
}

// The real part in the current colour, black, then the imaginary part in red over it; black again
// at the end, so that every drawing starts in black.
void MainWndo::GFWFunc_DrawContent() {
    DrawSamples(*wavefunction_, PsiReal);
    wavefunction_->SetColor(tk::RGB(255, 0, 0));
    DrawSamples(*wavefunction_, PsiIm);
    wavefunction_->SetColor(tk::kBlack);
}

void MainWndo::GFProb_DrawContent() {
    DrawSamples(*probability_, PsiSqrd);
}
