#pragma once

#include "bench/baseline_plot.h"
#include "bench/plot_window.h"
#include "bench/wave_samples.h"

#include <QWidget>

#include <vector>

namespace bench {

// The baseline of the two plots, in a window of its own laid out like the plot window.
class BaselineWindow : public QWidget {
public:
    // Takes the scenes the plots draw now.
    explicit BaselineWindow(PlotWindow& plots);

    void Draw(const WaveSamples& samples);

    const BaselinePlot& Wave() const { return *wave_; }
    const BaselinePlot& Density() const { return *density_; }
    std::vector<QWidget*> PlotWidgets() const { return {wave_, density_}; }

private:
    BaselinePlot* wave_;
    BaselinePlot* density_;
};

} // namespace bench
