#pragma once

#include <functional>
#include <list>
#include <memory>
#include <utility>

namespace tk {

// Ends a subscription to a Signal when it goes (or on Disconnect). Outliving the signal is safe.
class Connection {
public:
    Connection() = default;
    explicit Connection(std::function<void()> disconnect) : disconnect_(std::move(disconnect)) {}
    ~Connection() { Disconnect(); }
    Connection(Connection&& other) noexcept : disconnect_(std::exchange(other.disconnect_, nullptr)) {}
    Connection& operator=(Connection&& other) noexcept {
        if (this != &other) {
            Disconnect();
            disconnect_ = std::exchange(other.disconnect_, nullptr);
        }
        return *this;
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void Disconnect() {
        if (auto disconnect = std::exchange(disconnect_, nullptr))
            disconnect();
    }

private:
    std::function<void()> disconnect_;
};

// An event that any number of subscribers follow, where a control's own events (its
// std::function members) have one handler each. Emitting calls the subscribers in the order they
// connected. A subscriber may disconnect itself or others while the signal is being emitted; one
// connected meanwhile is first called at the next emission. Emitting allocates nothing.
template <class... Args> class Signal {
public:
    Signal() = default;
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;

    // Subscribes; the subscription lasts as long as the returned connection. A const signal takes
    // subscribers too: following an object changes nothing in it.
    [[nodiscard]] Connection Connect(std::function<void(Args...)> slot) const {
        auto it = core_->subscribers.insert(core_->subscribers.end(), Slot{std::move(slot), true});
        return Connection([weak = std::weak_ptr<Core>(core_), it] {
            if (auto core = weak.lock())
                core->Remove(it);
        });
    }

    void Emit(Args... args) const {
        Core& core = *core_;
        if (core.subscribers.empty())
            return;
        ++core.emitting;
        const auto last = std::prev(core.subscribers.end());
        for (auto it = core.subscribers.begin();; ++it) {
            if (it->live)
                it->call(args...);
            if (it == last)
                break;
        }
        if (--core.emitting == 0)
            core.subscribers.remove_if([](const Slot& slot) { return !slot.live; });
    }

    std::size_t SubscriberCount() const {
        std::size_t count = 0;
        for (const Slot& slot : core_->subscribers)
            count += slot.live;
        return count;
    }

private:
    struct Slot {
        std::function<void(Args...)> call;
        bool live;
    };
    struct Core {
        std::list<Slot> subscribers;
        int emitting = 0;
        void Remove(typename std::list<Slot>::iterator it) {
            if (emitting > 0)
                it->live = false; // erased once the emission is over
            else
                subscribers.erase(it);
        }
    };
    std::shared_ptr<Core> core_ = std::make_shared<Core>();
};

} // namespace tk
