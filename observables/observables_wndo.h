#pragma once

#include "app/commands.h"
#include "export/window_picture.h"
#include "graph/axes_picture.h"
#include "graph/graph.h"
#include "mainwindow/main_wndo.h"
#include "observables/position_trace.h"
#include "observables/values_table.h"
#include "physics/momentum.h"
#include "physics/observables.h"
#include "toolkit/buttons.h"
#include "toolkit/shared_instance.h"
#include "toolkit/signal.h"
#include "toolkit/text_area.h"
#include "toolkit/translation.h"
#include "toolkit/window.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

// The numbers behind the main window's picture: an energy-level diagram with the weight of each
// level, the path of <x> and its spread over the last two periods T1, the momentum distribution, and a
// table of the values. It measures the whole normalized state the phasors hold, whatever the
// main window's Total / n= choice plots; while the animation runs it follows every frame, and when
// it is stopped it shows the state at Start. Resizable; the plots are laid out again as it is.
// Its shared instance follows the main window's shared instance; it is made and shown on the first
// call of Instance().
class ObservablesWndo : public tk::Window, public tk::SharedView<ObservablesWndo, MainWndo> {
public:
    explicit ObservablesWndo(const MainWndo& main);

    // View > Observables, which opens it over the main window's run or brings it to the front.
    static constexpr tk::ViewItem kMenuItem{"ViewObservables", tk::Translatable("MenuBar1", "&Observables"),
                                            "Cmd+Shift+O"};

    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
    void Event_Open() override;
    void Event_Close() override;
    void Event_Resize() override;

    // ---- Handlers of the plots ----
    virtual void GFLevels_Open();
    virtual void GFLevels_DrawContent();
    virtual void GFTrace_Open();
    virtual void GFTrace_DrawContent();
    virtual void GFMomentum_Open();
    virtual void GFMomentum_DrawContent();

    // ---- What leaves the window ----
    // The three plots, the line above them and the table, as File › Export Picture…, Edit › Copy
    // Picture and File › Print… take them from this window.
    exporting::PictureParts Picture() const;
    // The table, the path over the plot's span and the momentum distribution, as File › Export
    // Data… writes them from this window.
    std::string Csv() const;

private:
    void AddExportHandlers();
    // Reads the run and shows it: the table, then the three plots. Allocates
    // nothing once the window is open.
    void ShowState();
    void PlaceControls();
    // The path and the momentum density start each frame from a copy of their axes, kept for each
    // size; the path's without its time axis, which moves as the state runs.
    void KeepAxes();
    void DrawMovingPlots();
    Graph& CreateGraph(const std::string& name, void (ObservablesWndo::*open)(),
                       void (ObservablesWndo::*draw)(), const std::string& description);

    const MainWndo& main_; // whose status line tells a file exported
    const run::RunModel& run_;
    tk::Connection frames_;
    tk::Connection changes_;

    // What the window shows, from the latest state it read.
    std::optional<physics::Observables> values_;
    PositionTrace path_;
    physics::MomentumProfile profile_;
    physics::MomentumProfile::Densities densities_{};
    std::string table_;
    double shownPeriods_ = 0;         // t/T1 of the state measured: 0 while the run is stopped
    const values_table::Words words_; // the table's, looked up once, as it is written every frame
    // What the levels plot drew last: the levels change only when the state is loaded, not as it
    // runs, so the plot is redrawn only then.
    bool levelsDrawn_ = false;
    std::optional<physics::Observables> drawnLevels_;

    tk::StaticText* note_ = nullptr;
    Graph* levelsPlot_ = nullptr;
    Graph* pathPlot_ = nullptr;
    Graph* momentumPlot_ = nullptr;
    tk::TextArea* valuesText_ = nullptr;
    AxesPicture pathAxes_;
    AxesPicture momentumAxes_;
    // Labels measured once when the plots open: the number of each level and <E>.
    std::array<std::string, physics::kComponents> levelNumbers_;
    std::string energyLabel_;
};
