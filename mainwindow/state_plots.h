#pragma once

#include "graph/graph.h"
#include "physics/box.h"

// The two plots of the state, set up and drawn the same way wherever they are shown: the main
// window and the views that follow it.
namespace state_plots {

// The wavefunction's axes: x/L from 0 to 1, y from -1 to 1 with a zero line, and a grid. Labels are
// measured in the Graph's current text style.
void SetUpWavefunction(Graph& graph);
// The density's axes: x/L from 0 to 1, y from 0 to 1, and a grid.
void SetUpDensity(Graph& graph);

// A curve through all samples, each at its own abscissa, in the Graph's current colour.
void DrawSamples(Graph& graph, const physics::Samples& samples);
// The real part in the current colour, black, then the imaginary part in red over it; black again
// at the end, so that every drawing starts in black.
void DrawWavefunction(Graph& graph, const physics::Samples& real, const physics::Samples& imaginary);

} // namespace state_plots
