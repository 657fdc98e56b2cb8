#pragma once

#include "toolkit/output.h"

#include <QByteArray>
#include <QImage>

class QPrinter;

namespace tk::qt {

// Files through QSaveFile, pictures through Qt's image, SVG and PDF writers, the system clipboard,
// and printers through the platform's print dialog.
class QtOutput : public tk::Output {
public:
    std::string Encode(const tk::Drawing& drawing, tk::PictureFormat format) override;
    std::string WriteFile(const std::string& path, std::string_view contents) override;
    void CopyToClipboard(const tk::Drawing& drawing) override;
    tk::PrintResult Print(const tk::Drawing& drawing) override;
};

// The drawing on white pixels at twice the screen's density, marked with that density so that it
// keeps its size on paper. Null when it cannot be made.
QImage ImageOf(const tk::Drawing& drawing);
// The drawing as an SVG document of its size in pixels; empty when it cannot be made.
QByteArray SvgOf(const tk::Drawing& drawing);
// The drawing on the printer's first page, scaled to fit the printable area, centred across it;
// false when the printer cannot be started.
bool PrintOn(QPrinter& printer, const tk::Drawing& drawing);

} // namespace tk::qt
