#pragma once

#include "toolkit/menu_handlers.h"
#include <QKeySequence>

#include <QObject>
#include <QPointer>

#include <map>
#include <optional>
#include <string>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace tk {
class MenuItem;
class MenuBar;
class Window;
} // namespace tk

namespace tk::qt {

// A menu shortcut ("Cmd+Q") as a key sequence: "Cmd" names the platform's command key, which Qt
// calls Ctrl on every platform.
QKeySequence ShortcutOf(const std::string& text);

// Shows a tk::MenuBar as the QMenuBar of one window, and routes each command: first to a handler
// of the focused control, then to the standard editing of a focused text field, then to a handler
// of the window, then of the application. Items that nothing would handle are disabled, and a
// checkable item shows the check mark its handler's owner gives. The items'
// keys work in the window also while its menu bar is hidden (full screen).
class MenuBridge : public QObject {
public:
    MenuBridge(const tk::MenuBar& bar, tk::Window& window, QMenuBar* qbar);
    ~MenuBridge() override;

    // Enables each item that something can carry out now.
    void UpdateEnabled();
    // The same in every window's menus.
    static void UpdateAllEnabled();

private:
    void AddItems(const tk::MenuItem& menu, QMenu* qmenu);
    // An item that stands for a list: a submenu filled as it opens, or a place in the menu whose
    // entries go before it as the menu opens.
    void AddList(const tk::MenuItem& item, QMenu* qmenu);
    void FillList(const tk::MenuItem& item, QMenu* qmenu, QAction* before);
    // The list of the item as the first of the focused control, the window and the application
    // that has one gives it; null for none.
    const tk::MenuHandlers::MenuList* ListOf(const tk::MenuItem& item) const;
    void Trigger(const tk::MenuItem& item);
    bool CanHandle(const tk::MenuItem& item) const;
    // The check mark of a checkable item, as the first of the focused control, the window and the
    // application that knows it says.
    std::optional<bool> Checked(const tk::MenuItem& item) const;
    QWidget* Window() const;
    // The widget of the window that has the focus, which the commands act on; null for none.
    QWidget* Focus() const;

    tk::Window& window_;
    QPointer<QWidget> lastFocus_; // the last that had it besides the menu bar
    std::map<QAction*, const tk::MenuItem*> items_;
    // The entries each list put in its menu last.
    std::map<const tk::MenuItem*, QList<QAction*>> entries_;
};

} // namespace tk::qt
