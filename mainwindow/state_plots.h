#pragma once

#include "graph/graph.h"
#include "physics/box.h"
#include "run/run_model.h"

#include <string>

// The two plots of the state, set up and drawn the same way wherever they are shown: the main
// window and the views that follow it.
namespace state_plots {

// A plot's y axis: its range and its caption (Graph markup; none when empty).
struct YAxis {
    double min = 0;
    double max = 1;
    std::string caption;
    friend bool operator==(const YAxis&, const YAxis&) = default;
};

// The scaled wavefunction's axis, -1 to 1, and its density's, 0 to 1, without captions.
inline const YAxis kScaledWave{-1, 1, {}};
inline const YAxis kScaledDensity{0, 1, {}};

// The axes the run's plotted wavefunction asks for: the scaled ones, or for the physical wavefunction
// +-its bound and 0 to the bound squared, each rounded up to a half, with "√L·ψ" and "L·|ψ|²".
YAxis WavefunctionAxis(const run::RunModel& run);
YAxis DensityAxis(const run::RunModel& run);

// What a plot shows, for its tool tip, in the user's language.
std::string WavefunctionTip(const run::RunModel& run);
std::string DensityTip(const run::RunModel& run);

// The wavefunction's axes: x/L from 0 to 1, y as given with a zero line, and a grid. Labels are
// measured in the Graph's current text style.
void SetUpWavefunction(Graph& graph, const YAxis& y = kScaledWave);
// The density's axes: x/L from 0 to 1, y as given, and a grid.
void SetUpDensity(Graph& graph, const YAxis& y = kScaledDensity);

// A curve through all samples, each at its own abscissa, in the Graph's current colour.
void DrawSamples(Graph& graph, const physics::Samples& samples);
// The real part in the current colour, black, then the imaginary part in red over it; black again
// at the end, so that every drawing starts in black.
void DrawWavefunction(Graph& graph, const physics::Samples& real, const physics::Samples& imaginary);

} // namespace state_plots
