#include "app/menu_bar1.h"

#include "toolkit/exceptions.h"

namespace {

// What every menu, item and separator is given first, in this order: its name, AutoEnable and its
// caption.
std::unique_ptr<tk::MenuItem> Described(std::unique_ptr<tk::MenuItem> item, const std::string& name,
                                        const std::string& caption) {
    item->SetName(name);
    item->SetAutoEnable(true);
    item->SetCaption(caption);
    return item;
}

tk::MenuItem& MenuNamed(const tk::MenuBar& bar, const std::string& name) {
    tk::MenuItem* menu = bar.Child(name);
    if (!menu)
        throw tk::NilObjectException("no menu " + name);
    return *menu;
}

} // namespace

MenuBar1::MenuBar1() {
    Untitled0();
    Untitled1();
    View();
    Untitled2();
}

void MenuBar1::Untitled0() {
    AddMenu("FileMenu", "&File");
    AddItem("FileMenu", std::make_unique<tk::QuitMenuItem>(), "FileQuit", "&Quit", "Cmd+Q");
}

void MenuBar1::Untitled1() {
    AddMenu("EditMenu", "&Edit");
    AddItem("EditMenu", std::make_unique<tk::MenuItem>(), "EditUndo", "&Undo", "Cmd+Z");
    AddSeparator("EditMenu", "UntitledMenu1");
    AddItem("EditMenu", std::make_unique<tk::MenuItem>(), "EditCut", "Cu&t", "Cmd+X");
    AddItem("EditMenu", std::make_unique<tk::MenuItem>(), "EditCopy", "&Copy", "Cmd+C");
    AddItem("EditMenu", std::make_unique<tk::MenuItem>(), "EditPaste", "&Paste", "Cmd+V");
    AddItem("EditMenu", std::make_unique<tk::MenuItem>(), "EditClear", "&Delete", "");
    AddSeparator("EditMenu", "UntitledMenu0");
    AddItem("EditMenu", std::make_unique<tk::MenuItem>(), "EditSelectAll", "Select &All", "Cmd+A");
}

void MenuBar1::View() {
    AddMenu("ViewMenu", "&View");
    AddItem("ViewMenu", std::make_unique<tk::MenuItem>(), "ViewPresentation", "&Presentation", "F11");
}

void MenuBar1::Untitled2() {
    AddMenu("HelpMenu", "Help");
    AddItem("HelpMenu", std::make_unique<tk::MenuItem>(), "HelpAbout", "About Parvok…", "Cmd+?");
    Find("HelpAbout")->SetAlternateShortcut("F1"); // the help key of most desktops
}

void MenuBar1::AddMenu(const std::string& name, const std::string& caption) {
    auto menu = Described(std::make_unique<tk::MenuItem>(), name, caption);
    menu->SetShortcut("");
    Append(std::move(menu));
}

void MenuBar1::AddItem(const std::string& menu, std::unique_ptr<tk::MenuItem> item, const std::string& name,
                       const std::string& caption, const std::string& shortcut) {
    item = Described(std::move(item), name, caption);
    item->SetShortcut(shortcut);
    MenuNamed(*this, menu).Append(std::move(item));
}

// Separators get a name and a caption only.
void MenuBar1::AddSeparator(const std::string& menu, const std::string& name) {
    MenuNamed(*this, menu).Append(Described(std::make_unique<tk::MenuItem>(), name, "-"));
}
