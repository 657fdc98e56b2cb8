#include "spacetime/space_time_wndo.h"

#include "export/save_flow.h"
#include "export/window_exports.h"
#include "physics/superposition.h"
#include "spacetime/grid_csv.h"
#include "toolkit/binding.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

// The layout: three groups of choices in a row at the top, the picture below them with its colour
// bar to its right, and the line that reads the pointer at the bottom.
constexpr int kMargin = 10;
constexpr int kGap = 8;
constexpr int kGroupTop = 4;
constexpr int kGroupHeight = 48;
constexpr int kChoiceTop = 20;
constexpr int kChoiceHeight = 20;
constexpr int kPlotTop = kGroupTop + kGroupHeight + kGap;
// The colour bar's plot: its tick labels, a graph rectangle of the least width a plot allows, a margin.
constexpr int kBarWidth = 180;
constexpr int kReadingHeight = 20;
// Each group of two choices: its place across and where its second choice begins, so that the
// longest translation of each caption fits beside its button.
struct GroupPlace {
    int left;
    int width;
    int second;
};
constexpr GroupPlace kStatesPlace{kMargin, 260, 100};
constexpr GroupPlace kSpanPlace{kStatesPlace.left + kStatesPlace.width + kGap, 180, 90};
constexpr GroupPlace kColoursPlace{kSpanPlace.left + kSpanPlace.width + kGap, 280, 180};
constexpr int kChoiceLeft = 8;
constexpr int FirstWidth(const GroupPlace& place) {
    return place.second - kChoiceLeft - 4;
}
constexpr int SecondWidth(const GroupPlace& place) {
    return place.width - place.second - kChoiceLeft;
}
constexpr int kMinimumWidth = kColoursPlace.left + kColoursPlace.width + kMargin;
constexpr int kMinimumHeight = 480;
constexpr const char* kStem = "parvok-space-time";

double FiniteOrZero(double value) {
    return std::isfinite(value) ? value : 0;
}

} // namespace

bool SpaceTimeWndo::Inputs::operator==(const Inputs& other) const {
    return state.c == other.state.c && turning == other.turning &&
           options.followSelection == other.options.followSelection &&
           options.halfPeriod == other.options.halfPeriod && options.physical == other.options.physical &&
           width == other.width && height == other.height;
}

SpaceTimeWndo::SpaceTimeWndo(MainWndo& main) : main_(main), run_(main.Model()) {}

void SpaceTimeWndo::Layout() {
    settings.title = tk::Translate("SpaceTimeWndo", "Space-Time Picture");
    settings.width = kMinimumWidth;
    settings.height = 760;
    settings.resizable = true;
    settings.minWidth = kMinimumWidth;
    settings.minHeight = kMinimumHeight;
    settings.closeButton = true;
    settings.minimizeButton = true;
    settings.maximizeButton = true;
}

tk::GroupBox& SpaceTimeWndo::CreateGroup(const std::string& name, const std::string& caption, int left,
                                         int width) {
    auto& group = AddControl(name, std::make_unique<tk::GroupBox>());
    group.SetCaption(caption);
    group.SetBounds(left, kGroupTop, width, kGroupHeight);
    return group;
}

tk::RadioButton& SpaceTimeWndo::CreateChoice(tk::GroupBox& group, const std::string& name,
                                             const std::string& caption, int left, int width, bool chosen) {
    auto& choice = AddControl(name, std::make_unique<tk::RadioButton>());
    choice.SetCaption(caption);
    choice.SetParent(&group);
    choice.SetBounds(group.Left() + left, kGroupTop + kChoiceTop, width, kChoiceHeight);
    choice.SetValue(chosen);
    choice.Action = [this] {
        Choose({.followSelection = selection_->Value(),
                .halfPeriod = halfPeriod_->Value(),
                .physical = physical_->Value()});
    };
    return choice;
}

void SpaceTimeWndo::CreateControls() {
    auto& states = CreateGroup("GBStates", tk::Translate("SpaceTimeWndo", "States"), kStatesPlace.left,
                               kStatesPlace.width);
    total_ = &CreateChoice(states, "RBTotal", tk::Translate("SpaceTimeWndo", "Total"), kChoiceLeft,
                           FirstWidth(kStatesPlace), true);
    selection_ = &CreateChoice(states, "RBShown", tk::Translate("SpaceTimeWndo", "As shown"),
                               kStatesPlace.second, SecondWidth(kStatesPlace), false);
    selection_->SetAccessibleName(tk::Translate("SpaceTimeWndo", "The states the main window shows"));
    auto& span =
        CreateGroup("GBSpan", tk::Translate("SpaceTimeWndo", "Time span"), kSpanPlace.left, kSpanPlace.width);
    fullPeriod_ = &CreateChoice(span, "RBPeriod", "T₁", kChoiceLeft, FirstWidth(kSpanPlace), true);
    fullPeriod_->SetAccessibleName(tk::Translate("SpaceTimeWndo", "One period T1"));
    halfPeriod_ = &CreateChoice(span, "RBHalf", "T₁/2", kSpanPlace.second, SecondWidth(kSpanPlace), false);
    halfPeriod_->SetAccessibleName(tk::Translate("SpaceTimeWndo", "Half a period T1/2"));
    auto& colours = CreateGroup("GBColours", tk::Translate("SpaceTimeWndo", "Colours"), kColoursPlace.left,
                                kColoursPlace.width);
    largest_ = &CreateChoice(colours, "RBLargest", tk::Translate("SpaceTimeWndo", "To the largest"),
                             kChoiceLeft, FirstWidth(kColoursPlace), true);
    physical_ = &CreateChoice(colours, "RBPhysical", "L·|ψ|²", kColoursPlace.second,
                              SecondWidth(kColoursPlace), false);
    physical_->SetAccessibleName(tk::Translate("SpaceTimeWndo", "Physical density L times psi squared"));

    plot_ = &AddControl("GFCarpet", std::make_unique<PointerGraph>());
    plot_->SetEraseBackground(false);
    plot_->SetAccessibleName(
        tk::Translate("SpaceTimeWndo", "Probability density over position and time, time running downwards"));
    tk::Bind(*plot_, &Graph::Open, *this, &SpaceTimeWndo::GFCarpet_Open);
    tk::Bind(*plot_, &Graph::DrawContent, *this, &SpaceTimeWndo::GFCarpet_DrawContent);
    plot_->Pressed = [this](int x, int y) { ScrubTo(x, y); };
    plot_->Hovered = [this](int x, int y) { ReadAt(x, y); };
    plot_->Exited = [this] { DefaultReading(); };

    bar_ = &AddControl("GFScale", std::make_unique<Graph>());
    bar_->SetEraseBackground(false);
    bar_->SetAccessibleName(tk::Translate("SpaceTimeWndo", "Colour bar"));
    tk::Bind(*bar_, &Graph::Open, *this, &SpaceTimeWndo::GFScale_Open);
    tk::Bind(*bar_, &Graph::DrawContent, *this, &SpaceTimeWndo::GFScale_DrawContent);

    reading_ = &AddControl("STReading", std::make_unique<tk::StaticText>());
    DefaultReading();
    PlaceControls();

    // The arrows move the cursor a frame, down the page (on) or up it (back), whatever control has
    // the focus: the choices are reached with Tab and taken with Space.
    for (const auto& [keys, frames] :
         {std::pair("Down", 1), std::pair("Right", 1), std::pair("Up", -1), std::pair("Left", -1)})
        AddKeyCommand(keys, [this, frames = frames] { main_.StepFrames(frames); });
    AddExportHandlers();
}

// What leaves this window: its picture, the heat map's pixels as they are in PNG, and the grid.
void SpaceTimeWndo::AddExportHandlers() {
    exporting::AddExportHandlers(*this,
                                 {.picture = [this] { return Picture(); },
                                  .periods = [this] { return Periods(); },
                                  .csv = [this] { return GridCsv(); },
                                  .csvName = [] { return exporting::NameAt(kStem, 0, "csv"); },
                                  .pixels = [this] { return std::optional<tk::Drawing>(PixelDrawing()); }});
}

void SpaceTimeWndo::PlaceControls() {
    const int width = settings.width;
    const int height = settings.height;
    const int plotHeight = height - kPlotTop - kGap - kReadingHeight - kMargin;
    const int plotWidth = width - 2 * kMargin - kGap - kBarWidth;
    plot_->SetBounds(kMargin, kPlotTop, plotWidth, plotHeight);
    bar_->SetBounds(kMargin + plotWidth + kGap, kPlotTop, kBarWidth, plotHeight);
    reading_->SetBounds(kMargin, kPlotTop + plotHeight + kGap, width - 2 * kMargin, kReadingHeight);
}

void SpaceTimeWndo::Event_Open() {
    frames_ = run_.FrameAdvanced.Connect([this] { Follow(); });
    changes_ = run_.Changed.Connect([this](run::Change) { Follow(); });
    Follow();
}

// A closed window follows nothing and lets its pictures go.
void SpaceTimeWndo::Event_Close() {
    frames_.Disconnect();
    changes_.Disconnect();
    map_.Forget();
    scale_.Forget();
    base_.reset();
    computed_ = false;
}

void SpaceTimeWndo::Event_Resize() {
    if (!IsOpen())
        return;
    PlaceControls();
    plot_->HandleResize();
    bar_->HandleResize();
    computed_ = false;
    Follow();
}

void SpaceTimeWndo::Choose(const Options& options) {
    options_ = options;
    selection_->SetValue(options.followSelection);
    total_->SetValue(!options.followSelection);
    halfPeriod_->SetValue(options.halfPeriod);
    fullPeriod_->SetValue(!options.halfPeriod);
    physical_->SetValue(options.physical);
    largest_->SetValue(!options.physical);
    Follow();
}

// The loaded coefficients at t = 0, the states left out at 0: the picture is the run's whole
// history, so it does not move as the run does.
SpaceTimeWndo::Inputs SpaceTimeWndo::Wanted() const {
    Inputs inputs;
    const physics::Components& magnitudes = run_.Magnitudes();
    const physics::Components& phases = run_.PhasesAtStart();
    for (int k = 0; k < physics::kComponents; ++k) {
        const double weight = options_.followSelection ? run_.ShowWeights()[k] : 1.0;
        const double magnitude = std::isfinite(magnitudes[k]) ? magnitudes[k] * weight : 0.0;
        inputs.state.c[k] = magnitude == 0 ? physics::Complex{}
                                           : std::polar(magnitude, phases[k] * physics::kDegreesToRadians);
    }
    inputs.turning = run_.TimeForward() ? physics::Turning::Clockwise : physics::Turning::CounterClockwise;
    inputs.options = options_;
    inputs.width = map_.PixelWidth();
    inputs.height = map_.PixelHeight();
    return inputs;
}

void SpaceTimeWndo::Follow() {
    if (!IsOpen() || !plot_->IsDefined())
        return;
    // Another span relabels the time axis, which may move the rectangle the map fills.
    const double span = options_.halfPeriod ? 0.5 : 1.0;
    if (plot_->YMax != span) {
        plot_->zDefineYAxis(0, span);
        plot_->Redefine();
        computed_ = false;
    }
    if (!computed_) {
        const tk::Rect place = MapPlace();
        map_.Make(place.width, place.height, plot_->Zoom());
    }
    const Inputs wanted = Wanted();
    if (!computed_ || !(wanted == shown_))
        Recompute(wanted);
    ShowFrame();
}

void SpaceTimeWndo::Recompute(const Inputs& inputs) {
    shown_ = inputs;
    computed_ = true;
    ++recomputations_;
    carpet_.Resize(inputs.width, inputs.height);
    carpet_.Fill(inputs.state, inputs.turning, inputs.options.halfPeriod ? 0.5 : 1.0);
    map_.Paint(carpet_, Top());
    bar_->ReDrawAll();
    plot_->Redefine();
    DrawMap();
    KeepBase();
}

// The copy the frames start from: the plot as drawn without its cursor.
void SpaceTimeWndo::KeepBase() {
    const tk::Picture& frame = plot_->Frame();
    base_ = tk::NewPicture(frame.Width(), frame.Height(), frame.Depth(), plot_->Zoom());
    if (!base_ || !base_->Graphics()) {
        base_.reset();
        return;
    }
    base_->Graphics()->DrawPicture(frame, 0, 0);
}

void SpaceTimeWndo::ShowFrame() {
    if (!base_) {
        plot_->ReDrawAll();
        return;
    }
    plot_->Target().DrawPicture(*base_, 0, 0);
    overBase_ = true;
    plot_->GetContentForRepaint();
    overBase_ = false;
}

// What the brightest colour stands for: the picture's largest density, or the most that L |psi|^2
// of these states can reach, (sqrt 2 x the sum of their sizes)^2, the bound the main window's
// physical plots keep to, whatever the instant.
double SpaceTimeWndo::Top() const {
    if (!options_.physical)
        return carpet_.Maximum();
    physics::Components sizes{};
    for (int k = 0; k < physics::kComponents; ++k)
        sizes[k] = std::abs(shown_.state.c[k]);
    // Up to the next half, so that the bar's ticks have short labels.
    const double bound = physics::PhysicalBound(sizes);
    return std::ceil(2 * bound * bound) / 2;
}

double SpaceTimeWndo::Now() const {
    const double t = std::fmod(FiniteOrZero(run_.ElapsedPeriods()), 1.0);
    return t < 0 ? t + 1 : t;
}

double SpaceTimeWndo::Periods() const {
    return FiniteOrZero(run_.ElapsedPeriods());
}

exporting::PictureParts SpaceTimeWndo::Picture() const {
    exporting::PictureParts parts;
    parts.plots = {plot_, bar_};
    parts.stem = kStem;
    return parts;
}

tk::Drawing SpaceTimeWndo::PixelDrawing() const {
    const int left = plot_->Left();
    const int top = plot_->Top();
    tk::Drawing drawing;
    drawing.title = tk::Translate("SpaceTimeWndo", "Space-Time Picture");
    drawing.name = exporting::NameAt(kStem, Periods(), "png");
    drawing.width = bar_->Left() + bar_->Width() - left;
    drawing.height = plot_->Height();
    drawing.draw = [this, left, top](tk::Graphics& g) {
        for (const Graph* graph : std::initializer_list<const Graph*>{plot_, bar_})
            if (graph->GXP)
                g.DrawPicture(*graph->GXP, graph->Left() - left, graph->Top() - top);
    };
    return drawing;
}

std::string SpaceTimeWndo::GridCsv() const {
    return spacetime::GridCsv(carpet_);
}
