#pragma once

#include <memory>
#include <string>
#include <vector>

namespace tk {

// A menu or menu item. The caption marks its mnemonic with "&"; a caption of "-" is a separator.
// Shortcuts are written as "Cmd+Q", where Cmd is the platform's command key.
class MenuItem {
public:
    MenuItem() = default;
    virtual ~MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    const std::string& Shortcut() const { return shortcut_; }
    void SetShortcut(std::string shortcut) { shortcut_ = std::move(shortcut); }
    // A second key that chooses the item, not shown in the menu (the help key, say); empty for none.
    const std::string& AlternateShortcut() const { return alternateShortcut_; }
    void SetAlternateShortcut(std::string shortcut) { alternateShortcut_ = std::move(shortcut); }
    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool on) { autoEnable_ = on; }
    // A line that says what the item does, shown in the window's status bar while the pointer is
    // on the item; none when empty.
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint) { hint_ = std::move(hint); }

    // An item with a check mark, which its handler's owner says is on or off (MenuHandlers).
    bool Checkable() const { return checkable_; }
    void SetCheckable(bool on) { checkable_ = on; }

    bool IsSeparator() const { return caption_ == "-"; }
    // An item that stands for a list of entries, which the owner of its handlers gives each time
    // its menu opens (MenuHandlers::SetMenuList): in the menu in its place, or in a submenu under
    // its caption.
    enum class List { None, InPlace, Submenu };
    List ListKind() const { return list_; }
    void SetListKind(List list) { list_ = list; }
    virtual bool IsQuitItem() const { return false; }

    void Append(std::unique_ptr<MenuItem> item) { children_.push_back(std::move(item)); }
    const std::vector<std::unique_ptr<MenuItem>>& Children() const { return children_; }
    // The child with this name, or null.
    MenuItem* Child(const std::string& name) const;

private:
    std::string name_;
    std::string caption_;
    std::string shortcut_;
    std::string alternateShortcut_;
    bool autoEnable_ = false;
    std::string hint_;
    bool checkable_ = false;
    List list_ = List::None;
    std::vector<std::unique_ptr<MenuItem>> children_;
};

// The item that quits the application.
class QuitMenuItem : public MenuItem {
public:
    bool IsQuitItem() const override { return true; }
};

// A menu bar is the root menu: its children are the menus.
class MenuBar : public MenuItem {
public:
    // Finds an item by name at any depth, or null.
    MenuItem* Find(const std::string& name) const;
};

} // namespace tk
