#pragma once

#include "toolkit/qt/qt_vector_graphics.h"

#include <QPrinter>

#include <string>

namespace tk::qt {

// The printer comes first, so that it outlives the painter that the drawing context ends.
struct PdfPrinter {
    explicit PdfPrinter(const std::string& pdfPath);
    QPrinter printer;
};

// Draws on the pages of a PDF file through Qt's printer device; the file is finished when this
// object goes. Logical pixels are points, so a plot keeps the layout and metrics it has on screen.
class QtPrinterGraphics : private PdfPrinter, public QtVectorGraphics {
public:
    explicit QtPrinterGraphics(const std::string& pdfPath);

    bool IsActive();
};

} // namespace tk::qt
