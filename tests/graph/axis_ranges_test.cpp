// Axis ranges: option flags, the 1-2-5 steps, one axis, the graph rectangle, the equal-scale plot,
// and data to pixels and back.

#include "tests/graph/opened_graph.h"

#include <cmath>

using ::testing::DoubleEq;
using ::testing::Pointwise;
using Doubles = std::vector<double>;
using AxisRanges = GraphTest;

// On 450 pixels with spacing 7. Tick index -5 is a minor step of 0.02 (major 0.1), -4 of 0.05 (major
// 0.2), -3 of 0.1 (major 0.5), -2 of 0.2 (major 1), -1 of 0.5 (major 2, here in thousands).
TEST_F(AxisRanges, AnAxisGetsItsPowerStepAndRangeOrIsRefusedAndLeftAsItWas) {
    for (const auto& [asked, kept] : {std::pair(2, 3), {31, 31}, {32, 31}}) {
        g.XFlags = 0x3FFF; // the option bits stay; the old spacing and the bits above them go
        g.SetXTixPix(asked);
        EXPECT_EQ(g.XFlags, 0x1E0 | kept) << asked;
    }
    for (const auto& [index, step] : {std::pair(0, 1.0), {1, 2.0}, {2, 5.0}, {3, 10.0}, {-1, 0.5}, {-3, 0.1}})
        EXPECT_DOUBLE_EQ(g.zTickSize(index), step) << index;
    std::tie(g.InvLog10, g.XFlags, g.YFlags, g.GWidth, g.GHeight) =
        std::tuple(1 / std::log(10.0), 231, 231, 450, 450);
    // The requested range and adjust, then the power, tick index, range and pixels a unit.
    const std::tuple<double, double, bool, Doubles> cases[] = {
        {0, 1, true, {0, -5, 0, 1, 450}},
        {0.6, 9.7, true, {0, -2, 0, 10, 45}},
        {0.97, 10, true, {0, -2, 1, 10, 50}}, // within 5 % of a major step of the tick at 1
        {0, 10.02, true, {0, -2, 0, 10, 45}},
        {0, 20000, true, {3, -1, 0, 20000, 0.0225}},
        {0.001, 0.005, true, {-3, -3, 0.001, 0.005, 112500}},
        {0.3, 9.7, false, {0, -2, 0.3, 9.7, 450 / 9.4}},
        {0, 1.6, true, {0, -4, 0, 1.6, 281.25}},     // ceil(3 log10(1.6 x 7 / 450) - 0.15) = ceil(-4.96)
        {0.01, 1.54, true, {0, -5, 0, 1.6, 281.25}}, // the index is that of the requested 1.53, not 1.6
    };
    for (const auto& [lo, hi, adjust, defined] : cases) {
        g.SetXAdjust(adjust);
        g.zDefineXAxis(lo, hi);
        const Doubles axis{double(g.XTPower), double(g.XTickN), g.XMin, g.XMax, g.XVtoPix};
        EXPECT_THAT(axis, Pointwise(DoubleEq(), defined)) << lo << " " << hi;
    }
    const std::tuple<double, double, const char*> refused[] = {
        {1, 1, "range is 0"},
        {kNaN, 1, "range is NaN"},
        {-1e308, 1e308, "range is INF"},
        {-8.9e307, 8.9e307, "from -8.9e+307 to 8.9e+307 is too wide or too narrow to scale."},
        {0, 1e-320, "from 0 to 1e-320 is too wide or too narrow to scale."},
        {1e12, 1e12 + 1, "from 1e+12 to 1000000000001 is too narrow for its distance from zero."},
    };
    g.zDefineXAxis(0, 1);
    for (const auto& [lo, hi, message] : refused) {
        EXPECT_EQ(Err([&] { g.zDefineXAxis(lo, hi); }), std::string("zDefineXAxis: x axis ") + message);
        EXPECT_EQ(std::tuple(g.XMin, g.XMax, g.XTickN, g.XVtoPix), std::tuple(0.0, 1.0, -5, 450.0));
    }
    // y has its own extent and flags: ceil(3 log10(2 x 20 / 200) - 0.15) = -2.
    g.GHeight = 200;
    g.SetYAdjust(false);
    g.SetYTixPix(20);
    g.zDefineYAxis(-1, 1);
    EXPECT_EQ(std::tuple(g.YTickN, g.YMin, g.YMax, g.YVToPix), std::tuple(-2, -1.0, 1.0, 100.0));
    EXPECT_EQ(Err([&] { g.zDefineYAxis(1, 1); }), "zDefineYAxis: y axis range is 0");
    std::tie(g.GWidth, g.GHeight) = std::tuple(0, -3);
    EXPECT_EQ(Err([&] { g.zDefineXAxis(1, 1); }) + " " + Err([&] { g.zDefineYAxis(1, -1); }),
              "zDefineXAxis: Graph Width is undefined. zDefineYAxis: Graph Height is undefined.");
}

// Fixed metrics: a title or label "ab" at size 12 is 12 high, "abc" is 21 wide; y tick labels "0.0"
// and "1.0" in Helvetica 9 are 16 wide, "-1.0" 21.
TEST_F(AxisRanges, MarginsFollowTitleLabelsAndTicksDownToTheSmallestRectangle) {
    // Title, x label, y label, ticks; then the rectangle's top, left, height and width in 500 x 400.
    const std::tuple<const char*, const char*, const char*, bool, int, int, int, int> cases[] = {
        {"", "", "", false, 16, 16, 400 - 16 - 16, 500 - 16 - 16},
        {"", "", "", true, 16, 16 + 24, 400 - 16 - 22, 500 - 40 - 16},
        {"", "ab", "abc", false, 16, 21 + 16, 400 - 16 - 28, 500 - 37 - 16},
        {"T", "ab", "abc", true, 12 + 16, 21 + 16 + 24, 400 - 28 - 42, 500 - 61 - 16},
    };
    for (const auto& [title, xLabel, yLabel, ticks, top, left, height, width] : cases) {
        Open(500, 400);
        g.SetTitle(title);
        g.SetXLabel(xLabel);
        g.SetYLabel(yLabel);
        SetAllTicks(ticks);
        g.DefineGraph(0, 1, 0, 1);
        EXPECT_EQ(std::tuple(g.GTop, g.GLeft, g.GHeight, g.GWidth), std::tuple(top, left, height, width));
    }
    // The frame and the y minimum; then the message and the rectangle's width and height, nothing
    // drawn when refused. 300 - 16 - 22 = 262 high; with "-1.0" on y, 161 - 45 - 16 = 100 wide.
    const std::tuple<int, int, double, std::string, int, int> refused[] = {
        {300, 137, 0, "zDefineGRect: Graph is not tall enough.", 0, 0},
        {300, 138, 0, "", 244, 100},
        {160, 300, -1, "zDefineGRect: Graph too small.", 0, 0},
        {161, 300, -1, "", 100, 262},
    };
    for (const auto& [frameWidth, frameHeight, yMin, message, width, height] : refused) {
        Open(frameWidth, frameHeight);
        std::string error;
        const std::string drawn = Drawn([&] { error = Err([&] { g.DefineGraph(0, 1, yMin, 1); }); });
        EXPECT_EQ(std::tuple(error, g.GWidth, g.GHeight, drawn.empty()),
                  std::tuple(message, width, height, !message.empty()));
    }
}

// The axis with more pixels a unit is redefined for the other's scale, and the rectangle shrinks
// along it about its centre; the frame rectangle is drawn with the rectangle's own size.
TEST_F(AxisRanges, EqualScaleMatchesTheFinerAxisToTheCoarserAroundTheCentreAndNeverGrowsTheRectangle) {
    // The frame and the range; then x and y, the rectangle drawn, and the scale.
    const std::tuple<int, int, double, double, Doubles, std::string, double> cases[] = {
        // 300 x 200 at (45, 16): x, at 150, is redefined for -0.75 to 0.75 and adjusted to -0.8 to 0.8.
        {361, 238, -1, 1, {-0.8, 0.8, -1, 1}, "DrawRect 115 16 160 200", 100},
        // 195 x 500: y, at 250, is redefined for -1.28 to 1.28 and adjusted to -1.4 to 1.4; the
        // rectangle becomes trunc(97.5 x 2.8) = 273 high, 114 rows lower.
        {256, 538, -1, 1, {-1, 1, -1.4, 1.4}, "DrawRect 45 130 195 273", 97.5},
        // Scales less than twice apart narrow no range on one side of zero: 350 x 262 at (34, 16)
        // keeps 5 to 11 at 262 / 6, 262 wide and 44 columns further right; 250 x 262 likewise in y.
        {400, 300, 5, 11, {5, 11, 5, 11}, "DrawRect 78 16 262 262", 262 / 6.0},
        {300, 300, 5, 11, {5, 11, 5, 11}, "DrawRect 34 22 250 250", 250 / 6.0},
    };
    for (const auto& [frameWidth, frameHeight, min, max, ranges, rectangle, scale] : cases) {
        Open(frameWidth, frameHeight);
        EXPECT_EQ(Drawn([&] { g.DefSqGraph(min, max); }, "DrawRect"), rectangle);
        EXPECT_THAT((Doubles{g.XMin, g.XMax, g.YMin, g.YMax}), Pointwise(DoubleEq(), ranges));
        EXPECT_EQ(std::tuple(g.XVtoPix, g.YVToPix), std::tuple(scale, scale));
    }
    // Ends far from zero widen x by their own magnitude, far beyond the scale of y: it is narrowed back.
    Open(1000, 300);
    g.DefSqGraph(10, 11);
    EXPECT_TRUE(g.GLeft >= 16 && g.GLeft + g.GWidth <= 984 && g.XVtoPix * (g.XMax - g.XMin) <= g.GWidth + 1);
}

// The graph rectangle is 450 x 200 at (40, 16); both axes get the same range.
TEST_F(AxisRanges, ValuesGoToTheNearestPixelWithinATolerancePixelsBackExcludingEndsOfZero) {
    std::tie(g.GLeft, g.GTop, g.GWidth, g.GHeight) = std::tuple(40, 16, 450, 200);
    const auto setRange = [&](double min, double max) {
        std::tie(g.XMin, g.YMin, g.XMax, g.YMax, g.RErr) = std::tuple(min, min, max, max, false);
        std::tie(g.XVtoPix, g.YVToPix) = std::tuple(450 / (max - min), 200 / (max - min));
    };
    // The axis and its range, a value; then its pixel and whether it is out of range.
    const std::tuple<char, double, double, double, int, bool> toPixel[] = {
        {'x', 1, 2, 1 - 0.000009, 40, false}, // a hundred thousandth of an end's magnitude is tolerated
        {'x', 1, 2, 1 - 0.000011, 40, true},
        {'x', 1, 2, 2 + 0.000019, 490, false},
        {'x', 1, 2, 2 + 0.000021, 490, true},
        {'x', 1, 2, 1 + 1.6 / 450, 42, false},
        {'x', 1, 2, kNaN, 40, true},
        {'x', 0, 1, -1e-300, 40, true},          // an end of zero has no tolerance
        {'x', 1000, 1001, 1001.009, 490, false}, // far from zero the tolerance spans pixels: on the edge
        {'x', 1000, 1001, 999.991, 40, false},
        {'y', -1, 1, 0.5, 66, false},
    };
    for (const auto& [axis, min, max, value, pixel, out] : toPixel) {
        setRange(min, max);
        const int mapped = axis == 'x' ? g.XCoord(value) : g.YCoord(value);
        EXPECT_EQ(std::tuple(mapped, g.RErr), std::tuple(pixel, out)) << axis << " " << value;
    }
    // The axis and its range, a pixel; then its value and whether it is out of range.
    const std::tuple<char, double, double, int, double, bool> toValue[] = {
        {'x', 0, 1, 40, 0, true},  {'x', 0, 1, 490, 1, false},  {'x', 0, 1, 85, 0.1, false},
        {'x', 1, 2, 40, 1, false}, {'y', 0, 2, 66, 1.5, false},
    };
    for (const auto& [axis, min, max, pixel, value, out] : toValue) {
        setRange(min, max);
        const double mapped = axis == 'x' ? g.XToVal(pixel) : g.YToVal(pixel);
        EXPECT_EQ(std::tuple(mapped, g.RErr), std::tuple(value, out)) << axis << " " << pixel;
    }
    setRange(0, 1);
    g.XCoord(2);
    g.XCoord(0.5);
    g.XToVal(100);
    EXPECT_TRUE(g.RErr) << "sticky";
    g.GWidth = g.GHeight = 0;
    EXPECT_EQ(
        Join({Err([&] { g.XCoord(0); }), Err([&] { g.YCoord(0); }), Err([&] { g.XToVal(0); }),
              Err([&] { g.YToVal(0); })}),
        "XCoord: Graph not yet defined.; YCoord: Graph not yet defined.; XToVal: Graph is not defined.; "
        "YToVal: Graph is not defined.");
}
