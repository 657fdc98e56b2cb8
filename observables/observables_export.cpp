// What leaves the window: its plots and its table as one picture, and what it shows as data.

#include "app/commands.h"
#include "export/export_commands.h"
#include "export/save_flow.h"
#include "observables/observables_csv.h"
#include "observables/observables_wndo.h"

namespace {

constexpr const char* kStem = "parvok-observables";

} // namespace

exporting::PictureParts ObservablesWndo::Picture() const {
    exporting::PictureParts parts;
    parts.plots = {levelsPlot_, pathPlot_, momentumPlot_};
    parts.captions.push_back({note_->Text(), note_->Bounds(), note_->Alignment(), note_->Font()});
    parts.texts.push_back({table_, valuesText_->Bounds(), valuesText_->Font()});
    parts.stem = kStem;
    return parts;
}

std::string ObservablesWndo::Csv() const {
    return observables_csv::Csv(
        {.values = values_, .periods = shownPeriods_, .path = path_.Samples(), .densities = &densities_});
}

// These act on this window while it is in front; the main window's own go to the main window.
void ObservablesWndo::AddExportHandlers() {
    AddMenuHandler(command::kFileExportPicture, [this] {
        exporting::ExportPicture(Picture(), shownPeriods_);
        return true;
    });
    AddMenuHandler(command::kEditCopyPicture, [this] {
        exporting::CopyPicture(Picture(), shownPeriods_);
        return true;
    });
    AddMenuHandler(command::kFilePrint, [this] {
        exporting::PrintPicture(Picture(), shownPeriods_);
        return true;
    });
    AddMenuHandler(command::kFileExportData, [this] {
        exporting::ExportCsv(Csv(), exporting::NameAt(kStem, shownPeriods_, "csv"));
        return true;
    });
}
