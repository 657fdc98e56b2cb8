// The About window on a platform without a screen: its settings, its one reading of the page and
// the editing commands it hands to its viewer.

#include "app/about_parvok.h"
#include "app/about_wndo.h"
#include "app/app.h"
#include "app/menu_bar1.h"
#include "mainwindow/main_wndo.h"
#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string kPage = "<h1>Parvok</h1>";

class AboutWndoTest : public testing::Test {
protected:
    void TearDown() override { ReleaseAll(); }
    static void ReleaseAll() {
        AboutWndo::Release();
        MainWndo::Release();
        MenuBar1::Release();
        AboutParvok::Release();
    }
    void StorePage() { fake_.platform.resources.texts[{"TEXT", 168}] = kPage; }
    static void Reopen() {
        AboutWndo::Instance().Close();
        AboutWndo::Release();
        AboutWndo::Instance();
    }
    static const std::string& Page() { return AboutWndo::Instance().HTMLViewer1->PageSource(); }

    fake::ScopedFakePlatform fake_;
};

TEST_F(AboutWndoTest, HasTheWindowSettings) {
    const AboutWndo& window = AboutWndo::Instance();
    const tk::WindowSettings& s = window.settings;
    EXPECT_EQ(s.title, "About Parvok");
    EXPECT_EQ(s.width, 678);
    EXPECT_EQ(s.height, 602);
    EXPECT_TRUE(s.resizable);
    EXPECT_EQ(s.minWidth, 64);
    EXPECT_EQ(s.minHeight, 64);
    EXPECT_EQ(s.maxWidth, 32000);
    EXPECT_EQ(s.maxHeight, 32000);
    EXPECT_FALSE(s.liveResize);
    EXPECT_TRUE(s.closeButton);
    EXPECT_TRUE(s.minimizeButton);
    EXPECT_TRUE(s.maximizeButton);
    EXPECT_FALSE(s.fullScreen);
    EXPECT_TRUE(s.menuBarVisible);
    EXPECT_TRUE(s.composite);
    EXPECT_FALSE(s.backColor.has_value());
    EXPECT_EQ(s.frame, 0);
    EXPECT_EQ(s.placement, 0);
    EXPECT_TRUE(s.visible);
    EXPECT_EQ(window.MenuBar(), nullptr) << "shows the application's menu bar";
    EXPECT_EQ(window.Find<tk::HTMLViewer>("HTMLViewer1"), window.HTMLViewer1);
    EXPECT_TRUE(window.IsOpen());
}

// What the store holds at the first opening, and what a later opening shows once the page is there.
struct Reading {
    const char* name;
    bool store;
    bool page;
    bool loaded;
    int reads;
    std::string firstPage;
    std::string laterPage;
};

TEST_F(AboutWndoTest, ReadsThePageAtMostOnceAndOnlyFromAStore) {
    const std::vector<Reading> cases = {
        {"page present", true, true, true, 1, kPage, kPage},
        {"page missing: the empty text is kept", true, false, true, 1, "", ""},
        {"no store: tried again later", false, false, false, 0, "", kPage},
    };
    for (const Reading& c : cases) {
        SCOPED_TRACE(c.name);
        ReleaseAll();
        fake_.platform.resources.texts.clear();
        fake_.platform.resources.reads = 0;
        fake_.platform.hasResources = c.store;
        if (c.page)
            StorePage();

        EXPECT_TRUE(AboutWndo::Instance().IsOpen());
        EXPECT_EQ(Page(), c.firstPage);
        EXPECT_EQ(AboutParvok::loaded, c.loaded);
        EXPECT_EQ(fake_.platform.resources.reads, c.reads);

        fake_.platform.hasResources = true;
        StorePage();
        Reopen();
        EXPECT_EQ(Page(), c.laterPage);
        EXPECT_EQ(fake_.platform.resources.reads, 1);
    }
}

// Stands for the viewer on the screen and records the editing it is asked for.
class EditingPeer : public tk::ControlPeer {
public:
    void Perform(tk::EditCommand command) override { performed.push_back(command); }
    std::vector<tk::EditCommand> performed;
};

TEST_F(AboutWndoTest, EditCommandsGoToTheViewer) {
    const std::vector<std::pair<const char*, tk::EditCommand>> commands = {
        {"EditCopy", tk::EditCommand::Copy},           {"EditPaste", tk::EditCommand::Paste},
        {"EditSelectAll", tk::EditCommand::SelectAll}, {"EditCut", tk::EditCommand::Cut},
        {"EditClear", tk::EditCommand::Clear},
    };
    tk::HTMLViewer& viewer = *AboutWndo::Instance().HTMLViewer1;
    auto peer = std::make_unique<EditingPeer>();
    EditingPeer& editing = *peer;
    viewer.AttachPeer(std::move(peer));
    for (const auto& [item, command] : commands) {
        const auto* handler = viewer.MenuHandler(item);
        ASSERT_NE(handler, nullptr) << item;
        EXPECT_TRUE((*handler)()) << item;
        ASSERT_FALSE(editing.performed.empty()) << item;
        EXPECT_EQ(editing.performed.back(), command) << item;
    }
    EXPECT_EQ(editing.performed.size(), commands.size());
    EXPECT_EQ(viewer.MenuHandlerCount(), commands.size());
}

TEST_F(AboutWndoTest, UndoHasNoHandlerAnywhere) {
    App app;
    const AboutWndo& window = AboutWndo::Instance();
    EXPECT_EQ(window.HTMLViewer1->MenuHandler("EditUndo"), nullptr);
    EXPECT_EQ(window.MenuHandlerCount(), 0u);
    EXPECT_EQ(app.MenuHandler("EditUndo"), nullptr);
}

TEST_F(AboutWndoTest, ClosingKeepsTheApplicationRunning) {
    AboutWndo::Instance().Close();
    EXPECT_FALSE(AboutWndo::Instance().IsOpen());
    EXPECT_FALSE(fake_.platform.quitCode.has_value());
}

TEST_F(AboutWndoTest, HelpAboutTwiceMakesOneWindow) {
    StorePage();
    const auto& about = *MainWndo::Instance().MenuHandler("HelpAbout");
    EXPECT_FALSE(about());
    ASSERT_TRUE(AboutWndo::Exists());
    const AboutWndo* first = &AboutWndo::Instance();
    EXPECT_FALSE(about());
    EXPECT_EQ(&AboutWndo::Instance(), first);
    EXPECT_EQ(fake_.platform.windowsRealized, 2) << "the main window and one About window";
    EXPECT_EQ(fake_.platform.resources.reads, 1);
    EXPECT_EQ(Page(), kPage);
}

} // namespace
