#include "toolkit/qt/qt_printer_graphics.h"

namespace tk::qt {

PdfPrinter::PdfPrinter(const std::string& pdfPath) : printer(QPrinter::HighResolution) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdfPath));
}

QtPrinterGraphics::QtPrinterGraphics(const std::string& pdfPath)
    : PdfPrinter(pdfPath), QtGraphics(static_cast<QPaintDevice*>(&printer)) {
    if (IsActive()) {
        const qreal pointsToDots = printer.resolution() / 72.0;
        Painter().scale(pointsToDots, pointsToDots);
        UsePaperLines();
    }
}

bool QtPrinterGraphics::IsActive() {
    return Painter().isActive();
}

} // namespace tk::qt
