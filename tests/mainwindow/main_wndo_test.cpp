#include "app/menu_bar1.h"
#include "mainwindow/main_wndo.h"
#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

namespace {

class MainWndoTest : public testing::Test {
protected:
    void TearDown() override {
        MainWndo::Release();
        MenuBar1::Release();
    }
    fake::ScopedFakePlatform fake_;
};

TEST_F(MainWndoTest, HasTheWindowSettings) {
    const tk::WindowSettings& s = MainWndo::Instance().settings;
    EXPECT_EQ(s.title, "Parvok");
    EXPECT_EQ(s.width, 850);
    EXPECT_EQ(s.height, 669);
    EXPECT_FALSE(s.resizable);
    EXPECT_EQ(s.minWidth, 64);
    EXPECT_EQ(s.maxHeight, 32000);
    EXPECT_TRUE(s.closeButton);
    EXPECT_TRUE(s.minimizeButton);
    EXPECT_FALSE(s.maximizeButton);
    EXPECT_FALSE(s.fullScreen);
    EXPECT_TRUE(s.menuBarVisible);
    EXPECT_FALSE(s.backColor.has_value());
    EXPECT_TRUE(s.visible);
}

TEST_F(MainWndoTest, IsMadeOnceAndOpenedWithTheSharedMenuBar) {
    MainWndo& window = MainWndo::Instance();
    EXPECT_EQ(&MainWndo::Instance(), &window);
    EXPECT_TRUE(window.IsOpen());
    EXPECT_EQ(window.MenuBar(), &MenuBar1::Instance());
    EXPECT_EQ(fake_.platform.windowsRealized, 1);
}

TEST_F(MainWndoTest, RegistersOnlyTheAboutHandler) {
    MainWndo& window = MainWndo::Instance();
    EXPECT_EQ(window.MenuHandlerCount(), 1u);
    const auto* about = window.MenuHandler("HelpAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE((*about)());
}

TEST_F(MainWndoTest, ClosingQuitsWithCodeZero) {
    MainWndo::Instance().Close();
    EXPECT_EQ(fake_.platform.quitCode, 0);
}

} // namespace
