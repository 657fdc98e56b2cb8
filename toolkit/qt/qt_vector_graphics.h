#pragma once

#include "toolkit/qt/qt_graphics.h"

namespace tk::qt {

// Draws on a device that keeps shapes rather than pixels (an SVG document, a PDF page, a printer),
// where a logical pixel is `unitsPerPixel` of the device's units. A pixel there is the square from
// its coordinates to the next ones, so lines and outlines, one logical pixel wide as on the screen
// rather than the device's hairlines, run through the middle of the pixels they cover, half a pixel
// right of and below their coordinates; fills and pictures cover their squares exactly.
class QtVectorGraphics : public QtGraphics {
public:
    QtVectorGraphics(QPaintDevice* device, qreal unitsPerPixel);
    // With a painter that someone else keeps active.
    QtVectorGraphics(QPainter* painter, qreal unitsPerPixel);

    void ClearRect(int x, int y, int width, int height) override;
    void FillRect(int x, int y, int width, int height) override;
    using QtGraphics::DrawPicture;
    void DrawPicture(const tk::Picture& picture, tk::Rect destination, tk::Rect source) override;

private:
    void Scale(qreal unitsPerPixel);
    // Draws with the painter at the pixels' corners rather than their middles.
    template <class Draw> void AtCorners(Draw draw) {
        Painter().translate(-kToMiddle, -kToMiddle);
        draw();
        Painter().translate(kToMiddle, kToMiddle);
    }

    static constexpr qreal kToMiddle = 0.5;
};

// Device units per point on a paged device (a PDF writer, a printer): a point is 1/72 inch.
qreal UnitsPerPoint(const QPaintDevice& device);

} // namespace tk::qt
