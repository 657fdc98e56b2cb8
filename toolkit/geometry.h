#pragma once

namespace tk {

// Pixel positions are logical pixels: origin top left, y growing downwards.
struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A position between pixels, for smooth curves: (x, y) is the middle of pixel (x, y), as a Point's
// is, and fractions lie between the middles.
struct PointF {
    double x = 0;
    double y = 0;
};

// A rectangle covers columns x to x + width - 1 and rows y to y + height - 1.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace tk
