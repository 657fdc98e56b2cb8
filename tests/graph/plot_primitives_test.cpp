// Plot primitives through the recording context, call by call, with the out-of-range flag.
//
// The graph rectangle is 400 x 200 at (10, 20) with one pixel a unit on both axes, x and y from 0:
// data (x, y) is pixel (10 + x, 220 - y).

#include "graph/graph.h"
#include "tests/support/recording_graphics.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

using Ops = std::vector<std::string>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr tk::Color kBlack = tk::RGB(0, 0, 0);
constexpr tk::Color kRed = tk::RGB(255, 0, 0);

class Primitives : public ::testing::Test {
protected:
    Primitives() {
        g.GX = &target;
        g.CBlack = kBlack;
        g.GLeft = 10;
        g.GTop = 20;
        g.GWidth = 400;
        g.GHeight = 200;
        SetYRange(0, 200);
        g.XMin = 0;
        g.XMax = 400;
        g.XVtoPix = 1;
    }

    void SetYRange(double min, double max) {
        g.YMin = min;
        g.YMax = max;
        g.YVToPix = g.GHeight / (max - min);
    }

    // The calls of one drawing, and RErr after it when it was `entry` before.
    Ops Drawn(const std::function<void()>& draw, bool entry = false) {
        target.Clear();
        g.RErr = entry;
        draw();
        return target.Ops();
    }

    fake::RecordingGraphics target;
    Graph g;
};

struct Case {
    const char* name;
    std::function<void(Graph&)> draw;
    Ops ops;
    bool outOfRange;
};

void ExpectCases(Graph& g, fake::RecordingGraphics& target, const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        target.Clear();
        g.RErr = false;
        c.draw(g);
        EXPECT_EQ(c.ops, target.Ops());
        EXPECT_EQ(c.outOfRange, g.RErr);
    }
}

// ---- Lines, points and markers ----

TEST_F(Primitives, LineIsDrawnOnlyWithBothEndsInRange) {
    ExpectCases(
        g, target,
        {
            {"inside", [](Graph& g) { g.DrawLine(10, 10, 100, 50); }, {"DrawLine 20 210 110 170"}, false},
            {"on the axis ends",
             [](Graph& g) { g.DrawLine(0, 0, 400, 200); },
             {"DrawLine 10 220 410 20"},
             false},
            {"x just beyond the tolerance of 0.004",
             [](Graph& g) { g.DrawLine(10, 10, 400.005, 50); },
             {},
             true},
            {"y just below", [](Graph& g) { g.DrawLine(10, -0.001, 100, 50); }, {}, true},
            {"not a number", [](Graph& g) { g.DrawLine(kNaN, 10, 100, 50); }, {}, true},
            {"infinite", [](Graph& g) { g.DrawLine(10, 10, 100, kInf); }, {}, true},
        });
}

TEST_F(Primitives, PointIsAFilledDotFivePixelsAcross) {
    ExpectCases(g, target,
                {
                    {"on the top right corner",
                     [](Graph& g) { g.DrawPoint(400, 200); },
                     {"FillOval 408 18 5 5"},
                     false},
                    {"outside", [](Graph& g) { g.DrawPoint(-1, 5); }, {}, true},
                    {"not a number", [](Graph& g) { g.DrawPoint(5, kNaN); }, {}, true},
                });
}

TEST_F(Primitives, EachMarkerAtPixel110_170) {
    const Ops diagonal{"DrawLine 108 168 112 172", "DrawLine 108 172 112 168"};
    const Ops upright{"DrawLine 110 167 110 173", "DrawLine 107 170 113 170"};
    const struct {
        std::int32_t shape;
        Ops ops;
    } cases[] = {
        {0, {"FillOval 108 168 5 5"}},
        {1, {"DrawOval 108 168 5 5"}},
        {2, {"FillRect 108 168 5 5"}},
        {3, {"DrawRect 108 168 4 4"}},
        {4, diagonal},
        {5, upright},
        {6, {"DrawOval 107 167 7 7", diagonal[0], diagonal[1]}},
        {7, {"DrawOval 107 167 7 7", upright[0], upright[1]}},
        {8, {"FillPolygon 106 167 110 174 114 167"}},
        {9, {"DrawPolygon 107 168 110 173 113 168"}},
        {10, {"FillOval 108 168 5 5"}},
        {12, {"FillOval 108 168 5 5"}},
        {-1, {"FillOval 108 168 5 5"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shape);
        EXPECT_EQ(c.ops, Drawn([&] { g.DrawShape(100, 50, c.shape); }));
        EXPECT_FALSE(g.RErr);
    }
    EXPECT_TRUE(Drawn([&] { g.DrawShape(100, 250, 1); }).empty());
    EXPECT_TRUE(g.RErr);
}

// ---- Bars ----

TEST_F(Primitives, BarsAreClampedToTheRectangle) {
    ExpectCases(
        g, target,
        {
            {"rising from the zero line",
             [](Graph& g) { g.DrawBar(100, 50, 20); },
             {"DrawRect 100 220 20 -50"},
             false},
            {"narrower than a pixel", [](Graph& g) { g.DrawBar(100, 50, 0.4); }, {}, false},
            {"on the zero line's row", [](Graph& g) { g.DrawBar(100, 0.3, 20); }, {}, false},
            {"above the top", [](Graph& g) { g.DrawBar(100, 500, 20); }, {"DrawRect 100 220 20 -200"}, true},
            {"over the right edge",
             [](Graph& g) { g.DrawBar(395, 50, 20); },
             {"DrawRect 395 220 15 -50"},
             true},
            {"value not a number", [](Graph& g) { g.DrawBar(100, kNaN, 20); }, {}, true},
            {"width not a number", [](Graph& g) { g.DrawBar(100, 50, kNaN); }, {}, true},
            {"infinitely wide",
             [](Graph& g) { g.DrawBar(100, 50, kInf); },
             {"DrawRect 10 220 400 -50"},
             true},
        });
}

TEST_F(Primitives, BarWithZeroBelowTheRangeGrowsFromTheBottomEdge) {
    SetYRange(50, 250);
    EXPECT_EQ(Ops{"DrawRect 100 220 20 -50"}, Drawn([&] { g.DrawBar(100, 100, 20); }));
    EXPECT_TRUE(g.RErr);
}

// With zero inside the y range a non-number, taken to the lower edge, would make a bar down to it.
TEST_F(Primitives, BarToANonNumberIsNotDrawnWhereverZeroLies) {
    SetYRange(-100, 100);
    EXPECT_TRUE(Drawn([&] { g.DrawBar(100, kNaN, 20); }).empty());
    EXPECT_TRUE(g.RErr);
}

TEST_F(Primitives, BlackBarIsAnOutlineOtherColoursAreFilledAndOutlinedInBlack) {
    const struct {
        const char* name;
        tk::Color color;
        Ops ops;
        std::vector<tk::Color> colors;
    } cases[] = {
        {"black", kBlack, {"DrawRect 100 220 20 -50"}, {kBlack}},
        {"red", kRed, {"FillRect 100 220 20 -50", "DrawRect 100 220 20 -50"}, {kRed, kBlack}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g.SetColor(c.color);
        EXPECT_EQ(c.ops, Drawn([&] { g.DrawBar(100, 50, 20); }));
        std::vector<tk::Color> colors;
        for (const auto& call : target.Calls())
            colors.push_back(call.color);
        EXPECT_EQ(c.colors, colors);
        EXPECT_EQ(c.color, target.ForeColor());
    }
}

TEST_F(Primitives, BarLeavesAnEarlierRangeErrorStanding) {
    Drawn([&] { g.DrawBar(100, 50, 20); }, true);
    EXPECT_TRUE(g.RErr);
}

// ---- Error bars ----

TEST_F(Primitives, HorizontalErrorBars) {
    ExpectCases(g, target,
                {
                    {"inside",
                     [](Graph& g) { g.DrawXUBar(100, 50, 20, 30); },
                     {"DrawLine 80 173 80 167", "DrawLine 130 173 130 167", "DrawLine 80 170 130 170"},
                     false},
                    {"beyond the left edge",
                     [](Graph& g) { g.DrawXUBar(100, 50, 20, 200); },
                     {"DrawLine 130 173 130 167", "DrawLine 10 170 130 170"},
                     true},
                    {"beyond both edges",
                     [](Graph& g) { g.DrawXUBar(100, 50, 400, 200); },
                     {"DrawLine 10 170 410 170"},
                     true},
                    {"both beyond the right edge", [](Graph& g) { g.DrawXUBar(500, 50, 10, 10); }, {}, true},
                    {"y out of range", [](Graph& g) { g.DrawXUBar(100, 300, 20, 30); }, {}, true},
                    {"minus not a number", [](Graph& g) { g.DrawXUBar(100, 50, 20, kNaN); }, {}, true},
                    {"x not a number", [](Graph& g) { g.DrawXUBar(kNaN, 50, 20, 30); }, {}, true},
                });
}

TEST_F(Primitives, VerticalErrorBars) {
    ExpectCases(g, target,
                {
                    {"inside",
                     [](Graph& g) { g.DrawYUBar(100, 50, 20, 30); },
                     {"DrawLine 113 200 107 200", "DrawLine 113 150 107 150", "DrawLine 110 200 110 150"},
                     false},
                    {"beyond the bottom edge",
                     [](Graph& g) { g.DrawYUBar(100, 50, 20, 100); },
                     {"DrawLine 113 150 107 150", "DrawLine 110 220 110 150"},
                     true},
                    {"beyond both edges",
                     [](Graph& g) { g.DrawYUBar(100, 50, 200, 100); },
                     {"DrawLine 110 220 110 20"},
                     true},
                    {"both beyond the top edge", [](Graph& g) { g.DrawYUBar(100, 300, 10, 10); }, {}, true},
                    {"x out of range", [](Graph& g) { g.DrawYUBar(-5, 50, 20, 30); }, {}, true},
                    {"plus not a number", [](Graph& g) { g.DrawYUBar(100, 50, kNaN, 30); }, {}, true},
                });
}

// ---- Vectors ----

TEST_F(Primitives, VectorHeadsByPixelLength) {
    ExpectCases(g, target,
                {
                    {"2 pixels: nothing", [](Graph& g) { g.DrawVector(100, 50, 2, 0); }, {}, false},
                    {"10 pixels: bare shaft",
                     [](Graph& g) { g.DrawVector(100, 50, 6, 8); },
                     {"DrawLine 110 170 116 162"},
                     false},
                    {"20 pixels: head half its length",
                     [](Graph& g) { g.DrawVector(100, 50, 12, 16); },
                     {"DrawLine 110 170 122 154", "FillPolygon 122 154 112 159 120 165"},
                     false},
                    {"25 pixels: head 10 long",
                     [](Graph& g) { g.DrawVector(100, 50, 15, 20); },
                     {"DrawLine 110 170 125 150", "FillPolygon 125 150 115 155 123 161"},
                     false},
                    {"50 pixels: head 10 long",
                     [](Graph& g) { g.DrawVector(100, 50, 30, 40); },
                     {"DrawLine 110 170 140 130", "FillPolygon 140 130 130 135 138 141"},
                     false},
                    {"tip outside: nothing", [](Graph& g) { g.DrawVector(100, 50, 400, 0); }, {}, true},
                    {"tail outside: head only",
                     [](Graph& g) { g.DrawVector(-50, 50, 100, 0); },
                     {"FillPolygon 60 170 50 165 50 175"},
                     true},
                    {"not a number", [](Graph& g) { g.DrawVector(100, 50, kNaN, 10); }, {}, true},
                });
}

// Two pixels a unit make the pixel length of a vector from far outside the range overflow: the head
// then has no direction and is left out rather than drawn from a non-number.
TEST_F(Primitives, VectorWhosePixelLengthOverflowsDrawsNoHead) {
    g.XMax = 200;
    g.XVtoPix = 2;
    EXPECT_TRUE(Drawn([&] { g.DrawVector(-1.5e308, 50, 1.5e308, 0); }).empty());
    EXPECT_TRUE(g.RErr);
}

// ---- Curves ----

TEST_F(Primitives, CurveThroughAPointOutOfRangeResumesFromTheClampedEdge) {
    target.Clear();
    g.RErr = false;
    g.CurveStart(0, 0);
    g.CurveTo(100, 50);
    g.CurveTo(500, 60);
    EXPECT_EQ(410, g.PrevCurvH);
    EXPECT_EQ(160, g.PrevCurvV);
    g.CurveTo(200, 100);
    EXPECT_EQ((Ops{"DrawLine 10 220 110 170", "DrawLine 410 160 210 120"}), target.Ops());
    EXPECT_TRUE(g.RErr);
}

TEST_F(Primitives, CurveStartRecordsAClampedStartAndTheRangeError) {
    EXPECT_TRUE(Drawn([&] { g.CurveStart(-10, 300); }).empty());
    EXPECT_TRUE(g.RErr);
    EXPECT_EQ(Ops{"DrawLine 10 20 110 170"}, Drawn([&] { g.CurveTo(100, 50); }));
}

TEST_F(Primitives, CurveToWithoutAStartBeginsAtTheFrameOrigin) {
    EXPECT_EQ(Ops{"DrawLine 0 0 110 170"}, Drawn([&] { g.CurveTo(100, 50); }));
}

TEST_F(Primitives, CurveToANonNumberDrawsNothingToIt) {
    g.CurveStart(0, 0);
    EXPECT_TRUE(Drawn([&] { g.CurveTo(100, kNaN); }).empty());
    EXPECT_TRUE(g.RErr);
    EXPECT_EQ(110, g.PrevCurvH);
    EXPECT_EQ(220, g.PrevCurvV);
}

// ---- The range error across calls ----

TEST_F(Primitives, RangeErrorIsStickyAndNeverSetByInRangeDrawing) {
    const std::vector<std::pair<const char*, std::function<void()>>> inRange{
        {"DrawLine", [&] { g.DrawLine(1, 1, 2, 2); }},
        {"DrawPoint", [&] { g.DrawPoint(1, 1); }},
        {"DrawShape", [&] { g.DrawShape(1, 1, 4); }},
        {"DrawBar", [&] { g.DrawBar(50, 50, 10); }},
        {"DrawXUBar", [&] { g.DrawXUBar(50, 50, 1, 1); }},
        {"DrawYUBar", [&] { g.DrawYUBar(50, 50, 1, 1); }},
        {"DrawVector", [&] { g.DrawVector(50, 50, 30, 40); }},
        {"CurveStart", [&] { g.CurveStart(1, 1); }},
        {"CurveTo", [&] { g.CurveTo(2, 2); }},
    };
    for (const auto& [name, draw] : inRange) {
        SCOPED_TRACE(name);
        for (bool entry : {false, true}) {
            Drawn(draw, entry);
            EXPECT_EQ(entry, g.RErr);
        }
    }
}

TEST_F(Primitives, PrimitivesRaiseBeforeTheGraphIsDefined) {
    g.GWidth = 0;
    g.GHeight = 0;
    EXPECT_THROW(g.DrawLine(1, 1, 2, 2), GraphError);
    EXPECT_THROW(g.DrawBar(1, 1, 1), GraphError);
    EXPECT_THROW(g.CurveTo(1, 1), GraphError);
    EXPECT_TRUE(target.Ops().empty());
}

} // namespace
