// The band along a function's graph against the area of each pixel within half the pen of the polyline,
// counted on a fine grid of points in the pixel.

#include "toolkit/function_band.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace {

using Pixel = std::pair<int, int>; // column, row

std::map<Pixel, double> Covered(const std::vector<tk::PointF>& vertices, double width, tk::Rect clip) {
    tk::FunctionBand band;
    band.Cover(vertices, width, clip);
    std::map<Pixel, double> covered;
    for (std::size_t i = 0; i < band.ColumnCount(); ++i) {
        const tk::FunctionBand::Column column = band.ColumnAt(i);
        for (std::size_t k = 0; k < column.coverage.size(); ++k)
            covered[{column.x, column.top + static_cast<int>(k)}] = column.coverage[k];
    }
    return covered;
}

double DistanceToSegment(double x, double y, const tk::PointF& a, const tk::PointF& b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double t = std::clamp(((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(x - a.x - t * dx, y - a.y - t * dy);
}

// The share of the pixel's points, on a grid of 64 x 64, that lie within half the width of a segment.
double CountedCoverage(const std::vector<tk::PointF>& vertices, double width, Pixel pixel) {
    constexpr int kGrid = 64;
    std::vector<std::size_t> near;
    for (std::size_t s = 0; s + 1 < vertices.size(); ++s) {
        const auto [top, bottom] = std::minmax(vertices[s].y, vertices[s + 1].y);
        if (vertices[s].x < pixel.first + 1 + width && vertices[s + 1].x > pixel.first - width &&
            top < pixel.second + 1 + width && bottom > pixel.second - width)
            near.push_back(s);
    }
    int inside = 0;
    for (int i = 0; i < kGrid; ++i)
        for (int j = 0; j < kGrid; ++j) {
            const double x = pixel.first + (i + 0.5) / kGrid;
            const double y = pixel.second + (j + 0.5) / kGrid;
            inside += std::any_of(near.begin(), near.end(), [&](std::size_t s) {
                return DistanceToSegment(x, y, vertices[s], vertices[s + 1]) <= width / 2;
            });
        }
    return double(inside) / (kGrid * kGrid);
}

std::vector<tk::PointF> Sampled(double from, double to, double step, const std::function<double(double)>& f) {
    std::vector<tk::PointF> vertices;
    for (double x = from; x <= to + 1e-9; x += step)
        vertices.push_back({x, f(x)});
    return vertices;
}

TEST(FunctionBand, CoversEachPixelByTheAreaWithinHalfThePenOfTheCurve) {
    const struct {
        const char* name;
        std::vector<tk::PointF> vertices;
        double width;
        double tolerance;
    } cases[] = {
        {"level through the pixels' middles", {{2, 10.5}, {30, 10.5}}, 3, 1e-9},
        {"level on the rows' edges, 2 wide", {{2, 10}, {30, 10}}, 2, 1e-9},
        {"slanted, a third of a pixel down a column", {{2, 5.2}, {40, 17.8}}, 3, 0.01},
        {"a sine sampled a pixel apart", Sampled(0, 60, 1, [](double x) { return 20 + 8 * std::sin(x / 5); }),
         3, 0.01},
        {"steep, four rows a column, 6 wide",
         Sampled(0, 40, 0.5, [](double x) { return 40 + 16 * std::sin(x / 4); }), 6, 0.04},
        {"a peak narrower than the pen",
         Sampled(0, 40, 0.7, [](double x) { return 30 - 20 * std::exp(-(x - 20) * (x - 20) / 18); }), 3,
         0.01},
        {"vertices a quarter of a pixel apart",
         Sampled(0.3, 30.3, 0.25, [](double x) { return 12 + 0.2 * x; }), 2, 0.01},
        {"as steep as may be", {{2, 3}, {5, 3}, {9, 67}, {12, 67}}, 3, 0.04},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(tk::FunctionBand::Fits(c.vertices));
        const std::map<Pixel, double> covered = Covered(c.vertices, c.width, {-100, -100, 400, 400});
        // Within half the pen of the ends, the arcs of the round ends are taken as straight between
        // the samples.
        const double ends = c.width / 2 + 1;
        double worst = 0;
        double worstAtTheEnds = 0;
        for (int x = -5; x <= 70; ++x)
            for (int y = 0; y < 80; ++y) {
                const auto found = covered.find({x, y});
                const double area = found == covered.end() ? 0 : found->second;
                const double error = std::abs(area - CountedCoverage(c.vertices, c.width, {x, y}));
                const bool atAnEnd = x < c.vertices.front().x + ends || x + 1 > c.vertices.back().x - ends;
                (atAnEnd ? worstAtTheEnds : worst) = std::max(atAnEnd ? worstAtTheEnds : worst, error);
            }
        EXPECT_LE(worst, c.tolerance);
        EXPECT_LE(worstAtTheEnds, 0.06);
    }
}

TEST(FunctionBand, StaysInsideTheClip) {
    const std::vector<tk::PointF> vertices = Sampled(0, 50, 1, [](double x) { return 10 + 0.5 * x; });
    const tk::Rect clip{5, 8, 20, 10};
    const std::map<Pixel, double> covered = Covered(vertices, 3, clip);
    ASSERT_FALSE(covered.empty());
    for (const auto& [pixel, area] : covered) {
        EXPECT_TRUE(pixel.first >= 5 && pixel.first < 25 && pixel.second >= 8 && pixel.second < 18)
            << pixel.first << ", " << pixel.second;
    }
}

TEST(FunctionBand, FitsOnlyAGraphWhoseXGrows) {
    const struct {
        const char* name;
        std::vector<tk::PointF> vertices;
        bool fits;
    } cases[] = {
        {"two vertices", {{0, 0}, {1, 5}}, true},
        {"one vertex", {{0, 0}}, false},
        {"straight up", {{3, 0}, {3, 10}}, false},
        {"steeper than 16 rows a column", {{0, 0}, {1, 0}, {2, 17}}, false},
        {"back to the left", {{0, 0}, {2, 1}, {1, 2}}, false},
        {"not a number", {{0, 0}, {1, std::nan("")}}, false},
        {"beyond a billion pixels", {{-1e10, 0}, {1e10, 0}}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::FunctionBand::Fits(c.vertices), c.fits) << c.name;
}

} // namespace
