// The main window on the fake platform: its settings, its controls in their places, and the
// bindings that bring each control's events to the window's handlers.

#include "tests/mainwindow/opened_main_wndo.h"

#include <tuple>

namespace {

using namespace testing_main;

// Records which handler ran, with the index it received.
class LoggingWndo : public MainWndo {
public:
    std::string log;
    void Note(const std::string& what, int i = -1) {
        log += what + (i < 0 ? "" : " " + std::to_string(i)) + "; ";
    }
    void GFWFunc_Open() override { Note("GFWFunc_Open"); }
    void GFWFunc_DrawContent() override { Note("GFWFunc_DrawContent"); }
    void GFProb_Open() override { Note("GFProb_Open"); }
    void GFProb_DrawContent() override { Note("GFProb_DrawContent"); }
    void RBTotal_Action() override { Note("RBTotal_Action"); }
    void RBNth_Action(int i) override { Note("RBNth_Action", i); }
    void EFMagn_TextChange(int i) override { Note("EFMagn_TextChange", i); }
    void EFMagn_GotFocus(int i) override { Note("EFMagn_GotFocus", i); }
    void EFAngle_TextChange(int i) override { Note("EFAngle_TextChange", i); }
    void EFAngle_GotFocus(int i) override { Note("EFAngle_GotFocus", i); }
    void PBNorm_Action() override { Note("PBNorm_Action"); }
    void PBStart_Action() override { Note("PBStart_Action"); }
    void TMFrame_Action() override { Note("TMFrame_Action"); }
};

std::string Id(const tk::Control& c) {
    return c.Name() + (c.Index() == tk::Control::kNoIndex ? "" : " " + std::to_string(c.Index()));
}

// The menu bar and both ways out are the application's tests, with the real widgets.
TEST_F(OpenedMainWndo, MakesEveryControlInOrderInItsPlaceWithItsSettings) {
    const tk::WindowSettings& s = window.settings;
    EXPECT_EQ(std::tuple(s.title, s.width, s.height, s.resizable, s.maximizeButton, s.minimizeButton,
                         s.closeButton),
              std::tuple("Parvok", 850, 669, false, false, true, true));
    std::string made;
    for (const tk::Control* c : window.Controls())
        made += Id(*c) + ", ";
    std::string expected =
        "GFWFunc, STLabel 0, GFProb, STLabel 1, GBControl, RBTotal, STLabel 2, Phasor 0, STLabel 3, "
        "RBNth 0, STLabel 4, EFMagn 0, EFAngle 0, STML 0, STAL 0, ";
    for (const char* i : {"1", "2", "3", "4", "5"})
        for (const char* name : {"Phasor ", "RBNth ", "EFMagn ", "EFAngle ", "STML ", "STAL "})
            expected += name + std::string(i) + ", ";
    EXPECT_EQ(made, expected + "PBNorm, PBStart, SLSpeed, STLabel 5, TMFrame, ");

    const struct {
        const char* name;
        int index;
        tk::Rect bounds;
        std::string text, accessible;
    } cases[] = {
        {"GFWFunc", -1, {20, 26, 500, 300}, "", "Wavefunction: real part in black, imaginary part in red"},
        {"GFProb", -1, {20, 392, 500, 250}, "", "Probability density"}, // ends at 642 of 669
        {"STLabel", 0, {20, 6, 91, 20}, "Wavefunction", ""},
        {"STLabel", 1, {20, 371, 91, 20}, "Probability", ""},
        {"GBControl", -1, {540, 6, 285, 643}, "Control", ""}, // from 6 to 649
        {"RBTotal", -1, {552, 559, 61, 20}, "Total", "Show all states together"},
        {"STLabel", 2, {552, 32, 55, 20}, "Show", ""},
        {"STLabel", 3, {613, 32, 55, 20}, "Phasor", ""},
        {"STLabel", 4, {695, 32, 79, 20}, "Initial data:", ""},
        {"Phasor", 5, {613, 467, 70, 70}, "", "Phasor of state 6"},
        {"RBNth", 5, {552, 492, 49, 20}, "n=6", "Show state 6 alone"},
        {"EFMagn", 0, {732, 64, 82, 22}, "1.000000", "Magnitude of state 1"},
        {"EFMagn", 4, {732, 392, 82, 22}, "0.000000", "Magnitude of state 5"},
        {"EFAngle", 5, {732, 505, 82, 22}, "0", "Angle of state 6 in degrees"},
        {"STML", 1, {695, 147, 33, 20}, "mag:", ""},
        {"STAL", 5, {695, 506, 33, 20}, "ang:", ""},
        {"PBNorm", -1, {732, 541, 82, 20}, "Normalize", "Normalize the magnitudes"},
        {"PBStart", -1, {552, 610, 80, 20}, "Start", "Start or stop the animation"},
        {"SLSpeed", -1, {644, 614, 170, 16}, "", "Phase speed"},
        {"STLabel", 5, {644, 588, 46, 20}, "Speed:", ""},
    };
    for (const auto& c : cases) {
        tk::Control& control = *window.Find(c.name, c.index);
        SCOPED_TRACE(Id(control));
        std::string text;
        if (auto* captioned = dynamic_cast<tk::CaptionedControl*>(&control))
            text = captioned->Caption();
        else if (auto* label = dynamic_cast<tk::StaticText*>(&control))
            text = label->Text();
        else if (auto* field = dynamic_cast<tk::EditField*>(&control))
            text = field->Text();
        EXPECT_EQ(std::tuple(control.Bounds(), text, control.AccessibleName()),
                  std::tuple(c.bounds, c.text, c.accessible));
        EXPECT_EQ(control.Parent(), control.Left() > 540 ? window.Find("GBControl") : nullptr);
    }
    EXPECT_EQ(window.Find<tk::StaticText>("STAL", 3)->Alignment(), tk::StaticText::kRight);
    EXPECT_EQ(window.Find<tk::StaticText>("STLabel", 4)->Alignment(), tk::StaticText::kLeft);
    const auto& speed = *window.Find<tk::Slider>("SLSpeed");
    EXPECT_EQ(std::tuple(speed.Minimum(), speed.Value(), speed.Maximum(), speed.LineStep(), speed.PageStep()),
              std::tuple(1, 10, 100, 1, 20));
    const auto& timer = *window.Find<TMFrame>("TMFrame");
    EXPECT_EQ(std::tuple(timer.Mode(), timer.Period(), timer.Window()), std::tuple(0, 33, &window));
    EXPECT_TRUE(window.Find<tk::RadioButton>("RBTotal")->Value());
    EXPECT_FALSE(window.Find<tk::RadioButton>("RBNth", 0)->Value());
    EXPECT_NE(dynamic_cast<MainWndo::EFAngle*>(window.Find("EFAngle", 3)), nullptr) << "of its element class";
}

TEST(MainWndoBindings, EveryEventReachesItsHandlerWithTheIndexOfTheElementThatFired) {
    fake::ScopedFakePlatform fake;
    LoggingWndo window;
    window.Open();
    EXPECT_EQ(window.log, "GFWFunc_Open; GFProb_Open; ") << "the plots open with the window";
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
    window.Find<tk::Timer>("TMFrame")->SetMode(tk::Timer::kMultiple);
    window.Find<tk::Timer>("TMFrame")->Fire();
    EXPECT_EQ(window.log, "GFWFunc_DrawContent; GFProb_DrawContent; RBTotal_Action; RBNth_Action 4; "
                          "EFMagn_TextChange 2; EFMagn_GotFocus 5; EFAngle_TextChange 3; EFAngle_GotFocus 0; "
                          "PBNorm_Action; PBStart_Action; TMFrame_Action; ");
    MenuBar1::Release();
}

} // namespace
