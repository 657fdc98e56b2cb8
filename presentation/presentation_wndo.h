#pragma once

#include "app/commands.h"
#include "graph/graph.h"
#include "mainwindow/main_wndo.h"
#include "phasor/phasor_diagram.h"
#include "physics/profile.h"
#include "presentation/presentation_layout.h"
#include "presentation/presentation_look.h"
#include "presentation/presented_plot.h"
#include "presentation/smooth_curve.h"
#include "toolkit/buttons.h"
#include "toolkit/shared_instance.h"
#include "toolkit/signal.h"
#include "toolkit/translation.h"
#include "toolkit/window.h"

#include <array>
#include <memory>
#include <string>

// The view for a projector: the main window's wavefunction and density large, with a legend and the
// quantities on their y axes, its six phasors in a row with |c_n| and the phase now under each,
// which states it shows and the time, and the lesson's state shown last with its note, all of it in
// proportion to the window, which opens full screen on the main window's screen. It follows the run frame by
// frame through its signals, with the phases the run turned; it draws the curves at its own pixels from the
// closed form, where the main window draws its 101 samples, and changes nothing there. F11 (View ›
// Presentation) takes it in and out of full screen, Esc out of full screen and then closes it, and the
// application's menu keys (Animation, States, Help) act as from every window. Its own keys turn its overlays
// on and off: the mean position and its spread on the density, the density at t = 0 under it, and high
// contrast; the settings keep them for the next view.
class PresentationWndo : public tk::Window, public tk::SharedView<PresentationWndo, MainWndo> {
public:
    static constexpr int kComponents = physics::kComponents;

    // How it opens: full screen, or in a window with content of this size (where it also goes when
    // it leaves full screen).
    struct Opening {
        bool fullScreen = true;
        int width = 1280;
        int height = 720;
    };

    // With a lesson, it also names the lesson's state shown last and its note.
    PresentationWndo(const run::RunModel& run, Opening opening,
                     const lesson::LessonDocument* lesson = nullptr);
    PresentationWndo(const MainWndo& main, Opening opening)
        : PresentationWndo(main.Model(), opening, &main.Lesson()) {}
    explicit PresentationWndo(const MainWndo& main) : PresentationWndo(main, Opening()) {}

    // View › Presentation, which opens the shared view full screen over the main window's run, or
    // brings it to the front; within the view it takes it in and out of full screen.
    static constexpr tk::ViewItem kMenuItem{"ViewPresentation", tk::Translatable("MenuBar1", "&Presentation"),
                                            "F11"};

    // "Total", or "n=3" for state 3 alone, as the main window's choice says, in its words.
    const std::string& ShownText(const run::Selection& shown) const;

    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
    void Event_Open() override;
    void Event_Close() override;
    void Event_Resize() override;

    // ---- Handlers ----
    virtual void GFWave_Open();
    virtual void GFWave_DrawContent();
    virtual void GFDensity_Open();
    virtual void GFDensity_DrawContent();
    // The main window drew a frame: the plots, phasors and clock follow it.
    virtual void ShowFrame();
    // The main window's coefficients, run or choice changed: the phasors and texts follow.
    virtual void ShowState();
    // F11: into full screen or out of it.
    virtual void ToggleFullScreen();
    // Esc: out of full screen, or closed when it is not.
    virtual void Leave();

    // What the plots show besides the curves: as the last view left them, in this session or an
    // earlier one; all off at first.
    struct Overlays {
        bool spread = false;       // <x> and <x> +- dx on the density
        bool ghost = false;        // the density at t = 0, under the density now
        bool highContrast = false; // thicker and darker lines
    };
    const Overlays& ShownOverlays() const { return overlays_; }
    virtual void ToggleSpread();
    virtual void ToggleGhost();
    virtual void ToggleHighContrast();

    const PresentationLayout& CurrentLayout() const { return layout_; }
    // The plots' Graphs, which draw for the screens GFWave and GFDensity show.
    Graph& GFWave() { return wavePlot_->Plot(); }
    Graph& GFDensity() { return densityPlot_->Plot(); }
    // Whether the window is too small for the plots, which a message then stands for.
    bool TooSmall() const;

private:
    std::unique_ptr<PresentedPlot> CreatePlot(const std::string& name, const std::string& title,
                                              PresentedPlot::Axes axes, const std::string& accessibleName);
    // Everything placed anew and every picture made at its size, for the window's size and whether
    // a lesson's state is named.
    void Relayout();
    void PlaceControls();
    void FitPhasors();
    void ShowWhatFits();
    // Draws the plots from the main window's samples, once it has drawn a frame, and the state.
    void ShowAll();
    void FollowChange(run::Change change);
    // The plots set up again for the current state, scale and overlays.
    void SetUpPlots();
    void ShowCaptions();
    void Describe();
    // The shown states' magnitudes, 0 for those left out.
    physics::Components ShownWeights() const;
    physics::Profile::Scale ProfileScale() const;
    // The curves' width, in the plots' pixels.
    int CurvePen() const;
    // The density at t = 0 under the density's axes, kept with them, as the legends are.
    void DrawGhost(Graph& g);
    void DrawWaveLegend(Graph& g);
    void DrawDensityLegend(Graph& g);
    // The y axes the view gives the run's plots: the main window's, with quantities also where the
    // plots are scaled.
    state_plots::YAxis WaveAxis() const;
    state_plots::YAxis DensityAxis() const;
    // The lesson's state shown last, its name over its note, in a band under the top line of as many
    // lines as they take; no band without one.
    bool LessonStateShown() const;
    std::vector<std::string> LessonStateLines() const;
    void ShowLessonState();

    const run::RunModel& run_;
    Opening opening_;
    PresentationLayout layout_;
    std::unique_ptr<PresentedPlot> wavePlot_;
    std::unique_ptr<PresentedPlot> densityPlot_;
    // The y axes the plots were last set up with.
    state_plots::YAxis waveAxis_;
    state_plots::YAxis densityAxis_;
    std::array<PhasorDiagram*, kComponents> phasors_{};
    std::array<tk::StaticText*, kComponents> captions_{};
    tk::StaticText* shown_ = nullptr;
    tk::StaticText* clock_ = nullptr;
    tk::StaticText* scaleNote_ = nullptr;
    tk::StaticText* message_ = nullptr;
    tk::StaticText* lessonState_ = nullptr;
    int lessonStateLines_ = 0;
    const lesson::LessonDocument* lesson_ = nullptr;
    tk::Connection lessonChanges_;
    Overlays overlays_;
    PresentationLook look_;
    // The wavefunction now and the density at t = 0 at the layout's points across the plots: one
    // profile for each plot, as their widths differ and a profile works its sines out anew for
    // another width.
    physics::Profile waveProfile_;
    physics::Profile densityProfile_;
    physics::Profile ghost_;
    std::string captionText_; // written again each frame
    tk::Connection frames_;
    tk::Connection changes_;
    // The texts that change with each frame or choice, looked up in the user's language once: the
    // clock's words and the choices "Total", "n=1" ... "n=6".
    const std::string clockWords_;
    const std::array<std::string, kComponents + 1> shownTexts_;
    const std::string scaleWords_;
};
