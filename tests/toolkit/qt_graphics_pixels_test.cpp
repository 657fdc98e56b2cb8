// The pixel semantics of the drawing context, checked on real pictures drawn by Qt.

#include "toolkit/picture.h"
#include "toolkit/platform.h"
#include "toolkit/qt/qt_picture.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include <memory>
#include <sstream>
#include <string>
#include <utility>

namespace {

constexpr tk::Color kWhite = tk::RGB(255, 255, 255);
constexpr tk::Color kInk = tk::RGB(201, 30, 7); // odd values, lost by fewer than 8 bits a channel

// The box around the device pixels that are no longer white, "x y widthxheight", their count, and
// "mixed" when one of them is not kInk.
std::string Inked(const tk::qt::QtPicture& picture) {
    const QImage& image = picture.Image();
    QRect box;
    int count = 0;
    bool mixed = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const tk::Color c = image.pixel(x, y) & 0xFFFFFF; c != kWhite) {
                box |= QRect(x, y, 1, 1);
                ++count;
                mixed = mixed || c != kInk;
            }
    if (count == 0)
        return "none";
    std::ostringstream text;
    text << box.x() << ' ' << box.y() << ' ' << box.width() << 'x' << box.height() << ' ' << count
         << (mixed ? " mixed" : "");
    return text.str();
}

// A 10 x 10 picture inked at (4, 4) to (5, 5).
std::unique_ptr<tk::Picture> Source() {
    auto source = tk::NewPicture(10, 10, 32);
    source->Graphics()->SetForeColor(kInk);
    source->Graphics()->FillRect(4, 4, 2, 2);
    return source;
}

using Draw = void (*)(tk::Graphics&);

tk::Graphics& Thick(tk::Graphics& g, int pen) {
    g.SetPenSize(pen);
    return g;
}

// At 1x and, in device pixels, at 2x: lines and outlines as heavy there, on whole logical pixels, at
// any pen size.
TEST(Shapes, CoverExactlyTheirPixelsAtBothDensities) {
    const struct {
        const char* name;
        Draw draw;
        const char* at1x;
        const char* at2x;
    } shapes[] = {
        {"filled rectangle", [](tk::Graphics& g) { g.FillRect(2, 3, 4, 5); }, "2 3 4x5 20", "4 6 8x10 80"},
        {"outline", [](tk::Graphics& g) { g.DrawRect(2, 3, 4, 5); }, "2 3 4x5 14", "4 6 8x10 56"},
        {"filled upwards", [](tk::Graphics& g) { g.FillRect(2, 10, 3, -4); }, "2 6 3x4 12", "4 12 6x8 48"},
        {"line across", [](tk::Graphics& g) { g.DrawLine(1, 1, 6, 1); }, "1 1 6x1 6", "2 2 12x2 24"},
        {"filled oval", [](tk::Graphics& g) { g.FillOval(3, 4, 5, 5); }, "3 4 5x5 21", "6 8 10x10 76"},
        {"triangle",
         [](tk::Graphics& g) {
             g.FillPolygon({{2, 2}, {10, 2}, {6, 9}});
         },
         "2 2 9x8 39", "4 4 18x16 164"},
        {"cleared inside filled",
         [](tk::Graphics& g) {
             g.FillRect(0, 0, 8, 8);
             g.ClearRect(1, 1, 3, 3);
         },
         "0 0 8x8 55", "0 0 16x16 220"},
        {"line 2 wide", [](tk::Graphics& g) { Thick(g, 2).DrawLine(1, 1, 6, 1); }, "1 1 7x2 14",
         "2 2 14x4 56"},
        {"oval 2 wide", [](tk::Graphics& g) { Thick(g, 2).DrawOval(1, 1, 10, 10); }, "1 1 10x10 44",
         "2 2 20x20 188"},
        {"picture",
         [](tk::Graphics& g) {
             g.DrawPicture(*Source(), {0, 0, 6, 6}, {3, 3, 6, 6});
         },
         "1 1 2x2 4", "2 2 4x4 16"},
    };
    for (const auto& shape : shapes)
        for (const auto& [ratio, inked] : {std::pair(1.0, shape.at1x), std::pair(2.0, shape.at2x)}) {
            SCOPED_TRACE(std::string(shape.name) + " at " + std::to_string(int(ratio)) + "x");
            tk::qt::QtPicture picture(20, 20, 32, ratio);
            ASSERT_EQ(Inked(picture), "none") << "a new picture is white";
            picture.Graphics()->SetForeColor(kInk);
            shape.draw(*picture.Graphics());
            EXPECT_EQ(Inked(picture), inked);
        }
}

TEST(Text, StandsOnItsBaselineAndSymbolShowsGreekLetters) {
    tk::qt::QtPicture picture(20, 20, 32, 1.0);
    auto Drawn = [&](const std::string& font, const std::string& text, int size = 14) {
        tk::Graphics& g = *picture.Graphics();
        g.ClearRect(0, 0, 20, 20);
        g.SetTextFont(font);
        g.SetTextSize(size);
        g.DrawString(text, 3, 15);
        return Inked(picture);
    };
    const std::string letterH = Drawn("System", "H");
    picture.Graphics()->ClearRect(0, 15, 20, 5);
    EXPECT_EQ(Inked(picture), letterH) << "nothing on the baseline or below it";
    picture.Graphics()->ClearRect(0, 14, 20, 1);
    EXPECT_NE(Inked(picture), letterH) << "the letter stands on the row above it";
    EXPECT_EQ(Drawn("Symbol", "p"), Drawn("System", "π"));
    EXPECT_NE(Drawn("Symbol", "p"), Drawn("System", "p"));
    EXPECT_EQ(Drawn("Symbol", "D"), Drawn("System", "Δ"));
    EXPECT_EQ(Drawn("System", "H", 0), Drawn("System", "H", 12)) << "size 0 is the default size, 12";
    EXPECT_NE(Drawn("System", "H", 12), letterH);
}

TEST(Pictures, OnADoubleDensityScreenOrAtAZoomHaveMorePixelsInLogicalUnits) {
    tk::qt::QtPicture picture(10, 8, 32, 2.0);
    EXPECT_EQ(picture.Image().size(), QSize(20, 16));
    picture.Graphics()->SetForeColor(kInk);
    picture.Graphics()->FillRect(3, 2, 1, 1);
    EXPECT_EQ(std::pair(picture.Pixel(3, 2), picture.Pixel(4, 2)), std::pair(kInk, kWhite));
    EXPECT_EQ(tk::NewPicture(0, 10, 32), nullptr) << "an impossible picture is none";
    const auto zoomed = tk::NewPicture(10, 8, 32, 2);
    EXPECT_EQ(dynamic_cast<const tk::qt::QtPicture&>(*zoomed).Image().size(),
              QSize(20, 16) * QGuiApplication::primaryScreen()->devicePixelRatio())
        << "at zoom 2, as the presentation view draws its plots";
}

// A level curve along pixel row 9 of the logical picture, two pixels wide: at 1x over the middle of
// row 9, so that rows 8 and 10 are half covered, blended halfway to white; at 2x on whole device rows.
TEST(SmoothCurves, BlendTheirEdgesIntoThePicture) {
    const struct {
        const char* name;
        double ratio;
        int halfRow, fullRow, blankRow;
    } cases[] = {{"1x", 1, 8, 9, 11}, {"2x", 2, -1, 17, 21}};
    for (const auto& c : cases) {
        tk::qt::QtPicture picture(20, 20, 32, c.ratio);
        picture.Graphics()->SetForeColor(kInk);
        picture.Graphics()->SetPenSize(2);
        picture.Graphics()->DrawSmoothPolyline({{2, 9}, {9, 9}, {17, 9}});
        const QImage& image = picture.Image();
        const int x = image.width() / 2;
        EXPECT_EQ(image.pixel(x, c.fullRow) & 0xFFFFFF, kInk) << c.name;
        EXPECT_EQ(image.pixel(x, c.blankRow) & 0xFFFFFF, kWhite) << c.name;
        if (c.halfRow >= 0) {
            EXPECT_EQ(image.pixel(x, c.halfRow) & 0xFFFFFF, tk::RGB(228, 142, 131))
                << c.name << ": halfway from white to (201, 30, 7)";
        }
    }
}

} // namespace
