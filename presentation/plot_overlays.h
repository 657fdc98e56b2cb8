#pragma once

#include "graph/graph.h"
#include "physics/observables.h"
#include "presentation/smooth_curve.h"
#include "toolkit/color.h"

#include <span>

// What the presentation view draws on its plots besides the curves, in the Graph's own pixels, in
// text of `font` pixels.
namespace plot_overlays {

// One curve or mark of a legend: a stroke of its colour before its name.
struct LegendEntry {
    tk::Color color;
    const char* name;
};

// Which curve is which: the entries side by side, each a stroke `pen` wide before its name, centred
// over the graph rectangle on the last line of its title, which is left empty for them: outside the
// graph rectangle, where they hide no curve.
void DrawLegend(Graph& g, std::span<const LegendEntry> entries, int pen, int font);

// The mean position as a line across the plot, and the band of one spread either side of it as a
// bar near the top, with its ends marked: lines alone, which a legend names.
void DrawSpread(Graph& g, SmoothCurve& curve, const physics::Moments& position, tk::Color color, int pen);

} // namespace plot_overlays
