#pragma once

#include "toolkit/platform.h"

#include <functional>

// What start-up needs of the main window, which lives above this library.
struct MainWindowHooks {
    std::function<void()> open;    // makes and shows the main window
    std::function<void()> release; // drops the shared windows
};

// Makes the application object with its menu bar, opens the main window, runs the event loop
// until the user quits, then releases everything: the About text, the windows, the menu bar.
// Returns the exit code. The platform stays installed: it belongs to the caller.
int RunApplication(tk::Platform& platform, const MainWindowHooks& mainWindow);
