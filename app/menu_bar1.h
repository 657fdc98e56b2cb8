#pragma once

#include "toolkit/menu_item.h"
#include "toolkit/shared_instance.h"

#include <memory>
#include <string>

// The application's one menu bar: File, Edit, View, Animation, Measure, States and Help. The application and
// its windows share one instance, built on the first call of Instance() and kept until Release().
class MenuBar1 : public tk::MenuBar, public tk::SharedInstance<MenuBar1> {
public:
    MenuBar1();

    void Untitled0();          // File
    void Untitled1();          // Edit
    void Untitled2();          // Help
    void View();               // the menu of the windows that show more of the state
    void BuildAnimationMenu(); // the run and the time: start, pause, step, go to an instant
    void BuildMeasureMenu();   // one measurement of the state, and the collapse it brings
    void BuildStatesMenu();    // ready-made initial states
    void AddShortcutsItem();   // Help > Keyboard Shortcuts
    void LessonItems();        // File: new, open, save a lesson, first
    void ExportItems();        // File: the picture and the data out of the program, before Quit
    void LessonStateItems();   // States: the lesson's states, and their order, names and the way through
    void CopyPictureItem();    // Edit: the picture onto the clipboard, after Select All
    // View: the item of a view, after those added before it; its caption in the context MenuBar1.
    void AddViewItem(const tk::ViewItem& item);

private:
    void AddMenu(const std::string& name, const std::string& caption);
    // A plain item; the other form takes an item of a kind of its own (Quit).
    void AddItem(const std::string& menu, const std::string& name, const std::string& caption,
                 const std::string& shortcut, const std::string& hint = "");
    void AddItem(const std::string& menu, std::unique_ptr<tk::MenuItem> item, const std::string& name,
                 const std::string& caption, const std::string& shortcut, const std::string& hint = "");
    void AddSeparator(const std::string& menu, const std::string& name);
    // An item that stands for a list of entries (tk::MenuItem::List).
    void AddList(const std::string& menu, const std::string& name, const std::string& caption,
                 tk::MenuItem::List kind);
};
