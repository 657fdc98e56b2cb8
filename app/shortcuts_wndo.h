#pragma once

#include "toolkit/html_viewer.h"
#include "toolkit/menu_item.h"
#include "toolkit/shared_instance.h"
#include "toolkit/window.h"

#include <string>

// Help > Keyboard Shortcuts: every key of the program in a small window that Esc closes. The
// menus' shortcuts are read from the menu bar itself, so the list follows the menus; the keys of
// the controls and of the windows follow them. Its shared instance is made and shown on the first
// call of Instance().
class ShortcutsWndo : public tk::Window, public tk::SharedWindow<ShortcutsWndo> {
public:
    // The page: each menu's items that have shortcuts, with the keys as the menus show them, then
    // the keys of the controls and of the windows.
    static std::string Page(const tk::MenuBar& bar);

    void Layout() override;
    void CreateControls() override;

    tk::HTMLViewer* HTMLViewer1 = nullptr;
};
