// The Observables window through Qt, offscreen, drawn with the real fonts: the path and the
// momentum density start each frame from a copy of their axes, and must show the very pixels that
// drawing each plot whole gives.

#include "app/menu_bar1.h"
#include "observables/observables_wndo.h"
#include "tests/support/qt_device_pixels.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>

namespace {

// How many pixels of the plot's frame change when it is drawn again whole: defined anew for its
// ranges, then its content.
int ChangedByRedrawing(Graph& plot) {
    const QImage shown = fake::DeviceImage(*plot.GXP).copy();
    plot.ReDrawAll();
    const QImage& redrawn = fake::DeviceImage(*plot.GXP);
    if (redrawn.size() != shown.size())
        return shown.width() * shown.height();
    int changed = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            changed += shown.pixel(x, y) != redrawn.pixel(x, y);
    return changed;
}

TEST(QtObservables, MovingPlotsShowThePixelsOfDrawingThemWhole) {
    MainWndo main;
    main.Open();
    for (int k = 0; k < 3; ++k)
        main.Find<tk::EditField>("EFMagn", k)->SetText("1");
    main.PBNorm_Action();
    ObservablesWndo observables(main);
    observables.Open();
    const auto frames = [&main](int count) {
        for (int frame = 0; frame < count; ++frame)
            main.TMFrame_Action();
    };
    const struct {
        const char* name;
        std::function<void()> step;
    } steps[] = {
        {"stopped at Start", [] {}},
        {"running, the time axis moving",
         [&] {
             main.PBStart_Action();
             frames(417);
         }},
        {"resized while running",
         [&] {
             observables.NotifyResized(900, 700);
             frames(1);
         }},
        {"stopped after a run", [&] { main.PBStart_Action(); }},
    };
    for (const auto& [name, step] : steps) {
        SCOPED_TRACE(name);
        step();
        for (const char* plot : {"GFTrace", "GFMomentum"})
            EXPECT_EQ(ChangedByRedrawing(*observables.Find<Graph>(plot)), 0) << plot;
    }
    observables.Close();
    MenuBar1::Release();
}

} // namespace
