// Axis ranges: one axis, the graph rectangle, and data to pixels.

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
             {kNaN, 1, "range is NaN"},
             {1e12, 1e12 + 1, "from 1e+12 to 1000000000001 is too narrow for its distance from zero."},
         }) {
        EXPECT_EQ(Err([&, lo = lo, hi = hi] { g.zDefineXAxis(lo, hi); }),
                  std::string("zDefineXAxis: x axis ") + message);
        EXPECT_EQ(std::tuple(g.XMin, g.XMax, g.XTickN, g.XVtoPix), std::tuple(0.0, 1.0, -5, 450.0));
    }
    std::tie(g.GWidth, g.GHeight) = std::tuple(0, -3);
    EXPECT_EQ(Err([&] { g.zDefineYAxis(1, -1); }), "zDefineYAxis: Graph Height is undefined.");
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

// The graph rectangle is 450 x 200 at (40, 16); both axes get the same range.
TEST_F(AxisRanges, ValuesGoToTheNearestPixelWithinATolerance) {
    std::tie(g.GLeft, g.GTop, g.GWidth, g.GHeight) = std::tuple(40, 16, 450, 200);
    const auto setRange = [&](double min, double max) {
        std::tie(g.XMin, g.YMin, g.XMax, g.YMax, g.RErr) = std::tuple(min, min, max, max, false);
        std::tie(g.XVtoPix, g.YVToPix) = std::tuple(450 / (max - min), 200 / (max - min));
    };
    // The axis and its range, a value; then its pixel and whether it is out of range.
    for (const auto& [axis, min, max, value, pixel, out] : {
             std::tuple('x', 1.0, 2.0, 1 - 0.000009, 40, false), // a hundred thousandth of an end's magnitude
             {'x', 1, 2, 1 - 0.000011, 40, true},
             {'x', 1, 2, kNaN, 40, true},
             {'x', 0, 1, -1e-300, 40, true}, // an end of zero has no tolerance
             {'y', -1, 1, 0.5, 66, false},
             {'r', -1, 1, 0.5, 166, false}, // y reversed: from the top down
             {'r', -1, 1, -1, 16, false},
             {'r', -1, 1, 1.5, 216, true},
         }) {
        setRange(min, max);
        g.SetYReversed(axis == 'r');
        const int mapped = axis == 'x' ? g.XCoord(value) : g.YCoord(value);
        EXPECT_EQ(std::tuple(mapped, g.RErr), std::tuple(pixel, out)) << axis << " " << value;
    }
    // Back from pixels on the reversed axis; SetYTixPix keeps it reversed.
    g.SetYTixPix(5);
    g.RErr = false;
    EXPECT_EQ(std::tuple(g.YToVal(66), g.YToVal(216), g.RErr), std::tuple(-0.5, 1.0, false));
    g.GWidth = g.GHeight = 0;
    EXPECT_EQ(Err([&] { g.YCoord(0); }), "YCoord: Graph not yet defined.");
}
