#include "bench/plot_window.h"

#include "bench/canvas_widgets.h"
#include "physics/superposition.h"

#include <span>

namespace bench {

namespace {

constexpr int kMargin = 10;

void DrawCurve(Graph& g, std::span<const double> values) {
    g.CurveStart(0, values[0]);
    for (int j = 1; j < static_cast<int>(values.size()); ++j)
        g.CurveTo(physics::SampleX(j), values[j]);
}

} // namespace

void PlotWindow::Layout() {
    settings.title = "Plots";
    settings.width = kWaveWidth + 2 * kMargin;
    settings.height = kWaveHeight + kDensityHeight + 3 * kMargin;
    settings.resizable = false;
}

void PlotWindow::CreateControls() {
    wave_ = &AddControl("Wave", std::make_unique<Graph>());
    wave_->SetBounds(kMargin, kMargin, kWaveWidth, kWaveHeight);
    wave_->Open = [this] {
        wave_->SetXLabel("x/L");
        wave_->SetYZeroLn(true);
        wave_->SetGrid(true);
        wave_->DefineGraph(0, 1, -1, 1);
    };
    wave_->DrawContent = [this] { DrawWave(); };

    density_ = &AddControl("Density", std::make_unique<Graph>());
    density_->SetBounds(kMargin, kWaveHeight + 2 * kMargin, kDensityWidth, kDensityHeight);
    density_->Open = [this] {
        density_->SetXLabel("x/L");
        density_->SetGrid(true);
        density_->DefineGraph(0, 1, 0, 1);
    };
    density_->DrawContent = [this] { DrawDensity(); };
}

void PlotWindow::Draw(const WaveSamples& samples) {
    samples_ = &samples;
    wave_->ReDrawAll();
    density_->ReDrawAll();
    samples_ = nullptr;
}

void PlotWindow::DrawWave() {
    if (!samples_)
        return;
    DrawCurve(*wave_, samples_->real);
    wave_->SetColor(tk::kCurveRed);
    DrawCurve(*wave_, samples_->imaginary);
    wave_->SetColor(tk::kBlack);
}

void PlotWindow::DrawDensity() {
    if (samples_)
        DrawCurve(*density_, samples_->density);
}

std::vector<QWidget*> PlotWindow::PlotWidgets() const {
    return WidgetsOf(*this, {wave_, density_});
}

} // namespace bench
