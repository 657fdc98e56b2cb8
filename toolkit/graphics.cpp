#include "toolkit/graphics.h"

#include "toolkit/picture.h"

#include <cmath>

namespace tk {

void Graphics::DrawPicture(const Picture& picture, int x, int y) {
    const int w = picture.Width();
    const int h = picture.Height();
    DrawPicture(picture, Rect{x, y, w, h}, Rect{0, 0, w, h});
}

void Graphics::DrawPolyline(const std::vector<Point>& vertices) {
    if (vertices.size() == 1)
        DrawLine(vertices[0].x, vertices[0].y, vertices[0].x, vertices[0].y);
    for (std::size_t i = 1; i < vertices.size(); ++i)
        DrawLine(vertices[i - 1].x, vertices[i - 1].y, vertices[i].x, vertices[i].y);
}

void Graphics::DrawSmoothPolyline(const std::vector<PointF>& vertices) {
    std::vector<Point> nearest;
    nearest.reserve(vertices.size());
    for (const PointF& p : vertices)
        nearest.push_back({static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))});
    DrawPolyline(nearest);
}

} // namespace tk
