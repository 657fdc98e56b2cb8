#include "bench/scene_recorder.h"

#include "graph/graph.h"
#include "toolkit/qt/font_mapping.h"

#include <functional>
#include <utility>

namespace bench {

SceneRecorder::SceneRecorder(QImage* image) : QtGraphics(image) {}

// Printing redraws the whole plot on the given context without touching the screen; with no
// content handler for that while, only the plot's own drawing is recorded.
PlotScene SceneRecorder::Record(Graph& graph) {
    QImage scratch(graph.FWidth * graph.Zoom(), graph.FHeight * graph.Zoom(), QImage::Format_RGB32);
    scratch.setDevicePixelRatio(graph.Zoom()); // text measured as the graph measures it
    SceneRecorder recorder(&scratch);
    const std::function<void()> content = std::exchange(graph.DrawContent, nullptr);
    graph.PrintGraph(&recorder);
    graph.DrawContent = content;

    PlotScene scene;
    scene.ops = std::move(recorder.ops_);
    scene.left = graph.GLeft;
    scene.bottom = graph.GTop + graph.GHeight;
    scene.xMin = graph.XMin;
    scene.yMin = graph.YMin;
    scene.xToPixel = graph.XVtoPix;
    scene.yToPixel = graph.YVToPix;
    return scene;
}

std::vector<SceneOp> SceneRecorder::RecordDrawing(Graph& graph, const std::function<void()>& draw) {
    QImage scratch(graph.FWidth * graph.Zoom(), graph.FHeight * graph.Zoom(), QImage::Format_RGB32);
    scratch.setDevicePixelRatio(graph.Zoom());
    SceneRecorder recorder(&scratch);
    tk::Graphics* target = std::exchange(graph.GX, &recorder);
    draw();
    graph.GX = target;
    return std::move(recorder.ops_);
}

void SceneRecorder::Add(SceneOp op) {
    op.color = QColor(tk::Red(ForeColor()), tk::Green(ForeColor()), tk::Blue(ForeColor()));
    ops_.push_back(std::move(op));
}

void SceneRecorder::DrawLine(int x1, int y1, int x2, int y2) {
    Add({.kind = SceneOp::Kind::Line, .line = QLine(x1, y1, x2, y2)});
    QtGraphics::DrawLine(x1, y1, x2, y2);
}

void SceneRecorder::DrawRect(int x, int y, int width, int height) {
    Add({.kind = SceneOp::Kind::Outline, .rect = QRect(x, y, width, height).normalized()});
    QtGraphics::DrawRect(x, y, width, height);
}

void SceneRecorder::FillRect(int x, int y, int width, int height) {
    Add({.kind = SceneOp::Kind::Fill, .rect = QRect(x, y, width, height).normalized()});
    QtGraphics::FillRect(x, y, width, height);
}

void SceneRecorder::DrawString(std::string_view text, int x, int baseline) {
    const QFont font = tk::qt::MapFont(TextFont(), TextSize(), Bold(), Italic());
    Add({.kind = SceneOp::Kind::Text,
         .baseline = QPoint(x, baseline),
         .text = std::string(text),
         .family = font.family(),
         .pixelSize = font.pixelSize(),
         .bold = Bold(),
         .italic = Italic()});
    QtGraphics::DrawString(text, x, baseline);
}

} // namespace bench
