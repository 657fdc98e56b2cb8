#include "mainwindow/state_plots.h"

#include "physics/superposition.h"
#include "toolkit/translation.h"

#include <cmath>

namespace state_plots {

namespace {

// Up to the next multiple of 1/2, so that the ticks fall on round values; a bound that is a half
// but for its last bits (sqrt 2 squared) stays where it is.
double UpToAHalf(double bound) {
    return std::ceil(bound * 2 - 1e-9) / 2;
}

// The physical wavefunction's bound, or 1 where nothing is shown and the bound is 0.
double Bound(const run::RunModel& run) {
    const double bound = run.PhysicalBound();
    return bound > 0 && std::isfinite(bound) ? bound : 1;
}

} // namespace

YAxis WavefunctionAxis(const run::RunModel& run) {
    if (!run.PhysicalScale())
        return kScaledWave;
    const double top = UpToAHalf(Bound(run));
    return {-top, top, "√L·ψ"};
}

YAxis DensityAxis(const run::RunModel& run) {
    if (!run.PhysicalScale())
        return kScaledDensity;
    const double bound = Bound(run);
    return {0, UpToAHalf(bound * bound), "L·&|ψ&|^2"};
}

std::string WavefunctionTip(const run::RunModel& run) {
    return run.PhysicalScale()
               ? tk::Translate("StatePlots", "√L·Re ψ in black and √L·Im ψ in red: the physical wavefunction")
               : tk::Translate("StatePlots", "Re in black and Im in red of Σ cₙ sin(nπx/L) over the states "
                                             "shown, divided by Σ|cₙ|: not to scale (View › Physical Scale)");
}

std::string DensityTip(const run::RunModel& run) {
    return run.PhysicalScale()
               ? tk::Translate("StatePlots", "L·|ψ|²: the physical probability density; under the total, "
                                             "its area is 1")
               : tk::Translate("StatePlots", "|Σ cₙ sin(nπx/L)|² over the states shown, divided by (Σ|cₙ|)²: "
                                             "not to scale (View › Physical Scale)");
}

void SetUpWavefunction(Graph& graph, const YAxis& y) {
    graph.SetXLabel("x/L");
    graph.SetYLabel(y.caption);
    graph.SetYZeroLn(true);
    graph.SetGrid(true);
    graph.DefineGraph(0, 1, y.min, y.max);
}

void SetUpDensity(Graph& graph, const YAxis& y) {
    graph.SetXLabel("x/L");
    graph.SetYLabel(y.caption);
    graph.SetGrid(true);
    graph.DefineGraph(0, 1, y.min, y.max);
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
