// On a screen of device pixel ratio 2 (ctest runs this binary with QT_SCALE_FACTOR=2), a phasor is
// drawn into a picture of twice the pixels in each direction, at that resolution: a line one logical
// pixel wide is two device pixels wide, on the device pixels of its logical ones.

#include "phasor/phasor_diagram.h"
#include "tests/support/qt_device_pixels.h"
#include "toolkit/picture.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DoubleDensity, PhasorLineAndCircleAreTwoDevicePixelsThick) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0)
        << "run with QT_SCALE_FACTOR=2, as ctest does";
    PhasorDiagram diagram;
    diagram.SetBounds(0, 0, 70, 70);
    diagram.Event_Open();
    diagram.magn = 1;
    diagram.angle = 0;
    diagram.Update();
    const QImage& image = fake::DeviceImage(*diagram.GX);
    EXPECT_EQ(image.size(), QSize(140, 140));
    // The device pixels from x - 1 to x + 2 (or y - 1 to y + 2 down): '#' inked, '.' white.
    EXPECT_EQ(fake::Across(image, 2 * 50, 2 * 35, true, 4), ".##.") << "the line to the right, half way";
    EXPECT_EQ(fake::Across(image, 1, 2 * 35, false, 4), "##..")
        << "the circle's left edge, device columns 0 and 1";
}

} // namespace
