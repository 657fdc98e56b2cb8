// Axis drawing in a 506 x 238 frame: from 0 to 1 the rectangle is 450 x 200 at (40, 16). Tick labels
// are in System 9, 5.4 pixels a character.

#include "tests/graph/opened_graph.h"

namespace {

constexpr tk::Color kBlue = tk::RGB(0, 0, 255);

class AxisDrawing : public OpenedGraph {
protected:
    AxisDrawing() { Open(506, 238); }
    Ops LinesIn(tk::Color color) {
        Ops lines;
        for (const auto& c : F().Calls())
            if (c.op == "DrawLine" && c.color == color)
                lines.push_back(c.ToString());
        return lines;
    }
    // What both axes draw: "majors minors labels: black lines", counting ticks 5 and 3 long.
    std::string AxesDrawn() {
        F().Clear();
        g.zDrawXAxis();
        g.zDrawYAxis();
        int major = 0;
        int minor = 0;
        int labels = 0;
        for (const auto& c : F().Calls()) {
            const int length =
                c.op == "DrawLine" ? std::abs(c.args[2] - c.args[0] + c.args[3] - c.args[1]) : 0;
            major += length == 5;
            minor += length == 3;
            labels += c.op == "DrawString";
        }
        return Join({std::to_string(major), std::to_string(minor), std::to_string(labels)}, " ") + ": " +
               Join(LinesIn(kBlack));
    }
};

} // namespace

// Minor ticks alone bring the majors. Zero lines stand strictly inside the range. Unadjusted from 0.001 the
// tick at 0, within 5 % of a step outside, is drawn and sets RErr.
TEST_F(AxisDrawing, TicksLabelsAndZeroLinesFromWhereverTheRangeStartsInTheirColoursAndStyles) {
    // Major and minor ticks on x, zero lines on x and y, the x minimum and the y range; what is drawn.
    for (const auto& [major, minor, xZero, yZero, xMin, yMin, yMax, drawn] : {
             std::tuple(1, 0, 0, 0, 0.0, 0.0, 1.0, std::string("17 15 17: ")),
             {0, 1, 0, 0, 0, 0, 1, "17 55 17: "},
             {1, 1, 1, 0, -1, 0, 1, "17 45 17: DrawLine 265 216 265 16"},
             {1, 1, 1, 1, 0, -1, 0, "17 55 17: "},
             {1, 1, 0, 1, 0, -1, 1, "16 56 16: DrawLine 45 116 490 116"},
         }) {
        g.SetXMajTix(major);
        g.SetXMinTix(minor);
        g.SetXZeroLn(xZero);
        g.SetYZeroLn(yZero);
        g.DefineGraph(xMin, 1, yMin, yMax);
        g.SetColor(kBlue);
        EXPECT_EQ(AxesDrawn(), drawn);
    }
    g.SetXAdjust(false);
    g.DefineGraph(0.001, 1, 0, 1);
    g.RErr = false;
    EXPECT_THAT(Drawn([&] { g.zDrawXAxis(); }, "DrawLine"), testing::StartsWith("DrawLine 40 216 40 221;"));
    EXPECT_TRUE(g.RErr);
    std::tie(g.XMin, g.XMax) = std::tuple(1e15, 1e15 + 1);
    EXPECT_EQ(Err([&] { g.zDrawXAxis(); }), "zDrawXAxis: x axis ticks cannot be numbered.");
    // Framed through the pixels of both range ends and drawn in black; an axis alone is drawn in the
    // colour it finds. The power label is centred under the last major tick, 25 below the frame line.
    g.SetColor(kBlue);
    g.SetFontInfo("Symbol", 14);
    EXPECT_EQ(Drawn([&] { g.DefineGraph(0, 20000, 0, 1); }, "DrawRect"), "DrawRect 40 16 451 201");
    EXPECT_EQ(LinesIn(kBlue), Ops{});
    const std::string x = Texts([&] { g.zDrawXAxis(); });
    EXPECT_THAT(x, testing::StartsWith("'0' 38 231 System 9; '2' 83 231 System 9; "));
    EXPECT_THAT(x, testing::EndsWith("'x10' 480 241 System 9 bold; '3' 496 238 System 6 bold"));
    EXPECT_EQ(LinesIn(kBlack), Ops{});
    EXPECT_EQ(std::tuple(StyleOf(*g.GX), g.GX->ForeColor()), std::tuple("Symbol 14", kBlue));
}
