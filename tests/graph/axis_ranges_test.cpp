// Axis ranges and the mapping: option flags, the 1-2-5 steps, the definition of one axis, the
// layout of the graph rectangle, the equal-scale plot, and data to pixels and back.

#include "tests/graph/opened_graph.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

namespace {

using namespace testing_graph;

// ---- Option flags and the 1-2-5 sequence ----

// The other option bits are kept, and bits above them cleared.
TEST(AxisFlags, TickSpacingIsHeldBetween3And31) {
    for (const auto& [asked, stored] : {std::pair(0, 3), {-5, 3}, {3, 3}, {12, 12}, {31, 31}, {100, 31}}) {
        Graph g;
        g.XFlags = 231;
        g.YFlags = 0x1E0 | 0x3E00;
        g.SetXTixPix(asked);
        g.SetYTixPix(asked);
        EXPECT_EQ(std::tuple(g.XFlags, g.YFlags), std::tuple(224 | stored, 0x1E0 | stored)) << asked;
    }
}

TEST(TickSize, FollowsOneTwoFiveWithMathematicalFloorAndModWithoutOverflow) {
    const std::pair<std::int32_t, double> cases[] = {{0, 1},    {1, 2},     {2, 5},     {3, 10},
                                                     {4, 20},   {7, 200},   {-1, 0.5},  {-2, 0.2},
                                                     {-3, 0.1}, {-4, 0.05}, {-5, 0.02}, {-6, 0.01}};
    Graph g;
    for (const auto& [index, step] : cases)
        EXPECT_DOUBLE_EQ(g.zTickSize(index), step) << index;
    EXPECT_EQ(g.zTickSize(std::numeric_limits<std::int32_t>::min()), 0.0);
    EXPECT_EQ(g.zTickSize(std::numeric_limits<std::int32_t>::max()), kInf);
}

// ---- Defining one axis ----

class AxisDefinition : public ::testing::Test {
protected:
    AxisDefinition() {
        g.InvLog10 = 1 / std::log(10.0);
        g.XFlags = g.YFlags = 231;
        g.GWidth = g.GHeight = 450;
    }
    Graph g;
};

// On 450 pixels with spacing 7. Minor steps by index: -5 is 0.02 (major 0.1), -4 is 0.05 (major 0.2),
// -3 is 0.1 (major 0.5), -2 is 0.2 (major 1), -1 is 0.5 (major 2, here in thousands).
TEST_F(AxisDefinition, ChoosesPowerStepAndAdjustedRange) {
    // The requested range and adjust, then the power, tick index, range and pixels per unit.
    const std::tuple<const char*, double, double, bool, std::int32_t, std::int32_t, double, double, double>
        cases[] = {{"0 to 1", 0, 1, true, 0, -5, 0, 1, 450},
                   {"widens to whole major steps", 0.6, 9.7, true, 0, -2, 0, 10, 45},
                   {"0.97 moves up onto the tick at 1", 0.97, 10, true, 0, -2, 1, 10, 50},
                   {"10.02 moves down onto the tick at 10", 0, 10.02, true, 0, -2, 0, 10, 45},
                   {"thousands", 0, 20000, true, 3, -1, 0, 20000, 0.0225},
                   {"thousandths", 0.001, 0.005, true, -3, -3, 0.001, 0.005, 112500},
                   {"adjust off keeps the range", 0.3, 9.7, false, 0, -2, 0.3, 9.7, 450 / 9.4},
                   // 3 log10(1.6 x 7 / 450) = -4.81: less 0.15, its ceiling is -4.
                   {"0 to 1.6", 0, 1.6, true, 0, -4, 0, 1.6, 281.25},
                   // Requested, 1.53 wide, gives index -5; the adjusted 1.6 would give -4.
                   {"tick index from the requested range", 0.01, 1.54, true, 0, -5, 0, 1.6, 281.25}};
    for (const auto& [name, lo, hi, adjust, power, tickN, min, max, vToPix] : cases) {
        SCOPED_TRACE(name);
        g.SetXAdjust(adjust);
        g.zDefineXAxis(lo, hi);
        EXPECT_EQ(std::tuple(g.XTPower, g.XTickN), std::tuple(power, tickN));
        EXPECT_DOUBLE_EQ(g.XMin, min);
        EXPECT_DOUBLE_EQ(g.XMax, max);
        EXPECT_DOUBLE_EQ(g.XVtoPix, vToPix);
    }
    // y has its own extent and flags: ceil(3 log10(2 x 20 / 200) - 0.15) = -2.
    g.GHeight = 200;
    g.SetYAdjust(false);
    g.SetYTixPix(20);
    g.zDefineYAxis(-1, 1);
    EXPECT_EQ(std::tuple(g.YTickN, g.YMin, g.YMax, g.YVToPix), std::tuple(-2, -1.0, 1.0, 100.0));
}

TEST_F(AxisDefinition, RefusalsNameTheOperationAndLeaveTheAxisUnchanged) {
    g.zDefineXAxis(0, 1);
    const std::tuple<double, double, std::string> cases[] = {
        {1, 1, "zDefineXAxis: x axis range is 0"},
        {2, 1, "zDefineXAxis: x axis range is -1"},
        {kNaN, 1, "zDefineXAxis: x axis range is NaN"},
        {-1e308, 1e308, "zDefineXAxis: x axis range is INF"},
        {-8.9e307, 8.9e307,
         "zDefineXAxis: x axis from -8.9e+307 to 8.9e+307 is too wide or too narrow to scale."},
        {0, 1e-320, "zDefineXAxis: x axis from 0 to 1e-320 is too wide or too narrow to scale."},
        {1e12, 1e12 + 1,
         "zDefineXAxis: x axis from 1e+12 to 1000000000001 is too narrow for its distance from zero."},
    };
    for (const auto& [lo, hi, message] : cases) {
        EXPECT_EQ(GraphErrorOf([&] { g.zDefineXAxis(lo, hi); }), message);
        EXPECT_EQ(std::tuple(g.XMin, g.XMax, g.XTickN, g.XVtoPix), std::tuple(0.0, 1.0, -5, 450.0));
    }
    g.GWidth = 0;
    g.GHeight = -3;
    EXPECT_EQ(GraphErrorOf([&] { g.zDefineXAxis(1, 1); }), "zDefineXAxis: Graph Width is undefined.");
    EXPECT_EQ(GraphErrorOf([&] { g.zDefineYAxis(1, -1); }), "zDefineYAxis: Graph Height is undefined.");
}

// ---- Layout of the graph rectangle ----

TEST(GraphRectangle, MarginsFollowTitleLabelsAndTicks) {
    // Fixed metrics: a title or label "ab" at size 12 is 12 high, "abc" is 21 wide; y tick labels
    // "0.0" and "1.0" in Helvetica 9 are 16 wide. Then the rectangle's top, left, height and width.
    const std::tuple<const char*, const char*, const char*, bool, std::int32_t, std::int32_t, std::int32_t,
                     std::int32_t>
        cases[] = {{"", "", "", false, 16, 16, 400 - 16 - 16, 500 - 16 - 16},
                   {"", "", "", true, 16, 16 + 24, 400 - 16 - 22, 500 - 40 - 16},
                   {"", "ab", "abc", false, 16, 21 + 16, 400 - 16 - 28, 500 - 37 - 16},
                   {"T", "ab", "abc", true, 12 + 16, 21 + 16 + 24, 400 - 28 - 42, 500 - 61 - 16}};
    for (const auto& [title, xLabel, yLabel, ticks, top, left, height, width] : cases) {
        SCOPED_TRACE(::testing::Message() << title << "|" << xLabel << "|" << yLabel << "|" << ticks);
        OpenedGraph opened(500, 400);
        Graph& g = opened.graph;
        g.SetTitle(title);
        g.SetXLabel(xLabel);
        g.SetYLabel(yLabel);
        SetAllTicks(g, ticks);
        g.DefineGraph(0, 1, 0, 1);
        EXPECT_EQ(std::tuple(g.GTop, g.GLeft, g.GHeight, g.GWidth), std::tuple(top, left, height, width));
    }
}

TEST(GraphRectangle, RefusedDefinitionDrawsNothing) {
    // The frame's size, the y range, the message.
    const std::tuple<int, int, double, double, std::string> cases[] = {
        {300, 137, 0, 1, "zDefineGRect: Graph is not tall enough."},
        // y labels "-1.0" and "1.0": 155 - 45 - 16 = 94 wide, with y already defined.
        {155, 300, -1, 1, "zDefineGRect: Graph too small."},
        {500, 400, 1, 1, "zDefineYAxis: y axis range is 0"}};
    for (const auto& [width, height, yMin, yMax, message] : cases) {
        OpenedGraph opened(width, height);
        Graph& g = opened.graph;
        opened.Frame().Clear();
        EXPECT_EQ(GraphErrorOf([&] { g.DefineGraph(0, 1, yMin, yMax); }), message);
        EXPECT_TRUE(opened.Frame().Calls().empty()) << message;
        EXPECT_EQ(g.GWidth, 0) << message;
        if (message.starts_with("zDefineGRect")) {
            EXPECT_EQ(std::tuple(g.GLeft, g.GTop, g.GHeight), std::tuple(0, 0, 0)) << message;
        }
    }
    OpenedGraph fits(300, 138);
    fits.graph.DefineGraph(0, 1, 0, 1);
    EXPECT_EQ(fits.graph.GHeight, 100);
}

// ---- The equal-scale plot ----

// The axis with more pixels a unit is redefined for the other's scale, and the rectangle shrinks
// along it about its centre. The frame rectangle is drawn with the rectangle's own size.
TEST(EqualScale, MatchesTheFinerAxisToTheCoarserAroundTheRectanglesCentre) {
    const struct {
        const char* name;
        int frameWidth, frameHeight;
        double min, max, xMin, xMax, yMin, yMax;
        std::int32_t left, top, width, height;
        double scale;
    } cases[] = {
        // 300 x 200 at (45, 16): x, at 150, is redefined for -0.75 to 0.75 and adjusted to -0.8 to 0.8.
        {"x narrowed about zero", 45 + 300 + 16, 16 + 200 + 22, -1, 1, -0.8, 0.8, -1, 1, 45 + 70, 16, 160,
         200, 100},
        // 195 x 500: y, at 250, is redefined for -1.28 to 1.28 and adjusted to -1.4 to 1.4; the
        // rectangle becomes trunc(97.5 x 2.8) = 273 high, 114 rows lower.
        {"y narrowed about zero", 256, 538, -1, 1, -1, 1, -1.4, 1.4, 45, 16 + 114, 195, 273, 97.5},
        // Scales less than twice apart narrow no range on one side of zero. 350 x 262 at (34, 16):
        // x, at 350 / 6, keeps 5 to 11 at 262 / 6 and is 262 wide, 44 columns further right.
        {"x from 5 to 11 kept", 400, 300, 5, 11, 5, 11, 5, 11, 34 + 44, 16, 262, 262, 262 / 6.0},
        // 250 x 262: y, at 262 / 6, keeps 5 to 11 at 250 / 6 and is 250 high, 6 rows lower.
        {"y from 5 to 11 kept", 300, 300, 5, 11, 5, 11, 5, 11, 34, 16 + 6, 250, 250, 250 / 6.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenedGraph opened(c.frameWidth, c.frameHeight);
        Graph& g = opened.graph;
        g.DefSqGraph(c.min, c.max);
        EXPECT_DOUBLE_EQ(g.XMin, c.xMin);
        EXPECT_DOUBLE_EQ(g.XMax, c.xMax);
        EXPECT_DOUBLE_EQ(g.YMin, c.yMin);
        EXPECT_DOUBLE_EQ(g.YMax, c.yMax);
        EXPECT_EQ(std::tuple(g.XVtoPix, g.YVToPix), std::tuple(c.scale, c.scale));
        EXPECT_EQ(std::tuple(g.GLeft, g.GTop, g.GWidth, g.GHeight),
                  std::tuple(c.left, c.top, c.width, c.height));
        EXPECT_EQ(opened.Frame().Ops("DrawRect"),
                  Ops{"DrawRect " + std::to_string(c.left) + " " + std::to_string(c.top) + " " +
                      std::to_string(c.width) + " " + std::to_string(c.height)});
    }
}

// Ends far from zero widen x by their own magnitude, far beyond the scale of y; the rectangle is
// narrowed back until the scales match, adjusted or not, and never grows.
TEST(EqualScale, RangeAwayFromZeroNeverGrowsTheRectangle) {
    for (const auto& [min, max, adjust] :
         {std::tuple(10.0, 11.0, true), {10.0, 11.0, false}, {1000.0, 1001.0, true}, {1e6, 1e6 + 1, false}}) {
        SCOPED_TRACE(::testing::Message() << min << (adjust ? " adjusted" : ""));
        OpenedGraph opened(1000, 300);
        Graph& g = opened.graph;
        g.SetXAdjust(adjust);
        g.SetYAdjust(adjust);
        g.DefSqGraph(min, max);
        EXPECT_GT(g.GWidth, 0);
        EXPECT_GE(g.GLeft, 16);
        EXPECT_LE(g.GLeft + g.GWidth, 1000 - 16);
        EXPECT_LE(g.XVtoPix * (g.XMax - g.XMin), g.GWidth + 1);
    }
}

// ---- Data to pixels and back ----

// The graph rectangle is 450 x 200 at (40, 16).
class Mapping : public ::testing::Test {
protected:
    Mapping() {
        g.GLeft = 40;
        g.GTop = 16;
        g.GWidth = 450;
        g.GHeight = 200;
    }
    void SetRange(char axis, double min, double max) {
        (axis == 'x' ? g.XMin : g.YMin) = min;
        (axis == 'x' ? g.XMax : g.YMax) = max;
        (axis == 'x' ? g.XVtoPix : g.YVToPix) = (axis == 'x' ? g.GWidth : g.GHeight) / (max - min);
    }
    Graph g;
};

TEST_F(Mapping, ValuesGoToTheNearestPixelWithAHundredThousandthOfEachEndTolerated) {
    // name, axis, its range, the value, then its pixel and whether it is out of range.
    const std::tuple<const char*, char, double, double, double, std::int32_t, bool> cases[] = {
        {"just below, within", 'x', 1, 2, 1 - 0.000009, 40, false},
        {"beyond below", 'x', 1, 2, 1 - 0.000011, 40, true},
        {"just above, within", 'x', 1, 2, 2 + 0.000019, 490, false},
        {"beyond above", 'x', 1, 2, 2 + 0.000021, 490, true},
        {"rounds up to nearest", 'x', 1, 2, 1 + 1.6 / 450, 42, false},
        {"rounds down to nearest", 'x', 1, 2, 1 + 1.4 / 450, 41, false},
        {"not a number", 'x', 1, 2, kNaN, 40, true},
        {"an end of zero has no tolerance", 'x', 0, 1, -1e-300, 40, true},
        // Far from zero the tolerance spans pixels; a value within it stays on the edge.
        {"far above, within", 'x', 1000, 1001, 1001.009, 490, false},
        {"far below, within", 'x', 1000, 1001, 999.991, 40, false},
        {"y zero", 'y', -1, 1, 0, 116, false},
        {"y above", 'y', -1, 1, 1.01, 16, true},
    };
    for (const auto& [name, axis, min, max, value, pixel, outOfRange] : cases) {
        SetRange(axis, min, max);
        g.RErr = false;
        EXPECT_EQ(axis == 'x' ? g.XCoord(value) : g.YCoord(value), pixel) << name;
        EXPECT_EQ(g.RErr, outOfRange) << name;
    }
}

TEST_F(Mapping, InverseExcludesAnEndWhoseToleranceIsZero) {
    // name, axis, its range, the pixel, then its value and whether it is out of range.
    const std::tuple<const char*, char, double, double, std::int32_t, double, bool> cases[] = {
        {"XMin 0 at its column", 'x', 0, 1, 40, 0, true},
        {"XMax 1 at its column", 'x', 0, 1, 490, 1, false},
        {"inside", 'x', 0, 1, 85, 0.1, false},
        {"right of the rectangle", 'x', 0, 1, 491, 0, true},
        {"XMin 1 at its column", 'x', 1, 2, 40, 1, false},
        {"rows count up from the bottom", 'y', 0, 2, 116, 1, false},
        {"YMin 0 at the bottom row", 'y', 0, 2, 216, 0, true},
    };
    for (const auto& [name, axis, min, max, pixel, value, outOfRange] : cases) {
        SetRange(axis, min, max);
        g.RErr = false;
        EXPECT_DOUBLE_EQ(axis == 'x' ? g.XToVal(pixel) : g.YToVal(pixel), value) << name;
        EXPECT_EQ(g.RErr, outOfRange) << name;
    }
}

TEST_F(Mapping, RangeErrorIsStickyAndEveryMappingRaisesBeforeTheGraphIsDefined) {
    SetRange('x', 0, 1);
    SetRange('y', -1, 1);
    g.RErr = false;
    g.XCoord(2);
    g.XCoord(0.5);
    g.YCoord(0);
    g.XToVal(100);
    EXPECT_TRUE(g.RErr);
    g.GWidth = g.GHeight = 0;
    EXPECT_EQ(GraphErrorOf([&] { g.XCoord(0); }), "XCoord: Graph not yet defined.");
    EXPECT_EQ(GraphErrorOf([&] { g.YCoord(0); }), "YCoord: Graph not yet defined.");
    EXPECT_EQ(GraphErrorOf([&] { g.XToVal(0); }), "XToVal: Graph is not defined.");
    EXPECT_EQ(GraphErrorOf([&] { g.YToVal(0); }), "YToVal: Graph is not defined.");
}

} // namespace
