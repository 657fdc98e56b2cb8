#pragma once

// Shared by the Graph tests: a Graph opened on the fake platform, so that its frame is a recording
// picture with fixed metrics (0.6 x size pixels a character, a line `size` high), and small helpers.

#include "graph/graph.h"
#include "tests/support/fake_platform.h"

#include <limits>
#include <string>
#include <tuple>
#include <vector>

namespace testing_graph {

using Ops = std::vector<std::string>;
using Style = std::tuple<std::string, int, bool, bool>; // font, size, bold, italic

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr tk::Color kBlack = tk::RGB(0, 0, 0);
constexpr tk::Color kWhite = tk::RGB(255, 255, 255);
constexpr tk::Color kRed = tk::RGB(255, 0, 0);
constexpr tk::Color kBlue = tk::RGB(0, 0, 255);

inline Style StyleOf(const tk::Graphics& g) {
    return {g.TextFont(), g.TextSize(), g.Bold(), g.Italic()};
}

// "'b' 107 46 System 9 bold": a drawn string with its position and style.
inline std::string Styled(const fake::DrawCall& call) {
    std::string s = "'" + call.text + "' " + std::to_string(call.args[0]) + " " +
                    std::to_string(call.args[1]) + " " + call.font + " " + std::to_string(call.size);
    return s + (call.bold ? " bold" : "") + (call.italic ? " italic" : "");
}

// The message of the GraphError that `action` raises.
template <class Action> std::string GraphErrorOf(Action action) {
    try {
        action();
    } catch (const GraphError& e) {
        return e.msg;
    }
    return "(no GraphError)";
}

inline void SetAllTicks(Graph& g, bool on) {
    g.SetXMajTix(on);
    g.SetXMinTix(on);
    g.SetYMajTix(on);
    g.SetYMinTix(on);
}

// A Graph drawing straight onto a recording context in "System" 12, with no frame.
struct RecordingTarget {
    RecordingTarget() {
        graph.GX = &target;
        graph.SetFontInfo("System", 12, false, false);
    }
    fake::RecordingGraphics target;
    Graph graph;
};

class OpenedGraph {
public:
    OpenedGraph(int width, int height) {
        graph.SetBounds(0, 0, width, height);
        graph.Event_Open();
    }

    fake::RecordingGraphics& Frame() { return *static_cast<fake::FakePicture*>(graph.GXP.get())->Recorder(); }

    // The frame's calls of one kind made by `draw`.
    template <class Draw> Ops OpsOf(const std::string& op, Draw draw) {
        Frame().Clear();
        draw();
        return Frame().Ops(op);
    }

    fake::ScopedFakePlatform platform;
    Graph graph;
};

} // namespace testing_graph
