#include "app/app.h"
#include "app/menu_bar1.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Entry {
    std::string name;
    std::string caption;
    std::string shortcut;
};

struct Menu {
    Entry title;
    std::vector<Entry> items;
};

const std::vector<Menu> kMenus = {
    {{"FileMenu", "&File", ""}, {{"FileQuit", "&Quit", "Cmd+Q"}}},
    {{"EditMenu", "&Edit", ""},
     {{"EditUndo", "&Undo", "Cmd+Z"},
      {"UntitledMenu1", "-", ""},
      {"EditCut", "Cu&t", "Cmd+X"},
      {"EditCopy", "&Copy", "Cmd+C"},
      {"EditPaste", "&Paste", "Cmd+V"},
      {"EditClear", "&Delete", ""},
      {"UntitledMenu0", "-", ""},
      {"EditSelectAll", "Select &All", "Cmd+A"}}},
    {{"HelpMenu", "Help", ""}, {{"HelpAbout", "About Parvok…", "Cmd+?"}}},
};

void ExpectEntry(const tk::MenuItem& item, const Entry& expected) {
    EXPECT_EQ(item.Name(), expected.name);
    EXPECT_EQ(item.Caption(), expected.caption) << expected.name;
    EXPECT_EQ(item.Shortcut(), expected.shortcut) << expected.name;
    EXPECT_TRUE(item.AutoEnable()) << expected.name;
}

TEST(MenuBar1, HasEveryMenuAndItemInOrder) {
    MenuBar1 bar;
    ASSERT_EQ(bar.Children().size(), kMenus.size());
    for (std::size_t m = 0; m < kMenus.size(); ++m) {
        const tk::MenuItem& menu = *bar.Children()[m];
        ExpectEntry(menu, kMenus[m].title);
        ASSERT_EQ(menu.Children().size(), kMenus[m].items.size()) << menu.Name();
        for (std::size_t i = 0; i < kMenus[m].items.size(); ++i)
            ExpectEntry(*menu.Children()[i], kMenus[m].items[i]);
    }
}

TEST(MenuBar1, OnlyQuitIsTheQuitItemAndOnlyDashesAreSeparators) {
    MenuBar1 bar;
    EXPECT_TRUE(bar.Find("FileQuit")->IsQuitItem());
    EXPECT_TRUE(bar.Find("UntitledMenu0")->IsSeparator());
    EXPECT_TRUE(bar.Find("UntitledMenu1")->IsSeparator());
    for (const char* name : {"EditUndo", "EditCut", "EditClear", "HelpAbout"}) {
        EXPECT_FALSE(bar.Find(name)->IsQuitItem()) << name;
        EXPECT_FALSE(bar.Find(name)->IsSeparator()) << name;
    }
}

TEST(MenuBar1, SharedInstanceIsBuiltOnceAndUsedByTheApplication) {
    MenuBar1& shared = MenuBar1::Instance();
    EXPECT_EQ(&MenuBar1::Instance(), &shared);
    {
        App app;
        EXPECT_EQ(app.MenuBar(), &shared);
        EXPECT_EQ(tk::Application::Current(), &app);
        EXPECT_EQ(app.MenuHandlerCount(), 0u);
    }
    EXPECT_EQ(tk::Application::Current(), nullptr);
    MenuBar1::Release();
}

} // namespace
