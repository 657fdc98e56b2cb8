#include "graph/sstring_format.h"

#include <algorithm>

namespace sstring {

namespace {

constexpr char kMarker = '.';
// Positions of the header items, counted from 1.
constexpr std::size_t kLineCountItem = 2;
constexpr std::size_t kLineHeightItem = 3;
constexpr std::size_t kWidestItem = 4;
constexpr std::size_t kFirstLineItem = 6;

int Item(std::string_view s, std::size_t position) {
    return position <= s.size() ? static_cast<unsigned char>(s[position - 1]) : 0;
}

std::int32_t WidthAt(std::string_view s, std::size_t position) {
    return 256 * Item(s, position) + Item(s, position + 1);
}

// Each item holds its value modulo 256.
char ItemOf(std::int64_t value) {
    return char(static_cast<unsigned char>(value));
}

void AppendWidth(std::string& header, std::int32_t width) {
    const auto stored = static_cast<std::uint16_t>(width);
    header += ItemOf(stored >> 8);
    header += ItemOf(stored);
}

std::size_t HeaderLength(std::size_t lineCount) {
    return kFirstLineItem - 1 + 2 * lineCount;
}

} // namespace

bool IsSString(std::string_view s) {
    return !s.empty() && s.front() == kMarker;
}

std::string Encode(std::int32_t lineHeight, const std::vector<std::int32_t>& lineWidths,
                   const std::string& font, std::int32_t size, std::string_view markup) {
    std::int32_t widest = 0;
    for (std::int32_t width : lineWidths)
        widest = std::max(widest, width);
    std::string encoded{kMarker, ItemOf(std::int64_t(lineWidths.size())), ItemOf(lineHeight)};
    AppendWidth(encoded, widest);
    for (std::int32_t width : lineWidths)
        AppendWidth(encoded, width);
    encoded += "@" + font + "@#" + std::to_string(size) + "#";
    encoded += markup;
    return encoded;
}

std::int32_t RecordedWidth(std::string_view s) {
    return IsSString(s) ? WidthAt(s, kWidestItem) : 0;
}

std::int32_t RecordedHeight(std::string_view s) {
    return IsSString(s) ? Item(s, kLineCountItem) * Item(s, kLineHeightItem) : 0;
}

std::string WithLineHeight(std::string s, std::int32_t height) {
    s.resize(std::max(s.size(), kLineHeightItem), '\0');
    s[kLineHeightItem - 1] = ItemOf(height);
    return s;
}

std::optional<Layout> ReadLayout(std::string_view s) {
    if (!IsSString(s))
        return std::nullopt;
    const int lineCount = Item(s, kLineCountItem);
    if (lineCount < 1 || s.size() < HeaderLength(lineCount))
        return std::nullopt;
    return Layout{lineCount, Item(s, kLineHeightItem), s.substr(HeaderLength(lineCount)),
                  s.substr(0, HeaderLength(lineCount))};
}

std::int32_t Layout::LineWidth(std::size_t line) const {
    if (line >= static_cast<std::size_t>(lineCount) || header.empty())
        return 0;
    return WidthAt(header, kFirstLineItem + 2 * line);
}

} // namespace sstring
