#pragma once

#include <QFont>
#include <QString>

#include <string>
#include <string_view>

namespace tk::qt {

// The one place where the application's font names meet installed fonts: "System" and "Symbol"
// are DejaVu Sans, "Helvetica" is Liberation Sans; other names are asked of the system as they are.
// Sizes are in pixels, as the layouts are; 0 is the default size.
QFont MapFont(const std::string& name, int size, bool bold = false, bool italic = false);

// The text as it shows in that font: in "Symbol" the Latin letters stand for Greek ones
// (a for alpha, p for pi, D for Delta...), as in the classic symbol encoding.
QString DisplayText(std::string_view utf8, const std::string& fontName);

constexpr int kDefaultTextSize = 12;

} // namespace tk::qt
