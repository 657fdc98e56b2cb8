#pragma once

#include "toolkit/control.h"

#include <functional>
#include <string>

namespace tk {

// A control with a caption that raises Action when the user presses it.
class CaptionedControl : public TextControl {
public:
    using TextControl::TextControl;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { Set(caption_, std::move(caption), Aspect::Text); }
    // Called by the platform when the user presses the control.
    void NotifyAction() {
        if (Action)
            Action();
    }

    std::function<void()> Action;

private:
    std::string caption_;
};

class PushButton : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;

    // The default button is pressed by Return, the cancel button by Escape.
    bool Default() const { return default_; }
    void SetDefault(bool on) { Set(default_, on, Aspect::Options); }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on) { Set(cancel_, on, Aspect::Options); }

private:
    bool default_ = false;
    bool cancel_ = false;
};

// Radio buttons with the same parent form one group: choosing one clears the others.
class RadioButton : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;

    bool Value() const { return value_; }
    void SetValue(bool selected) { Set(value_, selected, Aspect::Value); }
    // Called by the platform when the user chose this button, or when choosing another cleared it.
    void NotifyChosen() {
        value_ = true;
        NotifyAction();
    }
    void NotifyCleared() { value_ = false; }

private:
    bool value_ = false;
};

class GroupBox : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
};

class StaticText : public AlignedTextControl {
public:
    using AlignedTextControl::AlignedTextControl;

    const std::string& Text() const { return text_; }
    void SetText(std::string text) { Set(text_, std::move(text), Aspect::Text); }
    // Off by default: a line longer than the control's width is cut. On, it breaks between words.
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on) { Set(wordWrap_, on, Aspect::Options); }

private:
    std::string text_;
    bool wordWrap_ = false;
};

} // namespace tk
