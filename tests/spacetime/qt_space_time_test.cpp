// The space-time picture through Qt, offscreen, on a screen of twice the density: the heat map is
// worked out at the device pixels and shown pixel for pixel, with no scaling, and the cursor
// covers two device rows.

#include "spacetime/space_time_wndo.h"
#include "spacetime/viridis.h"
#include "tests/support/qt_device_pixels.h"
#include "toolkit/platform.h"
#include "toolkit/qt/qt_widget_peer.h"
#include "toolkit/qt/qt_window_peer.h"

#include <QApplication>
#include <QByteArray>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>

namespace {

// The cursor lies on the map's row of the present instant (t modulo T1): at T1, its first row, below
// the frame line, where white would not show.
TEST(QtSpaceTime, ShowsTheGridAtTheDevicePixelsWithTheCursorOverIt) {
    MainWndo main;
    main.Open();
    main.LoadPreset(physics::Preset::Packet);
    SpaceTimeWndo view(main);
    view.Open();
    const Graph& plot = *view.Find<Graph>("GFCarpet");
    const physics::Carpet& grid = view.Grid();
    ASSERT_EQ(std::pair(grid.Columns(), grid.Rows()),
              std::pair(2 * (plot.GWidth - 1), 2 * (plot.GHeight - 1)));
    const QImage& frame = fake::DeviceImage(*plot.GXP);
    const int left = 2 * (plot.GLeft + 1);
    const int top = 2 * (plot.GTop + 1);
    for (const auto& [periods, down] : {std::pair(0.3, 0.3), std::pair(1.0, 0.0)}) {
        SCOPED_TRACE(periods);
        main.GoTo(periods);
        const int cursor = top + 2 * static_cast<int>(down * (plot.GHeight - 1));
        int differing = 0;
        for (int i = 0; i < grid.Rows(); i += 7)
            for (int j = 0; j < grid.Columns(); j += 5) {
                const int y = top + i; // t = 0 at the top
                if (std::abs(y - cursor) <= 2)
                    continue;
                const tk::Color colour = spacetime::Viridis(grid.At(j, i) / grid.Maximum());
                differing += (frame.pixel(left + j, y) & 0xFFFFFF) != colour;
            }
        EXPECT_EQ(differing, 0) << "each device pixel the colour of its own cell";
        int whiteRows = 0;
        for (int y = std::max(top, cursor - 4); y <= cursor + 4; ++y)
            whiteRows += (frame.pixel(left + grid.Columns() / 2, y) & 0xFFFFFF) == 0xFFFFFF;
        EXPECT_EQ(whiteRows, 2) << "the cursor, a line of one pixel, two device rows of white";
    }
}

// In SVG the picture and its colour bar are images, each drawn once, within axes of lines and text
// (PDF replays the same drawing). PNG, at twice the screen's density, takes each device pixel of
// their frames as a block of 2 x 2, with nothing blended.
TEST(QtSpaceTime, VectorFilesEmbedTheHeatMapAndPngKeepsItsPixels) {
    MainWndo main;
    main.Open();
    SpaceTimeWndo view(main);
    view.Open();
    const exporting::WindowPicture picture(view.Picture());
    tk::Output& output = tk::ThePlatform().Output();
    const std::string svg = output.Encode(picture.Drawing("space-time", "st.svg"), tk::PictureFormat::Svg);
    std::size_t images = 0;
    for (std::size_t at = svg.find("<image"); at != std::string::npos; at = svg.find("<image", at + 1))
        ++images;
    EXPECT_EQ(std::tuple(images, svg.find(">t/T</text>") != std::string::npos), std::tuple(2U, true));

    const tk::Drawing drawing = view.PixelDrawing();
    const QImage png =
        QImage::fromData(QByteArray::fromStdString(output.Encode(drawing, tk::PictureFormat::Png)));
    const QImage& frame = fake::DeviceImage(*view.Find<Graph>("GFCarpet")->GXP);
    int differing = 0;
    for (int y = 0; y < frame.height(); y += 3)
        for (int x = 0; x < frame.width(); x += 3)
            differing += ((png.pixel(2 * x, 2 * y) ^ frame.pixel(x, y)) & 0xFFFFFF) != 0 ||
                         png.pixel(2 * x + 1, 2 * y + 1) != png.pixel(2 * x, 2 * y);
    EXPECT_EQ(std::tuple(png.width(), png.height(), differing),
              std::tuple(4 * drawing.width, 4 * drawing.height, 0));
}

// The arrows step the run wherever the focus is, a choice's too, which keeps its value; Tab reaches
// each choice in turn instead.
TEST(QtSpaceTime, ArrowsStepAFrameWhereverTheFocusIsAndTabReachesEachChoice) {
    MainWndo main;
    main.Open();
    SpaceTimeWndo view(main);
    view.Open();
    QApplication::setActiveWindow(static_cast<tk::qt::QtWindowPeer*>(view.Peer())->Widget());
    view.Find("RBPeriod")->SetFocus();
    const long long frames = main.Model().FramesAdvanced();
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left})
        QTest::keyClick(QApplication::focusWidget(), key);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(std::tuple(main.Model().FramesAdvanced() - frames, view.Chosen().halfPeriod,
                         tk::qt::QtWidgetPeer::ControlOf(QApplication::focusWidget()) == view.Find("RBHalf")),
              std::tuple(1, false, true));
}

} // namespace
