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

TEST(AxisFlags, EachSetterSetsAndClearsOnlyItsBitAndTheSpacingIsHeldBetween3And31) {
    const std::tuple<void (Graph::*)(bool), std::int32_t Graph::*, std::int32_t> setters[] = {
        {&Graph::SetXAdjust, &Graph::XFlags, 32},  {&Graph::SetYAdjust, &Graph::YFlags, 32},
        {&Graph::SetXMajTix, &Graph::XFlags, 64},  {&Graph::SetYMajTix, &Graph::YFlags, 64},
        {&Graph::SetXMinTix, &Graph::XFlags, 128}, {&Graph::SetYMinTix, &Graph::YFlags, 128},
        {&Graph::SetXZeroLn, &Graph::XFlags, 256}, {&Graph::SetYZeroLn, &Graph::YFlags, 256}};
    for (const auto& [set, flags, bit] : setters) {
        Graph g;
        g.*flags = 0x1FF & ~bit;
        (g.*set)(true);
        EXPECT_EQ(g.*flags, 0x1FF) << bit << (flags == &Graph::XFlags ? " x" : " y");
        (g.*set)(false);
        EXPECT_EQ(g.*flags, 0x1FF & ~bit) << bit << (flags == &Graph::XFlags ? " x" : " y");
    }
    const std::pair<std::int32_t, std::int32_t> spacings[] = {{0, 3},   {-5, 3},  {3, 3},
                                                              {12, 12}, {31, 31}, {100, 31}};
    for (const auto& [asked, stored] : spacings) {
        Graph g;
        g.XFlags = 231;
        g.YFlags = 0x1E0 | 0x3E00; // option bits, and bits above them that the setter clears
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
    // name, requested range, adjust, then power, tick index, range and pixels per unit.
    const std::tuple<const char*, double, double, bool, std::int32_t, std::int32_t, double, double, double>
        cases[] = {
            {"0 to 1", 0, 1, true, 0, -5, 0, 1, 450},
            {"0.3 to 9.7 widens to whole major steps", 0.3, 9.7, true, 0, -2, 0, 10, 45},
            {"0.97 to 10 moves up onto the tick at 1", 0.97, 10, true, 0, -2, 1, 10, 50},
            {"10.02 moves down onto the tick at 10", 0, 10.02, true, 0, -2, 0, 10, 45},
            {"0 to 20000 in thousands", 0, 20000, true, 3, -1, 0, 20000, 0.0225},
            {"0.001 to 0.005 in thousandths", 0.001, 0.005, true, -3, -3, 0.001, 0.005, 112500},
            {"adjust off keeps the range", 0.3, 9.7, false, 0, -2, 0.3, 9.7, 450 / 9.4},
            // 3 log10(1.6 x 7 / 450) = -4.81: less 0.15, its ceiling is -4.
            {"0 to 1.6", 0, 1.6, true, 0, -4, 0, 1.6, 281.25},
            // Requested, 1.53 wide, gives index -5; the adjusted 1.6 would give -4.
            {"tick index from the requested range", 0.01, 1.54, true, 0, -5, 0, 1.6, 281.25},
        };
    for (const auto& [name, lo, hi, adjust, power, tickN, min, max, vToPix] : cases) {
        SCOPED_TRACE(name);
        g.SetXAdjust(adjust);
        g.zDefineXAxis(lo, hi);
        EXPECT_EQ(std::tuple(g.XTPower, g.XTickN), std::tuple(power, tickN));
        EXPECT_DOUBLE_EQ(g.XMin, min);
        EXPECT_DOUBLE_EQ(g.XMax, max);
        EXPECT_DOUBLE_EQ(g.XVtoPix, vToPix);
    }
}

TEST_F(AxisDefinition, YAxisUsesItsOwnHeightAndFlags) {
    g.GHeight = 200;
    g.SetYAdjust(false);
    g.SetYTixPix(20);
    g.zDefineYAxis(-1, 1);
    // ceil(3 log10(2 x 20 / 200) - 0.15) = -2
    EXPECT_EQ(std::tuple(g.YTickN, g.YMin, g.YMax, g.YVToPix, g.XVtoPix),
              std::tuple(-2, -1.0, 1.0, 100.0, 0.0));
}

TEST_F(AxisDefinition, RefusalsNameTheOperationAndLeaveTheAxisUnchanged) {
    g.zDefineXAxis(0, 1);
    const std::tuple<double, double, std::string> cases[] = {
        {1, 1, "zDefineXAxis: x axis range is 0"},
        {2, 1, "zDefineXAxis: x axis range is -1"},
        {kNaN, 1, "zDefineXAxis: x axis range is NaN"},
        {0, kInf, "zDefineXAxis: x axis range is INF"},
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
    // "0.0" and "1.0" in Helvetica 9 are 16 wide.
    // title, x label, y label, ticks, then the rectangle's top, left, height and width.
    const std::tuple<const char*, const char*, const char*, bool, std::int32_t, std::int32_t, std::int32_t,
                     std::int32_t>
        cases[] = {
            {"", "", "", false, 16, 16, 400 - 16 - 16, 500 - 16 - 16},
            {"", "", "", true, 16, 16 + 24, 400 - 16 - 22, 500 - 40 - 16},
            {"", "ab", "abc", false, 16, 21 + 16, 400 - 16 - 28, 500 - 37 - 16},
            {"T", "ab", "abc", true, 12 + 16, 21 + 16 + 24, 400 - 28 - 42, 500 - 61 - 16},
        };
    for (const auto& [title, xLabel, yLabel, ticks, top, left, height, width] : cases) {
        OpenedGraph opened(500, 400);
        Graph& g = opened.graph;
        g.SetTitle(title);
        g.SetXLabel(xLabel);
        g.SetYLabel(yLabel);
        g.SetXMajTix(ticks);
        g.SetXMinTix(ticks);
        g.SetYMajTix(ticks);
        g.SetYMinTix(ticks);
        g.DefineGraph(0, 1, 0, 1);
        EXPECT_EQ(std::tuple(g.GTop, g.GLeft, g.GHeight, g.GWidth), std::tuple(top, left, height, width))
            << title << "|" << xLabel << "|" << yLabel << "|" << ticks;
    }
}

TEST(GraphRectangle, RefusedDefinitionDrawsNothing) {
    // The frame's size, the y range, the message.
    const std::tuple<int, int, double, double, std::string> cases[] = {
        {300, 137, 0, 1, "zDefineGRect: Graph is not tall enough."},
        // y labels "-1.0" and "1.0": 155 - 45 - 16 = 94 wide, with y already defined.
        {155, 300, -1, 1, "zDefineGRect: Graph too small."},
        {500, 400, 1, 1, "zDefineYAxis: y axis range is 0"},
        {500, 400, 1e12, 1e12 + 1,
         "zDefineYAxis: y axis from 1e+12 to 1000000000001 is too narrow for its distance from zero."}};
    for (const auto& [width, height, yMin, yMax, message] : cases) {
        OpenedGraph opened(width, height);
        Graph& g = opened.graph;
        EXPECT_EQ(GraphErrorOf([&] { g.DefineGraph(0, 1, yMin, yMax); }), message);
        EXPECT_TRUE(opened.Frame().Ops("DrawRect").empty()) << message;
        EXPECT_TRUE(opened.Frame().Ops("DrawLine").empty()) << message;
        EXPECT_EQ(g.GWidth, 0) << message;
        if (message.starts_with("zDefineGRect")) {
            EXPECT_EQ(std::tuple(g.GLeft, g.GTop, g.GHeight), std::tuple(0, 0, 0)) << message;
        }
    }
    OpenedGraph fits(300, 150);
    fits.graph.DefineGraph(0, 1, 0, 1);
    EXPECT_EQ(fits.graph.GHeight, 112);
}

// ---- The equal-scale plot ----

TEST(EqualScale, NarrowsTheAxisWithMorePixelsAUnitAroundTheRectanglesCentre) {
    // The frame's size, the ranges, the rectangle's left, top, width and height, pixels per unit.
    const std::tuple<int, int, double, double, double, double, std::int32_t, std::int32_t, std::int32_t,
                     std::int32_t, double>
        cases[] = {
            // 300 x 200 for -1 to 1 at (45, 16): x is redefined for -0.8 to 0.8 at 100 pixels a unit.
            {45 + 300 + 16, 16 + 200 + 22, -0.8, 0.8, -1, 1, 45 + 70, 16, 160, 200, 100},
            // 195 x 500: y, at 250, is redefined for -1.28 to 1.28 and adjusted to -1.4 to 1.4; the
            // rectangle becomes trunc(97.5 x 2.8) = 273 high, 114 rows lower.
            {256, 538, -1, 1, -1.4, 1.4, 45, 16 + 114, 195, 273, 97.5},
        };
    for (const auto& [frameWidth, frameHeight, xMin, xMax, yMin, yMax, left, top, width, height, scale] :
         cases) {
        SCOPED_TRACE(frameWidth);
        OpenedGraph opened(frameWidth, frameHeight);
        Graph& g = opened.graph;
        g.DefSqGraph(-1, 1);
        EXPECT_DOUBLE_EQ(g.XMin, xMin);
        EXPECT_DOUBLE_EQ(g.XMax, xMax);
        EXPECT_DOUBLE_EQ(g.YMin, yMin);
        EXPECT_DOUBLE_EQ(g.YMax, yMax);
        EXPECT_EQ(std::tuple(g.XVtoPix, g.YVToPix), std::tuple(scale, scale));
        EXPECT_EQ(opened.Frame().Ops("DrawRect"),
                  Ops{"DrawRect " + std::to_string(left) + " " + std::to_string(top) + " " +
                      std::to_string(width) + " " + std::to_string(height)});
    }
}

// Ends far from zero widen x by their own magnitude, far beyond the scale of y; the rectangle is
// narrowed back until the scales match, adjusted or not, and never grows.
TEST(EqualScale, RangeAwayFromZeroNeverGrowsTheRectangle) {
    const std::tuple<double, double, bool> cases[] = {
        {10, 11, true}, {10, 11, false}, {1000, 1001, true}, {1e6, 1e6 + 1, false}};
    for (const auto& [min, max, adjust] : cases) {
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
    void SetRanges(char axis, double min, double max) {
        (axis == 'x' ? g.XMin : g.YMin) = min;
        (axis == 'x' ? g.XMax : g.YMax) = max;
        (axis == 'x' ? g.XVtoPix : g.YVToPix) = (axis == 'x' ? g.GWidth : g.GHeight) / (max - min);
    }
    Graph g;
};

TEST_F(Mapping, ValuesGoToTheNearestPixelWithAHundredThousandthOfEachEndTolerated) {
    // name, axis, its range, the value, then its pixel and whether it is out of range.
    const std::tuple<const char*, char, double, double, double, std::int32_t, bool> cases[] = {
        {"lower end", 'x', 1, 2, 1, 40, false},
        {"just below, within", 'x', 1, 2, 1 - 0.000009, 40, false},
        {"beyond below", 'x', 1, 2, 1 - 0.000011, 40, true},
        {"middle", 'x', 1, 2, 1.5, 265, false},
        {"upper end", 'x', 1, 2, 2, 490, false},
        {"just above, within", 'x', 1, 2, 2 + 0.000019, 490, false},
        {"beyond above", 'x', 1, 2, 2 + 0.000021, 490, true},
        {"rounds up to nearest", 'x', 1, 2, 1 + 1.6 / 450, 42, false},
        {"rounds down to nearest", 'x', 1, 2, 1 + 1.4 / 450, 41, false},
        {"x not a number", 'x', 1, 2, kNaN, 40, true},
        {"x plus infinity", 'x', 1, 2, kInf, 490, true},
        {"an end of zero has no tolerance", 'x', 0, 1, -1e-300, 40, true},
        // Far from zero the tolerance spans pixels; a value within it stays on the edge.
        {"far above, within", 'x', 1000, 1001, 1001.009, 490, false},
        {"far below, within", 'x', 1000, 1001, 999.991, 40, false},
        {"y top", 'y', -1, 1, 1, 16, false},
        {"y zero", 'y', -1, 1, 0, 116, false},
        {"y above", 'y', -1, 1, 1.01, 16, true},
        {"y not a number", 'y', -1, 1, kNaN, 216, true},
        {"y plus infinity", 'y', -1, 1, kInf, 16, true},
    };
    for (const auto& [name, axis, min, max, value, pixel, outOfRange] : cases) {
        SetRanges(axis, min, max);
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
        {"left of the rectangle", 'x', 0, 1, 39, 0, true},
        {"right of the rectangle", 'x', 0, 1, 491, 0, true},
        {"XMin 1 at its column", 'x', 1, 2, 40, 1, false},
        {"extreme column", 'x', 0, 1, std::numeric_limits<std::int32_t>::min(), 0, true},
        {"rows count up from the bottom", 'y', 0, 2, 116, 1, false},
        {"YMax at the top row", 'y', 0, 2, 16, 2, false},
        {"YMin 0 at the bottom row", 'y', 0, 2, 216, 0, true},
    };
    for (const auto& [name, axis, min, max, pixel, value, outOfRange] : cases) {
        SetRanges(axis, min, max);
        g.RErr = false;
        EXPECT_DOUBLE_EQ(axis == 'x' ? g.XToVal(pixel) : g.YToVal(pixel), value) << name;
        EXPECT_EQ(g.RErr, outOfRange) << name;
    }
}

TEST_F(Mapping, RangeErrorIsStickyAndEveryMappingRaisesBeforeTheGraphIsDefined) {
    SetRanges('x', 0, 1);
    SetRanges('y', -1, 1);
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
