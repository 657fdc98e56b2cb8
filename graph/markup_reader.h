#pragma once

#include "toolkit/graphics.h"

#include <cstdint>
#include <string_view>

// The label markup, read once for measuring and once for drawing by the same code.
//
// Eleven characters are commands: "^" superscript, "_" subscript (either one closes an open
// script), " " closes a script and the Symbol font and is then text, "$" toggles the Symbol font,
// "~" moves the pen 1 pixel right, "!" toggles bold, "\" italic, "|" breaks the line, "@name@"
// sets the font, "#size#" the size, and "&" takes the next character as text. Every other
// character is text; the text between two commands is a segment, placed whole in the style in
// force when it ends. Combining marks right after "^", "_", "$", "~", "!" or "\" join the segment
// before, so that "$Y$\u0303" is a Psi with a tilde over it.
namespace markup {

// What a pass over the markup does with what it meets.
class Sink {
public:
    virtual ~Sink() = default;
    // A run of text whose left end is at penX, on the line's baseline raised by `rise` pixels
    // (lowered when negative), in the drawing context's current style.
    virtual void Segment(std::string_view text, std::int32_t penX, std::int32_t rise) = 0;
    // The line ends with the pen at penX; returns the pen x at which the next line starts.
    virtual std::int32_t LineBreak(std::int32_t penX) = 0;
    // The first text character since the start or since "$", "@" or "#" changed the font or size.
    virtual void FontMet() {}
};

// Reads the markup with the pen starting at penX, changing g's text style as the commands say, and
// puts the style back at the end. Returns the pen x after the last segment; after each segment the
// pen has moved by the segment's width, truncated. An "@" or "#" without its closing partner ends
// the reading there.
std::int32_t Read(tk::Graphics& g, std::string_view markup, Sink& sink, std::int32_t penX);

} // namespace markup
