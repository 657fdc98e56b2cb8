// The space-time picture through Qt, offscreen, on a screen of twice the density: the heat map is
// worked out at the device pixels and shown pixel for pixel, with no scaling, and the cursor
// covers two device rows.

#include "spacetime/space_time_wndo.h"
#include "spacetime/viridis.h"
#include "tests/support/qt_device_pixels.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

TEST(QtSpaceTime, ShowsTheGridAtTheDevicePixelsWithTheCursorOverIt) {
    MainWndo main;
    main.Open();
    main.LoadPreset(physics::Preset::Packet);
    main.GoTo(0.3);
    SpaceTimeWndo view(main);
    view.Open();
    const Graph& plot = *view.Find<Graph>("GFCarpet");
    const physics::Carpet& grid = view.Grid();
    ASSERT_EQ(std::pair(grid.Columns(), grid.Rows()),
              std::pair(2 * (plot.GWidth - 1), 2 * (plot.GHeight - 1)));

    const QImage& frame = fake::DeviceImage(*plot.GXP);
    const int left = 2 * (plot.GLeft + 1);
    const int bottom = 2 * (plot.GTop + 1) + grid.Rows() - 1;
    const int cursor = 2 * plot.GTop + 2 * (plot.GHeight - static_cast<int>(std::lround(0.3 * plot.GHeight)));
    int differing = 0;
    for (int i = 0; i < grid.Rows(); i += 7)
        for (int j = 0; j < grid.Columns(); j += 5) {
            const int y = bottom - i;
            if (std::abs(y - cursor) <= 2)
                continue;
            const tk::Color colour = spacetime::Viridis(grid.At(j, i) / grid.Maximum());
            differing += (frame.pixel(left + j, y) & 0xFFFFFF) != colour;
        }
    EXPECT_EQ(differing, 0) << "each device pixel the colour of its own cell";
    int whiteRows = 0;
    for (int y = cursor - 4; y <= cursor + 4; ++y)
        whiteRows += (frame.pixel(left + grid.Columns() / 2, y) & 0xFFFFFF) == 0xFFFFFF;
    EXPECT_EQ(whiteRows, 2) << "the cursor, a line of one pixel, two device rows of white";
}

} // namespace
