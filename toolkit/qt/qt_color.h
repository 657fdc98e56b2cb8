#pragma once

#include "toolkit/color.h"

#include <QColor>

namespace tk::qt {

inline QColor ToQColor(tk::Color c) {
    return {tk::Red(c), tk::Green(c), tk::Blue(c)};
}

} // namespace tk::qt
