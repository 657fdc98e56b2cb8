#include "toolkit/edit_field.h"

#include <algorithm>

namespace tk {

int CharacterCount(const std::string& utf8) {
    return int(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// The selection stays within the text.
void EditField::Select(int start, int length) {
    const int count = CharacterCount(text_);
    selStart_ = std::clamp(start, 0, count);
    selLength_ = std::clamp(length, 0, count - selStart_);
}

void EditField::StoreText(const std::string& text) {
    text_ = text;
    Select(selStart_, selLength_);
}

void EditField::SetText(const std::string& text) {
    if (text == text_)
        return;
    StoreText(text);
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
    if (text == text_)
        return;
    StoreText(text);
    if (TextChange)
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
