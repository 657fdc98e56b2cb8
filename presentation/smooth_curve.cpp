#include "presentation/smooth_curve.h"

#include <algorithm>
#include <cmath>

double SmoothCurve::Column(const Graph& g, double x) {
    return g.GLeft + std::clamp((x - g.XMin) * g.XVtoPix, 0.0, static_cast<double>(g.GWidth));
}

double SmoothCurve::Row(const Graph& g, double y) {
    return g.GTop + g.GHeight - std::clamp((y - g.YMin) * g.YVToPix, 0.0, static_cast<double>(g.GHeight));
}

namespace {

// The vertices of a curve are about a pixel of the screen apart: a place covers this many, so that a
// frame clears a few hundred places, close around the curves.
constexpr std::size_t kVerticesAPlace = 32;

} // namespace

// Each place spans its vertices and the next one, and half the pen and a pixel for the blended edges
// beyond them.
void SmoothCurve::Cover(int pen) {
    const double margin = pen / 2.0 + 1;
    for (std::size_t first = 0; first + 1 < vertices_.size(); first += kVerticesAPlace) {
        const auto begin = vertices_.begin() + static_cast<std::ptrdiff_t>(first);
        const auto end = vertices_.begin() +
                         static_cast<std::ptrdiff_t>(std::min(first + kVerticesAPlace + 1, vertices_.size()));
        const auto [left, right] = std::minmax_element(
            begin, end, [](const tk::PointF& a, const tk::PointF& b) { return a.x < b.x; });
        const auto [top, bottom] = std::minmax_element(
            begin, end, [](const tk::PointF& a, const tk::PointF& b) { return a.y < b.y; });
        const int x = static_cast<int>(std::floor(left->x - margin));
        const int y = static_cast<int>(std::floor(top->y - margin));
        covered_.push_back({x, y, static_cast<int>(std::ceil(right->x + margin)) - x + 1,
                            static_cast<int>(std::ceil(bottom->y + margin)) - y + 1});
    }
}

void SmoothCurve::Flush(Graph& g) {
    if (vertices_.size() > 1) {
        Cover(g.Target().PenSize());
        g.Target().DrawSmoothPolyline(vertices_);
    }
    vertices_.clear();
}

void SmoothCurve::Draw(Graph& g, std::span<const double> values) {
    vertices_.clear();
    const double last = static_cast<double>(values.size()) - 1;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (std::isnan(values[i])) {
            Flush(g);
            continue;
        }
        vertices_.push_back({Column(g, static_cast<double>(i) / last), Row(g, values[i])});
    }
    Flush(g);
}

void SmoothCurve::DrawThrough(Graph& g, std::span<const tk::PointF> points) {
    vertices_.clear();
    for (const tk::PointF& p : points)
        vertices_.push_back({Column(g, p.x), Row(g, p.y)});
    Flush(g);
}
