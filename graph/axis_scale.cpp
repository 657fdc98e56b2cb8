#include "graph/axis_scale.h"

#include <cmath>
#include <limits>

namespace axes {

namespace {

constexpr std::int32_t kMaxIndex = std::numeric_limits<std::int32_t>::max();

// A value within this fraction of a step of a whole step counts as on it.
constexpr double kStepTolerance = 0.05;

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

// Ranges strictly between 0.01 and 10000 are labelled as they are; others factor out a power of
// ten that is a multiple of 3.
std::int32_t TickPower(double range) {
    if (0.01 < range && range < 10000)
        return 0;
    return 3 * static_cast<std::int32_t>(std::floor(std::log(range) / std::log(1000.0) + 0.00001));
}

} // namespace

double TickSize(std::int32_t index) {
    static constexpr double kMantissas[] = {1, 2, 5};
    std::int32_t decade = index / 3;
    std::int32_t place = index % 3;
    if (place < 0) {
        place += 3;
        --decade;
    }
    return kMantissas[place] * std::pow(10.0, decade);
}

double StepsAtOrAbove(double value, double step) {
    return std::ceil(value / step - kStepTolerance);
}

double StepsAtOrBelow(double value, double step) {
    return std::floor(value / step + kStepTolerance);
}

std::variant<AxisScale, ScaleRefusal> ScaleAxis(double lo, double hi, std::int32_t extent,
                                                std::int32_t spacing, bool adjust) {
    const double range = hi - lo;
    if (extent <= 0)
        return ScaleRefusal::kNoExtent;
    if (!(range > 0) || std::isinf(range))
        return ScaleRefusal::kEmptyRange;

    AxisScale axis;
    axis.tPower = TickPower(range);
    const double scale = std::pow(10.0, axis.tPower);
    // The smallest data distance that `spacing` pixels stand for, in scaled units, sets the step.
    const double tickIndex = std::ceil(3 * (std::log(range * spacing / extent / scale) * kInvLog10) - 0.15);
    if (!(std::abs(tickIndex) <= kMaxIndex))
        return ScaleRefusal::kUnscalable;
    axis.tickN = static_cast<std::int32_t>(tickIndex);
    const TickSteps steps = StepsOf(axis);

    axis.min = lo;
    axis.max = hi;
    if (adjust) {
        const double m = steps.major;
        axis.min = m * StepsAtOrBelow(lo, m * scale) * scale;
        axis.max = m * StepsAtOrAbove(hi, m * scale) * scale;
    }
    axis.vToPix = extent / (axis.max - axis.min);
    if (!std::isfinite(axis.min) || !std::isfinite(axis.max) || !std::isfinite(axis.vToPix) ||
        !(axis.vToPix > 0) || !(steps.minor * scale > 0) || !std::isfinite(steps.major * scale))
        return ScaleRefusal::kUnscalable;
    if (!TicksOf(axis))
        return ScaleRefusal::kTooFarFromZero;
    return axis;
}

TickSteps StepsOf(const AxisScale& scale) {
    return TickSteps{TickSize(scale.tickN), TickSize(MajorIndex(scale.tickN)), std::pow(10.0, scale.tPower),
                     TicksPerMajor(scale.tickN)};
}

std::optional<TickRange> TicksOf(const AxisScale& scale) {
    const TickSteps steps = StepsOf(scale);
    const double step = steps.minor * steps.scale;
    const double first = StepsAtOrAbove(scale.min, step);
    const double last = StepsAtOrBelow(scale.max, step);
    if (!FitsTickIndex(first) || !FitsTickIndex(last))
        return std::nullopt;
    const auto f = static_cast<std::int64_t>(first);
    const auto l = static_cast<std::int64_t>(last);
    return TickRange{f, l, steps.perMajor * CeilDiv(f, steps.perMajor)};
}

std::pair<double, double> OuterMajorValues(const AxisScale& scale) {
    const TickSteps steps = StepsOf(scale);
    const double m = steps.major;
    return {m * StepsAtOrAbove(scale.min, m * steps.scale), m * StepsAtOrBelow(scale.max, m * steps.scale)};
}

} // namespace axes
