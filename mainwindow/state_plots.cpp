#include "mainwindow/state_plots.h"

#include "physics/superposition.h"

namespace state_plots {

void SetUpWavefunction(Graph& graph) {
    graph.SetXLabel("x/L");
    graph.SetYZeroLn(true);
    graph.SetGrid(true);
    graph.DefineGraph(0, 1, -1, 1);
}

void SetUpDensity(Graph& graph) {
    graph.SetXLabel("x/L");
    graph.SetGrid(true);
    graph.DefineGraph(0, 1, 0, 1);
}

void DrawSamples(Graph& graph, const physics::Samples& samples) {
    graph.CurveStart(0, samples[0]);
    for (int j = 1; j < physics::kSamples; ++j)
        graph.CurveTo(physics::SampleX(j), samples[j]);
}

void DrawWavefunction(Graph& graph, const physics::Samples& real, const physics::Samples& imaginary) {
    DrawSamples(graph, real);
    graph.SetColor(tk::kCurveRed);
    DrawSamples(graph, imaginary);
    graph.SetColor(tk::kBlack);
}

} // namespace state_plots
