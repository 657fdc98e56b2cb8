#pragma once

#include <string>

namespace tk {

// The text style of a control. A size of 0 is the default size.
struct Font {
    std::string name = "System";
    int size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const Font&, const Font&) = default;
};

} // namespace tk
