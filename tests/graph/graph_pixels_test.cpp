// A plot rendered through Qt, whose real fonts the layout only measures.

#include "tests/graph/opened_graph.h"

#include <algorithm>
#include <array>

// The pixels from (x1, y1) to (x2, y2) that hold ink: how many, and the columns and rows they span.
static std::array<int, 5> Ink(const tk::Picture& picture, int x1, int y1, int x2, int y2) {
    std::array<int, 5> ink{0, x2 + 1, y2 + 1, -1, -1};
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (picture.Pixel(x, y) != kWhite)
                ink = {ink[0] + 1, std::min(ink[1], x), std::min(ink[2], y), std::max(ink[3], x),
                       std::max(ink[4], y)};
    return ink;
}

// The frame lines are one pixel wide through the pixels of the range ends. On x, from -1 to 1 with a
// minor step of 0.05, the major tick at 0 is labelled "0.0", the label's baseline 15 below the frame
// line. The curve passes through the middle of its segment.
TEST(PlotPixels, FrameLinesTicksALabelAndACurveLandOnTheMappedPixels) {
    Graph g;
    g.SetBounds(0, 0, 506, 238);
    g.Open = [&g] {
        g.DefineGraph(-1, 1, -1, 1);
        g.CurveStart(-1, -1);
        g.CurveTo(-0.5, -0.4);
    };
    g.Event_Open();
    const auto ink = [&g](int x1, int y1, int x2, int y2) { return Ink(*g.GXP, x1, y1, x2, y2); };
    const auto count = [&ink](int x1, int y1, int x2, int y2) { return ink(x1, y1, x2, y2)[0]; };
    const int left = g.GLeft;
    const int top = g.GTop;
    const int right = g.XCoord(1);
    const int bottom = g.YCoord(-1);
    const int zero = g.XCoord(0);
    const int minor = g.XCoord(0.05);
    const int row = g.YCoord(0.1);
    EXPECT_EQ(count(left + 1, top - 1, right - 1, top + 1), right - left - 1);
    EXPECT_EQ(count(right - 1, top + 1, right + 1, bottom - 1), bottom - top - 1);
    EXPECT_EQ(count(zero, bottom - 1, right - 1, bottom), right - zero);
    EXPECT_EQ(count(left, top + 1, left + 1, row), row - top);
    EXPECT_EQ(count(zero, bottom + 1, zero, bottom + 6), 5);
    EXPECT_EQ(count(minor, bottom + 1, minor, bottom + 6), 3);
    const auto label = ink(zero - 20, bottom + 6, zero + 20, bottom + 20);
    EXPECT_TRUE(std::abs(label[1] + label[3] - 2 * zero) <= 4 && label[2] > bottom + 6 &&
                label[4] <= bottom + 15 && label[4] >= bottom + 13);
    const int midX = (left + g.XCoord(-0.5)) / 2;
    const int midY = (bottom + g.YCoord(-0.4)) / 2;
    EXPECT_GT(count(midX - 1, midY - 1, midX + 1, midY + 1), 0);
}
