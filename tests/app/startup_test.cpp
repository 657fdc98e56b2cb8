// Start-up through Qt, driven from inside the event loop: the ways out end it with code 0.

#include "app/menu_bar1.h"
#include "app/startup.h"
#include "mainwindow/main_wndo.h"
#include "toolkit/qt/qt_control_peers.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

QMainWindow* MainWindowWidget() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* main = qobject_cast<QMainWindow*>(w);
            main && main->windowTitle() == "Parvok" && main->isVisible())
            return main;
    return nullptr;
}

// Runs the application, doing `act` once the main window is up; a watchdog ends a run that hangs.
int RunAndThen(const std::function<void()>& act) {
    QTimer::singleShot(50, act);
    QTimer::singleShot(10'000, [] { QApplication::exit(99); });
    return RunApplication(tk::ThePlatform(), {[] { MainWndo::Instance(); }, [] { MainWndo::Release(); }});
}

TEST(Startup, QuitFromTheMenuEndsWithCodeZeroAndReleasesEverything) {
    QMainWindow* seen = nullptr;
    const int code = RunAndThen([&] {
        seen = MainWindowWidget();
        ASSERT_NE(seen, nullptr);
        seen->menuBar()->findChild<QAction*>("FileQuit")->trigger();
    });
    EXPECT_EQ(code, 0);
    EXPECT_NE(seen, nullptr);
    EXPECT_FALSE(MainWndo::Exists());
    EXPECT_EQ(MainWindowWidget(), nullptr);
}

TEST(Startup, ClosingTheMainWindowEndsWithCodeZero) {
    EXPECT_EQ(RunAndThen([] { MainWindowWidget()->close(); }), 0);
}

TEST(Startup, QuitEndsTheLoopWhileATimerIsRunning) {
    tk::Timer timer;
    int ticks = 0;
    timer.Action = [&] { ++ticks; };
    timer.AttachPeer(std::make_unique<tk::qt::QtTimerPeer>(timer));
    timer.SetPeriod(5);
    timer.SetMode(tk::Timer::kMultiple);
    const int code = RunAndThen([] {
        QTimer::singleShot(100,
                           [] { MainWindowWidget()->menuBar()->findChild<QAction*>("FileQuit")->trigger(); });
    });
    EXPECT_EQ(code, 0);
    EXPECT_GT(ticks, 3);
}

TEST(Startup, MainWindowHasAFixedContentAreaAndNoMaximizeButton) {
    QSize content;
    QSize minimum;
    QSize maximum;
    Qt::WindowFlags flags;
    RunAndThen([&] {
        QMainWindow* main = MainWindowWidget();
        content = main->centralWidget()->size();
        minimum = main->minimumSize();
        maximum = main->maximumSize();
        flags = main->windowFlags();
        main->close();
    });
    EXPECT_EQ(content, QSize(850, 669));
    EXPECT_EQ(minimum, maximum);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
}

TEST(Startup, MainWindowEnablesOnlyWhatCanActNow) {
    std::map<QString, bool> enabled;
    RunAndThen([&] {
        QMainWindow* main = MainWindowWidget();
        for (QAction* menu : main->menuBar()->actions()) {
            emit menu->menu()->aboutToShow();
            for (QAction* item : menu->menu()->actions())
                if (!item->isSeparator())
                    enabled[item->objectName()] = item->isEnabled();
        }
        main->close();
    });
    EXPECT_TRUE(enabled["FileQuit"]);
    EXPECT_TRUE(enabled["HelpAbout"]) << "the main window handles it";
    for (const char* edit : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"})
        EXPECT_FALSE(enabled[edit]) << edit << ": no field has the focus";
}

TEST(Startup, MainWindowShowsTheMenuBarInItsOrder) {
    QStringList seen;
    RunAndThen([&] {
        for (QAction* menu : MainWindowWidget()->menuBar()->actions()) {
            seen << menu->text();
            for (QAction* item : menu->menu()->actions())
                seen << (item->isSeparator() ? QString("----")
                                             : item->text() + " " + item->shortcut().toString());
        }
        MainWindowWidget()->close();
    });
    EXPECT_EQ(seen, QStringList({"&File", "&Quit Ctrl+Q", "&Edit", "&Undo Ctrl+Z", "----", "Cu&t Ctrl+X",
                                 "&Copy Ctrl+C", "&Paste Ctrl+V", "&Delete ", "----", "Select &All Ctrl+A",
                                 "Help", "About Parvok… Ctrl+?"}));
}

} // namespace
