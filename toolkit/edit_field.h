#pragma once

#include "toolkit/color.h"
#include "toolkit/control.h"
#include "toolkit/font.h"

#include <functional>
#include <string>

namespace tk {

// A single-line text entry.
class EditField : public Control {
public:
    using Control::Control;

    const std::string& Text() const { return text_; }
    // Raises TextChange when the text differs from the current one.
    void SetText(const std::string& text);
    // Selection in characters (code points) from the start of the text.
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSelStart(int start);
    void SetSelLength(int length);

    std::function<void()> TextChange;
    std::function<void()> GotFocus;

    Font font;
    bool Border = true;
    bool ReadOnly = false;
    bool Password = false;
    bool AcceptTabs = false;
    bool UseFocusRing = true;
    Color TextColor = RGB(0, 0, 0);
    Color BackColor = RGB(255, 255, 255);
    int LimitText = 0; // 0: no limit
    int Alignment = 0; // 0 left, 1 centre, 2 right

    // Called by the platform when the user typed, moved the selection or focused the field.
    void NotifyTextEdited(const std::string& text);
    void NotifySelection(int start, int length);
    void NotifyFocusIn();

private:
    void ClampSelection();

    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
};

// Number of code points in UTF-8 text.
int CharacterCount(const std::string& utf8);

} // namespace tk
