// Axis drawing through the recording frame: tick and label positions, the power label, tick flags,
// grid and zero lines, the measuring of tick labels and the placing of title and axis labels.
//
// Most plots here use a 506 x 238 frame: with x and y from 0 to 1 the graph rectangle is 450 x 200
// at (40, 16), so x tick i (step 0.02) is at column 40 + 9i and y tick i (step 0.05) at row
// 216 - 10i. Text is 0.6 x size pixels a character: "0.0" is 16 wide in the tick font, System 9.

#include "tests/graph/opened_graph.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <utility>

namespace {

using namespace testing_graph;

constexpr tk::Color kGrey = tk::RGB(180, 180, 180);

std::string Line(int x1, int y1, int x2, int y2) {
    return "DrawLine " + std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) + " " +
           std::to_string(y2);
}

Ops LinesIn(const fake::CallLog& calls, tk::Color color) {
    Ops ops;
    for (const auto& call : calls)
        if (call.op == "DrawLine" && call.color == color)
            ops.push_back(call.ToString());
    return ops;
}

// The ticks among the calls: lines 5 (major) or 3 (minor) pixels long.
int Ticks(const fake::CallLog& calls, int length) {
    int count = 0;
    for (const auto& call : calls)
        count += call.op == "DrawLine" &&
                 std::abs(call.args[2] - call.args[0]) + std::abs(call.args[3] - call.args[1]) == length;
    return count;
}

class AxisDrawing : public ::testing::Test {
protected:
    AxisDrawing() : opened(506, 238), g(opened.graph) {}

    Ops DrawnX(const std::string& op) {
        return opened.OpsOf(op, [&] { g.zDrawXAxis(); });
    }
    Ops DrawnY(const std::string& op) {
        return opened.OpsOf(op, [&] { g.zDrawYAxis(); });
    }
    const fake::CallLog& Calls() { return opened.Frame().Calls(); }

    OpenedGraph opened;
    Graph& g;
};

// ---- Ticks and tick labels ----

TEST_F(AxisDrawing, TicksLeaveTheFrameLinesWithLabelsCentredUnderXAndEndingSevenPixelsLeftOfY) {
    g.DefineGraph(0, 1, 0, 1);
    const Ops xLines = DrawnX("DrawLine");
    ASSERT_EQ(xLines.size(), 51u);
    for (int i = 0; i <= 50; ++i)
        EXPECT_EQ(xLines[i], Line(40 + 9 * i, 216, 40 + 9 * i, i % 5 == 0 ? 221 : 219));
    const Ops xLabels = DrawnX("DrawString");
    ASSERT_EQ(xLabels.size(), 11u);
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(xLabels[i], "DrawString '" + (i < 10 ? "0." + std::to_string(i) : std::string("1.0")) +
                                  "' " + std::to_string(32 + 45 * i) + " 231");

    const Ops yLines = DrawnY("DrawLine");
    ASSERT_EQ(yLines.size(), 21u);
    for (int i = 0; i <= 20; ++i)
        EXPECT_EQ(yLines[i], Line(40, 216 - 10 * i, i % 4 == 0 ? 35 : 37, 216 - 10 * i));
    EXPECT_EQ(DrawnY("DrawString"),
              (Ops{"DrawString '0.0' 17 219", "DrawString '0.2' 17 179", "DrawString '0.4' 17 139",
                   "DrawString '0.6' 17 99", "DrawString '0.8' 17 59", "DrawString '1.0' 17 19"}));
}

// A defined plot is framed and ticked in black, its frame lines through the pixels of both range ends;
// an axis drawn on its own takes the colour it finds. Ticks are labelled in the tick font.
TEST_F(AxisDrawing, PlotIsDrawnInBlackAnAxisInTheEntryColourBothPuttingBackTheStyle) {
    g.SetTickFontInfo("Helvetica", 10);
    g.SetColor(kBlue);
    g.SetFontInfo("Symbol", 14);
    opened.Frame().Clear();
    g.DefineGraph(0, 1, 0, 1);
    EXPECT_EQ(opened.Frame().Ops("DrawRect"), Ops{"DrawRect 40 16 451 201"});
    for (const auto& call : Calls())
        EXPECT_EQ(call.color, call.op == "FillRect" ? kWhite : kBlack) << call.ToString();
    EXPECT_EQ(g.GX->ForeColor(), kBlue);
    opened.Frame().Clear();
    g.zDrawXAxis();
    for (const auto& call : Calls()) {
        EXPECT_EQ(call.color, kBlue) << call.ToString();
        EXPECT_EQ(call.font, "Helvetica") << call.ToString();
        EXPECT_EQ(call.size, 10) << call.ToString();
    }
    EXPECT_EQ(StyleOf(*g.GX), Style("Symbol", 14, false, false));
    EXPECT_EQ(g.GX->ForeColor(), kBlue);
}

// The power label "x10" with a superscript "3", in the tick font, bold: centred under the last major
// tick of x, 25 below the frame line; on y, ending 7 left of the frame line, 13 below the top label.
TEST_F(AxisDrawing, ThousandsGetAPowerLabelByTheLastMajorLabel) {
    g.DefineGraph(0, 20000, 0, 1);
    const Ops xLabels = DrawnX("DrawString");
    ASSERT_EQ(xLabels.size(), 13u);
    EXPECT_EQ(xLabels[0], "DrawString '0' 38 231");
    EXPECT_EQ(xLabels[5], "DrawString '10' 260 231");
    EXPECT_EQ(xLabels[10], "DrawString '20' 485 231");
    EXPECT_EQ(Styled(Calls()[Calls().size() - 2]), "'x10' 480 241 System 9 bold");
    EXPECT_EQ(Styled(Calls().back()), "'3' 496 238 System 6 bold");

    g.DefineGraph(0, 1, 0, 20000); // y labels "0" to "20" are 10 wide: the rectangle starts at 34
    ASSERT_EQ(g.GLeft, 34);
    const Ops yLabels = DrawnY("DrawString");
    ASSERT_EQ(yLabels.size(), 7u);
    EXPECT_EQ(yLabels[4], "DrawString '20' 17 19");
    EXPECT_EQ(Styled(Calls()[Calls().size() - 2]), "'x10' 8 29 System 9 bold");
}

// Minor ticks alone bring the majors and their labels.
TEST_F(AxisDrawing, TickFlagsChooseWhatIsDrawn) {
    // Major and minor flags; major ticks, minor ticks and labels drawn.
    for (const auto& [major, minor, majorTicks, minorTicks, labels] :
         {std::tuple(1, 0, 11, 0, 11), {0, 1, 11, 40, 11}, {0, 0, 0, 0, 0}}) {
        g.SetXMajTix(major);
        g.SetXMinTix(minor);
        g.DefineGraph(0, 1, 0, 1);
        const int drawnLabels = static_cast<int>(DrawnX("DrawString").size());
        EXPECT_EQ(std::tuple(Ticks(Calls(), 5), Ticks(Calls(), 3), drawnLabels),
                  std::tuple(majorTicks, minorTicks, labels))
            << major << minor;
    }
}

// ---- Grid and zero lines ----

TEST_F(AxisDrawing, GridStopsOnePixelShortOfTheFrameWithTicksAndTouchesItWithout) {
    // Ticks, then the first and last grid line of x and of y.
    const std::tuple<bool, std::string, std::string, std::string, std::string> cases[] = {
        {true, Line(85, 215, 85, 17), Line(445, 215, 445, 17), Line(41, 176, 489, 176),
         Line(41, 56, 489, 56)},
        {false, Line(63, 222, 63, 16), Line(443, 222, 443, 16), Line(16, 181, 490, 181),
         Line(16, 57, 490, 57)},
    };
    for (const auto& [ticks, xFirst, xLast, yFirst, yLast] : cases) {
        SCOPED_TRACE(ticks);
        SetAllTicks(g, ticks);
        g.SetGrid(false);
        opened.Frame().Clear();
        g.DefineGraph(0, 1, 0, 1);
        EXPECT_TRUE(LinesIn(Calls(), kGrey).empty());
        g.SetGrid(true);
        DrawnX("DrawLine");
        const Ops x = LinesIn(Calls(), kGrey);
        DrawnY("DrawLine");
        const Ops y = LinesIn(Calls(), kGrey);
        ASSERT_EQ(std::tuple(x.size(), y.size()), std::tuple(9u, 4u)) << "none on the frame lines";
        EXPECT_EQ(std::tuple(x.front(), x.back(), y.front(), y.back()),
                  std::tuple(xFirst, xLast, yFirst, yLast));
    }
}

TEST_F(AxisDrawing, ZeroLinesOnlyStrictlyInsideTheRangeAndAlwaysBlack) {
    // x minimum, y range, the zero line flags, the black lines drawn.
    const std::tuple<double, double, double, bool, bool, Ops> cases[] = {
        {-1, 0, 1, true, false, {Line(265, 216, 265, 16)}},
        {0, 0, 1, true, false, {}},
        {-1, 0, 1, false, false, {}},
        {0, -1, 1, false, true, {Line(45, 116, 490, 116)}},
        {0, -1, 0, false, true, {}}};
    for (const auto& [xMin, yMin, yMax, xZero, yZero, blackLines] : cases) {
        g.SetXZeroLn(xZero);
        g.SetYZeroLn(yZero);
        g.DefineGraph(xMin, 1, yMin, yMax);
        g.SetColor(kBlue);
        opened.Frame().Clear();
        g.zDrawXAxis();
        g.zDrawYAxis();
        EXPECT_EQ(LinesIn(Calls(), kBlack), blackLines) << xMin << " " << yMin << " " << yMax;
        EXPECT_EQ(g.GX->ForeColor(), kBlue);
    }
}

// ---- Adjust off ----

// The minimum 0.004 lies just above the major tick 0: the ticks start at 0.02, and the major ticks
// must start at 0.1, the first one drawn, rather than at 0, which is never reached. From 0.001, the
// tick at 0 lies within 5 % of a step outside: it is drawn on the frame line and, being outside the
// axis, sets RErr.
TEST_F(AxisDrawing, UnadjustedMinimumJustAboveAMajorTickKeepsTheMajorTicks) {
    g.SetXAdjust(false);
    g.SetGrid(true);
    g.DefineGraph(0.004, 1, 0, 1);
    const Ops labels = DrawnX("DrawString");
    ASSERT_EQ(labels.size(), 10u);
    EXPECT_EQ(labels.front().substr(11, 5), "'0.1'");
    EXPECT_EQ(labels.back().substr(11, 5), "'1.0'");
    const std::int32_t first = g.XCoord(0.1);
    EXPECT_EQ(opened.Frame().Ops("DrawLine").at(4), Line(first, 216, first, 221));
    EXPECT_EQ(Ticks(Calls(), 5), 10);
    EXPECT_EQ(LinesIn(Calls(), kGrey).size(), 9u);

    g.RErr = false;
    g.DefineGraph(0.001, 1, 0, 1);
    EXPECT_TRUE(g.RErr);
    EXPECT_EQ(DrawnX("DrawLine").at(0), Line(40, 216, 40, 221));
}

// ---- Far from zero ----

// Ten characters of 5.4 pixels come to a hair under 54: the labels start 26 left of their tick.
TEST_F(AxisDrawing, AxisNearTheLargestDoublesIsTickedAndLabelledOneTooFarFromZeroIsRefused) {
    g.DefineGraph(1e300, 1.0000001e300, 0, 1);
    EXPECT_EQ(g.XTPower, 291);
    const Ops lines = DrawnX("DrawLine");
    ASSERT_EQ(lines.size(), 51u);
    EXPECT_EQ(std::tuple(lines[0], lines[1], lines[50]),
              std::tuple(Line(40, 216, 40, 221), Line(49, 216, 49, 219), Line(490, 216, 490, 221)));
    const Ops labels = DrawnX("DrawString");
    ASSERT_EQ(labels.size(), 13u);
    EXPECT_EQ(labels[0], "DrawString '1000000000' 14 231");
    EXPECT_EQ(labels[10], "DrawString '1000000100' 464 231");
    EXPECT_EQ(labels[12].substr(0, 17), "DrawString '291' ");

    g.DefineGraph(0, 1, 0, 1);
    g.XMin = 1e15;
    g.XMax = 1e15 + 1;
    opened.Frame().Clear();
    EXPECT_EQ(GraphErrorOf([&] { g.zDrawXAxis(); }), "zDrawXAxis: x axis ticks cannot be numbered.");
    EXPECT_TRUE(Calls().empty());
}

// ---- Measuring tick labels, their format ----

TEST(TickWidth, WiderOfFirstAndLastMajorLabelInHelvetica9) {
    // name, range, tick index, power, width.
    const std::tuple<const char*, double, double, std::int32_t, std::int32_t, std::int32_t> cases[] = {
        {"0.0 and 1.0", 0, 1, -4, 0, 16},
        {"-1.0 is wider", -1, 1, -4, 0, 21},
        {"thousands: 0 and 20", 0, 20000, -1, 3, 10},
        {"-#0.00: -0.10 (5 x 5.4, a hair under 27) and 0.20", -0.1, 0.2, -6, 0, 26},
        // Minor step 0.5, major step 2: each end lies within 5 % of a major step of the major tick
        // beyond it, which no minor tick reaches; that tick's label is the one measured.
        {"-9.95 to 9.95 measures -10 and 10", -9.95, 9.95, -1, 0, 16},
        {"0 to 9.95 measures 0 and 10", 0, 9.95, -1, 0, 10},
    };
    for (const auto& [name, min, max, tickN, power, width] : cases) {
        RecordingTarget t;
        Graph& g = t.graph;
        g.SetFontInfo("Symbol", 30, true, true);
        g.YMin = g.XMin = min;
        g.YMax = g.XMax = max;
        g.YTickN = g.XTickN = tickN;
        g.YTPower = g.XTPower = power;
        EXPECT_EQ(std::tuple(g.zYTickWidth(), g.zXTickWidth()), std::tuple(width, width)) << name;
        EXPECT_EQ(StyleOf(t.target), Style("Symbol", 30, true, true)) << name;
    }
}

TEST(TickFormat, DecimalsFollowTheMajorStep) {
    const std::pair<double, const char*> cases[] = {
        {1, "-#0"},       {0.5, "-#0.0"},     {0.1, "-#0.0"},     {0.05, "-#0.00"},
        {0.01, "-#0.00"}, {0.005, "-#0.000"}, {0.001, "-#0.000"}, {0.0005, "-#0.0000"}};
    Graph g;
    for (const auto& [step, pattern] : cases)
        EXPECT_EQ(g.zTickFormat(step), pattern) << step;
}

// ---- Title and axis labels ----

// 8 pixels in from the frame's edge and 8 away from the frame line or the tick label band, centred:
// a 12 high title "T" 7 wide, an x label "ab" 14 wide and a y label "abc" 21 wide. The rectangle is
// 453 x 244 at (37, 28) without ticks and 429 x 230 at (61, 28) with them.
TEST(Labels, TitleAndAxisLabelsSitInTheirMargins) {
    // Ticks; the title's left; the x label's left and baseline; the y label's baseline.
    const struct {
        int ticks, titleLeft, xLabelLeft, xLabelBaseline, yLabelBaseline;
    } cases[] = {{1, 271, 268, 290, 147}, {0, 259, 256, 290, 154}};
    for (const auto& c : cases) {
        OpenedGraph opened(506, 300);
        Graph& g = opened.graph;
        SetAllTicks(g, c.ticks);
        g.SetTitle("T");
        g.SetXLabel("ab");
        g.SetYLabel("abc");
        g.DefineGraph(0, 1, 0, 1);
        EXPECT_THAT(opened.Frame().Ops("DrawString"),
                    ::testing::IsSupersetOf({"DrawString 'T' " + std::to_string(c.titleLeft) + " 18",
                                             "DrawString 'ab' " + std::to_string(c.xLabelLeft) + " " +
                                                 std::to_string(c.xLabelBaseline),
                                             "DrawString 'abc' 7 " + std::to_string(c.yLabelBaseline)}))
            << c.ticks;
    }
}

} // namespace
