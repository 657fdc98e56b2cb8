#pragma once

#include "toolkit/menu_handlers.h"
#include "toolkit/shared_instance.h"

// A view the application offers in the View menu, as start-up lists it: the item the view declares,
// the handler that opens its shared instance wherever the window in front does not handle the item,
// and the release of that instance at exit.
struct RegisteredView {
    tk::ViewItem item;
    void (*addMenuHandlerTo)(tk::MenuHandlers& owner);
    void (*release)();

    // The registration of View, a tk::SharedView.
    template <class View> static constexpr RegisteredView Of() {
        return {View::kMenuItem, &View::AddMenuHandlerTo, &View::Release};
    }
};
