// The two plots: the positions found as a histogram over the density the state predicts, and the
// energies found as bars beside the weights it predicts. The last outcome of each is a green dot on
// top of the bar it landed on, where the eye follows the pile growing.

#include "measurements/measurements_wndo.h"

#include "physics/box.h"

#include <algorithm>

namespace {

constexpr tk::Color kFoundColor = tk::kWeightBlue;
constexpr tk::Color kPredictedColor = tk::kCurveRed;
constexpr tk::Color kLastColor = tk::kFoundGreen;
constexpr int kCurvePoints = 200;
// The energy bars' width, and the predicted weights' marks, a little wider than the bars.
constexpr double kEnergyBarWidth = 0.5;
constexpr double kMarkHalfWidth = 0.35;
// Above a share of 1, so that the weight of a state alone is a mark below the frame, not on it.
constexpr double kShareTop = 1.1;

// The dot of the last outcome on its bar, or at the top of the plot where the bar is cut off.
void DrawLast(Graph& g, double x, double barTop) {
    g.SetColor(kLastColor);
    g.DrawPoint(x, std::min(barTop, g.YMax));
}

} // namespace

void MeasurementsWndo::GFPositions_Open() {
    Graph& g = *positions_;
    g.SetTitle(tk::Translate("MeasurementsWndo", "Positions found (blue) and L·&|ψ(x, t)&|^2 (red)"));
    g.SetXLabel("x/L");
    g.SetYLabel("L·&|ψ&|^2");
    g.SetXAdjust(false);
    g.SetYAdjust(false);
    g.DefineGraph(0, 1, 0, DensityTop());
}

// Each bin's count as a density: count / (N x bin width), whose area over the box is 1 as the
// curve's is. The bars of a few outcomes reach far above the density, and are cut off at the top.
void MeasurementsWndo::GFPositions_DrawContent() {
    if (!tally_)
        return;
    Graph& g = *positions_;
    const double width = 1.0 / measurement::Tally::kBins;
    const auto height = [&](int bin) {
        return static_cast<double>(tally_->Positions()[bin]) / (static_cast<double>(tally_->Count()) * width);
    };
    if (tally_->Count() > 0) {
        g.SetColor(kFoundColor);
        for (int bin = 0; bin < measurement::Tally::kBins; ++bin)
            g.DrawBar((bin + 0.5) * width, height(bin), width);
    }
    g.SetColor(kPredictedColor);
    g.CurveStart(0, tally_->Position().Density(0));
    for (int i = 1; i <= kCurvePoints; ++i)
        g.CurveTo(double(i) / kCurvePoints, tally_->Position().Density(double(i) / kCurvePoints));
    if (const auto last = tally_->LastPosition())
        DrawLast(g, *last, height(measurement::Tally::BinOf(*last)));
    g.SetColor(tk::kBlack);
}

void MeasurementsWndo::GFEnergies_Open() {
    Graph& g = *energies_;
    g.SetTitle(tk::Translate("MeasurementsWndo", "Energies E_n = n^2 E_1 found (blue) and &|c_n_&|^2 (red)"));
    g.SetXLabel("n");
    g.SetXTixPix(10); // minor ticks of 0.2, so that the labels fall on the states, 1 to 6
    g.SetYLabel(tk::Translate("MeasurementsWndo", "share"));
    g.SetXAdjust(false);
    g.SetYAdjust(false);
    g.DefineGraph(0, physics::kComponents + 1, 0, kShareTop);
}

void MeasurementsWndo::GFEnergies_DrawContent() {
    if (!tally_)
        return;
    Graph& g = *energies_;
    const auto share = [&](int n) {
        return static_cast<double>(tally_->Energies()[n - 1]) / static_cast<double>(tally_->Count());
    };
    if (tally_->Count() > 0) {
        g.SetColor(kFoundColor);
        for (int n = 1; n <= physics::kComponents; ++n)
            g.DrawBar(n, share(n), kEnergyBarWidth);
    }
    g.SetColor(kPredictedColor);
    for (int n = 1; n <= physics::kComponents; ++n) {
        const double weight = tally_->Energy().Probability(n);
        g.DrawLine(n - kMarkHalfWidth, weight, n + kMarkHalfWidth, weight);
    }
    if (const auto last = tally_->LastEnergy())
        DrawLast(g, *last, share(*last));
    g.SetColor(tk::kBlack);
}
