#include "export/export_commands.h"

#include "export/save_flow.h"
#include "toolkit/numbers.h"
#include "toolkit/platform.h"
#include "toolkit/translation.h"

#include <exception>
#include <functional>

namespace exporting {

namespace {

// The types the dialog offers, vector first, for slides and print; type i is written as format i.
std::vector<tk::FileType> PictureTypes() {
    return {{tk::Translate("ExportFlow", "SVG picture"), "svg"},
            {tk::Translate("ExportFlow", "PDF document"), "pdf"},
            {tk::Translate("ExportFlow", "PNG image"), "png"}};
}
constexpr tk::PictureFormat kPictureFormats[] = {tk::PictureFormat::Svg, tk::PictureFormat::Pdf,
                                                 tk::PictureFormat::Png};

// The picture at t/T1 = periods, titled and named after that time.
tk::Drawing DrawingAt(const WindowPicture& picture, const std::string& stem, double periods,
                      const std::string& extension) {
    return picture.Drawing(
        tk::Substitute(tk::Translate("ExportFlow", "Parvok at t/T₁ = %1"), {tk::Format(periods, "0.000")}),
        NameAt(stem, periods, extension));
}

void Warn(const std::string& title, const std::string& message) {
    tk::ThePlatform().Dialogs().Warn(title, message);
}

// Runs a command; a failure of the program's own, such as a plot that cannot be drawn, is told in a
// dialog rather than lost.
void TellingFailures(const std::string& title, const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& failure) {
        //: %1 is the reason, such as “there is not enough memory for it”.
        Warn(title, tk::Substitute(tk::Translate("ExportFlow", "The picture could not be made: %1"),
                                   {failure.what()}));
    }
}

} // namespace

std::string ExportPicture(const PictureParts& parts, double periods,
                          const std::optional<tk::Drawing>& pixels) {
    const std::string title = tk::Translate("ExportFlow", "Export Picture");
    std::string written;
    TellingFailures(title, [&] {
        const WindowPicture picture(parts);
        const tk::Drawing drawing = DrawingAt(picture, parts.stem, periods, "svg");
        written = SaveWithDialogs(title, drawing.name, PictureTypes(), [&](std::size_t type) {
            const tk::PictureFormat format = kPictureFormats[type];
            const bool asPixels = pixels && format == tk::PictureFormat::Png;
            return tk::ThePlatform().Output().Encode(asPixels ? *pixels : drawing, format);
        });
    });
    return written;
}

void CopyPicture(const PictureParts& parts, double periods) {
    const std::string title = tk::Translate("ExportFlow", "Copy Picture");
    TellingFailures(title, [&] {
        const WindowPicture picture(parts);
        tk::ThePlatform().Output().CopyToClipboard(DrawingAt(picture, parts.stem, periods, "svg"));
    });
}

void PrintPicture(const PictureParts& parts, double periods) {
    const std::string title = tk::Translate("ExportFlow", "Print");
    TellingFailures(title, [&] {
        const WindowPicture picture(parts);
        if (tk::ThePlatform().Output().Print(DrawingAt(picture, parts.stem, periods, "pdf")) ==
            tk::PrintResult::Failed)
            Warn(title, tk::Translate("ExportFlow",
                                      "The picture could not be printed: the printer could not be started."));
    });
}

std::string ExportData(const StateRecord& record) {
    return ExportCsv(DataTable(record), NameAt(kMainStem, record.periods, "csv"));
}

std::string ExportCsv(const std::string& csv, const std::string& name) {
    return SaveWithDialogs(tk::Translate("ExportFlow", "Export Data"), name,
                           {{tk::Translate("ExportFlow", "CSV table"), "csv"}},
                           [&csv](std::size_t) { return csv; });
}

} // namespace exporting
