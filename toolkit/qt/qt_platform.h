#pragma once

// The entry to the Qt implementation of the toolkit. No Qt types cross this header.

#include "toolkit/platform.h"

#include <memory>
#include <string>

namespace tk::qt {

// What the desktop knows the application by. Empty fields leave Qt's defaults.
struct AppIdentity {
    std::string name;            // in the task bar and after each window title
    std::string desktopFileName; // the desktop entry's name without ".desktop", for grouping
    std::string iconFolder;      // a Qt resource folder with the icon as one image per size
};

// Whether a window can be shown: a display is named, or a platform plugin was chosen explicitly.
bool DisplayAvailable();

// Starts Qt for this process. Only one may exist at a time; it must outlive every window.
std::unique_ptr<tk::Platform> MakeQtPlatform(int& argc, char** argv, const AppIdentity& identity = {});

} // namespace tk::qt
