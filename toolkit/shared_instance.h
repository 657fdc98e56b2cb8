#pragma once

#include "toolkit/menu_handlers.h"

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

// The menu item that opens a view, as the view declares it: the item's name, its caption (marked
// with Translatable, to be looked up where the menu is built) and its shortcut.
struct ViewItem {
    const char* name;
    const char* caption;
    const char* shortcut;
};

// The shared instance of a window W that shows what the shared instance of a window Source shows
// (a view of the main window): made over it and opened on first use. W declares its menu item as
// `static constexpr ViewItem kMenuItem`.
template <class W, class Source> class SharedView : public SharedInstance<W> {
public:
    static std::unique_ptr<W> Make() {
        auto window = std::make_unique<W>(Source::Instance());
        window->Open();
        return window;
    }
    // Shows the shared window and brings it to the front. One the user closed has let its pictures
    // go: a new one takes its place.
    static void ShowShared() {
        if (SharedInstance<W>::Exists() && !SharedInstance<W>::Instance().IsOpen())
            SharedInstance<W>::Release();
        SharedInstance<W>::Instance().Show();
    }
    // Lets W's menu item show it wherever `owner` (a window, the application) handles menus.
    static void AddMenuHandlerTo(MenuHandlers& owner) {
        owner.AddMenuHandler(W::kMenuItem.name, [] {
            ShowShared();
            return true;
        });
    }
};

} // namespace tk
