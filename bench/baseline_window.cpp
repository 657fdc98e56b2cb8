#include "bench/baseline_window.h"

#include "bench/scene_recorder.h"
#include "graph/graph.h"
#include "phasor/phasor_diagram.h"

namespace bench {

namespace {

QRect PlaceOf(const tk::Control& control) {
    const tk::Rect bounds = control.Bounds();
    return {bounds.x, bounds.y, bounds.width, bounds.height};
}

BaselinePlot* BaselineOf(const ShownPlot& shown, QWidget* parent) {
    Graph& graph = shown.graph;
    auto* plot = new BaselinePlot(SceneRecorder::Record(graph), QSize(graph.FWidth, graph.FHeight),
                                  graph.Zoom(), parent);
    plot->move(shown.place.topLeft());
    return plot;
}

} // namespace

ShownPlot::ShownPlot(Graph& graph) : graph(graph), place(PlaceOf(graph)) {}

ShownPlot::ShownPlot(Graph& graph, QRect place) : graph(graph), place(place) {}

BaselineWindow::BaselineWindow(ShownPlot wave, ShownPlot density, QSize size,
                               const std::vector<PhasorDiagram*>& phasors, int penSize)
    : wave_(BaselineOf(wave, this)), density_(BaselineOf(density, this)) {
    setWindowTitle("Baseline");
    setFixedSize(size);
    for (const PhasorDiagram* phasor : phasors)
        phasors_.push_back(new BaselinePhasor(PlaceOf(*phasor), penSize, this));
}

void BaselineWindow::Draw(const WaveSamples& samples) {
    wave_->Draw({{Qt::black, samples.real}, {QColor(255, 0, 0), samples.imaginary}});
    density_->Draw({{Qt::black, samples.density}});
}

void BaselineWindow::DrawFine(std::initializer_list<FineCurve> wave, std::initializer_list<FineCurve> density,
                              int pen, const std::vector<SceneOp>& overWave) {
    wave_->DrawFine(wave, pen, overWave);
    density_->DrawFine(density, pen);
}

void BaselineWindow::DrawPhasors(const std::array<double, 6>& magnitudes,
                                 const std::array<double, 6>& degrees) {
    for (std::size_t k = 0; k < phasors_.size(); ++k)
        phasors_[k]->Draw(magnitudes[k], degrees[k]);
}

std::vector<QWidget*> BaselineWindow::Widgets() const {
    std::vector<QWidget*> widgets{wave_, density_};
    widgets.insert(widgets.end(), phasors_.begin(), phasors_.end());
    return widgets;
}

} // namespace bench
