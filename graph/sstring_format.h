#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The SString: markup in its measured form. One byte per header item, read as 0 to 255:
//   1                "."
//   2                the number of lines n (modulo 256)
//   3                the line height in pixels (modulo 256)
//   4, 5             the width of the widest line, high byte then low byte (modulo 65536)
//   6 + 2i, 7 + 2i   the width of line i + 1, likewise
// then "@font@#size#" (the style it was measured in) and the markup as it was given.
// Any string that starts with "." is read as an SString. Reading never goes past the end of the
// string: a header item that is missing counts as 0.
namespace sstring {

bool IsSString(std::string_view s);

// The SString of markup measured in the given font and size to these line widths (at least one)
// and this line height.
std::string Encode(std::int32_t lineHeight, const std::vector<std::int32_t>& lineWidths,
                   const std::string& font, std::int32_t size, std::string_view markup);

// The width of the widest line and the height of all lines, from the header; 0 for no SString.
std::int32_t RecordedWidth(std::string_view s);
std::int32_t RecordedHeight(std::string_view s);

// The SString s with its line height replaced by height modulo 256; a header too short to hold
// the line height is filled up with zeros first.
std::string WithLineHeight(std::string s, std::int32_t height);

// What an SString's header records, and the text that follows the header. The line widths are
// read from the header where they are asked for, so that drawing a label allocates nothing.
struct Layout {
    std::int32_t lineCount = 0;
    std::int32_t lineHeight = 0;
    std::string_view text;
    std::string_view header; // empty for plain markup, which records no widths

    // The recorded width of line `line` (from 0); 0 for a line the header has no width for.
    std::int32_t LineWidth(std::size_t line) const;
};

// The layout of an SString; none when s is no SString or its header is damaged (no lines, or too
// short to hold its line widths).
std::optional<Layout> ReadLayout(std::string_view s);

} // namespace sstring
