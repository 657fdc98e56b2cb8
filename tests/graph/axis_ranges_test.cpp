// Axis ranges and the mapping: option flags, the 1-2-5 steps, the definition of one axis, the
// layout of the graph rectangle, the equal-scale plot, and data to pixels and back.

#include "graph/graph.h"
#include "tests/graph/opened_graph.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>

namespace {

using testing_graph::OpenedGraph;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::string MessageOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const GraphError& e) {
        return e.msg;
    }
    return "(no GraphError)";
}

// ---- Option flags ----

struct BitSetter {
    const char* name;
    void (Graph::*set)(bool);
    std::int32_t Graph::*flags;
    std::int32_t bit;
};

TEST(AxisFlags, EachSetterSetsAndClearsOnlyItsBit) {
    const BitSetter setters[] = {
        {"SetXAdjust", &Graph::SetXAdjust, &Graph::XFlags, 32},
        {"SetYAdjust", &Graph::SetYAdjust, &Graph::YFlags, 32},
        {"SetXMajTix", &Graph::SetXMajTix, &Graph::XFlags, 64},
        {"SetYMajTix", &Graph::SetYMajTix, &Graph::YFlags, 64},
        {"SetXMinTix", &Graph::SetXMinTix, &Graph::XFlags, 128},
        {"SetYMinTix", &Graph::SetYMinTix, &Graph::YFlags, 128},
        {"SetXZeroLn", &Graph::SetXZeroLn, &Graph::XFlags, 256},
        {"SetYZeroLn", &Graph::SetYZeroLn, &Graph::YFlags, 256},
    };
    for (const auto& s : setters) {
        SCOPED_TRACE(s.name);
        Graph g;
        g.*s.flags = 0x1FF & ~s.bit;
        (g.*s.set)(true);
        EXPECT_EQ(0x1FF, g.*s.flags);
        (g.*s.set)(false);
        EXPECT_EQ(0x1FF & ~s.bit, g.*s.flags);
        (g.*s.set)(false);
        EXPECT_EQ(0x1FF & ~s.bit, g.*s.flags);
    }
}

TEST(AxisFlags, TickSpacingIsHeldBetween3And31AndKeepsTheOptionBits) {
    const struct {
        std::int32_t asked, stored;
    } cases[] = {{0, 3}, {-5, 3}, {3, 3}, {12, 12}, {31, 31}, {100, 31}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.asked);
        Graph g;
        g.XFlags = 231;
        g.YFlags = 0x1E0 | 0x3E00; // option bits, and bits above them that the setter clears
        g.SetXTixPix(c.asked);
        g.SetYTixPix(c.asked);
        EXPECT_EQ(224 | c.stored, g.XFlags);
        EXPECT_EQ(0x1E0 | c.stored, g.YFlags);
    }
}

// ---- The 1-2-5 sequence ----

TEST(TickSize, FollowsOneTwoFiveWithMathematicalFloorAndMod) {
    const struct {
        std::int32_t index;
        double step;
    } cases[] = {{0, 1},    {1, 2},    {2, 5},    {3, 10},    {4, 20},    {7, 200},
                 {-1, 0.5}, {-2, 0.2}, {-3, 0.1}, {-4, 0.05}, {-5, 0.02}, {-6, 0.01}};
    Graph g;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_DOUBLE_EQ(c.step, g.zTickSize(c.index));
    }
}

TEST(TickSize, ExtremeIndicesGiveZeroAndInfinityWithoutOverflow) {
    Graph g;
    EXPECT_EQ(0.0, g.zTickSize(std::numeric_limits<std::int32_t>::min()));
    EXPECT_EQ(kInf, g.zTickSize(std::numeric_limits<std::int32_t>::max()));
}

// ---- Defining one axis ----

class AxisDefinition : public ::testing::Test {
protected:
    AxisDefinition() {
        g.InvLog10 = 1 / std::log(10.0);
        g.XFlags = g.YFlags = 231;
        g.GWidth = 450;
        g.GHeight = 450;
    }
    Graph g;
};

struct DefinedAxis {
    const char* name;
    double lo, hi;
    bool adjust;
    std::int32_t power, tickN;
    double min, max, vToPix;
};

// On 450 pixels with spacing 7. Minor steps by index: -5 is 0.02 (major 0.1), -3 is 0.1 (major 0.5),
// -2 is 0.2 (major 1), -1 is 0.5 (major 2, here in thousands).
TEST_F(AxisDefinition, ChoosesPowerStepAndAdjustedRange) {
    const DefinedAxis cases[] = {
        {"0 to 1", 0, 1, true, 0, -5, 0, 1, 450},
        {"0.3 to 9.7 widens to whole major steps", 0.3, 9.7, true, 0, -2, 0, 10, 45},
        {"0.97 to 10 moves up onto the tick at 1", 0.97, 10, true, 0, -2, 1, 10, 50},
        {"0 to 20000 in thousands", 0, 20000, true, 3, -1, 0, 20000, 0.0225},
        {"0.001 to 0.005 in thousandths", 0.001, 0.005, true, -3, -3, 0.001, 0.005, 112500},
        {"adjust off keeps the range", 0.3, 9.7, false, 0, -2, 0.3, 9.7, 450 / 9.4},
        // Requested, 1.53 wide, gives index -5; the adjusted 1.6 would give -4.
        {"tick index from the requested range", 0.01, 1.54, true, 0, -5, 0, 1.6, 281.25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g.SetXAdjust(c.adjust);
        g.zDefineXAxis(c.lo, c.hi);
        EXPECT_EQ(c.power, g.XTPower);
        EXPECT_EQ(c.tickN, g.XTickN);
        EXPECT_DOUBLE_EQ(c.min, g.XMin);
        EXPECT_DOUBLE_EQ(c.max, g.XMax);
        EXPECT_DOUBLE_EQ(c.vToPix, g.XVtoPix);
    }
}

TEST_F(AxisDefinition, YAxisUsesItsOwnHeightAndFlags) {
    g.GHeight = 200;
    g.SetYAdjust(false);
    g.SetYTixPix(20);
    g.zDefineYAxis(-1, 1);
    EXPECT_EQ(-2, g.YTickN); // ceil(3 log10(2 * 20 / 200) - 0.15)
    EXPECT_EQ(-1, g.YMin);
    EXPECT_EQ(1, g.YMax);
    EXPECT_EQ(100, g.YVToPix);
    EXPECT_EQ(0, g.XVtoPix);
}

TEST_F(AxisDefinition, RefusalsNameTheOperationAndLeaveTheAxisUnchanged) {
    g.zDefineXAxis(0, 1);
    const struct {
        const char* name;
        double lo, hi;
        std::string message;
    } cases[] = {
        {"empty", 1, 1, "zDefineXAxis: x axis range is 0"},
        {"reversed", 2, 1, "zDefineXAxis: x axis range is -1"},
        {"not a number", kNaN, 1, "zDefineXAxis: x axis range is NaN"},
        {"infinite end", 0, kInf, "zDefineXAxis: x axis range is INF"},
        {"range overflows", -1e308, 1e308, "zDefineXAxis: x axis range is INF"},
        {"adjusted ends overflow", -8.9e307, 8.9e307,
         "zDefineXAxis: x axis from -8.9e+307 to 8.9e+307 is too wide or too narrow to scale."},
        {"too narrow to have pixels per unit", 0, 1e-320,
         "zDefineXAxis: x axis from 0 to 1e-320 is too wide or too narrow to scale."},
        {"ticks too far from zero to number", 1e12, 1e12 + 1,
         "zDefineXAxis: x axis from 1e+12 to 1000000000001 is too narrow for its distance from zero."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.message, MessageOf([&] { g.zDefineXAxis(c.lo, c.hi); }));
        EXPECT_EQ(0, g.XMin);
        EXPECT_EQ(1, g.XMax);
        EXPECT_EQ(-5, g.XTickN);
        EXPECT_EQ(450, g.XVtoPix);
    }
}

TEST_F(AxisDefinition, UndefinedRectangleIsRefusedFirst) {
    g.GWidth = 0;
    g.GHeight = -3;
    EXPECT_EQ("zDefineXAxis: Graph Width is undefined.", MessageOf([&] { g.zDefineXAxis(1, 1); }));
    EXPECT_EQ("zDefineYAxis: Graph Height is undefined.", MessageOf([&] { g.zDefineYAxis(0, 1); }));
    g.GHeight = 450;
    EXPECT_EQ("zDefineYAxis: y axis range is -2", MessageOf([&] { g.zDefineYAxis(1, -1); }));
}

TEST_F(AxisDefinition, FarFromZeroButNumberableAxisIsDefined) {
    g.zDefineXAxis(1e300, 1.0000001e300);
    EXPECT_EQ(291, g.XTPower);
    EXPECT_LE(g.XMin, 1e300);
    EXPECT_GE(g.XMax, 1.0000001e300);
    EXPECT_GT(g.XVtoPix, 0);
    EXPECT_TRUE(std::isfinite(g.XVtoPix));
}

// ---- Layout of the graph rectangle ----

TEST(GraphRectangle, MarginsFollowLabelsAndTicks) {
    // Fixed metrics: a label "ab" at size 12 is 12 high, "abc" is 21 wide; y tick labels
    // "0.0" and "1.0" in Helvetica 9 are 16 wide.
    const struct {
        const char* name;
        std::string xLabel, yLabel;
        bool xTicks, yTicks;
        std::int32_t top, left, height, width;
    } cases[] = {
        {"neither", "", "", false, false, 16, 16, 400 - 16 - 16, 500 - 16 - 16},
        {"ticks only", "", "", true, true, 16, 16 + 24, 400 - 16 - 22, 500 - 40 - 16},
        {"labels only", "ab", "abc", false, false, 16, 21 + 16, 400 - 16 - 28, 500 - 37 - 16},
        {"both", "ab", "abc", true, true, 16, 21 + 16 + 24, 400 - 16 - 42, 500 - 61 - 16},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenedGraph opened(500, 400);
        Graph& g = opened.graph;
        g.SetXLabel(c.xLabel);
        g.SetYLabel(c.yLabel);
        g.SetXMajTix(c.xTicks);
        g.SetXMinTix(c.xTicks);
        g.SetYMajTix(c.yTicks);
        g.SetYMinTix(c.yTicks);
        g.DefineGraph(0, 1, 0, 1);
        EXPECT_EQ(c.top, g.GTop);
        EXPECT_EQ(c.left, g.GLeft);
        EXPECT_EQ(c.height, g.GHeight);
        EXPECT_EQ(c.width, g.GWidth);
    }
}

TEST(GraphRectangle, TitleHeightWidensTheTopMargin) {
    OpenedGraph opened(500, 400);
    opened.graph.SetTitle("T");
    opened.graph.DefineGraph(0, 1, 0, 1);
    EXPECT_EQ(12 + 16, opened.graph.GTop);
}

TEST(GraphRectangle, HeightOf150Fits112And137IsNotTallEnough) {
    OpenedGraph fits(300, 150);
    fits.graph.DefineGraph(0, 1, 0, 1);
    EXPECT_EQ(112, fits.graph.GHeight);

    OpenedGraph low(300, 137);
    EXPECT_EQ("zDefineGRect: Graph is not tall enough.",
              MessageOf([&] { low.graph.DefineGraph(0, 1, 0, 1); }));
    EXPECT_EQ(0, low.graph.GHeight);
    EXPECT_TRUE(low.Frame().Ops("DrawRect").empty());
}

TEST(GraphRectangle, TooNarrowClearsTheRectangleWithYAlreadyDefined) {
    OpenedGraph narrow(155, 300); // y labels "-1.0" and "1.0": 155 - 45 - 16 = 94 wide
    EXPECT_EQ("zDefineGRect: Graph too small.", MessageOf([&] { narrow.graph.DefineGraph(0, 1, -1, 1); }));
    EXPECT_EQ(0, narrow.graph.GLeft);
    EXPECT_EQ(0, narrow.graph.GTop);
    EXPECT_EQ(0, narrow.graph.GWidth);
    EXPECT_EQ(0, narrow.graph.GHeight);
    EXPECT_EQ(-1, narrow.graph.YMin);
    EXPECT_TRUE(narrow.Frame().Ops("DrawRect").empty());
}

TEST(GraphRectangle, RangeRefusedInDefineGraphDrawsNothing) {
    OpenedGraph opened(500, 400);
    EXPECT_EQ("zDefineYAxis: y axis range is 0", MessageOf([&] { opened.graph.DefineGraph(0, 1, 1, 1); }));
    EXPECT_TRUE(opened.Frame().Ops("DrawRect").empty());
}

TEST(GraphRectangle, DefineGraphFramesBothRangeEndsAndRestoresTheColour) {
    OpenedGraph opened(506, 238);
    opened.graph.SetColor(tk::RGB(0, 0, 255));
    opened.Frame().Clear();
    opened.graph.DefineGraph(0, 1, 0, 1);
    EXPECT_EQ(std::vector<std::string>{"DrawRect 40 16 451 201"}, opened.Frame().Ops("DrawRect"));
    for (const auto& call : opened.Frame().Calls()) {
        if (call.op == "DrawRect") {
            EXPECT_EQ(tk::RGB(0, 0, 0), call.color);
        }
    }
    EXPECT_EQ(tk::RGB(0, 0, 255), opened.graph.GX->ForeColor());
}

// ---- The equal-scale plot ----

// A frame whose graph rectangle is 300 x 200 when the y axis runs from -1 to 1: its tick labels
// "-1.0" and "1.0" make a left margin of 21 + 24.
constexpr int kSquareFrameWidth = 45 + 300 + 16;
constexpr int kSquareFrameHeight = 16 + 200 + 22;

TEST(EqualScale, ExampleNarrowsTheRectangleAroundItsCentre) {
    OpenedGraph opened(kSquareFrameWidth, kSquareFrameHeight);
    Graph& g = opened.graph;
    g.DefSqGraph(-1, 1);
    EXPECT_EQ(-1, g.YMin);
    EXPECT_EQ(1, g.YMax);
    EXPECT_DOUBLE_EQ(-0.8, g.XMin);
    EXPECT_DOUBLE_EQ(0.8, g.XMax);
    EXPECT_EQ(45 + 70, g.GLeft);
    EXPECT_EQ(160, g.GWidth);
    EXPECT_EQ(16, g.GTop);
    EXPECT_EQ(200, g.GHeight);
    EXPECT_EQ(100, g.XVtoPix);
    EXPECT_EQ(100, g.YVToPix);
    EXPECT_EQ(std::vector<std::string>{"DrawRect 115 16 160 200"}, opened.Frame().Ops("DrawRect"));
}

// 195 x 500: x keeps -1 to 1 at 97.5 pixels a unit; y, at 250, is redefined for -1.28 to 1.28 and
// adjusted to -1.4 to 1.4; the rectangle becomes trunc(97.5 x 2.8) = 273 high, 114 rows lower.
TEST(EqualScale, TallRectangleNarrowsTheYAxis) {
    OpenedGraph opened(256, 538);
    Graph& g = opened.graph;
    g.DefSqGraph(-1, 1);
    EXPECT_EQ(-1, g.XMin);
    EXPECT_EQ(1, g.XMax);
    EXPECT_DOUBLE_EQ(-1.4, g.YMin);
    EXPECT_DOUBLE_EQ(1.4, g.YMax);
    EXPECT_EQ(45, g.GLeft);
    EXPECT_EQ(195, g.GWidth);
    EXPECT_EQ(16 + 114, g.GTop);
    EXPECT_EQ(273, g.GHeight);
    EXPECT_EQ(97.5, g.YVToPix);
}

// Ends far from zero widen x by their own magnitude, far beyond the scale of y; the rectangle is
// narrowed back until the scales match, adjusted or not, and never grows.
TEST(EqualScale, RangeAwayFromZeroNeverGrowsTheRectangle) {
    const struct {
        const char* name;
        double min, max;
        bool adjust;
    } cases[] = {{"10 to 11 adjusted", 10, 11, true},
                 {"10 to 11 unadjusted", 10, 11, false},
                 {"1000 to 1001 adjusted", 1000, 1001, true},
                 {"1e6 to 1e6 + 1 unadjusted", 1e6, 1e6 + 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenedGraph opened(1000, 300);
        Graph& g = opened.graph;
        g.SetXAdjust(c.adjust);
        g.SetYAdjust(c.adjust);
        g.DefSqGraph(c.min, c.max);
        const std::int32_t right = 1000 - 16;
        EXPECT_GT(g.GWidth, 0);
        EXPECT_GE(g.GLeft, 16);
        EXPECT_LE(g.GLeft + g.GWidth, right);
        EXPECT_LE(g.XVtoPix * (g.XMax - g.XMin), g.GWidth + 1);
    }
}

// ---- Data to pixels and back ----

class Mapping : public ::testing::Test {
protected:
    Mapping() {
        g.GLeft = 40;
        g.GTop = 16;
        g.GWidth = 450;
        g.GHeight = 200;
        SetX(0, 1);
        SetY(-1, 1);
    }
    void SetX(double min, double max) {
        g.XMin = min;
        g.XMax = max;
        g.XVtoPix = g.GWidth / (max - min);
    }
    void SetY(double min, double max) {
        g.YMin = min;
        g.YMax = max;
        g.YVToPix = g.GHeight / (max - min);
    }
    Graph g;
};

struct Mapped {
    const char* name;
    double value;
    std::int32_t pixel;
    bool outOfRange;
};

TEST_F(Mapping, XCoordToleratesAHundredThousandthOfEachEnd) {
    SetX(1, 2);
    const Mapped cases[] = {
        {"lower end", 1, 40, false},
        {"just below, within", 1 - 0.000009, 40, false},
        {"beyond below", 1 - 0.000011, 40, true},
        {"middle", 1.5, 265, false},
        {"upper end", 2, 490, false},
        {"just above, within", 2 + 0.000019, 490, false},
        {"beyond above", 2 + 0.000021, 490, true},
        {"rounds up to nearest", 1 + 1.6 / 450, 42, false},
        {"rounds down to nearest", 1 + 1.4 / 450, 41, false},
        {"not a number", kNaN, 40, true},
        {"minus infinity", -kInf, 40, true},
        {"plus infinity", kInf, 490, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g.RErr = false;
        EXPECT_EQ(c.pixel, g.XCoord(c.value));
        EXPECT_EQ(c.outOfRange, g.RErr);
    }
}

TEST_F(Mapping, YCoordGrowsDownwardsAndClampsToTheRectangle) {
    const Mapped cases[] = {
        {"top", 1, 16, false},
        {"bottom", -1, 216, false},
        {"zero", 0, 116, false},
        {"above", 1.01, 16, true},
        {"below", -1.01, 216, true},
        {"not a number", kNaN, 216, true},
        {"plus infinity", kInf, 16, true},
        {"minus infinity", -kInf, 216, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g.RErr = false;
        EXPECT_EQ(c.pixel, g.YCoord(c.value));
        EXPECT_EQ(c.outOfRange, g.RErr);
    }
}

TEST_F(Mapping, ToleranceAtAnEndOfZeroIsZero) {
    g.RErr = false;
    EXPECT_EQ(40, g.XCoord(0));
    EXPECT_FALSE(g.RErr);
    EXPECT_EQ(40, g.XCoord(-1e-300));
    EXPECT_TRUE(g.RErr);
}

// Far from zero the tolerance spans pixels; a value within it stays on the edge of the rectangle.
TEST_F(Mapping, ToleratedValueFarFromZeroStaysOnTheEdge) {
    SetX(1000, 1001);
    g.RErr = false;
    EXPECT_EQ(490, g.XCoord(1001.009));
    EXPECT_EQ(40, g.XCoord(999.991));
    EXPECT_FALSE(g.RErr);
}

TEST_F(Mapping, RangeErrorIsStickyAcrossLaterInRangeMappings) {
    g.RErr = false;
    g.XCoord(2);
    g.XCoord(0.5);
    g.YCoord(0);
    g.XToVal(100);
    EXPECT_TRUE(g.RErr);
}

TEST_F(Mapping, InverseExcludesAnEndWhoseToleranceIsZero) {
    const struct {
        const char* name;
        double xMin, xMax;
        std::int32_t column;
        double value;
        bool outOfRange;
    } cases[] = {
        {"XMin 0 at its column", 0, 1, 40, 0, true},
        {"XMax 1 at its column", 0, 1, 490, 1, false},
        {"inside", 0, 1, 85, 0.1, false},
        {"left of the rectangle", 0, 1, 39, 0, true},
        {"right of the rectangle", 0, 1, 491, 0, true},
        {"XMin 1 at its column", 1, 2, 40, 1, false},
        {"extreme column", 0, 1, std::numeric_limits<std::int32_t>::min(), 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetX(c.xMin, c.xMax);
        g.RErr = false;
        EXPECT_DOUBLE_EQ(c.value, g.XToVal(c.column));
        EXPECT_EQ(c.outOfRange, g.RErr);
    }
}

TEST_F(Mapping, YToValCountsRowsUpFromTheBottom) {
    SetY(0, 2);
    g.RErr = false;
    EXPECT_DOUBLE_EQ(1, g.YToVal(116));
    EXPECT_DOUBLE_EQ(2, g.YToVal(16));
    EXPECT_FALSE(g.RErr);
    EXPECT_EQ(0, g.YToVal(216));
    EXPECT_TRUE(g.RErr);
}

TEST(MappingUndefined, EveryMappingRaisesBeforeTheGraphIsDefined) {
    Graph g;
    EXPECT_EQ("XCoord: Graph not yet defined.", MessageOf([&] { g.XCoord(0); }));
    EXPECT_EQ("YCoord: Graph not yet defined.", MessageOf([&] { g.YCoord(0); }));
    EXPECT_EQ("XToVal: Graph is not defined.", MessageOf([&] { g.XToVal(0); }));
    EXPECT_EQ("YToVal: Graph is not defined.", MessageOf([&] { g.YToVal(0); }));
}

} // namespace
