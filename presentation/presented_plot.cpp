#include "presentation/presented_plot.h"

#include "toolkit/font.h"

#include <algorithm>
#include <utility>

namespace {

// Runs a step of laying out; a GraphError, the graph too small for its size, ends it. The view then
// says so instead of drawing the plot.
template <class Step> bool Survives(Step step) {
    try {
        step();
        return true;
    } catch (const GraphError&) {
        return false;
    }
}

// The places a frame repaints on the screen, at most.
constexpr std::size_t kMostRepaintedPlaces = 16;

tk::Rect Around(const tk::Rect& a, const tk::Rect& b) {
    const int left = std::min(a.x, b.x);
    const int top = std::min(a.y, b.y);
    return {left, top, std::max(a.x + a.width, b.x + b.width) - left,
            std::max(a.y + a.height, b.y + b.height) - top};
}

} // namespace

void PlotScreen::Event_Paint(tk::Graphics& g) {
    if (shown)
        shown->DrawFrameInto(g, {0, 0, Width(), Height()});
}

PresentedPlot::PresentedPlot(PlotScreen& screen, std::string title, Axes axes)
    : screen_(screen), title_(std::move(title)), setUpAxes_(std::move(axes)) {
    screen_.shown = &graph_;
}

void PresentedPlot::Size(const PresentationLayout& layout) {
    graph_.SetZoom(layout.zoom);
    graph_.SetBounds(0, 0, screen_.Width() / layout.zoom, screen_.Height() / layout.zoom);
}

void PresentedPlot::Open(const PresentationLayout& layout) {
    Size(layout);
    Survives([&] { graph_.Event_Open(); });
}

void PresentedPlot::Close() {
    axes_.Forget();
    graph_.Event_Close();
}

void PresentedPlot::SetUp(const PresentationLayout& layout) {
    axes_.Forget();
    if (Survives([&] {
            Style(layout);
            setUpAxes_(graph_);
        }))
        KeepAxes();
}

// The frame then holds the copy, with no curve over it.
void PresentedPlot::KeepAxes() {
    axes_.KeepEmptyPlot(graph_, [this] {
        if (backdrop_)
            backdrop_(graph_);
    });
    curve_.ForgetCovered();
    framedAfresh_ = true;
}

// A graph too small for its last size has no ranges to redraw with (GWidth is 0), and one whose
// picture could not be made has no frame: opening it again makes its frame at the new size and sets
// it up from the start.
void PresentedPlot::Resize(const PresentationLayout& layout) {
    axes_.Forget();
    if (!graph_.IsDefined()) {
        Open(layout);
        return;
    }
    Size(layout);
    if (Survives([&] {
            Style(layout);
            graph_.HandleResize();
            setUpAxes_(graph_);
        }))
        KeepAxes();
}

// The title is bold, with its empty second line, and measured in its own size; the labels that
// setUpAxes_ measures, in theirs.
void PresentedPlot::Style(const PresentationLayout& layout) {
    graph_.CGrid = gridColor_;
    graph_.SetTickFontInfo(tk::kSystemFont, layout.tickFont);
    graph_.SetXTixPix(layout.tickSpacing);
    graph_.SetYTixPix(layout.tickSpacing);
    graph_.SetFontInfo(tk::kSystemFont, layout.labelFont, false, false);
    graph_.SetTitle("!" + title_ + "|");
    graph_.SetFontInfo(tk::kSystemFont, layout.labelFont, false, false);
}

void PresentedPlot::DrawFrame() {
    if (!axes_.Kept())
        return;
    changed_.assign(curve_.Covered().begin(), curve_.Covered().end());
    axes_.StartFrameOver(graph_, curve_.Covered());
    curve_.ForgetCovered();
    graph_.GetContent();
    if (framedAfresh_) {
        framedAfresh_ = false;
        screen_.Refresh(false);
        return;
    }
    changed_.insert(changed_.end(), curve_.Covered().begin(), curve_.Covered().end());
    MergeChanged();
    screen_.RefreshPlaces(changed_);
}

// Into a few places of the screen, each around neighbours along the curves: a screen keeps a
// repainted area as a set of rectangles, which it makes anew for each one added.
void PresentedPlot::MergeChanged() {
    const std::size_t together = (changed_.size() + kMostRepaintedPlaces - 1) / kMostRepaintedPlaces;
    const int zoom = graph_.Zoom();
    std::size_t merged = 0;
    for (std::size_t first = 0; first < changed_.size(); first += together, ++merged) {
        tk::Rect place = changed_[first];
        for (std::size_t i = first + 1; i < std::min(first + together, changed_.size()); ++i)
            place = Around(place, changed_[i]);
        changed_[merged] = {place.x * zoom, place.y * zoom, place.width * zoom, place.height * zoom};
    }
    changed_.resize(merged);
}
