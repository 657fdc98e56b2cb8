#pragma once

#include "export/data_table.h"
#include "export/window_picture.h"

#include <optional>
#include <string>

// The commands that take a window's picture or its data out of the program. Each takes the picture
// or the record as it is when called, so what leaves is that instant, however long a dialog stays
// open meanwhile. Cancelling leaves everything as it was; whatever fails is told in a dialog.
namespace exporting {

// File › Export Picture…: PNG, SVG or PDF, named after the parts' stem and the time t/T1 in
// `periods`. The exports return the path written, empty when nothing was.
// A window whose picture is made of pixels of its own gives `pixels`, which PNG is written from
// as it stands, where SVG and PDF draw the parts.
std::string ExportPicture(const PictureParts& parts, double periods,
                          const std::optional<tk::Drawing>& pixels = std::nullopt);
// Edit › Copy Picture.
void CopyPicture(const PictureParts& parts, double periods);
// File › Print….
void PrintPicture(const PictureParts& parts, double periods);
// File › Export Data…: the main window's state as CSV.
std::string ExportData(const StateRecord& record);
// File › Export Data… of any window: its table, CSV text already made, offered under `name`.
std::string ExportCsv(const std::string& csv, const std::string& name);

} // namespace exporting
