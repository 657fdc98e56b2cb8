// What leaves the program: the window's picture, as it shows, and its state as data.

#include "mainwindow/main_wndo_export.h"

#include "export/export_commands.h"
#include "mainwindow/main_wndo.h"

namespace {

using exporting::PictureParts;

PictureParts::Caption CaptionOf(const tk::StaticText& label) {
    return {label.Text(), label.Bounds(), label.Alignment(), label.Font()};
}

} // namespace

PictureParts PictureOf(const MainWndo& window) {
    constexpr int kGap = 8;
    PictureParts parts;
    parts.plots = {window.Find<Graph>("GFWFunc"), window.Find<Graph>("GFProb")};
    parts.plotContent = window.HasShownFrame();
    for (int label : {0, 1, 3})
        parts.captions.push_back(CaptionOf(*window.Find<tk::StaticText>("STLabel", label)));
    for (int k = 0; k < MainWndo::kComponents; ++k) {
        const auto* phasor = window.Find<PhasorDiagram>("Phasor", k);
        const auto* state = window.Find<tk::RadioButton>("RBNth", k);
        parts.phasors.push_back(phasor);
        const tk::Rect beside{state->Left(), state->Top(), phasor->Left() - kGap - state->Left(),
                              state->Height()};
        parts.captions.push_back({state->Caption(), beside, tk::AlignedTextControl::kRight, state->Font()});
    }
    return parts;
}

exporting::StateRecord RecordOf(const MainWndo& window) {
    exporting::StateRecord record;
    for (int k = 0; k < MainWndo::kComponents; ++k) {
        record.typedMagnitudes[k] = window.Find<tk::EditField>("EFMagn", k)->Text();
        record.typedAngles[k] = window.Find<tk::EditField>("EFAngle", k)->Text();
    }
    record.magnitudes = window.Magnitudes();
    record.phases = window.Phases();
    record.shown = window.Show;
    record.periods = window.ElapsedPeriods();
    record.speed = window.Speed();
    record.real = window.PsiReal;
    record.imaginary = window.PsiIm;
    record.density = window.PsiSqrd;
    return record;
}

void AddExportHandlers(MainWndo& window) {
    const auto picture = [&window] { return PictureOf(window); };
    window.AddMenuHandler("FileExportPicture", [&window, picture] {
        exporting::ExportPicture(picture(), window.ElapsedPeriods());
        return true;
    });
    window.AddMenuHandler("FileExportData", [&window] {
        exporting::ExportData(RecordOf(window));
        return true;
    });
    window.AddMenuHandler("FilePrint", [&window, picture] {
        exporting::PrintPicture(picture(), window.ElapsedPeriods());
        return true;
    });
    window.AddMenuHandler("EditCopyPicture", [&window, picture] {
        exporting::CopyPicture(picture(), window.ElapsedPeriods());
        return true;
    });
}
