#pragma once

#include "graph/graph.h"
#include "mainwindow/tm_frame.h"
#include "phasor/phasor_diagram.h"
#include "physics/box.h"
#include "physics/presets.h"
#include "toolkit/buttons.h"
#include "toolkit/edit_field.h"
#include "toolkit/menu_item.h"
#include "toolkit/range_control.h"
#include "toolkit/shared_instance.h"
#include "toolkit/signal.h"
#include "toolkit/window.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class StatusLine;

// The main window: the plots of the wavefunction and of its density, and the controls that set the
// initial state and run the animation. Its shared instance is made and shown on the first call of
// Instance().
class MainWndo : public tk::Window, public tk::SharedWindow<MainWndo> {
public:
    static constexpr int kComponents = physics::kComponents;
    static constexpr int kSamples = physics::kSamples;
    // The element classes of the control arrays; an element is made with its index.
    template <class Kind> class Element : public Kind {
    public:
        explicit Element(int index) : Kind(index) {}
    };
    class STLabel : public Element<tk::StaticText> {
        using Element::Element;
    };
    class Phasor : public Element<PhasorDiagram> {
        using Element::Element;
    };
    class RBNth : public Element<tk::RadioButton> {
        using Element::Element;
    };
    class EFMagn : public Element<tk::EditField> {
        using Element::Element;
    };
    class EFAngle : public Element<tk::EditField> {
        using Element::Element;
    };
    class STML : public Element<tk::StaticText> {
        using Element::Element;
    };
    class STAL : public Element<tk::StaticText> {
        using Element::Element;
    };

    MainWndo();
    ~MainWndo() override;

    // ---- State ----
    double dAngle = physics::kPhaseStep;          // phase step in degrees per frame for n = 1 at speed 1
    std::array<std::int32_t, kComponents> Show{}; // 1 where component index + 1 is shown
    bool Blanked = false;                         // the phasors were blanked by an edit since normalizing
    physics::Samples PsiReal{};
    physics::Samples PsiIm{};
    physics::Samples PsiSqrd{};

    // ---- What views of the same state follow ----
    // What changed in the initial state, or in what the window shows of it.
    enum class Change {
        Normalized, // the coefficients were loaded into the phasors
        Started,    // the animation runs, from the normalized coefficients
        Stopped,    // the animation stopped; the last frame stays
        Selection,  // Show chooses other components
        Edited,     // a field was edited since the last normalization: the phasors are blank
        Paused,     // the run holds still: the timer is off, the fields stay locked, the phases stay
        Resumed,    // the run goes on from the phases it held
        Speed,      // the slider moved
    };
    // The state of the run. Idle: the fields take input and the timer is off. Running: the fields
    // are locked and the timer turns the phases. Paused: locked as while running, with the timer
    // off; the Start button still reads "Stop", which leads back to Idle.
    enum class Run { Idle, Running, Paused };
    // After every frame, once the samples, the phases and both plots are those of the new instant.
    tk::Signal<> FrameShown;
    // After each change of the initial state, of the run or of the selection.
    tk::Signal<Change> StateChanged;
    // The coefficients the phasors hold: the normalized magnitudes, and the phases in degrees that
    // the frames have reached.
    physics::Components Magnitudes() const;
    physics::Components Phases() const;
    // The slider's speed, 1 to 100: each frame turns state n by n^2 x dAngle x speed degrees.
    int Speed() const;
    bool Running() const;
    Run RunState() const;
    // The time since the last normalization (every Start normalizes) in periods of state 1.
    double ElapsedPeriods() const;
    // The frames the phases have advanced since the last normalization: +1 for each frame of the
    // timer and each step forward, -1 for each step back; a jump of GoTo is no frame.
    long long FramesAdvanced() const { return framesAdvanced_; }
    // Whether a frame has been drawn: until the first one the plots show their axes alone, and so
    // do the pictures and views made of them.
    bool HasShownFrame() const { return frameShown_; }

    // ---- Time in the teacher's hands: each leaves the run paused. From Idle each first begins
    // the run as Start does (normalizing), with the timer off; while running each pauses first. ----
    // Pauses a run, or resumes a paused one; nothing in Idle.
    void PauseOrResume();
    // Turns every phase by `frames` frames of the current speed, +1 forward, -1 back, and shows it.
    void StepFrames(int frames);
    // Shows the instant `fraction` x T1 after Start: each phase at its value at Start plus
    // n^2 x 360 x fraction (a frame of zero step).
    void GoTo(double fraction);
    // Back to t = 0: the coefficients normalized again from the locked fields, which hold the
    // typed state.
    void Restart();
    // Writes a ready-made state into the twelve fields and normalizes it; only in Idle.
    void LoadPreset(physics::Preset preset);

    // ---- Construction ----
    void Layout() override;
    void CreateControls() override;
    virtual void _CreateControls0();

    // ---- Handlers ----
    virtual void GFWFunc_Open();
    virtual void GFWFunc_DrawContent();
    virtual void GFProb_Open();
    virtual void GFProb_DrawContent();
    virtual void RBTotal_Action();
    virtual void RBNth_Action(int index);
    virtual void EFMagn_TextChange(int index);
    virtual void EFMagn_GotFocus(int index);
    virtual void EFAngle_TextChange(int index);
    virtual void EFAngle_GotFocus(int index);
    virtual void PBNorm_Action();
    virtual void PBStart_Action();
    virtual void TMFrame_Action();

    // ---- The items of the window's menu bar, by name ----
    tk::MenuItem* HelpMenu() const;
    tk::MenuItem* HelpAbout() const;
    tk::MenuItem* EditMenu() const;
    tk::MenuItem* EditSelectAll() const;
    tk::MenuItem* UntitledMenu0() const;
    tk::MenuItem* EditClear() const;
    tk::MenuItem* EditPaste() const;
    tk::MenuItem* EditCopy() const;
    tk::MenuItem* EditCut() const;
    tk::MenuItem* UntitledMenu1() const;
    tk::MenuItem* EditUndo() const;
    tk::MenuItem* FileMenu() const;
    tk::MenuItem* FileQuit() const;

    void AddMenuHandlers() override;
    void Event_Open() override;
    void Event_Close() override;
    virtual bool _HelpAbout_Action();
    virtual void DoNormalize();
    virtual void DoBlank();
    virtual void ShowAll();

private:
    // Turns every phase by `frames` frames' steps at the current speed (1 for the timer's frame,
    // -1 back, 0 none), then shows the instant: phasors, samples, plots.
    void ShowFrame(int frames);
    // Start without its timer: the caption says "Stop", the coefficients are normalized and the
    // inputs are locked.
    void BeginRun();
    // Leaves the run paused: from Idle it begins the run first, while running it stops the timer.
    void HoldStill();
    void AddTimeHandlers();
    void SelectWholeText(tk::EditField& field);
    tk::MenuItem* MenuItemNamed(const std::string& name) const;
    // Makes a control of kind T, registers it under its name (and index), and returns it as found
    // by that name, ready for its settings.
    template <class T> T& Create(const std::string& name, int index = tk::Control::kNoIndex);
    void CreateGraphs();
    void CreateControlGroup();
    void CreateComponentRow(int i);
    void CreateRunControls();

    // The controls the handlers work on, found once when they are made.
    Graph* wavefunction_ = nullptr;
    Graph* probability_ = nullptr;
    tk::GroupBox* group_ = nullptr;
    std::array<PhasorDiagram*, kComponents> phasors_{};
    std::array<tk::EditField*, kComponents> magnitudes_{};
    std::array<tk::EditField*, kComponents> angles_{};
    tk::PushButton* normalize_ = nullptr;
    tk::PushButton* start_ = nullptr;
    // The Start button's caption says what a click does, and is the state of the run: looked up in
    // the user's language once, as the status line reads the state every frame.
    const std::string startCaption_;
    const std::string stopCaption_;
    tk::Slider* speed_ = nullptr;
    TMFrame* timer_ = nullptr;
    bool writingFields_ = false;         // while the window itself writes the magnitude fields
    physics::Components loadedPhases_{}; // the phases the last normalization loaded
    long long framesAdvanced_ = 0;
    bool frameShown_ = false;
    tk::Connection menusFollowRun_;
    std::unique_ptr<StatusLine> statusLine_;
};
