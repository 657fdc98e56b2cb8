#include "export/window_exports.h"

#include "app/commands.h"
#include "export/export_commands.h"

#include <memory>

namespace exporting {

void AddExportHandlers(tk::MenuHandlers& window, WindowExports exports) {
    const auto from = std::make_shared<const WindowExports>(std::move(exports));
    window.AddMenuHandler(command::kFileExportPicture, [from] {
        from->saved(ExportPicture(from->picture(), from->periods(), from->pixels()));
        return true;
    });
    window.AddMenuHandler(command::kEditCopyPicture, [from] {
        CopyPicture(from->picture(), from->periods());
        return true;
    });
    window.AddMenuHandler(command::kFilePrint, [from] {
        PrintPicture(from->picture(), from->periods());
        return true;
    });
    window.AddMenuHandler(command::kFileExportData, [from] {
        from->saved(ExportCsv(from->csv(), from->csvName()));
        return true;
    });
}

} // namespace exporting
