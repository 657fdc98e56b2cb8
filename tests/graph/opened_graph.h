#pragma once

// A Graph opened on the fake platform, so that its frame is a recording picture with fixed metrics:
// 0.6 x size pixels a character, a line `size` high.

#include "graph/graph.h"
#include "tests/support/fake_platform.h"

#include <string>
#include <vector>

namespace testing_graph {

class OpenedGraph {
public:
    OpenedGraph(int width, int height) {
        graph.SetBounds(0, 0, width, height);
        graph.Event_Open();
    }

    fake::RecordingGraphics& Frame() { return *static_cast<fake::FakePicture*>(graph.GXP.get())->Recorder(); }

    // The frame's calls of one kind made by `draw`.
    template <class Draw> std::vector<std::string> OpsOf(const std::string& op, Draw draw) {
        Frame().Clear();
        draw();
        return Frame().Ops(op);
    }

    fake::ScopedFakePlatform platform;
    Graph graph;
};

} // namespace testing_graph
