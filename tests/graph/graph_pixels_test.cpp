// Plots and SStrings rendered and printed through Qt: frame lines, ticks and zero lines land on the
// very pixels that the layout computed, whatever the real fonts make of the margins; text lands where
// its anchor puts it, and text in the Symbol font shows Greek letters.

#include "graph/graph.h"
#include "toolkit/picture.h"
#include "toolkit/platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr tk::Color kBlack = tk::RGB(0, 0, 0);
constexpr tk::Color kWhite = tk::RGB(255, 255, 255);

int DifferingPixels(const tk::Picture& a, const tk::Picture& b) {
    int differing = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            differing += a.Pixel(x, y) != b.Pixel(x, y);
    return differing;
}

// ---- A whole plot ----

// x and y from -1 to 1 with both zero lines, a title, an x label and a curve, in a 506 x 238 frame.
class PlotPixels : public ::testing::Test {
protected:
    PlotPixels() {
        g.SetBounds(0, 0, 506, 238);
        g.Open = [this] {
            g.SetTitle("Title^2");
            g.SetXLabel("$q");
            g.SetXZeroLn(true);
            g.SetYZeroLn(true);
            g.DefineGraph(-1, 1, -1, 1);
        };
        g.DrawContent = [this] {
            g.CurveStart(-1, -1);
            g.CurveTo(-0.5, -0.4);
        };
        g.Event_Open();
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
        EXPECT_EQ(At(g.GLeft, y), kBlack) << Where(g.GLeft, y);
        EXPECT_EQ(At(right, y), kBlack) << Where(right, y);
    }
    for (int x = g.GLeft; x <= right; ++x) {
        EXPECT_EQ(At(x, g.GTop), kBlack) << Where(x, g.GTop);
        EXPECT_EQ(At(x, bottom), kBlack) << Where(x, bottom);
    }
    const int middleRow = g.YCoord(0.45);
    EXPECT_EQ(At(right + 1, middleRow), kWhite);
    EXPECT_EQ(At(g.GLeft + 1, middleRow), kWhite);
    EXPECT_EQ(At(g.XCoord(0.45), g.GTop - 1), kWhite);
}

// x: minor step 0.05, every 4th major; y: minor step 0.1, every 5th major.
TEST_F(PlotPixels, TicksHangFromTheFrameLinesAtTheMappedPixels) {
    ASSERT_EQ(g.XTickN, -4);
    ASSERT_EQ(g.YTickN, -3);
    for (int k = -20; k <= 20; ++k) {
        const int x = g.XCoord(k * 0.05);
        const int length = k % 4 == 0 ? 5 : 3;
        for (int y = bottom + 1; y <= bottom + length; ++y)
            EXPECT_EQ(At(x, y), kBlack) << Where(x, y);
        EXPECT_EQ(At(x, bottom + length + 1), kWhite) << Where(x, bottom + length + 1);
    }
    for (int k = -10; k <= 10; ++k) {
        const int y = g.YCoord(k * 0.1);
        const int length = k % 5 == 0 ? 5 : 3;
        for (int x = g.GLeft - length; x < g.GLeft; ++x)
            EXPECT_EQ(At(x, y), kBlack) << Where(x, y);
        EXPECT_EQ(At(g.GLeft - length - 1, y), kWhite) << Where(g.GLeft - length - 1, y);
    }
}

TEST_F(PlotPixels, ZeroLinesCrossTheWholeRectangle) {
    const int row = g.YCoord(0);
    const int column = g.XCoord(0);
    for (int x = g.GLeft; x <= right; ++x)
        EXPECT_EQ(At(x, row), kBlack) << Where(x, row);
    for (int y = g.GTop; y <= bottom; ++y)
        EXPECT_EQ(At(column, y), kBlack) << Where(column, y);
    EXPECT_EQ(At(column + 1, row + 1), kWhite);
    EXPECT_EQ(At(column - 1, row - 1), kWhite);
}

TEST_F(PlotPixels, PrintedPlotHasTheFramesPixels) {
    g.ReDrawAll();
    const auto paper = tk::NewPicture(506, 238, 32);
    g.PrintGraph(paper->Graphics());
    EXPECT_EQ(DifferingPixels(*g.GXP, *paper), 0);
    EXPECT_EQ(paper->Pixel(g.GLeft, g.GTop), kBlack) << "the frame lines were printed";
}

TEST_F(PlotPixels, PrintsToAPrinterAndDrawsOnTheFrameAgainAfterwards) {
    tk::Graphics* const frameContext = g.GX;
    const auto path = std::filesystem::temp_directory_path() / "parvok-graph-print.pdf";
    auto printer = tk::ThePlatform().OpenPrinter(path.string());
    ASSERT_NE(printer, nullptr);
    g.PrintGraph(printer.get());
    printer.reset();
    EXPECT_EQ(g.GX, frameContext);
    EXPECT_FALSE(g.Printing);
    EXPECT_GT(std::filesystem::file_size(path), 1000u);
    std::filesystem::remove(path);
}

// ---- SStrings ----

class SStringPixels : public ::testing::Test {
protected:
    // A fresh white picture with the markup drawn on it, measured in "System" 12.
    std::unique_ptr<tk::Picture> Drawn(const std::string& markup, int x, int y, int anchor) {
        auto picture = tk::NewPicture(300, 200, 32);
        graph.GX = picture->Graphics();
        graph.SetFontInfo("System", 12, false, false);
        measured = graph.SetSString(markup);
        graph.DrawSString(measured, x, y, anchor);
        graph.GX = nullptr;
        return picture;
    }

    // The columns and rows that hold any ink, inclusive: left, top, right, bottom.
    static std::array<int, 4> InkOf(const tk::Picture& picture) {
        std::array<int, 4> box{picture.Width(), picture.Height(), -1, -1};
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                if (picture.Pixel(x, y) != kWhite)
                    box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x),
                           std::max(box[3], y)};
        return box;
    }

    Graph graph;
    std::string measured;
};

// "Hello" has no descenders: its ink ends just above the baseline, and its capitals rise well
// within a line height above it. Anchor 0 puts the first baseline at y, like anchor 1 for one line.
TEST_F(SStringPixels, InkLiesAtTheAnchoredPointOfTheBlock) {
    const int x = 150, y = 100;
    for (int anchor = 0; anchor <= 9; ++anchor) {
        SCOPED_TRACE(anchor);
        const auto [left, top, right, bottom] = InkOf(*Drawn("Hello", x, y, anchor));
        const int width = graph.GetSSWidth(measured);
        const int lineHeight = graph.GetSSHeight(measured);
        ASSERT_GT(width, 20);
        ASSERT_GT(lineHeight, 8);
        ASSERT_GE(right, 0);
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

TEST_F(SStringPixels, SymbolTextShowsGreekLetters) {
    const auto symbolP = Drawn("$p", 20, 40, 0);
    const int symbolWidth = graph.GetSSWidth(measured);
    const auto pi = Drawn("π", 20, 40, 0);
    EXPECT_EQ(symbolWidth, graph.GetSSWidth(measured));
    EXPECT_GE(InkOf(*symbolP)[2], 0);
    EXPECT_EQ(DifferingPixels(*symbolP, *pi), 0);
    EXPECT_GT(DifferingPixels(*symbolP, *Drawn("p", 20, 40, 0)), 0);
}

} // namespace
