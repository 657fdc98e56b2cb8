#include "toolkit/edit_field.h"

#include <algorithm>

namespace tk {

int CharacterCount(const std::string& utf8) {
    return int(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

void EditField::SetText(const std::string& text) {
    if (text == text_)
        return;
    text_ = text;
    ClampSelection();
    Changed();
    if (TextChange)
        TextChange();
}

void EditField::SetSelStart(int start) {
    selStart_ = start;
    ClampSelection();
    Changed();
}

void EditField::SetSelLength(int length) {
    selLength_ = length;
    ClampSelection();
    Changed();
}

void EditField::ClampSelection() {
    const int count = CharacterCount(text_);
    selStart_ = std::clamp(selStart_, 0, count);
    selLength_ = std::clamp(selLength_, 0, count - selStart_);
}

void EditField::NotifyTextEdited(const std::string& text) {
    if (text == text_)
        return;
    text_ = text;
    ClampSelection();
    if (TextChange)
        TextChange();
}

void EditField::NotifySelection(int start, int length) {
    selStart_ = start;
    selLength_ = length;
    ClampSelection();
}

void EditField::NotifyFocusIn() {
    if (GotFocus)
        GotFocus();
}

} // namespace tk
