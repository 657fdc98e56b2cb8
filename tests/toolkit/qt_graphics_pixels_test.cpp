// The pixel semantics of the drawing context, checked on real pictures drawn by Qt.

#include "toolkit/picture.h"
#include "toolkit/platform.h"
#include "toolkit/qt/qt_picture.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>

namespace {

constexpr tk::Color kWhite = tk::RGB(255, 255, 255);
constexpr tk::Color kInk = tk::RGB(200, 30, 60);

using Pixels = std::set<std::pair<int, int>>;

class PixelTest : public testing::Test {
protected:
    void SetUp() override {
        picture_ = tk::NewPicture(20, 20, 32);
        ASSERT_NE(picture_, nullptr);
        g().SetForeColor(kInk);
    }
    tk::Graphics& g() { return *picture_->Graphics(); }

    // Every pixel that is no longer white.
    Pixels Inked() const {
        Pixels inked;
        for (int y = 0; y < picture_->Height(); ++y)
            for (int x = 0; x < picture_->Width(); ++x)
                if (picture_->Pixel(x, y) != kWhite)
                    inked.insert({x, y});
        return inked;
    }
    static Pixels Block(int x, int y, int width, int height) {
        Pixels block;
        for (int row = y; row < y + height; ++row)
            for (int column = x; column < x + width; ++column)
                block.insert({column, row});
        return block;
    }
    static Pixels Outline(int x, int y, int width, int height) {
        Pixels outline = Block(x, y, width, height);
        for (const auto& inner : Block(x + 1, y + 1, width - 2, height - 2))
            outline.erase(inner);
        return outline;
    }

    std::unique_ptr<tk::Picture> picture_;
};

TEST_F(PixelTest, NewPictureIsWhiteAndAskedSize) {
    EXPECT_EQ(picture_->Width(), 20);
    EXPECT_EQ(picture_->Height(), 20);
    EXPECT_TRUE(Inked().empty());
}

TEST_F(PixelTest, FillRectCoversWidthByHeightFromItsCorner) {
    g().FillRect(2, 3, 4, 5);
    EXPECT_EQ(Inked(), Block(2, 3, 4, 5));
    EXPECT_EQ(picture_->Pixel(2, 3), kInk);
}

TEST_F(PixelTest, DrawRectOutlinesExactlyTheFilledArea) {
    g().DrawRect(2, 3, 4, 5);
    EXPECT_EQ(Inked(), Outline(2, 3, 4, 5));
}

TEST_F(PixelTest, RectangleWithNegativeHeightCoversTheRowsAboveItsTop) {
    g().FillRect(2, 10, 3, -4);
    EXPECT_EQ(Inked(), Block(2, 6, 3, 4));
}

TEST_F(PixelTest, LinesCoverBothEndPoints) {
    g().DrawLine(1, 1, 6, 1);
    EXPECT_EQ(Inked(), Block(1, 1, 6, 1));
    g().DrawLine(10, 2, 10, 9);
    EXPECT_TRUE(Inked().contains({10, 2}) && Inked().contains({10, 9}));
    EXPECT_FALSE(Inked().contains({10, 10}));
}

TEST_F(PixelTest, LineBackwardsAndDiagonalCoverBothEndPoints) {
    g().DrawLine(8, 8, 3, 3);
    Pixels diagonal;
    for (int i = 3; i <= 8; ++i)
        diagonal.insert({i, i});
    EXPECT_EQ(Inked(), diagonal);
}

TEST_F(PixelTest, LineOfZeroLengthIsOnePixel) {
    g().DrawLine(5, 7, 5, 7);
    EXPECT_EQ(Inked(), Block(5, 7, 1, 1));
}

TEST_F(PixelTest, OvalsStayInsideTheirRectangle) {
    g().FillOval(3, 4, 5, 5);
    const Pixels filled = Inked();
    EXPECT_TRUE(filled.contains({5, 6})); // the centre
    for (const auto& p : filled)
        EXPECT_TRUE(Block(3, 4, 5, 5).contains(p)) << p.first << "," << p.second;
    ASSERT_TRUE(filled.contains({3, 6}) && filled.contains({7, 6}) && filled.contains({5, 4}) &&
                filled.contains({5, 8}));

    g().ClearRect(0, 0, 20, 20);
    g().DrawOval(2, 2, 7, 7);
    const Pixels ring = Inked();
    EXPECT_FALSE(ring.contains({5, 5}));
    EXPECT_TRUE(ring.contains({2, 5}) && ring.contains({8, 5}) && ring.contains({5, 2}) &&
                ring.contains({5, 8}));
    for (const auto& p : ring)
        EXPECT_TRUE(Block(2, 2, 7, 7).contains(p)) << p.first << "," << p.second;
}

TEST_F(PixelTest, ClearRectPaintsWhite) {
    g().FillRect(0, 0, 20, 20);
    g().ClearRect(5, 5, 2, 2);
    EXPECT_EQ(picture_->Pixel(5, 5), kWhite);
    EXPECT_EQ(picture_->Pixel(6, 6), kWhite);
    EXPECT_EQ(picture_->Pixel(7, 7), kInk);
}

TEST_F(PixelTest, ColoursKeepAll24Bits) {
    for (tk::Color c : {tk::RGB(1, 2, 3), tk::RGB(254, 128, 7), tk::RGB(0, 0, 0)}) {
        g().SetForeColor(c);
        g().FillRect(0, 0, 1, 1);
        EXPECT_EQ(picture_->Pixel(0, 0), c);
    }
}

TEST_F(PixelTest, PolygonFillIncludesItsVertices) {
    g().FillPolygon({{2, 2}, {10, 2}, {6, 9}});
    const Pixels filled = Inked();
    EXPECT_TRUE(filled.contains({2, 2}) && filled.contains({10, 2}) && filled.contains({6, 9}) &&
                filled.contains({6, 4}));
    EXPECT_FALSE(filled.contains({2, 9}));
}

TEST_F(PixelTest, DrawPictureCopiesTheSourceRectangle) {
    auto source = tk::NewPicture(10, 10, 32);
    source->Graphics()->SetForeColor(kInk);
    source->Graphics()->FillRect(4, 4, 2, 2);
    g().DrawPicture(*source, tk::Rect{0, 0, 6, 6}, tk::Rect{3, 3, 6, 6});
    EXPECT_EQ(Inked(), Block(1, 1, 2, 2));
}

TEST_F(PixelTest, SymbolFontShowsGreekLetters) {
    auto Drawn = [&](const std::string& font, const std::string& text) {
        g().ClearRect(0, 0, 20, 20);
        g().SetTextFont(font);
        g().SetTextSize(14);
        g().DrawString(text, 3, 15);
        return Inked();
    };
    const Pixels symbolP = Drawn("Symbol", "p");
    EXPECT_FALSE(symbolP.empty());
    EXPECT_EQ(symbolP, Drawn("System", "π"));
    EXPECT_NE(symbolP, Drawn("System", "p"));
    EXPECT_EQ(Drawn("Symbol", "D"), Drawn("System", "Δ"));
}

TEST(Metrics, TextIsMeasuredInTheContextsFontAndSize) {
    auto picture = tk::NewPicture(10, 10, 32);
    tk::Graphics& g = *picture->Graphics();
    g.SetTextFont("System");
    g.SetTextSize(12);
    const double small = g.StringWidth("Parvok");
    const int smallHeight = g.TextHeight();
    g.SetTextSize(24);
    EXPECT_GT(g.StringWidth("Parvok"), 1.8 * small);
    EXPECT_GT(g.TextHeight(), smallHeight);
    g.SetTextSize(0);
    EXPECT_DOUBLE_EQ(g.StringWidth("Parvok"), small) << "size 0 is the default size, 12";
    EXPECT_EQ(g.StringWidth(""), 0.0);
}

TEST(Pictures, OnADoubleDensityScreenKeepLogicalCoordinates) {
    tk::qt::QtPicture picture(10, 8, 32, 2.0);
    EXPECT_EQ(picture.Width(), 10);
    EXPECT_EQ(picture.Image().size(), QSize(20, 16)) << "two device pixels per logical pixel";
    picture.Graphics()->SetForeColor(kInk);
    picture.Graphics()->FillRect(2, 3, 2, 1);
    EXPECT_EQ(picture.Pixel(3, 3), kInk);
    EXPECT_EQ(picture.Pixel(4, 3), kWhite);
    EXPECT_EQ(picture.Image().pixel(7, 7) & 0xFFFFFF, kInk) << "the last device pixel of the logical one";
}

TEST(Pictures, ImpossiblePictureYieldsNothing) {
    EXPECT_EQ(tk::NewPicture(0, 10, 32), nullptr);
    EXPECT_EQ(tk::NewPicture(-5, 10, 32), nullptr);
}

} // namespace
