#pragma once

#include "toolkit/menu_item.h"

#include <memory>
#include <string>

// The application's one menu bar: File, Edit, Animation, States and Help.
class MenuBar1 : public tk::MenuBar {
public:
    MenuBar1();

    // The shared instance, built on the first call and kept until Release.
    static MenuBar1& Instance();
    static void Release();
    static std::unique_ptr<MenuBar1> Make();

    void Untitled0();          // File
    void Untitled1();          // Edit
    void Untitled2();          // Help
    void BuildAnimationMenu(); // the run and the time: start, pause, step, go to an instant
    void BuildStatesMenu();    // ready-made initial states
    void AddShortcutsItem();   // Help > Keyboard Shortcuts

private:
    void AddMenu(const std::string& name, const std::string& caption);
    void AddItem(const std::string& menu, std::unique_ptr<tk::MenuItem> item, const std::string& name,
                 const std::string& caption, const std::string& shortcut, const std::string& hint = "");
    void AddSeparator(const std::string& menu, const std::string& name);
};
