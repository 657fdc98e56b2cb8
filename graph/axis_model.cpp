#include "graph/axis_model.h"

#include "toolkit/numbers.h"

#include <cmath>
#include <limits>

namespace axes {

namespace {

constexpr std::int32_t kMaxIndex = std::numeric_limits<std::int32_t>::max();

// Tick indices stay within 32 bits. Within that bound a tick's value i * minor * scale is exact to
// far below a pixel, ticks stay apart, and the index arithmetic in 64 bits cannot overflow.
bool FitsTickIndex(double index) {
    return index >= -kMaxIndex && index <= kMaxIndex;
}

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
    return a / b + (a % b != 0 && a > 0);
}

// The major step is two places further along the 1-2-5 sequence; an index at the top of the int32
// range has no such place and stays where it is (its step is infinite either way).
std::int32_t MajorIndex(std::int32_t tickN) {
    return tickN > kMaxIndex - 2 ? kMaxIndex : tickN + 2;
}

// round(major / minor) for the 1-2-5 sequence: 1 to 5 and 2 to 10 are 5 ticks, 5 to 20 are 4.
std::int64_t TicksPerMajor(std::int32_t tickN) {
    return ((tickN % 3) + 3) % 3 == 2 ? 4 : 5;
}

} // namespace

Axis XAxis(Graph& g) {
    return Axis{"x",       "zDefineXAxis", "Width",   g.XFlags, g.XMin,   g.XMax,
                g.XVtoPix, g.XTickN,       g.XTPower, g.GLeft,  g.GWidth, &Graph::XCoord};
}

Axis YAxis(Graph& g) {
    return Axis{"y",       "zDefineYAxis", "Height",  g.YFlags, g.YMin,    g.YMax,
                g.YVToPix, g.YTickN,       g.YTPower, g.GTop,   g.GHeight, &Graph::YCoord};
}

TickSteps StepsOf(Graph& g, std::int32_t tickN, std::int32_t tPower) {
    return TickSteps{g.zTickSize(tickN), g.zTickSize(MajorIndex(tickN)), std::pow(10.0, tPower),
                     TicksPerMajor(tickN)};
}

std::optional<TickRange> TickRangeOf(const TickSteps& steps, double min, double max) {
    const double step = steps.minor * steps.scale;
    const double first = std::ceil(min / step - 0.05);
    const double last = std::floor(max / step + 0.05);
    if (!FitsTickIndex(first) || !FitsTickIndex(last))
        return std::nullopt;
    const auto f = static_cast<std::int64_t>(first);
    const auto l = static_cast<std::int64_t>(last);
    return TickRange{f, l, steps.perMajor * CeilDiv(f, steps.perMajor)};
}

TickRange DefinedTickRange(const TickSteps& steps, const Axis& axis, const std::string& op) {
    const auto range = TickRangeOf(steps, axis.min, axis.max);
    if (!range)
        throw GraphError(op + ": " + axis.letter + " axis ticks cannot be numbered.");
    return *range;
}

std::string TickLabel(std::int64_t i, const TickSteps& steps, const std::string& pattern) {
    return tk::Format(static_cast<double>(i) * steps.minor, pattern);
}

} // namespace axes
