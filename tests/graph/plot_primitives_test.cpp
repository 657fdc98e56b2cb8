// Plot primitives. The graph rectangle is 400 x 200 at (10, 20) with one pixel a unit, x and y from
// 0: data (x, y) is pixel (10 + x, 220 - y).

#include "tests/graph/opened_graph.h"

class Primitives : public OpenedGraph {
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
    // Each case: a drawing and its calls, " out" at the end when it met a value out of range. A range
    // error met before hides nothing and stays.
    void Expect(const std::vector<std::pair<std::function<void()>, std::string>>& cases) {
        for (const auto& [draw, drawn] : cases) {
            g.RErr = true;
            const std::string ops = Drawn(draw) + (g.RErr ? "" : " not sticky");
            g.RErr = false;
            draw();
            EXPECT_EQ(ops + (g.RErr ? " out" : ""), drawn);
        }
    }
};

TEST_F(Primitives, DrawOnlyWithValuesInRangeOrClampedToTheRectangle) {
    Expect({
        {[&] { g.DrawLine(10, 10, 100, 50); }, "DrawLine 20 210 110 170"},
        {[&] { g.DrawLine(10, 10, 400.005, 50); }, " out"}, // beyond the tolerance of 0.004
        {[&] { g.DrawPoint(400, 200); }, "FillOval 408 18 5 5"},
        {[&] { g.DrawBar(100, 50, 20); }, "DrawRect 100 220 20 -50"}, // black: an outline
        {[&] { g.DrawBar(100, 50, 0.4); }, ""},                       // narrower than a pixel
        {[&] { g.DrawBar(100, 0.3, 20); }, ""},                       // on the zero line's row
        {[&] { g.DrawBar(395, 50, 20); }, "DrawRect 395 220 15 -50 out"},
    });
    SetYRange(50, 250); // zero below the range: bars stand on the bottom edge
    Expect({{[&] { g.DrawBar(100, 100, 20); }, "DrawRect 100 220 20 -50 out"}});
    SetYRange(-100, 100); // a non-number taken to the lower edge would make a bar down to it
    Expect({{[&] { g.DrawBar(100, kNaN, 20); }, " out"}});
    SetYRange(0, 200);
    g.SetColor(kRed);
    EXPECT_EQ(Drawn([&] { g.DrawBar(100, 50, 20); }), "FillRect 100 220 20 -50; DrawRect 100 220 20 -50");
    EXPECT_EQ(std::tuple(F().Calls().at(0).color, F().Calls().at(1).color, g.GX->ForeColor()),
              std::tuple(kRed, kBlack, kRed));
    // An error bar leaves out the cap of an end beyond an edge.
    Expect({
        {[&] { g.DrawXUBar(100, 50, 20, 30); },
         "DrawLine 80 173 80 167; DrawLine 130 173 130 167; DrawLine 80 170 130 170"},
        {[&] { g.DrawXUBar(100, 50, 400, 200); }, "DrawLine 10 170 410 170 out"},
        {[&] { g.DrawXUBar(100, 50, 20, kNaN); }, " out"},
        {[&] { g.CurveStart(-10, 300); }, " out"},
        {[&] { g.CurveTo(100, 50); }, "DrawLine 10 20 110 170"},
        {[&] { g.CurveTo(500, 60); }, " out"},
        {[&] { g.CurveTo(200, 100); }, "DrawLine 410 160 210 120"},
    });
}
