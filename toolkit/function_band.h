#pragma once

#include "toolkit/geometry.h"

#include <cstddef>
#include <limits>
#include <span>
#include <utility>
#include <vector>

namespace tk {

// The band a round pen draws along the graph of a function, as the share of each device pixel it
// covers, column by column: a blended wide line, worked out without a general rasterizer.
//
// The line runs through vertices in device pixels, where pixel (i, j) spans [i, i + 1) x [j, j + 1),
// and its x grows from each vertex to the next. The band is every point within half the pen's width of
// the line: round ends and joins. Since x never turns back, each vertical line meets the band in one
// stretch, bounded by the segments' long sides and by the arcs round the vertices, of which only the
// ends and the outside of each bend reach beyond the sides. The stretch is found exactly at kSamples
// abscissas a column, and its edges are taken as straight between them, whose areas in each pixel are
// then exact. A pixel's share is within 0.01 of the true one along a gentle curve, and within 0.06 at
// the round ends and on the steepest lines.
class FunctionBand {
public:
    // One column's pixels from row `top` down, each with the share of its area the band covers.
    struct Column {
        int x = 0;
        int top = 0;
        std::span<const float> coverage;
    };

    // Whether the vertices make such a line: at least two, all within a billion pixels of the origin,
    // each right of the one before and at most kSteepest rows a column above or below it. A steeper
    // line has edges nearly upright, which samples a quarter of a column apart would slant.
    static bool Fits(std::span<const PointF> vertices);
    static constexpr double kSteepest = 16;

    // Works out the band `width` device pixels across for vertices that fit, within `clip`, the
    // picture's pixels; the columns are then at hand until the next call.
    void Cover(std::span<const PointF> vertices, double width, Rect clip);

    std::size_t ColumnCount() const { return columns_.size(); }
    Column ColumnAt(std::size_t i) const;

private:
    static constexpr int kSamples = 4;

    // Where a vertical line meets the band, top above bottom; none where top > bottom.
    struct Stretch {
        double top = std::numeric_limits<double>::infinity();
        double bottom = -std::numeric_limits<double>::infinity();
    };
    // Between two samples `width` apart, the stretches at either side.
    struct Piece {
        double width = 0;
        Stretch left, right;
    };
    struct Kept {
        int x;
        int top;
        std::size_t first; // in coverage_
        std::size_t count;
    };
    // The sample abscissas from `from` to `to`, as indices into stretches_.
    std::pair<std::ptrdiff_t, std::ptrdiff_t> SamplesBetween(double from, double to) const;
    void AddSide(double x0, double x1, double y0, double slope, bool upper);
    enum class Arc { Top, Bottom, Both };
    void AddDisc(const PointF& middle, double from, double to, double half, Arc arc);
    void CoverColumn(int x, Rect clip);
    // The abscissa of sample k.
    double SampleX(std::ptrdiff_t k) const { return firstColumn_ + static_cast<double>(k) / kSamples; }

    int firstColumn_ = 0;
    // The band's leftmost and rightmost points, at the round ends.
    PointF leftEnd_, rightEnd_;
    // Kept from one call to the next, so that a frame allocates nothing.
    std::vector<Stretch> stretches_; // at firstColumn_ + k / kSamples
    std::vector<double> rows_;
    std::vector<double> runs_; // from one row on, the width added to every row below
    std::vector<Kept> columns_;
    std::vector<float> coverage_;
};

} // namespace tk
