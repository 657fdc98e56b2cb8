// The program through Qt (offscreen), driven from inside its event loop, with the About page compiled in.

#include "app/about_parvok.h"
#include "app/about_wndo.h"
#include "app/commands.h"
#include "app/menu_bar1.h"
#include "mainwindow/main_wndo.h"
#include "observables/observables_wndo.h"
#include "presentation/presentation_wndo.h"
#include "startup/startup.h"
#include "toolkit/shared_instance.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// The visible window of this title, or null.
QMainWindow* Shown(const QString& title) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<QMainWindow*>(w);
            window && window->windowTitle() == title && window->isVisible())
            return window;
    return nullptr;
}
void Trigger(const char* item) {
    Shown("Parvok")->menuBar()->findChild<QAction*>(item)->trigger();
}

// What keeps a window's page from being read whole: the window off the screen, or scrolling though
// the screen has room; frame marks (U+FDD0, U+FDD1) in the text a screen reader hears.
QStringList PageFaults(const QMainWindow& window, QTextBrowser& page) {
    QStringList faults;
    const QRect screen = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    if (!screen.contains(frame) ||
        (page.verticalScrollBar()->maximum() > 0 && frame.height() < screen.height()))
        faults << "the whole page, or a window as tall as the screen";
    QAccessibleTextInterface* read = QAccessible::queryAccessibleInterface(&page)->textInterface();
    const QString heard = read->text(0, read->characterCount());
    if (!heard.contains("Tab, Shift+Tab") || heard.contains(QChar(0xFDD0)) || heard.contains(QChar(0xFDD1)))
        faults << "the page as plain text to a screen reader";
    return faults;
}

// Runs the application, doing `act` once the main window is up; a watchdog ends a run that hangs.
int RunAndThen(const std::function<void()>& act) {
    QTimer::singleShot(50, act);
    QTimer::singleShot(10'000, [] { QApplication::exit(99); });
    return RunApplication(tk::ThePlatform());
}

// An option's item shows its check mark as the run has the option, from the presentation view's
// menus as from the main window's.
TEST(Startup, OptionItemsShowTheirCheckMarksInEveryWindow) {
    std::vector<bool> checked;
    RunAndThen([&] {
        const auto read = [&](const QString& title) {
            auto* view = Shown(title)->menuBar()->findChild<QMenu*>(command::kViewMenu);
            emit view->aboutToShow();
            const QAction* scale = view->findChild<QAction*>(command::kViewPhysicalScale);
            checked.push_back(scale->isCheckable() && scale->isChecked());
            checked.push_back(MainWndo::Instance().Model().PhysicalScale());
        };
        read("Parvok");
        Trigger(command::kViewPhysicalScale);
        read("Parvok");
        Trigger(PresentationWndo::kMenuItem.name);
        read("Presentation");
        Trigger(command::kViewPhysicalScale);
        Shown("Parvok")->close();
    });
    EXPECT_EQ(checked, std::vector<bool>({false, false, true, true, true, true}));
}

// Help > Keyboard Shortcuts lists the keys of every menu item as the menus show them, and the
// controls' keys, to assistive technology too, as plain text. It opens as tall as its page, within
// the screen.
TEST(Startup, TheKeyboardShortcutsWindowListsEveryKey) {
    QStringList missing;
    RunAndThen([&] {
        Trigger("HelpShortcuts");
        QMainWindow& window = *Shown("Keyboard Shortcuts");
        QTextBrowser& page = *window.findChild<QTextBrowser*>();
        const QString text = page.toPlainText();
        missing << PageFaults(window, page);
        for (QAction* menu : Shown("Parvok")->menuBar()->actions())
            for (QAction* item : menu->menu()->actions()) {
                QStringList keys;
                for (const QKeySequence& key : item->shortcuts())
                    if (!key.isEmpty())
                        keys << key.toString(QKeySequence::NativeText);
                const QString row = keys.join(", ") + " — " + menu->text() + " › " + item->text();
                if (!keys.isEmpty() && !text.contains(QString(row).remove('&')))
                    missing << row;
            }
        if (!text.contains("Tab, Shift+Tab") || page.accessibleName() != "Keyboard shortcuts")
            missing << "the controls' keys, or the accessible name";
        QApplication::exit(0);
    });
    EXPECT_TRUE(missing.empty()) << missing.join("; ").toStdString();
}

// Esc, Ctrl+W and its own menu key close the Observables window, wherever its focus is.
TEST(Startup, TheObservablesWindowClosesByItsKeys) {
    QStringList open;
    RunAndThen([&] {
        for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W),
                                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)}) {
            Trigger("ViewObservables");
            QMainWindow* shown = Shown("Observables");
            QApplication::setActiveWindow(shown);
            shown->findChild<QAbstractScrollArea*>()->setFocus(); // the table
            QTest::keySequence(shown, keys);
            QApplication::processEvents();
            if (Shown("Observables"))
                open << keys.toString();
        }
        QApplication::exit(0);
    });
    EXPECT_EQ(open.join(", ").toStdString(), "") << "still open after these keys";
}

// With the Observables window in front, the application's items are on and its keys act, and so
// are the export's, which take its own picture there.
TEST(Startup, TheApplicationsCommandsActFromTheObservablesWindow) {
    QStringList seen;
    RunAndThen([&] {
        Trigger(ObservablesWndo::kMenuItem.name);
        QMainWindow& front = *Shown("Observables");
        QApplication::setActiveWindow(&front);
        QApplication::processEvents();
        for (const char* item :
             {command::kAnimationStartStop, command::kStatesCat, PresentationWndo::kMenuItem.name,
              command::kHelpShortcuts, command::kFileExportPicture, command::kEditCopyPicture})
            seen << QString(item) +
                        (front.menuBar()->findChild<QAction*>(item)->isEnabled() ? " on" : " off");
        // Pause follows the run the window started: its item is on by the time the key comes.
        QTest::keyClick(&front, Qt::Key_R, Qt::ControlModifier);
        QTest::keyClick(&front, Qt::Key_Space, Qt::ControlModifier);
        QTest::keyClick(&front, Qt::Key_F1);
        seen << (MainWndo::Instance().Model().State() == run::RunState::Paused ? "paused" : "not paused")
             << (Shown("About Parvok") ? "About" : "no About");
        QApplication::exit(0);
    });
    EXPECT_EQ(seen.join(", ").toStdString(),
              "AnimationStartStop on, StatesCat on, ViewPresentation on, HelpShortcuts on, "
              "FileExportPicture on, EditCopyPicture on, paused, About");
}

// Asked for twice, by F1 and by the menu, the About window is made once. With the page focused its
// own editing items are on, Undo and the picture's and data's items off, as nothing handles them
// there. At the loop's end the windows, the About text and the menu bar are released. (Copying the
// page, closing it by its keys, and quitting with code 0 are the end-to-end run's.)
TEST(Startup, TheAboutWindowFromOpeningTwiceToTheEnd) {
    int aboutWindows = 0;
    RunAndThen([&] {
        QMainWindow& main = *Shown("Parvok");
        QApplication::setActiveWindow(&main);
        QTest::keyClick(&main, Qt::Key_F1);
        Trigger("HelpAbout");
        for (QWidget* w : QApplication::topLevelWidgets())
            aboutWindows += w->windowTitle() == "About Parvok" && w->isVisible();
        QMainWindow& about = *Shown("About Parvok");
        const auto item = [&about](const char* name) { return about.menuBar()->findChild<QAction*>(name); };
        QApplication::setActiveWindow(&about);
        about.findChild<QTextBrowser*>()->setFocus();
        QApplication::processEvents();
        emit about.menuBar()->findChild<QMenu*>("EditMenu")->aboutToShow();
        for (const char* off :
             {"EditUndo", "FileExportPicture", "FileExportData", "FilePrint", "EditCopyPicture"})
            EXPECT_FALSE(item(off)->isEnabled()) << off;
        for (const char* on : {"EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"})
            EXPECT_TRUE(item(on)->isEnabled()) << on;
        QApplication::exit(0);
    });
    EXPECT_EQ(aboutWindows, 1);
    EXPECT_FALSE(AboutWndo::Exists() || MainWndo::Exists());
    EXPECT_FALSE(AboutParvok::loaded);
    EXPECT_FALSE(tk::SharedInstance<MenuBar1>::Exists());
}

} // namespace
