// On a screen of device pixel ratio 2 (ctest runs this binary with QT_SCALE_FACTOR=2), plots and
// phasors are drawn into pictures of twice the pixels in each direction, at that resolution: a
// line one logical pixel wide is two device pixels wide, on the device pixels of its logical ones.

#include "graph/graph.h"
#include "phasor/phasor_diagram.h"
#include "tests/support/qt_device_pixels.h"
#include "toolkit/picture.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>

#include <gtest/gtest.h>

#include <string>

namespace {

using fake::DeviceImage;

// The device pixels from x - 1 to x + 2 (or y - 1 to y + 2 when down): '#' inked, '.' white.
std::string Across(const QImage& image, int x, int y, bool down) {
    return fake::Across(image, x, y, down, 4);
}

class DoubleDensity : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0)
            << "run with QT_SCALE_FACTOR=2, as ctest does";
    }
};

TEST_F(DoubleDensity, PlotFrameLinesAreTwoDevicePixelsWide) {
    Graph g;
    g.SetBounds(0, 0, 300, 200);
    g.Open = [&g] { g.DefineGraph(0, 1, -1, 1); };
    g.Event_Open();
    const QImage& image = DeviceImage(*g.GXP);
    EXPECT_EQ(image.size(), QSize(600, 400));
    // Rows and columns clear of ticks, from the first device pixel of the frame's logical one.
    EXPECT_EQ(Across(image, 2 * g.GLeft, 2 * g.YCoord(0.45), false), ".##.") << "left frame line";
    EXPECT_EQ(Across(image, 2 * g.XCoord(0.45), 2 * g.GTop, true), ".##.") << "top frame line";
}

TEST_F(DoubleDensity, PhasorLineAndCircleAreTwoDevicePixelsThick) {
    PhasorDiagram diagram;
    diagram.SetBounds(0, 0, 70, 70);
    diagram.Event_Open();
    diagram.magn = 1;
    diagram.angle = 0;
    diagram.Update();
    const QImage& image = DeviceImage(*diagram.GX);
    EXPECT_EQ(image.size(), QSize(140, 140));
    EXPECT_EQ(Across(image, 2 * 50, 2 * 35, true), ".##.") << "the line to the right, half way";
    EXPECT_EQ(Across(image, 1, 2 * 35, false), "##..") << "the circle's left edge, device columns 0 and 1";
}

} // namespace
