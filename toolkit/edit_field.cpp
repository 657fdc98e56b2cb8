#include "toolkit/edit_field.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>

namespace tk {

int CharacterCount(const std::string& utf8) {
    return int(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string OneLine(const std::string& utf8) {
    static constexpr std::string_view kBreaks[] = {"\n", "\v", "\f", "\r", "\u0085", "\u2028", "\u2029"};
    std::string line;
    line.reserve(utf8.size());
    for (std::string_view rest = utf8; !rest.empty();) {
        const auto* found =
            std::ranges::find_if(kBreaks, [rest](std::string_view b) { return rest.starts_with(b); });
        const bool breaks = found != std::end(kBreaks);
        line += breaks ? ' ' : rest.front();
        rest.remove_prefix(breaks ? found->size() : 1);
    }
    return line;
}

// The selection stays within the text.
void EditField::Select(int start, int length) {
    const int count = CharacterCount(text_);
    selStart_ = std::clamp(start, 0, count);
    selLength_ = std::clamp(length, 0, count - selStart_);
}

// Whether the text, on one line, differs from the one held, which it then replaces.
bool EditField::StoreText(const std::string& text) {
    std::string line = OneLine(text);
    if (line == text_)
        return false;
    text_ = std::move(line);
    Select(selStart_, selLength_);
    return true;
}

void EditField::SetText(const std::string& text) {
    if (!StoreText(text))
        return;
    Changed(Aspect::Text);
    if (TextChange)
        TextChange();
}

void EditField::SetSelStart(int start) {
    Select(start, selLength_);
    Changed(Aspect::Selection);
}

void EditField::SetSelLength(int length) {
    Select(selStart_, length);
    Changed(Aspect::Selection);
}

void EditField::NotifyTextEdited(const std::string& text) {
    if (StoreText(text) && TextChange)
        TextChange();
}

void EditField::NotifySelection(int start, int length) {
    Select(start, length);
}

void EditField::NotifyFocusIn() {
    if (GotFocus)
        GotFocus();
}

} // namespace tk
