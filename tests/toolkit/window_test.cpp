// Windows and controls as the logic sees them, without a screen.

#include "tests/support/fake_platform.h"
#include "toolkit/canvas.h"
#include "toolkit/edit_field.h"
#include "toolkit/range_control.h"
#include "toolkit/window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using testing::ElementsAre;

std::vector<std::string> events;

class LoggingCanvas : public tk::Canvas {
public:
    using tk::Canvas::Canvas;
    void Event_Open() override { events.emplace_back("open " + Name() + " " + std::to_string(Index())); }
    void Event_Close() override { events.emplace_back("close " + Name()); }
};

class LoggingWindow : public tk::Window {
public:
    void Layout() override { events.emplace_back("Layout"); }
    void CreateControls() override {
        events.emplace_back("CreateControls");
        AddControl("Plot", std::make_unique<LoggingCanvas>());
        for (int i = 0; i < 2; ++i)
            AddControl("Row", std::make_unique<LoggingCanvas>(i));
    }
    void AddMenuHandlers() override { events.emplace_back("AddMenuHandlers"); }
    void Event_Open() override {
        events.emplace_back("Event_Open, controls: " + std::to_string(Controls().size()));
    }
    void Event_Close() override { events.emplace_back("Event_Close"); }
    void Event_Resize() override {
        events.push_back(std::to_string(settings.width) + "x" + std::to_string(settings.height));
    }
};

TEST(Window, OpensControlsInCreationOrderBeforeItselfClosesThemOnceAndFollowsItsSize) {
    fake::ScopedFakePlatform fake;
    events.clear();
    LoggingWindow window;
    window.Open();
    EXPECT_THAT(events, ElementsAre("Layout", "CreateControls", "AddMenuHandlers", "open Plot -1",
                                    "open Row 0", "open Row 1", "Event_Open, controls: 3"));
    EXPECT_TRUE(window.IsOpen());
    EXPECT_EQ(window.Find("Row", 1)->OwnerWindow(), &window);
    EXPECT_EQ(window.Find("Row"), nullptr) << "array elements are found with their index";

    events.clear();
    window.Close();
    window.Close();
    EXPECT_THAT(events, ElementsAre("close Plot", "close Row", "close Row", "Event_Close"));

    events.clear();
    for (auto [width, height] : {std::pair(640, 480), {640, 480}, {300, 300}})
        window.NotifyResized(width, height);
    EXPECT_THAT(events, ElementsAre("640x480", "300x300")) << "once for each new size";
}

TEST(EditField, RaisesTextChangeOnlyWhenTheTextChangesAndKeepsTheSelectionInside) {
    tk::EditField field;
    int changes = 0;
    field.TextChange = [&] { ++changes; };
    field.SetText("πx2"); // three characters, four bytes
    field.SetText("πx2");
    field.SetSelStart(1);
    field.SetSelLength(10);
    EXPECT_EQ(std::tuple(changes, field.SelStart(), field.SelLength()), std::tuple(1, 1, 2));
    field.SetSelStart(10);
    EXPECT_EQ(std::pair(field.SelStart(), field.SelLength()), std::pair(3, 0));
    field.NotifyTextEdited("");
    EXPECT_EQ(std::pair(changes, field.SelStart()), std::pair(2, 0));
}

// Each line break is a space, so each character keeps its place; what was held already, once on
// one line, is no change.
TEST(EditField, HoldsOneLineWhateverItIsGiven) {
    const struct {
        const char* name;
        std::string given;
        std::string held;
    } rows[] = {
        {"CR LF, a space for each", "1.5\r\n2.5", "1.5  2.5"},
        {"NEL, the line and paragraph separators", "a\u0085b\u2028c\u2029d", "a b c d"},
        {"no line break", "\t1,5 \u00a0ψ\u2027", "\t1,5 \u00a0ψ\u2027"},
    };
    for (const auto& row : rows) {
        tk::EditField typed;
        tk::EditField set;
        int changes = 0;
        typed.TextChange = [&] { ++changes; };
        typed.NotifyTextEdited(row.given);
        typed.NotifyTextEdited(row.held);
        set.SetText(row.given);
        EXPECT_EQ(std::tuple(typed.Text(), set.Text(), changes), std::tuple(row.held, row.held, 1))
            << row.name;
    }
}

TEST(RangeControl, KeepsItsValueInRangeAndReportsChanges) {
    tk::Slider slider;
    int changes = 0;
    slider.ValueChanged = [&] { ++changes; };
    slider.SetMinimum(1);
    slider.SetMaximum(100);
    slider.SetValue(10);
    slider.SetValue(500);
    EXPECT_EQ(slider.Value(), 100);
    slider.SetMaximum(50);
    EXPECT_EQ(slider.Value(), 50);
    EXPECT_EQ(changes, 4) << "0 to 1, to 10, to 100 and to 50: a range that moves the value reports it too";
}

} // namespace
