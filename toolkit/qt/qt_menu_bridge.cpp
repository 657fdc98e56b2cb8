#include "toolkit/qt/qt_menu_bridge.h"

#include "toolkit/application.h"
#include "toolkit/menu_item.h"
#include "toolkit/platform.h"
#include "toolkit/qt/event_guard.h"
#include "toolkit/qt/qt_widget_peer.h"
#include "toolkit/qt/standard_editing.h"
#include "toolkit/window.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace tk::qt {

QKeySequence ShortcutOf(const std::string& text) {
    QString keys = QString::fromStdString(text);
    keys.replace(QLatin1String("Cmd"), QLatin1String("Ctrl"));
    return {keys};
}

namespace {

const tk::MenuHandlers::Handler* HandlerOf(const tk::MenuHandlers* owner, const std::string& name) {
    return owner ? owner->MenuHandler(name) : nullptr;
}

// The bridges of the windows there are.
std::vector<MenuBridge*>& Bridges() {
    static std::vector<MenuBridge*> bridges;
    return bridges;
}

} // namespace

MenuBridge::MenuBridge(const tk::MenuBar& bar, tk::Window& window, QMenuBar* qbar)
    : QObject(qbar), window_(window) {
    for (const auto& menu : bar.Children()) {
        QMenu* qmenu = qbar->addMenu(QString::fromStdString(menu->Caption()));
        qmenu->setObjectName(QString::fromStdString(menu->Name()));
        AddItems(*menu, qmenu);
        connect(qmenu, &QMenu::aboutToShow, this, [this] { UpdateEnabled(); });
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now != parent() && now->window() == Window())
            lastFocus_ = now;
        UpdateEnabled();
    });
    UpdateEnabled();
    Bridges().push_back(this);
}

MenuBridge::~MenuBridge() {
    std::erase(Bridges(), this);
}

void MenuBridge::UpdateAllEnabled() {
    for (MenuBridge* bridge : Bridges())
        bridge->UpdateEnabled();
}

QWidget* MenuBridge::Window() const {
    return static_cast<QWidget*>(parent())->window();
}

// The menu bar takes the focus while the keyboard opens its menus (Alt+E), and gives it back after.
QWidget* MenuBridge::Focus() const {
    QWidget* focus = QApplication::focusWidget();
    if (focus == parent())
        return lastFocus_;
    return focus && focus->window() == Window() ? focus : nullptr;
}

void MenuBridge::AddItems(const tk::MenuItem& menu, QMenu* qmenu) {
    for (const auto& item : menu.Children()) {
        if (item->ListKind() != tk::MenuItem::List::None) {
            AddList(*item, qmenu);
            continue;
        }
        if (item->IsSeparator()) {
            qmenu->addSeparator()->setObjectName(QString::fromStdString(item->Name()));
            continue;
        }
        QAction* action = qmenu->addAction(QString::fromStdString(item->Caption()));
        action->setObjectName(QString::fromStdString(item->Name()));
        QList<QKeySequence> keys{ShortcutOf(item->Shortcut())}; // the first is the one shown
        if (!item->AlternateShortcut().empty())
            keys << ShortcutOf(item->AlternateShortcut());
        action->setShortcuts(keys);
        Window()->addAction(action); // a hidden menu bar's actions take no keys
        action->setStatusTip(QString::fromStdString(item->Hint()));
        if (item->IsQuitItem())
            action->setMenuRole(QAction::QuitRole);
        action->setCheckable(item->Checkable());
        items_[action] = item.get();
        const tk::MenuItem* target = item.get();
        connect(action, &QAction::triggered, this, [this, target] { Guarded([&] { Trigger(*target); }); });
    }
}

void MenuBridge::AddList(const tk::MenuItem& item, QMenu* qmenu) {
    const tk::MenuItem* list = &item;
    if (item.ListKind() == tk::MenuItem::List::Submenu) {
        QMenu* submenu = qmenu->addMenu(QString::fromStdString(item.Caption()));
        submenu->menuAction()->setObjectName(QString::fromStdString(item.Name()));
        connect(submenu, &QMenu::aboutToShow, this,
                [this, list, submenu] { FillList(*list, submenu, nullptr); });
        connect(qmenu, &QMenu::aboutToShow, this, [this, list, submenu] {
            const auto* entries = ListOf(*list);
            submenu->setEnabled(entries && !entries->captions().empty());
        });
        return;
    }
    QAction* place = qmenu->addSeparator(); // hidden: the entries show in its place
    place->setObjectName(QString::fromStdString(item.Name()));
    place->setVisible(false);
    connect(qmenu, &QMenu::aboutToShow, this, [this, list, qmenu, place] { FillList(*list, qmenu, place); });
}

const tk::MenuHandlers::MenuList* MenuBridge::ListOf(const tk::MenuItem& item) const {
    for (const tk::MenuHandlers* owner :
         {static_cast<const tk::MenuHandlers*>(QtWidgetPeer::ControlOf(Focus())),
          static_cast<const tk::MenuHandlers*>(&window_),
          static_cast<const tk::MenuHandlers*>(tk::Application::Current())})
        if (owner)
            if (const auto* list = owner->FindMenuList(item.Name()))
                return list;
    return nullptr;
}

// An entry's caption is the user's text: an "&" in it is shown, not taken as a mnemonic.
void MenuBridge::FillList(const tk::MenuItem& item, QMenu* qmenu, QAction* before) {
    for (QAction* old : entries_[&item]) {
        qmenu->removeAction(old);
        old->deleteLater();
    }
    entries_[&item].clear();
    const tk::MenuHandlers::MenuList* list = ListOf(item);
    if (!list)
        return;
    const std::vector<std::string> captions = list->captions();
    const std::optional<std::size_t> checked = list->checked();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto* entry =
            new QAction(QString::fromStdString(captions[i]).replace('&', QStringLiteral("&&")), qmenu);
        entry->setCheckable(checked.has_value());
        entry->setChecked(checked == i);
        connect(entry, &QAction::triggered, this, [this, &item, i] {
            Guarded([&] {
                if (const auto* now = ListOf(item))
                    now->choose(i);
            });
        });
        qmenu->insertAction(before, entry);
        entries_[&item].push_back(entry);
    }
}

bool MenuBridge::CanHandle(const tk::MenuItem& item) const {
    if (item.IsQuitItem())
        return true;
    QWidget* focus = Focus();
    const std::string& name = item.Name();
    if (HandlerOf(QtWidgetPeer::ControlOf(focus), name))
        return true;
    if (auto command = EditCommandFor(name); command && CanEdit(focus, *command))
        return true;
    return HandlerOf(&window_, name) || HandlerOf(tk::Application::Current(), name);
}

void MenuBridge::Trigger(const tk::MenuItem& item) {
    const std::string& name = item.Name();
    QWidget* focus = Focus();
    if (const auto* handler = HandlerOf(QtWidgetPeer::ControlOf(focus), name)) {
        (*handler)();
    } else if (auto command = EditCommandFor(name); command && Edit(focus, *command)) {
    } else if (const auto* windowHandler = HandlerOf(&window_, name)) {
        (*windowHandler)();
    } else if (const auto* appHandler = HandlerOf(tk::Application::Current(), name)) {
        (*appHandler)();
    } else if (item.IsQuitItem()) {
        tk::Quit(0);
    }
}

std::optional<bool> MenuBridge::Checked(const tk::MenuItem& item) const {
    const std::string& name = item.Name();
    for (const tk::MenuHandlers* owner :
         {static_cast<const tk::MenuHandlers*>(QtWidgetPeer::ControlOf(Focus())),
          static_cast<const tk::MenuHandlers*>(&window_),
          static_cast<const tk::MenuHandlers*>(tk::Application::Current())})
        if (owner)
            if (std::optional<bool> checked = owner->MenuChecked(name))
                return checked;
    return std::nullopt;
}

void MenuBridge::UpdateEnabled() {
    for (auto& [action, item] : items_) {
        if (item->AutoEnable())
            action->setEnabled(CanHandle(*item));
        if (item->Checkable())
            action->setChecked(Checked(*item).value_or(false));
    }
}

} // namespace tk::qt
