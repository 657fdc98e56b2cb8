// Axis drawing through the recording frame: tick and label positions, the power label, tick flags,
// grid and zero lines, the measuring of tick labels and the placing of title and axis labels.
//
// Most plots here use a 506 x 238 frame: with x and y from 0 to 1 the graph rectangle is 450 x 200
// at (40, 16), so x tick i (step 0.02) is at column 40 + 9i and y tick i (step 0.05) at row
// 216 - 10i. Text is 0.6 x size pixels a character: "0.0" is 16 wide in the tick font, System 9.

#include "graph/graph.h"
#include "tests/graph/opened_graph.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using Ops = std::vector<std::string>;
using testing_graph::OpenedGraph;

constexpr tk::Color kBlue = tk::RGB(0, 0, 255);
constexpr tk::Color kGrey = tk::RGB(180, 180, 180);

Ops CallsOf(const fake::CallLog& calls, const std::string& op, tk::Color color) {
    Ops ops;
    for (const auto& call : calls)
        if (call.op == op && call.color == color)
            ops.push_back(call.ToString());
    return ops;
}

const fake::DrawCall* FindText(const fake::CallLog& calls, const std::string& text) {
    for (const auto& call : calls)
        if (call.op == "DrawString" && call.text == text)
            return &call;
    return nullptr;
}

// A tick is a line 5 (major) or 3 (minor) pixels long leaving a frame line.
struct TickCount {
    int major = 0;
    int minor = 0;
};

TickCount CountTicks(const fake::CallLog& calls) {
    TickCount count;
    for (const auto& call : calls) {
        if (call.op != "DrawLine")
            continue;
        const int length = std::abs(call.args[2] - call.args[0]) + std::abs(call.args[3] - call.args[1]);
        count.major += length == 5;
        count.minor += length == 3;
    }
    return count;
}

void SetAllTicks(Graph& g, bool on) {
    g.SetXMajTix(on);
    g.SetXMinTix(on);
    g.SetYMajTix(on);
    g.SetYMinTix(on);
}

class AxisDrawing : public ::testing::Test {
protected:
    AxisDrawing() : opened(506, 238), g(opened.graph) {}

    // Defines the plot, then records one axis drawn on its own.
    Ops DrawnX(const std::string& op) {
        return opened.OpsOf(op, [&] { g.zDrawXAxis(); });
    }
    Ops DrawnY(const std::string& op) {
        return opened.OpsOf(op, [&] { g.zDrawYAxis(); });
    }

    OpenedGraph opened;
    Graph& g;
};

// ---- Ticks and tick labels ----

TEST_F(AxisDrawing, XFrom0To1HasFiftyOneTicksAndElevenLabels) {
    g.DefineGraph(0, 1, 0, 1);
    const Ops lines = DrawnX("DrawLine");
    ASSERT_EQ(51u, lines.size());
    EXPECT_EQ("DrawLine 40 216 40 221", lines[0]);
    EXPECT_EQ("DrawLine 49 216 49 219", lines[1]);
    EXPECT_EQ("DrawLine 76 216 76 219", lines[4]);
    EXPECT_EQ("DrawLine 85 216 85 221", lines[5]);
    EXPECT_EQ("DrawLine 490 216 490 221", lines[50]);
    const Ops labels{"DrawString '0.0' 32 231",  "DrawString '0.1' 77 231",  "DrawString '0.2' 122 231",
                     "DrawString '0.3' 167 231", "DrawString '0.4' 212 231", "DrawString '0.5' 257 231",
                     "DrawString '0.6' 302 231", "DrawString '0.7' 347 231", "DrawString '0.8' 392 231",
                     "DrawString '0.9' 437 231", "DrawString '1.0' 482 231"};
    EXPECT_EQ(labels, DrawnX("DrawString"));
}

TEST_F(AxisDrawing, YTicksPointLeftAndLabelsEndSevenPixelsShortOfTheFrame) {
    g.DefineGraph(0, 1, 0, 1);
    const Ops lines = DrawnY("DrawLine");
    ASSERT_EQ(21u, lines.size());
    EXPECT_EQ("DrawLine 40 216 35 216", lines[0]);
    EXPECT_EQ("DrawLine 40 206 37 206", lines[1]);
    EXPECT_EQ("DrawLine 40 176 35 176", lines[4]);
    EXPECT_EQ("DrawLine 40 16 35 16", lines[20]);
    const Ops labels{"DrawString '0.0' 17 219", "DrawString '0.2' 17 179", "DrawString '0.4' 17 139",
                     "DrawString '0.6' 17 99",  "DrawString '0.8' 17 59",  "DrawString '1.0' 17 19"};
    EXPECT_EQ(labels, DrawnY("DrawString"));
}

TEST_F(AxisDrawing, TicksAndLabelsUseTheTickFontAndTheEntryColourAndPutBackTheStyle) {
    g.SetTickFontInfo("Helvetica", 10);
    g.DefineGraph(0, 1, 0, 1);
    g.SetColor(kBlue);
    g.SetFontInfo("Symbol", 14);
    opened.Frame().Clear();
    g.zDrawXAxis();
    for (const auto& call : opened.Frame().Calls()) {
        EXPECT_EQ(kBlue, call.color) << call.ToString();
        EXPECT_EQ("Helvetica", call.font) << call.ToString();
        EXPECT_EQ(10, call.size) << call.ToString();
    }
    EXPECT_EQ("Symbol", g.GX->TextFont());
    EXPECT_EQ(14, g.GX->TextSize());
    EXPECT_EQ(kBlue, g.GX->ForeColor());
}

TEST_F(AxisDrawing, ThousandsGetAPowerLabelUnderTheLastMajorLabel) {
    g.DefineGraph(0, 20000, 0, 1);
    const Ops labels = DrawnX("DrawString");
    const Ops expected{"DrawString '0' 38 231",   "DrawString '2' 83 231",   "DrawString '4' 128 231",
                       "DrawString '6' 173 231",  "DrawString '8' 218 231",  "DrawString '10' 260 231",
                       "DrawString '12' 305 231", "DrawString '14' 350 231", "DrawString '16' 395 231",
                       "DrawString '18' 440 231", "DrawString '20' 485 231", "DrawString 'x10' 481 241",
                       "DrawString '3' 497 238"};
    ASSERT_EQ(expected.size(), labels.size());
    for (std::size_t i = 0; i + 2 < expected.size(); ++i)
        EXPECT_EQ(expected[i], labels[i]);
    // The power label is centred on the last major tick (column 490), its baseline 25 below the frame.
    const fake::DrawCall* times = FindText(opened.Frame().Calls(), "x10");
    const fake::DrawCall* power = FindText(opened.Frame().Calls(), "3");
    ASSERT_TRUE(times && power);
    EXPECT_NEAR(480.5, times->args[0], 0.5);
    EXPECT_EQ(241, times->args[1]);
    EXPECT_TRUE(times->bold);
    EXPECT_EQ(9, times->size);
    EXPECT_EQ(6, power->size);
    EXPECT_EQ(238, power->args[1]);
}

TEST_F(AxisDrawing, YPowerLabelSitsUnderTheTopmostLabel) {
    g.DefineGraph(0, 1, 0, 20000); // y labels "0" to "20" are 10 wide: the rectangle starts at 34
    ASSERT_EQ(34, g.GLeft);
    const Ops labels = DrawnY("DrawString");
    ASSERT_FALSE(labels.empty());
    EXPECT_EQ("DrawString '20' 17 19", labels[labels.size() - 3]);
    const fake::DrawCall* times = FindText(opened.Frame().Calls(), "x10");
    ASSERT_TRUE(times);
    EXPECT_EQ(16 + 13, times->args[1]);
    EXPECT_EQ(34 - 7 - 19, times->args[0]); // ends 7 left of the frame line; "x10" and "3" are 16 + 3 wide
}

struct TickFlags {
    const char* name;
    bool major, minor;
    int majorTicks, minorTicks, labels;
};

TEST_F(AxisDrawing, TickFlagsChooseWhatIsDrawn) {
    const TickFlags cases[] = {
        {"both", true, true, 11, 40, 11},
        {"major only: no minor ticks", true, false, 11, 0, 11},
        {"minor only: majors and labels too", false, true, 11, 40, 11},
        {"neither: nothing", false, false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g.SetXMajTix(c.major);
        g.SetXMinTix(c.minor);
        g.DefineGraph(0, 1, 0, 1);
        opened.Frame().Clear();
        g.zDrawXAxis();
        const TickCount ticks = CountTicks(opened.Frame().Calls());
        EXPECT_EQ(c.majorTicks, ticks.major);
        EXPECT_EQ(c.minorTicks, ticks.minor);
        EXPECT_EQ(c.labels, static_cast<int>(opened.Frame().Ops("DrawString").size()));
    }
}

// ---- Grid and zero lines ----

struct GridCase {
    const char* name;
    bool ticks;
    Ops xLines, yLines;
};

TEST_F(AxisDrawing, GridStopsOnePixelShortOfTheFrameWithTicksAndTouchesItWithout) {
    const GridCase cases[] = {
        {"ticks on",
         true,
         {"DrawLine 85 215 85 17", "DrawLine 130 215 130 17", "DrawLine 175 215 175 17",
          "DrawLine 220 215 220 17", "DrawLine 265 215 265 17", "DrawLine 310 215 310 17",
          "DrawLine 355 215 355 17", "DrawLine 400 215 400 17", "DrawLine 445 215 445 17"},
         {"DrawLine 41 176 489 176", "DrawLine 41 136 489 136", "DrawLine 41 96 489 96",
          "DrawLine 41 56 489 56"}},
        {"ticks off",
         false,
         {"DrawLine 63 222 63 16", "DrawLine 111 222 111 16", "DrawLine 158 222 158 16",
          "DrawLine 206 222 206 16", "DrawLine 253 222 253 16", "DrawLine 300 222 300 16",
          "DrawLine 348 222 348 16", "DrawLine 395 222 395 16", "DrawLine 443 222 443 16"},
         {"DrawLine 16 181 490 181", "DrawLine 16 140 490 140", "DrawLine 16 98 490 98",
          "DrawLine 16 57 490 57"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g.SetGrid(true);
        SetAllTicks(g, c.ticks);
        g.DefineGraph(0, 1, 0, 1);
        opened.Frame().Clear();
        g.zDrawXAxis();
        EXPECT_EQ(c.xLines, CallsOf(opened.Frame().Calls(), "DrawLine", kGrey)) << "x";
        opened.Frame().Clear();
        g.zDrawYAxis();
        EXPECT_EQ(c.yLines, CallsOf(opened.Frame().Calls(), "DrawLine", kGrey)) << "y";
        g.SetGrid(false);
        opened.Frame().Clear();
        g.DefineGraph(0, 1, 0, 1);
        EXPECT_TRUE(CallsOf(opened.Frame().Calls(), "DrawLine", kGrey).empty());
    }
}

struct ZeroLineCase {
    const char* name;
    double xMin, yMin, yMax;
    bool xZero, yZero;
    Ops blackLines;
};

TEST_F(AxisDrawing, ZeroLinesOnlyStrictlyInsideTheRangeAndAlwaysBlack) {
    const ZeroLineCase cases[] = {
        {"x from -1", -1, 0, 1, true, false, {"DrawLine 265 216 265 16"}},
        {"x from 0", 0, 0, 1, true, false, {}},
        {"x flag off", -1, 0, 1, false, false, {}},
        {"y from -1 to 1", 0, -1, 1, false, true, {"DrawLine 45 116 490 116"}},
        {"y up to 0", 0, -1, 0, false, true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g.SetXZeroLn(c.xZero);
        g.SetYZeroLn(c.yZero);
        g.DefineGraph(c.xMin, 1, c.yMin, c.yMax);
        g.SetColor(kBlue);
        opened.Frame().Clear();
        g.zDrawXAxis();
        g.zDrawYAxis();
        EXPECT_EQ(c.blackLines, CallsOf(opened.Frame().Calls(), "DrawLine", tk::RGB(0, 0, 0)));
        EXPECT_EQ(kBlue, g.GX->ForeColor());
    }
}

// ---- Adjust off ----

// The minimum 0.004 lies just above the major tick 0: the ticks start at 0.02, and the major ticks
// must start at 0.1, the first one drawn, rather than at 0, which is never reached.
TEST_F(AxisDrawing, MinimumJustAboveAMajorTickKeepsTheMajorTicks) {
    g.SetXAdjust(false);
    g.SetGrid(true);
    g.DefineGraph(0.004, 1, 0, 1);
    const Ops labels = DrawnX("DrawString");
    ASSERT_EQ(10u, labels.size());
    EXPECT_EQ("'0.1'", labels.front().substr(11, 5));
    EXPECT_EQ("'1.0'", labels.back().substr(11, 5));
    const std::int32_t first = g.XCoord(0.1);
    EXPECT_EQ("DrawLine " + std::to_string(first) + " 216 " + std::to_string(first) + " 221",
              opened.Frame().Ops("DrawLine")[4]);
    EXPECT_EQ(10, CountTicks(opened.Frame().Calls()).major);
    EXPECT_EQ(9u, CallsOf(opened.Frame().Calls(), "DrawLine", kGrey).size());
}

// A tick within 5 % of a step outside an unadjusted range is drawn on the frame line and, being
// outside the axis, sets RErr.
TEST_F(AxisDrawing, TickJustOutsideAnUnadjustedRangeLandsOnTheFrameLine) {
    g.SetXAdjust(false);
    g.RErr = false;
    g.DefineGraph(0.001, 1, 0, 1);
    EXPECT_TRUE(g.RErr);
    EXPECT_EQ("DrawLine 40 216 40 221", opened.Frame().Ops("DrawLine")[0]);
}

// ---- Far from zero ----

TEST_F(AxisDrawing, AxisNearTheLargestDoublesIsTickedAndLabelled) {
    g.DefineGraph(1e300, 1.0000001e300, 0, 1);
    EXPECT_EQ(291, g.XTPower);
    const Ops lines = DrawnX("DrawLine");
    ASSERT_EQ(51u, lines.size());
    EXPECT_EQ("DrawLine 40 216 40 221", lines[0]);
    EXPECT_EQ("DrawLine 49 216 49 219", lines[1]);
    EXPECT_EQ("DrawLine 490 216 490 221", lines[50]);
    const Ops labels = DrawnX("DrawString");
    ASSERT_EQ(13u, labels.size());
    // Ten characters of 5.4 pixels come to a hair under 54: the labels start 26 left of their tick.
    EXPECT_EQ("DrawString '1000000000' 14 231", labels[0]);
    EXPECT_EQ("DrawString '1000000100' 464 231", labels[10]);
    EXPECT_EQ("DrawString '291' ", labels[12].substr(0, 17));
}

TEST_F(AxisDrawing, AxisTooNarrowForItsDistanceFromZeroIsRefusedBeforeDrawing) {
    opened.Frame().Clear();
    try {
        g.DefineGraph(0, 1, 1e12, 1e12 + 1);
        FAIL() << "no GraphError";
    } catch (const GraphError& e) {
        EXPECT_EQ(0u, e.msg.find("zDefineYAxis: "));
        EXPECT_NE(std::string::npos, e.msg.find("too narrow for its distance from zero"));
    }
    EXPECT_TRUE(opened.Frame().Ops("DrawLine").empty());
}

TEST_F(AxisDrawing, FieldsThatCannotBeTickedAreRefusedNotDrawn) {
    g.DefineGraph(0, 1, 0, 1);
    g.XMin = 1e15;
    g.XMax = 1e15 + 1;
    opened.Frame().Clear();
    try {
        g.zDrawXAxis();
        FAIL() << "no GraphError";
    } catch (const GraphError& e) {
        EXPECT_EQ("zDrawXAxis: x axis ticks cannot be numbered.", e.msg);
    }
    EXPECT_TRUE(opened.Frame().Calls().empty());
}

// ---- Measuring tick labels ----

struct Measured {
    const char* name;
    double min, max;
    std::int32_t tickN, power, width;
};

TEST(TickWidth, WiderOfFirstAndLastMajorLabelInHelvetica9) {
    const Measured cases[] = {
        {"0.0 and 1.0", 0, 1, -4, 0, 16},
        {"-1.0 is wider", -1, 1, -4, 0, 21},
        {"thousands: 0 and 20", 0, 20000, -1, 3, 10},
        {"-#0.00: -0.10 (5 x 5.4, a hair under 27) and 0.20", -0.1, 0.2, -6, 0, 26},
        // Minor step 0.5, major step 2: each end lies within 5 % of a major step of the major tick
        // beyond it, which no minor tick reaches; that tick's label is the one measured.
        {"-9.95 to 9.95 measures -10 and 10", -9.95, 9.95, -1, 0, 16},
        {"0 to 9.95 measures 0 and 10", 0, 9.95, -1, 0, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake::RecordingGraphics target;
        Graph g;
        g.GX = &target;
        g.SetFontInfo("Symbol", 30, true, true);
        g.YMin = g.XMin = c.min;
        g.YMax = g.XMax = c.max;
        g.YTickN = g.XTickN = c.tickN;
        g.YTPower = g.XTPower = c.power;
        EXPECT_EQ(c.width, g.zYTickWidth());
        EXPECT_EQ(c.width, g.zXTickWidth());
        EXPECT_EQ("Symbol", target.TextFont());
        EXPECT_EQ(30, target.TextSize());
        EXPECT_TRUE(target.Bold());
        EXPECT_TRUE(target.Italic());
    }
}

TEST(TickFormat, DecimalsFollowTheMajorStep) {
    const struct {
        double step;
        const char* pattern;
    } cases[] = {{20, "-#0"},          {1, "-#0"},        {0.5, "-#0.0"},     {0.1, "-#0.0"},
                 {0.05, "-#0.00"},     {0.01, "-#0.00"},  {0.005, "-#0.000"}, {0.001, "-#0.000"},
                 {0.0005, "-#0.0000"}, {1e-9, "-#0.0000"}};
    Graph g;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        EXPECT_EQ(c.pattern, g.zTickFormat(c.step));
    }
}

// ---- Title and axis labels ----

struct LabelPlacement {
    const char* name;
    bool ticks;
    int titleBaseline, xLabelBaseline, yLabelBaseline;
    double titleCentre, yLabelLeft;
};

// 8 pixels in from the frame's edge and 8 away from the frame line or the tick label band: with
// a 12 high title "T", an x label "ab" and a y label "abc" 21 wide. The rectangle is 453 x 244 at
// (37, 28) without ticks and 429 x 230 at (61, 28) with them.
TEST(Labels, TitleAndAxisLabelsSitInTheirMargins) {
    const LabelPlacement cases[] = {
        {"ticks on", true, 18, 290, 147, 275, 8},
        {"ticks off", false, 18, 290, 154, 263, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenedGraph opened(506, 300);
        Graph& g = opened.graph;
        SetAllTicks(g, c.ticks);
        g.SetTitle("T");
        g.SetXLabel("ab");
        g.SetYLabel("abc");
        g.DefineGraph(0, 1, 0, 1);
        const auto& calls = opened.Frame().Calls();
        const fake::DrawCall* title = FindText(calls, "T");
        const fake::DrawCall* xLabel = FindText(calls, "ab");
        const fake::DrawCall* yLabel = FindText(calls, "abc");
        ASSERT_TRUE(title && xLabel && yLabel);
        EXPECT_EQ(c.titleBaseline, title->args[1]);
        EXPECT_NEAR(c.titleCentre - 3.5, title->args[0], 1);
        EXPECT_EQ(c.xLabelBaseline, xLabel->args[1]);
        EXPECT_NEAR(c.titleCentre - 7, xLabel->args[0], 1);
        EXPECT_EQ(c.yLabelBaseline, yLabel->args[1]);
        EXPECT_NEAR(c.yLabelLeft, yLabel->args[0], 1);
    }
}

} // namespace
