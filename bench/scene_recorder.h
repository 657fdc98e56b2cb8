#pragma once

#include "bench/plot_scene.h"
#include "toolkit/qt/qt_graphics.h"

#include <QImage>

#include <functional>
#include <vector>

class Graph;

namespace bench {

// Records what a Graph draws around its data, with the text metrics of the screen, so that the
// baseline can draw the very same lines and texts with plain QPainter calls.
class SceneRecorder : public tk::qt::QtGraphics {
public:
    // The scene of the graph as it is defined now; its content (the data) is left out.
    static PlotScene Record(Graph& graph);
    // What `draw` draws on the graph's target, which the recorder stands in for meanwhile.
    static std::vector<SceneOp> RecordDrawing(Graph& graph, const std::function<void()>& draw);

    void DrawLine(int x1, int y1, int x2, int y2) override;
    void DrawRect(int x, int y, int width, int height) override;
    void FillRect(int x, int y, int width, int height) override;
    void DrawString(std::string_view text, int x, int baseline) override;

private:
    explicit SceneRecorder(QImage* image);
    void Add(SceneOp op);

    std::vector<SceneOp> ops_;
};

} // namespace bench
