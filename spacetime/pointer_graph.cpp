#include "spacetime/pointer_graph.h"

void PointerGraph::Event_MouseDown(int x, int y) {
    if (Pressed)
        Pressed(x, y);
}

void PointerGraph::Event_MouseDrag(int x, int y) {
    if (Pressed)
        Pressed(x, y);
}

void PointerGraph::Event_MouseMove(int x, int y) {
    if (Hovered)
        Hovered(x, y);
}

void PointerGraph::Event_MouseExit() {
    if (Exited)
        Exited();
}
