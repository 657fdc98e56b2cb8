#pragma once

#include "toolkit/picture.h"
#include "toolkit/qt/qt_graphics.h"

#include <QImage>

#include <memory>
#include <vector>

namespace tk::qt {

// The device pixel ratio of the primary screen, 1 where there is none: pictures are made at it, so
// that they stay crisp on high-density displays.
qreal ScreenRatio();

// An off-screen picture: an image at the screen's device pixel ratio, addressed in logical pixels.
class QtPicture : public tk::Picture {
public:
    QtPicture(int width, int height, int depth, qreal devicePixelRatio);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    int Depth() const override { return depth_; }
    tk::Graphics* Graphics() override { return graphics_.get(); }
    tk::Color Pixel(int x, int y) const override;
    int PixelWidth() const override { return image_.width(); }
    int PixelHeight() const override { return image_.height(); }
    void WriteRow(int row, std::span<const tk::Color> colors) override;

    const QImage& Image() const { return image_; }
    bool IsValid() const { return !image_.isNull(); }

private:
    int width_;
    int height_;
    int depth_;
    QImage image_;
    std::unique_ptr<QtGraphics> graphics_;
    std::vector<QRgb> row_; // the row WriteRow copies, reused
};

} // namespace tk::qt
