// Windows and controls as the logic sees them, without a screen.

#include "tests/support/fake_platform.h"
#include "toolkit/buttons.h"
#include "toolkit/canvas.h"
#include "toolkit/edit_field.h"
#include "toolkit/exceptions.h"
#include "toolkit/range_control.h"
#include "toolkit/timer.h"
#include "toolkit/window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
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
};

class WindowTest : public testing::Test {
protected:
    void SetUp() override { events.clear(); }
    fake::ScopedFakePlatform fake_;
};

TEST_F(WindowTest, OpensControlsInCreationOrderBeforeTheWindowItself) {
    LoggingWindow window;
    window.Open();
    EXPECT_THAT(events, ElementsAre("Layout", "CreateControls", "AddMenuHandlers", "open Plot -1",
                                    "open Row 0", "open Row 1", "Event_Open, controls: 3"));
    EXPECT_EQ(fake_.platform.windowsRealized, 1);
    EXPECT_TRUE(window.IsOpen());
}

TEST_F(WindowTest, FindsControlsByNameAndIndex) {
    LoggingWindow window;
    window.Open();
    ASSERT_NE(window.Find("Row", 1), nullptr);
    EXPECT_EQ(window.Find("Row", 1)->Index(), 1);
    EXPECT_EQ(window.Find("Plot")->Name(), "Plot");
    EXPECT_EQ(window.Find("Row"), nullptr) << "array elements are found with their index";
    EXPECT_EQ(window.Find("Row", 2), nullptr);
    EXPECT_EQ(window.Find("Row", 0)->OwnerWindow(), &window);
}

TEST_F(WindowTest, ClosingClosesControlsThenTheWindowOnce) {
    LoggingWindow window;
    window.Open();
    events.clear();
    window.Close();
    window.Close();
    EXPECT_THAT(events, ElementsAre("close Plot", "close Row", "close Row", "Event_Close"));
}

TEST(EditField, RaisesTextChangeOnlyWhenTheTextChanges) {
    tk::EditField field;
    int changes = 0;
    field.TextChange = [&] { ++changes; };
    field.SetText("1.0");
    field.SetText("1.0");
    field.NotifyTextEdited("1.05");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(field.Text(), "1.05");
}

TEST(EditField, SelectionStaysInsideTheText) {
    tk::EditField field;
    field.SetText("πx2"); // three characters, four bytes
    field.SetSelStart(0);
    field.SetSelLength(tk::CharacterCount(field.Text()));
    EXPECT_EQ(field.SelLength(), 3);
    field.SetSelStart(10);
    EXPECT_EQ(field.SelStart(), 3);
    EXPECT_EQ(field.SelLength(), 0);
    field.SetText("");
    EXPECT_EQ(field.SelStart(), 0);
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

TEST(Timer, FiresOnlyWhileOnAndOnceInSingleMode) {
    tk::Timer timer;
    int fired = 0;
    timer.Action = [&] { ++fired; };
    timer.Fire();
    timer.SetMode(tk::Timer::kMultiple);
    timer.Fire();
    timer.Fire();
    timer.SetMode(tk::Timer::kSingle);
    timer.Fire();
    timer.Fire();
    EXPECT_EQ(fired, 3);
    EXPECT_EQ(timer.Mode(), tk::Timer::kOff);
}

TEST(Canvas, WithoutAScreenHasNoScreenContext) {
    tk::Canvas canvas;
    EXPECT_EQ(canvas.ScreenGraphics(), nullptr);
    canvas.Refresh(true); // nothing to refresh, and no failure
}

TEST(Platform, MissingPlatformIsANilObjectFailure) {
    tk::Platform* installed = tk::SetPlatform(nullptr);
    EXPECT_THROW(tk::ThePlatform(), tk::NilObjectException);
    tk::SetPlatform(installed);
}

} // namespace
