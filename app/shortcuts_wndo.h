#pragma once

#include "toolkit/html_viewer.h"
#include "toolkit/menu_item.h"
#include "toolkit/window.h"

#include <memory>
#include <string>

// Help > Keyboard Shortcuts: every key of the program in a small window that Escape closes. The
// menus' shortcuts are read from the menu bar itself, so the list follows the menus; the keys of
// the main window's controls follow them.
class ShortcutsWndo : public tk::Window {
public:
    // The shared instance, made and shown on the first call.
    static ShortcutsWndo& Instance();
    static bool Exists();
    static void Release();
    static std::unique_ptr<ShortcutsWndo> Make();

    // The page: each menu's items that have a shortcut, as the menus show the keys, then the
    // controls' keys.
    static std::string Page(const tk::MenuBar& bar);

    void Layout() override;
    void CreateControls() override;
    void Event_Open() override;

    tk::HTMLViewer* HTMLViewer1 = nullptr;
};
