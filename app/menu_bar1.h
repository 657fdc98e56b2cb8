#pragma once

#include "toolkit/menu_item.h"

#include <memory>
#include <string>

// The application's one menu bar: File, Edit and Help.
class MenuBar1 : public tk::MenuBar {
public:
    MenuBar1();

    // The shared instance, built on the first call and kept until Release.
    static MenuBar1& Instance();
    static void Release();
    static std::unique_ptr<MenuBar1> Make();

    void Untitled0();       // File
    void Untitled1();       // Edit
    void Untitled2();       // Help
    void ExportItems();     // File: the picture and the data out of the program, before Quit
    void CopyPictureItem(); // Edit: the picture onto the clipboard, after Select All

private:
    void AddMenu(const std::string& name, const std::string& caption);
    void AddItem(const std::string& menu, std::unique_ptr<tk::MenuItem> item, const std::string& name,
                 const std::string& caption, const std::string& shortcut);
    void AddSeparator(const std::string& menu, const std::string& name);
};
