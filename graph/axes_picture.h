#pragma once

#include "graph/graph.h"
#include "toolkit/picture.h"

#include <functional>
#include <memory>
#include <span>

// A copy of what a plot draws before its data and keeps from one frame to the next (the frame
// lines, labels, ticks and grid), so that a frame starts from one copy instead of clearing the frame
// and drawing them again: the same pixels as DefineGraph's. It is kept again whenever the graph
// is laid out again (opened, resized, restyled).
class AxesPicture {
public:
    // Draws the graph's empty plot for its ranges, as DefineGraph does, then what `over` draws on it
    // that stays as long as the axes do (a curve to compare the frames with), and keeps it.
    void KeepEmptyPlot(Graph& g, const std::function<void()>& over = {});
    // Draws the empty plot without its x axis and keeps that, for a plot whose x range moves from one
    // frame to the next while the rest stays; each frame draws the x axis of its range over the copy.
    // See Graph::zDrawAllButXAxis for the plots this suits.
    void KeepAllButXAxis(Graph& g);
    void Forget() { picture_.reset(); }
    // False also where the copy could not be made.
    bool Kept() const { return picture_ != nullptr; }
    // Starts a frame on the graph's target: the copy, and over it the x axis of the graph's x range
    // where it was kept without; with nothing kept, the empty plot that DefineGraph draws.
    void StartFrame(Graph& g) const;
    // Starts a frame as StartFrame does, for a plot whose frames draw only within the graph
    // rectangle (a marker reaching a little past its edge): copies back that part of the copy alone,
    // and where the x axis moves, everything below the rectangle's top, where that axis lies.
    // Returns the part copied back, in the frame's coordinates.
    tk::Rect StartFrameInGraphRect(Graph& g) const;
    // Starts a frame on a target that holds the last one by copying back only these places, which
    // hold all that the last frame drew over the copy; the whole frame where the copy lacks its x axis.
    void StartFrameOver(Graph& g, std::span<const tk::Rect> drawnOver) const;

private:
    void Keep(Graph& g, bool withoutXAxis);
    tk::Rect Restore(Graph& g, tk::Rect part) const;

    std::unique_ptr<tk::Picture> picture_;
    bool withoutXAxis_ = false;
};
