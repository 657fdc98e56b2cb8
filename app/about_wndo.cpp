#include "app/about_wndo.h"

#include "app/about_parvok.h"
#include "app/commands.h"
#include "toolkit/exceptions.h"
#include "toolkit/translation.h"

#include <iostream>
#include <utility>

// No menu bar of its own: the window shows the application's.
void AboutWndo::Layout() {
    settings.title = tk::Translate("AboutWndo", "About Parvok");
    settings.width = 678;
    settings.height = 602;
    settings.resizable = true;
    settings.minWidth = 64;
    settings.minHeight = 64;
    settings.maxWidth = 32000;
    settings.maxHeight = 32000;
    settings.liveResize = false;
    settings.closeButton = true;
    settings.minimizeButton = true;
    settings.maximizeButton = true;
    settings.fullScreen = false;
    settings.menuBarVisible = true;
    settings.closeKeys = true;
    settings.composite = true;
    settings.backColor.reset();
    settings.frame = 0;
    settings.placement = 0;
    settings.visible = true;
}

void AboutWndo::CreateControls() {
    _CreateControls0();
}

// The viewer keeps its margins to all four edges as the window is resized. The editing commands
// are its own, so they reach it whenever it has the focus; Undo has nothing to undo on a page.
void AboutWndo::_CreateControls0() {
    tk::HTMLViewer& viewer = AddControl("HTMLViewer1", std::make_unique<tk::HTMLViewer>());
    HTMLViewer1 = &viewer;
    viewer.SetBounds(20, 14, 638, 568);
    viewer.SetLockedEdges({true, true, true, true});
    using Command = void (tk::HTMLViewer::*)();
    const std::pair<const char*, Command> commands[] = {
        {command::kEditCopy, &tk::HTMLViewer::Copy},           {command::kEditPaste, &tk::HTMLViewer::Paste},
        {command::kEditSelectAll, &tk::HTMLViewer::SelectAll}, {command::kEditCut, &tk::HTMLViewer::Cut},
        {command::kEditClear, &tk::HTMLViewer::Clear},
    };
    for (const auto& [item, command] : commands)
        viewer.AddMenuHandler(item, [&viewer, command = command] {
            (viewer.*command)();
            return true;
        });
}

void AboutWndo::AddMenuHandlers() {}

// Without a resource store the page stays empty and the failure is only reported: raised from here
// it would leave Open() before it shows the window. The text stays unread, so a later opening tries
// again.
void AboutWndo::Event_Open() {
    try {
        HTMLViewer1->LoadPage(AboutParvok::AboutParvok(), "");
    } catch (const tk::NilObjectException& failure) {
        std::cerr << "parvok: the About page could not be read: " << failure.what() << '\n';
    }
}
