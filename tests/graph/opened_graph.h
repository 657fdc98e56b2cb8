#pragma once

// A Graph on the fake platform: its frame records, with 0.6 x size pixels a character and a line
// `size` high.

#include "graph/graph.h"
#include "tests/support/fake_platform.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

using Doubles = std::vector<double>;
using Ops = std::vector<std::string>;

const double kNaN = std::nan("");
constexpr tk::Color kBlack = tk::RGB(0, 0, 0), kWhite = tk::RGB(255, 255, 255), kRed = tk::RGB(255, 0, 0);

inline std::string Join(const Ops& items, const std::string& separator = "; ") {
    std::string joined;
    for (std::size_t i = 0; i < items.size(); ++i)
        joined += (i ? separator : "") + items[i];
    return joined;
}

// "System 12 bold": a text style as the tests write it.
inline std::string StyleOf(const std::string& font, int size, bool bold, bool italic) {
    return font + " " + std::to_string(size) + (bold ? " bold" : "") + (italic ? " italic" : "");
}
inline std::string StyleOf(const tk::Graphics& g) {
    return StyleOf(g.TextFont(), g.TextSize(), g.Bold(), g.Italic());
}

// The message of the GraphError that `action` raises, or "" when it raises none.
template <class Action> std::string Err(Action action) {
    try {
        action();
    } catch (const GraphError& e) {
        return e.msg;
    }
    return "";
}

class OpenedGraph : public ::testing::Test {
protected:
    OpenedGraph() { g.AttachPeer(std::make_unique<fake::FakeCanvasPeer>(screen.Log())); }
    void Open(int width, int height) {
        g.SetBounds(0, 0, width, height);
        g.Event_Open();
    }
    void SetAllTicks(bool on) {
        g.SetXMajTix(on);
        g.SetXMinTix(on);
        g.SetYMajTix(on);
        g.SetYMinTix(on);
    }
    fake::RecordingGraphics& F() { return *fake.platform.lastPicture->Recorder(); }
    // The frame's calls that `draw` makes, all of them or those of one op.
    std::string Drawn(const std::function<void()>& draw, const std::string& op = "") {
        F().Clear();
        draw();
        return Join(op.empty() ? F().Ops() : F().Ops(op));
    }
    // "'a' 100 50; 'b' 107 46 System 9": the strings that `draw` puts in the frame, styled unless System 12.
    std::string Texts(const std::function<void()>& draw) {
        Drawn(draw);
        Ops texts;
        for (const auto& c : F().Calls()) {
            const std::string style = StyleOf(c.font, c.size, c.bold, c.italic);
            if (c.op == "DrawString")
                texts.push_back(c.ToString().substr(11) + (style == "System 12" ? "" : " " + style));
        }
        return Join(texts);
    }

    fake::ScopedFakePlatform fake;
    fake::RecordingGraphics screen; // what is drawn on the screen at once
    Graph g;
};
