#include "toolkit/qt/qt_picture.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tk::qt {

qreal ScreenRatio() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

QtPicture::QtPicture(int width, int height, int depth, qreal devicePixelRatio)
    : width_(width), height_(height), depth_(depth),
      image_(int(std::ceil(width * devicePixelRatio)), int(std::ceil(height * devicePixelRatio)),
             QImage::Format_RGB32) {
    if (image_.isNull())
        return;
    image_.setDevicePixelRatio(devicePixelRatio);
    image_.fill(Qt::white);
    graphics_ = std::make_unique<QtGraphics>(&image_);
}

tk::Color QtPicture::Pixel(int x, int y) const {
    const qreal ratio = image_.devicePixelRatio();
    const QPoint device(int(x * ratio), int(y * ratio));
    if (!image_.valid(device))
        return tk::kBlack;
    return tk::Color(image_.pixel(device) & 0xFFFFFF);
}

// One copy into the image's scan line: an opaque pixel of Format_RGB32 is 0xFFRRGGBB.
void QtPicture::WriteRow(int row, std::span<const tk::Color> colors) {
    if (row < 0 || row >= image_.height())
        return;
    const std::size_t count = std::min(colors.size(), static_cast<std::size_t>(image_.width()));
    row_.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        row_[i] = 0xFF000000u | colors[i];
    std::memcpy(image_.scanLine(row), row_.data(), count * sizeof(QRgb));
}

} // namespace tk::qt
