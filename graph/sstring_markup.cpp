#include "graph/graph.h"

#include "graph/markup_reader.h"
#include "graph/sstring_format.h"

#include <algorithm>
#include <vector>

namespace {

// Measures markup line by line. The line height is the tallest font met at the first text
// character after the start and after each change of font or size; script, bold and italic
// changes are not sampled.
class LineMeasurer : public markup::Sink {
public:
    explicit LineMeasurer(tk::Graphics& g) : g_(g) {}

    void Segment(std::string_view /*text*/, std::int32_t /*x*/, std::int32_t /*width*/) override {}

    std::int32_t LineBreak(std::int32_t penX) override {
        widths_.push_back(penX);
        return 0;
    }

    void FontMet() override { height_ = std::max(height_, std::int32_t(g_.TextHeight())); }

    // The widths of all lines, the last one ending at penX.
    std::vector<std::int32_t> Widths(std::int32_t penX) const {
        std::vector<std::int32_t> widths = widths_;
        widths.push_back(penX);
        return widths;
    }
    std::int32_t Height() const { return height_; }

private:
    tk::Graphics& g_;
    std::vector<std::int32_t> widths_; // of the lines ended by "|"
    std::int32_t height_ = 0;
};

} // namespace

tk::Graphics& Graph::TextTarget() {
    if (!GX)
        throw GraphError("DrawSString: Graphics target undefined.");
    return *GX;
}

std::string Graph::SetSString(const std::string& markup) {
    if (markup.empty())
        return {};
    tk::Graphics& g = TextTarget();
    const std::string font = g.TextFont();
    const std::int32_t size = g.TextSize();
    LineMeasurer lines(g);
    const std::int32_t lastLineEnd = markup::Read(g, markup, lines, 0);
    return sstring::Encode(lines.Height(), lines.Widths(lastLineEnd), font, size, markup);
}

std::int32_t Graph::GetSSWidth(const std::string& s) {
    return sstring::RecordedWidth(s);
}

std::int32_t Graph::GetSSHeight(const std::string& s) {
    return sstring::RecordedHeight(s);
}

std::string Graph::GetSString(const std::string& s) {
    const auto layout = sstring::ReadLayout(s);
    if (!layout || layout->text.empty())
        return s;
    return std::string(layout->text);
}

// An empty markup stays empty: there is no header to carry a line height.
std::string Graph::SetSSLineH(const std::string& s, std::int32_t height) {
    std::string measured = sstring::IsSString(s) ? s : SetSString(s);
    if (measured.empty())
        return measured;
    return sstring::WithLineHeight(measured, height);
}

void Graph::SetFontInfo(const std::string& font, std::int32_t size, bool bold, bool italic) {
    tk::Graphics& g = Target();
    SetFontInfo(font, size);
    g.SetBold(bold);
    g.SetItalic(italic);
}

void Graph::SetFontInfo(const std::string& font, std::int32_t size) {
    tk::Graphics& g = Target();
    if (!font.empty())
        g.SetTextFont(font);
    if (size != 0)
        g.SetTextSize(size);
}

void Graph::SetTickFontInfo(const std::string& font, std::int32_t size) {
    if (!font.empty())
        TickFont = font;
    if (size != 0)
        TickFSize = size;
    TickRoomFont = TickFont;
    TickRoomFSize = TickFSize;
}
