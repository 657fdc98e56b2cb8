// A plot rendered through Qt, whose real fonts the layout only measures.

#include "tests/graph/opened_graph.h"

#include <algorithm>
#include <array>

namespace {

// The pixels from (x1, y1) to (x2, y2) that hold ink: how many, and the columns and rows they span.
std::array<int, 5> Ink(const tk::Picture& picture, int x1, int y1, int x2, int y2) {
    std::array<int, 5> ink{0, x2 + 1, y2 + 1, -1, -1};
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (picture.Pixel(x, y) != kWhite)
                ink = {ink[0] + 1, std::min(ink[1], x), std::min(ink[2], y), std::max(ink[3], x),
                       std::max(ink[4], y)};
    return ink;
}

// x and y from -1 to 1: x has a minor step of 0.05, its major tick at 0 is labelled "0.0", the label's
// baseline 15 below the frame line.
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
    const int left = g.GLeft, top = g.GTop, right = g.XCoord(1), bottom = g.YCoord(-1), zero = g.XCoord(0);
    const int width = right - left + 1, height = bottom - top + 1, minor = g.XCoord(0.05);
    EXPECT_EQ(std::tuple(ink(left, top, right, top)[0], ink(left, bottom, right, bottom)[0],
                         ink(left, top, left, bottom)[0], ink(right, top, right, bottom)[0]),
              std::tuple(width, width, height, height));
    EXPECT_EQ(std::tuple(ink(left, top - 1, right, top - 1)[0], ink(left + 1, top + 1, right - 1, top + 1)[0],
                         ink(right - 1, top + 1, right - 1, bottom - 1)[0],
                         ink(right + 1, top, right + 1, bottom)[0]),
              std::tuple(0, 0, 0, 0));
    EXPECT_EQ(
        std::tuple(ink(zero, bottom + 1, zero, bottom + 6)[0], ink(minor, bottom + 1, minor, bottom + 6)[0]),
        std::tuple(5, 3));
    const auto label = ink(zero - 20, bottom + 6, zero + 20, bottom + 20);
    EXPECT_NEAR((label[1] + label[3]) / 2.0, zero, 2.0);
    EXPECT_TRUE(label[2] > bottom + 6 && label[4] <= bottom + 15 && label[4] >= bottom + 13) << label[4];
    // The curve passes through the midpoint of its segment, and nowhere near the top left.
    const int midX = (left + g.XCoord(-0.5)) / 2, midY = (bottom + g.YCoord(-0.4)) / 2;
    EXPECT_EQ(std::tuple(ink(midX - 1, midY - 1, midX + 1, midY + 1)[0] > 0,
                         ink(left + 1, top + 1, zero, g.YCoord(0))[0]),
              std::tuple(true, 0));
}

} // namespace
