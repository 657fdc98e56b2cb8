#include "graph/graph.h"

#include "graph/markup_reader.h"
#include "graph/pixels.h"
#include "graph/sstring_format.h"

#include <cmath>
#include <vector>

namespace {

enum class Alignment { Left, Centre, Right };

// The anchor codes 1 to 9 are laid out like a numeric keypad over the text block: 1-3 its bottom
// row, 4-6 its middle, 7-9 its top, each row left, centre, right. Any other code puts the first
// baseline at y, starting at x.
Alignment AlignmentOf(std::int32_t anchor) {
    if (anchor < 1 || anchor > 9)
        return Alignment::Left;
    constexpr Alignment kColumns[] = {Alignment::Left, Alignment::Centre, Alignment::Right};
    return kColumns[(anchor - 1) % 3];
}

// The part of a line below its baseline: a line whose top is at y has its baseline at y + L - 2.
constexpr std::int32_t kDescent = 2;

std::int32_t FirstBaseline(std::int32_t anchor, std::int32_t y, std::int32_t lineHeight,
                           std::int32_t lineCount) {
    const double height = lineHeight;
    if (anchor >= 1 && anchor <= 3)
        return pixels::Truncated(y - height * (lineCount - 1));
    if (anchor >= 4 && anchor <= 6)
        return pixels::Truncated(y - std::round(height * (lineCount - 2) / 2) - kDescent);
    if (anchor >= 7 && anchor <= 9)
        return pixels::Truncated(y + height - kDescent);
    return y;
}

// Draws markup line by line, each line aligned on x by its recorded width. A line the header has
// no width for counts as 0 wide.
class LineDrawer : public markup::Sink {
public:
    LineDrawer(tk::Graphics& g, const sstring::Layout& layout, Alignment alignment, std::int32_t x,
               std::int32_t firstBaseline)
        : g_(g), layout_(layout), alignment_(alignment), x_(x), baseline_(firstBaseline) {}

    std::int32_t StartOfLine() const {
        const double width = layout_.LineWidth(line_);
        switch (alignment_) {
        case Alignment::Centre:
            return pixels::Truncated(x_ - std::round(width / 2));
        case Alignment::Right:
            return pixels::Truncated(x_ - width);
        case Alignment::Left:
            break;
        }
        return x_;
    }

    void Segment(std::string_view text, std::int32_t penX, std::int32_t rise) override {
        g_.DrawString(text, penX, pixels::Truncated(double(baseline_) - rise));
    }

    std::int32_t LineBreak(std::int32_t /*penX*/) override {
        baseline_ = pixels::Truncated(double(baseline_) + layout_.lineHeight);
        ++line_;
        return StartOfLine();
    }

private:
    tk::Graphics& g_;
    const sstring::Layout& layout_;
    Alignment alignment_;
    std::int32_t x_;
    std::int32_t baseline_;
    std::size_t line_ = 0;
};

// A string that is no SString, or one whose header is damaged, is plain markup: no lines counted,
// the target's line height, and no widths to align by.
sstring::Layout LayoutOf(const std::string& s, tk::Graphics& g) {
    if (auto recorded = sstring::ReadLayout(s))
        return *recorded;
    return sstring::Layout{0, g.TextHeight(), s, {}};
}

} // namespace

void Graph::DrawSString(const std::string& s, std::int32_t x, std::int32_t y, std::int32_t anchor) {
    if (s.empty())
        return;
    tk::Graphics& g = TextTarget();
    const sstring::Layout layout = LayoutOf(s, g);
    LineDrawer lines(g, layout, AlignmentOf(anchor), x,
                     FirstBaseline(anchor, y, layout.lineHeight, layout.lineCount));
    markup::Read(g, layout.text, lines, lines.StartOfLine());
}

void Graph::DrawSString(const std::string& s, std::int32_t x, std::int32_t y) {
    DrawSString(s, x, y, 0);
}

void Graph::SetTitle(const std::string& markup) {
    Title = SetSString(markup);
}
