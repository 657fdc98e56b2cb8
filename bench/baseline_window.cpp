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

BaselinePlot* BaselineOf(Graph& graph, QWidget* parent) {
    const QRect place = PlaceOf(graph);
    auto* plot = new BaselinePlot(SceneRecorder::Record(graph), place.size(), parent);
    plot->move(place.topLeft());
    return plot;
}

} // namespace

BaselineWindow::BaselineWindow(Graph& wave, Graph& density, QSize size,
                               const std::vector<PhasorDiagram*>& phasors)
    : wave_(BaselineOf(wave, this)), density_(BaselineOf(density, this)) {
    setWindowTitle("Baseline");
    setFixedSize(size);
    for (const PhasorDiagram* phasor : phasors)
        phasors_.push_back(new BaselinePhasor(PlaceOf(*phasor), this));
}

void BaselineWindow::Draw(const WaveSamples& samples) {
    wave_->Draw({{Qt::black, samples.real}, {QColor(255, 0, 0), samples.imaginary}});
    density_->Draw({{Qt::black, samples.density}});
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
