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
    const std::string ring = "DrawOval 107 167 7 7; ";
    Expect({
        {[&] { g.DrawLine(10, 10, 100, 50); }, "DrawLine 20 210 110 170"},
        {[&] { g.DrawLine(10, 10, 400.005, 50); }, " out"}, // beyond the tolerance of 0.004
        {[&] { g.DrawPoint(400, 200); }, "FillOval 408 18 5 5"},
        {[&] { g.DrawPoint(-1, 5); }, " out"},
        {[&] { g.DrawShape(100, 50, 6); }, ring + "DrawLine 108 168 112 172; DrawLine 108 172 112 168"},
        {[&] { g.DrawShape(100, 50, 7); }, ring + "DrawLine 110 167 110 173; DrawLine 107 170 113 170"},
        {[&] { g.DrawShape(100, 250, 1); }, " out"},
        {[&] { g.DrawBar(100, 50, 20); }, "DrawRect 100 220 20 -50"}, // black: an outline
        {[&] { g.DrawBar(100, 50, 0.4); }, ""},                       // narrower than a pixel
        {[&] { g.DrawBar(100, 0.3, 20); }, ""},                       // on the zero line's row
        {[&] { g.DrawBar(100, 500, 20); }, "DrawRect 100 220 20 -200 out"},
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
    // An error bar leaves out the cap of an end beyond an edge. A vector up to 2 pixels long draws
    // nothing, up to 10 a bare shaft, then a head half as long up to 20 and 10 long beyond.
    const std::string x130 = "DrawLine 130 173 130 167; ";
    const std::string y150 = "DrawLine 113 150 107 150; ";
    Expect({
        {[&] { g.DrawXUBar(100, 50, 20, 30); },
         "DrawLine 80 173 80 167; " + x130 + "DrawLine 80 170 130 170"},
        {[&] { g.DrawXUBar(100, 50, 20, 200); }, x130 + "DrawLine 10 170 130 170 out"},
        {[&] { g.DrawXUBar(100, 50, 400, 200); }, "DrawLine 10 170 410 170 out"},
        {[&] { g.DrawXUBar(500, 50, 10, 10); }, " out"},
        {[&] { g.DrawXUBar(100, 300, 20, 30); }, " out"},
        {[&] { g.DrawXUBar(100, 50, 20, kNaN); }, " out"},
        {[&] { g.DrawYUBar(100, 50, 20, 30); },
         "DrawLine 113 200 107 200; " + y150 + "DrawLine 110 200 110 150"},
        {[&] { g.DrawYUBar(100, 50, 20, 100); }, y150 + "DrawLine 110 220 110 150 out"},
        {[&] { g.DrawVector(100, 50, 2, 0); }, ""},
        {[&] { g.DrawVector(100, 50, 6, 8); }, "DrawLine 110 170 116 162"},
        {[&] { g.DrawVector(100, 50, 9, 12); },
         "DrawLine 110 170 119 158; FillPolygon 119 158 111 162 117 167"},
        {[&] { g.DrawVector(100, 50, 30, 40); },
         "DrawLine 110 170 140 130; FillPolygon 140 130 130 135 138 141"},
        {[&] { g.DrawVector(100, 50, 400, 0); }, " out"},                                 // the tip outside
        {[&] { g.DrawVector(-50, 50, 100, 0); }, "FillPolygon 60 170 50 165 50 175 out"}, // the tail outside
        {[&] { g.CurveStart(-10, 300); }, " out"},
        {[&] { g.CurveTo(100, 50); }, "DrawLine 10 20 110 170"},
        {[&] { g.CurveTo(500, 60); }, " out"},
        {[&] { g.CurveTo(200, 100); }, "DrawLine 410 160 210 120"},
    });
}
