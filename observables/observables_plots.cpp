// The three plots: their axes and labels when they open, and what each draws of the latest state.

#include "observables/observables_wndo.h"
#include "physics/box.h"
#include "toolkit/translation.h"

#include <string>

namespace {

constexpr tk::Color kLevelColor = tk::kGridGrey;
constexpr tk::Color kWeightColor = tk::kWeightBlue;
constexpr tk::Color kMeanColor = tk::RGB(220, 0, 0);
constexpr tk::Color kSpreadColor = tk::kWeightBlue;

// The energy axis reaches past the highest level, E_6 = 36 E_1. The weight axis goes on above 1,
// the most a weight can be, to leave a band for the labels: the number of each level at the top,
// and below it <E> over its bar of one spread either side.
constexpr double kHighestEnergy = 40;
constexpr double kTopOfWeights = 1.4;
constexpr double kLevelNumberHeight = 1.3;
constexpr double kSpreadBarHeight = 1.03;
constexpr double kBarWidth = 1.4;

} // namespace

void ObservablesWndo::GFLevels_Open() {
    Graph& g = *levelsPlot_;
    //: A plot title in the plot's markup: "_" and "^" begin a subscript and a superscript, a space ends it.
    g.SetTitle(tk::Translate("ObservablesWndo", "Energy levels E_n = n^2 E_1"));
    g.SetXLabel("E/E_1");
    g.SetYLabel("&|c_n_&|^2");
    g.SetYAdjust(false);
    for (int k = 0; k < physics::kComponents; ++k)
        levelNumbers_[k] = g.SetSString(std::to_string(k + 1));
    energyLabel_ = g.SetSString("⟨E⟩");
    g.DefineGraph(0, kHighestEnergy, 0, kTopOfWeights);
}

// Each level is a grey line at its energy with its number above; its weight a bar on it; the mean
// energy a red line up to the bar of one spread either side, with its name over it.
void ObservablesWndo::GFLevels_DrawContent() {
    levelsDrawn_ = true;
    drawnLevels_ = values_;
    Graph& g = *levelsPlot_;
    g.SetColor(kLevelColor);
    for (int k = 0; k < physics::kComponents; ++k)
        g.DrawLine(physics::EnergyFactor(k + 1), 0, physics::EnergyFactor(k + 1), kTopOfWeights);
    g.SetColor(tk::kBlack);
    for (int k = 0; k < physics::kComponents; ++k)
        g.DrawSString(levelNumbers_[k], g.XCoord(physics::EnergyFactor(k + 1)), g.YCoord(kLevelNumberHeight),
                      5);
    if (!values_)
        return;
    g.SetColor(kWeightColor);
    for (int k = 0; k < physics::kComponents; ++k)
        g.DrawBar(physics::EnergyFactor(k + 1), values_->weights[k], kBarWidth);
    const physics::Moments& energy = values_->energy;
    g.SetColor(kMeanColor);
    g.DrawLine(energy.mean, 0, energy.mean, kSpreadBarHeight);
    g.DrawXUBar(energy.mean, kSpreadBarHeight, energy.spread, energy.spread);
    g.DrawSString(energyLabel_, g.XCoord(energy.mean), g.YCoord(kSpreadBarHeight) - 4, 2);
    g.SetColor(tk::kBlack);
}

void ObservablesWndo::GFTrace_Open() {
    Graph& g = *pathPlot_;
    //: A plot title in the plot's markup: "$D$" is a Greek Delta.
    g.SetTitle(tk::Translate("ObservablesWndo", "⟨x⟩ (black) and ⟨x⟩ ± $D$x (blue)"));
    g.SetXLabel("t/T_1");
    g.SetYLabel("⟨x⟩/L");
    g.SetXAdjust(false);
    g.SetGrid(true);
    g.DefineGraph(0, PositionTrace::kPeriods, 0, 1);
}

namespace {

template <class Value> void DrawPath(Graph& g, std::span<const PositionTrace::Sample> samples, Value value) {
    g.CurveStart(samples.front().time, value(samples.front()));
    for (const PositionTrace::Sample& s : samples.subspan(1))
        g.CurveTo(s.time, value(s));
}

} // namespace

// The band first, the mean over it, and a dot at the present instant.
void ObservablesWndo::GFTrace_DrawContent() {
    const auto samples = path_.Samples();
    if (samples.empty())
        return;
    Graph& g = *pathPlot_;
    g.SetColor(kSpreadColor);
    DrawPath(g, samples, [](const PositionTrace::Sample& s) { return s.mean + s.spread; });
    DrawPath(g, samples, [](const PositionTrace::Sample& s) { return s.mean - s.spread; });
    g.SetColor(tk::kBlack);
    DrawPath(g, samples, [](const PositionTrace::Sample& s) { return s.mean; });
    g.DrawPoint(samples.back().time, samples.back().mean);
}

void ObservablesWndo::GFMomentum_Open() {
    Graph& g = *momentumPlot_;
    g.SetTitle(tk::Translate("ObservablesWndo", "Momentum distribution"));
    g.SetXLabel("p/($p$ħ/L)");
    g.SetYLabel("&|$Y$̃(p)&|^2");
    g.SetXZeroLn(true);
    g.SetGrid(true);
    g.DefineGraph(-physics::MomentumProfile::kMaxMomentum, physics::MomentumProfile::kMaxMomentum, 0,
                  physics::MomentumProfile::kHighestDensity);
}

void ObservablesWndo::GFMomentum_DrawContent() {
    if (!values_)
        return;
    Graph& g = *momentumPlot_;
    g.CurveStart(physics::MomentumProfile::MomentumAt(0), densities_[0]);
    for (int i = 1; i < physics::MomentumProfile::kPoints; ++i)
        g.CurveTo(physics::MomentumProfile::MomentumAt(i), densities_[i]);
}
