#include "mainwindow/main_wndo.h"

#include "app/about_wndo.h"
#include "app/commands.h"
#include "app/menu_bar1.h"
#include "app/shortcuts_wndo.h"
#include "mainwindow/packet_wndo.h"
#include "mainwindow/status_line.h"
#include "toolkit/application.h"
#include "toolkit/platform.h"
#include "toolkit/translation.h"

MainWndo::MainWndo()
    : Show(run_.ShowWeights()), Blanked(run_.Edited()), PsiReal(run_.Real()), PsiIm(run_.Imaginary()),
      PsiSqrd(run_.Density()), startCaption_(tk::Translate("MainWndo", "Start")),
      stopCaption_(tk::Translate("MainWndo", "Stop")) {
    followChanges_ = run_.Changed.Connect([this](run::Change change) { FollowChange(change); });
    followFrames_ = run_.FrameAdvanced.Connect([this] { ShowFrame(); });
}
// The application no longer reaches the commands of a window that is gone.
MainWndo::~MainWndo() {
    if (tk::Application* app = tk::Application::Current(); app && app->ForwardsMenuHandlersTo(&commands_))
        app->ForwardMenuHandlersTo(nullptr);
}

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
    return MenuItemNamed(command::kHelpMenu);
}
tk::MenuItem* MainWndo::HelpAbout() const {
    return MenuItemNamed(command::kHelpAbout);
}
tk::MenuItem* MainWndo::EditMenu() const {
    return MenuItemNamed(command::kEditMenu);
}
tk::MenuItem* MainWndo::EditSelectAll() const {
    return MenuItemNamed(command::kEditSelectAll);
}
tk::MenuItem* MainWndo::UntitledMenu0() const {
    return MenuItemNamed(command::kUntitledMenu0);
}
tk::MenuItem* MainWndo::EditClear() const {
    return MenuItemNamed(command::kEditClear);
}
tk::MenuItem* MainWndo::EditPaste() const {
    return MenuItemNamed(command::kEditPaste);
}
tk::MenuItem* MainWndo::EditCopy() const {
    return MenuItemNamed(command::kEditCopy);
}
tk::MenuItem* MainWndo::EditCut() const {
    return MenuItemNamed(command::kEditCut);
}
tk::MenuItem* MainWndo::UntitledMenu1() const {
    return MenuItemNamed(command::kUntitledMenu1);
}
tk::MenuItem* MainWndo::EditUndo() const {
    return MenuItemNamed(command::kEditUndo);
}
tk::MenuItem* MainWndo::FileMenu() const {
    return MenuItemNamed(command::kFileMenu);
}
tk::MenuItem* MainWndo::FileQuit() const {
    return MenuItemNamed(command::kFileQuit);
}

// Help and the time's commands act from every window: they are the window's commands, which the
// application reaches where the window in front does not handle an item. The export's stay here.
void MainWndo::AddMenuHandlers() {
    commands_.AddMenuHandler(command::kHelpAbout, [this] { return _HelpAbout_Action(); });
    commands_.AddMenuHandler(command::kHelpShortcuts, [] {
        ShortcutsWndo::Instance().Show();
        return true;
    });
    AddTimeHandlers();
    AddOptionHandlers();
    AddMeasureHandlers();
    AddLessonHandlers();
    if (tk::Application* app = tk::Application::Current())
        app->ForwardMenuHandlersTo(&commands_);
    AddExportHandlers();
}

// The selection starts as "Total", so every component is shown, and the state the fields hold is
// loaded as Normalize loads it, so that the plots and phasors show it from the first moment. The
// first magnitude takes the focus, its whole text selected as after Stop, so that typing goes
// there at once. The status line follows the window from now on. It takes the band of the content
// below the control group, 20 pixels across the whole width, so that the window, title bar and menu
// bar included, fits a screen of 720 lines.
void MainWndo::Event_Open() {
    ShowAll();
    DoNormalize();
    magnitudes_[0]->SetFocus();
    statusLine_ = std::make_unique<StatusLine>(run_, AddStatusBar({0, 649, 850, 20}));
}

// The session is written at once: a change of the last half second would wait for its timer.
void MainWndo::Event_Close() {
    WriteSession();
    tk::Quit(0);
}

bool MainWndo::_HelpAbout_Action() {
    // One About window: made and shown the first time, brought to the front after that.
    AboutWndo::Instance().Show();
    return false;
}
