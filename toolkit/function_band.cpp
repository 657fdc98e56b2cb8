#include "toolkit/function_band.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace tk {

namespace {

constexpr double kFarthest = 1e9;

// The area of a pixel row above an edge that crosses it, over a stretch `dx` wide in which the edge
// runs straight from depth u0 to depth u1 below the row's top: the integral of the depth clamped to
// [0, 1]. `perRise` is dx / (u1 - u0), the same for every row the edge crosses; 0 for a level edge.
double AreaAbove(double u0, double u1, double dx, double perRise) {
    // The antiderivative of the depth clamped to [0, 1].
    const auto whole = [](double u) { return u <= 0 ? 0 : u < 1 ? u * u / 2 : u - 0.5; };
    if (perRise == 0)
        return dx * std::clamp((u0 + u1) / 2, 0.0, 1.0);
    return (whole(u1) - whole(u0)) * perRise;
}

// The largest whole number not above y, for y well within int: std::floor is a library call without
// SSE4.1, and a column takes a few dozen.
int Floor(double y) {
    const int whole = static_cast<int>(y);
    return whole - (y < whole);
}

} // namespace

bool FunctionBand::Fits(std::span<const PointF> vertices) {
    if (vertices.size() < 2)
        return false;
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        const PointF& v = vertices[i];
        if (!(std::abs(v.x) <= kFarthest && std::abs(v.y) <= kFarthest))
            return false;
        if (i > 0 && !(v.x > vertices[i - 1].x &&
                       std::abs(v.y - vertices[i - 1].y) <= kSteepest * (v.x - vertices[i - 1].x)))
            return false;
    }
    return true;
}

void FunctionBand::Cover(std::span<const PointF> vertices, double width, Rect clip) {
    columns_.clear();
    coverage_.clear();
    const double half = width / 2;
    leftEnd_ = {vertices.front().x - half, vertices.front().y};
    rightEnd_ = {vertices.back().x + half, vertices.back().y};
    const double left = std::max<double>(leftEnd_.x, clip.x);
    const double right = std::min<double>(rightEnd_.x, double(clip.x) + clip.width);
    if (right <= left)
        return;
    const int first = static_cast<int>(std::floor(left));
    const int last = static_cast<int>(std::ceil(right)) - 1;
    firstColumn_ = first;
    stretches_.assign(std::size_t(last - first + 1) * kSamples + 1, Stretch{});
    // Half the pen along the normal that points up the screen, at the segment before the vertex and
    // at the one after it.
    double upXBefore = 0;
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        const PointF& v = vertices[i];
        double upXAfter = 0;
        if (i + 1 < vertices.size()) {
            const PointF& next = vertices[i + 1];
            const double length = std::hypot(next.x - v.x, next.y - v.y);
            upXAfter = half * (next.y - v.y) / length;
            const double upY = -half * (next.x - v.x) / length;
            const double slope = (next.y - v.y) / (next.x - v.x);
            AddSide(v.x + upXAfter, next.x + upXAfter, v.y + upY, slope, true);
            AddSide(v.x - upXAfter, next.x - upXAfter, v.y - upY, slope, false);
        }
        if (i == 0 || i + 1 == vertices.size())
            AddDisc(v, v.x - half, v.x + half, half, Arc::Both);
        else if (upXBefore < upXAfter)
            AddDisc(v, v.x + upXBefore, v.x + upXAfter, half, Arc::Top);
        else if (upXBefore > upXAfter)
            AddDisc(v, v.x - upXBefore, v.x - upXAfter, half, Arc::Bottom);
        upXBefore = upXAfter;
    }
    for (int x = first; x <= last; ++x)
        CoverColumn(x, clip);
}

std::pair<std::ptrdiff_t, std::ptrdiff_t> FunctionBand::SamplesBetween(double from, double to) const {
    // A hair wider, so that where one side ends and the next begins at a sample, rounding leaves no gap.
    constexpr double kHair = 1e-9;
    const auto last = static_cast<int>(stretches_.size()) - 1;
    const double low = std::clamp((from - firstColumn_) * kSamples - kHair, -1.0, last + 1.0);
    const double high = std::clamp((to - firstColumn_) * kSamples + kHair, -1.0, last + 1.0);
    return {std::max(-Floor(-low), 0), std::min(Floor(high), last)};
}

void FunctionBand::AddSide(double x0, double x1, double y0, double slope, bool upper) {
    const auto [from, to] = SamplesBetween(x0, x1);
    for (std::ptrdiff_t k = from; k <= to; ++k) {
        const double y = y0 + slope * (SampleX(k) - x0);
        Stretch& s = stretches_[std::size_t(k)];
        if (upper)
            s.top = std::min(s.top, y);
        else
            s.bottom = std::max(s.bottom, y);
    }
}

// Where a vertex's arc reaches beyond the sides: the whole disc at the ends; the outside of a bend,
// above or below, between the normals of the segments on either side.
void FunctionBand::AddDisc(const PointF& middle, double from, double to, double half, Arc arc) {
    const auto [first, last] = SamplesBetween(std::max(from, middle.x - half), std::min(to, middle.x + half));
    for (std::ptrdiff_t k = first; k <= last; ++k) {
        const double across = SampleX(k) - middle.x;
        const double r = std::sqrt(std::max(0.0, half * half - across * across));
        Stretch& s = stretches_[std::size_t(k)];
        if (arc != Arc::Bottom)
            s.top = std::min(s.top, middle.y - r);
        if (arc != Arc::Top)
            s.bottom = std::max(s.bottom, middle.y + r);
    }
}

// Between each two samples, the trapezium under straight edges, added into the rows its edges cross
// or it fills. A piece with one end beyond the band ends at the band's end, a point.
void FunctionBand::CoverColumn(int x, Rect clip) {
    const auto firstSample = static_cast<std::ptrdiff_t>(x - firstColumn_) * kSamples;
    std::array<Piece, kSamples> pieces{};
    std::size_t count = 0;
    double top = std::numeric_limits<double>::infinity();
    double bottom = -top;
    const auto empty = [](const Stretch& s) { return !(s.top <= s.bottom); };
    for (std::ptrdiff_t k = firstSample; k < firstSample + kSamples; ++k) {
        double left = SampleX(k);
        double right = SampleX(k + 1);
        Stretch a = stretches_[std::size_t(k)];
        Stretch b = stretches_[std::size_t(k + 1)];
        if (empty(a) && empty(b))
            continue;
        if (empty(a)) {
            left = leftEnd_.x;
            a = {leftEnd_.y, leftEnd_.y};
        }
        if (empty(b)) {
            right = rightEnd_.x;
            b = {rightEnd_.y, rightEnd_.y};
        }
        if (!(right > left))
            continue;
        pieces[count++] = {right - left, a, b};
        top = std::min({top, a.top, b.top});
        bottom = std::max({bottom, a.bottom, b.bottom});
    }
    if (count == 0)
        return;
    const double clipTop = clip.y;
    const double clipBottom = clip.y + clip.height;
    const int firstRow = Floor(std::clamp(top, clipTop, clipBottom));
    const int lastRow = -Floor(-std::clamp(bottom, clipTop, clipBottom)) - 1;
    if (lastRow < firstRow)
        return;
    const auto rows = static_cast<std::size_t>(lastRow - firstRow) + 1;
    rows_.assign(rows, 0.0);
    runs_.assign(rows + 1, 0.0);
    // Adds the area above an edge, with `sign`, to the rows the edge crosses.
    const auto crossed = [&](double a, double b, double dx, double sign) {
        const int from = std::max(firstRow, Floor(std::min(a, b)));
        const int to = std::min(lastRow, Floor(std::max(a, b)));
        const double perRise = std::abs(b - a) < 1e-9 ? 0 : dx / (b - a);
        for (int row = from; row <= to; ++row)
            rows_[std::size_t(row - firstRow)] += sign * AreaAbove(a - row, b - row, dx, perRise);
    };
    const auto rowIndex = [&](double y) {
        return std::size_t(std::clamp(Floor(y), firstRow, lastRow + 1) - firstRow);
    };
    for (std::size_t i = 0; i < count; ++i) {
        const double dx = pieces[i].width;
        const Stretch& a = pieces[i].left;
        const Stretch& b = pieces[i].right;
        // A row gains the area above the lower edge less the area above the upper one: the whole width
        // from the first row the upper edge reaches to the first the lower edge reaches, and the share
        // of each row an edge crosses.
        runs_[rowIndex(std::min(a.top, b.top))] += dx;
        runs_[rowIndex(std::min(a.bottom, b.bottom))] -= dx;
        crossed(a.bottom, b.bottom, dx, 1);
        crossed(a.top, b.top, dx, -1);
    }
    const std::size_t start = coverage_.size();
    double run = 0;
    for (std::size_t i = 0; i < rows; ++i) {
        run += runs_[i];
        coverage_.push_back(static_cast<float>(std::clamp(run + rows_[i], 0.0, 1.0)));
    }
    columns_.push_back({x, firstRow, start, rows});
}

FunctionBand::Column FunctionBand::ColumnAt(std::size_t i) const {
    const Kept& kept = columns_[i];
    return {kept.x, kept.top, std::span<const float>(coverage_).subspan(kept.first, kept.count)};
}

} // namespace tk
