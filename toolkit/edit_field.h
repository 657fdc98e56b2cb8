#pragma once

#include "toolkit/color.h"
#include "toolkit/control.h"

#include <functional>
#include <string>

namespace tk {

// A single-line text entry: it holds one line, whatever it is given (see OneLine).
class EditField : public AlignedTextControl {
public:
    using AlignedTextControl::AlignedTextControl;

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

    bool Border() const { return border_; }
    void SetBorder(bool on) { Set(border_, on, Aspect::Options); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { Set(readOnly_, on, Aspect::Options); }
    bool Password() const { return password_; }
    void SetPassword(bool on) { Set(password_, on, Aspect::Options); }
    // Whether the tab key types a tab into the field instead of moving the focus on.
    bool AcceptTabs() const { return acceptTabs_; }
    void SetAcceptTabs(bool on) { Set(acceptTabs_, on, Aspect::Options); }
    bool UseFocusRing() const { return useFocusRing_; }
    void SetUseFocusRing(bool on) { Set(useFocusRing_, on, Aspect::Options); }
    Color TextColor() const { return textColor_; }
    void SetTextColor(Color c) { Set(textColor_, c, Aspect::Options); }
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color c) { Set(backColor_, c, Aspect::Options); }
    // The most characters the user may type; 0 for no limit.
    int LimitText() const { return limitText_; }
    void SetLimitText(int characters) { Set(limitText_, characters, Aspect::Options); }

    // Called by the platform when the user typed, moved the selection or focused the field.
    void NotifyTextEdited(const std::string& text);
    void NotifySelection(int start, int length);
    void NotifyFocusIn();

private:
    void Select(int start, int length);
    bool StoreText(const std::string& text);

    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
    bool border_ = true;
    bool readOnly_ = false;
    bool password_ = false;
    bool acceptTabs_ = false;
    bool useFocusRing_ = true;
    Color textColor_ = kBlack;
    Color backColor_ = kWhite;
    int limitText_ = 0;
};

// Number of code points in UTF-8 text.
int CharacterCount(const std::string& utf8);

// The UTF-8 text on one line: each line break (LF, VT, FF, CR, NEL, U+2028, U+2029) a space, as a
// single-line field shows it, so that positions in characters stay where they were.
std::string OneLine(const std::string& utf8);

} // namespace tk
