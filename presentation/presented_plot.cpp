#include "presentation/presented_plot.h"

#include "graph/axis_model.h"
#include "toolkit/font.h"

#include <algorithm>

namespace {

// The Graph's widest spacing of minor ticks, and the main window's tick labels.
constexpr int kWidestSpacing = 31;
constexpr int kSmallestTickFont = 9;

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

} // namespace

PresentedPlot::PresentedPlot(Graph& graph, std::string title, SetUp setUp)
    : graph_(graph), title_(std::move(title)), setUp_(setUp) {}

// Opening gives the graph an empty y label.
void PresentedPlot::Open(const PresentationLayout& layout) {
    roomLabel_.clear();
    axes_.reset();
    if (Survives([&] {
            Style(layout);
            setUp_(graph_);
            FitXTickLabels(layout);
            MakeRoomForTickLabels();
        }))
        KeepAxes();
}

// A graph too small for its last size has no ranges to redraw with (GWidth is 0): opening it again
// makes its frame at the new size and sets it up from the start, through Open.
void PresentedPlot::Resize(const PresentationLayout& layout) {
    axes_.reset();
    if (!graph_.GXP)
        return;
    if (graph_.GWidth == 0) {
        Survives([&] { graph_.Event_Open(); });
        return;
    }
    if (Survives([&] {
            Style(layout);
            graph_.HandleResize();
            setUp_(graph_);
            FitXTickLabels(layout);
            MakeRoomForTickLabels();
        }))
        KeepAxes();
}

// The title is bold and measured in its own size; the labels that setUp measures, in theirs.
void PresentedPlot::Style(const PresentationLayout& layout) {
    graph_.Target().SetPenSize(layout.pen);
    graph_.SetTickFontInfo(tk::kSystemFont, layout.tickFont);
    graph_.SetXTixPix(layout.tickSpacing);
    graph_.SetYTixPix(layout.tickSpacing);
    graph_.SetFontInfo(tk::kSystemFont, layout.titleFont, false, false);
    graph_.SetTitle("!" + title_);
    graph_.SetFontInfo(tk::kSystemFont, layout.labelFont, false, false);
}

void PresentedPlot::Redefine() {
    graph_.DefineGraph(graph_.XMin, graph_.XMax, graph_.YMin, graph_.YMax);
}

void PresentedPlot::FitXTickLabels(const PresentationLayout& layout) {
    int spacing = layout.tickSpacing;
    int font = layout.tickFont;
    while (!XTickLabelsFit()) {
        if (spacing < kWidestSpacing)
            spacing = std::min(kWidestSpacing, spacing * 3 / 2);
        else if (font > kSmallestTickFont)
            --font;
        else
            return;
        graph_.SetXTixPix(spacing);
        graph_.SetTickFontInfo(tk::kSystemFont, font);
        Redefine();
    }
}

bool PresentedPlot::XTickLabelsFit() {
    const axes::Axis x = axes::XAxis(graph_);
    const int widest = axes::WidestTickLabel(graph_, x, graph_.TickFont, graph_.TickFSize);
    const axes::TickSteps steps = axes::StepsOf(x.Scale());
    const double majorPixels = steps.major * steps.scale * graph_.XVtoPix;
    const int rightMargin = graph_.FWidth - graph_.GLeft - graph_.GWidth;
    return widest + 1 - widest / 2 <= rightMargin && widest + axes::kGap < majorPixels;
}

// Each "~" of the label moves the pen by one pixel and draws nothing. Its room is decided by the
// y tick labels alone, which the width of the graph does not change, so one more definition does.
void PresentedPlot::MakeRoomForTickLabels() {
    const int tickLabels =
        axes::WidestTickLabel(graph_, axes::YAxis(graph_), graph_.TickFont, graph_.TickFSize);
    const std::string room(std::max(0, tickLabels - graph_.zYTickWidth()), '~');
    if (room == roomLabel_)
        return;
    roomLabel_ = room;
    graph_.SetYLabel(room);
    Redefine();
}

void PresentedPlot::KeepAxes() {
    const tk::Picture& frame = graph_.Frame();
    axes_ = tk::NewPicture(frame.Width(), frame.Height(), frame.Depth());
    if (axes_ && axes_->Graphics())
        axes_->Graphics()->DrawPicture(frame, 0, 0);
    else
        axes_.reset();
}

void PresentedPlot::DrawFrame() {
    if (!axes_)
        return;
    graph_.Target().DrawPicture(*axes_, 0, 0);
    graph_.GetContent();
}
