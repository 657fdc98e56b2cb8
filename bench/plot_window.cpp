#include "bench/plot_window.h"

#include "bench/canvas_widgets.h"
#include "mainwindow/state_plots.h"

namespace bench {

namespace {

constexpr int kMargin = 10;

// A frame of a plot as the main window draws it: over the copy of its axes, shown by one repaint.
void DrawFrame(Graph& g, const AxesPicture& axes) {
    axes.StartFrame(g);
    g.GetContentForRepaint();
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
        state_plots::SetUpWavefunction(*wave_);
        waveAxes_.KeepEmptyPlot(*wave_);
    };
    wave_->DrawContent = [this] { DrawWave(); };

    density_ = &AddControl("Density", std::make_unique<Graph>());
    density_->SetBounds(kMargin, kWaveHeight + 2 * kMargin, kDensityWidth, kDensityHeight);
    density_->Open = [this] {
        state_plots::SetUpDensity(*density_);
        densityAxes_.KeepEmptyPlot(*density_);
    };
    density_->DrawContent = [this] { DrawDensity(); };
}

void PlotWindow::Draw(const WaveSamples& samples) {
    samples_ = &samples;
    DrawFrame(*wave_, waveAxes_);
    DrawFrame(*density_, densityAxes_);
    samples_ = nullptr;
}

void PlotWindow::DrawWave() {
    if (samples_)
        state_plots::DrawWavefunction(*wave_, samples_->real, samples_->imaginary);
}

void PlotWindow::DrawDensity() {
    if (samples_)
        state_plots::DrawSamples(*density_, samples_->density);
}

std::vector<QWidget*> PlotWindow::PlotWidgets() const {
    return WidgetsOf(*this, {wave_, density_});
}

} // namespace bench
