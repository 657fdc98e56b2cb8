#include "graph/axis_model.h"

#include "toolkit/numbers.h"

namespace axes {

Axis XAxis(Graph& g) {
    return Axis{"x",       "zDefineXAxis", "Width",   g.XFlags, g.XMin,   g.XMax,
                g.XVtoPix, g.XTickN,       g.XTPower, g.GLeft,  g.GWidth, &Graph::XCoord};
}

Axis YAxis(Graph& g) {
    return Axis{"y",       "zDefineYAxis", "Height",  g.YFlags, g.YMin,    g.YMax,
                g.YVToPix, g.YTickN,       g.YTPower, g.GTop,   g.GHeight, &Graph::YCoord};
}

TickRange DefinedTicks(const Axis& axis, const std::string& op) {
    const auto ticks = TicksOf(axis.Scale());
    if (!ticks)
        throw GraphError(op + ": " + axis.letter + " axis ticks cannot be numbered.");
    return *ticks;
}

std::string TickLabel(std::int64_t i, const TickSteps& steps, const std::string& pattern) {
    return tk::Format(static_cast<double>(i) * steps.minor, pattern);
}

} // namespace axes
