// The phasor diagram drawn call by call on the fake platform, and once through Qt's pixels.

#include "phasor/phasor_diagram.h"
#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

using Ops = std::vector<std::string>;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A diagram opened on the fake platform, with a peer that counts repaint requests.
struct FakeDiagram {
    explicit FakeDiagram(int width = 70, int height = 70) {
        diagram.SetBounds(0, 0, width, height);
        auto owned = std::make_unique<fake::FakeCanvasPeer>();
        peer = owned.get();
        diagram.AttachPeer(std::move(owned));
        diagram.Event_Open();
    }
    Ops Drawn(double magn, double angle) {
        diagram.magn = magn;
        diagram.angle = angle;
        Picture().Recorder()->Clear();
        diagram.Update();
        return Picture().Recorder()->Ops();
    }
    fake::FakePicture& Picture() { return static_cast<fake::FakePicture&>(*diagram.GX); }

    fake::ScopedFakePlatform fake;
    PhasorDiagram diagram;
    fake::FakeCanvasPeer* peer = nullptr;
};

TEST(PhasorDiagram, DrawsTheLineToTheTruncatedEndPoint) {
    const struct {
        double magn, angle;
        std::string line;
    } cases[] = {
        {1, 0, "DrawLine 35 35 70 35"},   {1, 1, "DrawLine 35 35 69 34"},
        {1, 45, "DrawLine 35 35 59 10"},  {1, 90, "DrawLine 35 35 35 0"},
        {1, 180, "DrawLine 35 35 0 34"},  {1, 270, "DrawLine 35 35 34 70"},
        {1, 360, "DrawLine 35 35 70 35"}, {0, 123, "DrawLine 35 35 35 35"},
        {-1, 0, "DrawLine 35 35 0 35"},   {1, 720 + 90, "DrawLine 35 35 35 0"},
    };
    FakeDiagram fake;
    for (const auto& c : cases)
        EXPECT_EQ(fake.Drawn(c.magn, c.angle), (Ops{"ClearRect 0 0 70 70", "DrawOval 0 0 70 70", c.line}))
            << c.magn << " at " << c.angle;
    EXPECT_EQ(fake.peer->refreshes, int(std::size(cases)));
}

TEST(PhasorDiagram, NonSquareControlDrawsItsCircleInTheLeftSquare) {
    FakeDiagram fake(80, 60);
    EXPECT_EQ(fake.Drawn(1, 0), (Ops{"ClearRect 0 0 80 60", "DrawOval 0 0 60 60", "DrawLine 30 30 60 30"}));
}

TEST(PhasorDiagram, NoNumberDrawsTheCircleAloneAndAHugeMagnitudeIsClippedInRange) {
    FakeDiagram fake;
    for (const auto& [magn, angle] : {std::pair{kNaN, 0.0}, {1, kNaN}, {kInf, 0}, {1, kInf}, {-kInf, 30}})
        EXPECT_EQ(fake.Drawn(magn, angle), (Ops{"ClearRect 0 0 70 70", "DrawOval 0 0 70 70"}))
            << magn << " at " << angle;
    // Far beyond the picture the line keeps its direction and ends within a few picture sizes.
    EXPECT_EQ(fake.Drawn(1e300, 0).back(), "DrawLine 35 35 245 35");
    EXPECT_EQ(fake.Drawn(-1e300, 0).back(), "DrawLine 35 35 -175 35");
    EXPECT_EQ(fake.Drawn(5, 0).back(), "DrawLine 35 35 210 35") << "not clipped within three sizes";
}

TEST(PhasorDiagram, BlankClearsWithoutAskingForARepaint) {
    FakeDiagram fake;
    fake.Drawn(1, 0);
    const int refreshes = fake.peer->refreshes;
    fake.Picture().Recorder()->Clear();
    fake.diagram.Blank();
    EXPECT_EQ(fake.Picture().Recorder()->Ops(), Ops{"ClearRect 0 0 70 70"});
    EXPECT_EQ(fake.peer->refreshes, refreshes);
    fake::RecordingGraphics screen;
    fake.diagram.Event_Paint(screen);
    EXPECT_EQ(screen.Ops(), Ops{"DrawPicture 0 0 70 70 0 0 70 70"});
}

TEST(PhasorDiagram, WithoutAPictureNothingIsDrawnAndNothingFails) {
    fake::ScopedFakePlatform fake;
    PhasorDiagram unopened;
    fake::RecordingGraphics screen;
    unopened.Update();
    unopened.Blank();
    unopened.Event_Paint(screen);
    fake.platform.failPictures = true;
    PhasorDiagram failed;
    failed.SetBounds(0, 0, 70, 70);
    failed.Event_Open();
    failed.Update();
    failed.Blank();
    failed.Event_Paint(screen);
    EXPECT_TRUE(screen.Calls().empty());
}

TEST(PhasorDiagram, DrawsBlackOnWhiteThroughQt) {
    PhasorDiagram diagram;
    diagram.SetBounds(0, 0, 70, 70);
    diagram.Event_Open();
    diagram.magn = 1;
    diagram.angle = 90;
    diagram.Update();
    const tk::Picture& picture = *diagram.GX;
    EXPECT_EQ(picture.Pixel(35, 5), tk::RGB(0, 0, 0)) << "the line up";
    EXPECT_EQ(picture.Pixel(0, 35), tk::RGB(0, 0, 0)) << "the circle's left edge";
    EXPECT_EQ(picture.Pixel(69, 35), tk::RGB(0, 0, 0)) << "and its right edge, within 70 pixels";
    EXPECT_EQ(picture.Pixel(50, 50), tk::RGB(255, 255, 255)) << "inside, off the line";
    EXPECT_EQ(picture.Pixel(3, 3), tk::RGB(255, 255, 255)) << "outside the circle";
}

} // namespace
