#pragma once

#include <string>

namespace tk {

// The font names the application expects of the platform: its standard font, a font whose Latin
// letters stand for Greek ones, and a sans-serif face.
inline constexpr char kSystemFont[] = "System";
inline constexpr char kSymbolFont[] = "Symbol";
inline constexpr char kHelveticaFont[] = "Helvetica";

// The text style of a control. A size of 0 is the default size.
struct Font {
    std::string name = kSystemFont;
    int size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const Font&, const Font&) = default;
};

} // namespace tk
