// A plot rendered through Qt, whose real fonts the layout only measures: frame lines, ticks, a tick
// label and a curve land on the pixels that the mapping computed.

#include "tests/graph/opened_graph.h"

#include <algorithm>
#include <array>

namespace {

// The columns and rows from (x1, y1) to (x2, y2) that hold any ink: left, top, right, bottom.
std::array<int, 4> InkIn(const tk::Picture& picture, int x1, int y1, int x2, int y2) {
    std::array<int, 4> box{x2 + 1, y2 + 1, -1, -1};
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (picture.Pixel(x, y) != kWhite)
                box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
    return box;
}

TEST(PlotPixels, FrameLinesTicksALabelAndACurveLandOnTheMappedPixels) {
    Graph g;
    g.SetBounds(0, 0, 506, 238);
    g.Open = [&g] {
        g.DefineGraph(-1, 1, -1, 1);
        g.CurveStart(-1, -1);
        g.CurveTo(-0.5, -0.4);
    };
    g.Event_Open();
    const tk::Picture& frame = *g.GXP;
    const auto at = [&frame](int x, int y) { return frame.Pixel(x, y); };
    const int left = g.GLeft, top = g.GTop, right = g.XCoord(1), bottom = g.YCoord(-1), zero = g.XCoord(0);
    for (int x = left + 1; x < right; ++x)
        EXPECT_EQ(std::tuple(at(x, top - 1), at(x, top), at(x, top + 1), at(x, bottom)),
                  std::tuple(kWhite, kBlack, kWhite, kBlack))
            << x;
    for (int y = top + 1; y < bottom; ++y)
        EXPECT_EQ(std::tuple(at(left, y), at(right - 1, y), at(right, y), at(right + 1, y)),
                  std::tuple(kBlack, kWhite, kBlack, kWhite))
            << y;
    // x: minor step 0.05, the major tick at 0 is 5 long and labelled "0.0" centred under it, the
    // label's baseline 15 below the frame line.
    const int minor = g.XCoord(0.05);
    EXPECT_EQ(
        std::tuple(at(zero, bottom + 5), at(zero, bottom + 6), at(minor, bottom + 3), at(minor, bottom + 4)),
        std::tuple(kBlack, kWhite, kBlack, kWhite));
    const auto [labelLeft, labelTop, labelRight, labelBottom] =
        InkIn(frame, zero - 20, bottom + 6, zero + 20, bottom + 20);
    EXPECT_NEAR((labelLeft + labelRight) / 2.0, zero, 2.0);
    EXPECT_TRUE(labelTop > bottom + 6 && labelBottom <= bottom + 15 && labelBottom >= bottom + 13)
        << labelBottom;
    // The curve passes through the midpoint of its segment, and nowhere near the top left.
    const int midX = (left + g.XCoord(-0.5)) / 2, midY = (bottom + g.YCoord(-0.4)) / 2;
    EXPECT_GE(InkIn(frame, midX - 1, midY - 1, midX + 1, midY + 1)[2], 0);
    EXPECT_EQ(InkIn(frame, left + 1, top + 1, zero, g.YCoord(0))[2], -1);
}

} // namespace
