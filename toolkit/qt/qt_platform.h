#pragma once

// The entry to the Qt implementation of the toolkit. No Qt types cross this header.

#include "toolkit/platform.h"

#include <memory>

namespace tk::qt {

// Whether a window can be shown: a display is named, or a platform plugin was chosen explicitly.
bool DisplayAvailable();

// Starts Qt for this process. Only one may exist at a time; it must outlive every window.
std::unique_ptr<tk::Platform> MakeQtPlatform(int& argc, char** argv);

} // namespace tk::qt
