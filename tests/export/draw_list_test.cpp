// A picture recorded as data and replayed: what reaches the context it is replayed on.

#include "export/draw_list.h"
#include "tests/support/fake_platform.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

// Each call replayed, with " red" where it was drawn in red.
std::vector<std::string> Replayed(const DrawList& list) {
    fake::RecordingGraphics g;
    list.ReplayOn(g);
    std::vector<std::string> calls;
    for (const auto& call : g.Calls())
        calls.push_back(call.ToString() + (call.color == tk::RGB(255, 0, 0) ? " red" : ""));
    return calls;
}

TEST(DrawList, ReplaysWhatWasDrawnAtItsPlaceInItsStyle) {
    const struct {
        const char* name;
        std::function<void(DrawList&)> draw;
        std::vector<std::string> replayed;
    } rows[] = {
        {"lines that go on from one another are one polyline",
         [](DrawList& g) {
             g.DrawLine(0, 0, 1, 1);
             g.DrawLine(1, 1, 2, 0);
             g.DrawLine(2, 0, 3, 3);
         },
         {"DrawPolyline 0 0 1 1 2 0 3 3"}},
        {"a gap or a new colour starts another",
         [](DrawList& g) {
             g.DrawLine(0, 0, 1, 1);
             g.DrawLine(2, 2, 3, 3);
             g.SetForeColor(tk::RGB(255, 0, 0));
             g.DrawLine(3, 3, 4, 4);
             g.DrawLine(4, 4, 5, 4);
         },
         {"DrawLine 0 0 1 1", "DrawLine 2 2 3 3", "DrawPolyline 3 3 4 4 5 4 red"}},
        {"shapes and text move with the origin",
         [](DrawList& g) {
             g.SetOrigin({10, 20});
             g.FillRect(1, 2, 3, 4);
             g.DrawOval(0, 0, 70, 70);
             g.FillPolygon({{0, 0}, {5, 0}, {0, 5}});
             g.DrawString("ab", 5, 6);
             g.SetOrigin({0, 0});
             g.ClearRect(0, 0, 2, 2);
         },
         {"FillRect 11 22 3 4", "DrawOval 10 20 70 70", "FillPolygon 10 20 15 20 10 25",
          "DrawString 'ab' 15 26", "ClearRect 0 0 2 2"}},
        {"pictures are not kept",
         [](DrawList& g) {
             const fake::FakePicture picture(1, 1, 32, false);
             g.DrawPicture(picture, 0, 0);
         },
         {}},
    };
    for (const auto& row : rows) {
        fake::RecordingGraphics measure;
        DrawList list(measure);
        row.draw(list);
        EXPECT_EQ(Replayed(list), row.replayed) << row.name;
    }
}

// The list measures in its own style, on the context it was given.
TEST(DrawList, MeasuresTextOnItsContextInItsOwnStyle) {
    fake::RecordingGraphics measure;
    DrawList list(measure);
    list.SetTextSize(20);
    EXPECT_DOUBLE_EQ(list.StringWidth("abc"), 3 * 12.0);
    EXPECT_EQ(list.TextHeight(), 20);
    EXPECT_TRUE(measure.Calls().empty());
}

} // namespace
