#pragma once

#include "export/window_picture.h"
#include "toolkit/menu_handlers.h"
#include "toolkit/output.h"

#include <functional>
#include <optional>
#include <string>

namespace exporting {

// What a window hands over for File › Export Picture…, Edit › Copy Picture, File › Print… and File ›
// Export Data…, each asked for only when its item is chosen, so that what leaves is that instant.
struct WindowExports {
    std::function<PictureParts()> picture;
    // t/T1 of the instant the picture shows, which names its files.
    std::function<double()> periods;
    // The window's data as CSV text, and the name its file is offered under.
    std::function<std::string()> csv;
    std::function<std::string()> csvName;
    // For a window whose picture is pixels of its own: what PNG is written from. None by default.
    std::function<std::optional<tk::Drawing>()> pixels = [] { return std::nullopt; };
    // Told the path of each file written, empty when none was: the program's status line says so.
    std::function<void(const std::string& written)> saved = [](const std::string& /*written*/) {};
};

// The four items, handled by `window` while it is in front.
void AddExportHandlers(tk::MenuHandlers& window, WindowExports exports);

} // namespace exporting
