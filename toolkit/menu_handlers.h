#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tk {

// Menu handlers registered on a window or control, found by menu item name. A handler may come
// with a condition: while it does not hold, the handler is as good as absent, so the item it
// handles is disabled (where nothing else handles it) and its shortcut does nothing.
class MenuHandlers {
public:
    using Handler = std::function<bool()>;
    using Condition = std::function<bool()>;

    void AddMenuHandler(const std::string& itemName, Handler handler, Condition enabledWhen = nullptr) {
        handlers_[itemName] = {std::move(handler), std::move(enabledWhen)};
    }
    // The handler of the item, or null when there is none or its condition does not hold now; an item
    // without a handler here is looked up where items are forwarded.
    const Handler* MenuHandler(const std::string& itemName) const {
        auto it = handlers_.find(itemName);
        if (it == handlers_.end())
            return forwardedTo_ ? forwardedTo_->MenuHandler(itemName) : nullptr;
        if (it->second.enabledWhen && !it->second.enabledWhen())
            return nullptr;
        return &it->second.handler;
    }
    // Whether a checkable item shows its check mark, asked each time its menu opens; nullopt where
    // nothing here or where items are forwarded says.
    void SetMenuCheck(const std::string& itemName, Condition isChecked) {
        checks_[itemName] = std::move(isChecked);
    }
    std::optional<bool> MenuChecked(const std::string& itemName) const {
        auto it = checks_.find(itemName);
        if (it != checks_.end())
            return it->second();
        return forwardedTo_ ? forwardedTo_->MenuChecked(itemName) : std::nullopt;
    }
    // The entries of an item that stands for a list (MenuItem::ListKind): their captions as they
    // read now, without mnemonics, what choosing the entry at an index does, and which entry shows
    // a check mark, if any.
    struct MenuList {
        std::function<std::vector<std::string>()> captions;
        std::function<void(std::size_t)> choose;
        std::function<std::optional<std::size_t>()> checked = [] { return std::nullopt; };
    };
    void SetMenuList(const std::string& itemName, MenuList list) { lists_[itemName] = std::move(list); }
    // The list of the item here, or where items are forwarded; null where none is.
    const MenuList* FindMenuList(const std::string& itemName) const {
        auto it = lists_.find(itemName);
        if (it != lists_.end())
            return &it->second;
        return forwardedTo_ ? forwardedTo_->FindMenuList(itemName) : nullptr;
    }

    std::size_t MenuHandlerCount() const { return handlers_.size(); }
    // Items without a handler here are handled by `other` (a view's by the window it shows), which
    // must outlive this object or be replaced first; null forwards nothing.
    void ForwardMenuHandlersTo(const MenuHandlers* other) { forwardedTo_ = other; }
    bool ForwardsMenuHandlersTo(const MenuHandlers* other) const { return forwardedTo_ == other; }

private:
    struct Registered {
        Handler handler;
        Condition enabledWhen;
    };
    std::map<std::string, Registered> handlers_;
    std::map<std::string, Condition> checks_;
    std::map<std::string, MenuList> lists_;
    const MenuHandlers* forwardedTo_ = nullptr;
};

} // namespace tk
