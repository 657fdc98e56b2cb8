#pragma once

#include "app/startup.h"

// The windows the program opens at start-up and releases when it ends: the main window, and the
// Observables window that View > Observables opens. The application handles that item, so it works
// from every window; it does so before the main window's menus first ask what is enabled.
MainWindowHooks ProgramWindows();
