#pragma once

#include "graph/graph.h"

#include <functional>

// A plot that tells its owner where the pointer is, in the frame's pixels: pressed and dragged, to
// set something by the data under it, and resting with no button, to show the data there.
class PointerGraph : public Graph {
public:
    using Graph::Graph;

    std::function<void(int x, int y)> Pressed; // a press, and each move while the button is held
    std::function<void(int x, int y)> Hovered; // each move with no button held
    std::function<void()> Exited;              // the pointer left the plot

    void Event_MouseDown(int x, int y) override;
    void Event_MouseDrag(int x, int y) override;
    void Event_MouseMove(int x, int y) override;
    void Event_MouseExit() override;
};
