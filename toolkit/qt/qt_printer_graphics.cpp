#include "toolkit/qt/qt_printer_graphics.h"

namespace tk::qt {

PdfPrinter::PdfPrinter(const std::string& pdfPath) : printer(QPrinter::HighResolution) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdfPath));
}

QtPrinterGraphics::QtPrinterGraphics(const std::string& pdfPath)
    : PdfPrinter(pdfPath), QtVectorGraphics(static_cast<QPaintDevice*>(&printer), UnitsPerPoint(printer)) {}

bool QtPrinterGraphics::IsActive() {
    return Painter().isActive();
}

} // namespace tk::qt
