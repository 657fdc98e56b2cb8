#pragma once

#include "bench/baseline_phasor.h"
#include "bench/baseline_plot.h"
#include "bench/wave_samples.h"

#include <QWidget>

#include <array>
#include <initializer_list>
#include <vector>

class Graph;
class PhasorDiagram;

namespace bench {

// A plot and where its window shows it: where the Graph itself is, or on a screen of its own.
struct ShownPlot {
    ShownPlot(Graph& graph); // NOLINT(google-explicit-constructor): the plot where it is
    ShownPlot(Graph& graph, QRect place);
    Graph& graph;
    QRect place;
};

// The baseline of a window's two plots, and of its phasor diagrams when it has them, in a window
// of its own laid out like it.
class BaselineWindow : public QWidget {
public:
    // Takes the scenes the plots draw now.
    BaselineWindow(ShownPlot wave, ShownPlot density, QSize size,
                   const std::vector<PhasorDiagram*>& phasors = {}, int penSize = 1);

    void Draw(const WaveSamples& samples);
    // The plots with fine curves `pen` pixels of their scene wide, and `overWave` over the wavefunction.
    void DrawFine(std::initializer_list<FineCurve> wave, std::initializer_list<FineCurve> density, int pen,
                  const std::vector<SceneOp>& overWave);
    void DrawPhasors(const std::array<double, 6>& magnitudes, const std::array<double, 6>& degrees);

    const BaselinePlot& Wave() const { return *wave_; }
    const BaselinePlot& Density() const { return *density_; }
    std::vector<QWidget*> Widgets() const;

private:
    BaselinePlot* wave_;
    BaselinePlot* density_;
    std::vector<BaselinePhasor*> phasors_;
};

} // namespace bench
