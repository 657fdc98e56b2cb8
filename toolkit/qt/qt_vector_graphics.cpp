#include "toolkit/qt/qt_vector_graphics.h"

namespace tk::qt {

QtVectorGraphics::QtVectorGraphics(QPaintDevice* device, qreal unitsPerPixel) : QtGraphics(device) {
    Scale(unitsPerPixel);
}

QtVectorGraphics::QtVectorGraphics(QPainter* painter, qreal unitsPerPixel) : QtGraphics(painter) {
    Scale(unitsPerPixel);
}

void QtVectorGraphics::Scale(qreal unitsPerPixel) {
    if (Painter().isActive()) {
        Painter().scale(unitsPerPixel, unitsPerPixel);
        Painter().translate(kToMiddle, kToMiddle);
    }
    UsePaperLines();
}

void QtVectorGraphics::ClearRect(int x, int y, int width, int height) {
    AtCorners([&] { QtGraphics::ClearRect(x, y, width, height); });
}

void QtVectorGraphics::FillRect(int x, int y, int width, int height) {
    AtCorners([&] { QtGraphics::FillRect(x, y, width, height); });
}

void QtVectorGraphics::DrawPicture(const tk::Picture& picture, tk::Rect destination, tk::Rect source) {
    AtCorners([&] { QtGraphics::DrawPicture(picture, destination, source); });
}

qreal UnitsPerPoint(const QPaintDevice& device) {
    return device.logicalDpiX() / 72.0;
}

} // namespace tk::qt
