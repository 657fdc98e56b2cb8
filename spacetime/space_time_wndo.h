#pragma once

#include "export/window_picture.h"
#include "mainwindow/main_wndo.h"
#include "physics/carpet.h"
#include "spacetime/heat_map.h"
#include "spacetime/pointer_graph.h"
#include "toolkit/buttons.h"
#include "toolkit/output.h"
#include "toolkit/picture.h"
#include "toolkit/shared_instance.h"
#include "toolkit/signal.h"
#include "toolkit/translation.h"
#include "toolkit/window.h"

#include <memory>
#include <string>

// The density |psi(x, t)|^2 of the main window's state over the box and a whole period T1 at once,
// as a heat map: the revivals, the mirror image at T1/2 and the fractional revivals show as
// patterns that repeat. Time runs down the page from t = 0 at the top; a white line marks the
// present instant (t modulo T1) and follows the animation. A press or drag in the picture sets the
// time of the run there, as Go to does (it pauses, and every window follows); the arrow keys step
// it a frame, wherever the window's focus is; the pointer at rest reads x, t and the density below
// it.
//
// The picture is worked out in closed form at the pixels of the screen whenever the loaded state,
// the states shown or the window's size or options change, and kept: a frame only draws the line.
class SpaceTimeWndo : public tk::Window, public tk::SharedView<SpaceTimeWndo, MainWndo> {
public:
    explicit SpaceTimeWndo(MainWndo& main);

    // View > Space-Time Picture, which opens it over the main window's run or brings it to the front.
    static constexpr tk::ViewItem kMenuItem{
        "ViewSpaceTime", tk::Translatable("MenuBar1", "Space-&Time Picture"), "Cmd+Shift+T"};

    // What the picture shows, as its radio buttons choose.
    struct Options {
        bool followSelection = false; // the states the main window shows; else the whole state
        bool halfPeriod = false;      // from 0 to T1/2; else to T1
        bool physical =
            false; // colours for L |psi|^2 up to the most it can reach; else to the picture's largest
    };
    const Options& Chosen() const { return options_; }
    void Choose(const Options& options);

    void Layout() override;
    void CreateControls() override;
    void Event_Open() override;
    void Event_Close() override;
    void Event_Resize() override;

    // ---- Handlers of the plots ----
    virtual void GFCarpet_Open();
    virtual void GFCarpet_DrawContent();
    virtual void GFScale_Open();
    virtual void GFScale_DrawContent();

    // ---- Where the pointer is, in the picture's pixels ----
    // Goes to the instant under the pointer (clamped to the span shown), paused there.
    void ScrubTo(int x, int y);
    // Reads x, t and L |psi|^2 under the pointer in the line below the picture.
    void ReadAt(int x, int y);

    // ---- What leaves the window ----
    // The picture and its colour bar as plots that print: in SVG and PDF the heat map is an image
    // within axes drawn as lines and text.
    exporting::PictureParts Picture() const;
    // The picture and its colour bar as their frames hold them, pixel for pixel: what File › Export
    // Picture… writes from this window as PNG.
    tk::Drawing PixelDrawing() const;
    // The grid the picture was worked out on, as CSV: x/L across, t/T1 down, L |psi|^2 in the cells.
    std::string GridCsv() const;
    const physics::Carpet& Grid() const { return carpet_; }
    // How often the picture was worked out since the window opened.
    int Recomputations() const { return recomputations_; }
    const std::string& Reading() const { return reading_->Text(); }

private:
    // What the picture was worked out for; a new one means working it out again.
    struct Inputs {
        physics::State state;
        physics::Turning turning = physics::Turning::CounterClockwise;
        Options options;
        int width = 0;
        int height = 0;
        bool operator==(const Inputs& other) const;
    };
    Inputs Wanted() const;
    void AddExportHandlers();
    double Periods() const; // t/T1 of the run, or 0 where it is no number
    void PlaceControls();
    // Works the picture out again when what it shows changed; then draws the present instant.
    void Follow();
    void Recompute(const Inputs& inputs);
    void KeepBase();
    void ShowFrame();
    void DrawMap();
    void DrawCursor();
    double Top() const;
    tk::Rect MapPlace() const; // the heat map within the carpet plot's frame
    double Now() const;        // t/T1 of the run, modulo 1
    // A choice at `left` within its group, `width` wide.
    tk::RadioButton& CreateChoice(tk::GroupBox& group, const std::string& name, const std::string& caption,
                                  int left, int width, bool chosen);
    tk::GroupBox& CreateGroup(const std::string& name, const std::string& caption, int left, int width);
    void DefaultReading();

    MainWndo& main_;
    const run::RunModel& run_;
    tk::Connection frames_;
    tk::Connection changes_;
    Options options_;
    Inputs shown_;
    bool computed_ = false;
    int recomputations_ = 0;
    // Set while a frame draws over the kept copy: only the cursor is drawn.
    bool overBase_ = false;

    physics::Carpet carpet_;
    HeatMap map_;
    HeatMap scale_;
    std::unique_ptr<tk::Picture> base_; // the carpet plot with its axes and heat map, no cursor

    tk::RadioButton* total_ = nullptr;
    tk::RadioButton* selection_ = nullptr;
    tk::RadioButton* fullPeriod_ = nullptr;
    tk::RadioButton* halfPeriod_ = nullptr;
    tk::RadioButton* largest_ = nullptr;
    tk::RadioButton* physical_ = nullptr;
    PointerGraph* plot_ = nullptr;
    Graph* bar_ = nullptr;
    tk::StaticText* reading_ = nullptr;
};
