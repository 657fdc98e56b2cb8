#pragma once

// The scale of one axis as a value: the range it plots, its pixels per unit, the power of ten
// factored out of its tick values and the 1-2-5 step of its ticks. ScaleAxis computes it from a
// requested range; the drawing and measuring of an axis read their ticks back from it. Nothing here
// needs a Graph.

#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>
#include <variant>

namespace axes {

// 1 / ln 10: log10(v) is ln v times this.
inline const double kInvLog10 = 1 / std::log(10.0);

// The step of index `index` in the 1-2-5 sequence, {1, 2, 5}[index mod 3] x 10^floor(index / 3),
// with mod and floor taken mathematically: -1 is 0.5, -3 is 0.1, 3 is 10.
double TickSize(std::int32_t index);

// How many whole steps of `step` lie at or above `value`, at or below it: a value within 5 % of a
// step of a whole step counts as on it. Ranges are widened to whole major steps and ticks are
// numbered by these two alone.
double StepsAtOrAbove(double value, double step);
double StepsAtOrBelow(double value, double step);

struct AxisScale {
    double min = 0; // the range plotted, after adjustment
    double max = 0;
    double vToPix = 0;       // pixels per data unit
    std::int32_t tickN = 0;  // index of the minor tick step in the 1-2-5 sequence; the major is 2 further
    std::int32_t tPower = 0; // power of ten factored out of tick values, a multiple of 3

    friend bool operator==(const AxisScale&, const AxisScale&) = default;
};

// Why a requested range has no scale.
enum class ScaleRefusal {
    kNoExtent,       // the axis has no pixels
    kEmptyRange,     // the range is empty, reversed, infinite or not a number
    kUnscalable,     // its step, ends or pixels per unit do not fit doubles
    kTooFarFromZero, // too narrow for its distance from zero: tick indices beyond 32 bits
};

// The scale of an axis `extent` pixels long for the range lo to hi, with a minor tick at least
// every `spacing` pixels; with `adjust` the range is widened to whole major steps (an end within
// 5 % of a major step inside one moves onto it instead). The tick step follows the requested
// range, not the adjusted one.
std::variant<AxisScale, ScaleRefusal> ScaleAxis(double lo, double hi, std::int32_t extent,
                                                std::int32_t spacing, bool adjust);

// The 1-2-5 steps of a scale: tick i stands at i * minor * scale, every perMajor-th is major.
struct TickSteps {
    double minor;
    double major;
    double scale; // 10 to the scale's power
    std::int64_t perMajor;
};

TickSteps StepsOf(const AxisScale& scale);

// The indices of the ticks that a scale shows, and of its first major tick. The major sequence
// starts at the first major tick that is drawn.
struct TickRange {
    std::int64_t first;
    std::int64_t last;
    std::int64_t firstMajor;
};

// None when a tick index does not fit 32 bits: the axis is then too narrow for its distance from
// zero to tell its ticks apart, or an end is not a number.
std::optional<TickRange> TicksOf(const AxisScale& scale);

// The values, in units of 10^tPower, of the major ticks at or inside either end.
std::pair<double, double> OuterMajorValues(const AxisScale& scale);

} // namespace axes
