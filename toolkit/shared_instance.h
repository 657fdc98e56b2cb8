#pragma once

#include <memory>

namespace tk {

// The one shared instance of a class, made on first use and released on request.
// `T::Make` builds it; windows use it to run Open() after construction.
template <class T> class SharedInstance {
public:
    static T& Get() {
        if (!instance())
            instance() = T::Make();
        return *instance();
    }
    static bool Exists() { return instance() != nullptr; }
    static void Release() { instance().reset(); }

private:
    static std::unique_ptr<T>& instance() {
        static std::unique_ptr<T> object;
        return object;
    }
};

} // namespace tk
