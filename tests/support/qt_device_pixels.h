#pragma once

// The device pixels of pictures drawn through Qt, for the tests that check them.

#include "toolkit/picture.h"
#include "toolkit/qt/qt_picture.h"

#include <QImage>

namespace fake {

inline const QImage& DeviceImage(const tk::Picture& picture) {
    return dynamic_cast<const tk::qt::QtPicture&>(picture).Image();
}

} // namespace fake
