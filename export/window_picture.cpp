#include "export/window_picture.h"

#include "toolkit/exceptions.h"
#include "toolkit/translation.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace exporting {

namespace {

tk::Rect Union(const tk::Rect& a, const tk::Rect& b) {
    if (a.width <= 0 || a.height <= 0)
        return b;
    const int left = std::min(a.x, b.x);
    const int top = std::min(a.y, b.y);
    const int right = std::max(a.x + a.width, b.x + b.width);
    const int bottom = std::max(a.y + a.height, b.y + b.height);
    return {left, top, right - left, bottom - top};
}

tk::Rect AreaOf(const PictureParts& parts) {
    tk::Rect area;
    for (const Graph* plot : parts.plots)
        area = Union(area, plot->Bounds());
    for (const PhasorDiagram* phasor : parts.phasors)
        area = Union(area, phasor->Bounds());
    for (const auto& caption : parts.captions)
        area = Union(area, caption.box);
    for (const auto& block : parts.texts)
        area = Union(area, block.box);
    const int margin = WindowPicture::kMargin;
    return {area.x - margin, area.y - margin, area.width + 2 * margin, area.height + 2 * margin};
}

tk::Graphics& MeasuringContext(const std::unique_ptr<tk::Picture>& picture) {
    if (!picture || !picture->Graphics())
        //: The reason in “The picture could not be made: %1”.
        throw tk::RuntimeException(tk::Translate("ExportFlow", "there is not enough memory for it"));
    return *picture->Graphics();
}

} // namespace

WindowPicture::WindowPicture(const PictureParts& parts)
    : area_(AreaOf(parts)), measure_(tk::NewPicture(1, 1, 32)), list_(MeasuringContext(measure_)) {
    list_.SetForeColor(tk::kWhite);
    list_.FillRect(0, 0, area_.width, area_.height);
    for (const auto& caption : parts.captions)
        DrawCaption(caption);
    for (const auto& block : parts.texts)
        DrawTextBlock(block);
    for (Graph* plot : parts.plots) {
        list_.SetOrigin({plot->Left() - area_.x, plot->Top() - area_.y});
        plot->PrintGraph(&list_);
    }
    for (const PhasorDiagram* phasor : parts.phasors) {
        list_.SetOrigin({phasor->Left() - area_.x, phasor->Top() - area_.y});
        phasor->Print(list_);
    }
}

// The baseline lies a fifth of the line height above the line's bottom, where the descenders end.
void WindowPicture::DrawCaption(const PictureParts::Caption& caption) {
    list_.SetOrigin({-area_.x, -area_.y});
    const tk::Font& font = caption.font;
    DrawingState{font.name, font.size, font.bold, font.italic, tk::kBlack}.ApplyTo(list_);
    const tk::Rect& box = caption.box;
    const int lineHeight = list_.TextHeight();
    const int baseline = box.y + (box.height - lineHeight) / 2 + lineHeight - lineHeight / 5;
    const int width = static_cast<int>(list_.StringWidth(caption.text));
    int x = box.x;
    if (caption.alignment == tk::AlignedTextControl::kRight)
        x = box.x + box.width - width;
    else if (caption.alignment == tk::AlignedTextControl::kCentre)
        x = box.x + (box.width - width) / 2;
    list_.DrawString(caption.text, x, baseline);
}

// The first baseline lies as far below the box's top as DrawCaption puts it below a line's top.
void WindowPicture::DrawTextBlock(const PictureParts::TextBlock& block) {
    list_.SetOrigin({-area_.x, -area_.y});
    const tk::Font& font = block.font;
    DrawingState{font.name, font.size, font.bold, font.italic, tk::kBlack}.ApplyTo(list_);
    const int lineHeight = list_.TextHeight();
    int baseline = block.box.y + lineHeight - lineHeight / 5;
    const std::string_view text = block.text;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (end > start)
            list_.DrawString(text.substr(start, end - start), block.box.x, baseline);
        baseline += lineHeight;
        start = end + 1;
    }
}

tk::Drawing WindowPicture::Drawing(std::string title, std::string name) const {
    return {std::move(title), std::move(name), area_.width, area_.height,
            [this](tk::Graphics& g) { DrawOn(g); }};
}

} // namespace exporting
