#pragma once

#include "graph/graph.h"
#include "toolkit/geometry.h"

#include <span>
#include <vector>

// Values at points spread evenly across the box, at x/L = i / (count - 1), drawn on a Graph whose x
// axis is x/L as one smooth curve on its target in the current colour and pen: the Graph's own curves run
// through whole pixels of its frame, which at a zoom are several of the screen's. A value beyond the y range
// is drawn at its edge; one that is not a number ends the curve there and starts it again after it.
class SmoothCurve {
public:
    void Draw(Graph& g, std::span<const double> values);
    // Lines through points given in the plot's data, drawn likewise.
    void DrawThrough(Graph& g, std::span<const tk::PointF> points);

    // The frame pixel of a value on each axis, not rounded: the Graph's mapping before it rounds.
    static double Column(const Graph& g, double x);
    static double Row(const Graph& g, double y);

private:
    void Flush(Graph& g);

    std::vector<tk::PointF> vertices_; // kept from one frame to the next, so that a frame allocates nothing
};
