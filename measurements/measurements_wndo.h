#pragma once

#include "export/window_picture.h"
#include "graph/graph.h"
#include "mainwindow/main_wndo.h"
#include "measurement/tally.h"
#include "toolkit/buttons.h"
#include "toolkit/edit_field.h"
#include "toolkit/shared_instance.h"
#include "toolkit/signal.h"
#include "toolkit/timer.h"
#include "toolkit/translation.h"
#include "toolkit/window.h"

#include <cstdint>
#include <optional>
#include <string>

// The Born rule at work: many measurements, each on a fresh copy of the main window's state as it
// is at one instant, prepared alike, while that state itself does not change. Positions found fill
// a histogram of 50 bins against the density L |psi(x, t)|^2; energies found fill bars against the
// weights |c_n|^2. Beside each plot stand the count N and Pearson's chi-square with its p-value.
//
// The window takes the instant the main window shows whenever the run is not running: when it is
// paused, stepped, stopped or loaded anew; a running animation leaves it at the instant it took, so
// that the outcomes of one state gather, and Clear takes the present one. Outcomes of another state
// are cleared away. Many outcomes are drawn in slices of a few milliseconds on a timer, so that the
// animation keeps its pace and the window answers while they gather.
class MeasurementsWndo : public tk::Window, public tk::SharedView<MeasurementsWndo, MainWndo> {
public:
    explicit MeasurementsWndo(MainWndo& main);

    // View > Measurements, which opens it over the main window's run or brings it to the front.
    static constexpr tk::ViewItem kMenuItem{"ViewMeasurements", tk::Translatable("MenuBar1", "Measure&ments"),
                                            "Cmd+Shift+M"};
    // The most outcomes of each kind the window gathers for one state.
    static constexpr std::uint64_t kMostOutcomes = 1'000'000'000'000;

    void Layout() override;
    void CreateControls() override;
    void Event_Open() override;
    void Event_Close() override;

    // ---- Handlers ----
    virtual void GFPositions_Open();
    virtual void GFPositions_DrawContent();
    virtual void GFEnergies_Open();
    virtual void GFEnergies_DrawContent();
    virtual void EFSeed_TextChange();
    virtual void TMSlices_Action();

    // Asks for `count` more outcomes of each kind, the first slice of them at once, or just after the
    // next frame while the animation runs.
    void Add(std::uint64_t count);
    // Forgets every outcome and takes the instant the main window shows.
    void Clear();

    // ---- What the window shows ----
    const std::optional<measurement::Tally>& Outcomes() const { return tally_; }
    std::uint64_t Pending() const { return pending_; }
    const std::string& PositionSummary() const { return positionText_->Text(); }
    const std::string& EnergySummary() const { return energyText_->Text(); }
    const std::string& Note() const { return note_->Text(); }

    // ---- What leaves the window ----
    exporting::PictureParts Picture() const;
    // The bins and the states, with their counts and what the state predicts, as CSV.
    std::string TallyCsv() const;

private:
    void AddExportHandlers();
    tk::PushButton& CreateButton(const std::string& name, const std::string& caption, int left, int width);
    bool Running() const;
    void KeepSlicing();
    void SliceAfterTheFrame();
    // Takes the instant shown unless the animation runs with outcomes already gathered.
    void Follow();
    void Prepare(const physics::State& state);
    // Draws outcomes for a few milliseconds at most, then shows them.
    void DrawSlice();
    void ShowOutcomes();
    // What the copies are of, or why there are none.
    void ShowNote();
    double DensityTop() const;

    MainWndo& main_;
    const run::RunModel& run_;
    measurement::Lab& lab_;
    tk::Connection frames_;
    tk::Connection changes_;
    std::optional<measurement::Tally> tally_;
    double preparedAt_ = 0; // t/T1 of the instant the copies are of
    std::uint64_t pending_ = 0;

    Graph* positions_ = nullptr;
    Graph* energies_ = nullptr;
    tk::StaticText* positionText_ = nullptr;
    tk::StaticText* energyText_ = nullptr;
    tk::StaticText* note_ = nullptr;
    tk::EditField* seed_ = nullptr;
    tk::Timer* slices_ = nullptr;
    std::vector<tk::PushButton*> adders_;
};
