// The phasor diagram drawn call by call on the fake platform. (Its pixels through Qt, at one and two
// device pixels a pixel, are the presentation view's pixel test's.)

#include "phasor/phasor_diagram.h"
#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Printed on another context, a diagram draws what its picture holds: the phasor, or after Blank the
// empty square.
TEST(PhasorDiagram, DrawsTheCircleAndTheLineToTheTruncatedEndAndBlanksWithARepaint) {
    const struct {
        int width, height;
        double magn, angle;
        std::string drawn; // after the ClearRect and the circle
    } cases[] = {
        {70, 70, 1, 1, "DrawLine 35 35 69 34"},
        {70, 70, 1, 90, "DrawLine 35 35 35 0"},
        {70, 70, 1, 180, "DrawLine 35 35 0 34"},
        {70, 70, 0, 123, "DrawLine 35 35 35 35"},
        {70, 70, -1, 0, "DrawLine 35 35 0 35"},
        {80, 60, 1, 0, "DrawLine 30 30 60 30"},
        {70, 70, -1e300, 0, "DrawLine 35 35 -175 35"}, // clipped
        {70, 70, kNaN, 0, ""},                         // no number: the circle alone
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.magn) + " at " + std::to_string(c.angle));
        fake::ScopedFakePlatform fake;
        PhasorDiagram diagram;
        diagram.SetBounds(0, 0, c.width, c.height);
        auto owned = std::make_unique<fake::FakeCanvasPeer>();
        fake::FakeCanvasPeer& peer = *owned;
        diagram.AttachPeer(std::move(owned));
        diagram.Event_Open();
        diagram.magn = c.magn;
        diagram.angle = c.angle;
        diagram.Update();
        const int d = std::min(c.width, c.height);
        std::string expected = "ClearRect 0 0 " + std::to_string(c.width) + " " + std::to_string(c.height) +
                               "; DrawOval 0 0 " + std::to_string(d) + " " + std::to_string(d) + "; ";
        std::string drawn;
        for (const std::string& op : fake.platform.lastPicture->Recorder()->Ops())
            drawn += op + "; ";
        EXPECT_EQ(drawn, expected + (c.drawn.empty() ? "" : c.drawn + "; "));
        EXPECT_EQ(peer.refreshes, 1);
        fake::RecordingGraphics printed;
        diagram.Print(printed);
        EXPECT_EQ(printed.Ops(), fake.platform.lastPicture->Recorder()->Ops());
        diagram.Blank();
        EXPECT_EQ(fake.platform.lastPicture->Recorder()->Ops().back(),
                  expected.substr(0, expected.find(';')));
        EXPECT_EQ(peer.refreshes, 2) << "blanking asks for a repaint";
        printed.Clear();
        diagram.Print(printed);
        EXPECT_EQ(printed.Ops(), std::vector{fake.platform.lastPicture->Recorder()->Ops().back()});
    }
}

TEST(PhasorDiagram, WithoutAPictureNothingIsDrawnAndNothingFails) {
    fake::ScopedFakePlatform fake;
    fake.platform.failPictures = true;
    PhasorDiagram unopened;
    PhasorDiagram failed;
    failed.SetBounds(0, 0, 70, 70);
    failed.Event_Open();
    fake::RecordingGraphics screen;
    for (PhasorDiagram* diagram : {&unopened, &failed}) {
        diagram->Update();
        diagram->Blank();
        diagram->Event_Paint(screen);
        diagram->Print(screen);
    }
    EXPECT_TRUE(screen.Calls().empty());
}

} // namespace
