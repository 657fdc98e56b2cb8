// Plot primitives through the recording context, call by call, with the out-of-range flag.
//
// The graph rectangle is 400 x 200 at (10, 20) with one pixel a unit on both axes, x and y from 0:
// data (x, y) is pixel (10 + x, 220 - y).

#include "tests/graph/opened_graph.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

using namespace testing_graph;

using Draw = std::function<void(Graph&)>;

class Primitives : public ::testing::Test, protected RecordingTarget {
protected:
    Primitives() {
        graph.CBlack = kBlack;
        graph.GLeft = 10;
        graph.GTop = 20;
        graph.GWidth = 400;
        graph.GHeight = 200;
        SetYRange(0, 200);
        graph.XMax = 400;
        graph.XVtoPix = 1;
    }

    void SetYRange(double min, double max) {
        graph.YMin = min;
        graph.YMax = max;
        graph.YVToPix = graph.GHeight / (max - min);
    }

    // The calls of one drawing made with RErr `entry` before it.
    Ops Drawn(const Draw& draw, bool entry = false) {
        target.Clear();
        graph.RErr = entry;
        draw(graph);
        return target.Ops();
    }

    // Each case: what it is, the drawing, its calls, and whether it met a value out of range.
    void ExpectCases(const std::vector<std::tuple<const char*, Draw, Ops, bool>>& cases) {
        for (const auto& [name, draw, ops, outOfRange] : cases) {
            EXPECT_EQ(Drawn(draw), ops) << name;
            EXPECT_EQ(graph.RErr, outOfRange) << name;
        }
    }

    template <class... Args>
    static Draw Bind(void (Graph::*primitive)(Args...), std::type_identity_t<Args>... args) {
        return [=](Graph& g) { (g.*primitive)(args...); };
    }
    static Draw Line(double a, double b, double c, double d) { return Bind(&Graph::DrawLine, a, b, c, d); }
    static Draw Point(double x, double y) { return Bind(&Graph::DrawPoint, x, y); }
    static Draw Shape(double x, double y, int shape) { return Bind(&Graph::DrawShape, x, y, shape); }
    static Draw Bar(double x, double y, double width) { return Bind(&Graph::DrawBar, x, y, width); }
    static Draw XU(double x, double y, double p, double m) { return Bind(&Graph::DrawXUBar, x, y, p, m); }
    static Draw YU(double x, double y, double p, double m) { return Bind(&Graph::DrawYUBar, x, y, p, m); }
    static Draw Vector(double a, double b, double c, double d) {
        return Bind(&Graph::DrawVector, a, b, c, d);
    }
    static Draw CurveStart(double x, double y) { return Bind(&Graph::CurveStart, x, y); }
    static Draw CurveTo(double x, double y) { return Bind(&Graph::CurveTo, x, y); }
};

TEST_F(Primitives, LinesAndPointsAreDrawnOnlyWithEveryEndInRange) {
    ExpectCases({
        {"inside", Line(10, 10, 100, 50), {"DrawLine 20 210 110 170"}, false},
        {"on the axis ends", Line(0, 0, 400, 200), {"DrawLine 10 220 410 20"}, false},
        {"x just beyond the tolerance of 0.004", Line(10, 10, 400.005, 50), {}, true},
        {"y just below", Line(10, -0.001, 100, 50), {}, true},
        {"point: a dot 5 across on the corner", Point(400, 200), {"FillOval 408 18 5 5"}, false},
        {"point outside", Point(-1, 5), {}, true},
    });
}

TEST_F(Primitives, EachMarkerAtPixel110_170) {
    const std::string diagonal[] = {"DrawLine 108 168 112 172", "DrawLine 108 172 112 168"};
    const std::string upright[] = {"DrawLine 110 167 110 173", "DrawLine 107 170 113 170"};
    const std::string dot = "FillOval 108 168 5 5", ring = "DrawOval 107 167 7 7";
    const std::pair<int, Ops> cases[] = {{0, {dot}},
                                         {1, {"DrawOval 108 168 5 5"}},
                                         {2, {"FillRect 108 168 5 5"}},
                                         {3, {"DrawRect 108 168 4 4"}},
                                         {4, {diagonal[0], diagonal[1]}},
                                         {5, {upright[0], upright[1]}},
                                         {6, {ring, diagonal[0], diagonal[1]}},
                                         {7, {ring, upright[0], upright[1]}},
                                         {8, {"FillPolygon 106 167 110 174 114 167"}},
                                         {9, {"DrawPolygon 107 168 110 173 113 168"}},
                                         {10, {dot}}};
    for (const auto& [shape, ops] : cases)
        EXPECT_EQ(Drawn(Shape(100, 50, shape)), ops) << shape;
    EXPECT_TRUE(Drawn(Shape(100, 250, 1)).empty());
    EXPECT_TRUE(graph.RErr);
}

TEST_F(Primitives, BarsAreClampedToTheRectangle) {
    ExpectCases({
        {"rising from the zero line", Bar(100, 50, 20), {"DrawRect 100 220 20 -50"}, false},
        {"narrower than a pixel", Bar(100, 50, 0.4), {}, false},
        {"on the zero line's row", Bar(100, 0.3, 20), {}, false},
        {"above the top", Bar(100, 500, 20), {"DrawRect 100 220 20 -200"}, true},
        {"over the right edge", Bar(395, 50, 20), {"DrawRect 395 220 15 -50"}, true},
        {"value not a number", Bar(100, kNaN, 20), {}, true},
        {"infinitely wide", Bar(100, 50, kInf), {"DrawRect 10 220 400 -50"}, true},
    });
    SetYRange(50, 250);
    EXPECT_EQ(Drawn(Bar(100, 100, 20)), Ops{"DrawRect 100 220 20 -50"}) << "zero below: from the bottom edge";
    EXPECT_TRUE(graph.RErr);
    // With zero inside the range, a non-number taken to the lower edge would make a bar down to it.
    SetYRange(-100, 100);
    EXPECT_TRUE(Drawn(Bar(100, kNaN, 20)).empty());
}

TEST_F(Primitives, BlackBarIsAnOutlineOtherColoursAreFilledAndOutlinedInBlack) {
    for (const auto& [color, ops, colors] :
         {std::tuple(kBlack, Ops{"DrawRect 100 220 20 -50"}, std::vector{kBlack}),
          {kRed, Ops{"FillRect 100 220 20 -50", "DrawRect 100 220 20 -50"}, std::vector{kRed, kBlack}}}) {
        graph.SetColor(color);
        EXPECT_EQ(Drawn(Bar(100, 50, 20)), ops);
        std::vector<tk::Color> drawnIn;
        for (const auto& call : target.Calls())
            drawnIn.push_back(call.color);
        EXPECT_EQ(drawnIn, colors);
        EXPECT_EQ(target.ForeColor(), color);
    }
}

// Caps 6 pixels across at each end within the rectangle, and the bar between, cut at the edges.
TEST_F(Primitives, ErrorBarsLeaveOutTheCapOfAnEndBeyondAnEdge) {
    const std::string x80 = "DrawLine 80 173 80 167", x130 = "DrawLine 130 173 130 167";
    const std::string y200 = "DrawLine 113 200 107 200", y150 = "DrawLine 113 150 107 150";
    ExpectCases({
        {"x inside", XU(100, 50, 20, 30), {x80, x130, "DrawLine 80 170 130 170"}, false},
        {"x beyond the left edge", XU(100, 50, 20, 200), {x130, "DrawLine 10 170 130 170"}, true},
        {"x beyond both edges", XU(100, 50, 400, 200), {"DrawLine 10 170 410 170"}, true},
        {"x both beyond the right edge", XU(500, 50, 10, 10), {}, true},
        {"x with y out of range", XU(100, 300, 20, 30), {}, true},
        {"x minus not a number", XU(100, 50, 20, kNaN), {}, true},
        {"y inside", YU(100, 50, 20, 30), {y200, y150, "DrawLine 110 200 110 150"}, false},
        {"y beyond the bottom edge", YU(100, 50, 20, 100), {y150, "DrawLine 110 220 110 150"}, true},
    });
}

// Nothing up to 2 pixels, a bare shaft up to 10, then a head half as long as the vector up to 20
// pixels and 10 pixels long beyond.
TEST_F(Primitives, VectorHeadsByPixelLength) {
    const std::string shaft20 = "DrawLine 110 170 122 154", shaft50 = "DrawLine 110 170 140 130";
    ExpectCases({
        {"2 pixels: nothing", Vector(100, 50, 2, 0), {}, false},
        {"10 pixels: bare shaft", Vector(100, 50, 6, 8), {"DrawLine 110 170 116 162"}, false},
        {"20 pixels", Vector(100, 50, 12, 16), {shaft20, "FillPolygon 122 154 112 159 120 165"}, false},
        {"50 pixels", Vector(100, 50, 30, 40), {shaft50, "FillPolygon 140 130 130 135 138 141"}, false},
        {"tip outside: nothing", Vector(100, 50, 400, 0), {}, true},
        {"tail outside: head only", Vector(-50, 50, 100, 0), {"FillPolygon 60 170 50 165 50 175"}, true},
        {"not a number", Vector(100, 50, kNaN, 10), {}, true},
    });
    // Two pixels a unit make the pixel length of a vector from far outside overflow: the head then
    // has no direction and is left out rather than drawn from a non-number.
    graph.XMax = 200;
    graph.XVtoPix = 2;
    EXPECT_TRUE(Drawn(Vector(-1.5e308, 50, 1.5e308, 0)).empty());
}

TEST_F(Primitives, CurveDrawsToEachPointInRangeFromThePreviousOneClamped) {
    ExpectCases({
        {"without a start: from the frame origin", CurveTo(100, 50), {"DrawLine 0 0 110 170"}, false},
        {"start out of range", CurveStart(-10, 300), {}, true},
        {"from the clamped start", CurveTo(100, 50), {"DrawLine 10 20 110 170"}, false},
        {"to a point out of range", CurveTo(500, 60), {}, true},
        {"from the clamped edge", CurveTo(200, 100), {"DrawLine 410 160 210 120"}, false},
        {"to a point not a number", CurveTo(100, kNaN), {}, true},
        {"from the bottom edge", CurveTo(200, 100), {"DrawLine 110 220 210 120"}, false},
    });
}

TEST_F(Primitives, RangeErrorIsStickyAndNeverSetByInRangeDrawing) {
    const Draw inRange[] = {Line(1, 1, 2, 2),       Point(1, 1),      Shape(1, 1, 4),
                            Bar(50, 50, 10),        XU(50, 50, 1, 1), YU(50, 50, 1, 1),
                            Vector(50, 50, 30, 40), CurveTo(2, 2),    CurveStart(1, 1)};
    for (std::size_t i = 0; i < std::size(inRange); ++i)
        for (bool entry : {false, true}) {
            Drawn(inRange[i], entry);
            EXPECT_EQ(graph.RErr, entry) << "drawing " << i;
        }
}

} // namespace
