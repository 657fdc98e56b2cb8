#include "presentation/smooth_curve.h"

#include <algorithm>
#include <cmath>

double SmoothCurve::Column(const Graph& g, double x) {
    return g.GLeft + std::clamp((x - g.XMin) * g.XVtoPix, 0.0, static_cast<double>(g.GWidth));
}

double SmoothCurve::Row(const Graph& g, double y) {
    return g.GTop + g.GHeight - std::clamp((y - g.YMin) * g.YVToPix, 0.0, static_cast<double>(g.GHeight));
}

void SmoothCurve::Flush(Graph& g) {
    if (vertices_.size() > 1)
        g.Target().DrawSmoothPolyline(vertices_);
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
