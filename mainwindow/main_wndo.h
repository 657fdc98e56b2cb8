#pragma once

#include "export/data_table.h"
#include "export/window_picture.h"
#include "graph/axes_picture.h"
#include "graph/graph.h"
#include "lesson/lesson_document.h"
#include "mainwindow/state_plots.h"
#include "mainwindow/tm_frame.h"
#include "measurement/lab.h"
#include "phasor/phasor_diagram.h"
#include "physics/box.h"
#include "physics/presets.h"
#include "physics/state.h"
#include "run/run_model.h"
#include "toolkit/buttons.h"
#include "toolkit/edit_field.h"
#include "toolkit/menu_handlers.h"
#include "toolkit/menu_item.h"
#include "toolkit/range_control.h"
#include "toolkit/shared_instance.h"
#include "toolkit/signal.h"
#include "toolkit/timer.h"
#include "toolkit/window.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class PacketWndo;
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

private:
    run::RunModel run_; // first: the fields below read it

public:
    // ---- State: the run's, as the window's fields name it ----
    static constexpr double dAngle =
        physics::kPhaseStep;             // phase step in degrees per frame for n = 1 at speed 1
    const run::Selection::Weights& Show; // 1 where component index + 1 is shown
    const bool& Blanked;                 // the phasors were blanked by an edit since normalizing
    const physics::Samples& PsiReal;
    const physics::Samples& PsiIm;
    const physics::Samples& PsiSqrd;

    // The run the window shows, which every other view reads.
    const run::RunModel& Model() const { return run_; }
    // The whole state at the instant shown, whatever the plots show of it.
    physics::State PresentState() const;
    // Where every measurement draws its random numbers, with its seed, and how a position found
    // collapses the state.
    measurement::Lab& MeasurementLab() { return lab_; }

    // ---- What leaves the window ----
    // Its picture: both plots, with their curves once a frame has drawn them, and the six phasors,
    // with the captions over them and each phasor's state ("n=1") beside it, where its radio button
    // stands.
    exporting::PictureParts Picture() const;
    // The state as it is now, with the fields as they read.
    exporting::StateRecord Record() const;
    // Tells a file that an export of any window wrote, by its name, in the status line for a
    // while; nothing for an empty path, when nothing was written.
    void TellSaved(const std::string& written) const;

    // ---- Time in the teacher's hands: each leaves the run paused. From Idle each first begins
    // the run as Start does (normalizing), with the timer off; while running each pauses first. ----
    // Pauses a run, or resumes a paused one; nothing in Idle.
    void PauseOrResume();
    // Turns every phase by `frames` frames of the current speed, +1 forward, -1 back, and shows it.
    void StepFrames(int frames);
    // Shows the instant `fraction` x T1 after Start: each phase at its value at Start plus
    // n^2 x 360 x fraction (a frame of zero step).
    void GoTo(double fraction);
    // Back to t = 0: the coefficients the run was loaded with, at their phases at Start.
    void Restart();
    // Writes a ready-made state into the twelve fields and normalizes it; only in Idle.
    void LoadPreset(physics::Preset preset);

    // ---- Measurements on the state shown; each names its outcome in the status line ----
    // Finds the particle at a position drawn from |psi(x, t)|^2 and marks it on the density plot;
    // with the collapse on, the state becomes a bell of the lab's width there.
    void MeasurePosition();
    // Finds the energy E_n with the probability |c_n|^2; with the collapse on, the state becomes
    // state n alone.
    void MeasureEnergy();
    // ---- The lesson ----
    // The lesson open, whose current state the presentation view names.
    const lesson::LessonDocument& Lesson() const { return lesson_; }
    // Opens the lesson file in place of the one open, asking first about its changes not saved,
    // takes its options and shows its first state. A file that cannot be read is told in a dialog,
    // and the lesson open stays as it was.
    void OpenLesson(const std::string& path);
    // Stops a run, writes the lesson's state into the twelve fields as typed, normalizes it and
    // shows it at its time.
    void ShowLessonState(std::size_t index);
    // Stops a run, writes the coefficients into the twelve fields as the shortest texts that read
    // back as them, and normalizes them; the state shows at t = 0.
    void ShowTyped(const physics::Typed& typed);
    // Keeps the session in `folder`, written within a second of each change: takes up the one
    // kept there first, if any.
    void KeepSession(const std::string& folder);

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
    // The commands that act from every window, Help and the time's, which the application reaches.
    const tk::MenuHandlers& Commands() const { return commands_; }
    void Event_Open() override;
    bool Event_CancelClose() override;
    void Event_Close() override;
    virtual bool _HelpAbout_Action();
    virtual void DoNormalize();
    virtual void DoBlank();
    virtual void ShowAll();

private:
    // The window follows its run: the fields and phasors a Load wrote, the controls each state of
    // the run enables, the blank phasors of an edit; each frame, the phasors and both plots.
    void FollowChange(run::Change change);
    void ShowLoaded();
    void ShowTooFast();
    void ShowRunState(run::Change change);
    void ShowFrame();
    // The plots' axes for the run's scale, state and selection, redefined where they changed.
    void ShowScale();
    // The options the menus switch and the next session remembers: the scale and time's direction.
    void AddOptionHandlers();
    // The typed values as the fields read now.
    physics::Typed TypedValues() const;
    // From Idle, loads the typed values as Start does, so that the run has them to hold and move.
    void LoadIfIdle();
    void AddTimeHandlers();
    void AddExportHandlers();
    void AddMeasureHandlers();
    // Writes the values into the twelve fields as the user would type them (blanking the phasors):
    // the magnitudes to the digits the fields show after Normalize.
    void WriteTyped(const physics::Typed& typed);
    // Loads the state a measurement left at t = 0, the run going on as it was.
    void Collapse(const physics::Typed& typed);
    // The position last found, over the density.
    void DrawFound();
    void AddLessonHandlers();
    void AddLessonStateHandlers();
    // OpenLesson once the changes not saved have been asked about.
    void ReadLesson(const std::string& path);
    // The fields, written by the window as the user would type them.
    void WriteFields(const std::array<std::string, kComponents>& magnitudes,
                     const std::array<std::string, kComponents>& angles);
    // The options the lesson keeps, as the run and the menus have them now, and back.
    lesson::Options OptionsNow() const;
    void ApplyOptions(const lesson::Options& options);
    // Asks for a name and a note, and adds the state the fields hold to the lesson.
    void AddCurrentState();
    void RenameCurrentState();
    void ShowLessonTitle();
    // Before the program ends: asks about the lesson's changes not saved; false for Cancel.
    bool MayQuit();
    // The session: written a moment after a change, and at once before the program quits.
    void ScheduleSession();
    void WriteSession();
    void RestoreSession(const std::string& path);
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
    // Their axes, kept when they open, from which each frame starts.
    AxesPicture wavefunctionAxes_;
    AxesPicture probabilityAxes_;
    // The y axes they were last defined with.
    state_plots::YAxis waveAxis_;
    state_plots::YAxis densityAxis_;
    tk::GroupBox* group_ = nullptr;
    std::array<PhasorDiagram*, kComponents> phasors_{};
    std::array<tk::RadioButton*, kComponents> stateButtons_{};
    std::array<tk::EditField*, kComponents> magnitudes_{};
    std::array<tk::EditField*, kComponents> angles_{};
    // The captions over the plots and over the phasors, which the picture repeats.
    std::array<tk::StaticText*, 3> pictureCaptions_{};
    tk::PushButton* normalize_ = nullptr;
    tk::PushButton* start_ = nullptr;
    // The Start button's captions in the user's language, looked up once.
    const std::string startCaption_;
    const std::string stopCaption_;
    tk::Slider* speed_ = nullptr;
    TMFrame* timer_ = nullptr;
    tk::Timer* sessionTimer_ = nullptr;
    std::string sessionFolder_;    // empty while no session is kept
    bool writingFields_ = false;   // while the window itself writes the fields
    bool applyingOptions_ = false; // while the window takes a lesson's or a session's options
    tk::Connection followChanges_;
    tk::Connection followFrames_;
    lesson::LessonDocument lesson_;
    tk::Connection followLesson_;
    tk::Connection followRunForLesson_;
    // Help and the time's commands, which act from every window (AddMenuHandlers).
    tk::MenuHandlers commands_;
    std::unique_ptr<StatusLine> statusLine_;
    measurement::Lab lab_;
    // The position the last measurement found, marked until the next one or another state is loaded.
    std::optional<double> found_;
    bool collapsing_ = false;                  // while a measurement loads the state it leaves
    std::unique_ptr<PacketWndo> packetWindow_; // States › Build a Packet…, once opened
};
