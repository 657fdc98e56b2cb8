// Axis drawing: ticks, tick labels and the power label, tick flags, grid and zero lines, the
// measuring of tick labels and the placing of title and axis labels.
//
// Most plots use a 506 x 238 frame: with x and y from 0 to 1 the graph rectangle is 450 x 200 at
// (40, 16), so x tick i (step 0.02) is at column 40 + 9i and y tick i (step 0.05) at row 216 - 10i.
// Tick labels are in System 9, 5.4 pixels a character: "0.0" is 16 wide.

#include "tests/graph/opened_graph.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>

namespace {

using namespace testing_graph;
using ::testing::EndsWith;
using ::testing::StartsWith;

constexpr tk::Color kGrey = tk::RGB(180, 180, 180), kBlue = tk::RGB(0, 0, 255);

std::string Line(int x1, int y1, int x2, int y2) {
    return "DrawLine " + std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) + " " +
           std::to_string(y2);
}

Ops LinesIn(const fake::CallLog& calls, tk::Color color) {
    Ops lines;
    for (const auto& c : calls)
        if (c.op == "DrawLine" && c.color == color)
            lines.push_back(c.ToString());
    return lines;
}

// "majors minors labels grid": ticks 5 and 3 long, strings and grey lines among the calls.
std::string Counts(const fake::CallLog& calls) {
    int major = 0, minor = 0, labels = 0, grid = 0;
    for (const auto& c : calls) {
        const bool line = c.op == "DrawLine";
        const int length = line ? std::abs(c.args[2] - c.args[0]) + std::abs(c.args[3] - c.args[1]) : 0;
        major += length == 5;
        minor += length == 3;
        labels += c.op == "DrawString";
        grid += line && c.color == kGrey;
    }
    return std::to_string(major) + " " + std::to_string(minor) + " " + std::to_string(labels) + " " +
           std::to_string(grid);
}

TEST(AxisDrawing, TicksAndLabelsInTheTickFontInBlackOrTheEntryColourPuttingTheStyleBack) {
    Opened o(506, 238);
    Graph& g = o.g;
    g.DefineGraph(0, 1, 0, 1);
    Ops x, xLabels, y;
    for (int i = 0; i <= 50; ++i)
        x.push_back(Line(40 + 9 * i, 216, 40 + 9 * i, i % 5 ? 219 : 221));
    for (int i = 0; i <= 10; ++i)
        xLabels.push_back("DrawString '" + (i < 10 ? "0." + std::to_string(i) : std::string("1.0")) + "' " +
                          std::to_string(32 + 45 * i) + " 231");
    for (int i = 0; i <= 20; ++i)
        y.push_back(Line(40, 216 - 10 * i, i % 4 ? 37 : 35, 216 - 10 * i));
    EXPECT_EQ(o.Drawn([&] { g.zDrawXAxis(); }, "DrawLine"), Join(x));
    EXPECT_EQ(o.Drawn([&] { g.zDrawXAxis(); }, "DrawString"), Join(xLabels));
    EXPECT_EQ(o.Drawn([&] { g.zDrawYAxis(); }, "DrawLine"), Join(y));
    EXPECT_EQ(o.Drawn([&] { g.zDrawYAxis(); }, "DrawString"),
              "DrawString '0.0' 17 219; DrawString '0.2' 17 179; DrawString '0.4' 17 139; "
              "DrawString '0.6' 17 99; DrawString '0.8' 17 59; DrawString '1.0' 17 19");
    // A defined plot is framed and ticked in black, its frame lines through the pixels of both range
    // ends; an axis drawn on its own takes the colour it finds.
    g.SetTickFontInfo("Helvetica", 10);
    g.SetColor(kBlue);
    g.SetFontInfo("Symbol", 14);
    EXPECT_EQ(o.Drawn([&] { g.DefineGraph(0, 1, 0, 1); }, "DrawRect"), "DrawRect 40 16 451 201");
    for (const auto& c : o.F().Calls())
        EXPECT_EQ(c.color, c.op == "FillRect" ? kWhite : kBlack) << c.ToString();
    o.Drawn([&] { g.zDrawXAxis(); });
    for (const auto& c : o.F().Calls())
        EXPECT_EQ(std::tuple(c.color, c.font, c.size), std::tuple(kBlue, "Helvetica", 10)) << c.ToString();
    EXPECT_EQ(std::tuple(StyleOf(*g.GX), g.GX->ForeColor()), std::tuple("Symbol 14", kBlue));
}

// The power label "x10" with a superscript "3", bold in the tick font: centred under the last major
// tick of x, 25 below the frame line; on y, ending 7 left of the frame line, 13 below the top label.
TEST(AxisDrawing, ThousandsGetAPowerLabelByTheLastMajorLabel) {
    Opened o(506, 238);
    Graph& g = o.g;
    g.DefineGraph(0, 20000, 0, 1);
    o.Drawn([&] { g.zDrawXAxis(); });
    EXPECT_THAT(Texts(o.F().Calls()), StartsWith("'0' 38 231 System 9; '2' 83 231 System 9; "));
    EXPECT_THAT(Texts(o.F().Calls()),
                EndsWith("'20' 485 231 System 9; 'x10' 480 241 System 9 bold; '3' 496 238 System 6 bold"));
    g.DefineGraph(0, 1, 0, 20000); // y labels "0" to "20" are 10 wide: the rectangle starts at 34
    o.Drawn([&] { g.zDrawYAxis(); });
    EXPECT_THAT(Texts(o.F().Calls()),
                EndsWith("'20' 17 19 System 9; 'x10' 8 29 System 9 bold; '3' 24 26 System 6 bold"));
}

// Minor ticks alone bring the majors and their labels. With ticks, grid lines keep a pixel off both
// frame lines; without, they touch them. Zero lines are drawn only strictly inside the range, black.
TEST(AxisDrawing, TickFlagsGridAndZeroLinesChooseWhatIsDrawn) {
    Opened o(506, 238);
    Graph& g = o.g;
    for (const auto& [major, minor, counts] :
         {std::tuple(1, 0, "11 0 11 0"), {0, 1, "11 40 11 0"}, {0, 0, "0 0 0 0"}}) {
        g.SetXMajTix(major);
        g.SetXMinTix(minor);
        g.DefineGraph(0, 1, 0, 1);
        o.Drawn([&] { g.zDrawXAxis(); });
        EXPECT_EQ(Counts(o.F().Calls()), counts) << major << minor;
    }
    g.SetGrid(true);
    // Ticks, then the first grid line of x and of y; 9 on x and 4 on y, none on a frame line.
    for (const auto& [ticks, x, y] : {std::tuple(true, Line(85, 215, 85, 17), Line(41, 176, 489, 176)),
                                      {false, Line(63, 222, 63, 16), Line(16, 181, 490, 181)}}) {
        SetAllTicks(g, ticks);
        o.Drawn([&] { g.DefineGraph(0, 1, 0, 1); });
        const Ops grid = LinesIn(o.F().Calls(), kGrey);
        ASSERT_EQ(grid.size(), 13u) << ticks;
        EXPECT_EQ(std::tuple(grid[0], grid[9]), std::tuple(x, y)) << ticks;
    }
    g.SetGrid(false);
    SetAllTicks(g, true);
    // The x minimum, the y maximum, which zero lines are on; then the black lines.
    const std::tuple<double, double, bool, bool, std::string> cases[] = {
        {-1, 1, true, false, Line(268, 216, 268, 16)},
        {0, 0, true, true, ""},
        {-1, 1, false, true, Line(45, 116, 490, 116)},
    };
    for (const auto& [xMin, yMax, xZero, yZero, black] : cases) {
        g.SetXZeroLn(xZero);
        g.SetYZeroLn(yZero);
        g.DefineGraph(xMin, 1, -1, yMax);
        g.SetColor(kBlue);
        o.Drawn([&] {
            g.zDrawXAxis();
            g.zDrawYAxis();
        });
        EXPECT_EQ(Join(LinesIn(o.F().Calls(), kBlack)), black) << xMin << " " << yMax;
    }
}

// From 0.004 the ticks start at 0.02, and the major ticks must start at 0.1, the first drawn, not at
// 0, which is never reached. From 0.001 the tick at 0 lies within 5 % of a step outside: it is drawn
// on the frame line and, being outside the axis, sets RErr.
TEST(AxisDrawing, UnadjustedMinimumJustAboveAMajorTickKeepsTheMajorTicksAndOneTooFarFromZeroIsRefused) {
    Opened o(506, 238);
    Graph& g = o.g;
    g.SetXAdjust(false);
    g.SetGrid(true);
    g.DefineGraph(0.004, 1, 0, 1);
    EXPECT_THAT(o.Drawn([&] { g.zDrawXAxis(); }, "DrawString"), StartsWith("DrawString '0.1' "));
    EXPECT_EQ(Counts(o.F().Calls()), "10 40 10 9");
    g.DefineGraph(0.001, 1, 0, 1);
    g.RErr = false;
    EXPECT_THAT(o.Drawn([&] { g.zDrawXAxis(); }, "DrawLine"), StartsWith(Line(40, 216, 40, 221) + ";"));
    EXPECT_TRUE(g.RErr);
    g.XMin = 1e15;
    g.XMax = 1e15 + 1;
    std::string message;
    EXPECT_EQ(o.Drawn([&] { message = Err([&] { g.zDrawXAxis(); }); }), "");
    EXPECT_EQ(message, "zDrawXAxis: x axis ticks cannot be numbered.");
}

// The layout measures the wider label of the first and last major tick in Helvetica 9, whatever the
// style; decimals follow the major step.
TEST(TickLabels, WidthIsOfTheWiderEndLabelTakingEachEndWithinFivePercentOfAStep) {
    // The range, tick index and power, then the width.
    const std::tuple<double, double, int, int, int> cases[] = {
        {-1, 1, -4, 0, 21},
        {0, 20000, -1, 3, 10},  // "0" and "20"
        {-0.1, 0.2, -6, 0, 26}, // "-0.10": 5 x 5.4, a hair under 27
        // Minor step 0.5, major 2: each end lies within 5 % of a major step of the major tick beyond
        // it, which no minor tick reaches; that tick's label is the one measured.
        {-9.95, 9.95, -1, 0, 16},
        {0, 9.95, -1, 0, 10},
    };
    Opened o(100, 100);
    Graph& g = o.g;
    g.SetFontInfo("Symbol", 30, true, true);
    for (const auto& [min, max, tickN, power, width] : cases) {
        g.YMin = g.XMin = min;
        g.YMax = g.XMax = max;
        g.YTickN = g.XTickN = tickN;
        g.YTPower = g.XTPower = power;
        EXPECT_EQ(std::tuple(g.zYTickWidth(), g.zXTickWidth()), std::tuple(width, width)) << min;
    }
    EXPECT_EQ(StyleOf(*g.GX), "Symbol 30 bold italic");
    for (const auto& [step, pattern] : {std::pair(1.0, "-#0"),
                                        {0.5, "-#0.0"},
                                        {0.1, "-#0.0"},
                                        {0.01, "-#0.00"},
                                        {0.001, "-#0.000"},
                                        {0.0005, "-#0.0000"}})
        EXPECT_EQ(g.zTickFormat(step), pattern) << step;
}

// 8 pixels in from the frame's edge and 8 away from the frame line or the tick label band, centred:
// a 12 high title "T" 7 wide, an x label "ab" 14 wide and a y label "abc" 21 wide. The rectangle is
// 453 x 244 at (37, 28) without ticks and 429 x 230 at (61, 28) with them.
TEST(AxisDrawing, TitleAndAxisLabelsSitInTheirMargins) {
    const std::pair<bool, const char*> cases[] = {
        {true, "'T' 271 18 System 12; 'ab' 268 290 System 12; 'abc' 7 147 System 12; "},
        {false, "'T' 259 18 System 12; 'ab' 256 290 System 12; 'abc' 7 154 System 12"},
    };
    for (const auto& [ticks, labels] : cases) {
        Opened o(506, 300);
        SetAllTicks(o.g, ticks);
        o.g.SetTitle("T");
        o.g.SetXLabel("ab");
        o.g.SetYLabel("abc");
        o.Drawn([&] { o.g.DefineGraph(0, 1, 0, 1); });
        EXPECT_THAT(Texts(o.F().Calls()), StartsWith(labels)) << ticks;
    }
}

} // namespace
