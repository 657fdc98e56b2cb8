// Axis drawing: ticks and their labels, the power label, tick flags, zero and grid lines, the tick
// label widths, and the title and axis labels. With x and y from 0 to 1 in a 506 x 238 frame, the
// graph rectangle is 450 x 200 at (40, 16): x tick i (step 0.02) is at column 40 + 9i and y tick i
// (step 0.05) at row 216 - 10i. Tick labels are in System 9, 5.4 pixels a character.

#include "tests/graph/opened_graph.h"

#include <cstdlib>

using ::testing::EndsWith;
using ::testing::StartsWith;

namespace {

constexpr tk::Color kGrey = tk::RGB(180, 180, 180), kBlue = tk::RGB(0, 0, 255);

std::string Line(int x1, int y1, int x2, int y2) {
    return Join({"DrawLine", std::to_string(x1), std::to_string(y1), std::to_string(x2), std::to_string(y2)},
                " ");
}

Ops LinesIn(const fake::CallLog& calls, tk::Color color) {
    Ops lines;
    for (const auto& c : calls)
        if (c.op == "DrawLine" && c.color == color)
            lines.push_back(c.ToString());
    return lines;
}

class AxisDrawing : public GraphTest {
protected:
    AxisDrawing() { Open(506, 238); }
    // What both axes draw: "majors minors labels: black lines", counting ticks 5 and 3 long.
    std::string AxesDrawn() {
        F().Clear();
        g.zDrawXAxis();
        g.zDrawYAxis();
        int major = 0, minor = 0, labels = 0;
        for (const auto& c : F().Calls()) {
            const int length =
                c.op == "DrawLine" ? std::abs(c.args[2] - c.args[0] + c.args[3] - c.args[1]) : 0;
            major += length == 5;
            minor += length == 3;
            labels += c.op == "DrawString";
        }
        return Join({std::to_string(major), std::to_string(minor), std::to_string(labels)}, " ") + ": " +
               Join(LinesIn(F().Calls(), kBlack));
    }
};

} // namespace

// Minor ticks alone bring the majors and their labels. Zero lines are drawn only strictly inside the
// range, and black. With ticks, grid lines keep a pixel off both frame lines, without they touch
// them; none lies on a frame line.
TEST_F(AxisDrawing, TicksLabelsZeroLinesAndGrid) {
    g.DefineGraph(0, 1, 0, 1);
    EXPECT_THAT(Drawn([&] { g.zDrawXAxis(); }),
                StartsWith("DrawLine 40 216 40 221; DrawString '0.0' 32 231; DrawLine 49 216 49 219; "));
    EXPECT_THAT(Drawn([&] { g.zDrawXAxis(); }),
                EndsWith("DrawLine 481 216 481 219; DrawLine 490 216 490 221; DrawString '1.0' 482 231"));
    EXPECT_THAT(Drawn([&] { g.zDrawYAxis(); }),
                StartsWith("DrawLine 40 216 35 216; DrawString '0.0' 17 219; DrawLine 40 206 37 206; "));
    EXPECT_THAT(Drawn([&] { g.zDrawYAxis(); }), EndsWith("DrawLine 40 16 35 16; DrawString '1.0' 17 19"));
    // Major and minor ticks on x, zero lines on x and y, the x minimum and the y range; then what the
    // axes drew in blue.
    const std::tuple<bool, bool, bool, bool, double, double, double, std::string> cases[] = {
        {1, 1, 0, 0, 0, 0, 1, "17 55 17: "},
        {1, 0, 0, 0, 0, 0, 1, "17 15 17: "},
        {0, 1, 0, 0, 0, 0, 1, "17 55 17: "},
        {0, 0, 0, 0, 0, 0, 1, "6 15 6: "},
        {1, 1, 1, 0, -1, 0, 1, "17 45 17: " + Line(265, 216, 265, 16)},
        {1, 1, 1, 1, 0, -1, 0, "17 55 17: "},
        {1, 1, 0, 1, 0, -1, 1, "16 56 16: " + Line(45, 116, 490, 116)},
    };
    for (const auto& [major, minor, xZero, yZero, xMin, yMin, yMax, drawn] : cases) {
        g.SetXMajTix(major);
        g.SetXMinTix(minor);
        g.SetXZeroLn(xZero);
        g.SetYZeroLn(yZero);
        g.DefineGraph(xMin, 1, yMin, yMax);
        g.SetColor(kBlue);
        EXPECT_EQ(AxesDrawn(), drawn);
    }
    g.SetGrid(true);
    // Ticks, then the first grid lines of x and of y.
    for (const auto& [ticks, first] : {std::pair(true, Line(85, 215, 85, 17) + Line(41, 176, 489, 176)),
                                       {false, Line(63, 222, 63, 16) + Line(16, 181, 490, 181)}}) {
        SetAllTicks(ticks);
        Drawn([&] { g.DefineGraph(0, 1, 0, 1); });
        const Ops grid = LinesIn(F().Calls(), kGrey);
        EXPECT_EQ(std::tuple(grid.size(), grid.at(0) + grid.at(9)), std::tuple(13u, first)) << ticks;
    }
}

// A defined plot is framed and ticked in black, its frame lines through the pixels of both range
// ends; an axis drawn on its own takes the colour it finds, and the tick font. The power label "x10"
// with a superscript "3", bold, is centred under the last major tick of x, 25 below the frame line;
// on y it ends 7 left of the frame line, 13 below the top label.
TEST_F(AxisDrawing, ColoursStylesAndThePowerLabelOfThousands) {
    g.SetColor(kBlue);
    g.SetFontInfo("Symbol", 14);
    EXPECT_EQ(Drawn([&] { g.DefineGraph(0, 20000, 0, 1); }, "DrawRect"), "DrawRect 40 16 451 201");
    for (const auto& c : F().Calls())
        EXPECT_EQ(c.color, c.op == "FillRect" ? kWhite : kBlack) << c.ToString();
    const std::string x = Texts([&] { g.zDrawXAxis(); });
    EXPECT_THAT(x, StartsWith("'0' 38 231 System 9; '2' 83 231 System 9; "));
    EXPECT_THAT(x, EndsWith("'20' 485 231 System 9; 'x10' 480 241 System 9 bold; '3' 496 238 System 6 bold"));
    for (const auto& c : F().Calls())
        EXPECT_EQ(c.color, kBlue) << c.ToString();
    EXPECT_EQ(std::tuple(StyleOf(*g.GX), g.GX->ForeColor()), std::tuple("Symbol 14", kBlue));
    g.SetTickFontInfo("Helvetica", 10);
    g.DefineGraph(0, 1, 0,
                  20000); // y labels "0" to "20" are 10 wide in Helvetica 9: the rectangle starts at 34
    EXPECT_THAT(
        Texts([&] { g.zDrawYAxis(); }),
        EndsWith("'20' 15 19 Helvetica 10; 'x10' 5 29 Helvetica 10 bold; '3' 23 26 Helvetica 7 bold"));
}

// From 0.004 the ticks start at 0.02, and the major ticks at 0.1, the first drawn, not at 0, which
// is never reached. From 0.001 the tick at 0 lies within 5 % of a step outside: drawn on the frame
// line, it sets RErr. The layout measures the wider label of the first and last major tick: with a
// minor step of 0.5 and a major one of 2, an end within 5 % of a major step of the major tick beyond
// it, which no minor tick reaches, measures that tick's label.
TEST_F(AxisDrawing, UnadjustedEndsJustPastATickAndTickLabelWidths) {
    g.SetXAdjust(false);
    g.SetGrid(true);
    g.DefineGraph(0.004, 1, 0, 1);
    g.SetColor(kBlue);
    EXPECT_EQ(AxesDrawn(), "16 55 16: ");
    EXPECT_EQ(LinesIn(F().Calls(), kGrey).size(), 13u);
    EXPECT_THAT(Drawn([&] { g.zDrawXAxis(); }, "DrawString"), StartsWith("DrawString '0.1' "));
    g.DefineGraph(0.001, 1, 0, 1);
    g.RErr = false;
    EXPECT_THAT(Drawn([&] { g.zDrawXAxis(); }, "DrawLine"), StartsWith(Line(40, 216, 40, 221) + ";"));
    EXPECT_TRUE(g.RErr);
    std::tie(g.XMin, g.XMax) = std::tuple(1e15, 1e15 + 1);
    std::string message;
    EXPECT_EQ(Drawn([&] { message = Err([&] { g.zDrawXAxis(); }); }), "");
    EXPECT_EQ(message, "zDrawXAxis: x axis ticks cannot be numbered.");
    std::tie(g.XTickN, g.YTickN, g.XTPower, g.YTPower) = std::tuple(-1, -1, 0, 0);
    for (const auto& [min, width] : {std::pair(-9.95, 16), {0.0, 10}}) {
        std::tie(g.XMin, g.YMin, g.XMax, g.YMax) = std::tuple(min, min, 9.95, 9.95);
        EXPECT_EQ(std::tuple(g.zYTickWidth(), g.zXTickWidth()), std::tuple(width, width)) << min;
    }
    Ops patterns;
    for (double step : {1.0, 0.5, 0.1, 0.01, 0.001, 0.0005})
        patterns.push_back(g.zTickFormat(step));
    EXPECT_EQ(Join(patterns), "-#0; -#0.0; -#0.0; -#0.00; -#0.000; -#0.0000");
}

// 8 pixels in from the frame's edge and 8 away from the frame line or the tick label band, centred:
// a 12 high title "T" 7 wide, an x label "ab" 14 wide and a y label "abc" 21 wide. The rectangle is
// 453 x 244 at (37, 28) without ticks and 429 x 230 at (61, 28) with them.
TEST_F(AxisDrawing, TitleAndAxisLabelsSitInTheirMargins) {
    const std::pair<bool, const char*> cases[] = {
        {true, "'T' 271 18 System 12; 'ab' 268 290 System 12; 'abc' 7 147 System 12; "},
        {false, "'T' 259 18 System 12; 'ab' 256 290 System 12; 'abc' 7 154 System 12"},
    };
    for (const auto& [ticks, labels] : cases) {
        Open(506, 300);
        SetAllTicks(ticks);
        g.SetTitle("T");
        g.SetXLabel("ab");
        g.SetYLabel("abc");
        EXPECT_THAT(Texts([&] { g.DefineGraph(0, 1, 0, 1); }), StartsWith(labels)) << ticks;
    }
}
