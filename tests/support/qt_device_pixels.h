#pragma once

// The device pixels of pictures drawn through Qt, for the tests that check them.

#include "toolkit/picture.h"
#include "toolkit/qt/qt_picture.h"

#include <QImage>

#include <string>

namespace fake {

inline const QImage& DeviceImage(const tk::Picture& picture) {
    return dynamic_cast<const tk::qt::QtPicture&>(picture).Image();
}

// The device pixels from x - 1 on, `count` of them (or from y - 1 down): '#' inked, '.' white.
inline std::string Across(const QImage& image, int x, int y, bool down, int count) {
    std::string pixels;
    for (int step = -1; step < count - 1; ++step) {
        const QRgb pixel = down ? image.pixel(x, y + step) : image.pixel(x + step, y);
        pixels += (pixel & 0xFFFFFF) == 0xFFFFFF ? '.' : '#';
    }
    return pixels;
}

} // namespace fake
