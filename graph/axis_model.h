#pragma once

// What the axis definition, the axis drawing and the tick label measuring of Graph share: the
// option bits of an axis and one description for either axis, whose scale the Graph keeps in its
// fields.

#include "graph/axis_scale.h"
#include "graph/graph.h"

#include <cstdint>
#include <string>

namespace axes {

// Option bits of XFlags and YFlags.
inline constexpr std::int32_t kSpacingBits = 0x1F; // minimum pixels per minor tick, 3 to 31
inline constexpr std::int32_t kAdjustBit = 1 << 5;
inline constexpr std::int32_t kMajorTicksBit = 1 << 6;
inline constexpr std::int32_t kMinorTicksBit = 1 << 7;
inline constexpr std::int32_t kZeroLineBit = 1 << 8;
// Of YFlags alone: the axis runs from its minimum at the top down to its maximum at the bottom.
inline constexpr std::int32_t kReversedBit = 1 << 9;

// Margins around the graph rectangle, in pixels: labels keep a gap to the frame's edge and to
// the frame line or the tick labels, the x tick labels take a band below the axis, and no margin
// is narrower than the minimum.
inline constexpr std::int32_t kGap = 8;
inline constexpr std::int32_t kTickLabelBand = 14;
inline constexpr std::int32_t kMinMargin = 16;

// Either tick bit gives the axis major ticks with labels, and the layout a band for the labels.
inline bool HasTicks(std::int32_t flags) {
    return (flags & (kMajorTicksBit | kMinorTicksBit)) != 0;
}

inline bool IsReversed(std::int32_t flags) {
    return (flags & kReversedBit) != 0;
}

// One axis of a Graph: the fields that the x and y twins keep apart, and the names their messages
// use. `origin` and `extent` are the graph rectangle along the axis (GLeft and GWidth for x).
struct Axis {
    const char* letter;     // "x" or "y", as messages name the axis
    const char* defineOp;   // the operation that defines the axis, which names its failures
    const char* extentName; // "Width" or "Height"
    std::int32_t& flags;
    double& min;
    double& max;
    double& vToPix;
    std::int32_t& tickN;
    std::int32_t& tPower;
    std::int32_t& origin;
    std::int32_t& extent;
    std::int32_t (Graph::*coord)(double);

    // The scale the fields hold, and the fields set to hold `scale`.
    AxisScale Scale() const { return {min, max, vToPix, tickN, tPower}; }
    void SetScale(const AxisScale& scale) const {
        min = scale.min;
        max = scale.max;
        vToPix = scale.vToPix;
        tickN = scale.tickN;
        tPower = scale.tPower;
    }
};

Axis XAxis(Graph& g);
Axis YAxis(Graph& g);

// The ticks of a defined axis; raises GraphError naming `op` when its fields cannot be ticked,
// which a definition never leaves behind.
TickRange DefinedTicks(const Axis& axis, const std::string& op);

// The text of the label at tick i.
std::string TickLabel(std::int64_t i, const TickSteps& steps, const std::string& pattern);

} // namespace axes
