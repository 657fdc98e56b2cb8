// Axis ranges: one axis, the graph rectangle, the equal-scale plot, and data to pixels and back.

#include "tests/graph/opened_graph.h"

using AxisRanges = OpenedGraph;

// The scale itself is tested as a value (axis_scale_test.cpp); here it reaches the fields, or each
// refusal reaches the owner as a GraphError naming the axis and leaves the fields as they were.
TEST_F(AxisRanges, AnAxisGetsItsScaleOrIsRefusedAndLeftAsItWas) {
    std::tie(g.XFlags, g.YFlags, g.GWidth, g.GHeight) = std::tuple(231, 231 & ~32, 450, 450);
    g.zDefineYAxis(0.3, 9.7);
    EXPECT_THAT((Doubles{double(g.YTPower), double(g.YTickN), g.YMin, g.YMax, g.YVToPix}),
                testing::Pointwise(testing::DoubleEq(), Doubles{0, -2, 0.3, 9.7, 450 / 9.4}));
    g.zDefineXAxis(0, 1);
    for (const auto& [lo, hi, message] : {
             std::tuple(1.0, 1.0, "range is 0"),
             {-1e308, 1e308, "range is INF"},
             {kNaN, 1, "range is NaN"},
             {0, 1e-320, "from 0 to 1e-320 is too wide or too narrow to scale."},
             {1e12, 1e12 + 1, "from 1e+12 to 1000000000001 is too narrow for its distance from zero."},
         }) {
        EXPECT_EQ(Err([&, lo = lo, hi = hi] { g.zDefineXAxis(lo, hi); }),
                  std::string("zDefineXAxis: x axis ") + message);
        EXPECT_EQ(std::tuple(g.XMin, g.XMax, g.XTickN, g.XVtoPix), std::tuple(0.0, 1.0, -5, 450.0));
    }
    EXPECT_EQ(Err([&] { g.zDefineYAxis(1, 1); }), "zDefineYAxis: y axis range is 0");
    std::tie(g.GWidth, g.GHeight) = std::tuple(0, -3);
    EXPECT_EQ(Err([&] { g.zDefineXAxis(1, 1); }) + " " + Err([&] { g.zDefineYAxis(1, -1); }),
              "zDefineXAxis: Graph Width is undefined. zDefineYAxis: Graph Height is undefined.");
}

// "ab" is 12 high and 14 wide, "abc" 21 wide; the y tick labels "0.0" and "1.0" are 16 wide, "-1.0"
// 21. Labels keep 8 pixels from the frame's edge and from the frame line or the tick labels.
TEST_F(AxisRanges, MarginsFollowTitleLabelsAndTicksDownToTheSmallestRectangle) {
    // Title, labels, ticks; then the rectangle's top, left, height and width in 500 x 400, the labels.
    for (const auto& [title, xLabel, yLabel, ticks, top, left, height, width, labels] : {
             std::tuple("", "", "", false, 16, 16, 400 - 16 - 16, 500 - 16 - 16, ""),
             {"", "", "", true, 16, 16 + 24, 400 - 16 - 22, 500 - 40 - 16, ""},
             {"", "ab", "abc", false, 16, 21 + 16, 400 - 16 - 28, 500 - 37 - 16, "'ab' 253 390; 'abc' 7 198"},
             {"T", "ab", "abc", true, 12 + 16, 21 + 16 + 24, 400 - 28 - 42, 500 - 61 - 16,
              "'T' 268 18; 'ab' 265 390; 'abc' 7 197"},
         }) {
        Open(500, 400);
        g.SetTitle(title);
        g.SetXLabel(xLabel);
        g.SetYLabel(yLabel);
        SetAllTicks(ticks);
        EXPECT_THAT(Texts([&] { g.DefineGraph(0, 1, 0, 1); }), testing::StartsWith(labels));
        EXPECT_EQ(std::tuple(g.GTop, g.GLeft, g.GHeight, g.GWidth), std::tuple(top, left, height, width));
    }
    // The frame and the y minimum; then the message and the rectangle's width and height, nothing
    // drawn when refused. 300 - 16 - 22 = 262 high; with "-1.0" on y, 161 - 45 - 16 = 100 wide.
    for (const auto& [frameWidth, frameHeight, yMin, message, width, height] : {
             std::tuple(300, 137, 0.0, std::string("zDefineGRect: Graph is not tall enough."), 0, 0),
             {300, 138, 0, "", 244, 100},
             {160, 300, -1, "zDefineGRect: Graph too small.", 0, 0},
             {161, 300, -1, "", 100, 262},
         }) {
        Open(frameWidth, frameHeight);
        std::string error;
        const std::string drawn =
            Drawn([&, yMin = yMin] { error = Err([&] { g.DefineGraph(0, 1, yMin, 1); }); });
        EXPECT_EQ(std::tuple(error, g.GWidth, g.GHeight, drawn.empty()),
                  std::tuple(message, width, height, !message.empty()));
    }
}

TEST_F(AxisRanges, EqualScaleMatchesTheFinerAxisToTheCoarserAroundTheCentreAndNeverGrowsTheRectangle) {
    // The frame and the range; then x and y, the rectangle drawn at its own size, and the scale.
    for (const auto& [frameWidth, frameHeight, min, max, ranges, rectangle, scale] : {
             // x at 150 is redefined for -0.75 to 0.75 and adjusted to -0.8 to 0.8.
             std::tuple(361, 238, -1.0, 1.0, Doubles{-0.8, 0.8, -1, 1}, "DrawRect 115 16 160 200", 100.0),
             // y at 250, for -1.28 to 1.28, adjusted to -1.4 to 1.4: trunc(97.5 x 2.8) = 273 high.
             {256, 538, -1, 1, {-1, 1, -1.4, 1.4}, "DrawRect 45 130 195 273", 97.5},
             // Scales less than twice apart narrow no range on one side of zero.
             {400, 300, 5, 11, {5, 11, 5, 11}, "DrawRect 78 16 262 262", 262 / 6.0},
         }) {
        Open(frameWidth, frameHeight);
        EXPECT_EQ(Drawn([&, min = min, max = max] { g.DefSqGraph(min, max); }, "DrawRect"), rectangle);
        EXPECT_THAT((Doubles{g.XMin, g.XMax, g.YMin, g.YMax}),
                    testing::Pointwise(testing::DoubleEq(), ranges));
        EXPECT_EQ(std::tuple(g.XVtoPix, g.YVToPix), std::tuple(scale, scale));
    }
    Open(1000, 300);
    g.DefSqGraph(10, 11); // far from zero, x widens by its ends' magnitude and is narrowed back
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
    for (const auto& [axis, min, max, value, pixel, out] : {
             std::tuple('x', 1.0, 2.0, 1 - 0.000009, 40, false), // a hundred thousandth of an end's magnitude
             {'x', 1, 2, 1 - 0.000011, 40, true},
             {'x', 1, 2, 1 + 1.6 / 450, 42, false},
             {'x', 1, 2, kNaN, 40, true},
             {'x', 0, 1, -1e-300, 40, true},          // an end of zero has no tolerance
             {'x', 1000, 1001, 1001.009, 490, false}, // far from zero the tolerance spans pixels: on the edge
             {'y', -1, 1, 0.5, 66, false},
         }) {
        setRange(min, max);
        const int mapped = axis == 'x' ? g.XCoord(value) : g.YCoord(value);
        EXPECT_EQ(std::tuple(mapped, g.RErr), std::tuple(pixel, out)) << axis << " " << value;
    }
    // The axis and its range, a pixel; then its value and whether it is out of range.
    for (const auto& [axis, min, max, pixel, value, out] : {
             std::tuple('x', 0.0, 1.0, 40, 0.0, true),
             {'x', 0, 1, 85, 0.1, false},
             {'x', 1, 2, 40, 1, false},
             {'y', 0, 2, 66, 1.5, false},
         }) {
        setRange(min, max);
        const double mapped = axis == 'x' ? g.XToVal(pixel) : g.YToVal(pixel);
        EXPECT_EQ(std::tuple(mapped, g.RErr), std::tuple(value, out)) << axis << " " << pixel;
    }
    g.GWidth = g.GHeight = 0;
    EXPECT_EQ(
        Join({Err([&] { g.XCoord(0); }), Err([&] { g.YCoord(0); }), Err([&] { g.XToVal(0); }),
              Err([&] { g.YToVal(0); })}),
        "XCoord: Graph not yet defined.; YCoord: Graph not yet defined.; XToVal: Graph is not defined.; "
        "YToVal: Graph is not defined.");
}
