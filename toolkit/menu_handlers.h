#pragma once

#include <functional>
#include <map>
#include <string>

namespace tk {

// Menu handlers registered on a window or control, found by menu item name.
class MenuHandlers {
public:
    using Handler = std::function<bool()>;

    void AddMenuHandler(const std::string& itemName, Handler handler) {
        handlers_[itemName] = std::move(handler);
    }
    const Handler* MenuHandler(const std::string& itemName) const {
        auto it = handlers_.find(itemName);
        return it == handlers_.end() ? nullptr : &it->second;
    }
    std::size_t MenuHandlerCount() const { return handlers_.size(); }

private:
    std::map<std::string, Handler> handlers_;
};

} // namespace tk
