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
    // The handler of the item here, or else where items are forwarded; null when neither has one.
    const Handler* MenuHandler(const std::string& itemName) const {
        auto it = handlers_.find(itemName);
        if (it != handlers_.end())
            return &it->second;
        return forwardedTo_ ? forwardedTo_->MenuHandler(itemName) : nullptr;
    }
    std::size_t MenuHandlerCount() const { return handlers_.size(); }
    // Items without a handler here are handled by `other` (a view's by the window it shows), which
    // must outlive this object or be replaced first; null forwards nothing.
    void ForwardMenuHandlersTo(const MenuHandlers* other) { forwardedTo_ = other; }

private:
    std::map<std::string, Handler> handlers_;
    const MenuHandlers* forwardedTo_ = nullptr;
};

} // namespace tk
