// The About window through Qt (offscreen), with the page compiled in as the program has it.

#include "app/about_parvok.h"
#include "app/about_wndo.h"
#include "app/app.h"
#include "app/menu_bar1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace {

class AboutWndoQtTest : public testing::Test {
protected:
    void SetUp() override {
        AboutWndo::Instance();
        QApplication::processEvents();
    }
    void TearDown() override {
        AboutWndo::Release();
        AboutParvok::Release();
        MenuBar1::Release();
    }
    static QMainWindow* Main() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* main = qobject_cast<QMainWindow*>(w); main && main->windowTitle() == "About Parvok")
                return main;
        return nullptr;
    }
    static QTextBrowser* Browser() { return Main()->findChild<QTextBrowser*>(); }
    static QAction* Action(const char* name) { return Main()->menuBar()->findChild<QAction*>(name); }
    static void ShowEditMenu() { emit Main()->menuBar()->findChild<QMenu*>("EditMenu")->aboutToShow(); }

    App app_;
};

TEST_F(AboutWndoQtTest, ShowsTheCompiledInPageUnderTheApplicationsMenuBar) {
    ASSERT_NE(Main(), nullptr);
    EXPECT_TRUE(Main()->isVisible());
    EXPECT_EQ(Main()->centralWidget()->size(), QSize(678, 602));
    EXPECT_TRUE(Main()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(Main()->menuBar()->actions().size(), 3);
    EXPECT_EQ(Browser()->geometry(), QRect(20, 14, 638, 568));
    EXPECT_EQ(Browser()->documentTitle(), "About Parvok");
    EXPECT_TRUE(Browser()->toPlainText().contains("Normalize scales the magnitudes"));
}

TEST_F(AboutWndoQtTest, ViewerKeepsItsMarginsWhenTheWindowIsResized) {
    for (const QSize grow : {QSize(240, 130), QSize(-400, -350)}) {
        const QSize content = Main()->centralWidget()->size() + grow;
        Main()->resize(Main()->size() + grow);
        QApplication::processEvents();
        ASSERT_EQ(Main()->centralWidget()->size(), content);
        EXPECT_EQ(Browser()->geometry(), QRect(20, 14, content.width() - 40, content.height() - 34))
            << content.width() << "x" << content.height();
    }
}

TEST_F(AboutWndoQtTest, EditMenuLeavesUndoOffAndThePageAsItIs) {
    const QString page = Browser()->toPlainText();
    Browser()->setFocus();
    QApplication::processEvents();
    ShowEditMenu();
    EXPECT_FALSE(Action("EditUndo")->isEnabled()) << "nothing handles Undo";
    EXPECT_TRUE(Action("EditSelectAll")->isEnabled());
    Action("EditSelectAll")->trigger();
    for (const char* change : {"EditCut", "EditPaste", "EditClear"})
        Action(change)->trigger();
    EXPECT_EQ(Browser()->toPlainText(), page);
}

// Selecting all and copying puts the page's text on the clipboard, from the menu and by keys.
TEST_F(AboutWndoQtTest, SelectAllAndCopyPutThePageOnTheClipboard) {
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"menu",
         [] {
             Action("EditSelectAll")->trigger();
             Action("EditCopy")->trigger();
         }},
        {"keys",
         [] {
             QTest::keyClick(Browser(), Qt::Key_A, Qt::ControlModifier);
             QTest::keyClick(Browser(), Qt::Key_C, Qt::ControlModifier);
         }},
    };
    for (const auto& [way, selectAndCopy] : ways) {
        QApplication::clipboard()->clear();
        Browser()->setFocus();
        Browser()->moveCursor(QTextCursor::Start);
        QApplication::processEvents();
        selectAndCopy();
        EXPECT_EQ(QApplication::clipboard()->text(), Browser()->toPlainText()) << way;
    }
}

} // namespace
