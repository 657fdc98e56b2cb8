// What leaves the window: its plots and its table as one picture, and what it shows as data.

#include "export/save_flow.h"
#include "export/window_exports.h"
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
    exporting::AddExportHandlers(
        *this, {.picture = [this] { return Picture(); },
                .periods = [this] { return shownPeriods_; },
                .csv = [this] { return Csv(); },
                .csvName = [this] { return exporting::NameAt(kStem, shownPeriods_, "csv"); },
                .saved = [this](const std::string& written) { main_.TellSaved(written); }});
}
