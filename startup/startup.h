#pragma once

#include "toolkit/platform.h"

#include <string>

// Makes the application object with its menu bar, lets View › Presentation open the presentation
// view, opens the main window, runs the event loop until the user quits, then releases everything:
// the views, the About text, the windows, the menu bar.
// The main window takes up the session kept in the platform's state folder, then opens the lesson
// file `lesson` where one is given. Returns the exit code. The platform stays installed: it belongs
// to the caller.
int RunApplication(tk::Platform& platform, const std::string& lesson = {});
