// The presentation view's large pictures, full screen on a screen of 3840 x 2160 device pixels at
// device pixel ratio 2 (ctest runs this binary on an offscreen platform configured with
// uhd_screen.json): 1920 x 1080 logical pixels, drawn by Qt with the real fonts.

#include "app/menu_bar1.h"
#include "presentation/presentation_wndo.h"
#include "tests/support/qt_device_pixels.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using fake::DeviceImage;

// The device pixels from x - 1 to x + 4 (or y - 1 to y + 4 when down): '#' inked, '.' white.
std::string Across(const QImage& image, int x, int y, bool down) {
    return fake::Across(image, x, y, down, 6);
}

class LargePicture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0)
            << "run with QT_QPA_PLATFORM=offscreen:configfile=uhd_screen.json, as ctest does";
        main.Open();
        for (int k = 0; k < 2; ++k)
            main.Find<tk::EditField>("EFMagn", k)->SetText("1");
        main.PBStart_Action();
        view.Open();
        for (int frame = 0; frame < 20; ++frame)
            main.TMFrame_Action();
        QApplication::processEvents();
        ASSERT_EQ(std::tuple(view.settings.width, view.settings.height, view.TooSmall()),
                  std::tuple(1920, 1080, false));
    }
    void TearDown() override { MenuBar1::Release(); }

    MainWndo main;
    PresentationWndo view{main};
};

// The plots draw at zoom 2, so their lines, one pixel of theirs wide, are two logical pixels of the
// window and four device pixels, on the device pixels of their own. (Where the labels lie is the fake
// platform's test; a frame over the copy of the axes has the pixels of a whole redrawing:
// tests/graph/axes_picture_pixels_test.cpp.)
TEST_F(LargePicture, HasThickSharpLines) {
    for (const char* name : {"GFWave", "GFDensity"}) {
        SCOPED_TRACE(name);
        Graph& plot = std::string(name) == "GFWave" ? view.GFWave() : view.GFDensity();
        const QImage& image = DeviceImage(*plot.GXP);
        ASSERT_EQ(plot.Zoom(), 2);
        EXPECT_EQ(image.size(), QSize(4 * plot.FWidth, 4 * plot.FHeight));
        EXPECT_EQ(Across(image, 4 * plot.GLeft, 4 * plot.YCoord(0.47), false), ".####.") << "left frame line";
        EXPECT_EQ(Across(image, 4 * plot.XCoord(0.47), 4 * plot.GTop, true), ".####.") << "top frame line";
    }
}

} // namespace
