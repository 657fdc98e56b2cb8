#include "observables/observables_wndo.h"

#include "app/commands.h"
#include "toolkit/binding.h"
#include "toolkit/shared_instance.h"
#include "toolkit/translation.h"

#include <cmath>

namespace {

// The layout: a line of text over the plots, the three plots stacked on the left and the table on
// the right, kGap apart and kMargin from the edges.
constexpr int kMargin = 10;
constexpr int kGap = 8;
constexpr int kNoteTop = 6;
constexpr int kNoteHeight = 20;
constexpr int kPlotsTop = 32;
constexpr int kTableWidth = 300;
// The plots need room for a graph rectangle 100 pixels square within their labels and ticks.
constexpr int kMinimumWidth = 640;
constexpr int kMinimumHeight = 640;

constexpr const char* kTableFont = "DejaVu Sans Mono";
constexpr int kTableTextSize = 13;

// Whether two sets of values show the same energy levels: weights and energies that agree to far
// below a pixel. A run turns the phases, which changes them only in their last bits.
bool SameLevels(const std::optional<physics::Observables>& a, const std::optional<physics::Observables>& b) {
    if (!a || !b)
        return a.has_value() == b.has_value();
    const auto close = [](double x, double y) { return std::abs(x - y) <= 1e-9; };
    for (int k = 0; k < physics::kComponents; ++k)
        if (!close(a->weights[k], b->weights[k]))
            return false;
    return close(a->energy.mean, b->energy.mean) && close(a->energy.spread, b->energy.spread);
}

// The time since Start that the main window reports, or 0 where it is no number.
double FiniteOrZero(double value) {
    return std::isfinite(value) ? value : 0;
}

} // namespace

ObservablesWndo::ObservablesWndo(const MainWndo& main)
    : main_(main), run_(main.Model()), words_(values_table::Words::LookedUp()) {
    table_.reserve(2048);
}

void ObservablesWndo::Layout() {
    settings.title = tk::Translate("ObservablesWndo", "Observables");
    settings.width = 760;
    settings.height = 760;
    settings.resizable = true;
    settings.minWidth = kMinimumWidth;
    settings.minHeight = kMinimumHeight;
    settings.closeButton = true;
    settings.minimizeButton = true;
    settings.maximizeButton = true;
    settings.closeKeys = true;
    settings.placement = tk::kPlaceBeside; // not over the plots it explains
    settings.rememberedPlace = "places/observables";
}

// Its own menu item closes it, as the key that opened it; elsewhere the item opens it.
void ObservablesWndo::AddMenuHandlers() {
    AddMenuHandler(kMenuItem.name, [this] {
        Close();
        return true;
    });
    AddExportHandlers();
}

void ObservablesWndo::CreateControls() {
    note_ = &AddControl("STNote", std::make_unique<tk::StaticText>());
    note_->SetText(
        tk::Translate("ObservablesWndo",
                      "Values of the whole state Σ cₙφₙ, whatever Total / n= shows in the main window."));
    levelsPlot_ = &CreateGraph(
        "GFLevels", &ObservablesWndo::GFLevels_Open, &ObservablesWndo::GFLevels_DrawContent,
        tk::Translate(
            "ObservablesWndo",
            "Energy levels: the probability of each level, at n squared times E1, and the mean energy"));
    pathPlot_ = &CreateGraph(
        "GFTrace", &ObservablesWndo::GFTrace_Open, &ObservablesWndo::GFTrace_DrawContent,
        tk::Translate("ObservablesWndo",
                      "Mean position over the last two periods, with the band of one spread either side"));
    momentumPlot_ = &CreateGraph("GFMomentum", &ObservablesWndo::GFMomentum_Open,
                                 &ObservablesWndo::GFMomentum_DrawContent,
                                 tk::Translate("ObservablesWndo", "Momentum distribution"));
    valuesText_ = &AddControl("TAValues", std::make_unique<tk::TextArea>());
    valuesText_->SetFont(tk::Font{.name = kTableFont, .size = kTableTextSize});
    valuesText_->SetAccessibleName(tk::Translate("ObservablesWndo", "Values of the observables"));
    for (const auto& [item, command] : {std::pair(command::kEditCopy, &tk::TextArea::Copy),
                                        std::pair(command::kEditSelectAll, &tk::TextArea::SelectAll)})
        valuesText_->AddMenuHandler(item, [this, command = command] {
            (valuesText_->*command)();
            return true;
        });
    PlaceControls();
}

Graph& ObservablesWndo::CreateGraph(const std::string& name, void (ObservablesWndo::*open)(),
                                    void (ObservablesWndo::*draw)(), const std::string& description) {
    Graph& graph = AddControl(name, std::make_unique<Graph>());
    // Its frame covers it whole.
    graph.SetEraseBackground(false);
    graph.SetAccessibleName(description);
    tk::Bind(graph, &Graph::Open, *this, open);
    tk::Bind(graph, &Graph::DrawContent, *this, draw);
    return graph;
}

// The plots share the height below the note; the last one takes what the division leaves.
void ObservablesWndo::PlaceControls() {
    const int width = settings.width;
    const int height = settings.height;
    note_->SetBounds(kMargin, kNoteTop, width - 2 * kMargin, kNoteHeight);
    const int plotWidth = width - 2 * kMargin - kGap - kTableWidth;
    const int plotsHeight = height - kPlotsTop - kMargin - 2 * kGap;
    const int plotHeight = plotsHeight / 3;
    int top = kPlotsTop;
    for (Graph* graph : {levelsPlot_, pathPlot_, momentumPlot_}) {
        const int h = graph == momentumPlot_ ? plotsHeight - 2 * plotHeight : plotHeight;
        graph->SetBounds(kMargin, top, plotWidth, h);
        top += h + kGap;
    }
    valuesText_->SetBounds(kMargin + plotWidth + kGap, kPlotsTop, kTableWidth, height - kPlotsTop - kMargin);
}

void ObservablesWndo::Event_Open() {
    frames_ = run_.FrameAdvanced.Connect([this] { ShowState(); });
    changes_ = run_.Changed.Connect([this](run::Change) { ShowState(); });
    KeepAxes();
    ShowState();
}

// A closed window follows nothing: its plots have no pictures left to draw on.
void ObservablesWndo::Event_Close() {
    frames_.Disconnect();
    changes_.Disconnect();
    pathAxes_.Forget();
    momentumAxes_.Forget();
}

void ObservablesWndo::Event_Resize() {
    if (!IsOpen())
        return;
    PlaceControls();
    for (Graph* graph : {levelsPlot_, pathPlot_, momentumPlot_})
        graph->HandleResize();
    KeepAxes();
    DrawMovingPlots();
}

void ObservablesWndo::KeepAxes() {
    pathAxes_.KeepAllButXAxis(*pathPlot_);
    momentumAxes_.KeepEmptyPlot(*momentumPlot_);
}

// A frame changes each plot only within the part of its axes copied back, and only that part is
// painted again. The plots have no scroll bars: their frames are the controls' coordinates.
void ObservablesWndo::DrawMovingPlots() {
    for (const auto& [plot, axes] :
         {std::pair(pathPlot_, &pathAxes_), std::pair(momentumPlot_, &momentumAxes_)}) {
        const tk::Rect changed = axes->StartFrameInGraphRect(*plot);
        plot->DrawContent();
        plot->RefreshPlaces(std::span(&changed, 1));
    }
}

void ObservablesWndo::ShowState() {
    // A paused run shows its frame, as a running one does; only a stopped one goes back to Start.
    const run::RunState run = run_.State();
    const bool underWay = run != run::RunState::Idle;
    const physics::State state =
        physics::StateOf(run_.Magnitudes(), underWay ? run_.Phases() : run_.PhasesAtStart());
    values_ = physics::Measure(state);
    shownPeriods_ = underWay ? FiniteOrZero(run_.ElapsedPeriods()) : 0;

    values_table::Write(values_,
                        {.running = run == run::RunState::Running,
                         .paused = run == run::RunState::Paused,
                         .edited = run_.Edited(),
                         .timeReversed = !run_.TimeForward(),
                         .periods = shownPeriods_},
                        words_, table_);
    path_.Fill(state, shownPeriods_,
               run_.TimeForward() ? physics::Turning::Clockwise : physics::Turning::CounterClockwise);
    profile_.Fill(state, densities_);
    valuesText_->SetText(table_);

    if (!levelsDrawn_ || !SameLevels(drawnLevels_, values_))
        levelsPlot_->ReDrawAll();
    pathPlot_->zDefineXAxis(path_.SpanStart(), path_.SpanStart() + PositionTrace::kPeriods);
    DrawMovingPlots();
}
