// A whole plot rendered through Qt: frame lines, ticks and zero lines must land on the very pixels
// that the layout computed, whatever the real fonts make of the margins.

#include "graph/graph.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr tk::Color kBlack = tk::RGB(0, 0, 0);
constexpr tk::Color kWhite = tk::RGB(255, 255, 255);
constexpr tk::Color kRed = tk::RGB(255, 0, 0);

// x and y from -1 to 1 with both zero lines, in a 506 x 238 frame.
class PlotPixels : public ::testing::Test {
protected:
    PlotPixels() {
        g.SetBounds(0, 0, 506, 238);
        g.Event_Open();
        g.SetXZeroLn(true);
        g.SetYZeroLn(true);
        g.DefineGraph(-1, 1, -1, 1);
        right = g.GLeft + g.GWidth;
        bottom = g.GTop + g.GHeight;
    }

    tk::Color At(int x, int y) const { return g.GXP->Pixel(x, y); }
    static std::string Where(int x, int y) {
        return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    }

    Graph g;
    int right = 0;
    int bottom = 0;
};

TEST_F(PlotPixels, FrameLinesRunThroughThePixelsOfBothRangeEnds) {
    ASSERT_EQ(right, g.XCoord(1));
    ASSERT_EQ(g.GTop, g.YCoord(1));
    for (int y = g.GTop; y <= bottom; ++y) {
        EXPECT_EQ(kBlack, At(g.GLeft, y)) << Where(g.GLeft, y);
        EXPECT_EQ(kBlack, At(right, y)) << Where(right, y);
    }
    for (int x = g.GLeft; x <= right; ++x) {
        EXPECT_EQ(kBlack, At(x, g.GTop)) << Where(x, g.GTop);
        EXPECT_EQ(kBlack, At(x, bottom)) << Where(x, bottom);
    }
    const int middleRow = g.YCoord(0.45);
    EXPECT_EQ(kWhite, At(right + 1, middleRow));
    EXPECT_EQ(kWhite, At(g.GLeft + 1, middleRow));
    EXPECT_EQ(kWhite, At(g.XCoord(0.45), g.GTop - 1));
}

// x: minor step 0.05, every 4th major; y: minor step 0.1, every 5th major.
TEST_F(PlotPixels, TicksHangFromTheFrameLinesAtTheMappedPixels) {
    ASSERT_EQ(-4, g.XTickN);
    ASSERT_EQ(-3, g.YTickN);
    for (int k = -20; k <= 20; ++k) {
        const int x = g.XCoord(k * 0.05);
        const int length = k % 4 == 0 ? 5 : 3;
        for (int y = bottom + 1; y <= bottom + length; ++y)
            EXPECT_EQ(kBlack, At(x, y)) << Where(x, y);
        if (length == 3) {
            EXPECT_EQ(kWhite, At(x, bottom + 4)) << Where(x, bottom + 4);
        }
    }
    for (int k = -10; k <= 10; ++k) {
        const int y = g.YCoord(k * 0.1);
        const int length = k % 5 == 0 ? 5 : 3;
        for (int x = g.GLeft - length; x < g.GLeft; ++x)
            EXPECT_EQ(kBlack, At(x, y)) << Where(x, y);
        if (length == 3) {
            EXPECT_EQ(kWhite, At(g.GLeft - 4, y)) << Where(g.GLeft - 4, y);
        }
    }
}

TEST_F(PlotPixels, ZeroLinesCrossTheWholeRectangle) {
    const int row = g.YCoord(0);
    const int column = g.XCoord(0);
    for (int x = g.GLeft; x <= right; ++x)
        EXPECT_EQ(kBlack, At(x, row)) << Where(x, row);
    for (int y = g.GTop; y <= bottom; ++y)
        EXPECT_EQ(kBlack, At(column, y)) << Where(column, y);
    EXPECT_EQ(kWhite, At(column + 1, row + 1));
    EXPECT_EQ(kWhite, At(column - 1, row - 1));
}

// The bar rises above the zero line, so it is handed over with a negative height; it must cover the
// columns and rows between its corners, with a black outline.
TEST_F(PlotPixels, BarAboveTheZeroLineCoversTheRowsBetweenItsCorners) {
    g.SetColor(kRed);
    g.DrawBar(0.5, 0.5, 0.2);
    const int left = g.XCoord(0.4);
    const int barRight = g.XCoord(0.6);
    const int top = g.YCoord(0.5);
    const int zero = g.YCoord(0);
    EXPECT_EQ(kRed, At((left + barRight) / 2, (top + zero) / 2));
    EXPECT_EQ(kBlack, At(left, (top + zero) / 2));
    EXPECT_EQ(kWhite, At((left + barRight) / 2, top - 2));
    EXPECT_EQ(kWhite, At(left - 2, (top + zero) / 2));
}

} // namespace
