#include "bench/baseline_window.h"

#include "bench/scene_recorder.h"

namespace bench {

namespace {

BaselinePlot* BaselineOf(Graph& graph, QWidget* parent) {
    const tk::Rect bounds = graph.Bounds();
    auto* plot = new BaselinePlot(SceneRecorder::Record(graph), QSize(bounds.width, bounds.height), parent);
    plot->move(bounds.x, bounds.y);
    return plot;
}

} // namespace

BaselineWindow::BaselineWindow(PlotWindow& plots)
    : wave_(BaselineOf(plots.Wave(), this)), density_(BaselineOf(plots.Density(), this)) {
    setWindowTitle("Baseline");
    setFixedSize(plots.settings.width, plots.settings.height);
}

void BaselineWindow::Draw(const WaveSamples& samples) {
    wave_->Draw({{Qt::black, samples.real}, {QColor(255, 0, 0), samples.imaginary}});
    density_->Draw({{Qt::black, samples.density}});
}

} // namespace bench
