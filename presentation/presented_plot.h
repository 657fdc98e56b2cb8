#pragma once

#include "graph/graph.h"
#include "presentation/presentation_layout.h"
#include "toolkit/picture.h"

#include <memory>
#include <string>

// One plot of the presentation view: a Graph given the text and line sizes of the view's layout and
// laid out at its size, whose frames start from a copy of its axes. What does not change from one
// frame to the next (the frame lines, axes, ticks, grid and labels) is drawn once for each layout,
// and each frame draws only the curves over the copy: the pixels are those that ReDrawAll draws.
class PresentedPlot {
public:
    using SetUp = void (*)(Graph&);

    // `setUp` sets the labels and flags and defines the graph, as the main window does.
    PresentedPlot(Graph& graph, std::string title, SetUp setUp);

    // Styles the graph for the layout and defines it: from its Open event, and after the control was
    // resized. A graph too small for its size (its GraphError) is left unfitted, with no frame to draw.
    void Open(const PresentationLayout& layout);
    void Resize(const PresentationLayout& layout);
    bool Fitted() const { return axes_ != nullptr; }
    // The axes from their copy, then DrawContent, then one copy to the screen; nothing while unfitted.
    void DrawFrame();

private:
    void Style(const PresentationLayout& layout);
    // Redefines the graph with its ranges and the options set since, drawing only the axes.
    void Redefine();
    // The x tick labels must lie apart and inside the frame, where the last one, centred on the right
    // frame line, has the Graph's right margin of 16 pixels for its right half: the minor ticks go
    // further apart, or if they cannot the tick labels get smaller, until they do.
    void FitXTickLabels(const PresentationLayout& layout);
    bool XTickLabelsFit();
    // The Graph leaves room for the y tick labels as wide as they are in "Helvetica" 9; an empty
    // y label as wide as the rest of them makes room for the larger tick font.
    void MakeRoomForTickLabels();
    void KeepAxes();

    Graph& graph_;
    std::string title_;
    SetUp setUp_;
    std::string roomLabel_;
    std::unique_ptr<tk::Picture> axes_;
};
