// Plot primitives, call by call, with the out-of-range flag. The graph rectangle is 400 x 200 at
// (10, 20) with one pixel a unit on both axes, x and y from 0: data (x, y) is pixel (10 + x, 220 - y).

#include "tests/graph/opened_graph.h"

class Primitives : public GraphTest {
protected:
    Primitives() {
        Open(500, 300);
        std::tie(g.GLeft, g.GTop, g.GWidth, g.GHeight, g.XMax, g.XVtoPix) =
            std::tuple(10, 20, 400, 200, 400, 1);
        SetYRange(0, 200);
    }
    void SetYRange(double min, double max) {
        std::tie(g.YMin, g.YMax, g.YVToPix) = std::tuple(min, max, 200 / (max - min));
    }
    // Each case: a drawing, its calls, and whether it met a value out of range. Drawn again with the
    // flag set, it leaves the flag set.
    void Expect(const std::vector<std::tuple<std::function<void()>, std::string, bool>>& cases) {
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const auto& [draw, ops, out] = cases[i];
            g.RErr = false;
            EXPECT_EQ(Drawn(draw), ops) << i;
            EXPECT_EQ(g.RErr, out) << i;
            g.RErr = true;
            draw();
            EXPECT_TRUE(g.RErr) << i << " is not sticky";
        }
    }
};

TEST_F(Primitives, LinesPointsAndMarkersAreDrawnOnlyWithEveryValueInRange) {
    Expect({
        {[&] { g.DrawLine(10, 10, 100, 50); }, "DrawLine 20 210 110 170", false},
        {[&] { g.DrawLine(10, 10, 400.005, 50); }, "", true}, // beyond the tolerance of 0.004
        {[&] { g.DrawLine(10, -0.001, 100, 50); }, "", true},
        {[&] { g.DrawPoint(400, 200); }, "FillOval 408 18 5 5", false},
        {[&] { g.DrawPoint(-1, 5); }, "", true},
        {[&] { g.DrawShape(100, 50, 4); }, "DrawLine 108 168 112 172; DrawLine 108 172 112 168", false},
        {[&] { g.DrawShape(100, 250, 1); }, "", true},
    });
    Ops shapes;
    for (int shape = 0; shape <= 10; ++shape)
        shapes.push_back(Drawn([&] { g.DrawShape(100, 50, shape); }));
    EXPECT_EQ(
        Join(shapes, " | "),
        "FillOval 108 168 5 5 | DrawOval 108 168 5 5 | FillRect 108 168 5 5 | DrawRect 108 168 4 4 | "
        "DrawLine 108 168 112 172; DrawLine 108 172 112 168 | DrawLine 110 167 110 173; DrawLine 107 170 113 "
        "170 | "
        "DrawOval 107 167 7 7; DrawLine 108 168 112 172; DrawLine 108 172 112 168 | "
        "DrawOval 107 167 7 7; DrawLine 110 167 110 173; DrawLine 107 170 113 170 | "
        "FillPolygon 106 167 110 174 114 167 | DrawPolygon 107 168 110 173 113 168 | FillOval 108 168 5 5");
}

// A black bar is an outline; one of another colour is filled and outlined in black.
TEST_F(Primitives, BarsAreClampedToTheRectangleBlackOnesOutlinedOthersFilledAndOutlinedInBlack) {
    Expect({
        {[&] { g.DrawBar(100, 50, 20); }, "DrawRect 100 220 20 -50", false},
        {[&] { g.DrawBar(100, 50, 0.4); }, "", false}, // narrower than a pixel
        {[&] { g.DrawBar(100, 0.3, 20); }, "", false}, // on the zero line's row
        {[&] { g.DrawBar(100, 500, 20); }, "DrawRect 100 220 20 -200", true},
        {[&] { g.DrawBar(395, 50, 20); }, "DrawRect 395 220 15 -50", true},
    });
    SetYRange(50, 250);
    Expect({{[&] { g.DrawBar(100, 100, 20); }, "DrawRect 100 220 20 -50", true}}); // zero below: the edge
    // With zero inside the range, a non-number taken to the lower edge would make a bar down to it.
    SetYRange(-100, 100);
    Expect({{[&] { g.DrawBar(100, kNaN, 20); }, "", true}});
    SetYRange(0, 200);
    g.SetColor(kRed);
    EXPECT_EQ(Drawn([&] { g.DrawBar(100, 50, 20); }), "FillRect 100 220 20 -50; DrawRect 100 220 20 -50");
    EXPECT_EQ(std::tuple(F().Calls()[0].color, F().Calls()[1].color, g.GX->ForeColor()),
              std::tuple(kRed, kBlack, kRed));
}

// Caps 6 pixels across at each end within the rectangle, and the bar between, cut at the edges.
TEST_F(Primitives, ErrorBarsLeaveOutTheCapOfAnEndBeyondAnEdge) {
    const std::string x130 = "DrawLine 130 173 130 167; ", y150 = "DrawLine 113 150 107 150; ";
    Expect({
        {[&] { g.DrawXUBar(100, 50, 20, 30); }, "DrawLine 80 173 80 167; " + x130 + "DrawLine 80 170 130 170",
         false},
        {[&] { g.DrawXUBar(100, 50, 20, 200); }, x130 + "DrawLine 10 170 130 170", true},
        {[&] { g.DrawXUBar(100, 50, 400, 200); }, "DrawLine 10 170 410 170", true},
        {[&] { g.DrawXUBar(500, 50, 10, 10); }, "", true},
        {[&] { g.DrawXUBar(100, 300, 20, 30); }, "", true},
        {[&] { g.DrawXUBar(100, 50, 20, kNaN); }, "", true},
        {[&] { g.DrawYUBar(100, 50, 20, 30); },
         "DrawLine 113 200 107 200; " + y150 + "DrawLine 110 200 110 150", false},
        {[&] { g.DrawYUBar(100, 50, 20, 100); }, y150 + "DrawLine 110 220 110 150", true},
    });
}

// Nothing up to 2 pixels, a bare shaft up to 10, then a head half as long as the vector up to 20
// pixels and 10 pixels long beyond. A curve draws to each point in range from the previous one,
// clamped to the rectangle.
TEST_F(Primitives, VectorHeadsByPixelLengthAndCurvesFromTheClampedPreviousPoint) {
    const std::string head20 = "FillPolygon 122 154 112 159 120 165",
                      head50 = "FillPolygon 140 130 130 135 138 141";
    Expect({
        {[&] { g.DrawVector(100, 50, 2, 0); }, "", false},
        {[&] { g.DrawVector(100, 50, 6, 8); }, "DrawLine 110 170 116 162", false},
        {[&] { g.DrawVector(100, 50, 12, 16); }, "DrawLine 110 170 122 154; " + head20, false},
        {[&] { g.DrawVector(100, 50, 30, 40); }, "DrawLine 110 170 140 130; " + head50, false},
        {[&] { g.DrawVector(100, 50, 400, 0); }, "", true}, // the tip outside
        {[&] { g.DrawVector(-50, 50, 100, 0); }, "FillPolygon 60 170 50 165 50 175",
         true}, // the tail outside
        {[&] { g.CurveStart(-10, 300); }, "", true},
        {[&] { g.CurveTo(100, 50); }, "DrawLine 10 20 110 170", false},
        {[&] { g.CurveTo(500, 60); }, "", true},
        {[&] { g.CurveTo(200, 100); }, "DrawLine 410 160 210 120", false},
    });
}
