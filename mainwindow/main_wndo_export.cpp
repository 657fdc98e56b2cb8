// What leaves the program: the window's picture, as it shows, and its state as data.

#include "app/commands.h"
#include "export/export_commands.h"
#include "mainwindow/main_wndo.h"
#include "toolkit/translation.h"

#include <filesystem>

namespace {

using exporting::PictureParts;

PictureParts::Caption CaptionOf(const tk::StaticText& label) {
    return {label.Text(), label.Bounds(), label.Alignment(), label.Font()};
}

} // namespace

PictureParts MainWndo::Picture() const {
    constexpr int kGap = 8;
    PictureParts parts;
    parts.plots = {wavefunction_, probability_};
    for (const tk::StaticText* caption : pictureCaptions_)
        parts.captions.push_back(CaptionOf(*caption));
    for (int k = 0; k < kComponents; ++k) {
        const PhasorDiagram* phasor = phasors_[k];
        const tk::RadioButton* state = stateButtons_[k];
        parts.phasors.push_back(phasor);
        const tk::Rect beside{state->Left(), state->Top(), phasor->Left() - kGap - state->Left(),
                              state->Height()};
        parts.captions.push_back({state->Caption(), beside, tk::AlignedTextControl::kRight, state->Font()});
    }
    return parts;
}

exporting::StateRecord MainWndo::Record() const {
    exporting::StateRecord record;
    for (int k = 0; k < kComponents; ++k) {
        record.typedMagnitudes[k] = magnitudes_[k]->Text();
        record.typedAngles[k] = angles_[k]->Text();
    }
    record.magnitudes = run_.Magnitudes();
    record.phases = run_.Phases();
    record.shown = run_.Shown().Name();
    record.periods = run_.ElapsedPeriods();
    record.speed = run_.Speed();
    record.physicalScale = run_.PhysicalScale();
    record.real = run_.Physical().real;
    record.imaginary = run_.Physical().imaginary;
    record.density = run_.Physical().density;
    record.scaledReal = run_.Scaled().real;
    record.scaledImaginary = run_.Scaled().imaginary;
    record.scaledDensity = run_.Scaled().density;
    return record;
}

void MainWndo::TellSaved(const std::string& written) const {
    if (!written.empty())
        StatusBar()->Notify(tk::Substitute(tk::Translate("MainWndo", "Saved “%1”"),
                                           {std::filesystem::path(written).filename().string()}));
}

// These act on the main window while it is in front; each view hands its own.
void MainWndo::AddExportHandlers() {
    AddMenuHandler(command::kFileExportPicture, [this] {
        TellSaved(exporting::ExportPicture(Picture(), run_.ElapsedPeriods()));
        return true;
    });
    AddMenuHandler(command::kFileExportData, [this] {
        TellSaved(exporting::ExportData(Record()));
        return true;
    });
    AddMenuHandler(command::kFilePrint, [this] {
        exporting::PrintPicture(Picture(), run_.ElapsedPeriods());
        return true;
    });
    AddMenuHandler(command::kEditCopyPicture, [this] {
        exporting::CopyPicture(Picture(), run_.ElapsedPeriods());
        return true;
    });
}
