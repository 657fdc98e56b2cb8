// Drawing in data coordinates: lines, points, markers, bars, error bars, vectors and curves. Each
// operation maps its values with XCoord and YCoord and draws on GX in the current colour.

#include "graph/axis_model.h"
#include "graph/drawing_state.h"
#include "graph/graph.h"
#include "graph/pixels.h"

#include <cmath>
#include <vector>

namespace {

// Most primitives clear RErr for their own mapping, so that it tells whether this call met a value
// out of range, and on every exit leave it as (value on entry) OR (what this call met): the flag is
// sticky across calls.
class RangeErrorScope {
public:
    explicit RangeErrorScope(Graph& g) : g_(g), entry_(g.RErr) { g.RErr = false; }
    ~RangeErrorScope() { g_.RErr = entry_ || g_.RErr; }
    RangeErrorScope(const RangeErrorScope&) = delete;
    RangeErrorScope& operator=(const RangeErrorScope&) = delete;

    // Keeps what was met so far and starts afresh, for an operation drawn in independent pieces.
    void Settle() {
        entry_ = entry_ || g_.RErr;
        g_.RErr = false;
    }

private:
    Graph& g_;
    bool entry_;
};

void Dot(tk::Graphics& gx, std::int32_t x, std::int32_t y) {
    gx.FillOval(x - 2, y - 2, 5, 5);
}

void DiagonalCross(tk::Graphics& gx, std::int32_t x, std::int32_t y) {
    gx.DrawLine(x - 2, y - 2, x + 2, y + 2);
    gx.DrawLine(x - 2, y + 2, x + 2, y - 2);
}

void UprightCross(tk::Graphics& gx, std::int32_t x, std::int32_t y) {
    gx.DrawLine(x, y - 3, x, y + 3);
    gx.DrawLine(x - 3, y, x + 3, y);
}

void Ring(tk::Graphics& gx, std::int32_t x, std::int32_t y) {
    gx.DrawOval(x - 3, y - 3, 7, 7);
}

void DrawMarker(tk::Graphics& gx, std::int32_t x, std::int32_t y, std::int32_t shape) {
    switch (shape) {
    case 1:
        gx.DrawOval(x - 2, y - 2, 5, 5);
        break;
    case 2:
        gx.FillRect(x - 2, y - 2, 5, 5);
        break;
    case 3:
        gx.DrawRect(x - 2, y - 2, 4, 4);
        break;
    case 4:
        DiagonalCross(gx, x, y);
        break;
    case 5:
        UprightCross(gx, x, y);
        break;
    case 6:
        Ring(gx, x, y);
        DiagonalCross(gx, x, y);
        break;
    case 7:
        Ring(gx, x, y);
        UprightCross(gx, x, y);
        break;
    case 8:
        gx.FillPolygon({{x - 4, y - 3}, {x, y + 4}, {x + 4, y - 3}});
        break;
    case 9:
        gx.DrawPolygon({{x - 3, y - 2}, {x, y + 3}, {x + 3, y - 2}});
        break;
    default:
        Dot(gx, x, y);
    }
}

// An error bar: `position` is mapped across the bar, its two ends along it. Lines are given as
// (along, across) pixel pairs and turned into (x, y) for the bar's direction.
void DrawErrorBar(Graph& g, bool horizontal, double position, double centre, double plus, double minus) {
    tk::Graphics& gx = g.Target();
    const auto across = horizontal ? &Graph::YCoord : &Graph::XCoord;
    const auto along = horizontal ? &Graph::XCoord : &Graph::YCoord;
    const auto line = [&gx, horizontal](std::int32_t along1, std::int32_t across1, std::int32_t along2,
                                        std::int32_t across2) {
        if (horizontal)
            gx.DrawLine(along1, across1, along2, across2);
        else
            gx.DrawLine(across1, along1, across2, along2);
    };

    RangeErrorScope scope(g);
    const std::int32_t bar = (g.*across)(position);
    if (g.RErr)
        return;
    // An end that is not a number lies on no side of the axis: there is nothing to draw it to.
    if (std::isnan(centre) || std::isnan(plus) || std::isnan(minus)) {
        g.RErr = true;
        return;
    }
    const std::int32_t low = (g.*along)(centre - minus);
    const bool lowOut = g.RErr;
    if (!lowOut)
        line(low, bar + 3, low, bar - 3);
    g.RErr = false;
    const std::int32_t high = (g.*along)(centre + plus);
    const bool highOut = g.RErr;
    if (!highOut)
        line(high, bar + 3, high, bar - 3);
    // Both ends beyond the same edge leave no bar inside the graph rectangle.
    if (!(lowOut && highOut && low == high))
        line(low, bar, high, bar);
    g.RErr = lowOut || highOut;
}

// A head s * length pixels long and as wide, its tip on `tip`; (px, py) is the vector in pixels
// with y upwards, so on screen the shaft points along (px, -py). Each offset is brought to a whole
// pixel before it is added.
void DrawArrowHead(tk::Graphics& gx, tk::Point tip, double px, double py, double s) {
    const tk::Point left{tip.x + pixels::Rounded(-s * px - 0.5 * s * py),
                         tip.y - pixels::Rounded(-s * py + 0.5 * s * px)};
    const tk::Point right{left.x + pixels::Rounded(s * py), left.y + pixels::Rounded(s * px)};
    gx.FillPolygon({tip, left, right});
}

} // namespace

void Graph::DrawLine(double x1, double y1, double x2, double y2) {
    tk::Graphics& gx = Target();
    RangeErrorScope scope(*this);
    const std::int32_t h1 = XCoord(x1);
    const std::int32_t h2 = XCoord(x2);
    const std::int32_t v1 = YCoord(y1);
    const std::int32_t v2 = YCoord(y2);
    // A line with an end outside the axes is left out whole, not clipped.
    if (!RErr)
        gx.DrawLine(h1, v1, h2, v2);
}

// Code 0 is no marker of its own: the dot.
void Graph::DrawPoint(double x, double y) {
    DrawShape(x, y, 0);
}

void Graph::DrawShape(double x, double y, std::int32_t shape) {
    tk::Graphics& gx = Target();
    RangeErrorScope scope(*this);
    const std::int32_t h = XCoord(x);
    const std::int32_t v = YCoord(y);
    if (!RErr)
        DrawMarker(gx, h, v, shape);
}

void Graph::DrawBar(double x, double y, double width) {
    tk::Graphics& gx = Target();
    // Clamped: a bar beyond the graph rectangle is cut off at its edge, and RErr records it.
    const std::int32_t left = XCoord(x - width / 2);
    const std::int32_t right = XCoord(x + width / 2);
    const std::int32_t zero = YCoord(0);
    const std::int32_t top = YCoord(y);
    // A value that is not a number has no edge to grow to (for x and width both sides are equal).
    if (left == right || zero == top || std::isnan(y))
        return;
    const std::int32_t barWidth = right - left;
    const std::int32_t barHeight = top - zero;
    // A black bar is an empty outline; another is filled in its colour and outlined in black.
    if (gx.ForeColor() != CBlack) {
        gx.FillRect(left, zero, barWidth, barHeight);
        const KeepDrawingState keep(gx);
        SetColor(CBlack);
        gx.DrawRect(left, zero, barWidth, barHeight);
        return;
    }
    gx.DrawRect(left, zero, barWidth, barHeight);
}

void Graph::DrawXUBar(double x, double y, double plus, double minus) {
    DrawErrorBar(*this, true, y, x, plus, minus);
}
void Graph::DrawYUBar(double x, double y, double plus, double minus) {
    DrawErrorBar(*this, false, x, y, plus, minus);
}

void Graph::DrawVector(double x, double y, double dx, double dy) {
    tk::Graphics& gx = Target();
    RangeErrorScope scope(*this);
    const double px = dx * XVtoPix;
    const double py = dy * YVToPix * (axes::IsReversed(YFlags) ? -1 : 1); // upwards on the screen
    const double length = std::sqrt(px * px + py * py);
    // Longer vectors get a head 10 pixels long; shorter ones a head half their length.
    const double s = length > 20 ? 10 / length : 0.5;
    if (length > 2)
        DrawLine(x, y, x + dx, y + dy);
    scope.Settle();
    const std::int32_t tipH = XCoord(x + dx);
    const std::int32_t tipV = YCoord(y + dy);
    // A length that overflows doubles gives the head no direction.
    if (length > 10 && std::isfinite(length) && !RErr)
        DrawArrowHead(gx, {tipH, tipV}, px, py, s);
}

void Graph::CurveStart(double x, double y) {
    PrevCurvH = XCoord(x);
    PrevCurvV = YCoord(y);
}

void Graph::CurveTo(double x, double y) {
    tk::Graphics& gx = Target();
    RangeErrorScope scope(*this);
    const std::int32_t h = XCoord(x);
    const std::int32_t v = YCoord(y);
    // Only the new point is tested: a segment may start at the clamped edge of a point out of range.
    if (!RErr)
        gx.DrawLine(PrevCurvH, PrevCurvV, h, v);
    PrevCurvH = h;
    PrevCurvV = v;
}
