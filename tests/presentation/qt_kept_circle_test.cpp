// The presentation view's phasors, which put back only the place of their last line, against the plain
// diagram drawn whole, through Qt at the binary's device pixel ratio.

#include "presentation/kept_circle_phasor.h"
#include "tests/support/qt_device_pixels.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace {

TEST(KeptCirclePhasor, DrawsThePlainDiagramsPixelsFrameAfterFrame) {
    const struct {
        const char* name = "";
        double magn = 0, angle = 0;
        bool tooFast = false;
        int pen = 3;
        bool blankFirst = false;
        bool reopenFirst = false;
    } frames[] = {
        {"first", 1, 0},
        {"turned", 1, 37},
        {"short and back", 0.3, 200},
        {"beyond the circle", 1.8, 300},
        {"too fast", 1, 301, true},
        {"followable again", 1, 120},
        {"thicker pen", 0.7, 45, false, 5},
        {"no number", std::numeric_limits<double>::quiet_NaN(), 0},
        {"after a blank", 1, 10, false, 5, true},
        {"after two blanks", 0.5, 100, false, 5, true},
        {"opened again", 1, 200, false, 5, false, true},
    };
    PhasorDiagram plain;
    KeptCirclePhasor kept;
    const std::array<PhasorDiagram*, 2> both{&plain, &kept};
    for (PhasorDiagram* diagram : both) {
        diagram->SetBounds(0, 0, 90, 80);
        diagram->Event_Open();
        ASSERT_TRUE(diagram->GX);
    }
    for (const auto& frame : frames) {
        for (PhasorDiagram* diagram : both) {
            if (frame.blankFirst) {
                diagram->Blank();
                diagram->Blank();
            }
            if (frame.reopenFirst)
                diagram->Event_Open();
            diagram->GX->Graphics()->SetPenSize(frame.pen);
            diagram->magn = frame.magn;
            diagram->angle = frame.angle;
            diagram->tooFast = frame.tooFast;
            diagram->Update();
        }
        EXPECT_EQ(fake::DeviceImage(*kept.GX), fake::DeviceImage(*plain.GX)) << frame.name;
    }
}

} // namespace
