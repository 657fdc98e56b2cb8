#pragma once

#include "toolkit/graphics.h"

#include <functional>
#include <string>
#include <string_view>

namespace tk {

// A picture of a fixed size in logical pixels that can be drawn any number of times, on whatever
// context an output gives it.
struct Drawing {
    std::string title; // for the description inside a file
    std::string name;  // where a file name is wanted: the print job, a printer that writes files
    int width = 0;
    int height = 0;
    std::function<void(Graphics&)> draw;
};

enum class PictureFormat { Png, Svg, Pdf };

enum class PrintResult { Printed, Cancelled, Failed };

// Where pictures and data leave the program: files, the clipboard and printers.
class Output {
public:
    virtual ~Output() = default;

    // The picture as the contents of a file: PNG at twice the screen's pixel density; SVG and PDF
    // (one page of the picture's size, a logical pixel a point) as vector drawing, with lines and
    // text of their own. Empty when it cannot be made.
    virtual std::string Encode(const Drawing& drawing, PictureFormat format) = 0;
    // Writes the contents to a temporary file beside `path` and renames it to `path` once complete,
    // so that the file there is either the one before or the whole new one. Returns an empty text
    // when written, otherwise the reason it was not, in words for the user.
    virtual std::string WriteFile(const std::string& path, std::string_view contents) = 0;
    // Puts the picture on the clipboard as an image, and as SVG for the programs that take it.
    virtual void CopyToClipboard(const Drawing& drawing) = 0;
    // The platform's print dialog, then the picture on one page, scaled to fit the printable area.
    virtual PrintResult Print(const Drawing& drawing) = 0;
};

} // namespace tk
