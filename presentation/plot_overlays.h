#pragma once

#include "graph/graph.h"
#include "physics/observables.h"
#include "presentation/smooth_curve.h"
#include "toolkit/color.h"

#include <string>

// What the presentation view draws on its plots besides the curves, in the Graph's own pixels, in
// text of `font` pixels: each frame draws it over the curves, which it must not hide.
namespace plot_overlays {

// Which curve is which: a stroke of each colour `pen` wide before "Re ψ" and "Im ψ", in a box at
// the top right of the graph rectangle.
void DrawLegend(Graph& g, tk::Color real, tk::Color imaginary, int pen, int font);

// The mean position as a line across the plot, and the band of one spread either side of it as a
// bar near the top, with its ends marked and "⟨x⟩ ± Δx" beside it.
void DrawSpread(Graph& g, SmoothCurve& curve, const physics::Moments& position, tk::Color color, int pen,
                int font);

} // namespace plot_overlays
