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

    // The places of the frame that the curves drawn since the last ForgetCovered may have inked, a
    // few along each curve: what a frame drawn over the last one must clear.
    const std::vector<tk::Rect>& Covered() const { return covered_; }
    void ForgetCovered() { covered_.clear(); }

private:
    void Flush(Graph& g);
    void Cover(int pen);

    // Kept from one frame to the next, so that a frame allocates nothing.
    std::vector<tk::PointF> vertices_;
    std::vector<tk::Rect> covered_;
};
