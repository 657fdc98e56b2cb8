#pragma once

#include <memory>

namespace tk {

// The one shared instance of a class T that derives from SharedInstance<T>: made by T::Make on
// first use, kept until Release.
template <class T> class SharedInstance {
public:
    // The instance, made on the first call.
    static T& Instance() {
        if (!Slot())
            Slot() = T::Make();
        return *Slot();
    }
    static bool Exists() { return Slot() != nullptr; }
    static void Release() { Slot().reset(); }
    // Makes the instance; a class hides it to make its instance otherwise.
    static std::unique_ptr<T> Make() { return std::make_unique<T>(); }

private:
    static std::unique_ptr<T>& Slot() {
        static std::unique_ptr<T> object;
        return object;
    }
};

// A window's shared instance is opened as soon as it is made: it builds its controls and shows.
template <class W> class SharedWindow : public SharedInstance<W> {
public:
    static std::unique_ptr<W> Make() {
        auto window = std::make_unique<W>();
        window->Open();
        return window;
    }
};

} // namespace tk
