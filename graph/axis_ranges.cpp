// Axis ranges and the mapping between data values and pixels: the option flags, the layout of the
// graph rectangle, the choice of tick step, power of ten and adjusted range for each axis, and the
// equal-scale variant of the definition.

#include "graph/axis_model.h"
#include "graph/drawing_state.h"
#include "graph/graph.h"
#include "graph/pixels.h"
#include "toolkit/numbers.h"

#include <algorithm>
#include <cmath>
#include <variant>

using axes::Axis;

namespace {

constexpr std::int32_t kOptionBits =
    axes::kAdjustBit | axes::kMajorTicksBit | axes::kMinorTicksBit | axes::kZeroLineBit | axes::kReversedBit;
constexpr std::int32_t kMinSpacing = 3;
constexpr std::int32_t kMaxSpacing = 31;

using axes::kGap;
using axes::kMinMargin;

constexpr std::int32_t kMinGraphSize = 100;
// DefineGraph's frame lines are one pixel longer than the rectangle's size, so that they run through
// the pixels of both range ends.
constexpr std::int32_t kRangeEndsOverhang = 1;

void SetBit(std::int32_t& flags, std::int32_t bit, bool on) {
    flags = on ? flags | bit : flags & ~bit;
}

void SetSpacing(std::int32_t& flags, std::int32_t pixels) {
    flags = (flags & kOptionBits) | std::clamp(pixels, kMinSpacing, kMaxSpacing);
}

// A value up to 0.00001 of an end's own magnitude beyond that end still counts as on the axis.
double LowerLimit(double min) {
    return min - std::abs(min) * 0.00001;
}
double UpperLimit(double max) {
    return max + std::abs(max) * 0.00001;
}

// Distance in pixels of v from the axis minimum, 0 to the axis extent. A value beyond the tolerance
// sets the range error and gives the nearer end; one that is not a number gives the minimum.
std::int32_t PixelOffset(bool& rangeError, const Axis& axis, double v) {
    if (std::isnan(v) || v < LowerLimit(axis.min)) {
        rangeError = true;
        return 0;
    }
    if (v > UpperLimit(axis.max)) {
        rangeError = true;
        return axis.extent;
    }
    // On an axis far from zero the tolerance spans pixels: such a value stays on the edge.
    const double offset = std::round((v - axis.min) * axis.vToPix);
    if (!(offset > 0))
        return 0;
    return offset < axis.extent ? static_cast<std::int32_t>(offset) : axis.extent;
}

// The value `distance` pixels from the axis minimum. The ends themselves are outside where their
// tolerance is 0; outside sets the range error and gives 0.
double ValueAt(bool& rangeError, const Axis& axis, double distance) {
    const double v = distance / axis.vToPix + axis.min;
    if (v > LowerLimit(axis.min) && v < UpperLimit(axis.max))
        return v;
    rangeError = true;
    return 0;
}

std::string AxisSpan(const Axis& axis, double lo, double hi) {
    return std::string(axis.defineOp) + ": " + axis.letter + " axis from " + tk::Str(lo) + " to " +
           tk::Str(hi);
}

std::string RefusalMessage(const Axis& axis, axes::ScaleRefusal refusal, double lo, double hi) {
    switch (refusal) {
    case axes::ScaleRefusal::kNoExtent:
        return std::string(axis.defineOp) + ": Graph " + axis.extentName + " is undefined.";
    case axes::ScaleRefusal::kEmptyRange:
        return std::string(axis.defineOp) + ": " + axis.letter + " axis range is " + tk::Str(hi - lo);
    case axes::ScaleRefusal::kUnscalable:
        return AxisSpan(axis, lo, hi) + " is too wide or too narrow to scale.";
    case axes::ScaleRefusal::kTooFarFromZero:
        break;
    }
    return AxisSpan(axis, lo, hi) + " is too narrow for its distance from zero.";
}

// Defines one axis from the requested range: its scale, copied into the Graph's fields. Nothing
// changes when the axis is refused.
void DefineAxis(const Axis& axis, double lo, double hi) {
    const auto scaled = axes::ScaleAxis(lo, hi, axis.extent, axis.flags & axes::kSpacingBits,
                                        (axis.flags & axes::kAdjustBit) != 0);
    if (const auto* refusal = std::get_if<axes::ScaleRefusal>(&scaled))
        throw GraphError(RefusalMessage(axis, *refusal, lo, hi));
    axis.SetScale(std::get<axes::AxisScale>(scaled));
}

std::int32_t BottomMargin(Graph& g) {
    std::int32_t margin = g.GetSSHeight(g.XLabel);
    if (margin > 0)
        margin += kGap;
    if (axes::HasTicks(g.XFlags))
        margin += axes::kTickLabelBand;
    margin += kGap;
    return margin == kGap ? kMinMargin : margin;
}

// The y tick labels sit between the y label and the frame line, so the left margin needs the y axis.
std::int32_t LeftMargin(Graph& g) {
    std::int32_t margin = g.GetSSWidth(g.YLabel);
    if (axes::HasTicks(g.YFlags))
        margin += g.zYTickWidth() + kGap;
    if (margin > 0)
        margin += kGap;
    margin += kGap;
    return margin == kGap ? kMinMargin : margin;
}

// Narrows the axis about 6 % a pass until it has at least `scale` pixels per unit. The range shrinks
// geometrically, so even one a million times too wide takes only a few hundred passes; and the loop
// cannot stall, because a range too narrow to shrink in doubles is refused by DefineAxis long before.
void NarrowToScale(const Axis& axis, double scale) {
    double a = axis.min;
    double b = axis.max;
    while (axis.vToPix < scale) {
        b = b - 0.03 * (b - a);
        a = a + 0.03 * (b - a);
        DefineAxis(axis, a, b);
    }
}

// Gives the axis with more pixels per unit (`finer`) the scale of `coarser`: its range is redefined
// around its ends and the graph rectangle shrinks along it, keeping its centre.
//
// The ends move by k times their own magnitude. For scales less than twice apart k is negative and
// narrows the range: around zero that scales it by 1 + k, so at least half of it stays. A range on
// one side of zero would be moved towards zero by amounts unrelated to its width, down to a sliver
// or past itself, so it is not narrowed.
void MatchScale(const Axis& finer, const Axis& coarser) {
    double k = 0.5 * finer.vToPix / coarser.vToPix - 1;
    if (k < 0 && (finer.min > 0 || finer.max < 0))
        k = 0;
    DefineAxis(finer, finer.min - k * std::abs(finer.min), finer.max + k * std::abs(finer.max));
    // Widening the ends by their own magnitude can overshoot, adjusted or not; the rectangle must
    // never grow, so the range is narrowed back whenever its scale fell below that of `coarser`.
    NarrowToScale(finer, coarser.vToPix);
    const std::int32_t length = pixels::Truncated(coarser.vToPix * (finer.max - finer.min));
    finer.origin += static_cast<std::int32_t>(std::round((finer.extent - length) * 0.5));
    finer.extent = length;
    finer.vToPix = coarser.vToPix;
}

// Clears the frame and draws the frame lines (`overhang` pixels beyond the rectangle's size), labels,
// the x axis when asked and the y axis, in black.
void DrawEmptyPlot(Graph& g, std::int32_t overhang, bool xAxis) {
    g.ClearFrame();
    const KeepDrawingState keep(g.Target());
    g.SetColor(g.CBlack);
    g.Target().DrawRect(g.GLeft, g.GTop, g.GWidth + overhang, g.GHeight + overhang);
    g.zDrawLabels();
    if (xAxis)
        g.zDrawXAxis();
    g.zDrawYAxis();
}

} // namespace

void Graph::SetXAdjust(bool on) {
    SetBit(XFlags, axes::kAdjustBit, on);
}
void Graph::SetYAdjust(bool on) {
    SetBit(YFlags, axes::kAdjustBit, on);
}
void Graph::SetXMajTix(bool on) {
    SetBit(XFlags, axes::kMajorTicksBit, on);
}
void Graph::SetYMajTix(bool on) {
    SetBit(YFlags, axes::kMajorTicksBit, on);
}
void Graph::SetXMinTix(bool on) {
    SetBit(XFlags, axes::kMinorTicksBit, on);
}
void Graph::SetYMinTix(bool on) {
    SetBit(YFlags, axes::kMinorTicksBit, on);
}
void Graph::SetXTixPix(std::int32_t pixels) {
    SetSpacing(XFlags, pixels);
}
void Graph::SetYTixPix(std::int32_t pixels) {
    SetSpacing(YFlags, pixels);
}
void Graph::SetXZeroLn(bool on) {
    SetBit(XFlags, axes::kZeroLineBit, on);
}
void Graph::SetYZeroLn(bool on) {
    SetBit(YFlags, axes::kZeroLineBit, on);
}
void Graph::SetYReversed(bool on) {
    SetBit(YFlags, axes::kReversedBit, on);
}

void Graph::DefineGraph(double xmin, double xmax, double ymin, double ymax) {
    zDefineGRect(xmin, xmax, ymin, ymax);
    DrawEmptyPlot(*this, kRangeEndsOverhang, true);
    UpdateScreen();
}

void Graph::DefSqGraph(double min, double max) {
    zDefineGRect(min, max, min, max);
    if (YVToPix < XVtoPix)
        MatchScale(axes::XAxis(*this), axes::YAxis(*this));
    else
        MatchScale(axes::YAxis(*this), axes::XAxis(*this));
    DrawEmptyPlot(*this, 0, true);
    UpdateScreen();
}

void Graph::zDrawAllButXAxis() {
    DrawEmptyPlot(*this, kRangeEndsOverhang, false);
}

// The layout measures tick labels, and the plot is drawn into the frame: without either, nothing
// is defined.
void Graph::zDefineGRect(double xmin, double xmax, double ymin, double ymax) {
    Target();
    Frame();
    const std::int32_t top = GetSSHeight(Title) + kMinMargin;
    GHeight = FHeight - top - BottomMargin(*this);
    if (GHeight < kMinGraphSize) {
        GHeight = 0;
        throw GraphError("zDefineGRect: Graph is not tall enough.");
    }
    zDefineYAxis(ymin, ymax);
    GLeft = LeftMargin(*this);
    GTop = top;
    GWidth = FWidth - GLeft - kMinMargin;
    if (GWidth < kMinGraphSize) {
        GLeft = GTop = GWidth = GHeight = 0;
        throw GraphError("zDefineGRect: Graph too small.");
    }
    zDefineXAxis(xmin, xmax);
}

void Graph::zDefineXAxis(double lo, double hi) {
    DefineAxis(axes::XAxis(*this), lo, hi);
}
void Graph::zDefineYAxis(double lo, double hi) {
    DefineAxis(axes::YAxis(*this), lo, hi);
}

double Graph::zTickSize(std::int32_t index) {
    return axes::TickSize(index);
}

std::int32_t Graph::XCoord(double x) {
    if (GWidth == 0)
        throw GraphError("XCoord: Graph not yet defined.");
    return GLeft + PixelOffset(RErr, axes::XAxis(*this), x);
}

std::int32_t Graph::YCoord(double y) {
    if (GHeight == 0)
        throw GraphError("YCoord: Graph not yet defined.");
    const std::int32_t offset = PixelOffset(RErr, axes::YAxis(*this), y);
    return axes::IsReversed(YFlags) ? GTop + offset : GTop + GHeight - offset;
}

double Graph::XToVal(std::int32_t column) {
    if (GWidth == 0)
        throw GraphError("XToVal: Graph is not defined.");
    return ValueAt(RErr, axes::XAxis(*this), static_cast<double>(column) - GLeft);
}

double Graph::YToVal(std::int32_t row) {
    if (GHeight == 0)
        throw GraphError("YToVal: Graph is not defined.");
    const double fromTop = static_cast<double>(row) - GTop;
    return ValueAt(RErr, axes::YAxis(*this), axes::IsReversed(YFlags) ? fromTop : GHeight - fromTop);
}
