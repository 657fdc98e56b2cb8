#pragma once

#include <functional>
#include <map>
#include <string>

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
    // The handler of the item, or null when there is none or its condition does not hold now.
    const Handler* MenuHandler(const std::string& itemName) const {
        auto it = handlers_.find(itemName);
        if (it == handlers_.end() || (it->second.enabledWhen && !it->second.enabledWhen()))
            return nullptr;
        return &it->second.handler;
    }
    std::size_t MenuHandlerCount() const { return handlers_.size(); }

private:
    struct Registered {
        Handler handler;
        Condition enabledWhen;
    };
    std::map<std::string, Registered> handlers_;
};

} // namespace tk
