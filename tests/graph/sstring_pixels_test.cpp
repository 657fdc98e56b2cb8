// SStrings drawn by Qt into real pictures: the ink lands where the anchor puts the text block, and
// text in the Symbol font shows Greek letters.

#include "graph/graph.h"
#include "toolkit/picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 200;
constexpr tk::Color kWhite = tk::RGB(255, 255, 255);

// The rows and columns that hold any ink, inclusive.
struct InkBox {
    int left = kWidth, top = kHeight, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
    double CentreX() const { return (left + right) / 2.0; }
    double CentreY() const { return (top + bottom) / 2.0; }
};

InkBox InkOf(const tk::Picture& picture) {
    InkBox box;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (picture.Pixel(x, y) != kWhite) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

bool SamePixels(const tk::Picture& a, const tk::Picture& b) {
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

class SStringPixelsTest : public ::testing::Test {
protected:
    // A fresh white picture with the markup drawn on it, measured in "System" 12.
    std::unique_ptr<tk::Picture> Drawn(const std::string& markup, int x, int y, int anchor) {
        auto picture = tk::NewPicture(kWidth, kHeight, 32);
        graph.GX = picture->Graphics();
        graph.SetFontInfo("System", 12, false, false);
        measured = graph.SetSString(markup);
        graph.DrawSString(measured, x, y, anchor);
        graph.GX = nullptr;
        return picture;
    }

    Graph graph;
    std::string measured;
};

class SStringAnchorPixelsTest : public SStringPixelsTest, public ::testing::WithParamInterface<int> {};

// "Hello" has no descenders: its ink ends just above the baseline, and its capitals rise well
// within a line height above it.
TEST_P(SStringAnchorPixelsTest, InkLiesAtTheAnchoredPointOfTheBlock) {
    const int anchor = GetParam();
    const int x = 150, y = 100;
    const auto picture = Drawn("Hello", x, y, anchor);
    const int width = graph.GetSSWidth(measured);
    const int lineHeight = graph.GetSSHeight(measured);
    ASSERT_GT(width, 20);
    ASSERT_GT(lineHeight, 8);
    const InkBox ink = InkOf(*picture);
    ASSERT_FALSE(ink.Empty());

    switch (anchor % 3) {
    case 1: // left
        EXPECT_GE(ink.left, x - 1);
        EXPECT_LE(ink.left, x + 2);
        break;
    case 2: // centre
        EXPECT_NEAR(ink.CentreX(), x, 2.0);
        break;
    default: // right
        EXPECT_LE(ink.right, x);
        EXPECT_GE(ink.right, x - 3);
        break;
    }
    if (anchor <= 3) { // bottom: the baseline is y
        EXPECT_LE(ink.bottom, y);
        EXPECT_GE(ink.bottom, y - 2);
    } else if (anchor <= 6) { // middle
        EXPECT_NEAR(ink.CentreY(), y, 1.0);
    } else { // top: the line starts at y, so its baseline is at y + L - 2
        EXPECT_GE(ink.top, y);
        EXPECT_LE(ink.bottom, y + lineHeight - 2);
        EXPECT_GE(ink.bottom, y + lineHeight - 4);
    }
    EXPECT_LE(ink.right - ink.left + 1, width + 2);
}

INSTANTIATE_TEST_SUITE_P(Qt, SStringAnchorPixelsTest, ::testing::Range(1, 10));

TEST_F(SStringPixelsTest, AnchorZeroStartsTheFirstBaselineAtXY) {
    const auto zero = Drawn("Hello", 150, 100, 0);
    const auto bottomLeft = Drawn("Hello", 150, 100, 1);
    EXPECT_TRUE(SamePixels(*zero, *bottomLeft)) << "one line: its first baseline is its last";
}

TEST_F(SStringPixelsTest, SymbolTextShowsGreekLetters) {
    const auto symbolP = Drawn("$p", 20, 40, 0);
    const int symbolWidth = graph.GetSSWidth(measured);
    const auto pi = Drawn("π", 20, 40, 0);
    const int piWidth = graph.GetSSWidth(measured);
    const auto latinP = Drawn("p", 20, 40, 0);
    EXPECT_FALSE(InkOf(*symbolP).Empty());
    EXPECT_TRUE(SamePixels(*symbolP, *pi));
    EXPECT_EQ(symbolWidth, piWidth);
    EXPECT_FALSE(SamePixels(*symbolP, *latinP));
}

TEST_F(SStringPixelsTest, SuperscriptInkSitsHigherAndSmaller) {
    const auto base = Drawn("x", 20, 40, 0);
    const auto raised = Drawn("^x", 20, 40, 0);
    const InkBox normal = InkOf(*base);
    const InkBox script = InkOf(*raised);
    EXPECT_LT(script.bottom, normal.bottom);
    EXPECT_LT(script.bottom - script.top, normal.bottom - normal.top);
}

} // namespace
