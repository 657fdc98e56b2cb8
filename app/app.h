#pragma once

#include "app/registered_view.h"
#include "toolkit/application.h"

#include <span>

// The application object: the shared menu bar, and the menu items that act from every window. The
// views add their items to the View menu and handle them here; the main window lets the application
// reach its commands of the run and of Help (MainWndo::AddMenuHandlers).
class App : public tk::Application {
public:
    // `views`, in the order of the View menu, must outlive the application.
    explicit App(std::span<const RegisteredView> views);

    // Releases the views' shared instances, at exit before the window they show goes.
    void ReleaseViews() const;

private:
    std::span<const RegisteredView> views_;
};
