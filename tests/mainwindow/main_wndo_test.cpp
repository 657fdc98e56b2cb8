// The main window on the fake platform: its settings, its controls in their places, and the
// bindings that bring each control's events to the window's handlers.

#include "app/menu_bar1.h"
#include "mainwindow/main_wndo.h"
#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// Records which handler ran, with the index it received.
class LoggingWndo : public MainWndo {
public:
    Strings log;
    void GFWFunc_Open() override { log.push_back("GFWFunc_Open"); }
    void GFWFunc_DrawContent() override { log.push_back("GFWFunc_DrawContent"); }
    void GFProb_Open() override { log.push_back("GFProb_Open"); }
    void GFProb_DrawContent() override { log.push_back("GFProb_DrawContent"); }
    void RBTotal_Action() override { log.push_back("RBTotal_Action"); }
    void RBNth_Action(int i) override { log.push_back("RBNth_Action " + std::to_string(i)); }
    void EFMagn_TextChange(int i) override { log.push_back("EFMagn_TextChange " + std::to_string(i)); }
    void EFMagn_GotFocus(int i) override { log.push_back("EFMagn_GotFocus " + std::to_string(i)); }
    void EFAngle_TextChange(int i) override { log.push_back("EFAngle_TextChange " + std::to_string(i)); }
    void EFAngle_GotFocus(int i) override { log.push_back("EFAngle_GotFocus " + std::to_string(i)); }
    void PBNorm_Action() override { log.push_back("PBNorm_Action"); }
    void PBStart_Action() override { log.push_back("PBStart_Action"); }
    void TMFrame_Action() override { log.push_back("TMFrame_Action"); }
};

class MainWndoTest : public testing::Test {
protected:
    void TearDown() override {
        MainWndo::Release();
        MenuBar1::Release();
    }
    tk::Control& Control(const std::string& name, int index = tk::Control::kNoIndex) {
        tk::Control* control = window.Find(name, index);
        EXPECT_NE(control, nullptr) << name << " " << index;
        return *control;
    }
    fake::ScopedFakePlatform fake_;
    LoggingWndo window;
};

TEST_F(MainWndoTest, HasTheWindowSettingsAndOnlyTheAboutHandler) {
    const tk::WindowSettings& s = MainWndo::Instance().settings;
    EXPECT_EQ(
        std::tuple(s.title, s.width, s.height, s.resizable, s.minWidth, s.minHeight, s.maxWidth, s.maxHeight),
        std::tuple("Parvok", 850, 669, false, 64, 64, 32000, 32000));
    EXPECT_EQ(std::tuple(s.closeButton, s.minimizeButton, s.maximizeButton, s.fullScreen, s.menuBarVisible,
                         s.backColor.has_value(), s.visible),
              std::tuple(true, true, false, false, true, false, true));
    EXPECT_EQ(&MainWndo::Instance(), &MainWndo::Instance());
    EXPECT_EQ(MainWndo::Instance().MenuBar(), &MenuBar1::Instance());
    EXPECT_EQ(MainWndo::Instance().MenuHandlerCount(), 1u);
    ASSERT_NE(MainWndo::Instance().MenuHandler("HelpAbout"), nullptr);
    EXPECT_EQ(MainWndo::Instance().HelpAbout()->Caption(), "About Parvok…");
    EXPECT_EQ(MainWndo::Instance().UntitledMenu1()->Caption(), "-");
    MainWndo::Instance().Close();
    EXPECT_EQ(fake_.platform.quitCode, 0) << "closing quits";
}

TEST_F(MainWndoTest, MakesEveryControlInOrderUnderItsNameAndIndex) {
    window.Open();
    Strings made;
    for (const tk::Control* c : window.Controls())
        made.push_back(c->Name() +
                       (c->Index() == tk::Control::kNoIndex ? "" : " " + std::to_string(c->Index())));
    Strings expected = {"GFWFunc",   "STLabel 0", "GFProb",    "STLabel 1", "GBControl",
                        "RBTotal",   "STLabel 2", "Phasor 0",  "STLabel 3", "RBNth 0",
                        "STLabel 4", "EFMagn 0",  "EFAngle 0", "STML 0",    "STAL 0"};
    for (const char* i : {"1", "2", "3", "4", "5"})
        for (const char* name : {"Phasor ", "RBNth ", "EFMagn ", "EFAngle ", "STML ", "STAL "})
            expected.push_back(name + std::string(i));
    for (const char* last : {"PBNorm", "PBStart", "SLSpeed", "STLabel 5", "TMFrame"})
        expected.push_back(last);
    EXPECT_EQ(made, expected);
    EXPECT_NE(dynamic_cast<MainWndo::EFAngle*>(&Control("EFAngle", 3)), nullptr) << "of its element class";
    EXPECT_NE(dynamic_cast<TMFrame*>(&Control("TMFrame")), nullptr);
    EXPECT_EQ(static_cast<TMFrame&>(Control("TMFrame")).Window(), &window);
}

TEST_F(MainWndoTest, PlacesTheControlsWithTheirTexts) {
    window.Open();
    const struct {
        const char* name;
        int index;
        tk::Rect bounds;
        std::string text;
    } cases[] = {
        {"GFWFunc", -1, {20, 26, 500, 300}, ""},
        {"GFProb", -1, {20, 392, 500, 250}, ""}, // ends at 642, inside the 669 of the window
        {"STLabel", 0, {20, 6, 91, 20}, "Wavefunction"},
        {"STLabel", 1, {20, 371, 91, 20}, "Probability"},
        {"GBControl", -1, {540, 6, 285, 643}, "Control"}, // from 6 to 649
        {"RBTotal", -1, {552, 559, 61, 20}, "Total"},
        {"STLabel", 2, {552, 32, 55, 20}, "Show"},
        {"STLabel", 3, {613, 32, 55, 20}, "Phasor"},
        {"STLabel", 4, {695, 32, 79, 20}, "Initial data:"},
        {"Phasor", 0, {613, 57, 70, 70}, ""},
        {"Phasor", 5, {613, 467, 70, 70}, ""},
        {"RBNth", 0, {552, 82, 49, 20}, "n=1"},
        {"RBNth", 5, {552, 492, 49, 20}, "n=6"},
        {"EFMagn", 0, {732, 64, 82, 22}, "1.000000"},
        {"EFMagn", 4, {732, 392, 82, 22}, "0.000000"},
        {"EFAngle", 5, {732, 505, 82, 22}, "0"},
        {"STML", 1, {695, 147, 33, 20}, "mag:"},
        {"STAL", 5, {695, 506, 33, 20}, "ang:"},
        {"PBNorm", -1, {732, 541, 82, 20}, "Normalize"},
        {"PBStart", -1, {552, 610, 80, 20}, "Start"},
        {"SLSpeed", -1, {644, 614, 170, 16}, ""},
        {"STLabel", 5, {644, 588, 46, 20}, "Speed:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.index));
        tk::Control& control = Control(c.name, c.index);
        EXPECT_EQ(control.Bounds(), c.bounds);
        std::string text;
        if (auto* captioned = dynamic_cast<tk::CaptionedControl*>(&control))
            text = captioned->Caption();
        else if (auto* label = dynamic_cast<tk::StaticText*>(&control))
            text = label->Text();
        else if (auto* field = dynamic_cast<tk::EditField*>(&control))
            text = field->Text();
        EXPECT_EQ(text, c.text);
        const bool inGroup = control.Bounds().x > 540;
        EXPECT_EQ(control.Parent(), inGroup ? window.Find("GBControl") : nullptr);
    }
    EXPECT_EQ(window.Find<tk::StaticText>("STML", 3)->Alignment(), tk::StaticText::kRight);
    EXPECT_EQ(window.Find<tk::StaticText>("STAL", 3)->Alignment(), tk::StaticText::kRight);
    EXPECT_EQ(window.Find<tk::StaticText>("STLabel", 4)->Alignment(), tk::StaticText::kLeft);
    const auto& speed = *window.Find<tk::Slider>("SLSpeed");
    EXPECT_EQ(std::tuple(speed.Minimum(), speed.Value(), speed.Maximum(), speed.LineStep(), speed.PageStep()),
              std::tuple(1, 10, 100, 1, 20));
    const auto& timer = *window.Find<tk::Timer>("TMFrame");
    EXPECT_EQ(std::tuple(timer.Mode(), timer.Period()), std::tuple(tk::Timer::kOff, 33));
    EXPECT_TRUE(window.Find<tk::RadioButton>("RBTotal")->Value());
    for (int i = 0; i < MainWndo::kComponents; ++i)
        EXPECT_FALSE(window.Find<tk::RadioButton>("RBNth", i)->Value());
    EXPECT_FALSE(window.Find<Graph>("GFWFunc")->AcceptFocus());
}

TEST_F(MainWndoTest, EveryEventReachesItsHandlerWithTheIndexOfTheElementThatFired) {
    window.Open();
    EXPECT_EQ(window.log, (Strings{"GFWFunc_Open", "GFProb_Open"})) << "the plots open with the window";
    window.log.clear();
    window.Find<Graph>("GFWFunc")->DrawContent();
    window.Find<Graph>("GFProb")->DrawContent();
    window.Find<tk::RadioButton>("RBTotal")->NotifyChosen();
    window.Find<tk::RadioButton>("RBNth", 4)->NotifyChosen();
    window.Find<tk::EditField>("EFMagn", 2)->NotifyTextEdited("7");
    window.Find<tk::EditField>("EFMagn", 5)->NotifyFocusIn();
    window.Find<tk::EditField>("EFAngle", 3)->NotifyTextEdited("30");
    window.Find<tk::EditField>("EFAngle", 0)->NotifyFocusIn();
    window.Find<tk::PushButton>("PBNorm")->NotifyAction();
    window.Find<tk::PushButton>("PBStart")->NotifyAction();
    auto& timer = *window.Find<tk::Timer>("TMFrame");
    timer.SetMode(tk::Timer::kMultiple);
    timer.Fire();
    EXPECT_EQ(window.log,
              (Strings{"GFWFunc_DrawContent", "GFProb_DrawContent", "RBTotal_Action", "RBNth_Action 4",
                       "EFMagn_TextChange 2", "EFMagn_GotFocus 5", "EFAngle_TextChange 3",
                       "EFAngle_GotFocus 0", "PBNorm_Action", "PBStart_Action", "TMFrame_Action"}));
}

TEST_F(MainWndoTest, NamesEveryControlForAssistiveTechnology) {
    window.Open();
    const std::tuple<const char*, int, std::string> cases[] = {
        {"EFMagn", 2, "Magnitude of state 3"},
        {"EFAngle", 2, "Angle of state 3 in degrees"},
        {"RBNth", 2, "Show state 3 alone"},
        {"SLSpeed", -1, "Phase speed"},
        {"RBTotal", -1, "Show all states together"},
        {"Phasor", 1, "Phasor of state 2"},
        {"PBStart", -1, "Start or stop the animation"},
    };
    for (const auto& [name, index, accessible] : cases)
        EXPECT_EQ(Control(name, index).AccessibleName(), accessible);
    EXPECT_EQ(Control("Phasor", 1).AccessibleDescription(), "State 2");
}

} // namespace
