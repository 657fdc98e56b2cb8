#include "presentation/presentation_wndo.h"

#include "mainwindow/state_plots.h"
#include "mainwindow/status_line.h"
#include "physics/observables.h"
#include "physics/state.h"
#include "presentation/kept_circle_phasor.h"
#include "presentation/note_lines.h"
#include "presentation/plot_overlays.h"
#include "toolkit/binding.h"
#include "toolkit/numbers.h"
#include "toolkit/platform.h"
#include "toolkit/translation.h"

#include <cmath>
#include <vector>

namespace {

tk::Font FontOfSize(int size) {
    return tk::Font{.name = tk::kSystemFont, .size = size};
}

// The lines as one text, a line break between each and the next.
std::string Joined(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines)
        joined += (joined.empty() ? "" : "\n") + line;
    return joined;
}

// The main window's words for its choices, which the view repeats: "Total" first, then "n=1" ... "n=6".
std::array<std::string, PresentationWndo::kComponents + 1> ChoiceTexts() {
    std::array<std::string, PresentationWndo::kComponents + 1> texts;
    texts[0] = tk::Translate("MainWndo", "Total");
    for (int k = 0; k < PresentationWndo::kComponents; ++k)
        texts[k + 1] = tk::Substitute(tk::Translate("MainWndo", "n=%1"), {std::to_string(k + 1)});
    return texts;
}

// The subscript digits ₁ to ₆ of the states' numbers.
constexpr std::array<const char*, PresentationWndo::kComponents> kSubscripts{"₁", "₂", "₃", "₄", "₅", "₆"};

// The scaled plots divide by N = √(2/L)·Σ|cₙ|: their y axes say so, and a note says what N is.
const state_plots::YAxis kScaledWave{-1, 1, "ψ/N"};
const state_plots::YAxis kScaledDensity{0, 1, "&|ψ&|²/N²"};

// Where the settings keep the overlays, which the next view and the next session show again.
constexpr const char* kSpreadKey = "presentation/spread";
constexpr const char* kGhostKey = "presentation/ghost";
constexpr const char* kHighContrastKey = "presentation/highContrast";

PresentationWndo::Overlays RememberedOverlays() {
    const tk::Settings& remembered = tk::ThePlatform().Settings();
    return {.spread = remembered.Flag(kSpreadKey, false),
            .ghost = remembered.Flag(kGhostKey, false),
            .highContrast = remembered.Flag(kHighContrastKey, false)};
}

// Switches an overlay and remembers it.
void Switch(bool& overlay, const char* key) {
    overlay = !overlay;
    tk::ThePlatform().Settings().SetFlag(key, overlay);
}

// A phase in whole degrees from 0 to 359; a negative magnitude points the other way.
int DegreesNow(double magnitude, double phase) {
    double degrees = std::fmod(phase + (magnitude < 0 ? 180 : 0), 360.0);
    degrees = std::round(degrees < 0 ? degrees + 360 : degrees);
    return degrees >= 360 ? 0 : static_cast<int>(degrees);
}

// A y axis's caption as a screen reader reads it: the Graph's markup undone, its escapes taken as
// they stand and its one superscript, a square, written as one.
std::string PlainQuantity(const std::string& markup) {
    std::string plain;
    for (std::size_t i = 0; i < markup.size(); ++i) {
        if (markup[i] == '&' && i + 1 < markup.size())
            plain += markup[++i];
        else if (markup.compare(i, 2, "^2") == 0) {
            plain += "²";
            ++i;
        } else
            plain += markup[i];
    }
    return plain;
}

} // namespace

PresentationWndo::PresentationWndo(const run::RunModel& run, Opening opening,
                                   const lesson::LessonDocument* lesson)
    : run_(run), opening_(opening), lesson_(lesson), overlays_(RememberedOverlays()),
      look_(LookFor(overlays_.highContrast)), clockWords_(tk::Translate("StatusLine", StatusLine::kClock)),
      shownTexts_(ChoiceTexts()),
      scaleWords_(tk::Translate("PresentationWndo", "N = √(2/L)·Σ|cₙ| over the states shown")) {}

const std::string& PresentationWndo::ShownText(const run::Selection& shown) const {
    return shownTexts_[shown.StateNumber()];
}

void PresentationWndo::Layout() {
    settings.title = tk::Translate("PresentationWndo", "Presentation");
    settings.width = opening_.width;
    settings.height = opening_.height;
    settings.fullScreen = opening_.fullScreen;
    settings.resizable = true;
    settings.minWidth = 240;
    settings.minHeight = 160;
    settings.maximizeButton = true;
    settings.backColor = tk::kWhite;
    lessonStateLines_ = static_cast<int>(LessonStateLines().size());
    layout_ = LayoutFor(settings.width, settings.height, lessonStateLines_);
}

// A plot's screen shows whole frames, so it need not be erased first.
std::unique_ptr<PresentedPlot> PresentationWndo::CreatePlot(const std::string& name, const std::string& title,
                                                            PresentedPlot::Axes axes,
                                                            const std::string& accessibleName) {
    auto& screen = AddControl(name, std::make_unique<PlotScreen>());
    screen.SetAccessibleName(accessibleName);
    screen.SetEraseBackground(false);
    return std::make_unique<PresentedPlot>(screen, title, std::move(axes));
}

void PresentationWndo::CreateControls() {
    // The plots with captions of their own, in full: the main window's are shortened to fit.
    wavePlot_ = CreatePlot(
        "GFWave", tk::Translate("PresentationWndo", "Wavefunction"),
        [this](Graph& g) {
            waveAxis_ = state_plots::WavefunctionAxis(run_);
            state_plots::SetUpWavefunction(g, WaveAxis());
        },
        tk::Translate("MainWndo", "Wavefunction: real part in black, imaginary part in red"));
    tk::Bind(GFWave(), &Graph::Open, *this, &PresentationWndo::GFWave_Open);
    tk::Bind(GFWave(), &Graph::DrawContent, *this, &PresentationWndo::GFWave_DrawContent);
    densityPlot_ = CreatePlot(
        "GFDensity", tk::Translate("PresentationWndo", "Probability density"),
        [this](Graph& g) {
            densityAxis_ = state_plots::DensityAxis(run_);
            state_plots::SetUpDensity(g, DensityAxis());
        },
        tk::Translate("MainWndo", "Probability density"));
    wavePlot_->SetBackdrop([this](Graph& g) { DrawWaveLegend(g); });
    densityPlot_->SetBackdrop([this](Graph& g) {
        DrawGhost(g);
        DrawDensityLegend(g);
    });
    tk::Bind(GFDensity(), &Graph::Open, *this, &PresentationWndo::GFDensity_Open);
    tk::Bind(GFDensity(), &Graph::DrawContent, *this, &PresentationWndo::GFDensity_DrawContent);

    for (int k = 0; k < kComponents; ++k) {
        phasors_[k] = &AddControl("Phasor", std::make_unique<KeptCirclePhasor>(k));
        phasors_[k]->SetAccessibleName(
            tk::Substitute(tk::Translate("MainWndo", "Phasor of state %1"), {std::to_string(k + 1)}));
        captions_[k] = &AddControl("STPhasor", std::make_unique<tk::StaticText>(k));
        captions_[k]->SetAlignment(tk::StaticText::kCentre);
    }
    clock_ = &AddControl("STClock", std::make_unique<tk::StaticText>());
    scaleNote_ = &AddControl("STScale", std::make_unique<tk::StaticText>());
    scaleNote_->SetAlignment(tk::StaticText::kCentre);
    shown_ = &AddControl("STShown", std::make_unique<tk::StaticText>());
    shown_->SetAlignment(tk::StaticText::kRight);
    lessonState_ = &AddControl("STLessonState", std::make_unique<tk::StaticText>());
    message_ = &AddControl("STMessage", std::make_unique<tk::StaticText>());
    message_->SetText(tk::Translate("PresentationWndo", "Too small for the plots:\nmake the window larger."));
    message_->SetAlignment(tk::StaticText::kCentre);
    message_->SetVisible(false);
    PlaceControls();
}

void PresentationWndo::AddMenuHandlers() {
    AddMenuHandler(kMenuItem.name, [this] {
        ToggleFullScreen();
        return true;
    });
    AddKeyCommand("Esc", [this] { Leave(); });
    AddKeyCommand("Cmd+W", [this] { Close(); });
    AddKeyCommand(command::kPresentationSpreadKey, [this] { ToggleSpread(); });
    AddKeyCommand(command::kPresentationGhostKey, [this] { ToggleGhost(); });
    AddKeyCommand(command::kPresentationContrastKey, [this] { ToggleHighContrast(); });
}

// The plots' Graphs open with the window, for their screens' places.
void PresentationWndo::Event_Open() {
    wavePlot_->Open(layout_);
    densityPlot_->Open(layout_);
    frames_ = run_.FrameAdvanced.Connect([this] { ShowFrame(); });
    changes_ = run_.Changed.Connect([this](run::Change change) { FollowChange(change); });
    if (lesson_)
        lessonChanges_ = lesson_->Changed.Connect([this] { ShowLessonState(); });
    ShowLessonState();
    FitPhasors();
    ShowWhatFits();
    Describe();
    ShowAll();
}

void PresentationWndo::Event_Close() {
    frames_.Disconnect();
    changes_.Disconnect();
    lessonChanges_.Disconnect();
    wavePlot_->Close();
    densityPlot_->Close();
}

void PresentationWndo::Event_Resize() {
    Relayout();
}

// Before the window paints again.
void PresentationWndo::Relayout() {
    const std::vector<std::string> lines = LessonStateLines();
    lessonStateLines_ = static_cast<int>(lines.size());
    layout_ = LayoutFor(settings.width, settings.height, lessonStateLines_);
    lessonState_->SetText(Joined(lines));
    PlaceControls();
    wavePlot_->Resize(layout_);
    densityPlot_->Resize(layout_);
    FitPhasors();
    ShowWhatFits();
    ShowAll();
}

void PresentationWndo::PlaceControls() {
    const auto place = [](tk::Control& control, const tk::Rect& r) {
        control.SetBounds(r.x, r.y, r.width, r.height);
    };
    place(*Find("GFWave"), layout_.wavefunction);
    place(*Find("GFDensity"), layout_.density);
    for (int k = 0; k < kComponents; ++k) {
        place(*phasors_[k], layout_.phasors[k]);
        place(*captions_[k], layout_.captions[k]);
        captions_[k]->SetFont(FontOfSize(layout_.textFont));
    }
    for (tk::StaticText* text : {shown_, clock_, scaleNote_, message_, lessonState_})
        text->SetFont(FontOfSize(layout_.textFont));
    place(*clock_, layout_.clock);
    place(*scaleNote_, layout_.scaleNote);
    place(*shown_, layout_.shown);
    place(*message_, layout_.message);
    place(*lessonState_, layout_.note);
}

bool PresentationWndo::LessonStateShown() const {
    return lesson_ && lesson_->CurrentState();
}

// Its lines as wide as the band, in the band's font, measured as a picture draws them.
std::vector<std::string> PresentationWndo::LessonStateLines() const {
    if (!LessonStateShown())
        return {};
    const PresentationLayout plain = LayoutFor(settings.width, settings.height);
    const auto measure = tk::ThePlatform().NewPicture(1, 1, 32, 1);
    tk::Graphics* g = measure ? measure->Graphics() : nullptr;
    if (!g)
        return {};
    g->SetTextFont(tk::kSystemFont);
    g->SetTextSize(plain.textFont);
    const lesson::State& state = *lesson_->CurrentState();
    return NoteLines(*g, state.name, state.note, plain.note.width, kMostNoteLines);
}

// The band grows or shrinks with the lines of the lesson's state, the phasors making room.
void PresentationWndo::ShowLessonState() {
    const std::vector<std::string> lines = LessonStateLines();
    if (static_cast<int>(lines.size()) != lessonStateLines_) {
        Relayout();
        return;
    }
    lessonState_->SetText(Joined(lines));
    ShowWhatFits();
}

// A phasor keeps the picture it made when it opened; one of another size is made when it opens again.
void PresentationWndo::FitPhasors() {
    for (PhasorDiagram* phasor : phasors_) {
        if (!phasor->GX || phasor->GX->Width() != phasor->Width() || phasor->GX->Height() != phasor->Height())
            phasor->Event_Open();
        if (tk::Graphics* g = phasor->GX ? phasor->GX->Graphics() : nullptr)
            g->SetPenSize(layout_.pen * look_.lineFactor);
    }
}

bool PresentationWndo::TooSmall() const {
    return !wavePlot_->Fitted() || !densityPlot_->Fitted();
}

void PresentationWndo::ShowWhatFits() {
    const bool fits = !TooSmall();
    for (tk::Control* control : Controls())
        control->SetVisible(control == message_ ? !fits : fits);
    lessonState_->SetVisible(fits && LessonStateShown());
}

void PresentationWndo::ShowAll() {
    if (run_.Drawn()) {
        wavePlot_->DrawFrame();
        densityPlot_->DrawFrame();
    }
    ShowState();
}

void PresentationWndo::ShowFrame() {
    ShowAll();
}

// The plots take the axes of a new scale, state or selection as the main window's do, and show the
// new scale's curves at once; the density at t = 0 follows the state, the states shown and the scale.
void PresentationWndo::FollowChange(run::Change change) {
    const bool newStart =
        change == run::Change::Loaded || change == run::Change::Selection || change == run::Change::Scale;
    if (state_plots::WavefunctionAxis(run_) != waveAxis_)
        wavePlot_->SetUp(layout_);
    if (state_plots::DensityAxis(run_) != densityAxis_ || (overlays_.ghost && newStart))
        densityPlot_->SetUp(layout_);
    if (change == run::Change::Scale) {
        Describe();
        ShowAll();
    } else
        ShowState();
}

void PresentationWndo::SetUpPlots() {
    wavePlot_->SetGridColor(look_.grid);
    densityPlot_->SetGridColor(look_.grid);
    wavePlot_->SetUp(layout_);
    densityPlot_->SetUp(layout_);
    FitPhasors();
    Describe();
    ShowAll();
}

void PresentationWndo::ShowState() {
    // The phasors show the coefficients as the main window's do: once loaded, until an edit.
    const bool loaded = run_.CoefficientsShown();
    const physics::Components& magnitudes = run_.Magnitudes();
    const physics::Components& phases = run_.Phases();
    for (int k = 0; k < kComponents; ++k) {
        PhasorDiagram& phasor = *phasors_[k];
        phasor.magn = magnitudes[k];
        phasor.angle = phases[k];
        phasor.tooFast = run_.TooFastToFollow(k + 1);
        if (loaded)
            phasor.Update();
        else
            phasor.Blank();
    }
    ShowCaptions();
    shown_->SetText(ShownText(run_.Shown()));
    clock_->SetText(StatusLine::ClockText(run_.ElapsedPeriods(), clockWords_));
    scaleNote_->SetText(run_.PhysicalScale() ? std::string() : scaleWords_);
}

// "|c₁| = 0.707" over "φ₁ = 45°"; a dash for what the phasors do not show, and for the phase of a
// state with no magnitude, which has none.
void PresentationWndo::ShowCaptions() {
    const bool loaded = run_.CoefficientsShown();
    for (int k = 0; k < kComponents; ++k) {
        const double magnitude = run_.Magnitudes()[k];
        captionText_ = "|c";
        captionText_ += kSubscripts[k];
        captionText_ += "| = ";
        captionText_ += loaded ? tk::Format(std::abs(magnitude), "0.000") : "–";
        captionText_ += "\nφ";
        captionText_ += kSubscripts[k];
        captionText_ += " = ";
        captionText_ += loaded && magnitude != 0 && std::isfinite(run_.Phases()[k])
                            ? std::to_string(DegreesNow(magnitude, run_.Phases()[k])) + "°"
                            : "–";
        captions_[k]->SetText(captionText_);
    }
}

// What the plots show, for screen readers: the legend, the quantities on the y axes and the overlays.
void PresentationWndo::Describe() {
    const std::string wave =
        tk::Substitute(tk::Translate("PresentationWndo", "Re ψ in black, Im ψ in red; the y axis shows %1"),
                       {PlainQuantity(WaveAxis().caption)});
    std::string density = tk::Substitute(tk::Translate("PresentationWndo", "The y axis shows %1"),
                                         {PlainQuantity(DensityAxis().caption)});
    if (overlays_.spread)
        density += tk::Translate("PresentationWndo", "; a blue line at the mean position ⟨x⟩, a bar from "
                                                     "⟨x⟩ − Δx to ⟨x⟩ + Δx");
    if (overlays_.ghost)
        density += tk::Translate("PresentationWndo", "; in grey the density at t = 0");
    Find("GFWave")->SetAccessibleDescription(wave);
    Find("GFDensity")->SetAccessibleDescription(density);
}

state_plots::YAxis PresentationWndo::WaveAxis() const {
    return run_.PhysicalScale() ? state_plots::WavefunctionAxis(run_) : kScaledWave;
}

state_plots::YAxis PresentationWndo::DensityAxis() const {
    return run_.PhysicalScale() ? state_plots::DensityAxis(run_) : kScaledDensity;
}

physics::Components PresentationWndo::ShownWeights() const {
    physics::Components weights{};
    for (int k = 0; k < kComponents; ++k)
        weights[k] = run_.Magnitudes()[k] * run_.ShowWeights()[k];
    return weights;
}

physics::Profile::Scale PresentationWndo::ProfileScale() const {
    return run_.PhysicalScale() ? physics::Profile::Scale::Physical : physics::Profile::Scale::Scaled;
}

void PresentationWndo::DrawGhost(Graph& g) {
    if (!overlays_.ghost || !run_.Loaded())
        return;
    ghost_.Resize(g.GWidth * layout_.curvePoints + 1);
    ghost_.Fill(ShownWeights(), run_.PhasesAtStart(), ProfileScale());
    if (ghost_.Empty())
        return;
    g.SetColor(look_.ghost);
    g.Target().SetPenSize(CurvePen());
    densityPlot_->Curve().Draw(g, ghost_.Density());
    g.Target().SetPenSize(1);
    g.SetColor(g.CBlack);
}

int PresentationWndo::CurvePen() const {
    return layout_.curvePen * look_.lineFactor;
}

void PresentationWndo::DrawWaveLegend(Graph& g) {
    const std::array<plot_overlays::LegendEntry, 2> entries{
        {{look_.real, "Re ψ"}, {look_.imaginary, "Im ψ"}}};
    plot_overlays::DrawLegend(g, entries, CurvePen(), layout_.labelFont);
}

// The overlays shown, named as the curves of the wavefunction are.
void PresentationWndo::DrawDensityLegend(Graph& g) {
    std::vector<plot_overlays::LegendEntry> entries;
    if (overlays_.ghost)
        entries.push_back({look_.ghost, "t = 0"});
    if (overlays_.spread)
        entries.push_back({look_.spread, "⟨x⟩ ± Δx"});
    plot_overlays::DrawLegend(g, entries, CurvePen(), layout_.labelFont);
}

void PresentationWndo::GFWave_Open() {
    wavePlot_->SetUp(layout_);
}

// The wavefunction now at the layout's points across the plot, drawn as the main
// window draws its samples: the real part, then the imaginary part over it.
void PresentationWndo::GFWave_DrawContent() {
    if (!run_.Drawn())
        return;
    Graph& g = GFWave();
    waveProfile_.Resize(g.GWidth * layout_.curvePoints + 1);
    waveProfile_.Fill(ShownWeights(), run_.Phases(), ProfileScale());
    if (waveProfile_.Empty())
        return;
    g.Target().SetPenSize(CurvePen());
    g.SetColor(look_.real);
    wavePlot_->Curve().Draw(g, waveProfile_.Real());
    g.SetColor(look_.imaginary);
    wavePlot_->Curve().Draw(g, waveProfile_.Imaginary());
    g.Target().SetPenSize(1);
    g.SetColor(g.CBlack);
}

void PresentationWndo::GFDensity_Open() {
    densityPlot_->SetUp(layout_);
}

void PresentationWndo::GFDensity_DrawContent() {
    if (!run_.Drawn())
        return;
    Graph& g = GFDensity();
    densityProfile_.Resize(g.GWidth * layout_.curvePoints + 1);
    densityProfile_.Fill(ShownWeights(), run_.Phases(), ProfileScale());
    if (densityProfile_.Empty())
        return;
    g.Target().SetPenSize(CurvePen());
    g.SetColor(look_.real);
    densityPlot_->Curve().Draw(g, densityProfile_.Density());
    g.Target().SetPenSize(1);
    g.SetColor(g.CBlack);
    if (!overlays_.spread)
        return;
    const std::optional<physics::Moments> position =
        physics::PositionOf(physics::StateOf(ShownWeights(), run_.Phases()));
    if (position)
        plot_overlays::DrawSpread(g, densityPlot_->Curve(), *position, look_.spread, CurvePen());
}

void PresentationWndo::ToggleFullScreen() {
    SetFullScreen(!FullScreen());
}

void PresentationWndo::Leave() {
    if (FullScreen())
        SetFullScreen(false);
    else
        Close();
}

void PresentationWndo::ToggleSpread() {
    Switch(overlays_.spread, kSpreadKey);
    densityPlot_->SetUp(layout_);
    Describe();
    ShowAll();
}

void PresentationWndo::ToggleGhost() {
    Switch(overlays_.ghost, kGhostKey);
    densityPlot_->SetUp(layout_);
    Describe();
    ShowAll();
}

void PresentationWndo::ToggleHighContrast() {
    Switch(overlays_.highContrast, kHighContrastKey);
    look_ = LookFor(overlays_.highContrast);
    SetUpPlots();
}
