#pragma once

#include "bench/wave_samples.h"
#include "graph/axes_picture.h"
#include "graph/graph.h"
#include "toolkit/window.h"

#include <vector>

class QWidget;

namespace bench {

// The two plots of the main window, as Graph controls in a window realized through the platform:
// the wave function's real (black) and imaginary (red) parts above, the density below, set up and
// drawn frame after frame as the main window does.
class PlotWindow : public tk::Window {
public:
    static constexpr int kWaveWidth = 500;
    static constexpr int kWaveHeight = 300;
    static constexpr int kDensityWidth = 500;
    static constexpr int kDensityHeight = 250;

    void Layout() override;
    void CreateControls() override;

    // Draws both plots for these samples over the copies of their axes; the screen shows them once
    // the event loop has run.
    void Draw(const WaveSamples& samples);

    Graph& Wave() const { return *wave_; }
    Graph& Density() const { return *density_; }
    // The widgets that show the two plots, wave first.
    std::vector<QWidget*> PlotWidgets() const;

private:
    void DrawWave();
    void DrawDensity();

    Graph* wave_ = nullptr;
    Graph* density_ = nullptr;
    AxesPicture waveAxes_;
    AxesPicture densityAxes_;
    const WaveSamples* samples_ = nullptr;
};

} // namespace bench
