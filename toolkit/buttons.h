#pragma once

#include "toolkit/control.h"
#include "toolkit/font.h"

#include <functional>
#include <string>

namespace tk {

// A control with a caption that raises Action when the user presses it.
class CaptionedControl : public Control {
public:
    using Control::Control;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) {
        caption_ = std::move(caption);
        Changed();
    }
    // Called by the platform when the user presses the control.
    void NotifyAction() {
        if (Action)
            Action();
    }

    std::function<void()> Action;
    Font font;

private:
    std::string caption_;
};

class PushButton : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    bool Default = false;
    bool Cancel = false;
};

// Radio buttons with the same parent form one group: choosing one clears the others.
class RadioButton : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;

    bool Value() const { return value_; }
    void SetValue(bool selected) {
        value_ = selected;
        Changed();
    }
    void NotifyChosen() {
        value_ = true;
        NotifyAction();
    }

private:
    bool value_ = false;
};

class GroupBox : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
};

class StaticText : public Control {
public:
    using Control::Control;

    const std::string& Text() const { return text_; }
    void SetText(std::string text) {
        text_ = std::move(text);
        Changed();
    }
    int Alignment = 0; // 0 left, 1 centre, 2 right
    Font font;

private:
    std::string text_;
};

} // namespace tk
