// Plots and SStrings rendered through Qt: frame lines and ticks land on the very pixels
// that the layout computed, whatever the real fonts make of the margins; a printed plot has the
// frame's pixels; and text lands where its anchor puts it.

#include "graph/graph.h"
#include "toolkit/picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <tuple>

namespace {

constexpr tk::Color kBlack = tk::RGB(0, 0, 0);
constexpr tk::Color kWhite = tk::RGB(255, 255, 255);

std::string Where(int x, int y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

// x and y from -1 to 1, a title, an x label and a curve, in a 506 x 238 frame.
class PlotPixels : public ::testing::Test {
protected:
    PlotPixels() {
        g.SetBounds(0, 0, 506, 238);
        g.Open = [this] {
            g.SetTitle("Title^2");
            g.SetXLabel("$q");
            g.DefineGraph(-1, 1, -1, 1);
        };
        g.DrawContent = [this] {
            g.CurveStart(-1, -1);
            g.CurveTo(-0.5, -0.4);
        };
        g.Event_Open();
    }

    tk::Color At(int x, int y) const { return g.GXP->Pixel(x, y); }

    // Black along a row or a column from (x1, y1) to (x2, y2), both ends included.
    void ExpectBlackRun(int x1, int y1, int x2, int y2) const {
        for (int x = x1, y = y1; x <= x2 && y <= y2; x += x1 != x2, y += y1 != y2)
            EXPECT_EQ(At(x, y), kBlack) << Where(x, y);
    }

    Graph g;
};

// x: minor step 0.05, every 4th major; y: minor step 0.1, every 5th major.
TEST_F(PlotPixels, FrameLinesAndTicksLandOnTheMappedPixels) {
    const int right = g.GLeft + g.GWidth, bottom = g.GTop + g.GHeight;
    ASSERT_EQ(std::tuple(right, g.GTop, g.XTickN, g.YTickN), std::tuple(g.XCoord(1), g.YCoord(1), -4, -3));
    ExpectBlackRun(g.GLeft, g.GTop, g.GLeft, bottom);
    ExpectBlackRun(right, g.GTop, right, bottom);
    ExpectBlackRun(g.GLeft, g.GTop, right, g.GTop);
    ExpectBlackRun(g.GLeft, bottom, right, bottom);
    const int middleRow = g.YCoord(0.45);
    EXPECT_EQ(
        std::tuple(At(right + 1, middleRow), At(g.GLeft + 1, middleRow), At(g.XCoord(0.45), g.GTop - 1)),
        std::tuple(kWhite, kWhite, kWhite));
    for (int k = -20; k <= 20; ++k) {
        const int x = g.XCoord(k * 0.05), length = k % 4 == 0 ? 5 : 3;
        ExpectBlackRun(x, bottom + 1, x, bottom + length);
        EXPECT_EQ(At(x, bottom + length + 1), kWhite) << Where(x, bottom + length + 1);
    }
    for (int k = -10; k <= 10; ++k) {
        const int y = g.YCoord(k * 0.1), length = k % 5 == 0 ? 5 : 3;
        ExpectBlackRun(g.GLeft - length, y, g.GLeft - 1, y);
        EXPECT_EQ(At(g.GLeft - length - 1, y), kWhite) << Where(g.GLeft - length - 1, y);
    }
}

TEST_F(PlotPixels, PrintedPlotHasTheFramesPixels) {
    g.ReDrawAll();
    const auto paper = tk::NewPicture(506, 238, 32);
    g.PrintGraph(paper->Graphics());
    int differing = 0;
    for (int y = 0; y < 238; ++y)
        for (int x = 0; x < 506; ++x)
            differing += At(x, y) != paper->Pixel(x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(paper->Pixel(g.GLeft, g.GTop), kBlack) << "the frame lines were printed";
}

// The columns and rows that hold any ink, inclusive: left, top, right, bottom.
std::array<int, 4> InkOf(const tk::Picture& picture) {
    std::array<int, 4> box{picture.Width(), picture.Height(), -1, -1};
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.Pixel(x, y) != kWhite)
                box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
    return box;
}

// "Hello" has no descenders: its ink ends just above the baseline, and its capitals rise well within
// a line height above it. Anchor 0 puts the first baseline at y, like anchor 1 for one line.
TEST(SStringPixels, InkLiesAtTheAnchoredPointOfTheBlock) {
    const int x = 150, y = 100;
    for (int anchor = 0; anchor <= 9; ++anchor) {
        SCOPED_TRACE(anchor);
        const auto picture = tk::NewPicture(300, 200, 32);
        Graph graph;
        graph.GX = picture->Graphics();
        graph.SetFontInfo("System", 12, false, false);
        const std::string measured = graph.SetSString("Hello");
        graph.DrawSString(measured, x, y, anchor);
        const auto [left, top, right, bottom] = InkOf(*picture);
        const int width = graph.GetSSWidth(measured), lineHeight = graph.GetSSHeight(measured);
        ASSERT_GT(width, 20);
        ASSERT_GT(lineHeight, 8);
        ASSERT_GE(right, 0) << "no ink";
        EXPECT_LE(right - left + 1, width + 2);
        switch (anchor == 0 ? 0 : (anchor - 1) % 3) {
        case 0: // left
            EXPECT_GE(left, x - 1);
            EXPECT_LE(left, x + 2);
            break;
        case 1: // centre
            EXPECT_NEAR((left + right) / 2.0, x, 2.0);
            break;
        default: // right
            EXPECT_LE(right, x);
            EXPECT_GE(right, x - 3);
        }
        if (anchor <= 3) { // bottom: the baseline is y
            EXPECT_LE(bottom, y);
            EXPECT_GE(bottom, y - 2);
        } else if (anchor <= 6) { // middle
            EXPECT_NEAR((top + bottom) / 2.0, y, 1.0);
        } else { // top: the line starts at y, so its baseline is at y + L - 2
            EXPECT_GE(top, y);
            EXPECT_LE(bottom, y + lineHeight - 2);
            EXPECT_GE(bottom, y + lineHeight - 4);
        }
    }
}

} // namespace
