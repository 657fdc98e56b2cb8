#pragma once

#include "graph/axes_picture.h"
#include "graph/graph.h"
#include "presentation/presentation_layout.h"
#include "presentation/smooth_curve.h"
#include "toolkit/canvas.h"
#include "toolkit/color.h"

#include <functional>
#include <string>
#include <vector>

// The control of a window that shows a plot's frames, as many times larger as the plot's zoom.
class PlotScreen : public tk::Canvas {
public:
    using tk::Canvas::Canvas;
    const Graph* shown = nullptr;
    void Event_Paint(tk::Graphics& g) override;
};

// One plot of the presentation view. Its Graph is on no screen of its own: it draws at the layout's
// zoom in a frame of its screen's size divided by the zoom, and the screen shows the frame pixel for
// pixel. Its text takes the layout's sizes, and its title a second line, left empty for a legend: the
// Graph lays the graph rectangle out under both, so that a legend there hides no curve. What does not
// change from one frame to the next (the frame lines, axes, ticks, grid, labels and legend) is drawn
// once for each layout and kept; each frame copies it back only where the last frame's curves lay, and
// draws the new curves: the pixels are those that ReDrawAll draws.
class PresentedPlot {
public:
    using Axes = std::function<void(Graph&)>;
    // What is drawn over the empty plot and kept with it, for as long as the axes stay.
    using Backdrop = std::function<void(Graph&)>;

    // `axes` sets the labels and flags and defines the graph, as the main window does; `title` is
    // shown above the plot.
    PresentedPlot(PlotScreen& screen, std::string title, Axes axes);

    // The graph, whose Open event calls SetUp and whose DrawContent draws the curves.
    Graph& Plot() { return graph_; }
    // Opens the graph for the screen's place, at the layout's zoom; it raises its Open event.
    void Open(const PresentationLayout& layout);
    void Close();
    // Styles the graph for the layout and defines it, from its Open event; also when the axes, the
    // backdrop or the grid's colour change.
    void SetUp(const PresentationLayout& layout);
    void SetBackdrop(Backdrop backdrop) { backdrop_ = std::move(backdrop); }
    void SetGridColor(tk::Color color) { gridColor_ = color; }
    // After the screen took a new place: the graph's size, zoom and text for the layout.
    void Resize(const PresentationLayout& layout);
    // Whether it could be defined; a graph too small for its size (a GraphError) is not, and has no
    // frame to show.
    bool Fitted() const { return axes_.Kept(); }
    // What draws the curves; what it covers is cleared from one frame to the next.
    SmoothCurve& Curve() { return curve_; }
    // The axes from their copy, where the last frame's curves covered them, then DrawContent, then a
    // repaint of the screen where the curves were or are; nothing while unfitted.
    void DrawFrame();

private:
    void Size(const PresentationLayout& layout);
    void Style(const PresentationLayout& layout);
    void KeepAxes();
    void MergeChanged();

    Graph graph_;
    PlotScreen& screen_;
    std::string title_;
    Axes setUpAxes_;
    Backdrop backdrop_;
    tk::Color gridColor_ = tk::kGridGrey;
    AxesPicture axes_;
    SmoothCurve curve_;
    // Whether the frame was drawn afresh since the screen last showed it, or only where curves lay.
    bool framedAfresh_ = true;
    std::vector<tk::Rect> changed_; // the places of the screen a frame changed
};
