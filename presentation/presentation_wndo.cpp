#include "presentation/presentation_wndo.h"

#include "mainwindow/state_plots.h"
#include "mainwindow/status_line.h"
#include "toolkit/binding.h"
#include "toolkit/translation.h"

namespace {

tk::Font FontOfSize(int size) {
    return tk::Font{.name = tk::kSystemFont, .size = size};
}

// The main window's words for its choices, which the view repeats: "Total" first, then "n=1" ... "n=6".
std::array<std::string, PresentationWndo::kComponents + 1> ChoiceTexts() {
    std::array<std::string, PresentationWndo::kComponents + 1> texts;
    texts[0] = tk::Translate("MainWndo", "Total");
    for (int k = 0; k < PresentationWndo::kComponents; ++k)
        texts[k + 1] = tk::Substitute(tk::Translate("MainWndo", "n=%1"), {std::to_string(k + 1)});
    return texts;
}

} // namespace

PresentationWndo::PresentationWndo(const run::RunModel& run, Opening opening)
    : run_(run), opening_(opening), clockWords_(tk::Translate("StatusLine", StatusLine::kClock)),
      shownTexts_(ChoiceTexts()) {}

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
    layout_ = LayoutFor(settings.width, settings.height);
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
            state_plots::SetUpWavefunction(g, waveAxis_);
        },
        tk::Translate("MainWndo", "Wavefunction: real part in black, imaginary part in red"));
    tk::Bind(GFWave(), &Graph::Open, *this, &PresentationWndo::GFWave_Open);
    tk::Bind(GFWave(), &Graph::DrawContent, *this, &PresentationWndo::GFWave_DrawContent);
    densityPlot_ = CreatePlot(
        "GFDensity", tk::Translate("PresentationWndo", "Probability density"),
        [this](Graph& g) {
            densityAxis_ = state_plots::DensityAxis(run_);
            state_plots::SetUpDensity(g, densityAxis_);
        },
        tk::Translate("MainWndo", "Probability density"));
    tk::Bind(GFDensity(), &Graph::Open, *this, &PresentationWndo::GFDensity_Open);
    tk::Bind(GFDensity(), &Graph::DrawContent, *this, &PresentationWndo::GFDensity_DrawContent);

    for (int k = 0; k < kComponents; ++k) {
        phasors_[k] = &AddControl("Phasor", std::make_unique<PhasorDiagram>(k));
        phasors_[k]->SetAccessibleName(
            tk::Substitute(tk::Translate("MainWndo", "Phasor of state %1"), {std::to_string(k + 1)}));
        captions_[k] = &AddControl("STPhasor", std::make_unique<tk::StaticText>(k));
        captions_[k]->SetText(shownTexts_[k + 1]);
        captions_[k]->SetAlignment(tk::StaticText::kCentre);
    }
    shown_ = &AddControl("STShown", std::make_unique<tk::StaticText>());
    shown_->SetAlignment(tk::StaticText::kRight);
    clock_ = &AddControl("STClock", std::make_unique<tk::StaticText>());
    clock_->SetAlignment(tk::StaticText::kRight);
    lessonState_ = &AddControl("STLessonState", std::make_unique<tk::StaticText>());
    lessonState_->SetWordWrap(true);
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
    ShowAll();
}

void PresentationWndo::Event_Close() {
    frames_.Disconnect();
    changes_.Disconnect();
    lessonChanges_.Disconnect();
    wavePlot_->Close();
    densityPlot_->Close();
}

// Everything is placed anew and every picture made at its new size before the window paints again.
void PresentationWndo::Event_Resize() {
    layout_ = LayoutFor(settings.width, settings.height);
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
        captions_[k]->SetFont(FontOfSize(layout_.captionFont));
    }
    for (tk::StaticText* text : {shown_, clock_})
        text->SetFont(FontOfSize(layout_.textFont));
    message_->SetFont(FontOfSize(layout_.captionFont));
    place(*message_, layout_.message);
    // A lesson's state takes the left of the column of the choice and the clock, which keep its right.
    const int lessonWidth = LessonStateShown() ? layout_.shown.width * 3 / 5 : 0;
    const auto right = [lessonWidth](tk::Rect r) {
        return tk::Rect{r.x + lessonWidth, r.y, r.width - lessonWidth, r.height};
    };
    place(*shown_, right(layout_.shown));
    place(*clock_, right(layout_.clock));
    lessonState_->SetFont(FontOfSize(layout_.textFont));
    place(*lessonState_, {layout_.shown.x, layout_.shown.y, lessonWidth,
                          layout_.clock.y + layout_.clock.height - layout_.shown.y});
}

bool PresentationWndo::LessonStateShown() const {
    return lesson_ && lesson_->CurrentState();
}

void PresentationWndo::ShowLessonState() {
    const lesson::State* state = LessonStateShown() ? lesson_->CurrentState() : nullptr;
    lessonState_->SetText(state ? state->name + (state->note.empty() ? "" : "\n" + state->note) : "");
    PlaceControls();
    ShowWhatFits();
}

// A phasor keeps the picture it made when it opened; one of another size is made when it opens again.
void PresentationWndo::FitPhasors() {
    for (PhasorDiagram* phasor : phasors_) {
        if (!phasor->GX || phasor->GX->Width() != phasor->Width() || phasor->GX->Height() != phasor->Height())
            phasor->Event_Open();
        if (tk::Graphics* g = phasor->GX ? phasor->GX->Graphics() : nullptr)
            g->SetPenSize(layout_.pen);
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
// new scale's curves at once.
void PresentationWndo::FollowChange(run::Change change) {
    if (state_plots::WavefunctionAxis(run_) != waveAxis_)
        wavePlot_->SetUp(layout_);
    if (state_plots::DensityAxis(run_) != densityAxis_)
        densityPlot_->SetUp(layout_);
    if (change == run::Change::Scale)
        ShowAll();
    else
        ShowState();
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
    shown_->SetText(ShownText(run_.Shown()));
    clock_->SetText(StatusLine::ClockText(run_.ElapsedPeriods(), clockWords_));
}

void PresentationWndo::GFWave_Open() {
    wavePlot_->SetUp(layout_);
}

void PresentationWndo::GFWave_DrawContent() {
    if (run_.Drawn())
        state_plots::DrawWavefunction(GFWave(), run_.Plotted().real, run_.Plotted().imaginary);
}

void PresentationWndo::GFDensity_Open() {
    densityPlot_->SetUp(layout_);
}

void PresentationWndo::GFDensity_DrawContent() {
    if (run_.Drawn())
        state_plots::DrawSamples(GFDensity(), run_.Plotted().density);
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
