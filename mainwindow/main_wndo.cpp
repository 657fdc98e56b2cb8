#include "mainwindow/main_wndo.h"

#include "app/about_wndo.h"
#include "app/menu_bar1.h"
#include "app/shortcuts_wndo.h"
#include "mainwindow/status_line.h"
#include "toolkit/platform.h"
#include "toolkit/translation.h"

MainWndo::MainWndo()
    : Show(run_.ShowWeights()), Blanked(run_.Edited()), PsiReal(run_.Real()), PsiIm(run_.Imaginary()),
      PsiSqrd(run_.Density()), startCaption_(tk::Translate("MainWndo", "Start")),
      stopCaption_(tk::Translate("MainWndo", "Stop")) {
    followChanges_ = run_.Changed.Connect([this](run::Change change) { FollowChange(change); });
    followFrames_ = run_.FrameAdvanced.Connect([this] { ShowFrame(); });
}
MainWndo::~MainWndo() = default;

void MainWndo::Layout() {
    SetMenuBar(&MenuBar1::Instance());
    settings.title = "Parvok";
    settings.width = 850;
    settings.height = 669;
    settings.resizable = false;
    settings.minWidth = 64;
    settings.minHeight = 64;
    settings.maxWidth = 32000;
    settings.maxHeight = 32000;
    settings.closeButton = true;
    settings.minimizeButton = true;
    settings.maximizeButton = false;
    settings.fullScreen = false;
    settings.menuBarVisible = true;
    settings.backColor.reset(); // white is given in the design but the window keeps the default
    settings.frame = 0;
    settings.placement = 0;
    settings.visible = true;
}

tk::MenuItem* MainWndo::MenuItemNamed(const std::string& name) const {
    return MenuBar() ? MenuBar()->Find(name) : nullptr;
}

tk::MenuItem* MainWndo::HelpMenu() const {
    return MenuItemNamed("HelpMenu");
}
tk::MenuItem* MainWndo::HelpAbout() const {
    return MenuItemNamed("HelpAbout");
}
tk::MenuItem* MainWndo::EditMenu() const {
    return MenuItemNamed("EditMenu");
}
tk::MenuItem* MainWndo::EditSelectAll() const {
    return MenuItemNamed("EditSelectAll");
}
tk::MenuItem* MainWndo::UntitledMenu0() const {
    return MenuItemNamed("UntitledMenu0");
}
tk::MenuItem* MainWndo::EditClear() const {
    return MenuItemNamed("EditClear");
}
tk::MenuItem* MainWndo::EditPaste() const {
    return MenuItemNamed("EditPaste");
}
tk::MenuItem* MainWndo::EditCopy() const {
    return MenuItemNamed("EditCopy");
}
tk::MenuItem* MainWndo::EditCut() const {
    return MenuItemNamed("EditCut");
}
tk::MenuItem* MainWndo::UntitledMenu1() const {
    return MenuItemNamed("UntitledMenu1");
}
tk::MenuItem* MainWndo::EditUndo() const {
    return MenuItemNamed("EditUndo");
}
tk::MenuItem* MainWndo::FileMenu() const {
    return MenuItemNamed("FileMenu");
}
tk::MenuItem* MainWndo::FileQuit() const {
    return MenuItemNamed("FileQuit");
}

void MainWndo::AddMenuHandlers() {
    AddMenuHandler("HelpAbout", [this] { return _HelpAbout_Action(); });
    AddMenuHandler("HelpShortcuts", [] {
        ShortcutsWndo::Instance().Show();
        return true;
    });
    AddTimeHandlers();
    AddExportHandlers();
}

// The selection starts as "Total", so every component is shown. The first magnitude takes the
// focus, its whole text selected as after Stop, so that typing goes there at once. The status
// line follows the window from now on.
void MainWndo::Event_Open() {
    ShowAll();
    magnitudes_[0]->SetFocus();
    statusLine_ = std::make_unique<StatusLine>(run_, AddStatusBar());
}

void MainWndo::Event_Close() {
    tk::Quit(0);
}

bool MainWndo::_HelpAbout_Action() {
    // One About window: made and shown the first time, brought to the front after that.
    AboutWndo::Instance().Show();
    return false;
}
